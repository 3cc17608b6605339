#include "app/StartUp.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QIcon>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QProxyStyle>
#include <QPushButton>
#include <QRegularExpression>
#include <QStyleFactory>
#include <QToolButton>
#include <QTreeView>
#include <algorithm>
#include <iterator>
#include <memory>
#include <vector>

#include <gtest/gtest.h>

// The shared test main starts the application with prepareApplication, as the program does.

namespace {

struct ShownText {
    QString where;
    QString text;  // empty when the widget was not found
};

// Japanese menus keep the Latin letter of an accelerator, "元に戻す(&U)", and the shortcut behind
// a tab, "\tCtrl+Z": those name keys, they are no English words.
QString withoutKeys(QString text) {
    text = text.section(QLatin1Char('\t'), 0, 0);
    text.remove(QRegularExpression(QStringLiteral("\\(&.\\)")));
    return text;
}

bool hasLatinLetter(const QString& text) {
    return std::any_of(text.begin(), text.end(),
                       [](QChar c) { return c.unicode() < 128 && c.isLetter(); });
}

void addLineEditMenu(std::vector<ShownText>& texts) {
    QLineEdit edit(QStringLiteral("abc"));
    const std::unique_ptr<QMenu> menu(edit.createStandardContextMenu());
    std::vector<QAction*> actions;
    for (QAction* action : menu->actions())
        if (!action->isSeparator()) actions.push_back(action);
    const char* names[] = {"undo", "redo", "cut", "copy", "paste", "delete", "select all"};
    EXPECT_EQ(actions.size(), std::size(names));
    for (std::size_t i = 0; i < std::size(names); ++i)
        texts.push_back({QStringLiteral("text field menu: %1").arg(QLatin1String(names[i])),
                         i < actions.size() ? actions[i]->text() : QString()});
}

void addFileDialog(std::vector<ShownText>& texts, QFileDialog::AcceptMode mode) {
    // The dialog of Qt's own widgets: the one Qt shows where the desktop offers none.
    QFileDialog dialog;
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(mode);
    const QString prefix = mode == QFileDialog::AcceptOpen ? QStringLiteral("open dialog: ")
                                                           : QStringLiteral("save dialog: ");
    auto add = [&](const char* where, const QString& text) {
        texts.push_back({prefix + QLatin1String(where), text});
    };
    for (const char* name : {"lookInLabel", "fileNameLabel", "fileTypeLabel"}) {
        auto* label = dialog.findChild<QLabel*>(QString::fromLatin1(name));
        add(name, label != nullptr ? label->text() : QString());
    }
    for (const char* name : {"backButton", "forwardButton", "toParentButton", "newFolderButton",
                             "listModeButton", "detailModeButton"}) {
        auto* button = dialog.findChild<QToolButton*>(QString::fromLatin1(name));
        add(name, button != nullptr ? button->toolTip() : QString());
    }
    auto* box = dialog.findChild<QDialogButtonBox*>(QStringLiteral("buttonBox"));
    for (QDialogButtonBox::StandardButton which :
         {mode == QFileDialog::AcceptOpen ? QDialogButtonBox::Open : QDialogButtonBox::Save,
          QDialogButtonBox::Cancel}) {
        QPushButton* button = box != nullptr ? box->button(which) : nullptr;
        add("button", button != nullptr ? button->text() : QString());
    }
    auto* details = dialog.findChild<QTreeView*>(QStringLiteral("treeView"));
    for (int column = 0; column < 4; ++column)
        add("column heading", details != nullptr
                                  ? details->model()->headerData(column, Qt::Horizontal).toString()
                                  : QString());
    auto* types = dialog.findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
    add("file type", types != nullptr ? types->itemText(0) : QString());
}

void addMessageBox(std::vector<ShownText>& texts) {
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Selvoria"), QStringLiteral("本文"),
                    QMessageBox::Ok | QMessageBox::Cancel | QMessageBox::Yes | QMessageBox::No |
                        QMessageBox::Close | QMessageBox::Save | QMessageBox::Discard);
    for (QMessageBox::StandardButton which :
         {QMessageBox::Ok, QMessageBox::Cancel, QMessageBox::Yes, QMessageBox::No,
          QMessageBox::Close, QMessageBox::Save, QMessageBox::Discard}) {
        QAbstractButton* button = box.button(which);
        texts.push_back({QStringLiteral("message box button %1").arg(int(which)),
                         button != nullptr ? button->text() : QString()});
    }
}

TEST(StartUpTest, QtsOwnTextsReadInJapanese) {
    std::vector<ShownText> texts;
    addLineEditMenu(texts);
    addFileDialog(texts, QFileDialog::AcceptOpen);
    addFileDialog(texts, QFileDialog::AcceptSave);
    addMessageBox(texts);
    for (const ShownText& shown : texts) {
        SCOPED_TRACE(shown.where.toStdString() + ": \"" + shown.text.toStdString() + "\"");
        EXPECT_FALSE(shown.text.isEmpty()) << "not found";
        EXPECT_FALSE(hasLatinLetter(withoutKeys(shown.text)));
    }
}

TEST(StartUpTest, WindowIconUsesThePngsOfItsSizesAndTheSvgForTheRest) {
    const QIcon icon = QApplication::windowIcon();
    const int themeSizes[] = {16, 32, 48, 64, 128, 256};
    for (int size : themeSizes) {
        SCOPED_TRACE(size);
        EXPECT_TRUE(icon.availableSizes().contains(QSize(size, size)));
        // Compared premultiplied, the form a pixmap keeps its pixels in.
        const QImage drawn = QImage(QStringLiteral(":/icons/selvoria-%1.png").arg(size))
                                 .convertToFormat(QImage::Format_ARGB32_Premultiplied);
        ASSERT_EQ(drawn.size(), QSize(size, size));
        EXPECT_EQ(icon.pixmap(size).toImage().convertToFormat(drawn.format()), drawn);
    }
    for (int size : {24, 512}) {
        SCOPED_TRACE(size);
        const QImage image = icon.pixmap(size).toImage();
        EXPECT_EQ(image.size(), QSize(size, size));
        // The SVG's frame is an opaque, light rounded square: its middle is never transparent.
        EXPECT_EQ(qAlpha(image.pixel(size / 2, size / 2)), 255);
    }
}

// The menu bar's extension button, shown only when the menus do not fit, gets its icon when it is
// first drawn: the icon Qt's own style gives, in every size and look.
TEST(StartUpTest, MenuBarExtensionIconIsTheStylesOwn) {
    const auto* style = qobject_cast<const QProxyStyle*>(QApplication::style());
    ASSERT_NE(style, nullptr);
    const std::unique_ptr<QStyle> own(QStyleFactory::create(style->baseStyle()->name()));
    ASSERT_NE(own, nullptr);
    const QIcon deferred = style->standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton);
    const QIcon expected = own->standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton);
    ASSERT_FALSE(expected.availableSizes().isEmpty());
    EXPECT_EQ(deferred.availableSizes(), expected.availableSizes());
    for (const QSize size : expected.availableSizes())
        for (const QIcon::Mode mode : {QIcon::Normal, QIcon::Disabled, QIcon::Active}) {
            SCOPED_TRACE(size.width());
            EXPECT_EQ(deferred.pixmap(size, mode).toImage(), expected.pixmap(size, mode).toImage());
            EXPECT_EQ(deferred.pixmap(size, 1.5, mode).toImage(),
                      expected.pixmap(size, 1.5, mode).toImage());
            EXPECT_EQ(deferred.actualSize(size, mode), expected.actualSize(size, mode));
        }
}

}  // namespace
