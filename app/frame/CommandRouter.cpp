#include "app/frame/CommandRouter.h"

CommandState CommandRouter::Query(int id) const {
    for (CommandTarget* target : m_route()) {
        if (!target) continue;
        CommandState state;
        if (target->OnUpdateCommand(id, state)) return state;
    }
    return CommandState{false, false};
}

bool CommandRouter::Execute(int id) {
    // The update rule guards the handler too: a key must not run a command whose menu item
    // is greyed out.
    for (CommandTarget* target : m_route()) {
        if (!target) continue;
        CommandState state;
        if (!target->OnUpdateCommand(id, state)) continue;
        if (!state.enabled) return false;
        return target->OnCommand(id);
    }
    return false;
}
