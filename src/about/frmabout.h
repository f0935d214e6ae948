#pragma once

#include "sysinfo.h"

#include <QDialog>

class Prompter;
class QLabel;
class QPushButton;

// The about window: the program's title, version and a contact line, with
// "OK" and "System Info...". At most one exists; it is not modal and is
// deleted when closed.
class frmAbout : public QDialog
{
    Q_OBJECT
public:
    // The prompter must outlive the window.
    explicit frmAbout(Prompter &prompter, SysInfoServices services = SysInfoServices::system(),
                      QWidget *parent = nullptr);
    ~frmAbout() override;

    // Shows the one about window, creating it on first use and bringing it
    // forward on later calls. Made a child window of mainWindow, so it is
    // deleted with it; closing mainWindow alone does not close it.
    static frmAbout *showAbout(Prompter &prompter, QWidget *mainWindow = nullptr,
                               SysInfoServices services = SysInfoServices::system());
    // The open about window, or nullptr.
    [[nodiscard]] static frmAbout *instance();

    // "Version 2.0.0" and the author credit, from the program's version numbers.
    [[nodiscard]] static QString versionLine();

    void StartSysInfo();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void placeAtScreenOrigin();

    QLabel *picIcon = nullptr;
    QLabel *lblTitle = nullptr;
    QLabel *lblVersion = nullptr;
    QLabel *lblDescription = nullptr;
    QLabel *lblDisclaimer = nullptr;
    QPushButton *cmdOK = nullptr;
    QPushButton *cmdSysInfo = nullptr;

    Prompter &m_prompter;
    SysInfoServices m_services;
};
