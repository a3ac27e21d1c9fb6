// The process-wide service set, pointing at the in-memory defaults until replaced.
#include "platform/Services.h"

#include "platform/MemoryServices.h"

namespace {

Services DefaultServices() {
    MemoryServices& m = DefaultMemoryServices();
    return Services{&m.settings, &m.messages, &m.status, &m.cursors, &m.text, &m.clipboard, &m.colorDialog, &m.alerts};
}

}  // namespace

IClipboard* DefaultClipboardService() { return &DefaultMemoryServices().clipboard; }
IColorDialog* DefaultColorDialogService() { return &DefaultMemoryServices().colorDialog; }
IAlerts* DefaultAlertsService() { return &DefaultMemoryServices().alerts; }

Services& AppServices() {
    static Services services = DefaultServices();
    return services;
}

void ResetAppServices() {
    DefaultMemoryServices().Clear();
    AppServices() = DefaultServices();
}
