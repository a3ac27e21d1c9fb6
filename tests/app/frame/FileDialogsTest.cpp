// The open dialog offers the document type by the name the string table gives it, with the
// patterns Qt needs, and all files.
#include "AppTestSupport.h"

#include "../support/ModalDialogDriver.h"

#include "app/frame/FileDialogs.h"

#include <QFileDialog>

#include <gtest/gtest.h>

namespace {

TEST(FileDialogsTest, OpenDialogOffersTheDocumentTypeAndAllFiles) {
    QtFileDialogs dialogs;
    QStringList filters;
    WithModalDialog(
        [&](QDialog& dialog) {
            if (auto* file = qobject_cast<QFileDialog*>(&dialog)) filters = file->nameFilters();
        },
        [&] { EXPECT_EQ(dialogs.AskOpenFileName(nullptr), ""); });
    EXPECT_EQ(filters, (QStringList{"Kovel Datei (*.cpr;*.cap) (*.cpr *.cap)", "Alle Dateien (*.*) (*)"}));
}

}  // namespace
