#include "frmabout.h"

#include "controls.h"
#include "programversion.h"
#include "prompter.h"
#include "twips.h"

#include <QApplication>
#include <QIcon>
#include <QLabel>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QScreen>

namespace {
QPointer<frmAbout> s_instance;

QLabel *addLabel(QWidget *parent, const char *name, const QString &text)
{
    auto *label = captionLabel(parent, name, text);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setTextColor(label, Qt::black);
    return label;
}

QPushButton *addButton(QWidget *parent, const char *name, const QString &text)
{
    auto *button = named(new QPushButton(text, parent), name);
    button->setAccessibleName(QString(text).remove(QLatin1Char('&')));
    return button;
}
} // namespace

frmAbout::frmAbout(Prompter &prompter, SysInfoServices services, QWidget *parent)
    : QDialog(parent,
              Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint
                  | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
    , m_prompter(prompter)
    , m_services(std::move(services))
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(tr("About Quillmark"));
    setFixedSize(Twips::toPixels(5730), Twips::toPixels(2685));
    setModal(false);

    picIcon = new QLabel(this);
    picIcon->setObjectName(QStringLiteral("picIcon"));
    picIcon->setAlignment(Qt::AlignCenter);
    picIcon->setFocusPolicy(Qt::StrongFocus);
    picIcon->setAccessibleName(tr("Program Icon"));
    const QIcon icon = parent ? parent->windowIcon() : QApplication::windowIcon();
    picIcon->setPixmap(icon.pixmap(32, 32));
    setWindowIcon(icon);

    lblTitle = addLabel(this, "lblTitle", tr("Varnholt Quillmark"));
    lblVersion = addLabel(this, "lblVersion", tr("Version"));
    lblDescription = addLabel(
        this, "lblDescription",
        tr("Create briefing and overview HTML files needed for custom Varnholt missions."));
    lblDisclaimer
        = addLabel(this, "lblDisclaimer",
                   tr("If you have any question or comments, please send me an E-mail at:  "));
    cmdOK = addButton(this, "cmdOK", tr("OK"));
    cmdSysInfo = addButton(this, "cmdSysInfo", tr("&System Info..."));

    Twips::place({
        { picIcon, 195, 240, 540, 540 },
        { lblTitle, 1005, 240, 3885, 480 },
        { lblVersion, 1005, 615, 3885, 225 },
        { lblDescription, 1005, 930, 3885, 570 },
        { lblDisclaimer, 240, 1740, 3870, 825 },
        { cmdOK, 4230, 1740, 1260, 362 },
        { cmdSysInfo, 4245, 2205, 1245, 362 },
    });

    cmdOK->setDefault(true);
    setTabOrder(cmdOK, picIcon);
    setTabOrder(picIcon, cmdSysInfo);
    cmdOK->setFocus();

    connect(cmdOK, &QPushButton::clicked, this, &QWidget::close);
    connect(cmdSysInfo, &QPushButton::clicked, this, &frmAbout::StartSysInfo);

    // Load handling: the version line replaces the stored "Version".
    lblVersion->setText(versionLine());
    lblVersion->setAccessibleName(lblVersion->text());
    placeAtScreenOrigin();
}

frmAbout::~frmAbout() = default;

frmAbout *frmAbout::showAbout(Prompter &prompter, QWidget *mainWindow, SysInfoServices services)
{
    if (!s_instance) {
        s_instance = new frmAbout(prompter, std::move(services), mainWindow);
        s_instance->setAttribute(Qt::WA_DeleteOnClose);
    }
    s_instance->show();
    s_instance->raise();
    s_instance->activateWindow();
    return s_instance;
}

frmAbout *frmAbout::instance()
{
    return s_instance;
}

QString frmAbout::versionLine()
{
    return tr("Version %1       By:  %2").arg(programVersion(), tr("the Quillmark developers"));
}

void frmAbout::StartSysInfo()
{
    ::StartSysInfo(m_services, m_prompter);
}

void frmAbout::paintEvent(QPaintEvent *event)
{
    QDialog::paintEvent(event);
    // An etched separator: a grey line with a white one beneath it.
    QPainter painter(this);
    const QRect grey = Twips::toPixels(75, 1560, 5639 - 75, 15);
    const QRect white = Twips::toPixels(90, 1575, 5639 - 90, 30);
    painter.fillRect(white, Qt::white);
    painter.fillRect(grey, QColor(128, 128, 128));
}

void frmAbout::placeAtScreenOrigin()
{
    const QWidget *anchor = parentWidget() ? parentWidget() : this;
    const QScreen *screen = anchor->screen() ? anchor->screen() : QGuiApplication::primaryScreen();
    const QPoint origin = screen ? screen->geometry().topLeft() : QPoint();
    // setGeometry places the client area, which is what the position refers to.
    setGeometry(QRect(origin + QPoint(Twips::toPixels(2340), Twips::toPixels(1935)), size()));
}
