#pragma once

#include "missiondocument.h"
#include "missionfield.h"
#include "pagewriters.h"

#include <QList>
#include <QString>
#include <QStringView>

#include <functional>
#include <memory>
#include <utility>

class QPlainTextEdit;

// The multi-line boxes hold their line breaks as CR LF pairs, as the pages
// write them; the editor widget itself uses plain line feeds.
[[nodiscard]] QString crlfText(const QPlainTextEdit *box);
void setCrlfText(QPlainTextEdit *box, const QString &text);
// As above, taking the text: a large text that is the only copy is handed to
// the box a piece at a time, each piece released once the box holds it, so
// the text is never held whole twice. The box ends as setPlainText leaves it.
void setCrlfText(QPlainTextEdit *box, QString &&text, qsizetype piece = qsizetype(1) << 20);
// Hands the box's text to sink a piece at a time, the pieces in order being
// crlfText(box), without copying the text whole. No piece ends inside a
// surrogate pair.
void readCrlfText(const QPlainTextEdit *box, const std::function<void(QStringView)> &sink);

// The long texts of a record as Create Files takes them from their boxes: a
// box holding more than RecordDigest::wholeTextLimit characters is not read
// into the record but written to its page a piece at a time, and hashed on
// the way for the record kept beside the window.
class BoxTexts
{
public:
    BoxTexts(std::initializer_list<std::pair<MissionField, const QPlainTextEdit *>> boxes);

    // Whether the field's text goes to its page from its box.
    [[nodiscard]] bool fromBox(MissionField field) const;
    [[nodiscard]] const LongTexts &texts() const { return m_texts; }
    // Once the pages are written: the record with the texts written from
    // their boxes kept as the digests they were written with.
    [[nodiscard]] RecordDigest written(const MissionBrief &record) const;

private:
    struct Read
    {
        MissionField field;
        TextHasher hasher;
    };

    LongTexts m_texts;
    QList<std::shared_ptr<Read>> m_read;
};

// Selects [from, to) of the box's text counted as crlfText gives it.
void selectCrlfRange(QPlainTextEdit *box, int from, int to);
