#pragma once

#include <QProxyStyle>

// The platform's own style, with one picture taken straight from Qt's
// resources: the arrow of the button a menu bar shows when its menus do not
// fit. Every menu bar makes that button, shown or not, and the style would
// look for its picture in the desktop's icon theme and then have every
// picture format plugin loaded to read Qt's own, before the window appears.
// Here the picture is read when the arrow is first drawn.
class ProgramStyle : public QProxyStyle
{
public:
    QIcon standardIcon(StandardPixmap standardIcon, const QStyleOption *option = nullptr,
                       const QWidget *widget = nullptr) const override;
};
