#pragma once

#include "draftstore.h"

#include <QDialog>

#include <optional>

class QLabel;
class QListWidget;
class QPushButton;

// "Recover Texts": the kept drafts, newest first. Recover closes the window
// with the chosen draft; Delete removes one at once.
class frmRecover : public QDialog
{
    Q_OBJECT
public:
    explicit frmRecover(DraftStore &store, QWidget *parent = nullptr);

    // The draft chosen with Recover; nothing before that.
    [[nodiscard]] std::optional<Draft> chosen() const { return m_chosen; }

    // One list entry: name, save folder, time, then the overview's first words.
    [[nodiscard]] static QString describe(const Draft &draft);

private:
    void fill();
    void recover();
    void deleteDraft();

    QLabel *lblFailure = nullptr;
    QListWidget *lstDrafts = nullptr;
    QPushButton *cmdRecover = nullptr;
    QPushButton *cmdDelete = nullptr;
    QPushButton *cmdClose = nullptr;

    DraftStore &m_store;
    QList<Draft> m_drafts;
    std::optional<Draft> m_chosen;
};
