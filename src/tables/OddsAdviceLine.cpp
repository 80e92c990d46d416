// The advisor's line: its words, its place and tip, and the odds worked out when the view
// changes.
#include "tables/OddsAdviceLine.h"

#include "cards/CardCode.h"
#include "gui/Label.h"
#include "gui/Screen.h"
#include "round/DecisionView.h"
#include "round/RoundEngine.h"

#include <cmath>

namespace quorvel {

namespace {
constexpr FontSpec kLineFont{12, true, Color{255, 230, 150}, Typeface::Sans};
constexpr FontSpec kTipFont{12, false, Color{235, 238, 245}, Typeface::Sans};
constexpr Color kTipBox{18, 32, 58};
constexpr int kTipHeight = 36; // [px] two lines
constexpr const char* kSeparator = "　";
constexpr const char* kRanks[13] = {"A", "2", "3",  "4", "5", "6", "7",
                                    "8", "9", "10", "J", "Q", "K"};

std::string Percent(double chance) {
    return std::to_string(static_cast<int>(std::lround(chance * 100))) + "%";
}

std::string Money(double amount) {
    return std::to_string(static_cast<long long>(std::llround(amount)));
}

// Everything the line is worked out from, as text, to tell when it changes.
std::string SeenKey(const UserDecision& decision) {
    const OddsView& v = decision.View;
    std::string key = decision.UserBanks ? "b" : "s";
    for (int row = 1; row <= 4; ++row)
        for (int rank = 0; rank < 13; ++rank)
            key += static_cast<char>('0' + v.Unseen.Count(row, static_cast<TCardValue>(rank)));
    key += '|';
    for (int slot = 1; slot <= v.Hand.CardCount; ++slot)
        key += CardCode(v.Hand.Card(slot)) + ' ';
    key += '|';
    for (const TShoeCard& card : v.OwnFaceDown)
        key += CardCode(card) + ' ';
    key += '|';
    for (const TShoeCard& card : v.BankerFaceUp)
        key += CardCode(card) + ' ';
    key += '|' + std::to_string(v.Bet) + '|' + std::to_string(v.JackpotOnWin);
    return key;
}

} // namespace

std::string AdviceText(const UserDecision& decision, const DecisionOdds& odds) {
    std::string text = "爆牌 " + (odds.Bust ? Percent(*odds.Bust) : std::string("—"));
    if (decision.UserBanks)
        return text;
    if (odds.BankerStands)
        text += kSeparator + std::string("莊家17–21點 ") + Percent(*odds.BankerStands);
    if (odds.Look)
        text += kSeparator + std::string("透視眼 值") + Money(odds.Look->Return) + "/費" +
                std::to_string(odds.Look->Fee);
    if (odds.Swap && odds.Swap->Rank >= 1 && odds.Swap->Rank <= 13)
        text += kSeparator + std::string("變牌(") + kRanks[odds.Swap->Rank - 1] + ") 值" +
                Money(odds.Swap->Return) + "/費" + std::to_string(odds.Swap->Fee);
    return text;
}

OddsAdviceLine::OddsAdviceLine(Screen& table, Rect place)
    : line_(table.Add<Label>("OddsAdvice")), tip_(table.Add<Label>("OddsAdviceTip")) {
    line_.SetFont(kLineFont);
    line_.SetAutoSize(false);
    line_.SetBounds(place);
    line_.SetAlignment(Align::Right);
    line_.Hide();
    tip_.SetFont(kTipFont);
    tip_.SetAutoSize(false);
    tip_.SetWordWrap(true);
    tip_.SetTransparent(false);
    tip_.SetBackgroundColor(kTipBox);
    tip_.SetBounds({place.x, place.y - kTipHeight - 4, place.w, kTipHeight});
    tip_.SetCaption(kTip);
    tip_.Hide();
    line_.onMouseMove = [this](Point) {
        if (line_.Visible())
            tip_.Show();
    };
}

void OddsAdviceLine::Update(const RoundEngine& engine, bool on) {
    const std::optional<UserDecision> decision = on ? UserDecisionView(engine) : std::nullopt;
    if (!decision) {
        line_.Hide();
        tip_.Hide();
        return;
    }
    std::string seen = SeenKey(*decision);
    if (seen != seen_) {
        DecisionOdds odds;
        if (decision->UserBanks)
            odds.Bust = NextCardBustChance(decision->View);
        else
            odds = AdviseDecision(decision->View);
        line_.SetCaption(AdviceText(*decision, odds));
        seen_ = std::move(seen);
    }
    line_.Show();
}

void OddsAdviceLine::HoverBackground() {
    tip_.Hide();
}

const std::string& OddsAdviceLine::Text() const {
    return line_.Caption();
}

bool OddsAdviceLine::Showing() const {
    return line_.Visible();
}

} // namespace quorvel
