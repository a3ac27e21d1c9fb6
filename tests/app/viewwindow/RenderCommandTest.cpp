// kovel-cli render: the sheet as the window shows it, written as PNG, SVG or PDF.
#include "AppViewTestSupport.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#ifdef KOVEL_CLI

namespace {

const char* const kApartment = KOVEL_PLANS_DIR "/apartment.cap";

int RunCli(const QStringList& args) {
    QProcess cli;
    cli.start(QStringLiteral(KOVEL_CLI), QStringList{QStringLiteral("render")} + args);
    if (!cli.waitForFinished(60000)) return -1;
    return cli.exitStatus() == QProcess::NormalExit ? cli.exitCode() : -1;
}

class RenderCommandTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!QFile::exists(kApartment)) GTEST_SKIP() << "sample plans not built";
        ASSERT_TRUE(dir.isValid());
    }
    QTemporaryDir dir;
};

TEST_F(RenderCommandTest, PngShowsSheetWithPlanAndOptionalGrid) {
    const QString plain = dir.filePath("plain.png"), grid = dir.filePath("grid.png");
    ASSERT_EQ(RunCli({kApartment, "-o", plain, "--size", "400x300"}), 0);
    ASSERT_EQ(RunCli({kApartment, "-o", grid, "--size", "400x300", "--grid"}), 0);
    const QImage a(plain), b(grid);
    ASSERT_EQ(a.size(), QSize(400, 300));
    int dark = 0, white = 0, gridColoured = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            dark += qGray(a.pixel(x, y)) < 64;
            white += Pixel(a, x, y) == kWhite;
            gridColoured += Pixel(b, x, y) == 0x000080 && Pixel(a, x, y) == kWhite;
        }
    EXPECT_GT(dark, 200);          // the plan's walls
    EXPECT_GT(white, 40000);       // the sheet
    EXPECT_GT(gridColoured, 200);  // grid lines only with --grid
}

TEST_F(RenderCommandTest, DefaultSizeFollowsTheSheetAndVectorFormatsAreWritten) {
    const QString png = dir.filePath("a.png"), svg = dir.filePath("a.svg"), pdf = dir.filePath("a.pdf");
    ASSERT_EQ(RunCli({kApartment, "-o", png}), 0);
    EXPECT_EQ(QImage(png).width(), 1000);
    ASSERT_EQ(RunCli({kApartment, "-o", svg}), 0);
    QFile svgFile(svg);
    ASSERT_TRUE(svgFile.open(QIODevice::ReadOnly));
    EXPECT_TRUE(svgFile.readAll().contains("<svg"));
    ASSERT_EQ(RunCli({kApartment, "-o", pdf}), 0);
    QFile pdfFile(pdf);
    ASSERT_TRUE(pdfFile.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdfFile.readAll().startsWith("%PDF"));
}

TEST_F(RenderCommandTest, RefusesBadArgumentsAndMissingFiles) {
    EXPECT_EQ(RunCli({kApartment, "-o", dir.filePath("a.bmp")}), 2);
    EXPECT_EQ(RunCli({kApartment, "-o", dir.filePath("a.png"), "--size", "0x10"}), 2);
    EXPECT_EQ(RunCli({kApartment, "-o", dir.filePath("a.png"), "--size", "10"}), 2);
    EXPECT_EQ(RunCli({kApartment}), 2);
    EXPECT_EQ(RunCli({dir.filePath("missing.cpr"), "-o", dir.filePath("a.png")}), 1);
    EXPECT_EQ(RunCli({kApartment, "-o", dir.filePath("no/such/folder/a.png")}), 1);
}

}  // namespace

#endif  // KOVEL_CLI
