#pragma once

#include <QLayout>
#include <QList>
#include <QPointer>

class QLabel;

// Keeps labels sized to their text. It is installed as their container's
// layout but places nothing: a label's new text invalidates its container's
// layout at once, also while the container is hidden, when Qt posts no
// layout request.
class LabelSizer : public QLayout
{
    Q_OBJECT
public:
    // Sizes `label` to its text now and whenever its text changes.
    static void track(QLabel *label);

    void invalidate() override;
    void addItem(QLayoutItem *item) override;
    [[nodiscard]] int count() const override { return 0; }
    [[nodiscard]] QLayoutItem *itemAt(int) const override { return nullptr; }
    [[nodiscard]] QLayoutItem *takeAt(int) override { return nullptr; }
    [[nodiscard]] QSize sizeHint() const override { return {}; }

private:
    explicit LabelSizer(QWidget *container);

    QList<QPointer<QLabel>> m_labels;
};
