#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

#include "model/DrawingFileContents.h"

// The drawing file: JSON with the format name and version first, then the used part slots
// (value, captions, terminals), the used lines (number, ends, length), the frequency with its
// captions, the result unit, the numbers last typed in the value dialogs and the editing state.
// The calculation's start part is not kept: every calculation finds it anew.
// docs/drawing-file.md describes it.
inline constexpr const char* kDrawingFormat = "selvoria-drawing";
inline constexpr int kDrawingVersion = 1;
inline constexpr qint64 kLargestDrawingFile = 1 << 20;

QByteArray encodeDrawingFile(const DrawingFileContents& contents);

// Either the contents, checked whole, or what is wrong with them in words for the user.
struct DrawingFileRead {
    std::optional<DrawingFileContents> contents;
    QString problem;
};

DrawingFileRead decodeDrawingFile(const QByteArray& bytes);
// Reads only a regular file of at most 1 MiB: a FIFO or device would block or never end.
DrawingFileRead readDrawingFile(const QString& path);
