#include "missioncheck.h"

#include "missionfolder.h"
#include "openmission.h"
#include "pagechecks.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSet>
#include <QTextStream>

namespace {

const QString overviewName = QStringLiteral("overview.html");
const QString briefingName = QStringLiteral("briefing.html");

bool hasPage(const QDir &folder)
{
    for (const QString &name : { overviewName, briefingName }) {
        const QFileInfo page(folder.filePath(name));
        if (page.exists() || page.isSymLink())
            return true;
    }
    return false;
}

bool onOverview(FieldRef ref)
{
    const MissionField field = ref.field;
    return field == MissionField::MissionName || field == MissionField::Overview
        || field == MissionField::PictureSource || field == MissionField::PictureWidth
        || field == MissionField::PictureHeight;
}

class Checker
{
public:
    Checker(const PictureProbe &canShowPicture, QTextStream &out)
        : m_canShowPicture(canShowPicture)
        , m_out(out)
    {
    }

    void checkPath(const QString &path);
    [[nodiscard]] const MissionCheckSummary &summary() const { return m_summary; }

private:
    // folder as the user named it, which is how its pages are printed
    void check(const QString &folder);
    void report(const QString &where, const char *severity, const QString &text)
    {
        m_out << QDir::toNativeSeparators(where) << ": " << severity << ": " << text << '\n';
    }
    void count(bool errors, bool warnings)
    {
        ++m_summary.missions;
        if (errors)
            ++m_summary.withErrors;
        else if (warnings)
            ++m_summary.withWarnings;
    }

    const PictureProbe &m_canShowPicture;
    QTextStream &m_out;
    MissionCheckSummary m_summary;
    QSet<QString> m_checked;
};

void Checker::checkPath(const QString &path)
{
    const QString shown = QDir::cleanPath(QDir::fromNativeSeparators(path));
    const QFileInfo info(shown);
    if (info.isDir() && hasPage(QDir(shown))) {
        check(shown);
        return;
    }
    if (info.isDir()) {
        const QDir campaign(shown);
        bool any = false;
        for (const QString &name :
             campaign.entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name)) {
            const QString folder = campaign.filePath(name);
            if (hasPage(QDir(folder))) {
                any = true;
                check(folder);
            }
        }
        if (!any) {
            report(shown, "error",
                   QCoreApplication::translate("MissionCheck",
                                               "No mission pages here nor in the folders here."));
            count(true, false);
        }
        return;
    }
    if (!missionFolderOf(shown).isEmpty() && info.exists()) {
        check(info.path());
        return;
    }
    report(shown, "error",
           info.exists() ? QCoreApplication::translate(
               "MissionCheck", "Neither a mission folder nor overview.html or briefing.html.")
                         : QCoreApplication::translate("MissionCheck", "No such file or folder."));
    count(true, false);
}

void Checker::check(const QString &folder)
{
    const QString absolute = QFileInfo(folder).absoluteFilePath();
    if (m_checked.contains(absolute))
        return;
    m_checked.insert(absolute);

    const MissionFolderRead read = readMissionFolder(folder);
    const auto where = [&folder](const QString &page) {
        return folder == QLatin1String(".") ? page : folder + QLatin1Char('/') + page;
    };
    bool errors = false;
    bool warnings = false;
    bool overviewRead = read.pages.hasOverview;
    bool briefingRead = read.pages.hasBriefing;
    for (const QString &error : read.errors) {
        // The reason names the page, in the reader's words.
        report(folder, "error", error);
        errors = true;
    }
    for (const PageProblem &problem : read.pages.problems) {
        const bool overview = problem.page == PageProblem::Page::Overview;
        (overview ? overviewRead : briefingRead) = false;
        report(
            QStringLiteral("%1:%2")
                .arg(where(overview ? overviewName : briefingName))
                .arg(problem.line),
            "error",
            problem.found.isEmpty()
                ? QCoreApplication::translate("MissionCheck", "expected %1").arg(problem.expected)
                : QCoreApplication::translate("MissionCheck", "expected %1, found %2")
                      .arg(problem.expected, problem.found));
        errors = true;
    }
    for (const auto &[present, name] : { std::pair(read.pages.hasOverview, overviewName),
                                         std::pair(read.pages.hasBriefing, briefingName) }) {
        if (!present && read.errors.isEmpty()) {
            report(where(name), "error",
                   QCoreApplication::translate("MissionCheck", "The page is missing."));
            errors = true;
        }
    }

    MissionBrief brief = read.pages.brief;
    brief.saveFolder = absolute;
    const QString picture = pictureFile(brief.pictureSource, brief.saveFolder);
    const PictureFacts facts { QFileInfo(picture).isFile() && m_canShowPicture(picture) };
    for (const Finding &finding : checkMission(brief, facts)) {
        const bool overview = onOverview(finding.field);
        if (!(overview ? overviewRead : briefingRead))
            continue;
        static const char *const severities[] = { "error", "warning", "note" };
        report(where(overview ? overviewName : briefingName), severities[int(finding.severity)],
               findingLine(finding));
        errors = errors || finding.severity == Finding::Severity::Error;
        warnings = warnings || finding.severity == Finding::Severity::Warning;
    }
    count(errors, warnings);
}

} // namespace

MissionCheckSummary checkMissions(const QStringList &paths, const PictureProbe &canShowPicture,
                                  QTextStream &out)
{
    Checker checker(canShowPicture, out);
    for (const QString &path : paths)
        checker.checkPath(path);
    out << summaryLine(checker.summary()) << '\n';
    return checker.summary();
}

QString summaryLine(const MissionCheckSummary &summary)
{
    const QString checked = summary.missions == 1
        ? QCoreApplication::translate("MissionCheck", "1 mission checked")
        : QCoreApplication::translate("MissionCheck", "%1 missions checked").arg(summary.missions);
    return QCoreApplication::translate("MissionCheck", "%1: %2 with errors, %3 with warnings.")
        .arg(checked)
        .arg(summary.withErrors)
        .arg(summary.withWarnings);
}
