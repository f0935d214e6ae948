#include "framefit.h"

#include <QGroupBox>
#include <QStyle>
#include <QStyleOptionGroupBox>

QRect frameInside(const QGroupBox *frame)
{
    QStyleOptionGroupBox option;
    option.initFrom(frame);
    option.text = frame->title();
    option.textAlignment = frame->alignment();
    option.lineWidth = 1;
    option.subControls = QStyle::SC_GroupBoxFrame;
    if (!option.text.isEmpty())
        option.subControls |= QStyle::SC_GroupBoxLabel;
    const QStyle *style = frame->style();
    const QRect border
        = style->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxFrame, frame);
    QRect inside = border.adjusted(1, 1, -1, -1);
    if (!option.text.isEmpty()) {
        const QRect caption
            = style->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, frame);
        inside.setTop(qMax(inside.top(), caption.bottom() + 1));
    }
    return inside;
}

void keepInsideFrames(QWidget *window)
{
    const auto frames = window->findChildren<QGroupBox *>();
    for (QGroupBox *frame : frames) {
        const QRect inside = frameInside(frame);
        const auto controls = frame->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
        for (QWidget *control : controls) {
            if (control->isWindow() || control->objectName().isEmpty())
                continue;
            QRect place = control->geometry();
            place.moveLeft(qMax(place.left(), inside.left()));
            place.moveTop(qMax(place.top(), inside.top()));
            place.moveRight(qMin(place.right(), inside.right()));
            place.moveBottom(qMin(place.bottom(), inside.bottom()));
            // Never cut to fit: a control too large for its frame stays so,
            // where the window's tests see it.
            control->setGeometry(place);
        }
    }
}
