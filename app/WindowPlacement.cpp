#include "app/WindowPlacement.h"

#include "platform/Services.h"

#include <algorithm>
#include <cstdint>

namespace {
constexpr const char* kSection = "UserSettings";
constexpr int kMinWidth = 200;
constexpr int kMinHeight = 150;
constexpr int kTitleStrip = 30;   // the part of the window one grabs to move it
constexpr int kMinVisible = 100;  // that much of the title strip must be on a screen
}  // namespace

WindowPlacement DefaultPlacement(int w, int h) {
    WindowPlacement p;
    p.flags = 0;
    p.showCmd = SW_SHOW_;
    p.minX = w / 10;
    p.minY = h / 10;
    p.maxX = 0;
    p.maxY = 0;
    p.left = w / 10;
    p.top = h / 10;
    p.right = w - w / 10;
    p.bottom = h - h / 10;
    return p;
}

std::optional<WindowPlacement> ReadStoredPlacement(ISettingsStore& s, int w, int h) {
    if (s.GetProfileInt(kSection, "OutlineSaved", 0) == 0) return std::nullopt;
    WindowPlacement p;
    p.flags = s.GetProfileInt(kSection, "OutlineFlags", 0);
    p.showCmd = s.GetProfileInt(kSection, "OutlineShowCmd", 1);
    p.minX = s.GetProfileInt(kSection, "OutlineMinX", w / 10);
    p.minY = s.GetProfileInt(kSection, "OutlineMinY", h / 10);
    p.maxX = s.GetProfileInt(kSection, "OutlineMaxX", 0);
    p.maxY = s.GetProfileInt(kSection, "OutlineMaxY", 0);
    p.left = s.GetProfileInt(kSection, "OutlineNormLeft", w / 10);
    p.top = s.GetProfileInt(kSection, "OutlineNormTop", h / 10);
    p.right = s.GetProfileInt(kSection, "OutlineNormRight", w - w / 10);
    p.bottom = s.GetProfileInt(kSection, "OutlineNormBottom", h - h / 10);
    return p;
}

WindowPlacement StartPlacement(ISettingsStore& s, int w, int h) {
    if (auto stored = ReadStoredPlacement(s, w, h)) {
        stored->maxX = 0;
        stored->maxY = 0;
        return *stored;
    }
    return DefaultPlacement(w, h);
}

void WritePlacement(ISettingsStore& s, const WindowPlacement& p) {
    s.WriteProfileInt(kSection, "OutlineFlags", 0);
    s.WriteProfileInt(kSection, "OutlineShowCmd", p.showCmd);
    s.WriteProfileInt(kSection, "OutlineMinX", p.minX);
    s.WriteProfileInt(kSection, "OutlineMinY", p.minY);
    s.WriteProfileInt(kSection, "OutlineMaxX", p.maxX);
    s.WriteProfileInt(kSection, "OutlineMaxY", p.maxY);
    s.WriteProfileInt(kSection, "OutlineNormLeft", p.left);
    s.WriteProfileInt(kSection, "OutlineNormTop", p.top);
    s.WriteProfileInt(kSection, "OutlineNormRight", p.right);
    s.WriteProfileInt(kSection, "OutlineNormBottom", p.bottom);
    s.WriteProfileInt(kSection, "OutlineSaved", 1);
}

QRect UsableNormalRect(const WindowPlacement& p, const QList<QRect>& screens) {
    const QRect primary = screens.isEmpty() ? QRect(0, 0, 1024, 768) : screens.first();
    const WindowPlacement fallback = DefaultPlacement(primary.width(), primary.height());
    const QRect defaultRect =
        QRect(QPoint(fallback.left, fallback.top), QPoint(fallback.right - 1, fallback.bottom - 1))
            .translated(primary.topLeft());

    // 64-bit differences: stored values may be anything an int holds.
    const int64_t width = int64_t(p.right) - p.left;
    const int64_t height = int64_t(p.bottom) - p.top;
    if (width < kMinWidth || height < kMinHeight) return defaultRect;

    // The screen that holds most of the title strip, in 64-bit arithmetic (QRect overflows
    // with values near the int limits).
    const int64_t stripLeft = p.left, stripTop = p.top;
    const int64_t stripRight = stripLeft + width, stripBottom = stripTop + kTitleStrip;  // exclusive
    const QRect* home = nullptr;
    int64_t bestVisible = 0;
    for (const QRect& screen : screens) {
        const int64_t l = std::max<int64_t>(stripLeft, screen.left());
        const int64_t r = std::min<int64_t>(stripRight, int64_t(screen.right()) + 1);
        const int64_t t = std::max<int64_t>(stripTop, screen.top());
        const int64_t b = std::min<int64_t>(stripBottom, int64_t(screen.bottom()) + 1);
        const int64_t visible = (r > l && b > t) ? r - l : 0;
        if (visible > bestVisible) {
            bestVisible = visible;
            home = &screen;
        }
    }
    if (!home || bestVisible < std::min<int64_t>(kMinVisible, width)) return defaultRect;

    // Shrink to the screen and pull the title strip fully onto it.
    const int w = int(std::min<int64_t>(width, home->width()));
    const int h = int(std::min<int64_t>(height, home->height()));
    const int x = std::clamp(p.left, home->left(), home->right() + 1 - w);
    const int y = std::clamp(p.top, home->top(), home->bottom() + 1 - h);
    return QRect(x, y, w, h);
}

bool StartsMaximized(const WindowPlacement& p) { return p.showCmd == SW_SHOWMAXIMIZED_; }
