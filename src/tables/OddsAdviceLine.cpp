// The advisor's line: its words, its place and tip, and the odds worked out when the view
// changes, the swap's ranks one per timer so that no frame waits for them.
#include "tables/OddsAdviceLine.h"

#include "cards/CardCode.h"
#include "gui/App.h"
#include "gui/Label.h"
#include "gui/Screen.h"
#include "round/RoundEngine.h"

#include <algorithm>
#include <cmath>

namespace quorvel {

namespace {
constexpr FontSpec kLineFont{12, true, Color{255, 230, 150}, Typeface::Sans};
constexpr FontSpec kTipFont{12, false, Color{235, 238, 245}, Typeface::Sans};
constexpr Color kTipBox{18, 32, 58};
constexpr int kTipWidth = 520;  // [px] the tip is about 960 px of text
constexpr int kTipHeight = 40; // [px] two lines of 18 px
constexpr int kTipGap = 4;     // [px] between the tip and the lines
constexpr const char* kSeparator = "　";
constexpr const char* kRanks[13] = {"A", "2", "3",  "4", "5", "6", "7",
                                    "8", "9", "10", "J", "Q", "K"};

std::string Percent(double chance) {
    return std::to_string(static_cast<int>(std::lround(chance * 100))) + "%";
}

std::string Money(double amount) {
    return std::to_string(static_cast<long long>(std::llround(amount)));
}

std::string SignedMoney(double amount) {
    const long long rounded = std::llround(amount);
    // Appended, not "+" + text: GCC 12 at -O3 warns falsely of overlap in the operator+.
    std::string text = rounded > 0 ? "+" : "";
    text += std::to_string(rounded);
    return text;
}

std::string SwapName(const DecisionOdds& odds) {
    const int rank = odds.Swap ? odds.Swap->Rank : 0;
    std::string name = "變牌";
    if (rank >= 1 && rank <= 13) {
        name += '(';
        name += kRanks[rank - 1];
        name += ')';
    }
    return name;
}

// The move as its button names it.
std::string MoveName(const UserDecision& decision, const DecisionOdds& odds, Move move) {
    switch (move) {
    case Move::Stand:
        return decision.StandsBy == ActionKind::Open   ? "莊家開牌"
               : decision.StandsBy == ActionKind::Pass ? "過牌"
                                                       : "不補牌";
    case Move::Hit:
        return "補牌";
    case Move::NoSplit:
        return "不分牌";
    case Move::Double:
        return "加押";
    case Move::Split:
        return "分牌";
    case Move::Look:
        return "透視眼";
    case Move::Swap:
        return SwapName(odds);
    }
    return {};
}

// Everything the line is worked out from, as text, to tell when it changes.
std::string SeenKey(const UserDecision& decision) {
    const OddsView& v = decision.View;
    std::string key = decision.UserBanks ? "b" : "s";
    key += decision.MayHit ? 'h' : '-';
    key += static_cast<char>('0' + static_cast<int>(decision.StandsBy));
    for (Move move : {Move::Stand, Move::Hit, Move::NoSplit, Move::Double, Move::Split,
                      Move::Look, Move::Swap})
        key += v.Offered.Has(move) ? '1' : '0';
    key += v.MayDoubleUnsplit ? 'u' : '-';
    key += v.MayDoubleSplitHands ? 'd' : '-';
    key += v.OneCardOnly ? 'o' : '-';
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
    key += '|' + std::to_string(v.Bet) + '|' + std::to_string(v.JackpotOnWin) + '|' +
           std::to_string(v.JackpotOnDoubledWin) + '|' + std::to_string(v.LookFee) + '|' +
           std::to_string(v.SwapFee);
    return key;
}

} // namespace

// Only what applies to the moves the user has: the bust chance while hitting is one, the
// banker's chance while the hand is still to be played, the best move with the round's
// expected result after it; then each service offered.
std::string AdviceText(const UserDecision& decision, const DecisionOdds& odds) {
    std::string play, services;
    const auto add = [](std::string& line, const std::string& part) {
        if (!line.empty())
            line += kSeparator;
        line += part;
    };
    if (decision.MayHit && odds.Bust)
        add(play, "爆牌 " + Percent(*odds.Bust));
    if (decision.UserBanks)
        return play;
    const MoveSet& moves = decision.View.Offered;
    const bool playing = moves.Has(Move::Hit) || moves.Has(Move::Double) ||
                         moves.Has(Move::Split) || moves.Has(Move::NoSplit);
    if (playing && odds.BankerStands)
        add(play, "莊家17–21點 " + Percent(*odds.BankerStands));
    if (odds.Best && odds.ValueOf(*odds.Best))
        add(play, "最佳：" + MoveName(decision, odds, *odds.Best) + " " +
                      SignedMoney(*odds.ValueOf(*odds.Best)));
    if (odds.Look)
        add(services,
            "透視眼 值" + Money(odds.Look->Return) + "/費" + std::to_string(odds.Look->Fee));
    if (odds.Swap)
        add(services, SwapName(odds) + " 值" + Money(odds.Swap->Return) + "/費" +
                          std::to_string(odds.Swap->Fee));
    if (play.empty() || services.empty())
        return play + services;
    return play + "\n" + services;
}

OddsAdviceLine::OddsAdviceLine(Screen& table, Rect place)
    : app_(table.GetApp()), line_(table.Add<Label>("OddsAdvice")),
      tip_(table.Add<Label>("OddsAdviceTip")) {
    line_.SetFont(kLineFont);
    line_.SetAutoSize(false);
    line_.SetWordWrap(true);
    line_.SetBounds(place);
    line_.SetAlignment(Align::Center);
    line_.SetLayout(TextLayout::Center);
    line_.Hide();
    tip_.SetFont(kTipFont);
    tip_.SetAutoSize(false);
    tip_.SetWordWrap(true);
    tip_.SetTransparent(false);
    tip_.SetBackgroundColor(kTipBox);
    // Above the lines, as wide as it needs, centred on them and kept on the table.
    const int tipLeft =
        std::clamp(place.x + place.w / 2 - kTipWidth / 2, 0, kDesignWidth - kTipWidth);
    tip_.SetBounds({tipLeft, place.y - kTipHeight - kTipGap, kTipWidth, kTipHeight});
    tip_.SetCaption(kTip);
    tip_.Hide();
    line_.onMouseMove = [this](Point) {
        if (line_.Visible())
            tip_.Show();
    };
}

OddsAdviceLine::~OddsAdviceLine() {
    if (timer_ != 0)
        app_.CancelTimer(timer_);
}

void OddsAdviceLine::Update(const RoundEngine& engine, bool on) {
    const std::optional<UserDecision> decision = on ? UserDecisionView(engine) : std::nullopt;
    if (!decision) {
        seen_.clear();
        Hide();
        return;
    }
    // No decision waits while a step runs: the lines go, and the banner may take their place.
    if (engine.Busy()) {
        if (pending_)
            seen_.clear(); // worked out only in part
        Hide();
        return;
    }
    // While the swap's rank is typed the lines show what they showed when it was bought.
    if (decision->ChoosingRank) {
        if (!seen_.empty() && !pending_)
            line_.Show();
        return;
    }
    std::string seen = SeenKey(*decision);
    if (seen == seen_) {
        if (!pending_)
            line_.Show();
        return;
    }
    seen_ = std::move(seen);
    Hide();
    pending_ = decision;
    if (decision->UserBanks) {
        // At the bank only the bust chance applies: the rest of the model is the seats'.
        DecisionOdds odds;
        odds.Bust = NextCardBustChance(decision->View);
        line_.SetCaption(AdviceText(*decision, odds));
        pending_.reset();
        line_.Show();
        return;
    }
    advisor_.Start(decision->View);
    Step();
}

void OddsAdviceLine::Step() {
    timer_ = 0;
    if (!pending_)
        return;
    if (advisor_.Continue()) {
        Finish();
        return;
    }
    // A frame later: a timer due at once would run in the same pass as this one.
    timer_ = app_.After(App::kFrameMs, [this] { Step(); });
}

void OddsAdviceLine::Finish() {
    line_.SetCaption(AdviceText(*pending_, advisor_.Odds()));
    pending_.reset();
    line_.Show();
}

void OddsAdviceLine::Hide() {
    if (timer_ != 0)
        app_.CancelTimer(timer_);
    timer_ = 0;
    pending_.reset();
    line_.Hide();
    tip_.Hide();
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

Rect OddsAdviceLine::Place() const {
    return line_.Bounds();
}

} // namespace quorvel
