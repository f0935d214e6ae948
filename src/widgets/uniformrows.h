#pragma once

#include <QStyledItemDelegate>

#include <vector>

class QListView;

// Makes a long list quick to change. A list view whose rows may differ in
// size measures every row again after any change, about 7 µs a row: writing
// back one objective of ten thousand held the window up for a tenth of a
// second. Here the view is told that its rows are all one size, and that
// size is kept from a measure of each row taken when the row changes, as
// wide as the widest row, so the rows are laid out and scrolled as before.
class UniformRows : public QStyledItemDelegate
{
public:
    // Becomes `view`'s item delegate; the view owns it. Rows are measured
    // in the view's font, so the font is set first.
    static UniformRows *install(QListView *view);

    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;

private:
    explicit UniformRows(QListView *view);

    struct Measure
    {
        int width = 0;
        int lines = 1;
    };
    Measure measure(int row) const;
    void measureAll();
    Measure extent() const;
    // Tells the view whether its rows are one size, laying it out again
    // when that changed. (A changed row lays the view out anyway, and with
    // rows of one size that costs next to nothing.)
    void fit();
    int widestRow() const;

    QListView *m_view;
    const QAbstractItemModel *m_model;
    std::vector<Measure> m_rows;
};
