#include "app/frame/CommandTexts.h"

QString MenuItemText(const Command& command) {
    QString text = QString::fromUtf8(command.menuText);
    if (*command.keyText) text += u'\t' + QString::fromUtf8(command.keyText);
    return text;
}

QString PlainMenuText(const Command& command) { return QString::fromUtf8(command.menuText).remove(u'&'); }

QString HelpLine(int id) { return QString::fromStdString(CommandHelpLine(id)); }

QString ToolTipText(int id) { return QString::fromStdString(CommandToolTip(id)); }
