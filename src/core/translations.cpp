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
    // Qt's catalogue where Qt is installed, or beside a program shipped with
    // its own Qt, as on Windows.
    auto *qt = new QTranslator(owner);
    for (const QString &folder :
         { QLibraryInfo::path(QLibraryInfo::TranslationsPath),
           QCoreApplication::applicationDirPath() + QStringLiteral("/translations") }) {
        if (qt->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"), folder)) {
            QCoreApplication::installTranslator(qt);
            return;
        }
    }
    delete qt;
}
