#include "programstyle.h"

#include "builtinpictures.h"

#include <QGuiApplication>
#include <QWidget>

QIcon ProgramStyle::standardIcon(StandardPixmap standardIcon, const QStyleOption *option,
                                 const QWidget *widget) const
{
    if (standardIcon == SP_ToolBarHorizontalExtensionButton) {
        const bool rtl = (widget ? widget->layoutDirection() : QGuiApplication::layoutDirection())
            == Qt::RightToLeft;
        QStringList resources;
        for (int size : { 8, 16, 32 })
            resources.append(
                QStringLiteral(":/qt-project.org/styles/commonstyle/images/toolbar-ext-h-%1%2.png")
                    .arg(rtl ? QStringLiteral("rtl-") : QString())
                    .arg(size));
        const QIcon icon = builtInIcon(resources);
        if (!icon.isNull())
            return icon;
    }
    return QProxyStyle::standardIcon(standardIcon, option, widget);
}
