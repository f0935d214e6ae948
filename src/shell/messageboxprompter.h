#pragma once

#include "prompter.h"

class QWidget;

// The real message and input boxes, over whichever window is active.
class MessageBoxPrompter : public Prompter
{
public:
    MessageBoxPrompter() = default;

    Button message(const QString &text, const QString &title, Icon icon, Buttons buttons,
                   Button defaultButton) override;
    QString input(const QString &prompt, const QString &title) override;

    // Texts may break their lines with a lone CR, which Qt would not show.
    [[nodiscard]] static QString displayText(const QString &text);
};
