// Sends a command along a route of targets; a command no target claims is disabled.
#pragma once

#include "app/frame/CommandTarget.h"

#include <functional>
#include <vector>

class CommandRouter {
public:
    // The route, built anew for every command, so it always starts at the active view.
    using Route = std::function<std::vector<CommandTarget*>()>;

    explicit CommandRouter(Route route) : m_route(std::move(route)) {}

    // The state of id along the route; disabled when nobody claims it.
    CommandState Query(int id) const;
    // Runs id when it is enabled; true when a target handled it.
    bool Execute(int id);

private:
    Route m_route;
};
