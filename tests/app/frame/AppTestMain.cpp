// Test entry of the shell tests: a QApplication on the offscreen platform.
#include "AppTestSupport.h"

#include "document/SymbolLibrary.h"

#include <QApplication>
#include <QCoreApplication>

#include <gtest/gtest.h>

ShellTestEnvironment::ShellTestEnvironment() {
    settings = std::make_unique<QtSettingsStore>(dir.filePath(QStringLiteral("Kovel.conf")));
    AppServices().settings = settings.get();
    AppServices().messages = &messages;
}

ShellTestEnvironment::~ShellTestEnvironment() {
    ProcessEvents();
    ResetAppServices();
}

std::unique_ptr<QtSettingsStore> ShellTestEnvironment::ReopenSettings() const {
    settings->Sync();
    return std::make_unique<QtSettingsStore>(dir.filePath(QStringLiteral("Kovel.conf")));
}

std::string BuildFolder() { return KOVEL_TEST_BINARY_DIR; }

void ProcessEvents() {
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }
}

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    SetSymbolLibraryPath(BuildFolder() + "/Kovel.sym");
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
