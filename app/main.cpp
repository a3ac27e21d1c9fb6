// Kovel: furnishing rooms on a floor plan.
#include "app/KovelApp.h"
#include "platform/qt/QtServices.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Velmarstad"));
    QApplication::setApplicationName(QStringLiteral("Kovel"));
    QApplication::setApplicationVersion(QStringLiteral("2.31"));
    QApplication::setDesktopFileName(QStringLiteral("kovel"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/kovel.svg")));
    QtServices::Install();

    std::vector<std::string> args;
    const QStringList arguments = QApplication::arguments();
    for (qsizetype i = 1; i < arguments.size(); ++i) args.push_back(arguments[i].toStdString());

    KovelApp kovel;
    if (kovel.InitInstance(args) == KovelApp::StartResult::Exit) return kovel.ExitCode();
    return QApplication::exec();
}
