#include <QAction>
#include <QImage>
#include <QTextBrowser>
#include <QTextDocument>

#include <gtest/gtest.h>

#include "WindowTest.h"
#include "help/HowToWindow.h"

namespace {

class HowToWindowTest : public WindowTest {};

// "使い方" opens one window that tells the rules a new user trips over, with its pictures.
TEST_F(HowToWindowTest, TellsTheRulesWithPictures) {
    auto* action = form.findChild<QAction*>("actionHowTo");
    ASSERT_NE(action, nullptr);
    action->trigger();
    action->trigger();
    const QList<HowToWindow*> windows = form.findChildren<HowToWindow*>();
    ASSERT_EQ(windows.size(), 1);
    EXPECT_TRUE(windows.front()->isVisible());
    auto* text = windows.front()->findChild<QTextBrowser*>("howToText");
    const QString plain = text->toPlainText();
    for (const char* rule : {"何もない背景", "200 twip", "約 13 ピクセル", "並列", "直列",
                             "計算実行", "素子化", "ダブルクリック", "元に戻す"})
        EXPECT_TRUE(plain.contains(QString::fromUtf8(rule))) << rule;
    for (const char* picture :
         {":/help/main-window.png", ":/help/impedance-part.png", ":/help/wired-check.png"}) {
        EXPECT_TRUE(text->toHtml().contains(QString::fromUtf8(picture))) << picture;
        const QVariant bytes =
            text->loadResource(QTextDocument::ImageResource, QUrl(QString::fromUtf8(picture)));
        EXPECT_FALSE(QImage::fromData(bytes.toByteArray()).isNull()) << picture;
    }
}

}  // namespace
