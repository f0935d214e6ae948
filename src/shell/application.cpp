#include "application.h"

#include "controls.h"
#include "programversion.h"

#include <QApplication>
#include <QIcon>

void setUpApplication()
{
    // The pictures live in the statically linked shell library.
    Q_INIT_RESOURCE(resources);
    // No display name: X11 window managers would append it to every title.
    QApplication::setApplicationName(QStringLiteral("Quillmark"));
    QApplication::setApplicationVersion(programVersion());
    registerFontSubstitutes();
    QIcon icon;
    for (int size : { 16, 32, 48, 64, 128, 256 })
        icon.addFile(QStringLiteral(":/icons/quillmark-%1.png").arg(size));
    QApplication::setWindowIcon(icon);
}
