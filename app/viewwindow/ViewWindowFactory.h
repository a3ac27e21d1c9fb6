// How the shell makes document windows and tells them about the program's state.
#pragma once

#include <memory>

class CArdoDoc;
class InputToolSink;
class QWidget;

// A new window showing the document (a ViewWindow: the widget is also the view's
// CommandTarget, reachable with dynamic_cast). The window shares ownership of the document.
QWidget* CreateViewWindow(std::shared_ptr<CArdoDoc> doc, QWidget* parent);

// The program was started to print a file: views print at once, without dialogs.
void SetViewPrintMode(bool printMode);
bool ViewPrintMode();

// The tool framework every new view forwards its mouse and key events to (may be null).
void SetViewToolSink(InputToolSink* sink);
InputToolSink* ViewToolSink();
