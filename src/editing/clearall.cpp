#include "clearall.h"

#include "prompter.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>

void clearAll(const ClearAllFields &fields, Prompter &prompter)
{
    const auto answer = prompter.message(
        QCoreApplication::translate("ClearAll", "Are you sure you want to clear ALL fields?"),
        QCoreApplication::translate("ClearAll", "Clear All?"), Prompter::Icon::Question,
        Prompter::Buttons::YesNo, Prompter::Button::Yes);
    if (answer != Prompter::Button::Yes)
        return;

    fields.txtMission->clear();
    fields.txtOverview->clear();
    fields.txtBriefing->clear();
    fields.txtHeader->clear();
    fields.Label16->setText(QStringLiteral("0"));
    fields.List1->clear();
}
