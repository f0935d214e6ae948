#include "frmmain.h"
#include "messageboxprompter.h"
#include "settingslocation.h"

#include <QApplication>
#include <QDir>
#include <QIcon>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quillmark"));
    QApplication::setApplicationDisplayName(QStringLiteral("Quillmark"));
    QApplication::setApplicationVersion(QStringLiteral("%1.%2.%3")
                                            .arg(QUILLMARK_VERSION_MAJOR)
                                            .arg(QUILLMARK_VERSION_MINOR)
                                            .arg(QUILLMARK_VERSION_PATCH));
    frmMain::registerFontSubstitutes();

    MessageBoxPrompter prompter;
    frmMain window(prompter);
    // The pictures are ready once the window exists.
    QIcon icon;
    for (int size : { 16, 32, 48, 64, 128, 256 })
        icon.addFile(QStringLiteral(":/icons/quillmark-%1.png").arg(size));
    QApplication::setWindowIcon(icon);
    const QString iniPath = settingsFileLocation(QCoreApplication::applicationDirPath());
    QString error;
    if (!window.load(iniPath, &error)) {
        const QString text = !error.isEmpty()
            ? error
            : QApplication::translate("main", "The settings file %1 could not be read.")
                  .arg(QDir::toNativeSeparators(iniPath));
        static_cast<Prompter &>(prompter).message(
            text, QApplication::translate("main", "Quillmark"), Prompter::Icon::Critical);
        return 1;
    }
    window.show();
    return QApplication::exec();
}
