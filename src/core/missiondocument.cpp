#include "missiondocument.h"

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

} // namespace

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
    const auto ending = [field](const MissionBrief &brief) -> const Ending & {
        return brief.endings.at(std::size_t(field.index - 1));
    };
    switch (field.field) {
    case MissionField::MissionName:
        return a.missionName == b.missionName;
    case MissionField::Overview:
        return a.overviewText == b.overviewText;
    case MissionField::PictureSource:
        return a.pictureSource == b.pictureSource;
    case MissionField::PictureWidth:
        return a.pictureWidth == b.pictureWidth;
    case MissionField::PictureHeight:
        return a.pictureHeight == b.pictureHeight;
    case MissionField::Notes:
        return a.notesText == b.notesText;
    case MissionField::Briefing:
        return a.briefingText == b.briefingText;
    case MissionField::Objective:
        return a.objectives == b.objectives && a.objectiveCount == b.objectiveCount;
    case MissionField::EndHeader:
        return ending(a).header == ending(b).header;
    case MissionField::EndDescription:
        return ending(a).description == ending(b).description;
    }
    return false;
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
    MissionBrief now = m_record;
    for (const FieldRef field : editedFields()) {
        m_read(field, now);
        if (!sameField(now, m_record, field))
            return true;
    }
    return false;
}

void MissionDocument::started(const MissionBrief &brief)
{
    m_start = brief;
    setRecord(brief);
}

void MissionDocument::written(const MissionBrief &brief)
{
    setRecord(brief);
}

void MissionDocument::opened(const MissionBrief &brief)
{
    setRecord(brief);
}

void MissionDocument::fieldEdited(FieldRef field)
{
    const bool first = m_edited.none();
    m_edited.set(slotOf(field));
    Q_EMIT edited(field);
    if (first)
        Q_EMIT editedChanged(true);
}

void MissionDocument::setRecord(const MissionBrief &brief)
{
    m_record = brief;
    const bool wasEdited = m_edited.any();
    m_edited.reset();
    if (wasEdited)
        Q_EMIT editedChanged(false);
}
