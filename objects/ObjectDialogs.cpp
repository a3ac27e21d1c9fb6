#include "objects/ObjectDialogs.h"

namespace {

class CancellingDialogs final : public IObjectDialogs {
public:
    bool EditLineAndFill(LineFillValues&) override { return false; }
};

CancellingDialogs g_cancelling;
IObjectDialogs* g_dialogs = &g_cancelling;

}  // namespace

IObjectDialogs& ObjectDialogs() { return *g_dialogs; }

void SetObjectDialogs(IObjectDialogs* dialogs) { g_dialogs = dialogs ? dialogs : &g_cancelling; }
