#include "stripspaces.h"

QString StripSpaces(const QString &text)
{
    QString out = text;
    out.remove(QLatin1Char(' '));
    return out;
}
