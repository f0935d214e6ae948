#pragma once

#include "frmmain.h"
#include "scriptedprompter.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <memory>

// The real main window with a scripted prompter and a temporary folder, made
// afresh for each test function.
class MainWindowFixture
{
protected:
    template<typename T> T *find(const char *name)
    {
        auto *widget = m_window->findChild<T *>(QLatin1String(name));
        if (!widget)
            qFatal("no control %s", name);
        return widget;
    }

    void createWindow()
    {
        m_prompter = ScriptedPrompter();
        m_pauses.clear();
        m_duringPause = nullptr;
        m_window = std::make_unique<frmMain>(m_prompter, [this](double seconds) {
            m_pauses.append(seconds);
            if (m_duringPause)
                m_duringPause();
        });
        m_folder = std::make_unique<QTemporaryDir>();
    }

    void destroyWindow()
    {
        m_window.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        m_folder.reset();
    }

    void showWindow()
    {
        m_window->show();
        QApplication::setActiveWindow(m_window.get());
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    }

    // Types an objective and presses "Add Objective", as a user does.
    void addObjective(const QString &text)
    {
        find<QTabWidget>("SSTab1")->setCurrentIndex(1);
        auto *box = find<QLineEdit>("txtObjective");
        box->clear();
        QTest::keyClicks(box, text);
        QTest::mouseClick(find<QPushButton>("Command2"), Qt::LeftButton);
    }

    ScriptedPrompter m_prompter;
    // The window's pauses return at once; each is recorded, and m_duringPause
    // runs in its place.
    QList<double> m_pauses;
    std::function<void()> m_duringPause;
    std::unique_ptr<frmMain> m_window;
    std::unique_ptr<QTemporaryDir> m_folder;
};
