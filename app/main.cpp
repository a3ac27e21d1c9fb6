// Kovel: furnishing rooms on a floor plan.
#include "app/KovelApp.h"
#include "app/frame/AutosaveController.h"
#include "platform/qt/QtServices.h"

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QTranslator>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Velmarstad"));
    QApplication::setApplicationName(QStringLiteral("Kovel"));
    QApplication::setApplicationVersion(QStringLiteral("2.31"));
    QApplication::setDesktopFileName(QStringLiteral("kovel"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/kovel.svg")));
    // The program speaks German; the framework's own dialogs and buttons (Ja/Nein/Abbrechen,
    // file and print dialogs) follow when Qt's German translation is installed.
    QTranslator frameworkGerman;
    if (frameworkGerman.load(QStringLiteral("qtbase_de"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&frameworkGerman);
    QtServices::Install();

    // The arguments as the system gave them (QApplication took out its own): file names stay
    // the bytes the file system knows, also when they are not UTF-8.
    const std::vector<std::string> args(argv + 1, argv + argc);

    KovelApp kovel;
    kovel.SetAutosaveFolder(AutosaveController::DefaultFolder());
    if (kovel.InitInstance(args) == KovelApp::StartResult::Exit) return kovel.ExitCode();
    return QApplication::exec();
}
