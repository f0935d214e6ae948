#include "labelsizer.h"

#include <QLabel>

LabelSizer::LabelSizer(QWidget *container)
    : QLayout(container)
{
    setContentsMargins(0, 0, 0, 0);
    setSizeConstraint(QLayout::SetNoConstraint);
}

void LabelSizer::track(QLabel *label)
{
    QWidget *container = label->parentWidget();
    auto *sizer = qobject_cast<LabelSizer *>(container->layout());
    if (!sizer)
        sizer = new LabelSizer(container);
    sizer->m_labels.append(label);
    label->adjustSize();
}

void LabelSizer::invalidate()
{
    for (QLabel *label : std::as_const(m_labels)) {
        if (label)
            label->adjustSize();
    }
    QLayout::invalidate();
}

void LabelSizer::addItem(QLayoutItem *item)
{
    // Nothing is laid out here; the labels keep their places.
    delete item;
}
