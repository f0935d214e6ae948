#include "objectiveseditor.h"

#include "frmeditobj.h"
#include "prompter.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QWindow>

ObjectivesEditor::ObjectivesEditor(const Controls &controls, Prompter &prompter,
                                   std::function<void(double)> pause, QObject *parent)
    : QObject(parent)
    , m_list(controls.List1)
    , m_count(controls.Label16)
    , m_objective(controls.txtObjective)
    , m_mainWindow(controls.mainWindow)
    , m_prompter(prompter)
    , m_pause(std::move(pause))
{
    m_list->viewport()->installEventFilter(this);
}

bool ObjectivesEditor::eventFilter(QObject *watched, QEvent *event)
{
    // A double-click anywhere on the list removes the selected objective; a
    // click on the empty part keeps the selection it would otherwise clear.
    // The viewport also sends events while the list is destroyed, so the
    // list is looked at for mouse events only.
    const bool press = event->type() == QEvent::MouseButtonPress;
    const bool doubleClick = event->type() == QEvent::MouseButtonDblClick;
    if (!press && !doubleClick)
        return QObject::eventFilter(watched, event);
    const auto *mouse = static_cast<QMouseEvent *>(event);
    if (mouse->button() != Qt::LeftButton)
        return QObject::eventFilter(watched, event);
    if (doubleClick) {
        removeSelected();
        return true;
    }
    return !m_list->indexAt(mouse->position().toPoint()).isValid();
}

ObjectivesEditor::~ObjectivesEditor()
{
    delete m_dialog;
}

frmEditObj *ObjectivesEditor::editDialog() const
{
    return m_dialog;
}

void ObjectivesEditor::addObjective()
{
    // A second click while the confirmation shows would otherwise add
    // "Objective Added!" itself as an objective.
    if (m_confirming)
        return;

    if (m_objective->text().isEmpty()) {
        m_prompter.message(tr("Must enter objective"), tr("Error"), Prompter::Icon::Critical);
        return;
    }

    bool ok = false;
    const int previous = m_count->text().trimmed().toInt(&ok);
    m_count->setText(QString::number((ok ? previous : 0) + 1));
    m_list->addItem(m_objective->text());

    m_objective->setText(tr("Objective Added!"));
    m_confirming = true;
    if (m_pause)
        m_pause(0.3);
    m_confirming = false;
    m_objective->clear();
    m_objective->setFocus(Qt::OtherFocusReason);
}

void ObjectivesEditor::removeSelected()
{
    const int row = selectedRow();
    if (row < 0)
        return;
    delete m_list->takeItem(row);
    m_count->setText(QString::number(m_list->count()));
}

void ObjectivesEditor::editObjective()
{
    if (m_dialog) {
        m_dialog->raise();
        m_dialog->activateWindow();
        return;
    }

    const int row = selectedRow();
    const QString text = row < 0 ? QString() : m_list->item(row)->text();
    if (text.isEmpty()) {
        m_prompter.message(tr("Please Select An Item To Edit"), tr("Error"),
                           Prompter::Icon::Critical);
        return;
    }

    // The dialog has no parent widget: a child window of the main window
    // would be disabled together with it.
    auto *dialog = new frmEditObj(m_list);
    m_dialog = dialog;
    const QPointer<QWidget> mainWindow = m_mainWindow;
    const QPointer<QListWidget> list = m_list;
    // Disabling the main window moved its focus on; the list takes it back.
    const auto enableMainWindow = [mainWindow, list] {
        if (mainWindow)
            mainWindow->setEnabled(true);
        if (list)
            list->setFocus(Qt::OtherFocusReason);
    };
    connect(dialog, &QDialog::finished, this, enableMainWindow);
    connect(dialog, &QObject::destroyed, this, enableMainWindow);
    dialog->setObjective(text, row);

    if (m_mainWindow) {
        m_mainWindow->setEnabled(false);
        dialog->winId();
        if (QWindow *main = m_mainWindow->window()->windowHandle())
            dialog->windowHandle()->setTransientParent(main);
    }
    dialog->show();
    // Under a window manager a new window need not get the keyboard, which
    // would stay with the disabled main window.
    dialog->raise();
    dialog->activateWindow();
}

void ObjectivesEditor::clearObjectives()
{
    const auto answer = m_prompter.message(tr("Are you sure you want to clear all objectives?"),
                                           tr("Clear Objectives?"), Prompter::Icon::Question,
                                           Prompter::Buttons::YesNo, Prompter::Button::Yes);
    if (answer != Prompter::Button::Yes)
        return;
    m_list->clear();
    m_count->setText(QStringLiteral("0"));
}

int ObjectivesEditor::selectedRow() const
{
    const QList<QListWidgetItem *> selected = m_list->selectedItems();
    return selected.isEmpty() ? -1 : m_list->row(selected.first());
}
