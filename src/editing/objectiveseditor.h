#pragma once

#include <QObject>
#include <QPointer>

#include <functional>

class Prompter;
class QLabel;
class QLineEdit;
class QListWidget;
class QWidget;
class frmEditObj;

// The objectives commands of the main window: add, remove by double-click
// anywhere on the list, edit through frmEditObj, and clear. Label16 is kept by each command's own
// rule rather than recomputed from the list.
class ObjectivesEditor : public QObject
{
    Q_OBJECT
public:
    // The controls the commands act on, named so that none can be swapped.
    struct Controls
    {
        QListWidget *List1;
        QLabel *Label16;
        QLineEdit *txtObjective;
        QWidget *mainWindow;
    };

    ObjectivesEditor(const Controls &controls, Prompter &prompter,
                     std::function<void(double)> pause, QObject *parent = nullptr);
    ~ObjectivesEditor() override;

    // The open edit dialog, or null.
    [[nodiscard]] frmEditObj *editDialog() const;

public Q_SLOTS:
    void addObjective();
    void removeSelected();
    void editObjective();
    void clearObjectives();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    [[nodiscard]] int selectedRow() const;

    QListWidget *m_list;
    QLabel *m_count;
    QLineEdit *m_objective;
    QWidget *m_mainWindow;
    Prompter &m_prompter;
    std::function<void(double)> m_pause;
    QPointer<frmEditObj> m_dialog;
    bool m_confirming = false;
};
