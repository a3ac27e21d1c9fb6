// "Drucker &einrichten..." (cmd::PrintSetup) is the application's command: it works with or
// without an open document, on the printer every later print uses.
#include "app/frame/CommandHooks.h"
#include "app/print/PrintCommands.h"
#include "commands/CommandIds.h"

#include <QApplication>

namespace {

class PrintSetupTarget : public CommandTarget {
public:
    bool OnCommand(int id) override {
        if (id != cmd::PrintSetup) return false;
        printing::RunPrinterSetup(QApplication::activeWindow());
        return true;
    }
    bool OnUpdateCommand(int id, CommandState&) override { return id == cmd::PrintSetup; }
};

PrintSetupTarget g_printSetup;
const bool registered = (AddApplicationTarget(&g_printSetup), true);

}  // namespace
