#pragma once

#include <QIcon>
#include <QListWidget>

// A folder list as the classic one behaves: the path from the root down to the
// current folder, then the current folder's subfolders. Selecting an entry
// changes nothing; opening it (double-click or Enter) makes it current.
class FolderList : public QListWidget
{
    Q_OBJECT

public:
    explicit FolderList(QWidget *parent = nullptr);

    // The resources of the pictures every folder list shows.
    [[nodiscard]] static QStringList pictures();

    // The current folder, in native form, without a trailing separator except
    // at a root.
    [[nodiscard]] QString path() const { return m_path; }
    // False, and nothing changes, when folder is not an existing folder.
    bool setPath(const QString &folder);

Q_SIGNALS:
    void changed(const QString &path);
    // Any mouse button pressed over the list, before the press is handled, so
    // a receiver still sees the folder that was current before it.
    void mousePressed();

protected:
    void showEvent(QShowEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void fill();
    void open(QListWidgetItem *item);

    QString m_path;
    // Whether the entries show m_path; the first listing waits until the
    // list is shown or given a folder.
    bool m_listed = false;
    QIcon m_openIcon;
    QIcon m_closedIcon;
};
