// A table's making, and what it adds beyond the round itself: the odds advisor's line at the
// user's decisions, and each settled round handed to the game for its statistics.
#include "tables/HandInPlayMarker.h"
#include "tables/OddsAdviceLine.h"
#include "tables/ServiceChest.h"
#include "tables/TableHost.h"
#include "tables/TableScreen.h"
#include "ui/Card.h"

#include <algorithm>

namespace quorvel {

TableScreen::TableScreen(TableHost& host, std::string name, int mode)
    : Screen(host.GetApp(), std::move(name)), host_(host),
      engine_(RulesOfMode(mode), *this, host.Random(), host.Stack()) {}

TableScreen::~TableScreen() = default;

void TableScreen::CreateAdviceLine(Rect place) {
    advice_ = std::make_unique<OddsAdviceLine>(*this, place);
}

void TableScreen::ShowAdvice() {
    if (advice_)
        advice_->Update(engine_, host_.OddsAdvisorOn());
}

void TableScreen::HideAdviceTip() {
    if (advice_)
        advice_->HoverBackground();
}

Rect TableScreen::CardArea(int seat, int hand, int cards) const {
    const Point first = CardPlace(seat, hand, 1);
    const Point last = CardPlace(seat, hand, cards);
    const int left = std::min(first.x, last.x), top = std::min(first.y, last.y);
    return {left, top, std::max(first.x, last.x) - left + kCardWidth,
            std::max(first.y, last.y) - top + kCardHeight};
}

void TableScreen::RoundSettled(const RoundRecord& round) {
    host_.RoundSettled(round);
}

} // namespace quorvel
