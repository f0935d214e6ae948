#pragma once

#include "missionbrief.h"
#include "missionfield.h"

#include <QList>
#include <QObject>

#include <array>
#include <bitset>
#include <functional>
#include <optional>

// Every field of the record one by one, in the order the window shows them;
// the objectives are one field, index 0: the list with its count.
[[nodiscard]] const QList<FieldRef> &recordFields();

// Whether a and b hold the same text in that field of recordFields().
[[nodiscard]] bool sameField(const MissionBrief &a, const MissionBrief &b, FieldRef field);

// A record kept only to compare the window's texts with. A text longer than
// wholeTextLimit is kept as its length and hash: a large briefing then lives
// only in its box, not a second time here.
class RecordDigest
{
public:
    static constexpr qsizetype wholeTextLimit = qsizetype(1) << 20;

    RecordDigest() = default;
    explicit RecordDigest(const MissionBrief &brief);

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
    struct Digest
    {
        qsizetype size = 0;
        std::size_t hash = 0;

        bool operator==(const Digest &) const = default;
    };

    MissionBrief m_kept; // without the texts kept as digests
    std::array<std::optional<Digest>, 20> m_digests {};
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
    void written(const MissionBrief &brief);
    // Takes the digest, so that the texts can move into the window first.
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
