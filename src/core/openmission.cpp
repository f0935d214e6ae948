#include "openmission.h"

#include "missionfolder.h"
#include "numbertest.h"
#include "prompter.h"
#include "stripspaces.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {

// A size the size boxes would change, by cutting spaces or with "Must Be
// Numbers" boxes, cannot be put into the window as the page has it.
bool sizeBoxKeeps(const QString &size)
{
    return StripSpaces(size) == size && (size.isEmpty() || isValidNumber(size));
}

QStringList problemsOf(const MissionFolderRead &read)
{
    QStringList problems = read.errors;
    for (const PageProblem &problem : read.pages.problems)
        problems.append(describeProblem(problem));
    const MissionBrief &brief = read.pages.brief;
    if (!sizeBoxKeeps(brief.pictureWidth))
        problems.append(
            QCoreApplication::translate("OpenMission",
                                        "overview.html: the picture width \"%1\" is not a number")
                .arg(brief.pictureWidth));
    if (!sizeBoxKeeps(brief.pictureHeight))
        problems.append(
            QCoreApplication::translate("OpenMission",
                                        "overview.html: the picture height \"%1\" is not a number")
                .arg(brief.pictureHeight));
    return problems;
}

// A page that is missing leaves its fields as they were after start-up.
template<typename... Fields>
void keepFields(MissionBrief &brief, const MissionBrief &start, Fields... fields)
{
    ((brief.*fields = start.*fields), ...);
}

} // namespace

QString missionFolderOf(const QString &path)
{
    const QFileInfo info(path);
    if (info.isDir())
        return info.absoluteFilePath();
    const QString name = info.fileName();
    if (info.isFile()
        && (name == QLatin1String("overview.html") || name == QLatin1String("briefing.html")))
        return info.absolutePath();
    return {};
}

std::optional<OpenedMission> readMissionToOpen(const QString &path, const MissionBrief &start,
                                               Prompter &prompter)
{
    const QString title = QCoreApplication::translate("OpenMission", "Open Mission");
    const QFileInfo info(path);
    if (!info.exists()) {
        prompter.message(QCoreApplication::translate("OpenMission", "The folder %1 does not exist.")
                             .arg(QDir::toNativeSeparators(path)),
                         title, Prompter::Icon::Warning);
        return std::nullopt;
    }
    const QString folder = missionFolderOf(path);
    if (folder.isEmpty()) {
        prompter.message(QCoreApplication::translate(
                             "OpenMission",
                             "%1 is not a mission page. Open overview.html, briefing.html or the "
                             "folder that holds them.")
                             .arg(info.fileName()),
                         title, Prompter::Icon::Warning);
        return std::nullopt;
    }
    const QString shown = QDir::toNativeSeparators(folder);
    const MissionFolderRead read = readMissionFolder(folder);
    if (read.noPages()) {
        prompter.message(
            QCoreApplication::translate("OpenMission", "No mission pages in %1.").arg(shown), title,
            Prompter::Icon::Information);
        return std::nullopt;
    }
    const QStringList problems = problemsOf(read);
    if (!problems.isEmpty()) {
        prompter.message(
            QCoreApplication::translate("OpenMission", "The mission in %1 cannot be opened:\n\n%2")
                .arg(shown, problems.join(QLatin1Char('\n'))),
            title, Prompter::Icon::Warning);
        return std::nullopt;
    }
    OpenedMission opened { read.pages.brief, folder, {} };
    MissionBrief &brief = opened.brief;
    if (!read.pages.hasOverview) {
        keepFields(brief, start, &MissionBrief::missionName, &MissionBrief::overviewText,
                   &MissionBrief::pictureSource, &MissionBrief::pictureWidth,
                   &MissionBrief::pictureHeight);
        opened.notice = QCoreApplication::translate("OpenMission",
                                                    "overview.html was not found in %1: the "
                                                    "overview's fields have their starting values.")
                            .arg(shown);
    }
    if (!read.pages.hasBriefing) {
        keepFields(brief, start, &MissionBrief::notesText, &MissionBrief::briefingText,
                   &MissionBrief::objectives, &MissionBrief::objectiveCount,
                   &MissionBrief::endings);
        opened.notice = QCoreApplication::translate("OpenMission",
                                                    "briefing.html was not found in %1: the "
                                                    "briefing's fields have their starting values.")
                            .arg(shown);
    }
    brief.saveFolder = shown;
    return opened;
}

bool sameTexts(MissionBrief a, MissionBrief b)
{
    a.saveFolder.clear();
    b.saveFolder.clear();
    return a == b;
}
