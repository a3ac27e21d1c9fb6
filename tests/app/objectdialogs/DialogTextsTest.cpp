// Every text the object dialogs show comes from the string table unchanged: captions, labels,
// group titles and button texts, compared as sets with the German the dialogs have always had.
#include "ObjectDialogTestSupport.h"

#include "app/ShellTexts.h"
#include "app/objectdialogs/AddSymbolDialog.h"
#include "app/objectdialogs/DimensionDialog.h"
#include "app/objectdialogs/LabelDialog.h"
#include "app/objectdialogs/LineFillDialog.h"
#include "app/objectdialogs/NoteDialog.h"
#include "app/objectdialogs/SymbolAttributesDialog.h"
#include "app/objectdialogs/SymbolDialog.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>

namespace {

// The caption and the non-empty texts of labels, buttons and group boxes, sorted.
QStringList ShownTexts(const QWidget& dialog) {
    QStringList texts{dialog.windowTitle()};
    for (const QLabel* label : dialog.findChildren<QLabel*>()) texts << label->text();
    for (const QAbstractButton* button : dialog.findChildren<QAbstractButton*>()) texts << button->text();
    for (const QGroupBox* group : dialog.findChildren<QGroupBox*>()) texts << group->title();
    texts.removeAll(QString());
    texts.sort();
    return texts;
}

QStringList Sorted(QStringList texts) {
    texts.sort();
    return texts;
}

class DialogTextsTest : public ObjectDialogTest {};

TEST_F(DialogTextsTest, LineFillLabelAndNote) {
    EXPECT_EQ(ShownTexts(LineFillDialog(LineFillValues{})),
              Sorted({"Hilfslinien", "Randlinie", "Dicke", "1/100 mm", "Farbe...", "Fläche", "Füllfarbe verwenden",
                      "Farbe...", "OK", "Abbruch"}));
    EXPECT_EQ(ShownTexts(LabelDialog(TextDialogValues{})),
              Sorted({"Beschriftung", "Text:", "Drehwinkel fixieren :", "Schriftart...", "OK", "Abbruch"}));
    EXPECT_EQ(ShownTexts(NoteDialog("")), Sorted({"Notiz", "OK", "Abbruch"}));
}

TEST_F(DialogTextsTest, SymbolDimensionAndAttributes) {
    SymbolDialogValues symbol;
    symbol.strUnit = "cm";
    EXPECT_EQ(ShownTexts(SymbolDialog(symbol)),
              Sorted({"Einrichtungsgegenstand", "Typ:", "Beschreibung:", "Maße", "Breite:", "Höhe:", "cm", "cm",
                      "Standardwerte verwenden", "Drehwinkel  zur x-Achse:", "Grad", "Standort (Einfügepunkt) ",
                      "x-Achse", "y-Achse", "cm", "cm", "OK", "Abbruch"}));
    const QStringList dimension = ShownTexts(DimensionDialog(DimensionDialogValues{}));
    for (const char* text : {"Maßlinien", "Vermaßung", "Randlinien vermaßen", "Fläche vermaßen",
                             "Randlinien und Flächen vermaßen", "Schrifthöhe :", "OK", "Abbruch"})
        EXPECT_TRUE(dimension.contains(QString::fromUtf8(text))) << text;
    const QStringList attributes = ShownTexts(SymbolAttributesDialog(SymbolAttributeValues{}));
    for (const char* text :
         {"Symbol - Attribute ändern", "Beschreibungs-Kurztext:", "Property Flags", "Breite darf geändert werden",
          "Länge darf geändert werden", "Breite und Höhe darf gleichzeitig geändert werden (Eck-Handle)",
          "Drehen erlaubt", "Breite und Höhe", "Voreinstellung  verwenden :", "Länge", "Breite", "mm"})
        EXPECT_TRUE(attributes.contains(QString::fromUtf8(text))) << text;
}

TEST_F(DialogTextsTest, AddSymbolListsEveryGroupAndClass) {
    AddSymbolDialog dialog(AddSymbolValues{});
    EXPECT_EQ(dialog.windowTitle(), "Symbol hinzufügen");
    const QStringList shown = ShownTexts(dialog);
    EXPECT_TRUE(shown.contains("Symbol-Klasse:"));
    EXPECT_TRUE(shown.contains("Beschreibungs-Kurztext:"));
    // The lists end where the string table's runs end: the last entries are not empty.
    EXPECT_EQ(ShellText(IDS_FIRST_ROOM_GROUP + kRoomGroupCount - 1), "Anschlüsse");
    EXPECT_EQ(ShellText(IDS_FIRST_SYMBOL_CLASS), "Tisch");
    EXPECT_EQ(ShellText(IDS_FIRST_SYMBOL_CLASS + kSymbolClassCount - 1), "Marker");
}

}  // namespace
