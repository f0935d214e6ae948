#include "frmrecover.h"

#include "controls.h"

#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int overviewWords = 8;

QString firstWords(const QString &text)
{
    const QStringList words = text.simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    QString start = words.mid(0, overviewWords).join(QLatin1Char(' '));
    if (words.size() > overviewWords)
        start += QStringLiteral(" \u2026");
    return start;
}

} // namespace

frmRecover::frmRecover(DraftStore &store, QWidget *parent)
    : QDialog(parent)
    , m_store(store)
{
    setObjectName(QStringLiteral("frmRecover"));
    setWindowTitle(tr("Recover Texts"));

    auto *caption = new QLabel(tr("&Drafts"), this);
    lstDrafts = named(new QListWidget(this), "lstDrafts");
    lstDrafts->setAccessibleName(tr("Drafts"));
    lstDrafts->setAlternatingRowColors(true);
    caption->setBuddy(lstDrafts);
    lblFailure = named(new QLabel(this), "lblFailure");
    lblFailure->setWordWrap(true);
    lblFailure->setVisible(m_store.takeFailureToShow());
    lblFailure->setText(tr("Texts could not be kept as a draft: %1").arg(m_store.failure()));

    cmdRecover = named(new QPushButton(tr("Recover"), this), "cmdRecover");
    cmdDelete = named(new QPushButton(tr("Delete"), this), "cmdDelete");
    cmdClose = named(new QPushButton(tr("Close"), this), "cmdClose");
    cmdRecover->setDefault(true);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdRecover);
    buttons->addWidget(cmdDelete);
    buttons->addWidget(cmdClose);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(lblFailure);
    layout->addWidget(caption);
    layout->addWidget(lstDrafts);
    layout->addLayout(buttons);
    resize(560, 360);

    connect(cmdRecover, &QPushButton::clicked, this, &frmRecover::recover);
    connect(lstDrafts, &QListWidget::itemActivated, this, &frmRecover::recover);
    connect(cmdDelete, &QPushButton::clicked, this, &frmRecover::deleteDraft);
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::reject);
    fill();
}

QString frmRecover::describe(const Draft &draft)
{
    const QString name
        = draft.brief.missionName.isEmpty() ? tr("(no mission name)") : draft.brief.missionName;
    return QStringLiteral("%1\n%2   %3\n%4")
        .arg(name, QDir::toNativeSeparators(draft.brief.saveFolder),
             QLocale().toString(draft.kept.toLocalTime(), QLocale::ShortFormat),
             firstWords(draft.brief.overviewText));
}

void frmRecover::fill()
{
    m_drafts = m_store.drafts();
    lstDrafts->clear();
    for (const Draft &draft : std::as_const(m_drafts))
        lstDrafts->addItem(describe(draft));
    lstDrafts->setCurrentRow(0);
    cmdRecover->setEnabled(!m_drafts.isEmpty());
    cmdDelete->setEnabled(!m_drafts.isEmpty());
}

void frmRecover::recover()
{
    const int row = lstDrafts->currentRow();
    if (row < 0 || row >= m_drafts.size())
        return;
    m_chosen = m_drafts.at(row);
    accept();
}

void frmRecover::deleteDraft()
{
    const int row = lstDrafts->currentRow();
    if (row < 0 || row >= m_drafts.size())
        return;
    (void)m_store.remove(m_drafts.at(row).folder);
    fill();
    lstDrafts->setCurrentRow(qMin(row, lstDrafts->count() - 1));
}
