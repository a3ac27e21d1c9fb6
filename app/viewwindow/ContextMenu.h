// The pop-up menu of a document window as a QMenu: the items the view lists,
// each enabled and checked by the command route, and run through it when chosen.
#pragma once

#include "app/frame/CommandTarget.h"
#include "view/ViewEditCommands.h"

#include <functional>

class QMenu;
class QWidget;

// How the menu asks for a command's state and runs it (normally the main frame's route).
struct CommandRoute {
    std::function<CommandState(int id)> query;
    std::function<bool(int id)> run;
};

// Builds the menu of the request; the menu belongs to owner and deletes itself when closed.
// Each action carries its command id as data.
QMenu* BuildContextMenu(const ContextMenuRequest& request, const CommandRoute& route, QWidget* owner);
