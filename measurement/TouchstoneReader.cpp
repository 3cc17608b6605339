#include "measurement/TouchstoneReader.h"

#include <charconv>
#include <optional>
#include <vector>

#include "measurement/CellNumbers.h"
#include "measurement/MeasurementError.h"
#include "measurement/MeasurementFile.h"
#include "measurement/TextLines.h"
#include "measurement/TouchstoneOptions.h"

namespace {

std::string keywordName(std::string_view bracketed) {
    std::string name;
    for (char c : bracketed.substr(1, bracketed.find(']') - 1)) {
        if (c == ' ' || c == '\t') {
            if (!name.empty() && name.back() != ' ') name += ' ';
            continue;
        }
        name += c;
    }
    if (name.ends_with(' ')) name.pop_back();
    return lowerAscii(name);
}

class Reader {
public:
    explicit Reader(const std::string& file) : mFile(file) {}

    void readLine(std::string_view content, int line);
    Measurement finish();

private:
    void keyword(std::string_view content, int line);
    void optionLine(std::string_view content, int line);
    void dataLine(std::string_view content, int line);
    int wholeNumber(std::string_view argument, const char* keyword, int line) const;
    [[noreturn]] void refuse(int line, const std::string& reason) const {
        throw MeasurementError(mFile, line, reason);
    }

    const std::string& mFile;
    bool mVersion2 = false;
    bool mSawContent = false;
    int mOptionLine = 0;
    TouchstoneOptions mOptions;
    std::optional<double> mReference;
    int mReferenceLine = 0;  // a [Reference] whose value is still to come on a later line
    int mPortsLine = 0;
    int mFrequencyCount = 0;
    int mFrequencyCountLine = 0;
    bool mInNetworkData = false;
    int mInformationLine = 0;  // inside [Begin Information] … [End Information]
    bool mEnded = false;
    std::vector<NumberedPoint> mRows;
};

void Reader::readLine(std::string_view content, int line) {
    // [End] closes the file; what follows is no part of it by the format's own rule.
    if (content.empty() || mEnded) return;
    const bool isKeyword = content.starts_with('[');
    if (mInformationLine != 0) {
        if (isKeyword && keywordName(content) == "end information") mInformationLine = 0;
        return;
    }
    if (mReferenceLine != 0 && !isKeyword) {
        const std::vector<std::string_view> values = words(content);
        if (values.size() != 1) refuse(line, "1 ポートの [Reference] の値は 1 つです");
        mReference = finiteNumber(values[0], false, mFile, line);
        if (!(*mReference > 0)) refuse(line, "基準抵抗は 0 Ω より大きくなければなりません");
        mReferenceLine = 0;
        return;
    }
    if (mReferenceLine != 0) refuse(mReferenceLine, "[Reference] の値がありません");
    if (isKeyword)
        keyword(content, line);
    else if (content.starts_with('#'))
        optionLine(content, line);
    else
        dataLine(content, line);
    mSawContent = true;
}

int Reader::wholeNumber(std::string_view argument, const char* keyword, int line) const {
    const std::vector<std::string_view> values = words(argument);
    int value = 0;
    if (values.size() == 1) {
        const char* end = values[0].data() + values[0].size();
        const auto [stop, error] = std::from_chars(values[0].data(), end, value);
        if (error == std::errc() && stop == end && value > 0) return value;
    }
    refuse(line, std::string(keyword) + " の後には 1 以上の整数が 1 つ必要です");
}

void Reader::keyword(std::string_view content, int line) {
    if (content.find(']') == std::string_view::npos) refuse(line, "キーワードの ] がありません");
    const std::string name = keywordName(content);
    const std::string_view argument = content.substr(content.find(']') + 1);
    if (name == "version") {
        if (mSawContent) refuse(line, "[Version] はファイルの最初の行でなければなりません");
        if (words(argument).size() != 1 || trimmed(argument) != "2.0")
            refuse(line, "読める版は 2.0 です（「" + quotedCell(trimmed(argument)) + "」）");
        mVersion2 = true;
        return;
    }
    if (!mVersion2)
        refuse(line, "キーワード [" + quotedCell(name) +
                         "] は Touchstone 2.0 のものですが、最初の行に [Version] 2.0 がありません");
    if (mInNetworkData && name != "end")
        refuse(line, "[Network Data] の後に来てよいキーワードは [End] だけです");
    if (name == "number of ports") {
        const int ports = wholeNumber(argument, "[Number of Ports]", line);
        if (ports != 1)
            refuse(line,
                   "1 ポートのファイルしか読めません（" + std::to_string(ports) + " ポート）");
        mPortsLine = line;
    } else if (name == "number of frequencies") {
        mFrequencyCount = wholeNumber(argument, "[Number of Frequencies]", line);
        mFrequencyCountLine = line;
    } else if (name == "reference") {
        mReferenceLine = line;
        if (!trimmed(argument).empty()) readLine(trimmed(argument), line);
    } else if (name == "matrix format") {
        const std::string format = keywordName("[" + std::string(argument) + "]");
        if (format != "full" && format != "lower" && format != "upper")
            refuse(line, "[Matrix Format] は Full・Lower・Upper のどれかです");
    } else if (name == "begin information") {
        mInformationLine = line;
    } else if (name == "network data") {
        if (mOptionLine == 0)
            refuse(line, "[Network Data] の前にオプション行（# で始まる行）がありません");
        if (mPortsLine == 0) refuse(line, "[Network Data] の前に [Number of Ports] がありません");
        if (mFrequencyCountLine == 0)
            refuse(line, "[Network Data] の前に [Number of Frequencies] がありません");
        if (mReference) mOptions.reference = *mReference;
        mInNetworkData = true;
    } else if (name == "end") {
        if (!mInNetworkData) refuse(line, "[Network Data] の前に [End] があります");
        mEnded = true;
    } else if (name == "two-port data order" || name == "number of noise frequencies" ||
               name == "noise data") {
        refuse(line,
               "[" + name + "] は 2 ポートのファイルのもので、1 ポートのファイルにはありえません");
    } else if (name == "mixed-mode order") {
        refuse(line, "ミックスドモード（差動）のデータは読めません");
    } else {
        refuse(line, "知らないキーワードです：[" + quotedCell(name) + "]");
    }
}

void Reader::optionLine(std::string_view content, int line) {
    // Readers differ on a second option line (some take the first, some the last), so no reading
    // of the file is safe to choose.
    if (mOptionLine != 0)
        refuse(line, "オプション行が 2 つあります（最初は " + std::to_string(mOptionLine) +
                         " 行目）。どちらに従うか決められません");
    mOptions = readOptionLine(content, mFile, line);
    mOptionLine = line;
}

void Reader::dataLine(std::string_view content, int line) {
    if (mVersion2 && !mInNetworkData) refuse(line, "[Network Data] の前にデータ行があります");
    if (mOptionLine == 0) refuse(line, "データ行の前にオプション行（# で始まる行）がありません");
    const std::vector<std::string_view> values = words(content);
    if (values.size() != 3) {
        std::string reason = "1 ポートのデータ行には数値が 3 つ必要です（" +
                             std::to_string(values.size()) + " 個あります）";
        if (values.size() > 3) reason += "。2 ポート以上のファイルではありませんか";
        refuse(line, reason);
    }
    const double unitValue = finiteNumber(values[0], false, mFile, line);
    const double first = finiteNumber(values[1], false, mFile, line);
    const double second = finiteNumber(values[2], false, mFile, line);
    const Complex z = impedanceOf(mOptions, mVersion2, first, second, mFile, line);
    mRows.push_back({line, {unitValue * mOptions.hertzPerUnit, z}});
}

Measurement Reader::finish() {
    if (mInformationLine != 0)
        refuse(mInformationLine, "[Begin Information] に対応する [End Information] がありません");
    if (mReferenceLine != 0) refuse(mReferenceLine, "[Reference] の値がありません");
    if (mVersion2 && !mInNetworkData) refuse(0, "[Network Data] がありません");
    if (mVersion2 && !mEnded) refuse(0, "[End] がありません（ファイルが途中で切れていませんか）");
    if (mVersion2 && static_cast<std::size_t>(mFrequencyCount) != mRows.size())
        refuse(mFrequencyCountLine, "[Number of Frequencies] は " +
                                        std::to_string(mFrequencyCount) + " ですが、データは " +
                                        std::to_string(mRows.size()) + " 行です");
    return collectMeasurement(mFile, std::move(mRows));
}

}  // namespace

Measurement readTouchstone(const std::string& name, std::string_view text) {
    Reader reader(name);
    const std::vector<std::string_view> lines = splitLines(text);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string_view line = lines[i];
        reader.readLine(trimmed(line.substr(0, line.find('!'))), static_cast<int>(i) + 1);
    }
    return reader.finish();
}

Measurement readTouchstoneFile(const std::filesystem::path& path) {
    const MeasurementFile file = readMeasurementFile(path);
    return readTouchstone(file.name, file.text);
}
