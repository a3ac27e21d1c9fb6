// The Qt implementations of the platform services, installed as AppServices() by the shell.
#pragma once

#include "platform/qt/QtAlerts.h"
#include "platform/qt/QtClipboard.h"
#include "platform/qt/QtColorDialog.h"
#include "platform/qt/QtCursors.h"
#include "platform/qt/QtMessageBoxes.h"
#include "platform/qt/QtSettingsStore.h"
#include "platform/qt/QtStatusBar.h"
#include "platform/qt/QtTextMeasure.h"

struct QtServices {
    QtSettingsStore settings;
    QtMessageBoxes messages;
    QtStatusBar status;
    QtCursors cursors;
    QtTextMeasure text;
    QtClipboard clipboard;
    QtColorDialog colorDialog;
    QtAlerts alerts;

    // Creates the process-wide set on first use (a QGuiApplication must exist for the
    // text measure and message boxes) and points AppServices() at it.
    static QtServices& Install();
    // Points AppServices() back at the in-memory defaults; the Qt set stays alive.
    static void Uninstall();
};
