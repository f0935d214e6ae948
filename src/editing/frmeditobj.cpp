#include "frmeditobj.h"

#include "missionfolder.h"
#include "twips.h"

#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

frmEditObj::frmEditObj(QListWidget *list, QWidget *parent)
    : QDialog(parent,
              Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , m_list(list)
{
    setObjectName(QStringLiteral("frmEditObj"));
    setWindowTitle(tr("Edit Objective"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(Twips::toPixels(4680), Twips::toPixels(1335));

    Frame1 = new QGroupBox(tr("Objective"), this);
    txtEditObj = new QLineEdit(Frame1);
    txtEditObj->setMaxLength(maxFieldLength);
    Command1 = new QPushButton(tr("Add Objective"), this);
    Command2 = new QPushButton(tr("Cancel"), this);
    lblListIndex = new QLabel(QStringLiteral("0"), this);

    // Left, top, width, height in twips, relative to the container.
    Twips::place({
        { Frame1, 0, 0, 4695, 735 },
        { txtEditObj, 120, 240, 4455, 390 },
        { Command1, 405, 840, 1335, 375 },
        { Command2, 2933, 840, 1335, 375 },
        { lblListIndex, 1800, 1455, 1245, 510 },
    });

    Frame1->setObjectName(QStringLiteral("Frame1"));
    txtEditObj->setObjectName(QStringLiteral("txtEditObj"));
    Command1->setObjectName(QStringLiteral("Command1"));
    Command2->setObjectName(QStringLiteral("Command2"));
    lblListIndex->setObjectName(QStringLiteral("lblListIndex"));

    txtEditObj->setFont(QFont(QStringLiteral("Arial Narrow"), 12));
    txtEditObj->setAccessibleName(tr("Objective Text"));

    // Enter saves from the text box; a focused button takes Enter itself.
    Command1->setDefault(true);
    Command2->setAutoDefault(true);

    setTabOrder(txtEditObj, Command1);
    setTabOrder(Command1, Command2);
    txtEditObj->setFocus(Qt::OtherFocusReason);

    connect(Command1, &QPushButton::clicked, this, &frmEditObj::saveObjective);
    connect(Command2, &QPushButton::clicked, this, &QDialog::reject);
}

void frmEditObj::setObjective(const QString &text, int position)
{
    txtEditObj->setText(text);
    lblListIndex->setText(QString::number(position));
}

void frmEditObj::saveObjective()
{
    bool ok = false;
    const int position = lblListIndex->text().toInt(&ok);
    // The main window is disabled while this dialog is open, so the position
    // still names the objective being edited; the check only guards against
    // a list changed from code.
    if (m_list && ok && position >= 0 && position < m_list->count()) {
        delete m_list->takeItem(position);
        m_list->insertItem(position, txtEditObj->text());
    }
    accept();
}

void frmEditObj::keyPressEvent(QKeyEvent *event)
{
    // There is no cancel button: Escape leaves the dialog open.
    if (event->matches(QKeySequence::Cancel)) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}
