#include "help/HowToWindow.h"

#include <QTextBrowser>
#include <QVBoxLayout>

#include "toolkit/Appearance.h"

namespace {

constexpr QSize kSize(720, 640);

// The program's own text, written as HTML for its headings and pictures; nothing in it comes
// from a file or from typing. Its line breaks are only the source's: Japanese has no space
// between words, so they are taken out rather than read as spaces.
const char kHowTo[] = R"(
<h2>図を描く</h2>
<p><b>置く</b>：「抵抗」「コイル」「コンデンサ」を押し、値を入力して単位を選び、「閉じる」を押すと、
素子がパレットの自分の場所に現れます。</p>
<p><b>動かす</b>：素子や線をマウスでドラッグします。素子の左上の角は、ポインタが<b>何もない背景</b>の上にある
間だけポインタについて動きます。ボタンや文字の上を通るとそこで止まるので、ゆっくり動かすときは
コントロールを避けて背景の上を通してください。止まったときは、いったん背景の上で離し、そこから
もう一度ドラッグします。「座標」に位置が twip（1 ピクセル = 15 twip）で表示されます。</p>
<p><b>つなぐ</b>：「縦線」「横線」で線を置き、端子まで動かします。線の端は端子から <b>200 twip
（約 13 ピクセル）</b>以内にあればつながります。上下に並べた二つの素子は、右端どうしと左端どうしを
それぞれ縦線でつなぐと並列になります。素子の右端を隣の素子の左端に重ねるか、横線でつなぐと直列に
なります。</p>
<p><img src=":/help/main-window.png" width="640"></p>
<h2>計算する</h2>
<p>「周波数」で動作周波数を設定し（抵抗だけの回路には要りません）、「計算実行」を押します。合成
インピーダンスの大きさ・実部・虚部・位相角が表示され、計算に入った素子の値が赤くなります。
コンデンサがあるのに周波数が 0 Hz のままだと計算できません。単位の一覧で「ＫΩ」「ＭΩ」を選ぶと
その単位で表示します。</p>
<p>ステータスバーには、図の配線から解いた検算の結果が出ます。計算の読み取りと配線が違うときは、その
インピーダンスと、計算に入らなかった素子が示されます。</p>
<p><img src=":/help/wired-check.png"></p>
<h2>段階的に計算する</h2>
<p>「インピーダンス　素子化」を押すと、計算に入った素子と線が消え、結果が一つのインピーダンス素子に
なります（5 個まで）。これを他の素子と同じように配置して、大きな回路を段階的に計算します。</p>
<p><img src=":/help/impedance-part.png"></p>
<h2>消す</h2>
<p>背景をダブルクリックすると、最後に扱った素子または線を消します。「クリア」ですべて消します。</p>
<h2>メニュー</h2>
<ul>
<li><b>ファイル</b>：新規、開く、保存、名前を付けて保存（図面ファイル .selvoria）、SPICE ネットリスト
書き出し、終了。</li>
<li><b>編集</b>：元に戻す、やり直し（配置、ドラッグ、削除、クリア、素子化、周波数）。</li>
<li><b>表示</b>：周波数特性（|Z| と位相角、R と X、ナイキスト線図、スミスチャート、書き出し）、
測定データを開く（測定値を図の特性と重ねて比べる）、計算過程（計算の手順と検算）。</li>
<li><b>ヘルプ</b>：この使い方と、バージョン情報。</li>
</ul>
)";

}  // namespace

HowToWindow::HowToWindow(QWidget* parent) : QWidget(parent, Qt::Tool), mText(new QTextBrowser) {
    // The pictures live in this static library, which nothing else names: they are registered
    // by hand.
    Q_INIT_RESOURCE(help);
    setObjectName(QStringLiteral("HowToWindow"));
    setWindowTitle(QStringLiteral("使い方"));
    setFont(minchoFont());
    mText->setObjectName(QStringLiteral("howToText"));
    mText->setOpenLinks(false);
    mText->setHtml(QString::fromUtf8(kHowTo).remove(u'\n'));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(mText);
    resize(kSize);
}
