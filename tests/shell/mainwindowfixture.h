#pragma once

#include "dialogfont.h"
#include "frmmain.h"
#include "scriptedprompter.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QTest>

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
        m_window = std::make_unique<frmMain>(m_prompter);
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

    ScriptedPrompter m_prompter;
    std::unique_ptr<frmMain> m_window;
    std::unique_ptr<QTemporaryDir> m_folder;
};
