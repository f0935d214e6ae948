#pragma once

#include "atomicwrite.h"
#include "missionbrief.h"
#include "missiondocument.h"

#include <QDateTime>
#include <QList>
#include <QString>

#include <functional>

// One kept draft: the texts of a window that were never written, with the
// save folder they were meant for.
struct Draft
{
    QString folder; // the draft's own folder under the drafts folder
    QDateTime kept;
    MissionBrief brief;
};

// The drafts folder: $XDG_STATE_HOME/quillmark/drafts on Linux, the local
// application-data folder's drafts on Windows.
[[nodiscard]] QString draftsLocation();

// The drafts of one window session. Each draft is the two pages exactly as
// Create Files would write them, plus a small file with the save folder and
// the time, so the page reader reads it back and nothing new is invented.
class DraftStore
{
public:
    using Clock = std::function<QDateTime()>;
    static constexpr int keptDrafts = 20;

    explicit DraftStore(const QString &root, Clock clock = &QDateTime::currentDateTimeUtc);

    // Keeps `texts` as this session's draft, rewriting it in place, when they
    // differ from both `start` and `written` (the record last written or
    // opened); otherwise removes the session's draft. Failures are kept for
    // failure() and retried at the next call.
    WriteResult keep(const MissionBrief &texts, const MissionBrief &start,
                     const RecordDigest &written);
    // Leaves the session's draft as it is; the next keep starts a new one.
    void setAside();
    // Makes `folder` the session's draft: it is rewritten from now on.
    void adopt(const QString &folder);
    // Removes the session's draft: its texts were written.
    void discard();

    // The complete drafts, newest first.
    [[nodiscard]] QList<Draft> drafts() const;
    [[nodiscard]] bool hasDrafts() const;
    [[nodiscard]] bool remove(const QString &folder);

    // Why the last draft could not be written this session; empty if none.
    [[nodiscard]] QString failure() const { return m_failure; }
    // Whether failure() was shown already: it is shown once per session.
    [[nodiscard]] bool takeFailureToShow();
    [[nodiscard]] bool hasFailureToShow() const { return !m_failure.isEmpty() && !m_failureShown; }

private:
    [[nodiscard]] QString newFolder() const;
    void prune();

    QString m_root;
    Clock m_clock;
    QString m_current; // this session's draft folder; empty until kept
    // What m_current holds while m_hasLastKept, as digests: a large draft is
    // not held a second time.
    RecordDigest m_lastKept;
    std::size_t m_keptOverview = 0;
    std::size_t m_keptBriefing = 0;
    bool m_hasLastKept = false;
    bool m_pruned = true;
    QString m_failure;
    bool m_failureShown = false;
};
