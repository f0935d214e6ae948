#pragma once

#include "prompter.h"

#include <QList>
#include <QQueue>
#include <QString>

#include <functional>

// A Prompter for tests: answers from queues and records every box shown.
// A message box with no queued answer is answered Ok (Ok boxes) or fails the
// test (Yes/No boxes); an input box with no queued answer fails the test.
class ScriptedPrompter : public Prompter
{
public:
    struct Shown
    {
        QString text;
        QString title;
        Icon icon = Icon::None;
        Buttons buttons = Buttons::Ok;
        Button defaultButton = Button::Ok;
        bool isInput = false;
    };

    QQueue<Button> buttonAnswers;
    QQueue<QString> inputAnswers; // a null QString stands for Cancel
    QList<Shown> shown;
    // Runs inside each box, as a user would act while it is open.
    std::function<void(const Shown &)> onShow;

    Button message(const QString &text, const QString &title, Icon icon, Buttons buttons,
                   Button defaultButton) override;
    QString input(const QString &prompt, const QString &title) override;

    [[nodiscard]] int count(const QString &text) const;
    [[nodiscard]] QStringList texts() const;
};
