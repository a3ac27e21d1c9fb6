#include "platform/qt/QtStatusBar.h"

void QtStatusBar::SetPaneText(int pane, const std::string& text) {
    m_texts[pane] = text;
    if (m_callback) m_callback(pane, text);
}

void QtStatusBar::SetCallback(Callback callback) {
    m_callback = std::move(callback);
    if (!m_callback) return;
    for (const auto& [pane, text] : m_texts) m_callback(pane, text);
}

std::string QtStatusBar::PaneText(int pane) const {
    const auto it = m_texts.find(pane);
    return it == m_texts.end() ? std::string() : it->second;
}
