// Plug-in points of the command route for the other parts of the shell. The view window
// joins the route by being a CommandTarget itself (the active MDI child's widget); the
// document's commands (scale, origin, grid and snap dialogs, plan import) and the
// application's printer set-up come from targets registered here, for example from a
// static registrar in their own source file:
//
//   static const bool registered = (AddDocumentTargetFactory(
//       [](const std::shared_ptr<CArdoDoc>& doc) { return std::make_unique<MyDocCommands>(doc); }), true);
#pragma once

#include "app/frame/CommandTarget.h"

#include <functional>
#include <memory>
#include <vector>

class CArdoDoc;

// Makes the command target of one document; called once per opened document, which keeps
// the target for as long as it is open.
using DocumentTargetFactory = std::function<std::unique_ptr<CommandTarget>(const std::shared_ptr<CArdoDoc>&)>;
void AddDocumentTargetFactory(DocumentTargetFactory factory);
const std::vector<DocumentTargetFactory>& DocumentTargetFactories();

// A target asked after the application's own commands (not owned; lives for the run).
void AddApplicationTarget(CommandTarget* target);
void RemoveApplicationTarget(CommandTarget* target);
const std::vector<CommandTarget*>& ApplicationTargets();
