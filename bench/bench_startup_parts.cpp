// Where start-up time goes: the main window's construction, its load handler
// and its first show, each timed on its own.

#include "application.h"
#include "frmmain.h"
#include "prompter.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>

namespace {

class SilentPrompter : public Prompter
{
public:
    Button message(const QString &, const QString &, Icon, Buttons, Button) override
    {
        return Button::Ok;
    }
    QString input(const QString &, const QString &) override { return {}; }
};

double ms(QElapsedTimer &timer)
{
    const double elapsed = double(timer.nsecsElapsed()) / 1e6;
    timer.restart();
    return elapsed;
}

} // namespace

int main(int argc, char **argv)
{
    QElapsedTimer timer;
    timer.start();
    QApplication app(argc, argv);
    const double appMs = ms(timer);

    QTemporaryDir folder;
    const QString ini = folder.filePath(QStringLiteral("Varnholt.ini"));
    QFile file(ini);
    if (!file.open(QIODevice::WriteOnly))
        return 1;
    // An empty mission folder, as bench/startup.sh gives the program.
    const QString mission = folder.filePath(QStringLiteral("mission"));
    if (!QDir().mkdir(mission))
        return 1;
    file.write("\"" + mission.toLocal8Bit() + "\"\r\n");
    file.close();

    setUpApplication();
    SilentPrompter prompter;
    frmMain window(prompter);
    const double constructMs = ms(timer);
    QString error;
    if (!window.load(ini, &error))
        return 1;
    const double loadMs = ms(timer);
    window.show();
    QApplication::processEvents();
    const double showMs = ms(timer);
    std::printf(
        "application %.1f ms, main window built %.1f ms, load %.1f ms, first show %.1f ms\n", appMs,
        constructMs, loadMs, showMs);
    return 0;
}
