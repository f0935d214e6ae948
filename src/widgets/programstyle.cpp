#include "programstyle.h"

#include "builtinpictures.h"

#include <QFile>
#include <QGuiApplication>
#include <QIconEngine>
#include <QWidget>

#include <optional>

namespace {

// The arrow is drawn only when a menu bar is too narrow for its menus, which
// the program's fixed-size windows never are: its pictures are decoded when
// it is first drawn, not while the menu bar is made.
class DecodedWhenDrawn : public QIconEngine
{
public:
    explicit DecodedWhenDrawn(QStringList resources)
        : m_resources(std::move(resources))
    {
    }

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().pixmap(size, mode, state);
    }
    QSize actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        return icon().availableSizes(mode, state);
    }
    bool isNull() override { return icon().isNull(); }
    [[nodiscard]] QIconEngine *clone() const override { return new DecodedWhenDrawn(*this); }

private:
    const QIcon &icon()
    {
        if (!m_icon)
            m_icon = builtInIcon(m_resources);
        return *m_icon;
    }

    QStringList m_resources;
    std::optional<QIcon> m_icon;
};

} // namespace

QIcon ProgramStyle::standardIcon(StandardPixmap standardIcon, const QStyleOption *option,
                                 const QWidget *widget) const
{
    if (standardIcon == SP_ToolBarHorizontalExtensionButton) {
        const bool rtl = (widget ? widget->layoutDirection() : QGuiApplication::layoutDirection())
            == Qt::RightToLeft;
        QStringList resources;
        for (int size : { 8, 16, 32 })
            resources.append(
                QStringLiteral(":/qt-project.org/styles/commonstyle/images/toolbar-ext-h-%1%2.png")
                    .arg(rtl ? QStringLiteral("rtl-") : QString())
                    .arg(size));
        // Qt's resources are its own; should a later Qt move them, its style decides.
        if (QFile::exists(resources.constFirst()))
            return QIcon(new DecodedWhenDrawn(resources));
    }
    return QProxyStyle::standardIcon(standardIcon, option, widget);
}
