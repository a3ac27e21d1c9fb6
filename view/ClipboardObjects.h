// Reading object copies back from the clipboard, shared by paste and by storing a
// selection as a library symbol.
#pragma once

#include "document/ArdoDoc.h"

struct Services;

// The objects of the clipboard's "Kovel Format" block; empty when it holds none. The bytes
// may come from any program: damaged ones give the "unexpected format" message and nothing.
ObjectList ReadClipboardObjects(Services& services);
