#include "scriptedprompter.h"

#include <QTest>

Prompter::Button ScriptedPrompter::message(const QString &text, const QString &title, Icon icon,
                                           Buttons buttons, Button defaultButton)
{
    shown.append({ text, title, icon, buttons, defaultButton, false });
    if (onShow)
        onShow(shown.last());
    if (!buttonAnswers.isEmpty())
        return buttonAnswers.dequeue();
    if (buttons == Buttons::YesNo) {
        QTest::qFail(qPrintable(QStringLiteral("unexpected Yes/No box: ") + text), __FILE__,
                     __LINE__);
        return Button::No;
    }
    return Button::Ok;
}

QString ScriptedPrompter::input(const QString &prompt, const QString &title)
{
    shown.append({ prompt, title, Icon::None, Buttons::Ok, Button::Ok, true });
    if (onShow)
        onShow(shown.last());
    if (inputAnswers.isEmpty()) {
        QTest::qFail(qPrintable(QStringLiteral("unexpected input box: ") + prompt), __FILE__,
                     __LINE__);
        return {};
    }
    const QString answer = inputAnswers.dequeue();
    return answer.isNull() ? QString() : answer;
}

int ScriptedPrompter::count(const QString &text) const
{
    int n = 0;
    for (const Shown &s : shown)
        n += s.text == text;
    return n;
}

QStringList ScriptedPrompter::texts() const
{
    QStringList out;
    for (const Shown &s : shown)
        out.append(s.text);
    return out;
}
