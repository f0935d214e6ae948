#include "translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

void installTranslations(QObject *owner, const QLocale &locale)
{
    auto *own = new QTranslator(owner);
    if (!own->load(locale, QStringLiteral("quillmark"), QStringLiteral("_"),
                   QStringLiteral(":/i18n"))) {
        delete own;
        return;
    }
    QCoreApplication::installTranslator(own);
    auto *qt = new QTranslator(owner);
    if (qt->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
    else
        delete qt;
}
