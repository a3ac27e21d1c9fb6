// Registration of the drawing object classes with the archive's class registry, so that
// documents, symbol libraries and clipboard copies can create them by name.
#pragma once

// Registers the object base, the rectangle family and the polygon family. Calling it again
// is harmless.
void RegisterDrawingObjectClasses();
