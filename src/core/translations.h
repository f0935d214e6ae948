#pragma once

class QLocale;
class QObject;

// Installs the program's catalogue for the locale's language and, only when
// there is one, Qt's own, so every other language keeps the English texts
// throughout. The translators are children of `owner`; deleting them
// uninstalls them.
void installTranslations(QObject *owner, const QLocale &locale);
