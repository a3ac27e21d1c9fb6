// The document's settings commands as a command target of the document in the shell's
// command route (registered for every opened document).
#pragma once

#include "app/frame/CommandTarget.h"

#include <memory>

class CArdoDoc;

std::unique_ptr<CommandTarget> MakeDocumentSettingsTarget(const std::shared_ptr<CArdoDoc>& doc);
