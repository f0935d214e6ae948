#include "pagechecks.h"

#include "createfiles.h"
#include "missionbrief.h"
#include "pageencoding.h"
#include "pagemarkup.h"

#include <QCoreApplication>
#include <QHash>
#include <QSet>

#include <algorithm>
#include <tuple>

namespace {

using Severity = Finding::Severity;

QString fieldName(FieldRef ref)
{
    const int index = ref.index;
    switch (ref.field) {
    case MissionField::MissionName:
        return QCoreApplication::translate("PageChecks", "Mission Name");
    case MissionField::Overview:
        return QCoreApplication::translate("PageChecks", "Overview");
    case MissionField::PictureSource:
        return QCoreApplication::translate("PageChecks", "Picture");
    case MissionField::PictureWidth:
        return QCoreApplication::translate("PageChecks", "Picture Width");
    case MissionField::PictureHeight:
        return QCoreApplication::translate("PageChecks", "Picture Height");
    case MissionField::Notes:
        return QCoreApplication::translate("PageChecks", "Mission Notes");
    case MissionField::Briefing:
        return QCoreApplication::translate("PageChecks", "Mission Briefing");
    case MissionField::Objective:
        return QCoreApplication::translate("PageChecks", "Objective %1").arg(index);
    case MissionField::EndHeader:
        return QCoreApplication::translate("PageChecks", "End %1 Header").arg(index);
    case MissionField::EndDescription:
        return QCoreApplication::translate("PageChecks", "End %1 Description").arg(index);
    }
    return {};
}

Finding finding(Severity severity, FieldRef field, const QString &text, qsizetype from = -1,
                qsizetype to = -1)
{
    return { severity, field, int(from), int(to), fieldName(field), text };
}

// Where a finding stands in the window: its tab and place on it, then where
// in the text.
auto formPlace(const Finding &f)
{
    const MissionField field = f.field.field;
    const bool ending = field == MissionField::EndHeader || field == MissionField::EndDescription;
    const int group = ending ? int(MissionField::EndHeader) : int(field);
    return std::make_tuple(group, f.field.index, int(field), f.from);
}

const QString &textOf(const MissionBrief &brief, MissionField field)
{
    switch (field) {
    case MissionField::PictureWidth:
        return brief.pictureWidth;
    case MissionField::PictureHeight:
        return brief.pictureHeight;
    default:
        return brief.missionName;
    }
}

// Calls visit(field, text) for every field whose text reaches a page
// as typed, in the order the window shows them.
template<typename Visit> void forEachText(const MissionBrief &brief, Visit &&visit)
{
    visit({ MissionField::MissionName }, brief.missionName);
    visit({ MissionField::Overview }, brief.overviewText);
    visit({ MissionField::Notes }, brief.notesText);
    visit({ MissionField::Briefing }, brief.briefingText);
    for (int row = 0; row < brief.objectives.size(); ++row)
        visit({ MissionField::Objective, row + 1 }, brief.objectives[row]);
    for (int k = 0; k < int(brief.endings.size()); ++k) {
        visit({ MissionField::EndHeader, k + 1 }, brief.endings[k].header);
        visit({ MissionField::EndDescription, k + 1 }, brief.endings[k].description);
    }
}

QString markupText(const MarkupProblem &problem)
{
    switch (problem.kind) {
    case MarkupProblem::Kind::NeverClosed:
        return QCoreApplication::translate(
                   "PageChecks", "<%1> is opened but never closed: add </%1> where it should end.")
            .arg(problem.tag);
    case MarkupProblem::Kind::NeverOpened:
        return QCoreApplication::translate(
                   "PageChecks",
                   "</%1> closes a tag that was never opened: remove it, or add <%1> where it "
                   "should start.")
            .arg(problem.tag);
    case MarkupProblem::Kind::UnnamedMarker:
        return QCoreApplication::translate(
            "PageChecks",
            "A marker link has no name (<a href=\"marker:\">): give it a name or remove it.");
    case MarkupProblem::Kind::UnfinishedTag:
        return QCoreApplication::translate(
                   "PageChecks",
                   "\"%1\" starts a tag that is never finished: end it with > or remove the <.")
            .arg(problem.tag);
    }
    return {};
}

// The code points of the text the page cannot hold, each once, in the order
// they first appear, and where the first one stands.
struct Unholdable
{
    QList<char32_t> codePoints;
    qsizetype from = -1;
    qsizetype to = -1;
};

Unholdable unholdable(QStringView text)
{
    Unholdable result;
    QList<char32_t> &found = result.codePoints;
    QSet<char32_t> seen;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text[i];
        if (c.unicode() < 0x80)
            continue;
        const qsizetype start = i;
        char32_t codePoint = c.unicode();
        if (c.isHighSurrogate() && i + 1 < n && text[i + 1].isLowSurrogate())
            codePoint = QChar::surrogateToUcs4(c, text[++i]);
        if (!pageCanHold(codePoint) && !seen.contains(codePoint)) {
            seen.insert(codePoint);
            found.append(codePoint);
            if (result.from < 0) {
                result.from = start;
                result.to = i + 1;
            }
        }
    }
    return result;
}

QString charactersText(const QList<char32_t> &codePoints)
{
    constexpr qsizetype shown = 8;
    QStringList characters;
    for (qsizetype i = 0; i < qMin(shown, codePoints.size()); ++i)
        characters.append(QString::fromUcs4(&codePoints[i], 1));
    if (codePoints.size() > shown)
        characters.append(QStringLiteral("\u2026"));
    return QCoreApplication::translate(
               "PageChecks",
               "Characters the page cannot hold: %1. They are written as codes such as &#%2;, "
               "which the game may show as written.")
        .arg(characters.join(QLatin1Char(' ')))
        .arg(uint(codePoints.first()));
}

} // namespace

QString findingLine(const Finding &finding)
{
    if (finding.fieldName.isEmpty())
        return finding.text;
    return QCoreApplication::translate("PageChecks", "%1: %2").arg(finding.fieldName, finding.text);
}

QList<Finding> refusalFindings(const MissionBrief &brief)
{
    QList<CreateFilesRefusal> refusals;
    if (const auto name = missionNameRefusal(brief))
        refusals.append(*name);
    if (objectivesEntered(brief))
        refusals.append(pictureSizeRefusals(brief));

    QList<Finding> findings;
    for (const CreateFilesRefusal &refusal : refusals)
        findings.append(finding(Severity::Error, refusal.field, refusal.message, 0,
                                textOf(brief, refusal.field.field).size()));
    return findings;
}

QList<Finding> pictureFindings(const MissionBrief &brief, const PictureFacts &picture,
                               PathStyle style)
{
    if (!picture.readablePicture)
        return { finding(Severity::Warning, { MissionField::PictureSource },
                         QCoreApplication::translate(
                             "PageChecks",
                             "No picture chosen: the overview will show a broken picture. "
                             "Choose one under Picture Source.")) };
    if (!isInsideFolder(brief.pictureSource, brief.saveFolder, style))
        return { finding(Severity::Note, { MissionField::PictureSource },
                         QCoreApplication::translate(
                             "PageChecks",
                             "The picture lies outside the save folder: the game finds it only "
                             "on this computer. Copy it into the save folder and choose it "
                             "there.")) };
    return {};
}

QList<Finding> markupFindings(const MissionBrief &brief)
{
    QList<Finding> findings;
    forEachText(brief, [&findings](FieldRef field, QStringView text) {
        for (const MarkupProblem &problem : markupProblems(text))
            findings.append(
                finding(Severity::Warning, field, markupText(problem), problem.from, problem.to));
    });
    return findings;
}

QList<Finding> characterFindings(const MissionBrief &brief)
{
    QList<Finding> findings;
    forEachText(brief, [&findings](FieldRef field, QStringView text) {
        const Unholdable found = unholdable(text);
        if (!found.codePoints.isEmpty())
            findings.append(finding(Severity::Note, field, charactersText(found.codePoints),
                                    found.from, found.to));
    });
    return findings;
}

QList<Finding> objectiveFindings(const MissionBrief &brief)
{
    QList<Finding> findings;
    if (!objectivesEntered(brief)) {
        Finding none = finding(Severity::Note, { MissionField::Objective },
                               QCoreApplication::translate("PageChecks",
                                                           "No objectives: Create Files will ask "
                                                           "whether to go on without them."));
        none.fieldName.clear();
        findings.append(none);
    }
    QHash<QString, int> firstRow;
    firstRow.reserve(brief.objectives.size());
    for (int row = 1; row <= brief.objectives.size(); ++row) {
        const QString &objective = brief.objectives[row - 1];
        if (objective.trimmed().isEmpty()) {
            findings.append(
                finding(Severity::Warning, { MissionField::Objective, row },
                        QCoreApplication::translate(
                            "PageChecks", "This objective is empty: edit it or remove it."),
                        0, objective.size()));
            continue;
        }
        const auto first = firstRow.constFind(objective);
        if (first == firstRow.cend())
            firstRow.insert(objective, row);
        else
            findings.append(
                finding(Severity::Note, { MissionField::Objective, row },
                        QCoreApplication::translate(
                            "PageChecks", "Repeats objective %1: the page lists it twice.")
                            .arg(first.value()),
                        0, objective.size()));
    }
    return findings;
}

QList<Finding> checkMission(const MissionBrief &brief, const PictureFacts &picture, PathStyle style)
{
    QList<Finding> findings = refusalFindings(brief) + pictureFindings(brief, picture, style)
        + markupFindings(brief) + characterFindings(brief) + objectiveFindings(brief);
    std::stable_sort(findings.begin(), findings.end(), [](const Finding &a, const Finding &b) {
        return formPlace(a) < formPlace(b);
    });
    return findings;
}
