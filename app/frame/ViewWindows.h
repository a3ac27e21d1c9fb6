// Creates the widget of one document window (an MDI child's content). The document window
// widget comes from app/view/ViewWindowFactory.h; until that exists a plain placeholder
// shows the empty sheet.
#pragma once

#include <memory>

class CArdoDoc;
class QWidget;

QWidget* MakeViewWindow(const std::shared_ptr<CArdoDoc>& doc, QWidget* parent);
