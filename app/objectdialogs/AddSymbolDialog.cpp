#include "app/objectdialogs/AddSymbolDialog.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

const char* const kRoomGroupNames[8] = {"Marker", "Wohnen", "Schlafen", "Küche",
                                        "Bad",    "Büro",   "Maschine", "Anschlüsse"};
const char* const kSymbolClassNames[27] = {
    "Tisch", "Stuhl", "Bank", "Sessel / Sofa", "Bett", "Schrank / Sideboard", "Teppich", "Hifi / TV",
    "Musikinstrument", "Krug / Bodenvase", "Blume", "Stehlampe", "Maschine / Heizanlage", "Elektroanschluß",
    "Wasseranschluß", "Abfluß / Senkkasten", "Gartenstuhl", "Gartentisch", "Gartenbank", "Hollywood-Schaukel",
    "Pflanzschale", "Blumenbeet", "Baum", "Strauch", "Pool / Teich", "Springbrunnen", "Marker"};

namespace {
// A drop-down list with nothing chosen (-1) unless the index is one of its entries.
QComboBox* DropDown(QWidget* parent, const char* const* names, int count, int selected) {
    auto* combo = new QComboBox(parent);
    for (int i = 0; i < count; ++i) combo->addItem(QString::fromUtf8(names[i]));
    combo->setCurrentIndex(selected >= 0 && selected < count ? selected : -1);
    return combo;
}
}  // namespace

AddSymbolDialog::AddSymbolDialog(const AddSymbolValues& preset, QWidget* parent)
    : ObjectDialog(QStringLiteral("Symbol hinzufügen"), parent, QStringLiteral("Hinzufügen")), m_values(preset) {
    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(QStringLiteral("Symbol-Klasse:"), this), 0, 0);
    m_group = dialogs::Named(DropDown(this, kRoomGroupNames, 8, preset.nGroup), ctl::kAddGroup);
    grid->addWidget(m_group, 0, 1);
    m_class = dialogs::Named(DropDown(this, kSymbolClassNames, 27, preset.nClass), ctl::kAddClass);
    m_class->setEnabled(false);
    grid->addWidget(m_class, 1, 1);
    grid->addWidget(new QLabel(QStringLiteral("Beschreibungs-Kurztext:"), this), 2, 0);
    m_name = dialogs::Named(new QLineEdit(QString::fromStdString(preset.strName), this), ctl::kAddName);
    grid->addWidget(m_name, 2, 1);
    Body()->addLayout(grid);
}

bool AddSymbolDialog::Validate() {
    m_values.nGroup = m_group->currentIndex();
    m_values.nClass = m_class->currentIndex();
    m_values.strName = dialogs::FieldText(m_name);
    return true;
}
