#pragma once

#include <QFont>
#include <QString>

#include <functional>

class QColor;
class QLabel;
class QLineEdit;
class QListWidget;
class QObject;
class QWidget;

// The fonts the layouts name are asked for by name; registerFontSubstitutes()
// maps the ones this platform lacks onto fonts it has, once at start-up.
[[nodiscard]] QFont namedFont(const QString &family, double pointSize,
                              QFont::Weight weight = QFont::Normal);
void registerFontSubstitutes();
// Registers the substitutes and makes the classic dialog font every window's
// font. Called once, before any window.
void useDialogFont();

// Gives a control its name, as the layouts and tests know it.
template<typename W> W *named(W *widget, const char *name)
{
    widget->setObjectName(QLatin1String(name));
    return widget;
}

// The name a screen reader says, and the tooltip, which is also the
// accessible description.
void describe(QWidget *widget, const QString &accessibleName, const QString &tip = {});

// A label whose caption is also its accessible name.
[[nodiscard]] QLabel *captionLabel(QWidget *parent, const char *name, const QString &text);
void setTextColor(QWidget *widget, const QColor &color);
// As box->setText(text), but without laying the box out again when that
// would change nothing: the same text, the cursor at its end, no selection,
// nothing to undo or redo, not modified and not being typed in.
void setLineText(QLineEdit *box, const QString &text);

// Calls changed whenever the list's items change in any way, while context
// lives: no one signal of the list's model tells them all.
void connectItemChanges(const QListWidget *list, const QObject *context,
                        const std::function<void()> &changed);
