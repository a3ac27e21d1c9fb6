// Test entry for editing in the real document window: a QApplication on the offscreen
// platform (unless another is chosen), with the tool framework every new window uses.
#include "app/viewwindow/ViewWindowFactory.h"
#include "tools/ToolFramework.h"

#include <QApplication>

#include <gtest/gtest.h>

namespace appedit {
CToolFramework& EditTestTools() {
    static CToolFramework tools;
    return tools;
}
}  // namespace appedit

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    SetViewToolSink(&appedit::EditTestTools());
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
