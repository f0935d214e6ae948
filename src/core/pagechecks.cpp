#include "pagechecks.h"

#include "createfiles.h"
#include "missionbrief.h"
#include "pageencoding.h"
#include "pagemarkup.h"

#include <QCoreApplication>
#include <QHash>
#include <QSet>

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

Finding finding(Severity severity, FieldRef field, const QString &text)
{
    return { severity, field, fieldName(field), text };
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

bool isInsideFolder(QString path, QString folder, PathStyle style)
{
    const bool windows = style == PathStyle::Windows;
    const QChar separator = windows ? QLatin1Char('\\') : QLatin1Char('/');
    if (windows) {
        path.replace(QLatin1Char('/'), separator);
        folder.replace(QLatin1Char('/'), separator);
    }
    if (folder.isEmpty())
        return false;
    if (!folder.endsWith(separator))
        folder += separator;
    return path.size() > folder.size()
        && path.startsWith(folder, windows ? Qt::CaseInsensitive : Qt::CaseSensitive);
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
// they first appear.
QList<char32_t> unholdable(QStringView text)
{
    QList<char32_t> found;
    QSet<char32_t> seen;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text[i];
        if (c.unicode() < 0x80)
            continue;
        char32_t codePoint = c.unicode();
        if (c.isHighSurrogate() && i + 1 < n && text[i + 1].isLowSurrogate())
            codePoint = QChar::surrogateToUcs4(c, text[++i]);
        if (!pageCanHold(codePoint) && !seen.contains(codePoint)) {
            seen.insert(codePoint);
            found.append(codePoint);
        }
    }
    return found;
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

QList<Finding> refusalFindings(const MissionBrief &brief)
{
    QList<CreateFilesRefusal> refusals;
    if (const auto name = missionNameRefusal(brief))
        refusals.append(*name);
    if (objectivesEntered(brief))
        refusals.append(pictureSizeRefusals(brief));

    QList<Finding> findings;
    for (const CreateFilesRefusal &refusal : refusals)
        findings.append(finding(Severity::Warning, refusal.field, refusal.message));
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
        return { finding(Severity::Information, { MissionField::PictureSource },
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
            findings.append(finding(Severity::Warning, field, markupText(problem)));
    });
    return findings;
}

QList<Finding> characterFindings(const MissionBrief &brief)
{
    QList<Finding> findings;
    forEachText(brief, [&findings](FieldRef field, QStringView text) {
        const QList<char32_t> codePoints = unholdable(text);
        if (!codePoints.isEmpty())
            findings.append(finding(Severity::Information, field, charactersText(codePoints)));
    });
    return findings;
}

QList<Finding> objectiveFindings(const MissionBrief &brief)
{
    QList<Finding> findings;
    QHash<QString, int> firstRow;
    firstRow.reserve(brief.objectives.size());
    for (int row = 1; row <= brief.objectives.size(); ++row) {
        const QString &objective = brief.objectives[row - 1];
        if (objective.trimmed().isEmpty()) {
            findings.append(
                finding(Severity::Warning, { MissionField::Objective, row },
                        QCoreApplication::translate(
                            "PageChecks", "This objective is empty: edit it or remove it.")));
            continue;
        }
        const auto first = firstRow.constFind(objective);
        if (first == firstRow.cend())
            firstRow.insert(objective, row);
        else
            findings.append(
                finding(Severity::Information, { MissionField::Objective, row },
                        QCoreApplication::translate(
                            "PageChecks", "Repeats objective %1: the page lists it twice.")
                            .arg(first.value())));
    }
    return findings;
}

QList<Finding> checkMission(const MissionBrief &brief, const PictureFacts &picture, PathStyle style)
{
    return refusalFindings(brief) + pictureFindings(brief, picture, style) + markupFindings(brief)
        + characterFindings(brief) + objectiveFindings(brief);
}
