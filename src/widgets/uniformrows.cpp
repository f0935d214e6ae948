#include "uniformrows.h"

#include <QListView>

#include <algorithm>

UniformRows *UniformRows::install(QListView *view)
{
    auto *rows = new UniformRows(view);
    view->setItemDelegate(rows);
    return rows;
}

UniformRows::UniformRows(QListView *view)
    : QStyledItemDelegate(view)
    , m_view(view)
    , m_model(view->model())
{
    connect(m_model, &QAbstractItemModel::rowsInserted, this,
            [this](const QModelIndex &, int first, int last) {
                std::vector<Measure> added;
                added.reserve(std::size_t(last - first + 1));
                for (int row = first; row <= last; ++row)
                    added.push_back(measure(row));
                m_rows.insert(m_rows.begin() + first, added.begin(), added.end());
                fit();
            });
    connect(m_model, &QAbstractItemModel::rowsRemoved, this,
            [this](const QModelIndex &, int first, int last) {
                m_rows.erase(m_rows.begin() + first, m_rows.begin() + last + 1);
                fit();
            });
    connect(m_model, &QAbstractItemModel::dataChanged, this,
            [this](const QModelIndex &topLeft, const QModelIndex &bottomRight) {
                for (int row = topLeft.row(); row <= bottomRight.row(); ++row)
                    m_rows[std::size_t(row)] = measure(row);
                fit();
            });
    const auto remeasure = [this] {
        measureAll();
        fit();
    };
    connect(m_model, &QAbstractItemModel::modelReset, this, remeasure);
    connect(m_model, &QAbstractItemModel::layoutChanged, this, remeasure);
    connect(m_model, &QAbstractItemModel::rowsMoved, this, remeasure);
    measureAll();
    fit();
}

UniformRows::Measure UniformRows::extent() const
{
    Measure e;
    for (const Measure &m : m_rows) {
        e.width = std::max(e.width, m.width);
        e.lines = std::max(e.lines, m.lines);
    }
    return e;
}

void UniformRows::fit()
{
    // An emptied list keeps its setting: a list is emptied as it is destroyed,
    // when the view must no longer be called.
    if (m_rows.empty())
        return;
    // A row of several lines is rare (a line break pasted into an objective);
    // the view then measures every row itself, so only that row is taller.
    const bool uniform = extent().lines == 1;
    if (m_view->uniformItemSizes() == uniform)
        return;
    m_view->setUniformItemSizes(uniform);
    m_view->doItemsLayout();
}

UniformRows::Measure UniformRows::measure(int row) const
{
    const QString text = m_model->index(row, 0).data().toString();
    const QFontMetrics metrics = m_view->fontMetrics();
    // The view breaks a row's text at a line feed and at the two Unicode
    // separators; a one-line box keeps any of them when they are pasted in.
    const auto isBreak = [](QChar c) {
        return c == u'\n' || c == QChar::LineSeparator || c == QChar::ParagraphSeparator;
    };
    Measure m { 0, 0 };
    qsizetype start = 0;
    for (qsizetype i = 0; i <= text.size(); ++i) {
        if (i < text.size() && !isBreak(text[i]))
            continue;
        m.width = std::max(m.width, metrics.horizontalAdvance(text.mid(start, i - start)));
        ++m.lines;
        start = i + 1;
    }
    return m;
}

void UniformRows::measureAll()
{
    const int count = m_model->rowCount();
    m_rows.clear();
    m_rows.reserve(std::size_t(count));
    for (int row = 0; row < count; ++row)
        m_rows.push_back(measure(row));
}

int UniformRows::widestRow() const
{
    const auto widest
        = std::max_element(m_rows.begin(), m_rows.end(),
                           [](const Measure &a, const Measure &b) { return a.width < b.width; });
    return widest == m_rows.end() ? -1 : int(widest - m_rows.begin());
}

QSize UniformRows::sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    // With rows of one size the view asks for one row only: the widest.
    const int widest = m_view->uniformItemSizes() ? widestRow() : -1;
    return QStyledItemDelegate::sizeHint(option, widest < 0 ? index : m_model->index(widest, 0));
}
