#include "pagelines.h"

#include "missionbrief.h"
#include "pagelayout.h"

#include <algorithm>

namespace {

int lineCount(const QString &text)
{
    return int(text.count(QLatin1Char('\n'))) + 1;
}

} // namespace

PageShape PageShape::of(const MissionBrief &brief)
{
    return { lineCount(brief.overviewText), lineCount(brief.notesText),
             lineCount(brief.briefingText), int(brief.objectives.size()) };
}

PageLine fieldPageLine(const PageShape &shape, FieldRef field, int lineInField)
{
    using namespace PageLayout;
    using Page = PageLine::Page;
    constexpr int endingCount = int(std::tuple_size_v<decltype(MissionBrief::endings)>);
    const auto within = [](int line, int lines) { return std::clamp(line, 0, lines - 1); };
    constexpr int headingLine = int(overviewHead.size());
    constexpr int overviewTextLine = headingLine + 2 + int(overviewTextStart.size());
    constexpr int notesLine = int(briefingHead.size());
    const int briefingLine = notesLine + shape.notesLines + int(notesEnd.size());
    const int objectivesLine = briefingLine + shape.briefingLines + int(briefingEnd.size());
    const int endingsLine = objectivesLine + objectiveLines * shape.objectives;
    const int objective = std::clamp(field.index, 1, std::max(1, shape.objectives)) - 1;
    const int ending = std::clamp(field.index, 1, endingCount) - 1;
    // The header is the fourth of an ending's lines, the description the seventh.
    constexpr int endHeaderLine = int(endingHead.size());
    constexpr int endDescriptionLine = endHeaderLine + 1 + int(endingMiddle.size());

    switch (field.field) {
    case MissionField::MissionName:
        return { Page::Overview, headingLine };
    case MissionField::PictureSource:
    case MissionField::PictureWidth:
    case MissionField::PictureHeight:
        return { Page::Overview, headingLine + 1 };
    case MissionField::Overview:
        return { Page::Overview, overviewTextLine + within(lineInField, shape.overviewLines) };
    case MissionField::Notes:
        return { Page::Briefing, notesLine + within(lineInField, shape.notesLines) };
    case MissionField::Briefing:
        return { Page::Briefing, briefingLine + within(lineInField, shape.briefingLines) };
    case MissionField::Objective:
        return { Page::Briefing, objectivesLine + objectiveLines * objective };
    case MissionField::EndHeader:
        return { Page::Briefing, endingsLine + endingLines * ending + endHeaderLine };
    case MissionField::EndDescription:
        return { Page::Briefing, endingsLine + endingLines * ending + endDescriptionLine };
    }
    return {};
}
