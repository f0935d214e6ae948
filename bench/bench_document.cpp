// "Create Files" and opening a mission through the main window with a 1 MiB
// and an 8 MiB briefing, each against its anchor measured in the same run:
// writing the same two pages' bytes with fdatasync, and reading both pages
// plus putting the same texts into three bare text boxes.
#include "frmmain.h"
#include "missionbrief.h"
#include "pagewriters.h"
#include "prompter.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QVBoxLayout>

#include <algorithm>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>
#include <vector>

namespace {

class YesPrompter : public Prompter
{
public:
    Button message(const QString &, const QString &, Icon, Buttons, Button) override
    {
        return Button::Yes;
    }
    QString input(const QString &, const QString &) override { return {}; }
};

MissionBrief mission(const QString &folder, qsizetype briefingBytes)
{
    MissionBrief brief;
    brief.missionName = QStringLiteral("Bench Raid");
    brief.overviewText = QStringLiteral("Cross the river\r\nand hold the bridge");
    brief.notesText = QStringLiteral("Notes<br>\r\nmore notes");
    brief.objectives = { QStringLiteral("Take the bridge"), QStringLiteral("Hold until dawn") };
    brief.objectiveCount = QStringLiteral("2");
    brief.saveFolder = folder;
    const QString line = QStringLiteral(
        "Cross the river at <a href=\"#OBJ_1\">dawn</a> & hold \u017Elu\u0165ou\u010Dk\u00FD "
        "k\u016F\u0148 until relieved<br>\r\n");
    brief.briefingText.reserve(briefingBytes + line.size());
    while (brief.briefingText.size() < briefingBytes)
        brief.briefingText += line;
    return brief;
}

bool syncedWrite(const QString &path, const QByteArray &bytes)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0)
        return false;
    bool ok = ::write(fd, bytes.constData(), size_t(bytes.size())) == bytes.size();
    ok = ::fdatasync(fd) == 0 && ok;
    return ::close(fd) == 0 && ok;
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

void verdict(const char *what, double measured, double anchor, double limit)
{
    const double ratio = measured / anchor;
    std::printf("%-34s %8.1f ms, anchor %8.1f ms: %.2fx (goal <= %.0fx) %s\n", what, measured,
                anchor, ratio, limit, ratio <= limit ? "ok" : "OVER");
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    YesPrompter prompter;
    constexpr int runs = 5;
    for (const int mib : { 1, 8 }) {
        QTemporaryDir dir;
        const MissionBrief brief = mission(dir.path(), qsizetype(mib) << 20);
        const QByteArray overview = overviewPageBytes(brief), briefing = briefingPageBytes(brief);
        const QString anchorPath = dir.filePath(QStringLiteral("anchor"));
        const auto plain = [](QString text) { return text.replace(QStringLiteral("\r\n"), "\n"); };
        const std::array<QString, 3> texts { plain(brief.overviewText), plain(brief.notesText),
                                             plain(brief.briefingText) };
        std::vector<double> creating, writing, opening, reading;
        QElapsedTimer timer;
        for (int run = 0; run < runs; ++run) {
            {
                frmMain window(prompter, [](double) {});
                window.show();
                window.setBrief(brief);
                timer.start();
                window.createFiles();
                creating.push_back(double(timer.nsecsElapsed()) / 1e6);
            }
            timer.start();
            if (!syncedWrite(anchorPath + QStringLiteral("1"), overview)
                || !syncedWrite(anchorPath + QStringLiteral("2"), briefing))
                return 1;
            writing.push_back(double(timer.nsecsElapsed()) / 1e6);

            {
                frmMain window(prompter, [](double) {});
                window.show();
                timer.start();
                window.openMission(dir.path());
                opening.push_back(double(timer.nsecsElapsed()) / 1e6);
                if (window.brief().briefingText != brief.briefingText) {
                    std::fprintf(stderr, "the mission did not open\n");
                    return 1;
                }
            }
            {
                QWidget window;
                auto *layout = new QVBoxLayout(&window);
                std::array<QPlainTextEdit *, 3> boxes {};
                for (QPlainTextEdit *&box : boxes)
                    layout->addWidget(box = new QPlainTextEdit);
                window.show();
                timer.start();
                const QByteArray read = readAll(dir.filePath(QStringLiteral("overview.html")))
                    + readAll(dir.filePath(QStringLiteral("briefing.html")));
                for (std::size_t i = 0; i < boxes.size(); ++i)
                    boxes[i]->setPlainText(texts[i]);
                reading.push_back(double(timer.nsecsElapsed()) / 1e6);
                if (read.size() != overview.size() + briefing.size())
                    return 1;
            }
        }
        std::printf("%d MiB briefing (%.1f MiB of pages), median of %d runs\n", mib,
                    double(overview.size() + briefing.size()) / (1 << 20), runs);
        verdict("Create Files / write+fdatasync", median(creating), median(writing), 2);
        {
            // What Create Files no longer does: reading every box whole, as
            // keeping a draft still does.
            frmMain window(prompter, [](double) {});
            window.show();
            window.setBrief(brief);
            timer.start();
            (void)window.brief();
            std::printf("  reading every box whole instead: %.1f ms\n",
                        double(timer.nsecsElapsed()) / 1e6);
        }
        verdict("open / read+setPlainText", median(opening), median(reading), 3);
    }
    return 0;
}
