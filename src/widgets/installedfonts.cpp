#include "installedfonts.h"

#ifdef QUILLMARK_FONTCONFIG
#include <fontconfig/fontconfig.h>
#include <memory>
#else
#include <QFontDatabase>
#include <QStringList>
#endif

#ifdef QUILLMARK_FONTCONFIG

bool fontFamilyInstalled(const QString &family)
{
    // Qt's font database names fontconfig's three generic families too.
    for (const QLatin1String generic :
         { QLatin1String("Serif"), QLatin1String("Sans Serif"), QLatin1String("Monospace") }) {
        if (family.compare(generic, Qt::CaseInsensitive) == 0)
            return true;
    }
    // fontconfig compares family names without regard to case, as Qt does.
    const QByteArray name = family.toUtf8();
    const std::unique_ptr<FcPattern, decltype(&FcPatternDestroy)> pattern(FcPatternCreate(),
                                                                          FcPatternDestroy);
    const std::unique_ptr<FcObjectSet, decltype(&FcObjectSetDestroy)> objects(
        FcObjectSetBuild(FC_FAMILY, nullptr), FcObjectSetDestroy);
    if (!pattern || !objects
        || !FcPatternAddString(pattern.get(), FC_FAMILY,
                               reinterpret_cast<const FcChar8 *>(name.constData())))
        return false;
    const std::unique_ptr<FcFontSet, decltype(&FcFontSetDestroy)> fonts(
        FcFontList(nullptr, pattern.get(), objects.get()), FcFontSetDestroy);
    return fonts && fonts->nfont > 0;
}

#else

bool fontFamilyInstalled(const QString &family)
{
    static const QStringList installed = QFontDatabase::families();
    return installed.contains(family, Qt::CaseInsensitive);
}

#endif
