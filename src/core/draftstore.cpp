#include "draftstore.h"

#include "boundedread.h"
#include "missionfolder.h"
#include "openmission.h"
#include "pagewriters.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHashFunctions>
#include <QRandomGenerator>

#include <algorithm>
#include <optional>

namespace {

// Written last, so a folder without it holds no complete draft.
const QString infoName = QStringLiteral("draft.txt");

struct DraftInfo
{
    QString folder;
    QDateTime kept;
    QString saveFolder;
};

std::optional<DraftInfo> readInfo(const QString &folder)
{
    QFile file(folder + QLatin1Char('/') + infoName);
    if (!file.open(QIODevice::ReadOnly) || file.isSequential())
        return std::nullopt;
    const std::optional<QByteArray> bytes = readBounded(file, 64 * 1024);
    if (!bytes)
        return std::nullopt;
    const QString text = QString::fromUtf8(*bytes);
    const qsizetype end = text.indexOf(QLatin1Char('\n'));
    if (end < 0)
        return std::nullopt;
    const QDateTime kept = QDateTime::fromString(text.left(end), Qt::ISODateWithMs);
    if (!kept.isValid())
        return std::nullopt;
    return DraftInfo { folder, kept, text.mid(end + 1) };
}

QByteArray infoBytes(const QDateTime &kept, const QString &saveFolder)
{
    return (kept.toUTC().toString(Qt::ISODateWithMs) + QLatin1Char('\n') + saveFolder).toUtf8();
}

// Newest first.
QList<DraftInfo> readInfos(const QString &root)
{
    QList<DraftInfo> infos;
    const QStringList names = QDir(root).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString &name : names) {
        if (std::optional<DraftInfo> info = readInfo(root + QLatin1Char('/') + name))
            infos.append(std::move(*info));
    }
    std::stable_sort(infos.begin(), infos.end(), [](const DraftInfo &a, const DraftInfo &b) {
        return a.kept != b.kept ? a.kept > b.kept : a.folder > b.folder;
    });
    return infos;
}

} // namespace

DraftStore::DraftStore(const QString &root, Clock clock)
    : m_root(QDir::fromNativeSeparators(root))
    , m_clock(std::move(clock))
{
}

WriteResult DraftStore::keep(const MissionBrief &texts, const MissionBrief &start,
                             const RecordDigest &written)
{
    // Each long text is hashed once, for every comparison below.
    const RecordDigest now(texts);
    if (sameTexts(texts, start) || now.sameTexts(written)) {
        discard();
        return { true, {}, {} };
    }
    if (m_hasLastKept && now.sameRecord(m_lastKept)
        && QFile::exists(m_current + QLatin1Char('/') + infoName))
        return { true, m_current, {} };

    if (m_current.isEmpty()) {
        m_current = newFolder();
        // Only a new draft can push the oldest out.
        m_pruned = false;
    }
    QDir().mkpath(m_current);
    const QString base = m_current + QLatin1Char('/');
    // Each write waits for the disk; a page that did not change since the
    // last keep is left as it is.
    const auto writePage = [this, &base](const QString &name, const QByteArray &bytes,
                                         std::size_t &kept) -> WriteResult {
        const std::size_t hash = qHash(bytes, std::size_t(0x2545f4914f6cdd1dULL));
        if (m_hasLastKept && hash == kept)
            return { true, base + name, {} };
        WriteResult page = writeFileAtomically(base + name, bytes);
        kept = page.ok ? hash : 0;
        return page;
    };
    WriteResult result
        = writePage(QStringLiteral("overview.html"), overviewPageBytes(texts), m_keptOverview);
    if (result.ok)
        result
            = writePage(QStringLiteral("briefing.html"), briefingPageBytes(texts), m_keptBriefing);
    if (result.ok)
        result = writeFileAtomically(base + infoName, infoBytes(m_clock(), texts.saveFolder));
    m_hasLastKept = result.ok;
    if (!result.ok) {
        m_failure = QDir::toNativeSeparators(result.path) + QStringLiteral(": ") + result.reason;
        return result;
    }
    m_lastKept = now;
    if (!m_pruned)
        prune();
    return result;
}

void DraftStore::setAside()
{
    m_current.clear();
    m_hasLastKept = false;
}

void DraftStore::adopt(const QString &folder)
{
    m_current = QDir::fromNativeSeparators(folder);
    m_hasLastKept = false;
}

void DraftStore::discard()
{
    if (!m_current.isEmpty())
        (void)remove(m_current);
    setAside();
}

QList<Draft> DraftStore::drafts() const
{
    QList<Draft> drafts;
    const QList<DraftInfo> infos = readInfos(m_root);
    for (const DraftInfo &info : infos) {
        MissionFolderRead read = readMissionFolder(info.folder);
        read.pages.brief.saveFolder = info.saveFolder;
        drafts.append({ info.folder, info.kept, read.pages.brief });
    }
    return drafts;
}

bool DraftStore::hasDrafts() const
{
    return !readInfos(m_root).isEmpty();
}

bool DraftStore::remove(const QString &folder)
{
    const QString path = QDir::cleanPath(QDir::fromNativeSeparators(folder));
    // Only ever a draft's own folder.
    if (QFileInfo(path).absolutePath() != QFileInfo(m_root).absoluteFilePath())
        return false;
    return QDir(path).removeRecursively();
}

bool DraftStore::takeFailureToShow()
{
    if (!hasFailureToShow())
        return false;
    m_failureShown = true;
    return true;
}

QString DraftStore::newFolder() const
{
    return m_root + QLatin1Char('/')
        + m_clock().toUTC().toString(QStringLiteral("yyyyMMdd-HHmmss-zzz-"))
        + QString::number(QRandomGenerator::global()->generate() & 0xffffff, 16);
}

void DraftStore::prune()
{
    m_pruned = true;
    const QList<DraftInfo> infos = readInfos(m_root);
    for (qsizetype i = keptDrafts; i < infos.size(); ++i) {
        if (infos.at(i).folder != m_current)
            (void)QDir(infos.at(i).folder).removeRecursively();
    }
}
