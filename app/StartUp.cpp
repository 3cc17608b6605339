#include "app/StartUp.h"

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QStyleFactory>
#include <QTranslator>
#include <cstdio>
#include <iostream>

#include "app/CommandLine.h"
#include "app/DeferredIconsStyle.h"
#include "app/DrawingDocument.h"
#include "app/Form1.h"
#include "app/JapaneseButtonTexts.h"
#include "app/SizedIconEngine.h"
#include "app/Subcommands.h"
#include "toolkit/Appearance.h"

namespace {

// Qt's catalogues that hold the texts of the widgets the program shows; Debian ships them in
// qt6-translations-l10n.
constexpr const char* kQtCatalogues[] = {"qtbase_ja"};

// The sizes of the hicolor theme that the icon is drawn for; the SVG serves all others.
constexpr int kIconSizes[] = {16, 32, 48, 64, 128, 256};

void installQtCatalogues(QApplication& app) {
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    for (const char* name : kQtCatalogues) {
        auto* catalogue = new QTranslator(&app);
        if (catalogue->load(QString::fromLatin1(name), folder)) {
            QApplication::installTranslator(catalogue);
        } else {
            qWarning(
                "Qt の日本語カタログ %s が %s にありません。Qt の標準の文言は英語で表示されます",
                name, qPrintable(folder));
            delete catalogue;
        }
    }
    // Installed last, so that it is asked first.
    QApplication::installTranslator(new JapaneseButtonTexts(&app));
}

QIcon applicationIcon() {
    QMap<int, QString> sized;
    for (int size : kIconSizes) sized[size] = QStringLiteral(":/icons/selvoria-%1.png").arg(size);
    return QIcon(new SizedIconEngine(sized, QStringLiteral(":/icons/selvoria.svg")));
}

}  // namespace

int answerWithoutWindow(const CommandLine& command) {
    if (command.action == CommandLine::Action::Error) {
        std::fprintf(stderr, "%s\n", command.message.c_str());
        return 2;
    }
    const std::string text = command.action == CommandLine::Action::Version
                                 ? CommandLine::versionText()
                                 : CommandLine::usageText();
    // A full disk or a closed pipe must not pass for an answer given.
    if (std::fputs(text.c_str(), stdout) == EOF || std::fflush(stdout) == EOF) {
        std::perror("selvoria: 標準出力に書けません");
        return 1;
    }
    return 0;
}

void prepareApplication(QApplication& app) {
    QApplication::setApplicationName(QStringLiteral("Selvoria"));
    QApplication::setApplicationVersion(QStringLiteral(SELVORIA_VERSION));
    QApplication::setOrganizationDomain(QStringLiteral("selvoria.org"));
    // Matches the installed desktop entry, so that a desktop finds the running window's entry
    // and icon by it.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.selvoria.Selvoria"));
    Q_INIT_RESOURCE(assets);
    Q_INIT_RESOURCE(icons);
    // The style Qt chose or the user asked for, made anew to wrap it.
    if (QStyle* chosen = QStyleFactory::create(QApplication::style()->name()))
        QApplication::setStyle(new DeferredIconsStyle(chosen));
    QApplication::setWindowIcon(applicationIcon());
    // One face for every window, Qt's own dialogs and message boxes too; the text fields then lay
    // out their first, empty line in it, so that no second face is loaded at start.
    QApplication::setFont(minchoFont());
    installQtCatalogues(app);
}

int runSelvoria(int argc, char** argv, const std::function<void(Form1&)>& watch) {
    // Read before Qt starts, so that the commands without a window, --help, --version and a wrong
    // option need no display.
    if (argc > 1 && isSubcommand(argv[1])) return runSubcommand(argc, argv, std::cout, std::cerr);
    const CommandLine command = CommandLine::parse(argc, argv);
    if (command.action != CommandLine::Action::Run) return answerWithoutWindow(command);
    QApplication app(argc, argv);
    prepareApplication(app);
    Form1 form;
    if (watch) watch(form);
    form.show();
    // A drawing named on the command line, as the file manager passes it; the launcher has made
    // a relative name absolute before it changed into the bitmaps' folder.
    if (!command.filePath.empty())
        form.document().openPath(QString::fromStdString(command.filePath));
    return app.exec();
}
