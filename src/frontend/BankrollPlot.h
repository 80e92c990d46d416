// The plot of the bankroll over the last rounds of the current game, drawn by the game from
// filled rectangles: a framed box, the highest and lowest bankroll with their amounts, the
// starting bankroll as a faint line when it lies in range, and the bankroll after each round
// as a stepped line from the oldest round on the left to the latest on the right.
#pragma once

#include "gui/Control.h"

#include <cstdint>
#include <deque>
#include <vector>

namespace quorvel {

class BankrollPlot : public Control {
public:
    explicit BankrollPlot(std::string name);

    // The bankroll after each round, oldest first [money].
    void SetValues(const std::deque<std::int32_t>& values);
    const std::vector<std::int32_t>& Values() const { return values_; }
    // The rectangles of the line, in the plot's own coordinates, for tests.
    std::vector<Rect> LineRects() const;

    void Paint(Canvas& canvas) const override;

private:
    // The inner box the line is drawn in [px, screen coordinates].
    Rect Inner(Rect outer) const;
    int YOf(std::int64_t value, Rect inner) const;

    std::vector<std::int32_t> values_;
    std::int32_t low_ = 0;
    std::int32_t high_ = 0;
};

} // namespace quorvel
