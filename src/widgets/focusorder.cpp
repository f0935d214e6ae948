#include "focusorder.h"

#include <QApplication>
#include <QWidget>

QWidget *focusTarget(QWidget *control)
{
    if (control->focusPolicy() & Qt::TabFocus)
        return control;
    if (control->focusProxy())
        return control->focusProxy();
    const auto children = control->findChildren<QWidget *>();
    for (QWidget *child : children) {
        if (child->focusPolicy() & Qt::TabFocus)
            return child;
    }
    return control;
}

bool stepFocus(const QList<QWidget *> &order, QWidget *window, bool next)
{
    qsizetype at = -1;
    for (QWidget *w = QApplication::focusWidget(); w && at < 0 && w != window;
         w = w->parentWidget())
        at = order.indexOf(w);
    if (at < 0)
        return false;
    const qsizetype n = order.size();
    for (qsizetype step = 1; step < n; ++step) {
        QWidget *candidate = order[((next ? at + step : at - step) % n + n) % n];
        if (candidate->isVisible() && candidate->isEnabled()
            && (candidate->focusPolicy() & Qt::TabFocus)) {
            candidate->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return true;
        }
    }
    return true;
}
