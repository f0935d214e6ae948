#include "application.h"

#include "controls.h"
#include "programversion.h"
#include "translations.h"

#include <QApplication>
#include <QIcon>
#include <QLocale>

void setUpApplication()
{
    // The pictures live in the statically linked shell library.
    Q_INIT_RESOURCE(resources);
    // No display name: Qt would append it to every window's title.
    QApplication::setApplicationName(QStringLiteral("Quillmark"));
    QGuiApplication::setDesktopFileName(QStringLiteral("quillmark"));
    QApplication::setApplicationVersion(programVersion());
    installTranslations(QCoreApplication::instance(), QLocale::system());
    useDialogFont();
    // Title bars and task bars show no more than 64 pixels; launchers take the
    // larger pictures from the installed theme icons. Decoding them at every
    // start, and sending them to the window system, took longer than
    // building the window's text boxes.
    QIcon icon;
    for (int size : { 16, 32, 48, 64 })
        icon.addFile(QStringLiteral(":/icons/quillmark-%1.png").arg(size));
    QApplication::setWindowIcon(icon);
}
