#include "platform/qt/QtServices.h"

QtServices& QtServices::Install() {
    static QtServices services;
    AppServices() = Services{&services.settings, &services.messages,  &services.status,      &services.cursors,
                             &services.text,     &services.clipboard, &services.colorDialog, &services.alerts};
    return services;
}

void QtServices::Uninstall() { ResetAppServices(); }
