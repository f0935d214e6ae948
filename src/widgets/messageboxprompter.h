#pragma once

#include "prompter.h"

#include <QPointer>
#include <QWidget>

// The real message and input boxes, each over the main window wherever the
// box was asked for.
class MessageBoxPrompter : public Prompter
{
public:
    MessageBoxPrompter() = default;

    void setParentWindow(QWidget *window) { m_parent = window; }

    Button message(const QString &text, const QString &title, Icon icon, Buttons buttons,
                   Button defaultButton) override;
    QString input(const QString &prompt, const QString &title) override;

    // Texts may break their lines with a lone CR, which Qt would not show.
    [[nodiscard]] static QString displayText(const QString &text);

private:
    QPointer<QWidget> m_parent;
};
