// The string table: ordered by number so that every entry can be found, texts as written,
// and "%1" replaced everywhere.
#include "platform/StringTable.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

struct Entry {
    int id;
    const char* text;
};
constexpr Entry kTable[] = {
#include "res/strings.inc"
};

TEST(StringTableTest, EntriesAreStrictlyOrderedAndEachIsFound) {
    for (size_t i = 1; i < std::size(kTable); ++i)
        EXPECT_LT(kTable[i - 1].id, kTable[i].id) << "entry " << kTable[i].id << " is out of order";
    for (const Entry& e : kTable) EXPECT_EQ(LoadString(e.id), e.text) << e.id;
    EXPECT_EQ(LoadString(0), "");
    EXPECT_EQ(LoadString(41999), "");
}

TEST(StringTableTest, TextsOfTheCoreAndTheCommandLine) {
    EXPECT_EQ(LoadString(41019), "Eingabefehler");
    EXPECT_EQ(LoadString(41018), "Die Maßstabsangabe ist ungültig. Bitte\ngeben Sie eine Zahl ein.");
    EXPECT_EQ(LoadString(41043), "Rechteck bis zum  zweiten Eckpunkt aufziehen");  // two blanks, as ever
    EXPECT_EQ(LoadString(41100), "Tisch");
    EXPECT_EQ(LoadString(41133), "Anschlüsse");
    EXPECT_EQ(FormatString1(41003, "a.png"), "cannot write a.png");
    EXPECT_EQ(FormatString1(61729, "x"), "x\nDatei nicht gefunden.");
}

}  // namespace
