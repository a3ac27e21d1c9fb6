// The process-wide services and their in-memory defaults.
#include "platform/MemoryServices.h"
#include "platform/Services.h"

#include <gtest/gtest.h>

namespace {

class ServicesTest : public ::testing::Test {
protected:
    void SetUp() override { ResetAppServices(); }
    void TearDown() override { ResetAppServices(); }
};

TEST_F(ServicesTest, DefaultsAreTheInMemoryInstances) {
    MemoryServices& m = DefaultMemoryServices();
    Services& s = AppServices();
    EXPECT_EQ(s.settings, &m.settings);
    EXPECT_EQ(s.messages, &m.messages);
    EXPECT_EQ(s.status, &m.status);
    EXPECT_EQ(s.cursors, &m.cursors);
    EXPECT_EQ(s.text, &m.text);
}

TEST_F(ServicesTest, ResetRestoresPointersAndClearsState) {
    RecordingMessageBoxes replacement;
    AppServices().messages = &replacement;
    AppServices().settings->WriteProfileInt("Options", "Grid", 5);
    AppServices().status->SetPaneText(kPanePrompt, "Bereit");
    AppServices().cursors->SetCursor(IDC_CROSS);
    DefaultMemoryServices().messages.SetAnswer(IDCANCEL);
    DefaultMemoryServices().messages.MessageBox("a", "b", MB_OK);

    ResetAppServices();
    MemoryServices& m = DefaultMemoryServices();
    EXPECT_EQ(AppServices().messages, &m.messages);
    EXPECT_FALSE(m.settings.Contains("Options", "Grid"));
    EXPECT_EQ(m.status.PaneText(kPanePrompt), "");
    EXPECT_EQ(m.cursors.LastCursor(), 0);
    EXPECT_TRUE(m.messages.Calls().empty());
    EXPECT_EQ(AppServices().messages->MessageBox("x", "y", MB_OK), IDOK);
}

TEST_F(ServicesTest, SettingsKeepIntsAndStringsBySectionAndKey) {
    ISettingsStore& s = *AppServices().settings;
    EXPECT_EQ(s.GetProfileInt("Options", "Grid", 7), 7);
    s.WriteProfileInt("Options", "Grid", -3);
    s.WriteProfileString("Files", "Last", "Plan Küche.cpr");
    EXPECT_EQ(s.GetProfileInt("options", "GRID", 7), -3);  // names ignore case
    EXPECT_EQ(s.GetProfileInt("Other", "Grid", 7), 7);
    EXPECT_EQ(s.GetProfileString("Files", "Last", ""), "Plan Küche.cpr");
    s.WriteProfileString("Files", "Count", "12");
    s.WriteProfileString("Files", "Bad", "12x");
    EXPECT_EQ(s.GetProfileInt("Files", "Count", 0), 12);
    EXPECT_EQ(s.GetProfileInt("Files", "Bad", 4), 4);
    EXPECT_EQ(s.GetProfileString("Options", "Grid", "none"), "none");
    s.WriteProfileInt("Files", "Last", 1);  // a later write replaces the type too
    EXPECT_EQ(s.GetProfileInt("Files", "Last", 0), 1);
}

TEST_F(ServicesTest, MessageBoxesRecordCallsAndAnswerFromScript) {
    RecordingMessageBoxes& mb = DefaultMemoryServices().messages;
    mb.QueueAnswer(IDYES);
    mb.QueueAnswer(IDNO);
    mb.SetAnswer(IDCANCEL);
    IMessageBoxes& boxes = *AppServices().messages;
    EXPECT_EQ(boxes.MessageBox("Änderungen speichern?", "Kovel", MB_YESNOCANCEL | MB_ICONQUESTION), IDYES);
    EXPECT_EQ(boxes.MessageBox("b", "c", MB_OK), IDNO);
    EXPECT_EQ(boxes.MessageBox("d", "e", MB_OK), IDCANCEL);
    ASSERT_EQ(mb.Calls().size(), 3u);
    EXPECT_EQ(mb.Calls()[0].text, "Änderungen speichern?");
    EXPECT_EQ(mb.Calls()[0].caption, "Kovel");
    EXPECT_EQ(mb.Calls()[0].type, MB_YESNOCANCEL | MB_ICONQUESTION);
    EXPECT_EQ(mb.LastCall()->text, "d");
}

TEST_F(ServicesTest, StatusCursorsAndTextMeasure) {
    AppServices().status->SetPaneText(kPanePosition, "x: 10");
    AppServices().status->SetPaneText(kPanePosition, "x: 11");
    EXPECT_EQ(DefaultMemoryServices().status.PaneText(kPanePosition), "x: 11");
    EXPECT_EQ(DefaultMemoryServices().status.PaneText(kPaneScale), "");

    AppServices().cursors->SetCursor(IDC_SIZEWE);
    EXPECT_EQ(DefaultMemoryServices().cursors.LastCursor(), IDC_SIZEWE);

    LOGFONT lf;
    lf.lfHeight = -13;
    // 0.6 x 13 x 4 code points = 31.2; the umlaut counts once.
    EXPECT_EQ(AppServices().text->GetTextExtent(lf, "Tür1"), CSize(31, 13));
    lf.lfHeight = 15;
    EXPECT_EQ(AppServices().text->GetTextExtent(lf, "ab"), CSize(18, 15));
    EXPECT_EQ(AppServices().text->GetTextExtent(lf, ""), CSize(0, 15));
}

}  // namespace
