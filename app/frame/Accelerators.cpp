#include "app/frame/Accelerators.h"

#include "tools/ToolCommands.h"
#include "view/ViewEditCommands.h"

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QWidget>

#include <algorithm>

namespace {

QKeySequence Sequence(Qt::KeyboardModifiers modifiers, Qt::Key key) { return QKeySequence(QKeyCombination(modifiers, key)); }

Qt::KeyboardModifiers ModifiersOf(unsigned bits) {
    Qt::KeyboardModifiers m;
    if (bits & Accelerator::kShift) m |= Qt::ShiftModifier;
    if (bits & Accelerator::kControl) m |= Qt::ControlModifier;
    if (bits & Accelerator::kAlt) m |= Qt::AltModifier;
    return m;
}

std::vector<QKeySequence> CharacterKeys(unsigned ch) {
    if (ch >= 'a' && ch <= 'z') return {Sequence({}, Qt::Key(Qt::Key_A + int(ch - 'a')))};
    if (ch >= 'A' && ch <= 'Z') {
        const auto key = Qt::Key(Qt::Key_A + int(ch - 'A'));
        return {Sequence(Qt::ShiftModifier, key), Sequence({}, key)};
    }
    // Qt names the other printable ASCII keys by their character code.
    if (ch > 0x20 && ch < 0x7F) return {Sequence({}, Qt::Key(ch))};
    return {};
}

std::vector<Qt::Key> VirtualKeys(unsigned vk) {
    if ((vk >= 'A' && vk <= 'Z') || (vk >= '0' && vk <= '9')) return {Qt::Key(vk)};
    switch (vk) {
    case VK_BACK: return {Qt::Key_Backspace};
    case VK_TAB: return {Qt::Key_Tab};
    case VK_RETURN: return {Qt::Key_Return, Qt::Key_Enter};
    case VK_ESCAPE: return {Qt::Key_Escape};
    case VK_INSERT: return {Qt::Key_Insert};
    case VK_DELETE: return {Qt::Key_Delete};
    case VK_OEM_PLUS: return {Qt::Key_Plus, Qt::Key_Equal};
    case VK_OEM_MINUS: return {Qt::Key_Minus};
    default: return {};
    }
}

// Sees every ShortcutOverride of the application: Qt sends it to the focus widget just
// before it looks the key up among the shortcuts.
class KeyStateWatcher : public QObject {
public:
    KeyStateWatcher(QWidget* frame, std::function<void()> refresh)
        : QObject(frame), m_frame(frame), m_refresh(std::move(refresh)) {
        qApp->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::ShortcutOverride && watched->isWidgetType() &&
            static_cast<QWidget*>(watched)->window() == m_frame && m_refresh)
            m_refresh();
        return false;
    }

private:
    QWidget* m_frame;
    std::function<void()> m_refresh;
};

void AddUnique(std::vector<QKeySequence>& to, const std::vector<QKeySequence>& keys) {
    for (const QKeySequence& k : keys)
        if (std::find(to.begin(), to.end(), k) == to.end()) to.push_back(k);
}

}  // namespace

std::vector<QKeySequence> KeySequencesFor(const Accelerator& a) {
    if (a.kind == Accelerator::character) return CharacterKeys(a.key);
    const Qt::KeyboardModifiers modifiers = ModifiersOf(a.modifiers);
    // The numeric pad's minus is the minus key with the keypad modifier.
    if (a.key == VK_SUBTRACT) return {Sequence(modifiers | Qt::KeypadModifier, Qt::Key_Minus)};
    std::vector<QKeySequence> keys;
    for (Qt::Key key : VirtualKeys(a.key)) keys.push_back(Sequence(modifiers, key));
    return keys;
}

std::map<int, std::vector<QKeySequence>> CoreAcceleratorKeys() {
    std::map<int, std::vector<QKeySequence>> byCommand;
    for (const auto* table : {&EditAccelerators(), &ToolAccelerators()})
        for (const Accelerator& a : *table) AddUnique(byCommand[a.command], KeySequencesFor(a));
    return byCommand;
}

void AddCoreAccelerators(const std::map<int, QAction*>& actions) {
    std::map<QKeySequence, QAction*> owner;
    for (const auto& [id, action] : actions)
        for (const QKeySequence& key : action->shortcuts()) owner.emplace(key, action);
    for (const auto& [command, keys] : CoreAcceleratorKeys()) {
        const auto it = actions.find(command);
        if (it == actions.end()) continue;
        QAction* action = it->second;
        QList<QKeySequence> shortcuts = action->shortcuts();
        bool added = false;
        for (const QKeySequence& key : keys) {
            if (owner.count(key)) continue;
            shortcuts << key;
            owner.emplace(key, action);
            added = true;
        }
        if (!added) continue;
        action->setShortcuts(shortcuts);
        action->setShortcutContext(Qt::WindowShortcut);
    }
}

void RefreshCommandStatesBeforeKeys(QWidget* frame, std::function<void()> refresh) {
    new KeyStateWatcher(frame, std::move(refresh));
}
