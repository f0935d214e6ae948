#pragma once

#include <QString>

// How a folder and a file name are joined: the separator and the one root
// that takes no extra separator ("C:\" on Windows, "/" elsewhere).
enum class PathStyle { Windows, Posix };

[[nodiscard]] PathStyle nativePathStyle();

[[nodiscard]] QString pagePath(const QString &folder, const QString &fileName,
                               PathStyle style = nativePathStyle());

// The file the game shows as the overview's picture, with "/" separators and
// "." and ".." resolved: a relative source is taken from the page's own folder.
[[nodiscard]] QString pictureFile(const QString &pictureSource, const QString &saveFolder,
                                  PathStyle style = nativePathStyle());

// Whether that file lies below the save folder, decided on the same resolved
// path the preview loads.
[[nodiscard]] bool isInsideFolder(const QString &pictureSource, const QString &saveFolder,
                                  PathStyle style = nativePathStyle());
