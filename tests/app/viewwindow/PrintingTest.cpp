// Printing: the page goes through the view's print loop onto a PDF, the print command runs
// through the print dialog, and print mode prints without dialogs and leaves the document
// unmodified.
#include "AppViewTestSupport.h"

#include "app/print/PrintCommands.h"
#include "app/viewwindow/ViewWindow.h"
#include "app/viewwindow/ViewWindowFactory.h"
#include "commands/CommandIds.h"
#include "document/ArdoDoc.h"
#include "objects/ArdoRect.h"

#include <QFile>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryDir>

#include <memory>

namespace {

bool IsPdf(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return false;
    const QByteArray bytes = file.readAll();
    return bytes.startsWith("%PDF") && bytes.size() > 500;
}

class PrintingTest : public AppViewTest {
protected:
    void SetUp() override {
        AppViewTest::SetUp();
        ASSERT_TRUE(dir.isValid());
        doc = std::make_shared<CArdoDoc>();
        doc->OnNewDocument();
        doc->SetTitle("Wohnung");
        doc->AddObject(std::make_unique<CArdoRect>(CRect(2000, 20000, 12000, 10000), SHAPE_ELLIPSE));
    }
    void TearDown() override {
        SetViewPrintMode(false);
        AppViewTest::TearDown();
    }

    QTemporaryDir dir;
    std::shared_ptr<CArdoDoc> doc;
};

TEST_F(PrintingTest, FallbackPdfPathReplacesExtension) {
    EXPECT_EQ(printing::FallbackPdfPath("/tmp/a/plan.cpr", "plan"), QStringLiteral("/tmp/a/plan.pdf"));
    EXPECT_EQ(printing::FallbackPdfPath("/tmp/a/apartment", "apartment"), QStringLiteral("/tmp/a/apartment.pdf"));
    EXPECT_EQ(printing::FallbackPdfPath("", "Unbenannt"), QStringLiteral("Unbenannt.pdf"));
}

TEST_F(PrintingTest, PrintsOnePageToPdfWithoutChangingTheView) {
    std::unique_ptr<QWidget> window(CreateViewWindow(doc, nullptr));
    CArdoView& view = static_cast<ViewWindow*>(window.get())->View();
    const double ppu = view.m_pixelsPerUnit;
    const QString path = dir.filePath("page.pdf");
    ASSERT_TRUE(printing::PrintToPdf(view, path));
    EXPECT_TRUE(IsPdf(path));
    EXPECT_EQ(view.m_pixelsPerUnit, ppu);
    EXPECT_FALSE(view.m_zoomed);
    EXPECT_GT(view.m_printUnitFactor, 0.0);
    EXPECT_FALSE(printing::PrintToPdf(view, dir.filePath("missing/folder/page.pdf")));
}

TEST_F(PrintingTest, PrintCommandGoesThroughThePrintDialog) {
    std::unique_ptr<QWidget> window(CreateViewWindow(doc, nullptr));
    auto* target = static_cast<ViewWindow*>(window.get());
    const QString path = dir.filePath("dialog.pdf");
    QPrinter& printer = printing::SharedPrinter();
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    bool sawDialog = false;
    WithModalDialog(
        [&](QWidget* modal) {
            sawDialog = qobject_cast<QPrintDialog*>(modal) != nullptr;
            qobject_cast<QDialog*>(modal)->accept();
        },
        [&] { EXPECT_TRUE(target->OnCommand(cmd::FilePrint)); });
    EXPECT_TRUE(sawDialog);
    EXPECT_TRUE(IsPdf(printer.outputFileName())) << printer.outputFileName().toStdString();
}

TEST_F(PrintingTest, PrintModePrintsAtOnceAndLeavesDocumentUnmodified) {
    if (!QPrinterInfo::defaultPrinter().isNull()) GTEST_SKIP() << "a system printer would receive the page";
    doc->SetPathName(dir.filePath("wohnung.cpr").toStdString());
    doc->SetModifiedFlag(true);
    SetViewPrintMode(true);
    // The window's initial update prints; later updates of the whole window do not print again.
    std::unique_ptr<QWidget> window(CreateViewWindow(doc, nullptr));
    const QString pdf = dir.filePath("wohnung.pdf");
    EXPECT_TRUE(IsPdf(pdf));
    EXPECT_FALSE(doc->IsModified());
    QFile::remove(pdf);
    doc->UpdateAllViews(nullptr, HINT_ALL);
    EXPECT_FALSE(QFile::exists(pdf));
    EXPECT_TRUE(Messages().Calls().empty() || Messages().LastCall()->caption == "Konfigurationsfehler");
}

}  // namespace

#include <QPrintPreviewDialog>

namespace {

TEST_F(PrintingTest, PreviewShowsThePageWithoutChangingTheDocument) {
    std::unique_ptr<QWidget> window(CreateViewWindow(doc, nullptr));
    auto* target = static_cast<ViewWindow*>(window.get());
    doc->SetModifiedFlag(false);
    bool sawPreview = false;
    WithModalDialog(
        [&](QWidget* modal) {
            sawPreview = qobject_cast<QPrintPreviewDialog*>(modal) != nullptr;
            qobject_cast<QDialog*>(modal)->reject();
        },
        [&] { EXPECT_TRUE(target->OnCommand(cmd::PrintPreview)); });
    EXPECT_TRUE(sawPreview);
    EXPECT_FALSE(doc->IsModified());
    EXPECT_FALSE(target->View().m_zoomed);
}

}  // namespace
