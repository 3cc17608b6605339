#include "app/CommandLine.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <utility>

namespace {

// Qt's command-line options: those that QGuiApplication, QApplication and the X11 platform
// plugin take out of argv, with or without a value in the next argument. Qt accepts them with
// one or two dashes. packaging/selvoria-launcher.sh.in keeps the same list of those with a value,
// so that it does not mistake a value for a file.
constexpr std::array<std::string_view, 16> kQtOptionsWithValue = {
    "platform",        "platformpluginpath",
    "platformtheme",   "plugin",
    "qwindowgeometry", "geometry",
    "qwindowtitle",    "title",
    "qwindowicon",     "icon",
    "display",         "name",
    "visual",          "style",
    "stylesheet",      "session"};
constexpr std::array<std::string_view, 6> kQtFlags = {"reverse", "widgetcount", "nograb",
                                                      "dograb",  "sync",        "testability"};
// Options that Qt also reads as "-option=value" within the one argument.
constexpr std::array<std::string_view, 3> kQtOptionsWithJoinedValue = {"style", "stylesheet",
                                                                       "qmljsdebugger"};

template <std::size_t N>
bool isOneOf(std::string_view name, const std::array<std::string_view, N>& names) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

CommandLine refusal(std::string message) {
    CommandLine line;
    line.action = CommandLine::Action::Error;
    line.message = std::move(message);
    return line;
}

}  // namespace

CommandLine CommandLine::parse(int argc, const char* const* argv) {
    CommandLine line;
    bool onlyFiles = false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        const bool isOption = !onlyFiles && arg.size() > 1 && arg.front() == '-';
        if (!isOption) {
            if (arg.empty()) return refusal("selvoria: ファイル名が空です");
            if (!line.filePath.empty())
                return refusal("selvoria: 開ける図面ファイルは一つだけです: " + line.filePath +
                               ", " + std::string(arg));
            line.filePath = arg;
            continue;
        }
        if (arg == "--") {
            onlyFiles = true;
            continue;
        }
        if (arg == "--help" || arg == "-h") return CommandLine{Action::Help, {}, {}};
        if (arg == "--version") return CommandLine{Action::Version, {}, {}};
        std::string_view name = arg.substr(arg.starts_with("--") ? 2 : 1);
        if (isOneOf(name, kQtFlags)) continue;
        if (isOneOf(name, kQtOptionsWithValue)) {
            if (i + 1 == argc)
                return refusal("selvoria: オプション " + std::string(arg) + " には値が必要です");
            ++i;
            continue;
        }
        const std::size_t equals = name.find('=');
        if (equals != std::string_view::npos &&
            isOneOf(name.substr(0, equals), kQtOptionsWithJoinedValue))
            continue;
        return refusal("selvoria: 不明なオプションです: " + std::string(arg) +
                       "（使い方は selvoria --help）");
    }
    return line;
}

std::string CommandLine::versionText() {
    return "selvoria " SELVORIA_VERSION "\n";
}

std::string CommandLine::usageText() {
    return "使い方: selvoria [オプション] [図面ファイル]\n"
           "       selvoria convert データ [--format csv|s1p]\n"
           "       selvoria kk データ... [--json]\n"
           "       selvoria sweep 図面 --from 周波数 --to 周波数 --points 点数 [--format csv|s1p]\n"
           "       selvoria fit 図面 データ... [--free 名前,...] [--weight "
           "modulus|unit|proportional]\n"
           "                    [--json] [--save 出力]\n"
           "抵抗・コイル・コンデンサの回路を描き、その複素インピーダンスを計算します。\n"
           "\n"
           "画面なしで使えるコマンド:\n"
           "  convert  測定データ (Touchstone .s1p/.ts、区切り文字のテキスト) を読み、\n"
           "           Z の CSV (frequency_Hz,re_ohm,im_ohm) か Touchstone 1.1 で出力します\n"
           "  kk       測定データごとに Kramers-Kronig 検定の判定を出力します\n"
           "           (--json で一行に一つの JSON オブジェクト)\n"
           "  sweep    図面の周波数特性を、周波数特性ウィンドウの CSV と同じ列で出力します\n"
           "  fit      図面の素子の値を測定データごとにフィットし、値と標準誤差を出力します\n"
           "           (--save で値を入れた図面を書き出します)\n"
           "\n"
           "オプション:\n"
           "  -h, --help    この使い方を表示して終了します\n"
           "  --version     バージョンを表示して終了します\n"
           "  --            これより後の引数はすべてファイル名として扱います\n"
           "\n"
           "図面ファイル (*.selvoria) は一つだけ指定できます。\n"
           "Qt の標準オプション (-platform 名前、-style 名前、-display ディスプレイ など)\n"
           "も使えます。\n"
           "\n"
           "終了ステータス: 0 は正常終了、1 は表示を書き出せなかったときやファイルを\n"
           "読めなかったとき (理由は標準エラー出力)、2 はコマンドラインの誤りです。\n";
}
