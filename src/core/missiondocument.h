#pragma once

#include "missionbrief.h"
#include "missionfield.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QStringView>

#include <array>
#include <bitset>
#include <functional>
#include <optional>
#include <utility>

// Every field of the record one by one, in the order the window shows them;
// the objectives are one field, index 0: the list with its count.
[[nodiscard]] const QList<FieldRef> &recordFields();

// Whether a and b hold the same text in that field of recordFields().
[[nodiscard]] bool sameField(const MissionBrief &a, const MissionBrief &b, FieldRef field);

// A text's length and hash, made a piece at a time: the pieces, in order,
// are the text, and how it is cut into pieces does not change the digest.
struct TextDigest
{
    qsizetype size = 0;
    std::size_t hash = 0;

    bool operator==(const TextDigest &) const = default;
};

class TextHasher
{
public:
    void add(QStringView piece);
    [[nodiscard]] TextDigest digest() const;
    [[nodiscard]] static TextDigest digestOf(QStringView text);

private:
    // The text is hashed a run of this many characters at a time, each run
    // seeded with the hash of those before it.
    static constexpr qsizetype run = qsizetype(1) << 15;

    QString m_partial; // the start of the run not yet hashed
    std::size_t m_hash = 0x51ed270b27a4e1fdULL;
    qsizetype m_size = 0;
};

// A record kept only to compare the window's texts with. A text longer than
// wholeTextLimit is kept as its digest: a large briefing then lives only in
// its box, not a second time here.
class RecordDigest
{
public:
    static constexpr qsizetype wholeTextLimit = qsizetype(1) << 18;

    RecordDigest() = default;
    explicit RecordDigest(const MissionBrief &brief);
    // The record, with the texts of `hashed` kept as the digests given, as
    // their texts are longer than wholeTextLimit; their fields in brief are
    // not read.
    RecordDigest(const MissionBrief &brief, const QList<std::pair<FieldRef, TextDigest>> &hashed);

    // Whether brief holds the same text in that field of recordFields().
    [[nodiscard]] bool sameField(const MissionBrief &brief, FieldRef field) const;
    // Whether brief holds the same texts; the save folder does not count.
    [[nodiscard]] bool sameTexts(const MissionBrief &brief) const;
    // Whether brief holds the same texts and save folder.
    [[nodiscard]] bool sameRecord(const MissionBrief &brief) const;
    // The same against another digest, without hashing any text again.
    [[nodiscard]] bool sameTexts(const RecordDigest &other) const;
    [[nodiscard]] bool sameRecord(const RecordDigest &other) const;
    [[nodiscard]] const QString &folder() const { return m_kept.saveFolder; }

private:
    MissionBrief m_kept; // without the texts kept as digests
    std::array<std::optional<TextDigest>, 20> m_digests {};
};

// The mission beyond the window's controls: the record it started with, the
// record last written or opened, and which fields were edited since then.
// The window tells it of every edit and reads a field for it on demand, so
// asking whether the texts are unwritten reads only the edited fields.
class MissionDocument : public QObject
{
    Q_OBJECT
public:
    // Reads one field of recordFields() from the window into the record.
    using FieldReader = std::function<void(FieldRef, MissionBrief &)>;

    explicit MissionDocument(FieldReader read, QObject *parent = nullptr);

    // The record after start-up: a missing page of an opened mission leaves
    // its fields at these values.
    [[nodiscard]] const MissionBrief &start() const { return m_start; }
    // The record last written or opened; the starting one before either.
    [[nodiscard]] const RecordDigest &record() const { return m_record; }
    [[nodiscard]] QString folder() const { return m_record.folder(); }

    // Fields edited since the last write or open, in the window's order.
    [[nodiscard]] QList<FieldRef> editedFields() const;
    // Whether the window's texts differ from record(); the save folder is
    // remembered on its own and does not count.
    [[nodiscard]] bool isUnwritten() const;

    void started(const MissionBrief &brief);
    // Each takes a digest: a large text is not held beside its box.
    void written(const RecordDigest &record);
    void opened(const RecordDigest &record);
    void fieldEdited(FieldRef field);

Q_SIGNALS:
    void edited(FieldRef field);
    // True at the first edit after a write or open, false at the write or
    // open after edits.
    void editedChanged(bool edited);

private:
    void setRecord(const RecordDigest &record);

    FieldReader m_read;
    MissionBrief m_start;
    RecordDigest m_record;
    std::bitset<20> m_edited;
};
