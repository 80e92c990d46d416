// Drawing the bankroll plot.
#include "frontend/BankrollPlot.h"

#include "players/Money.h"
#include "ui/DialogLook.h"

#include <algorithm>

namespace quorvel {

namespace {
constexpr Color kBox{10, 20, 38};
constexpr Color kFrame{150, 124, 64};
constexpr Color kGrid{60, 76, 104};
constexpr Color kStart{110, 150, 110};
constexpr Color kLine = dialoglook::kLightGold;
constexpr FontSpec kScaleFont{11, false, Color{190, 200, 220}};
constexpr FontSpec kEmptyFont{14, false, Color{190, 200, 220}};
constexpr int kMargin = 6;      // [px] inside the frame
constexpr int kScaleWidth = 64; // [px] the amounts on the left
constexpr int kThickness = 2;   // [px] of the line
} // namespace

BankrollPlot::BankrollPlot(std::string name) : Control(std::move(name)) {}

void BankrollPlot::SetValues(const std::deque<std::int32_t>& values) {
    values_.assign(values.begin(), values.end());
    if (!values_.empty()) {
        const auto [low, high] = std::minmax_element(values_.begin(), values_.end());
        low_ = *low;
        high_ = *high;
    }
    Invalidate();
}

Rect BankrollPlot::Inner(Rect outer) const {
    return {outer.x + kMargin + kScaleWidth, outer.y + kMargin + 6,
            std::max(outer.w - 2 * kMargin - kScaleWidth, 1),
            std::max(outer.h - 2 * kMargin - 12, 1)};
}

int BankrollPlot::YOf(std::int64_t value, Rect inner) const {
    const std::int64_t span = std::int64_t{high_} - low_;
    if (span == 0)
        return inner.y + inner.h / 2;
    const std::int64_t fromTop = (std::int64_t{high_} - value) * (inner.h - kThickness) / span;
    return inner.y + static_cast<int>(fromTop);
}

std::vector<Rect> BankrollPlot::LineRects() const {
    std::vector<Rect> rects;
    const Rect inner = Inner({0, 0, Width(), Height()});
    const std::size_t n = values_.size();
    if (n == 0)
        return rects;
    const auto xOf = [&](std::size_t i) {
        return n == 1 ? inner.x + inner.w / 2
                      : inner.x + static_cast<int>(
                                      i * static_cast<std::size_t>(inner.w - kThickness) / (n - 1));
    };
    int x = xOf(0);
    int y = YOf(values_[0], inner);
    rects.push_back({x, y, kThickness, kThickness});
    for (std::size_t i = 1; i < n; ++i) {
        const int nextX = xOf(i);
        const int nextY = YOf(values_[i], inner);
        // Along at the old bankroll, then up or down to the new one.
        rects.push_back({x, y, nextX - x + kThickness, kThickness});
        rects.push_back({nextX, std::min(y, nextY), kThickness, std::abs(nextY - y) + kThickness});
        x = nextX;
        y = nextY;
    }
    return rects;
}

void BankrollPlot::Paint(Canvas& canvas) const {
    const Rect outer = ScreenRect();
    canvas.FillRect(outer, kBox);
    canvas.FrameRect(outer, kFrame);
    if (values_.empty()) {
        const int lineHeight = kEmptyFont.sizePx + 4;
        canvas.DrawText("這局還沒有結算的牌局", kEmptyFont,
                        {outer.x, outer.y + (outer.h - lineHeight) / 2, outer.w, lineHeight},
                        Align::Center, false);
        return;
    }
    const Rect inner = Inner(outer);
    const int top = YOf(high_, inner);
    const int bottom = YOf(low_, inner);
    canvas.FillRect({inner.x, top, inner.w, 1}, kGrid);
    canvas.FillRect({inner.x, bottom + kThickness - 1, inner.w, 1}, kGrid);
    if (kStartingMoney > low_ && kStartingMoney < high_)
        canvas.FillRect({inner.x, YOf(kStartingMoney, inner), inner.w, 1}, kStart);
    const int scaleX = outer.x + kMargin;
    canvas.DrawText(std::to_string(high_), kScaleFont, {scaleX, top - 6, kScaleWidth - 6, 14},
                    Align::Right, false);
    if (low_ != high_)
        canvas.DrawText(std::to_string(low_), kScaleFont, {scaleX, bottom - 6, kScaleWidth - 6, 14},
                        Align::Right, false);
    for (Rect r : LineRects())
        canvas.FillRect({r.x + outer.x, r.y + outer.y, r.w, r.h}, kLine);
}

} // namespace quorvel
