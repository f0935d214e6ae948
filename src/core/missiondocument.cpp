#include "missiondocument.h"

#include <QHashFunctions>

#include <algorithm>

namespace {

std::size_t slotOf(FieldRef field)
{
    switch (field.field) {
    case MissionField::EndHeader:
        return std::size_t(8 + 2 * (field.index - 1));
    case MissionField::EndDescription:
        return std::size_t(9 + 2 * (field.index - 1));
    default:
        return std::size_t(field.field);
    }
}

// The text of a field, or nullptr for the objectives, which are a list.
template<typename Brief> auto *fieldText(Brief &brief, FieldRef field)
{
    auto &ending = brief.endings.at(std::size_t(qBound(1, field.index, 6) - 1));
    switch (field.field) {
    case MissionField::MissionName:
        return &brief.missionName;
    case MissionField::Overview:
        return &brief.overviewText;
    case MissionField::PictureSource:
        return &brief.pictureSource;
    case MissionField::PictureWidth:
        return &brief.pictureWidth;
    case MissionField::PictureHeight:
        return &brief.pictureHeight;
    case MissionField::Notes:
        return &brief.notesText;
    case MissionField::Briefing:
        return &brief.briefingText;
    case MissionField::Objective:
        break;
    case MissionField::EndHeader:
        return &ending.header;
    case MissionField::EndDescription:
        return &ending.description;
    }
    return decltype(&brief.missionName)(nullptr);
}

} // namespace

void TextHasher::add(QStringView piece)
{
    m_size += piece.size();
    if (!m_partial.isEmpty()) {
        const qsizetype taken = qMin(run - m_partial.size(), piece.size());
        m_partial += piece.first(taken);
        piece = piece.sliced(taken);
        if (m_partial.size() < run)
            return;
        m_hash = qHash(m_partial, m_hash);
        m_partial.resize(0);
    }
    for (; piece.size() >= run; piece = piece.sliced(run))
        m_hash = qHash(piece.first(run), m_hash);
    if (!piece.isEmpty()) {
        m_partial.reserve(run);
        m_partial += piece;
    }
}

TextDigest TextHasher::digest() const
{
    return { m_size, m_partial.isEmpty() ? m_hash : qHash(m_partial, m_hash) };
}

TextDigest TextHasher::digestOf(QStringView text)
{
    TextHasher hasher;
    hasher.add(text);
    return hasher.digest();
}

const QList<FieldRef> &recordFields()
{
    static const QList<FieldRef> fields = [] {
        QList<FieldRef> all;
        for (MissionField field :
             { MissionField::MissionName, MissionField::Overview, MissionField::PictureSource,
               MissionField::PictureWidth, MissionField::PictureHeight, MissionField::Notes,
               MissionField::Briefing, MissionField::Objective })
            all.append({ field });
        for (int ending = 1; ending <= 6; ++ending)
            all += { { MissionField::EndHeader, ending },
                     { MissionField::EndDescription, ending } };
        return all;
    }();
    return fields;
}

bool sameField(const MissionBrief &a, const MissionBrief &b, FieldRef field)
{
    if (field.field == MissionField::Objective)
        return a.objectives == b.objectives && a.objectiveCount == b.objectiveCount;
    return *fieldText(a, field) == *fieldText(b, field);
}

RecordDigest::RecordDigest(const MissionBrief &brief)
    : m_kept(brief)
{
    for (const FieldRef field : recordFields()) {
        QString *text = fieldText(m_kept, field);
        if (!text || text->size() <= wholeTextLimit)
            continue;
        m_digests.at(slotOf(field)) = TextHasher::digestOf(*text);
        *text = QString();
    }
}

RecordDigest::RecordDigest(const MissionBrief &brief,
                           const QList<std::pair<FieldRef, TextDigest>> &hashed)
    : RecordDigest(brief)
{
    for (const auto &[field, digest] : hashed) {
        Q_ASSERT(digest.size > wholeTextLimit);
        m_digests.at(slotOf(field)) = digest;
        *fieldText(m_kept, field) = QString();
    }
}

bool RecordDigest::sameField(const MissionBrief &brief, FieldRef field) const
{
    const std::optional<TextDigest> &digest = m_digests.at(slotOf(field));
    if (!digest)
        return ::sameField(brief, m_kept, field);
    const QString &text = *fieldText(brief, field);
    return text.size() == digest->size && TextHasher::digestOf(text) == *digest;
}

bool RecordDigest::sameTexts(const MissionBrief &brief) const
{
    const QList<FieldRef> &fields = recordFields();
    return std::all_of(fields.begin(), fields.end(),
                       [&](FieldRef field) { return sameField(brief, field); });
}

bool RecordDigest::sameRecord(const MissionBrief &brief) const
{
    return brief.saveFolder == m_kept.saveFolder && sameTexts(brief);
}

// A text is kept whole or as a digest by its length alone, so two digests
// of the same texts keep each field the same way.
bool RecordDigest::sameTexts(const RecordDigest &other) const
{
    const QList<FieldRef> &fields = recordFields();
    return m_digests == other.m_digests
        && std::all_of(fields.begin(), fields.end(),
                       [&](FieldRef field) { return ::sameField(m_kept, other.m_kept, field); });
}

bool RecordDigest::sameRecord(const RecordDigest &other) const
{
    return other.m_kept.saveFolder == m_kept.saveFolder && sameTexts(other);
}

MissionDocument::MissionDocument(FieldReader read, QObject *parent)
    : QObject(parent)
    , m_read(std::move(read))
{
}

QList<FieldRef> MissionDocument::editedFields() const
{
    QList<FieldRef> fields;
    for (const FieldRef field : recordFields()) {
        if (m_edited.test(slotOf(field)))
            fields.append(field);
    }
    return fields;
}

bool MissionDocument::isUnwritten() const
{
    if (m_edited.none())
        return false;
    MissionBrief now;
    for (const FieldRef field : editedFields()) {
        m_read(field, now);
        if (!m_record.sameField(now, field))
            return true;
    }
    return false;
}

void MissionDocument::started(const MissionBrief &brief)
{
    m_start = brief;
    setRecord(RecordDigest(brief));
}

void MissionDocument::written(const RecordDigest &record)
{
    setRecord(record);
}

void MissionDocument::opened(const RecordDigest &record)
{
    setRecord(record);
}

void MissionDocument::fieldEdited(FieldRef field)
{
    const bool first = m_edited.none();
    m_edited.set(slotOf(field));
    Q_EMIT edited(field);
    if (first)
        Q_EMIT editedChanged(true);
}

void MissionDocument::setRecord(const RecordDigest &record)
{
    m_record = record;
    const bool wasEdited = m_edited.any();
    m_edited.reset();
    if (wasEdited)
        Q_EMIT editedChanged(false);
}
