// "quillmark --check" over a campaign of 100 typical missions, run as a user
// runs it; reports the median wall time of the whole process (goal: 1 s).
#include "missionbrief.h"
#include "pagewriters.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

// A mission as one is written in practice: a few paragraphs, marker links,
// a dozen objectives, a picture in its folder.
MissionBrief typicalMission(const QString &folder, int number)
{
    MissionBrief brief;
    brief.missionName = QStringLiteral("Operation %1").arg(number);
    brief.saveFolder = folder;
    brief.pictureSource = folder + QStringLiteral("/map.png");
    brief.overviewText
        = QStringLiteral("The valley is held by the enemy \u010Dety.\r\n").repeated(8);
    brief.notesText = QStringLiteral("Radio silence until <b>dawn</b><br>\r\n").repeated(6);
    brief.briefingText
        = QStringLiteral("Cross the river at <a href=\"marker:ford\">the ford</a> and hold "
                         "the \u017Elut\u00FD bridge until relieved.<br>\r\n")
              .repeated(40);
    for (int i = 1; i <= 12; ++i)
        brief.objectives.append(QStringLiteral("Objective %1: take the hill %1").arg(i));
    brief.objectiveCount = QString::number(brief.objectives.size());
    return brief;
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QString program = QCoreApplication::applicationDirPath() + QStringLiteral("/quillmark");
    QTemporaryDir campaign;
    const QString picture
        = QStringLiteral(QUILLMARK_SOURCE_DIR "/resources/icons/quillmark-64.png");
    for (int i = 1; i <= 100; ++i) {
        const QString folder
            = campaign.filePath(QStringLiteral("mission%1").arg(i, 3, 10, QLatin1Char('0')));
        const MissionBrief brief = typicalMission(folder, i);
        if (!QDir().mkpath(folder)
            || !writeFile(folder + QStringLiteral("/overview.html"), overviewPageBytes(brief))
            || !writeFile(folder + QStringLiteral("/briefing.html"), briefingPageBytes(brief))
            || !QFile::copy(picture, folder + QStringLiteral("/map.png"))) {
            std::fprintf(stderr, "bench_checkcommand: cannot write the campaign\n");
            return 1;
        }
    }

    constexpr int runs = 7;
    std::vector<double> times;
    QString summary;
    for (int i = 0; i <= runs; ++i) {
        QProcess process;
        QElapsedTimer timer;
        timer.start();
        process.start(program, { QStringLiteral("--check"), campaign.path() });
        if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit) {
            std::fprintf(stderr, "bench_checkcommand: %s did not finish\n", qPrintable(program));
            return 1;
        }
        const double ms = double(timer.nsecsElapsed()) / 1e6;
        summary = QString::fromLocal8Bit(process.readAllStandardOutput())
                      .trimmed()
                      .section(QLatin1Char('\n'), -1);
        if (i > 0) // the first run warms the caches
            times.push_back(ms);
    }
    std::sort(times.begin(), times.end());
    std::printf(
        "quillmark --check, campaign of 100 typical missions: median %.0f ms, slowest %.0f ms "
        "of %d runs (goal 1000 ms); it said \"%s\"\n",
        times[times.size() / 2], times.back(), runs, qPrintable(summary));
    return times[times.size() / 2] <= 1000 ? 0 : 1;
}
