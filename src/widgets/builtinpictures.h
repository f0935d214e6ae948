#pragma once

#include <QIcon>
#include <QImage>
#include <QString>
#include <QStringList>

// The pictures the program ships in its resources (and Qt's own), decoded
// once per process and shared by every window. Start-up decodes those of the
// first window on a second thread while the window is built. Safe to call
// from any thread, except builtInIcon(): the images are plain data.

// The picture at resource, a PNG; a null image when there is none.
[[nodiscard]] QImage builtInPicture(const QString &resource);

// Decodes these ahead of their first use.
void decodeBuiltInPictures(const QStringList &resources);

// An icon of the pictures at resources, those there are; on the GUI thread.
[[nodiscard]] QIcon builtInIcon(const QStringList &resources);
