#include "app/DrawingFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>
#include <cerrno>
#include <cmath>
#include <stdexcept>
#include <type_traits>
#include <utility>
#include <variant>

#include "app/JsonFields.h"
#include "model/DrawingFields.h"
#include "model/Palette.h"
#include "results/ResultUnits.h"

namespace {

using json_fields::array;
using json_fields::field;
using json_fields::index;
using json_fields::number;
using json_fields::object;
using json_fields::readField;
using json_fields::Refusal;
using json_fields::string;
using json_fields::text;
using json_fields::writeFields;

QJsonArray captionsOf(const DrawingState& d, int slot) {
    QJsonArray captions;
    const int count = kindOfSlot(slot) == PartKind::Impedance ? 2 : 1;
    for (int e = 0; e < count; ++e) captions.append(text(d.valueCaption[slot][e]));
    return captions;
}

QJsonObject partObject(const DrawingState& d, int slot) {
    CircuitModel model;
    loadInitialState(model);
    restoreDrawing(model, d);
    const PartKind kind = kindOfSlot(slot);
    const int k = indexInKind(slot);
    const KindTerminals t = model.terminals(kind);
    QJsonObject part{{"slot", slot},          {"captions", captionsOf(d, slot)},
                     {"leftX", t.leftX[k]},   {"leftY", t.leftY[k]},
                     {"rightX", t.rightX[k]}, {"rightY", static_cast<double>(t.rightY[k])}};
    if (kind == PartKind::Impedance) {
        part["re"] = d.impPartRe[k];
        part["im"] = d.impPartIm[k];
    } else {
        part["value"] = d.slotValue[slot];
    }
    return part;
}

QJsonObject lineObject(const DrawingState& d, int image) {
    const bool vertical = isVerticalImage(image);
    const int n = lineOfImage(image);
    const Point size = lineKindRow(vertical).size;
    return {{"number", image},
            {"x1", vertical ? d.vLineTopX[n] : d.hLineLeftX[n]},
            {"y1", vertical ? d.vLineTopY[n] : d.hLineLeftY[n]},
            {"x2", vertical ? d.vLineBottomX[n] : d.hLineRightX[n]},
            {"y2", static_cast<double>(vertical ? d.vLineBottomY[n] : d.hLineRightY[n])},
            {"length", vertical ? size.y : size.x}};
}

void readPart(DrawingState& d, CircuitModel& scratch, const QJsonObject& part, const QString& where,
              std::vector<bool>& seen) {
    const int slot = index(part, "slot", where, 1, kSlotCount, &seen);
    const PartKind kind = kindOfSlot(slot);
    const int k = indexInKind(slot);
    d.slotUsed[slot] = 1;
    if (kind == PartKind::Impedance) {
        d.impPartRe[k] = number(part, "re", where);
        d.impPartIm[k] = number(part, "im", where);
    } else {
        d.slotValue[slot] = number(part, "value", where);
    }
    const QJsonArray captions = array(part, "captions", where);
    const int count = kind == PartKind::Impedance ? 2 : 1;
    if (captions.size() != count)
        throw Refusal((where + QStringLiteral("：表示は %1 個です").arg(count)).toStdString());
    for (int e = 0; e < count; ++e) {
        if (!captions[e].isString())
            throw Refusal((where + QStringLiteral("：表示が文字列ではありません")).toStdString());
        d.valueCaption[slot][e] = captions[e].toString().toStdString();
    }
    const KindTerminals t = scratch.terminals(kind);
    t.leftX[k] = number(part, "leftX", where);
    t.leftY[k] = number(part, "leftY", where);
    t.rightX[k] = number(part, "rightX", where);
    t.rightY[k] = static_cast<float>(number(part, "rightY", where));
}

void readLine(CircuitModel& scratch, const QJsonObject& line, const QString& where,
              std::vector<bool>& seen) {
    const int image = index(line, "number", where, 1, 2 * kLinesPerKind, &seen);
    const bool vertical = isVerticalImage(image);
    const int n = lineOfImage(image);
    const Point size = lineKindRow(vertical).size;
    if (number(line, "length", where) != (vertical ? size.y : size.x))
        throw Refusal((where + QStringLiteral("：線の長さが違います")).toStdString());
    (vertical ? scratch.vLineUsed : scratch.hLineUsed)[n] = 1;
    (vertical ? scratch.vLineTopX : scratch.hLineLeftX)[n] = number(line, "x1", where);
    (vertical ? scratch.vLineTopY : scratch.hLineLeftY)[n] = number(line, "y1", where);
    (vertical ? scratch.vLineBottomX : scratch.hLineRightX)[n] = number(line, "x2", where);
    (vertical ? scratch.vLineBottomY : scratch.hLineRightY)[n] =
        static_cast<float>(number(line, "y2", where));
}

DrawingFileContents readContents(const QJsonObject& root) {
    const QString top = QStringLiteral("ファイル");
    if (field(root, "format", top) != QLatin1String(kDrawingFormat))
        throw Refusal("Selvoria の図面ファイルではありません");
    const int version = index(root, "version", top, 1, 1 << 30);
    if (version > kDrawingVersion)
        throw Refusal(QStringLiteral("より新しい版 (%1) の図面です").arg(version).toStdString());

    // Parts and lines go through a scratch model, whose terminal tables have their names.
    CircuitModel scratch;
    loadInitialState(scratch);
    DrawingState parts;
    std::vector<bool> slotSeen(kSlotCount + 1), lineSeen(2 * kLinesPerKind + 1);
    const QJsonArray partList = array(root, "parts", top);
    for (qsizetype i = 0; i < partList.size(); ++i) {
        const QString where = QStringLiteral("parts[%1]").arg(i);
        readPart(parts, scratch, object(partList[i], where), where, slotSeen);
    }
    const QJsonArray lineList = array(root, "lines", top);
    for (qsizetype i = 0; i < lineList.size(); ++i) {
        const QString where = QStringLiteral("lines[%1]").arg(i);
        readLine(scratch, object(lineList[i], where), where, lineSeen);
    }
    DrawingState d = captureDrawing(scratch);
    d.slotUsed = parts.slotUsed, d.slotValue = parts.slotValue;
    d.impPartRe = parts.impPartRe, d.impPartIm = parts.impPartIm;
    d.valueCaption = parts.valueCaption;
    for (const NamedField<DrawingState>& named : kDrawingFields) readField(root, named, top, d);
    DrawingFileContents contents{d};
    const ResultUnit* unit = resultUnitNamed(string(root, "resultUnit", top));
    if (unit == nullptr) throw Refusal("結果の単位が Ω、ＫΩ、ＭΩ のどれでもありません");
    contents.resultUnitFactor = unit->factor;
    const QJsonObject typed = object(field(root, "typed", top), QStringLiteral("typed"));
    for (const NamedField<DrawingFileContents>& named : kTypedFields)
        readField(typed, named, QStringLiteral("typed"), contents);
    if (const auto problem = problemWith(contents)) throw Refusal(*problem);
    return contents;
}

constexpr std::pair<ValueMeaning, const char*> kMeaningNames[] = {
    {ValueMeaning::ReIm, "re-im"},
    {ValueMeaning::ReMinusIm, "re-minus-im"},
    {ValueMeaning::MagnitudePhaseDegrees, "magnitude-phase"}};
// Counted from 1, as the column dialog shows them.
constexpr std::pair<const char*, std::size_t ColumnChoice::*> kColumns[] = {
    {"frequency", &ColumnChoice::frequencyColumn},
    {"first", &ColumnChoice::firstColumn},
    {"second", &ColumnChoice::secondColumn}};

QJsonArray measurementList(const MeasurementSources& measurements, const QString& folder) {
    QJsonArray list;
    for (const MeasurementSource& m : measurements) {
        QJsonObject entry{
            {"path", folder.isEmpty() ? m.path : QDir(folder).relativeFilePath(m.path)}};
        if (const std::optional<ColumnChoice>& c = m.columns) {
            QJsonObject columns{{"hertzPerUnit", c->hertzPerUnit}};
            for (const auto& [name, column] : kColumns)
                columns[QLatin1String(name)] = static_cast<double>((*c).*column + 1);
            for (const auto& [meaning, name] : kMeaningNames)
                if (meaning == c->meaning) columns["meaning"] = QLatin1String(name);
            entry["columns"] = columns;
        }
        list.append(entry);
    }
    return list;
}

ColumnChoice readColumns(const QJsonObject& columns, const QString& where) {
    ColumnChoice c;
    for (const auto& [name, column] : kColumns)
        c.*column = static_cast<std::size_t>(index(columns, name, where, 1, 1 << 16) - 1);
    const std::string meaning = string(columns, "meaning", where);
    const auto named = std::find_if(std::begin(kMeaningNames), std::end(kMeaningNames),
                                    [&](const auto& n) { return meaning == n.second; });
    c.hertzPerUnit = number(columns, "hertzPerUnit", where);
    if (named == std::end(kMeaningNames) || !(c.hertzPerUnit > 0))
        throw Refusal((where + QStringLiteral("：「meaning」は re-im、re-minus-im、magnitude-phase "
                                              "のどれか、「hertzPerUnit」は正の数です"))
                          .toStdString());
    c.meaning = named->first;
    return c;
}

// Files written before measurements were kept have no list.
MeasurementSources readMeasurements(const QJsonObject& root, const QString& folder) {
    MeasurementSources sources;
    if (!root.contains(QLatin1String("measurements"))) return sources;
    const QJsonArray list = array(root, "measurements", QStringLiteral("ファイル"));
    for (qsizetype i = 0; i < list.size(); ++i) {
        const QString where = QStringLiteral("measurements[%1]").arg(i);
        const QJsonObject entry = object(list[i], where);
        const QString path = text(string(entry, "path", where)), inner = where + ".columns";
        if (path.isEmpty()) throw Refusal((where + "：「path」が空です").toStdString());
        sources.append({QDir::cleanPath(QDir(folder).absoluteFilePath(path)), std::nullopt});
        if (entry.contains(QLatin1String("columns")))
            sources.back().columns = readColumns(object(entry.value("columns"), inner), inner);
    }
    return sources;
}

// Line and column, counted from 1, of a byte offset into the text.
QString positionOf(const QByteArray& bytes, int offset) {
    const QByteArray before = bytes.left(offset);
    const int line = static_cast<int>(before.count('\n')) + 1;
    const QString lastLine = QString::fromUtf8(before.mid(before.lastIndexOf('\n') + 1));
    return QStringLiteral("%1 行 %2 桁").arg(line).arg(lastLine.size() + 1);
}

}  // namespace

QByteArray encodeDrawingFile(const DrawingFileContents& contents,
                             const MeasurementSources& measurements, const QString& folder) {
    const DrawingState& d = contents.drawing;
    QJsonArray parts, lines;
    for (int s = 1; s <= kSlotCount; ++s)
        if (d.slotUsed[s] != 0) parts.append(partObject(d, s));
    for (int image = 1; image <= 2 * kLinesPerKind; ++image) {
        const bool vertical = isVerticalImage(image);
        if ((vertical ? d.vLineUsed : d.hLineUsed)[lineOfImage(image)] != 0)
            lines.append(lineObject(d, image));
    }
    QJsonObject typed;
    writeFields(typed, kTypedFields, contents);
    QJsonObject body{{"parts", parts},
                     {"lines", lines},
                     {"resultUnit", text(resultUnitText(contents.resultUnitFactor))},
                     {"typed", typed}};
    writeFields(body, kDrawingFields, d);
    if (!measurements.isEmpty()) body["measurements"] = measurementList(measurements, folder);
    // Qt writes an object's keys in sorted order; the format name and version go first by hand,
    // so that a reader can tell the file at a glance.
    const QByteArray rest = QJsonDocument(body).toJson(QJsonDocument::Indented);
    return QByteArray("{\n    \"format\": \"") + kDrawingFormat +
           "\",\n    \"version\": " + QByteArray::number(kDrawingVersion) + ",\n" + rest.mid(2);
}

DrawingFileRead decodeDrawingFile(const QByteArray& bytes, const QString& folder) {
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError)
        return {std::nullopt, QStringLiteral("JSON として読めません（%1：%2）")
                                  .arg(positionOf(bytes, error.offset), error.errorString())};
    if (!document.isObject())
        return {std::nullopt, QStringLiteral("Selvoria の図面ファイルではありません")};
    try {
        DrawingFileContents contents = readContents(document.object());
        return {std::move(contents), {}, readMeasurements(document.object(), folder)};
    } catch (const Refusal& refusal) {
        return {std::nullopt, QString::fromStdString(refusal.what())};
    }
}

DrawingFileRead readDrawingFile(const QString& path) {
    // Opened without blocking and checked on the open file itself, so that nothing can swap a
    // FIFO in between the check and the read.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        if (errno == ENOENT) return {std::nullopt, QStringLiteral("ファイルがありません")};
        if (errno == EACCES) return {std::nullopt, QStringLiteral("読む権限がありません")};
        return {std::nullopt, QStringLiteral("読めません（%1）").arg(qt_error_string(errno))};
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        const bool folder = S_ISDIR(info.st_mode);
        return {std::nullopt, folder ? QStringLiteral("フォルダーです")
                                     : QStringLiteral("通常のファイルではありません")};
    }
    QFile file;
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return {std::nullopt, QStringLiteral("読めません（%1）").arg(file.errorString())};
    }
    const QByteArray bytes = file.read(kLargestDrawingFile + 1);
    if (bytes.size() > kLargestDrawingFile)
        return {std::nullopt, QStringLiteral("1 MiB より大きいファイルです")};
    if (file.error() != QFileDevice::NoError)
        return {std::nullopt, QStringLiteral("読めません（%1）").arg(file.errorString())};
    return decodeDrawingFile(bytes, QFileInfo(path).absolutePath());
}
