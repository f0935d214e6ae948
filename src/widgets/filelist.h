#pragma once

#include <QListWidget>
#include <QRegularExpression>

// The files of one folder whose names match a pattern, in any case.
class FileList : public QListWidget
{
    Q_OBJECT

public:
    explicit FileList(QWidget *parent = nullptr);

    void setPath(const QString &folder);
    // Globs separated by ";", such as "*.bmp;*.gif".
    void setPattern(const QString &pattern);
    [[nodiscard]] QString path() const { return m_path; }
    // The selected file's name, empty when none is selected.
    [[nodiscard]] QString fileName() const;
    // Whether a file of that name is of a type the list shows.
    [[nodiscard]] bool lists(const QString &fileName) const;
    // Selects the file without the signal a click sends, reading the folder
    // again when the file came after it was listed. False when it is not there.
    bool select(const QString &fileName);

Q_SIGNALS:
    // A file was clicked, or chosen with the arrow keys.
    void fileClicked(const QString &fileName);

protected:
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void fill();

    QString m_path;
    // Whether the entries show m_path; the first listing waits until the
    // list is shown or given a folder.
    bool m_listed = false;
    // Compiled once per pattern: compiling it per file name dominated
    // filling a large folder.
    QRegularExpression m_expression;
};

// One expression matching a whole name against any of the ";"-separated
// globs, in any case.
[[nodiscard]] QRegularExpression filePatternExpression(const QString &pattern);
