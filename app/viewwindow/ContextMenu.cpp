#include "app/viewwindow/ContextMenu.h"

#include "app/frame/CommandTexts.h"
#include "commands/CommandLayout.h"

#include <QAction>
#include <QMenu>

QMenu* BuildContextMenu(const ContextMenuRequest& request, const CommandRoute& route, QWidget* owner) {
    auto* menu = new QMenu(owner);
    menu->setObjectName(QStringLiteral("ViewContextMenu"));
    menu->setAttribute(Qt::WA_DeleteOnClose);
    if (!request.items) return menu;
    for (const int id : *request.items) {
        if (id == kSeparator) {
            menu->addSeparator();
            continue;
        }
        const Command* info = FindCommand(id);
        QAction* action = menu->addAction(info ? QString::fromUtf8(info->menuText) : QString());
        action->setData(id);
        const CommandState state = route.query ? route.query(id) : CommandState{false, false};
        action->setCheckable((info && info->checkable) || state.checked);
        action->setChecked(state.checked);
        action->setEnabled(state.enabled);
        if (info && info->icon) action->setIcon(QIcon(QStringLiteral(":/icons/") + QString::fromUtf8(info->icon)));
        // QMenu closes itself before it sends triggered, so a dialog the command opens
        // comes up over a closed menu.
        QObject::connect(action, &QAction::triggered, menu, [run = route.run, id] {
            if (run) run(id);
        });
    }
    return menu;
}
