#pragma once

#include "missionbrief.h"

#include <QObject>

#include <functional>

class DraftStore;
class MissionDocument;
class QAction;
class QTimer;
class QWidget;

// Keeps the window's unwritten texts as a draft, never on a keystroke: once
// typing pauses, at exit and before other texts replace them; and brings a
// draft back through "Recover Texts...".
class DraftKeeper : public QObject
{
    Q_OBJECT

public:
    using BriefSource = std::function<MissionBrief()>;
    using BriefSink = std::function<void(const MissionBrief &)>;

    DraftKeeper(QWidget *window, MissionDocument &document, QAction *recoverAction,
                BriefSource brief, BriefSink putBrief);

    // Where the drafts go; none keeps nothing.
    void setStore(DraftStore *drafts);
    // Keeps the texts when they differ from the pages last written or opened,
    // and drops this session's draft when they do not; false when a draft
    // could not be written.
    bool keep();
    // Keeps the texts as a draft of their own before they are replaced.
    bool setTextsAside();
    void recover();
    void updateRecoverCommand();

private:
    QWidget *m_window;
    MissionDocument &m_document;
    QAction *m_recoverAction;
    BriefSource m_brief;
    BriefSink m_putBrief;
    DraftStore *m_drafts = nullptr;
    QTimer *m_pause;
};
