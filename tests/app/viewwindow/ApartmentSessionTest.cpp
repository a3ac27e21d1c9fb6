// A session with the sample apartment in a main window: open, zoom to a rectangle, back to
// the full view, print to PDF and close, without any message or question on the way.
#include "AppViewTestSupport.h"

#include "app/print/PrintCommands.h"
#include "app/viewwindow/ViewWindow.h"
#include "app/viewwindow/ViewWindowFactory.h"
#include "commands/CommandIds.h"
#include "document/ArdoDoc.h"
#include "document/DocumentFormats.h"
#include "document/SymbolLibrary.h"
#include "plan/FileReaders.h"

#include <QFile>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

const char* const kApartment = KOVEL_PLANS_DIR "/apartment.cap";

class ApartmentSessionTest : public AppViewTest {
protected:
    void SetUp() override {
        AppViewTest::SetUp();
#ifdef KOVEL_SYMBOL_LIBRARY
        SetSymbolLibraryPath(KOVEL_SYMBOL_LIBRARY);  // the library the build made
#endif
    }
    void TearDown() override {
        SetSymbolLibraryPath("");
        AppViewTest::TearDown();
    }
};

TEST_F(ApartmentSessionTest, OpenZoomFullViewPrintAndClose) {
    if (!QFile::exists(kApartment)) GTEST_SKIP() << "sample plans not built: " << kApartment;
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());

    DocumentFormats formats;
    AddFileReaders(formats);
    auto doc = std::make_shared<CArdoDoc>();
    ASSERT_TRUE(doc->OnOpenDocument(kApartment, formats));
    doc->SetTitle("apartment");
    ASSERT_FALSE(doc->Background().empty());
    // The import leaves the plan to be saved as a document; take it as saved, so the session
    // below must not change it.
    doc->SetModifiedFlag(false);

    QMainWindow frame;
    auto* area = new QMdiArea(&frame);
    frame.setCentralWidget(area);
    frame.resize(900, 700);
    QMdiSubWindow* sub = area->addSubWindow(CreateViewWindow(doc, nullptr));
    auto* window = qobject_cast<ViewWindow*>(sub->widget());
    ASSERT_NE(window, nullptr);
    frame.show();
    sub->showMaximized();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&frame));
    area->setActiveSubWindow(sub);
    EXPECT_TRUE(window->View().m_active);
    EXPECT_EQ(Status().PaneText(kPaneZoom), "Vollbild");
    EXPECT_EQ(Status().PaneText(kPaneScale), "1:100");
    const QImage full = window->Picture();

    // The plan draws in black over the white sheet.
    int dark = 0;
    for (int y = 0; y < full.height(); ++y)
        for (int x = 0; x < full.width(); ++x) dark += qGray(full.pixel(x, y)) < 64;
    EXPECT_GT(dark, 500);

    QWidget* viewport = window->viewport();
    QTest::mouseMove(viewport, QPoint(100, 100));
    EXPECT_FALSE(Status().PaneText(kPanePosition).empty());
    ASSERT_TRUE(window->OnCommand(cmd::Zoom));
    QTest::mouseClick(viewport, Qt::LeftButton, {}, QPoint(100, 100));
    QTest::mouseMove(viewport, QPoint(250, 220));
    QTest::mouseClick(viewport, Qt::LeftButton, {}, QPoint(250, 220));
    ASSERT_TRUE(window->View().m_zoomed);
    EXPECT_EQ(Status().PaneText(kPaneZoom), "ZOOM");
    EXPECT_NE(window->Picture(), full);

    // Printing while zoomed prints the zoom window enlarged.
    EXPECT_GT(window->View().m_printZoom, 2.0);
    const QString zoomedPdf = dir.filePath("zoomed.pdf");
    ASSERT_TRUE(printing::PrintToPdf(window->View(), zoomedPdf));

    ASSERT_TRUE(window->OnCommand(cmd::FullView));
    EXPECT_FALSE(window->View().m_zoomed);
    EXPECT_EQ(Status().PaneText(kPaneZoom), "Vollbild");
    EXPECT_EQ(window->Picture(), full);

    QPrinter& printer = printing::SharedPrinter();
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath("apartment.pdf"));
    WithModalDialog([](QWidget* modal) { qobject_cast<QDialog*>(modal)->accept(); },
                    [&] { window->OnCommand(cmd::FilePrint); });
    EXPECT_GT(QFile(printer.outputFileName()).size(), 1000);
    EXPECT_GT(QFile(zoomedPdf).size(), 1000);

    // Nothing was changed, so closing asks nothing.
    EXPECT_FALSE(doc->IsModified());
    sub->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(area->subWindowList().isEmpty());
    EXPECT_TRUE(Messages().Calls().empty()) << Messages().LastCall()->text;
    EXPECT_EQ(doc.use_count(), 1);
}

}  // namespace
