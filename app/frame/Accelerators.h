// The keys of the command table (commands/CommandTable.h) as Qt key sequences.
#pragma once

#include "commands/CommandTable.h"

#include <QKeySequence>

#include <functional>
#include <vector>

class QWidget;

// The key sequences of one key. A character key becomes the key that types it (a capital
// letter with Shift as well as without, for Caps Lock); a virtual key its Qt key with the
// modifiers (main-keyboard plus also as the '=' key that carries it on some layouts;
// numeric-pad minus with the keypad modifier).
std::vector<QKeySequence> KeySequencesFor(const CommandKey& key);

// Every key sequence of a command, in table order, without repeats.
QList<QKeySequence> KeySequencesOf(const Command& command);

// Calls refresh before the keys of frame's window are matched to actions, so a key finds
// its command enabled or disabled by the present state (a drawn object can be selected with
// Ctrl+A at once, not only after the next idle update). The watcher lives as long as frame.
void RefreshCommandStatesBeforeKeys(QWidget* frame, std::function<void()> refresh);
