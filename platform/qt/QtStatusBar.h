// The status bar service: pane texts go to a callback (the main frame's status bar) and are
// kept, so a frame that connects later can show what was set before it existed.
#pragma once

#include "platform/Services.h"

#include <functional>
#include <map>
#include <string>

class QtStatusBar : public IStatusBar {
public:
    using Callback = std::function<void(int pane, const std::string& text)>;

    explicit QtStatusBar(Callback callback = {}) : m_callback(std::move(callback)) {}

    void SetPaneText(int pane, const std::string& text) override;
    // Connects a receiver and hands it the texts set so far.
    void SetCallback(Callback callback);
    // The text of a pane, empty when never set.
    std::string PaneText(int pane) const;

private:
    Callback m_callback;
    std::map<int, std::string> m_texts;
};
