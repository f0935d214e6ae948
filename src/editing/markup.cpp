#include "markup.h"

QString lineBreakMarkup()
{
    return QStringLiteral("<br>\r\n");
}

QString markerMarkup(const QString &markerName, const QString &clickText)
{
    return QStringLiteral(" <a href=\"marker:") + markerName + QStringLiteral("\">") + clickText
        + QStringLiteral("</a>");
}
