// Short user sessions through the window, each followed by what the window must show. Actions:
//   R:100[:u]  "抵抗" with 100 typed and the unit list moved down u times (L: coil, C: capacitor,
//              F: frequency)      V, H  "縦線", "横線"       dN@x,y  drag Picture N to (x, y)
//   iN@x,y     drag Image N       D  double-click the background      clear  "クリア"
//   calc       "計算実行"         conv  "インピーダンス　素子化"        unit:i  pick result unit i
//   comma      the system's decimal separator is a comma from here on
// Expected values: TextN, LabelN (also Label23_0), CommandN shown/hidden, PictureN and ImageN
// hidden or x,y in pixels, red (the marked slots), steps (the steps window's unit and first
// row), csv (the first row of the frequency response saved as CSV).

#include <QFileDialog>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>

#include <clocale>
#include <cstdlib>
#include <map>

#include "WindowTest.h"
#include "following/StepsWindow.h"
#include "response/ResponseWindow.h"

namespace {

// A German locale built into a temporary folder: the machine need not have one installed.
class CommaLocale {
public:
    CommaLocale() : mSaved(std::setlocale(LC_NUMERIC, nullptr)) {
        const QString command =
            QStringLiteral("localedef -i de_DE -f UTF-8 %1/de_DE.UTF-8").arg(mFolder.path());
        mReady = std::system(command.toLocal8Bit().constData()) == 0;
        setenv("LOCPATH", mFolder.path().toLocal8Bit().constData(), 1);
        mReady = mReady && std::setlocale(LC_NUMERIC, "de_DE.UTF-8") != nullptr;
    }
    ~CommaLocale() {
        std::setlocale(LC_NUMERIC, mSaved.c_str());
        unsetenv("LOCPATH");
    }
    bool ready() const { return mReady; }

private:
    std::string mSaved;
    QTemporaryDir mFolder;
    bool mReady = false;
};

struct Session {
    const char* name;
    std::vector<std::string> actions;
    std::map<std::string, QString> expected;
};

void PrintTo(const Session& session, std::ostream* out) {
    *out << session.name;
}

class UserSessionTest : public WindowTest, public ::testing::WithParamInterface<Session> {
protected:
    std::unique_ptr<CommaLocale> comma;

    void perform(const std::string& action) {
        const auto number = [&](std::size_t from) { return std::stoi(action.substr(from)); };
        const auto point = [&](std::size_t at) {
            const std::size_t commaAt = action.find(',', at);
            return QPoint(number(at + 1), number(commaAt + 1));
        };
        static const std::map<char, const char*> dialogs{
            {'R', "Command1"}, {'L', "Command2"}, {'C', "Command3"}, {'F', "Command4"}};
        if (action == "V" || action == "H")
            return user.click(action == "V" ? "Command7" : "Command8");
        if (action == "D") return user.doubleClick(background);
        if (action == "clear") return user.click("Command10");
        if (action == "calc") return user.click("Command6");
        if (action == "conv") return user.click("Command9");
        if (action == "comma") return void(comma = std::make_unique<CommaLocale>());
        if (action.starts_with("unit:")) return pickResultUnit(number(5));
        if (action[0] == 'd') return user.drag(form.picture(number(1)), point(action.find('@')));
        if (action[0] == 'i') return user.drag(form.lineImage(number(1)), point(action.find('@')));
        const std::size_t unitAt = action.find(':', 2);
        const std::string typed = action.substr(2, unitAt - 2);
        user.enterValue(dialogs.at(action[0]), QString::fromStdString(typed),
                        unitAt == std::string::npos ? 0 : number(unitAt + 1));
    }

    QString element(QWidget* widget) {
        if (!widget->isVisible()) return QStringLiteral("hidden");
        return QStringLiteral("%1,%2").arg(widget->x()).arg(widget->y());
    }

    QString marked() {
        QStringList marks;
        for (int s = 1; s <= 20; ++s)
            if (red(s)) marks << QString::number(s);
        return marks.join(u',');
    }

    QString steps() {
        form.findChild<QAction*>("actionReductionSteps")->trigger();
        auto* window = form.findChild<StepsWindow*>();
        window->flush();
        auto* table = window->findChild<QTableWidget*>("steps");
        QString shown = table->horizontalHeaderItem(2)->text();
        for (int c = 0; c < table->columnCount(); ++c) shown += u'|' + table->item(0, c)->text();
        return shown;
    }

    // Opens the frequency response, saves it as CSV through the file dialog, reads it back.
    QString csvFirstRow() {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("sweep.csv"));
        form.findChild<QAction*>("actionFrequencyResponse")->trigger();
        auto* response = form.findChild<ResponseWindow*>();
        response->flush();
        whenModalOpens([&](QDialog* files) {
            qobject_cast<QFileDialog*>(files)->selectFile(path);
            files->accept();
        });
        for (auto* button : response->findChildren<QPushButton*>())
            if (button->text() == QStringLiteral("CSV保存")) button->click();
        response->close();
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) return QStringLiteral("not saved");
        return QString::fromUtf8(file.readAll()).split(u'\n').value(1);
    }

    QString read(const std::string& key) {
        const QString name = QString::fromStdString(key);
        if (key == "red") return marked();
        if (key == "steps") return steps();
        if (key == "csv") return csvFirstRow();
        if (key.starts_with("Text")) return field(std::stoi(key.substr(4)));
        if (key.starts_with("Command")) return visible(key.c_str()) ? "shown" : "hidden";
        if (key.starts_with("Picture")) return element(form.picture(std::stoi(key.substr(7))));
        if (key.starts_with("Image")) return element(form.lineImage(std::stoi(key.substr(5))));
        return form.findChild<QLabel*>(name)->text();
    }
};

const Session kSessions[] = {
    {"クリア hides the conversion",
     {"R:100", "calc", "clear"},
     {{"Command9", "hidden"}, {"Command4", "shown"}, {"Picture1", "hidden"}, {"Text2", ""}}},
    {"the fourth palette slot",
     {"R:1", "R:2", "R:3", "R:4", "L:1", "L:1", "L:1", "L:1"},
     {{"Picture4", "560,216"}, {"Picture9", "560,312"}, {"Label6", " 4Ω"}}},
    {"ＭΩ in the value dialog",
     {"R:2:2", "calc"},
     {{"Label3", " 2ＭΩ"}, {"Text2", "2000000"}, {"Text1", "2000000"}, {"red", "1"}}},
    {"a dragged part is what a double-click removes",
     {"V", "i1@100,300", "R:100", "d1@300,250", "D"},
     {{"Picture1", "hidden"}, {"Image1", "100,300"}, {"Command4", "shown"}}},
    {"a dragged line is what a double-click removes",
     {"R:100", "V", "i1@100,300", "D"},
     {{"Picture1", "240,216"}, {"Image1", "hidden"}}},
    {"two stacked resistors",
     {"R:100", "R:100", "d1@300,250", "d2@300,315", "V", "V", "i1@374,274", "i2@292,274", "calc"},
     {{"Text1", "50"}, {"Text4", "0"}, {"red", "1,2"}, {"Command9", "shown"}}},
    {"a frequency in ＫＨｚ",
     {"F:50:1"},
     {{"Label18", "50"}, {"Label19", "ＫＨｚ"}, {"Text1", ""}}},
    {"a coil at 50 Hz",
     {"L:0.1", "F:50", "calc"},
     {{"Text3", "31.416"}, {"Text4", "90"}, {"Text2", "0"}}},
    {"comma locale in the result fields and the frequency label",
     {"comma", "F:2,5", "R:1500", "calc", "unit:1"},
     {{"Text2", "1,5"}, {"Text1", "1,5"}, {"Text3", "0"}, {"Label18", "2,5"}}},
    {"a negative half rounds away from zero on the new part",
     {"C:63.6619772:1", "F:1", "unit:1", "calc", "conv"},
     {{"Label23_0", "0ＫΩ"}, {"Label23_1", "－ｊ3ＫΩ"}, {"Picture16", "240,448"}}},
    {"conversion in Ω",
     {"R:100", "calc", "conv"},
     {{"Label23_0", "100Ω"},
      {"Label23_1", "＋ｊ0Ω"},
      {"Command4", "hidden"},
      {"Picture1", "hidden"}}},
    {"the CSV in the result unit", {"R:100", "unit:1"}, {{"csv", "1,0.1,0,0.1,0"}}},
    {"the steps window in the result unit",
     {"R:100", "unit:2", "calc"},
     {{"steps", "実部 (ＭΩ)|素子|抵抗 100Ω|0|0"}, {"Text2", "0"}}},
};

TEST_P(UserSessionTest, WindowShowsWhatTheSessionLeaves) {
    const Session& session = GetParam();
    for (const std::string& action : session.actions) perform(action);
    if (comma) {
        ASSERT_TRUE(comma->ready()) << "localedef could not build de_DE";
    }
    for (const auto& [key, value] : session.expected) EXPECT_EQ(read(key), value) << key;
    comma.reset();
}

INSTANTIATE_TEST_SUITE_P(Sessions, UserSessionTest, ::testing::ValuesIn(kSessions),
                         [](const ::testing::TestParamInfo<Session>& info) {
                             return "session" + std::to_string(info.index);
                         });

}  // namespace
