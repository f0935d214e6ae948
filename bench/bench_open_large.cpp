// Opens a mission whose briefing page is just under the 64 MiB limit, once
// reading the pages alone and once into the main window, each in a fresh
// process, and reports the time and the peak memory beyond what the process
// held before, as a multiple of the pages' size. The anchor, measured first,
// is what bare text boxes keep once they hold the same texts: no window
// holding them can take less.
#include "frmmain.h"
#include "missionfolder.h"
#include "pagewriters.h"
#include "prompter.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QPlainTextEdit>
#include <QTemporaryDir>

#include <cstdio>
#include <cstring>
#include <memory>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <utility>

namespace {

class SilentPrompter : public Prompter
{
public:
    Button message(const QString &text, const QString &, Icon, Buttons buttons, Button) override
    {
        std::fprintf(stderr, "box: %s\n", qPrintable(text.left(200)));
        return buttons == Buttons::YesNo ? Button::Yes : Button::Ok;
    }
    QString input(const QString &, const QString &) override { return {}; }
};

long residentKiB()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toLong() * (sysconf(_SC_PAGESIZE) / 1024) : 0;
}

long peakKiB()
{
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// A briefing of lines as a mission maker writes them, with letters of the
// page's code page, up to the page limit.
void writeMission(const QString &folder)
{
    MissionBrief brief;
    brief.missionName = QStringLiteral("Large Raid");
    brief.overviewText = QStringLiteral("Overview\r\nsecond line");
    const QString line = QStringLiteral(
        "Cross the river at <a href=\"#OBJ_1\">dawn</a> & hold \u017Elu\u0165ou\u010Dk\u00FD "
        "k\u016F\u0148 until relieved<br>\r\n");
    const qsizetype target = maxPageSize - 4096;
    QString briefing;
    briefing.reserve(target);
    while (briefing.size() + line.size() <= target)
        briefing += line;
    brief.briefingText = briefing;
    brief.objectives = { QStringLiteral("Hold the bridge") };
    brief.objectiveCount = QStringLiteral("1");
    brief.saveFolder = folder;
    if (!writeOverviewPage(brief).ok || !writeBriefingPage(brief).ok)
        std::exit(1);
}

QString floorFile(const QString &folder)
{
    return folder + QStringLiteral("/floor");
}

// The multi-line texts read from the pages, each put into a bare box the way
// the box takes a text, and released.
int measureBoxes(const QString &folder, qint64 size, int argc, char **argv)
{
    const QApplication app(argc, argv);
    QPlainTextEdit boxes[3];
    const long before = residentKiB();
    {
        MissionBrief brief = readMissionFolder(folder).pages.brief;
        boxes[0].setPlainText(std::exchange(brief.overviewText, {}));
        boxes[1].setPlainText(std::exchange(brief.notesText, {}));
        boxes[2].setPlainText(std::exchange(brief.briefingText, {}));
    }
    const double kept = double(residentKiB() - before) * 1024.0;
    std::printf("boxes   %5.1f MiB of pages: bare text boxes keep %7.1f MiB (%.2fx the pages), "
                "the floor\n",
                double(size) / (1 << 20), kept / (1 << 20), kept / double(size));
    QFile out(floorFile(folder));
    if (!out.open(QIODevice::WriteOnly))
        return 1;
    out.write(QByteArray::number(kept / double(size)));
    return boxes[2].document()->characterCount() > 1 ? 0 : 1;
}

int measure(const char *phase, const QString &folder, int argc, char **argv)
{
    const qint64 size = QFileInfo(folder + QStringLiteral("/briefing.html")).size()
        + QFileInfo(folder + QStringLiteral("/overview.html")).size();
    if (std::strcmp(phase, "boxes") == 0)
        return measureBoxes(folder, size, argc, argv);
    std::unique_ptr<QApplication> app;
    std::unique_ptr<SilentPrompter> prompter;
    std::unique_ptr<frmMain> window;
    if (std::strcmp(phase, "window") == 0) {
        app = std::make_unique<QApplication>(argc, argv);
        prompter = std::make_unique<SilentPrompter>();
        window = std::make_unique<frmMain>(*prompter);
    }
    const long before = residentKiB();
    QElapsedTimer timer;
    timer.start();
    qsizetype read = 0;
    if (!window)
        read = readMissionFolder(folder).pages.brief.briefingText.size();
    else
        window->openMission(folder);
    const double seconds = double(timer.nsecsElapsed()) / 1e9;
    const double beyond = double(peakKiB() - before) * 1024.0;
    std::printf("%-7s %5.1f MiB of pages: %6.2f s, peak %7.1f MiB beyond the start (%.2fx the "
                "pages)\n",
                phase, double(size) / (1 << 20), seconds, beyond / (1 << 20),
                beyond / double(size));
    if (window) {
        QFile floor(floorFile(folder));
        const double boxes = floor.open(QIODevice::ReadOnly) ? floor.readAll().toDouble() : 0.0;
        std::printf("  against the goal of 3x: %+.2fx; against the boxes' floor of %.2fx: %+.2fx\n",
                    beyond / double(size) - 3.0, boxes, beyond / double(size) - boxes);
    }
    // Reading the record back from the window, as a draft or Create Files
    // does, is measured apart from the opening.
    if (window) {
        timer.restart();
        read = window->brief().briefingText.size();
        const double back = double(peakKiB() - before) * 1024.0;
        std::printf("  and reading the record back: %6.2f s, peak %7.1f MiB (%.2fx the pages)\n",
                    double(timer.nsecsElapsed()) / 1e9, back / (1 << 20), back / double(size));
        // Past the measuring: the box holds exactly the text the page brings.
        if (window->brief().briefingText != readMissionFolder(folder).pages.brief.briefingText) {
            std::printf("  the briefing box does not hold the page's text\n");
            return 1;
        }
    }
    std::printf("  %lld characters of briefing\n", static_cast<long long>(read));
    return read > 0 ? 0 : 1;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc == 4 && std::strcmp(argv[1], "measure") == 0)
        return measure(argv[2], QString::fromLocal8Bit(argv[3]), argc, argv);

    QTemporaryDir dir;
    if (!dir.isValid())
        return 1;
    const pid_t writer = fork();
    if (writer == 0) {
        writeMission(dir.path());
        _exit(0);
    }
    int status = 0;
    waitpid(writer, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return 1;
    const QByteArray folder = QFile::encodeName(dir.path());
    for (const char *phase : { "boxes", "read", "window" }) {
        const pid_t child = fork();
        if (child == 0) {
            execl("/proc/self/exe", argv[0], "measure", phase, folder.constData(), nullptr);
            _exit(127);
        }
        waitpid(child, &status, 0);
        if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
            return 1;
    }
    return 0;
}
