#pragma once

#include <QDialog>
#include <QPointer>

class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

// The small window that changes one objective in place. It is shown without
// blocking and is destroyed when it closes; however it closes, finished() is
// emitted, so whoever disabled the main window can enable it again.
class frmEditObj : public QDialog
{
    Q_OBJECT
public:
    explicit frmEditObj(QListWidget *list, QWidget *parent = nullptr);

    // Fills the dialog with the objective at the given list position.
    void setObjective(const QString &text, int position);

public Q_SLOTS:
    void saveObjective();

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    QGroupBox *Frame1 = nullptr;
    QLineEdit *txtEditObj = nullptr;
    QPushButton *Command1 = nullptr;
    QPushButton *Command2 = nullptr;
    QLabel *lblListIndex = nullptr;

    QPointer<QListWidget> m_list;
};
