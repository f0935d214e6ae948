#include "application.h"

#include "builtinpictures.h"
#include "controls.h"
#include "drivelist.h"
#include "mainform.h"
#include "programstyle.h"
#include "programversion.h"
#include "sessionbus.h"
#include "translations.h"

#include <QApplication>
#include <QFontDatabase>
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
    // The menu bar stays in the window, above the form. Asking the desktop
    // whether it shows menus of its own would cost a round trip on the session
    // bus (and start a bus where none runs) before the window appears.
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeMenuBar);
    QApplication::setStyle(new ProgramStyle);
    useDialogFont();
}

StartupLoader::StartupLoader()
    // Qt's font database, read from every installed font the first time any
    // text is measured: the window's first label waits for it only if it is
    // not done by then.
    : m_fonts(QThread::create([] { static_cast<void>(QFontDatabase::families()); }))
    , m_files(QThread::create([this] { load(); }))
{
    m_fonts->start();
    m_files->start();
}

StartupLoader::~StartupLoader()
{
    m_fonts->wait();
    m_files->wait();
}

namespace {

// Title bars and task bars show no more than 64 pixels; launchers take the
// larger pictures from the installed theme icons.
QStringList windowIconPictures()
{
    QStringList resources;
    for (int size : { 16, 32, 48, 64 })
        resources.append(QStringLiteral(":/icons/quillmark-%1.png").arg(size));
    return resources;
}

} // namespace

void StartupLoader::load()
{
    connectSessionBus();
    decodeBuiltInPictures(MainForm::pictures() + windowIconPictures());
    DriveList::readDrivesAhead();
}

QIcon StartupLoader::windowIcon()
{
    return builtInIcon(windowIconPictures());
}
