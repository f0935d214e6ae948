#pragma once

#include <QDialog>

class QKeyEvent;
class QLabel;
class QPushButton;

// The window that explains the picture size limits; shown without blocking.
class frmWarning : public QDialog
{
    Q_OBJECT
public:
    explicit frmWarning(QWidget *parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *Label3 = nullptr;
    QPushButton *Command1 = nullptr;
    QLabel *Label4 = nullptr;
};
