// Command routing vocabulary. A command goes to the active view, then its document, then the
// main frame, then the application; the first target that claims it handles it. The same
// route answers the update rule (enabled, checked) of menu items and buttons.
#pragma once

#include <string>

struct CommandState {
    CommandState(bool isEnabled = true, bool isChecked = false) : enabled(isEnabled), checked(isChecked) {}

    bool enabled = true;
    bool checked = false;
    std::string text;      // the menu text when it names what the command will do; else empty
    std::string helpLine;  // the help line that goes with it
};

class CommandTarget {
public:
    virtual ~CommandTarget() = default;
    // Runs command id; false when this target does not handle it (the route goes on).
    virtual bool OnCommand(int id) = 0;
    // Fills in the state of command id; false when this target does not handle it. A
    // target that handles a command must claim it here too, or the command stays disabled.
    // state arrives enabled and unchecked.
    virtual bool OnUpdateCommand(int id, CommandState& state) = 0;
};
