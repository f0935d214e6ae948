#include "controls.h"

#include "installedfonts.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

#include <algorithm>

// Asked once per family; windows are built on the GUI thread only.
static bool installed(const QString &family)
{
    static QHash<QString, bool> known;
    const auto found = known.constFind(family);
    if (found != known.cend())
        return *found;
    const bool answer = fontFamilyInstalled(family);
    known.insert(family, answer);
    return answer;
}

// A family this platform lacks is named by its first installed substitute.
// Asked for by its own name, Qt would first have fontconfig sort every face
// as a fallback for it before trying the substitutes, once per font size and
// weight, which was a sixth of start-up.
static QString installedFamily(const QString &family)
{
    if (installed(family))
        return family;
    const QStringList substitutes = QFont::substitutes(family);
    const auto found = std::find_if(substitutes.cbegin(), substitutes.cend(), installed);
    return found != substitutes.cend() ? *found : family;
}

QFont namedFont(const QString &family, double pointSize, QFont::Weight weight)
{
    QFont font(installedFamily(family));
    font.setPointSizeF(pointSize);
    font.setWeight(weight);
    return font;
}

void registerFontSubstitutes()
{
    const QStringList sans { QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans") };
    QFont::insertSubstitutions(QStringLiteral("Arial Narrow"),
                               { QStringLiteral("Liberation Sans Narrow") });
    QFont::insertSubstitutions(QStringLiteral("Tahoma"), sans);
    QFont::insertSubstitutions(QStringLiteral("News Gothic MT"), sans);
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"), sans);
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    // No free face is as heavy; asked for at black weight, DejaVu Sans comes
    // closest with its bold face.
    QFont::insertSubstitution(QStringLiteral("Arial Black"), QStringLiteral("DejaVu Sans"));
}

void useDialogFont()
{
    registerFontSubstitutes();
    // The layouts were drawn for the classic dialog font, whose 8 points are
    // about as wide as 7.5 points of its substitutes.
    QApplication::setFont(namedFont(QStringLiteral("MS Sans Serif"), 7.5));
}

void describe(QWidget *widget, const QString &accessibleName, const QString &tip)
{
    if (!accessibleName.isEmpty())
        widget->setAccessibleName(accessibleName);
    if (!tip.isEmpty()) {
        widget->setToolTip(tip);
        widget->setAccessibleDescription(tip);
    }
}

QLabel *captionLabel(QWidget *parent, const char *name, const QString &text)
{
    auto *label = named(new QLabel(text, parent), name);
    label->setAccessibleName(text);
    return label;
}

void setLineText(QLineEdit *box, const QString &text)
{
    if (box->text() == text && box->cursorPosition() == text.size() && !box->hasSelectedText()
        && !box->isUndoAvailable() && !box->isRedoAvailable() && !box->isModified()
        && !box->hasFocus())
        return;
    box->setText(text);
}

void setTextColor(QWidget *widget, const QColor &color)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, color);
    widget->setPalette(palette);
}

void connectItemChanges(const QListWidget *list, const QObject *context,
                        const std::function<void()> &changed)
{
    const QAbstractItemModel *items = list->model();
    QObject::connect(items, &QAbstractItemModel::rowsInserted, context, changed);
    QObject::connect(items, &QAbstractItemModel::rowsRemoved, context, changed);
    QObject::connect(items, &QAbstractItemModel::rowsMoved, context, changed);
    QObject::connect(items, &QAbstractItemModel::dataChanged, context, changed);
    QObject::connect(items, &QAbstractItemModel::modelReset, context, changed);
    QObject::connect(items, &QAbstractItemModel::layoutChanged, context, changed);
}
