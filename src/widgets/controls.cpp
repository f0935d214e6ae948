#include "controls.h"

#include <QLabel>

QFont namedFont(const QString &family, double pointSize, bool bold)
{
    QFont font(family);
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

void registerFontSubstitutes()
{
    const QStringList sans { QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans") };
    QFont::insertSubstitutions(QStringLiteral("Arial Narrow"),
                               { QStringLiteral("Liberation Sans Narrow") });
    QFont::insertSubstitutions(QStringLiteral("Tahoma"), sans);
    QFont::insertSubstitutions(QStringLiteral("News Gothic MT"), sans);
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"), sans);
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
}

void describe(QWidget *widget, const QString &accessibleName, const QString &tip)
{
    if (!accessibleName.isEmpty())
        widget->setAccessibleName(accessibleName);
    if (!tip.isEmpty()) {
        widget->setToolTip(tip);
        widget->setAccessibleDescription(tip);
    }
}

QLabel *captionLabel(QWidget *parent, const char *name, const QString &text)
{
    auto *label = named(new QLabel(text, parent), name);
    label->setAccessibleName(text);
    return label;
}

void setTextColor(QWidget *widget, const QColor &color)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, color);
    widget->setPalette(palette);
}
