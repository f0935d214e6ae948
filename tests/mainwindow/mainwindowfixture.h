#pragma once

#include "controls.h"
#include "draftstore.h"
#include "filelist.h"
#include "findcontrol.h"
#include "folderlist.h"
#include "frmmain.h"
#include "recentmissions.h"
#include "scriptedprompter.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include <functional>
#include <memory>

// The real main window with a scripted prompter and a temporary folder, made
// afresh for each test function.
class MainWindowFixture
{
protected:
    template<typename T> T *find(const char *name) { return control<T>(m_window.get(), name); }

    void createWindow()
    {
        m_prompter = ScriptedPrompter();
        m_pauses.clear();
        m_duringPause = nullptr;
        m_folder = std::make_unique<QTemporaryDir>();
        makeWindow();
    }

    // The window of a new session; the drafts of the last one stay.
    void makeWindow()
    {
        m_window.reset();
        m_drafts = std::make_unique<DraftStore>(m_folder->filePath(QStringLiteral("drafts")));
        m_window = std::make_unique<frmMain>(m_prompter, [this](double seconds) {
            m_pauses.append(seconds);
            if (m_duringPause)
                m_duringPause();
        });
        m_window->setDraftStore(m_drafts.get());
        m_recent = std::make_unique<RecentMissions>(m_folder->filePath(QStringLiteral("q.conf")));
        m_window->setRecentMissions(m_recent.get());
    }

    void destroyWindow()
    {
        m_window.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        m_drafts.reset();
        m_recent.reset();
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

    void showPictureTab(int index)
    {
        find<QTabWidget>("SSTab1")->setCurrentIndex(0);
        find<QTabWidget>("SSTab3")->setCurrentIndex(index);
    }

    // Makes a BMP of that size in the temporary folder, points the picture
    // folder list at it and clicks the file; returns the picture's path.
    QString choosePicture(int width, int height)
    {
        QImage picture(width, height, QImage::Format_RGB32);
        picture.fill(QColor(40, 90, 160));
        const QString path = m_folder->filePath(QStringLiteral("raid.bmp"));
        if (!picture.save(path, "BMP"))
            return {};

        showPictureTab(0);
        if (!find<FolderList>("Dir2")->setPath(m_folder->path()))
            return {};
        auto *files = find<FileList>("File1");
        const auto items = files->findItems(QStringLiteral("raid.bmp"), Qt::MatchExactly);
        if (items.size() != 1)
            return {};
        QTest::mouseClick(files->viewport(), Qt::LeftButton, {},
                          files->visualItemRect(items.first()).center());
        return QDir::toNativeSeparators(path);
    }

    // Drags path (as a URL and as text) over target and drops it; whether the drag was taken.
    static bool dropFile(QWidget *target, const QString &path)
    {
        QMimeData data;
        data.setUrls({ QUrl::fromLocalFile(path) });
        data.setText(path);
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(target, &enter);
        QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(target, &drop);
        QCoreApplication::processEvents();
        return enter.isAccepted();
    }

    ScriptedPrompter m_prompter;
    // The window's pauses return at once; each is recorded, and m_duringPause
    // runs in its place.
    QList<double> m_pauses;
    std::function<void()> m_duringPause;
    std::unique_ptr<QTemporaryDir> m_folder;
    std::unique_ptr<DraftStore> m_drafts;
    std::unique_ptr<RecentMissions> m_recent;
    std::unique_ptr<frmMain> m_window;
};
