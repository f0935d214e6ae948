#include "application.h"
#include "commandline.h"
#include "frmmain.h"
#include "messageboxprompter.h"
#include "settingsfile.h"

#include <QApplication>
#include <QTimer>

int main(int argc, char *argv[])
{
    answerHelpAndVersion(argc, argv);
    QApplication app(argc, argv);
    setUpApplication();
    const QString mission = missionFromCommandLine();

    MessageBoxPrompter prompter;
    frmMain window(prompter);
    QString error;
    if (!window.load(settingsFilePath(), &error)) {
        static_cast<Prompter &>(prompter).message(
            error, QApplication::translate("main", "Quillmark"), Prompter::Icon::Critical);
        return 1;
    }
    window.show();
    if (!mission.isEmpty())
        QTimer::singleShot(0, &window, [&window, mission] { window.openMission(mission); });
    return QApplication::exec();
}
