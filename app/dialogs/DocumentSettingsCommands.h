// The document's settings commands: scale and unit, origin, grid lines, snap grid and the
// colour around the sheet (cmd::ScaleAndUnit, Origin, GridSetup, SnapSetup, BackgroundColor).
#pragma once

class CArdoDoc;
class QWidget;

// True for the five commands above (always enabled).
bool IsDocumentSettingsCommand(int id);
// Runs one of them with its dialog over parent; false for any other id.
bool RunDocumentSettingsCommand(int id, CArdoDoc& doc, QWidget* parent);
// "Hintergrundfarbe ändern": the colour dialog, starting from black; on OK the colour around
// the sheet changes, the document is modified and every view repaints.
bool RunBackgroundColorDialog(CArdoDoc& doc, QWidget* parent);
