// The document's settings commands: scale and unit (32842), origin (32846), grid lines
// (32840), snap grid (32861) and the colour around the sheet (32781).
#pragma once

class CArdoDoc;
class QWidget;

// True for the five command ids above (always enabled).
bool IsDocumentSettingsCommand(int id);
// Runs one of them with its dialog over parent; false for any other id.
bool RunDocumentSettingsCommand(int id, CArdoDoc& doc, QWidget* parent);
// "Hintergrundfarbe ändern": the colour dialog, starting from black; on OK the colour around
// the sheet changes, the document is modified and every view repaints.
bool RunBackgroundColorDialog(CArdoDoc& doc, QWidget* parent);
