#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

#include "model/DrawingFileContents.h"
#include "response/MeasurementSource.h"

// The drawing file: JSON with the format name and version first, then the used part slots
// (value, captions, terminals), the used lines (number, ends, length), the frequency with its
// captions, the result unit, the numbers last typed in the value dialogs and the editing state.
// The calculation's start part is not kept: every calculation finds it anew. The measurements
// shown with the drawing are kept by their paths relative to the file's folder, only when there
// are any, so that a drawing without them is written as it always was.
// docs/drawing-file.md describes it.
inline constexpr const char* kDrawingFormat = "selvoria-drawing";
inline constexpr int kDrawingVersion = 1;
inline constexpr qint64 kLargestDrawingFile = 1 << 20;

// `folder` is the folder of the file to be written; the measurements' paths are absolute.
QByteArray encodeDrawingFile(const DrawingFileContents& contents,
                             const MeasurementSources& measurements = {},
                             const QString& folder = {});

// Either the contents, checked whole, or what is wrong with them in words for the user.
struct DrawingFileRead {
    std::optional<DrawingFileContents> contents;
    QString problem;
    MeasurementSources measurements = {};  // their paths made absolute from the file's folder
};

DrawingFileRead decodeDrawingFile(const QByteArray& bytes, const QString& folder = {});
// Reads only a regular file of at most 1 MiB: a FIFO or device would block or never end.
DrawingFileRead readDrawingFile(const QString& path);
