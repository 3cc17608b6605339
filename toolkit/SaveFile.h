#pragma once

#include <QString>
#include <functional>
#include <optional>

class QIODevice;
class QWidget;

// Every file the program writes goes through here. The file is written to a temporary file
// beside it and replaces the old one only when everything was written, so a full disk or a
// file size limit never leaves a cut file or destroys the old one. A failure is shown in a
// message box naming the path and the reason. Returns whether the file was saved.
bool saveFile(QWidget* parent, const QString& path, const std::function<bool(QIODevice&)>& write);
// The same without a window: the reason it failed, nothing when the file was written whole.
std::optional<QString> writeWhole(const QString& path,
                                  const std::function<bool(QIODevice&)>& write);

// The same for a file whose whole content is at hand.
bool saveBytes(QWidget* parent, const QString& path, const QByteArray& bytes);

// Asks where to save, starting in `folder` (the user's documents folder when empty) with the
// suggested file name. The chosen filter's suffix is added to a name that has none. Empty when
// the user cancels.
QString askSavePath(QWidget* parent, const QString& title, const QString& fileName,
                    const QString& filter, const QString& folder = {});

// The user's documents folder, or the home folder where there is none.
QString documentsFolder();
