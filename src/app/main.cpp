#include "application.h"
#include "commandline.h"
#include "displayplugin.h"
#include "draftstore.h"
#include "frmmain.h"
#include "messageboxprompter.h"
#include "missioncheck.h"
#include "recentmissions.h"
#include "settingslocation.h"
#include "startupheap.h"
#include "translations.h"

#include <QApplication>
#include <QImageReader>
#include <QLocale>
#include <QTextStream>
#include <QTimer>

#include <cstdio>

#ifdef QUILLMARK_FONTCONFIG
#include <fontconfig/fontconfig.h>
#include <sys/resource.h>
#include <thread>
#include <unistd.h>
#endif

namespace {

// Without a window: no display is needed, so no GUI application is made.
int answerWithoutWindow(int argc, char *argv[])
{
    writeToParentConsole();
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("quillmark"));
    installTranslations(&app, QLocale::system());
    const CommandLine commandLine = parseCommandLine(QCoreApplication::arguments());
    if (commandLine.action != CommandLine::Action::Check)
        return answerCommandLine(commandLine);
    // In the same encoding as the rest of what the program prints.
    QTextStream out(stdout);
    out.setEncoding(QStringConverter::System);
    return checkMissions(
               commandLine.paths, [](const QString &file) { return QImageReader(file).canRead(); },
               out)
        .exitStatus();
}

} // namespace

int main(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    if (parseCommandLine(arguments).action != CommandLine::Action::Open)
        return answerWithoutWindow(argc, argv);

    // Before any second thread runs; see startupheap.h and displayplugin.h.
    growHeapIntoHugePages();
#ifdef QUILLMARK_FONTCONFIG
    loadDisplayPluginAhead(arguments);
    // Reading the font configuration takes about two thirds as long as
    // connecting to the display, and nothing needs fonts before that is done:
    // the two are done side by side. The configuration is the process's own,
    // so Qt finds it loaded. It is read at the lowest priority: the display
    // server answering the connection and the thread making it go first, and
    // the reading still ends before the connection is made.
    std::thread fontConfiguration([] {
        setpriority(PRIO_PROCESS, gettid(), 19);
        FcInit();
    });
    QApplication app(argc, argv);
    fontConfiguration.join();
#else
    QApplication app(argc, argv);
#endif
    setUpApplication();
    StartupLoader loader;
    const QString mission = missionToOpen(parseCommandLine(QCoreApplication::arguments()));

    MessageBoxPrompter prompter;
    DraftStore drafts(draftsLocation());
    RecentMissions recent(programConfigFile());
    frmMain window(prompter);
    QApplication::setWindowIcon(StartupLoader::windowIcon());
    const QString iniPath = settingsFileLocation(QCoreApplication::applicationDirPath());
    QString error;
    if (!window.load(iniPath, &error)) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        static_cast<Prompter &>(prompter).message(error, QStringLiteral("Quillmark"),
                                                  Prompter::Icon::Critical);
        return 1;
    }
    // The start-up report stands alone; every later box sits over the window.
    prompter.setParentWindow(&window);
    window.setDraftStore(&drafts);
    window.setRecentMissions(&recent);
    window.show();
    if (!mission.isEmpty())
        QTimer::singleShot(0, &window, [&window, mission] { window.openMission(mission); });
    return QApplication::exec();
}
