#pragma once

#include <QString>

// Every modal message box and input box of the program goes through this
// interface, so the rules can be driven and checked without a screen.
class Prompter
{
public:
    enum class Icon { None, Critical, Question, Information, Warning };
    enum class Buttons { Ok, YesNo };
    enum class Button { Ok, Yes, No };

    virtual ~Prompter() = default;

    // Shows a modal message box and returns the button pressed. Closing the
    // box without a button counts as Ok for an Ok box and No for a Yes/No box.
    virtual Button message(const QString &text, const QString &title, Icon icon,
                           Buttons buttons = Buttons::Ok, Button defaultButton = Button::Ok)
        = 0;

    // Shows a modal input box with an empty entry field; returns the typed
    // text on OK and the empty text on Cancel.
    virtual QString input(const QString &prompt, const QString &title) = 0;
};
