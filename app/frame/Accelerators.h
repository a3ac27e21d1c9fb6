// The core's keys (EditAccelerators() and ToolAccelerators(), kept as data in view/ and
// tools/) as Qt key sequences on the frame's command actions.
#pragma once

#include "view/ViewEditAccelerators.h"

#include <QKeySequence>

#include <functional>
#include <map>
#include <vector>

class QAction;
class QWidget;

// The key sequences that send an entry's command. A character entry becomes the key that
// types it (a capital letter with Shift as well as without, for Caps Lock); a virtual key
// its Qt key with the modifiers (main-keyboard plus also as the '=' key that carries it on
// some layouts; numeric-pad minus with the keypad modifier).
std::vector<QKeySequence> KeySequencesFor(const Accelerator& accelerator);

// Every core key by command id, without repeats.
std::map<int, std::vector<QKeySequence>> CoreAcceleratorKeys();

// Gives each command's action the core keys it does not have yet. A key that another
// action already owns stays with that action (two actions on one key would both go dead).
void AddCoreAccelerators(const std::map<int, QAction*>& actions);

// Calls refresh before the keys of frame's window are matched to actions, so a key finds
// its command enabled or disabled by the present state (a drawn object can be selected with
// Ctrl+A at once, not only after the next idle update). The watcher lives as long as frame.
void RefreshCommandStatesBeforeKeys(QWidget* frame, std::function<void()> refresh);
