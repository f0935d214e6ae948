#include "application.h"
#include "commandline.h"
#include "frmmain.h"
#include "messageboxprompter.h"
#include "settingslocation.h"

#include <QApplication>
#include <QTimer>

#include <cstdio>

int main(int argc, char *argv[])
{
    answerHelpAndVersion(argc, argv);
    QApplication app(argc, argv);
    setUpApplication();
    const QString mission = missionFromCommandLine();

    MessageBoxPrompter prompter;
    frmMain window(prompter);
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
    window.show();
    if (!mission.isEmpty())
        QTimer::singleShot(0, &window, [&window, mission] { window.openMission(mission); });
    return QApplication::exec();
}
