// Betting and the start of a round: the opening of a table, the user's chips, the bet taken
// back and the raised bet, the computer seats' bets, and the deal button.
#include "round/RoundEngine.h"

#include "players/Money.h"

namespace quorvel {

namespace {
// The longest name a claim keeps for its repayment banners [characters].
constexpr std::size_t kClaimNameChars = 80;

// The first `count` characters of a UTF-8 text.
std::string FirstCharacters(const std::string& text, std::size_t count) {
    std::size_t chars = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80 && chars++ == count)
            return text.substr(0, i);
    }
    return text;
}
} // namespace

void RoundEngine::OpenTable() {
    Step step(*this);
    stage_ = Stage::Waiting;
    closed_ = false;
    roundOver_ = false;
    if (!rules_.BetsBeforeDeal) {
        Say(Say::TableReady, 0);
        return;
    }
    if (rules_.UserSeat > 0) {
        Say(Say::PleaseBet, rules_.UserSeat);
        stage_ = Stage::Betting;
        raiseTaken_ = false;
        view_.RevealChips();
        return;
    }
    for (int seat = 1; seat <= rules_.Seats; ++seat) {
        Say(Say::PleaseBet, seat);
        ComputerBets(seat, Say::SeatBets);
    }
    Say(Say::PleaseDeal, 0);
}

// ---- the user's bet ----

void RoundEngine::Chip(std::int32_t value) {
    THandRecord& hand = User().Main();
    const std::int32_t bet = hand.Bet;
    const std::int32_t cap = rules_.ChipCap;
    // The chips do not look at the bankroll: a bet larger than the money leaves it negative.
    if (std::int64_t{bet} + value <= cap) {
        ledger_.Restake(hand, bet + value);
        Say(Say::BetPlaced, rules_.UserSeat, hand.Bet);
    } else if (bet < cap) {
        ledger_.Restake(hand, cap);
        Say(Say::BetPlaced, rules_.UserSeat, hand.Bet);
    } else {
        Say(Say::ChipCap, rules_.UserSeat);
    }
}

void RoundEngine::TakeBack() {
    ledger_.Restake(User().Main(), 0);
    raiseTaken_ = false;
    Say(Say::BetAgain, rules_.UserSeat);
}

void RoundEngine::TakeRaise() {
    THandRecord& hand = User().Main();
    ledger_.Restake(hand, User().Raise.Amount);
    raiseTaken_ = true;
    Say(Say::BetPlaced, rules_.UserSeat, hand.Bet);
}

void RoundEngine::FinishBets() {
    stage_ = Stage::Playing;
    Say(Say::AllBet, rules_.UserSeat);
    BetsFrom(rules_.UserSeat + 1);
}

void RoundEngine::ComputerBets(int seat, quorvel::Say words) {
    THandRecord& hand = At(seat).Main();
    ledger_.PlaceBet(hand, At(seat).Controller->ChooseBet(hand));
    Say(words, seat, hand.Bet);
}

void RoundEngine::BetsFrom(int seat) {
    for (int s = seat; s <= rules_.Seats; ++s) {
        if (s == rules_.UserSeat) {
            // The user bets with the chips and says when the bet is done.
            stage_ = Stage::Betting;
            raiseTaken_ = false;
            view_.RevealChips();
            return;
        }
        ComputerBets(s, Say::SeatBets);
    }
    StartDealing();
}

// ---- the deal ----

void RoundEngine::Deal() {
    stage_ = Stage::Playing;
    roundFees_ = {};
    roundBonuses_.clear();
    if (!rules_.PrepareAtNextRound) {
        roundNumber_ += 1;
        PrepareRound();
    }
    roundOver_ = false;
    bankerShown_ = false;
    userTurnOver_ = false;
    splitOffered_ = false;
    swapPanel_ = toggleOffered_ = atDecisionPoint_ = turnOver_ = passOnly_ = false;
    for (int seat = 0; seat <= rules_.Seats; ++seat) {
        Seat& s = At(seat);
        s.HandCount = 1;
        s.CurrentHand = Seat::kMain;
        s.Main().Bonus = 0;
        s.Split().Bonus = 0;
        s.MoneyAtStart = AddMoney(s.Main().Money, s.Main().Bet);
        s.DoubleTaken = false;
        s.BetStarred = false;
        s.Debt = Claim{FirstCharacters(s.Main().Name, kClaimNameChars), 0, false};
    }
    if (rules_.PrepareAtNextRound && roundNumber_ == 1)
        PrepareRound();
    swapTarget_ = Seat::kMain;
    for (int seat = 0; seat <= rules_.Seats; ++seat)
        At(seat).Doubled = {};
    view_.ClearResultExtras();
    Refresh();
    if (rules_.BetsBeforeDeal) {
        StartDealing();
        return;
    }
    Say(Say::RoundOpens, 0);
    Say(Say::AskSeatsToBet, 0);
    BetsFrom(1);
}

} // namespace quorvel
