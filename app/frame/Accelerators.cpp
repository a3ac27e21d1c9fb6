#include "app/frame/Accelerators.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>

#include <algorithm>

namespace {

QKeySequence Sequence(Qt::KeyboardModifiers modifiers, Qt::Key key) {
    return QKeySequence(QKeyCombination(modifiers, key));
}

Qt::KeyboardModifiers ModifiersOf(unsigned bits) {
    Qt::KeyboardModifiers m;
    if (bits & CommandKey::kShift) m |= Qt::ShiftModifier;
    if (bits & CommandKey::kControl) m |= Qt::ControlModifier;
    if (bits & CommandKey::kAlt) m |= Qt::AltModifier;
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
    case VK_LEFT: return {Qt::Key_Left};
    case VK_UP: return {Qt::Key_Up};
    case VK_RIGHT: return {Qt::Key_Right};
    case VK_DOWN: return {Qt::Key_Down};
    case VK_INSERT: return {Qt::Key_Insert};
    case VK_DELETE: return {Qt::Key_Delete};
    case VK_F1: return {Qt::Key_F1};
    case VK_F6: return {Qt::Key_F6};
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

}  // namespace

std::vector<QKeySequence> KeySequencesFor(const CommandKey& k) {
    if (k.kind == CommandKey::character) return CharacterKeys(k.key);
    const Qt::KeyboardModifiers modifiers = ModifiersOf(k.modifiers);
    // The numeric pad's minus is the minus key with the keypad modifier.
    if (k.key == VK_SUBTRACT) return {Sequence(modifiers | Qt::KeypadModifier, Qt::Key_Minus)};
    std::vector<QKeySequence> keys;
    for (Qt::Key key : VirtualKeys(k.key)) keys.push_back(Sequence(modifiers, key));
    return keys;
}

QList<QKeySequence> KeySequencesOf(const Command& command) {
    QList<QKeySequence> sequences;
    for (const CommandKey& key : command.keys)
        for (const QKeySequence& sequence : KeySequencesFor(key))
            if (!sequences.contains(sequence)) sequences << sequence;
    return sequences;
}

void RefreshCommandStatesBeforeKeys(QWidget* frame, std::function<void()> refresh) {
    new KeyStateWatcher(frame, std::move(refresh));
}
