#include "app/viewwindow/ContextMenu.h"

#include "app/frame/CommandTable.h"

#include <QAction>
#include <QMenu>

QMenu* BuildContextMenu(const ContextMenuRequest& request, const CommandRoute& route, QWidget* owner) {
    auto* menu = new QMenu(owner);
    menu->setObjectName(QStringLiteral("ContextMenu%1").arg(request.menuId));
    menu->setAttribute(Qt::WA_DeleteOnClose);
    if (!request.items) return menu;
    for (const MenuItem& item : *request.items) {
        if (item.id == 0) {
            menu->addSeparator();
            continue;
        }
        QAction* action = menu->addAction(QString::fromStdString(item.text));
        action->setData(item.id);
        const CommandState state = route.query ? route.query(item.id) : CommandState{false, false};
        const CommandInfo* info = FindCommand(item.id);
        action->setCheckable((info && info->checkable) || state.checked);
        action->setChecked(state.checked);
        action->setEnabled(state.enabled);
        if (info && info->icon) action->setIcon(QIcon(QStringLiteral(":/icons/") + QString::fromUtf8(info->icon)));
        const int id = item.id;
        // QMenu closes itself before it sends triggered, so a dialog the command opens
        // comes up over a closed menu.
        QObject::connect(action, &QAction::triggered, menu, [run = route.run, id] {
            if (run) run(id);
        });
    }
    return menu;
}
