#include "app/ShellTexts.h"

#include "platform/StringTable.h"

QString ShellText(int id) { return QString::fromStdString(LoadString(id)); }
