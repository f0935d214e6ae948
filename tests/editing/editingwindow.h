#pragma once

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTest>
#include <QVBoxLayout>
#include <QWidget>

// A small stand-in for the main window: the controls the editing commands
// work on, plus a few they must leave alone.
struct EditingWindow
{
    QWidget window;
    QLineEdit *txtMission = new QLineEdit(&window);
    QPlainTextEdit *txtOverview = new QPlainTextEdit(&window);
    QPlainTextEdit *txtHeader = new QPlainTextEdit(&window);
    QPlainTextEdit *txtBriefing = new QPlainTextEdit(&window);
    QLineEdit *txtObjective = new QLineEdit(&window);
    QListWidget *List1 = new QListWidget(&window);
    QLabel *Label16 = new QLabel(QStringLiteral("0"), &window);
    QLineEdit *txtEnd1Header = new QLineEdit(QStringLiteral("Mission Accomplished"), &window);
    QLineEdit *txtPicWidth = new QLineEdit(QStringLiteral("170"), &window);
    QLineEdit *txtDirectory = new QLineEdit(QStringLiteral("/missions/one"), &window);

    EditingWindow()
    {
        auto *layout = new QVBoxLayout(&window);
        for (QWidget *w : std::initializer_list<QWidget *> {
                 txtMission, txtOverview, txtHeader, txtBriefing, txtObjective, List1, Label16,
                 txtEnd1Header, txtPicWidth, txtDirectory })
            layout->addWidget(w);
        List1->setSelectionMode(QAbstractItemView::SingleSelection);
    }

    // Shows the window and makes it active, so that focus can be checked.
    [[nodiscard]] bool showActive()
    {
        window.show();
        QApplication::setActiveWindow(&window);
        return QTest::qWaitForWindowActive(&window);
    }
};
