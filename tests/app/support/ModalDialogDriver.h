// Driving a modal dialog from a GUI test: the shared helper of the Qt test suites.
#pragma once

#include <QApplication>
#include <QDialog>
#include <QTimer>

#include <functional>

// Runs `run` (which opens a modal dialog) and hands the dialog to `drive` once it is up.
// A dialog the drive leaves open is rejected, so a test never hangs.
inline void WithModalDialog(const std::function<void(QDialog&)>& drive, const std::function<void()>& run) {
    QTimer::singleShot(0, [drive] {
        auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!modal) return;
        drive(*modal);
        if (modal->isVisible()) modal->reject();
    });
    run();
}

// The same for drives that take the dialog as a widget.
inline void WithModalDialog(const std::function<void(QWidget*)>& drive, const std::function<void()>& run) {
    WithModalDialog(std::function<void(QDialog&)>([drive](QDialog& dialog) { drive(&dialog); }), run);
}
