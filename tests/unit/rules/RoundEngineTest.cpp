// The round engine without any screen: a whole one-seat round, a three-seat round whose banker
// owes two seats and repays them in seat order, the checks that refuse actions out of turn, and
// the computer controllers deciding by their characters' rows.
#include "RulesTestSupport.h"

#include "cards/HandRules.h"
#include "cards/ShoeStack.h"
#include "players/CharacterTraits.h"
#include "round/RoundEngine.h"
#include "round/WordingLines.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <functional>

namespace quorvel {

// A view that shows nothing and remembers what it was told, one line per call.
class RecordingView final : public TableView {
public:
    std::vector<std::string> said;
    std::vector<std::string> calls;
    RoundResult result;
    std::function<void(const std::string&)> duringBanner;

    void Announce(const std::string& text) override {
        said.push_back(text);
        if (duringBanner)
            duringBanner(text);
    }
    void Wait(int) override {}
    void DealCard(int seat, int hand, int slot, bool faceUp) override {
        calls.push_back("deal " + std::to_string(seat) + "." + std::to_string(hand) + "." +
                        std::to_string(slot) + (faceUp ? " up" : " down"));
    }
    void TurnCard(int, int, int, bool) override {}
    void HideCards(int, int, int) override {}
    void SlidePair(int seat) override { calls.push_back("slide " + std::to_string(seat)); }
    void ShowHandText(int, int, const std::string&) override {}
    void Refresh() override {}
    void ShowCounts() override {}
    void HideCounts() override {}
    void ShowResult(const RoundResult& r) override { result = r; }
    void HideResult() override {}
    void ClearResultExtras() override {}
    void RevealChips() override {}
    void LeaveToMainMenu() override { calls.push_back("main menu"); }
    void LeaveToPlayerSelection() override { calls.push_back("player selection"); }
    void WriteSave() override { calls.push_back("save"); }
    void RoundSettled(const RoundRecord& round) override { settled.push_back(round); }
    std::vector<RoundRecord> settled;

    bool Said(const std::string& text) const {
        return std::find(said.begin(), said.end(), text) != said.end();
    }
};

class RoundEngineTest : public ::testing::Test {
protected:
    static Offers& OffersOf(RoundEngine& engine) { return engine.offers_; }

    void Stack(std::initializer_list<const char*> codes) {
        for (const char* code : codes)
            stack.Add(code);
    }

    RecordingView view;
    test::ScriptedRandom random;
    ShoeStack stack;
};

namespace {

bool Do(RoundEngine& engine, ActionKind kind) {
    return engine.Apply(Action::Of(kind));
}

TEST_F(RoundEngineTest, AWholeOneSeatRound) {
    // Banker 10 + 8, the user 10 + K: the user stands on 20 and wins 5000.
    Stack({"10S", "KH", "8S", "QH"});
    // The banker's opening steering (r, s), the pair chance, and one drawing decision: a rich
    // banker above its rich stop stands without a second draw.
    random.rules = {50, 100, 100, 50};
    RoundEngine engine(RulesOfMode(1), view, random, stack);
    engine.Banker().Main().Name = "阿鐵";
    engine.User().Main().Name = "小帥哥";
    engine.OpenTable();
    EXPECT_FALSE(Do(engine, ActionKind::Deal)); // no bet yet
    ASSERT_TRUE(engine.Apply(Action::Chip(5000)));
    ASSERT_TRUE(Do(engine, ActionKind::Deal));
    EXPECT_EQ(view.calls, (std::vector<std::string>{"deal 0.1.1 down", "deal 1.1.1 down",
                                                    "deal 0.1.2 up", "deal 1.1.2 up"}));
    EXPECT_TRUE(engine.Offered().Open(ActionKind::Hit));
    ASSERT_TRUE(Do(engine, ActionKind::Stand));
    EXPECT_EQ(view.said, (std::vector<std::string>{"請小帥哥下注！", "小帥哥已下注5000圓",
                                                   "請阿鐵開牌！", "結算本局籌碼！"}));
    EXPECT_EQ(engine.User().Main().Money, 505000);
    EXPECT_EQ(engine.Banker().Main().Money, 495000);
    EXPECT_EQ(engine.User().Main().Streak, 1);
    ASSERT_EQ(view.result.Lines.size(), 2u);
    EXPECT_EQ(view.result.Lines[1].Change, 5000);
    EXPECT_EQ(view.result.Lines[1].HandLines, std::vector<std::string>{"牌值： 20 點 "});
    EXPECT_TRUE(engine.RoundOver());
    EXPECT_TRUE(engine.Offered().Open(ActionKind::Leave));
    EXPECT_TRUE(random.rules.empty());
    // The round's statistics: one hand won, the money after it and what it gave.
    ASSERT_EQ(view.settled.size(), 1u);
    const RoundRecord& round = view.settled[0];
    EXPECT_EQ(round.Mode, 1);
    EXPECT_EQ((std::array{round.Wins, round.Pushes, round.Losses}), (std::array{1, 0, 0}));
    EXPECT_EQ(round.Bankroll, 505000);
    EXPECT_EQ(round.Result, 5000);
    EXPECT_TRUE(round.SpecialHands.empty() && round.Bonuses.empty() && round.Beaten.empty());
    EXPECT_FALSE(round.ChallengeEntered || round.ChallengeWon);
}

// Three computer seats against the user as banker, with the test's own words, so that only
// the engine's flow is tested here.
constexpr wording::Line kWords[] = {
    {Say::BankerBroke, "{banker} broke"},
    {Say::BankerOwes, "{banker} owes {seat} {amount}"},
    {Say::Repays, "{banker} repays {creditor} {amount}"},
    {Say::RepaysPart, "{banker} repays {creditor} part {amount}"},
    {Say::CannotRepay, "{banker} has nothing left"},
};
constexpr WordingTable kWording = wording::Table(kWords);

TableRules ThreeComputerSeats() {
    TableRules rules;
    rules.Mode = 4;
    rules.Seats = 3;
    rules.UserSeat = 0;
    rules.ShoeLimit = kThreeSeatShoeLimit;
    rules.UserChoosesSplit = false;
    rules.Wording = &kWording;
    return rules;
}

TEST_F(RoundEngineTest, ABrokeBankerRepaysTwoClaimsInSeatOrder) {
    // The user banks 17; seats 1 and 2 win with 19 and 18, seat 3 loses with 16.
    Stack({"10S", "10C", "10D", "10H", "7H", "9C", "8D", "6H"});
    const TableRules rules = ThreeComputerSeats();
    RoundEngine engine(rules, view, random, stack);
    const char* names[4] = {"莊", "甲", "乙", "丙"};
    for (int seat = 0; seat <= 3; ++seat)
        engine.At(seat).Main().Name = names[seat];
    // Names outside the roster bet nothing (one draw each); the bets are set by hand.
    random.rules = {50, 50, 50};
    engine.OpenTable();
    for (int seat = 1; seat <= 3; ++seat) {
        engine.At(seat).Main().Bet = 20000;
        engine.At(seat).Main().Money = 480000;
    }
    engine.Banker().Main().Money = 10000;
    // Per seat: the pair chance; then per seat in turn its opening steering (two draws) and
    // one drawing decision (one draw, no for a name outside the roster).
    random.rules = {50, 50, 50, 50, 50, 50, 50, 50, 50, 50, 50, 50};
    ASSERT_TRUE(Do(engine, ActionKind::Deal));
    ASSERT_TRUE(engine.Offered().Open(ActionKind::Stand));
    ASSERT_TRUE(Do(engine, ActionKind::Stand));

    // Seat 1 takes the banker's 10000 and is owed 10000; seat 2 is owed all 20000; seat 3's
    // lost bet pays seat 1 in full, then seat 2 in part.
    const std::vector<std::string> expected = {
        "莊 broke",           "莊 owes 甲 10000",        "莊 broke",           "莊 owes 乙 20000",
        "莊 repays 甲 10000", "莊 repays 乙 part 10000", "莊 has nothing left"};
    EXPECT_EQ(view.said, expected);
    EXPECT_EQ(engine.At(1).Main().Money, 520000);
    EXPECT_EQ(engine.At(2).Main().Money, 510000);
    EXPECT_EQ(engine.At(3).Main().Money, 480000);
    EXPECT_EQ(engine.Banker().Main().Money, 0);
    EXPECT_EQ(engine.At(2).Debt.Amount, 10000);
    // The user as banker has nothing left: back to the main menu.
    EXPECT_EQ(view.calls.back(), "main menu");
    EXPECT_TRUE(random.rules.empty());
    // From the bank's side two seats won and one lost; the round is counted before the game
    // ends, with the money the bank had at its start.
    ASSERT_EQ(view.settled.size(), 1u);
    const RoundRecord& round = view.settled[0];
    EXPECT_EQ(round.Mode, 4);
    EXPECT_EQ((std::array{round.Wins, round.Pushes, round.Losses}), (std::array{1, 0, 2}));
    EXPECT_EQ(round.Bankroll, 0);
    EXPECT_EQ(round.Result, -10000);
}

TEST_F(RoundEngineTest, ASeatTheBankBreaksIsAnOpponentBeatenWithItsSpecialHandSeen) {
    // The user banks 17; seat 1 wins with a suited ace and jack and its bonus, seat 2 pushes,
    // seat 3 loses its last money with 16.
    Stack({"10S", "AH", "10D", "10H", "7H", "JH", "7D", "6H"});
    const TableRules rules = ThreeComputerSeats();
    RoundEngine engine(rules, view, random, stack);
    const char* names[4] = {"莊", "甲", "乙", "丙"};
    for (int seat = 0; seat <= 3; ++seat)
        engine.At(seat).Main().Name = names[seat];
    random.rules = {50, 50, 50};
    engine.OpenTable();
    for (int seat = 1; seat <= 3; ++seat) {
        engine.At(seat).Main().Bet = 20000;
        engine.At(seat).Main().Money = seat == 3 ? 500 : 480000;
    }
    random.rules = {50, 50, 50, 50, 50, 50, 50, 50, 50, 50, 50, 50};
    ASSERT_TRUE(Do(engine, ActionKind::Deal));
    ASSERT_TRUE(Do(engine, ActionKind::Stand));
    ASSERT_EQ(view.settled.size(), 1u);
    const RoundRecord& round = view.settled[0];
    EXPECT_EQ((std::array{round.Wins, round.Pushes, round.Losses}), (std::array{1, 1, 1}));
    EXPECT_EQ(round.SpecialHands, std::vector<int>{hkSuitedAceJack});
    // The seat's bonus is the house's money, not the bank's.
    EXPECT_TRUE(round.Bonuses.empty());
    EXPECT_EQ(round.Beaten, std::vector<std::string>{"丙"});
    EXPECT_EQ(round.Result, 0); // 20000 lost to seat 1, 20000 won from seat 3
    EXPECT_EQ(view.calls.back(), "player selection");
}

TEST_F(RoundEngineTest, ActionsOutOfTurnAreRefused) {
    // Banker 10 + 8; the user 5 + 6, then a 2 to 13.
    Stack({"10S", "5H", "8S", "6C", "2D"});
    random.rules = {50, 100, 100};
    RoundEngine engine(RulesOfMode(1), view, random, stack);
    engine.User().Main().Name = "小帥哥";
    engine.OpenTable();
    // A deal with no bet.
    EXPECT_FALSE(Do(engine, ActionKind::Deal));
    ASSERT_TRUE(engine.Apply(Action::Chip(5000)));
    ASSERT_TRUE(Do(engine, ActionKind::Deal));
    // A split of unequal cards, even with its button forced into view.
    OffersOf(engine).Show(ActionKind::Split);
    EXPECT_FALSE(Do(engine, ActionKind::Split));
    OffersOf(engine).Hide(ActionKind::Split);
    // Nothing is taken while a banner holds the game.
    bool chipDuringBanner = true;
    view.duringBanner = [&](const std::string&) {
        chipDuringBanner = engine.Apply(Action::Chip(1000));
    };
    // A double after a hit.
    ASSERT_TRUE(Do(engine, ActionKind::Hit));
    OffersOf(engine).Show(ActionKind::Double);
    EXPECT_FALSE(Do(engine, ActionKind::Double));
    OffersOf(engine).Hide(ActionKind::Double);
    // A hit after the stand that ended the round.
    random.rules = {100, 100};
    ASSERT_TRUE(Do(engine, ActionKind::Stand));
    EXPECT_FALSE(chipDuringBanner);
    EXPECT_TRUE(engine.RoundOver());
    OffersOf(engine).Show(ActionKind::Hit);
    EXPECT_FALSE(Do(engine, ActionKind::Hit));
    // A service on a finished hand.
    OffersOf(engine).Show(ActionKind::Look);
    EXPECT_FALSE(Do(engine, ActionKind::Look));
    EXPECT_EQ(engine.User().Main().Money, 495000);
}

TEST(ComputerPlayer, DecidesByItsCharactersRows) {
    // For every character: below its first two bands, the second draw s against its limit
    // for each value decides; a rich hand above its rich stop stands without a second draw.
    for (const CharacterTraits& traits : AllTraits()) {
        const int r = std::max({traits.ToTwentyOne.To, traits.Small.To, 0}) + 1;
        for (int value = 12; value <= 19; ++value) {
            const int limit = traits.Limits[static_cast<std::size_t>(value - 12)];
            for (int s : {limit, limit + 1}) {
                test::ScriptedRandom random;
                random.rules = {r, s};
                ComputerPlayer player(random);
                THandRecord hand;
                hand.Name = std::string(traits.Name);
                hand.HandValue = value;
                hand.Money = 10000;
                TableShoe shoe = test::StackedShoe({});
                EXPECT_EQ(player.NextMove(hand, shoe),
                          s <= limit ? ActionKind::Hit : ActionKind::Stand)
                    << traits.Name << " " << value << " " << s;
            }
        }
        test::ScriptedRandom random;
        random.rules = {r};
        ComputerPlayer player(random);
        THandRecord rich;
        rich.Name = std::string(traits.Name);
        rich.HandValue = traits.RichStop + 1;
        rich.Money = 40001;
        TableShoe shoe = test::StackedShoe({});
        EXPECT_EQ(player.NextMove(rich, shoe), ActionKind::Stand) << traits.Name;
        EXPECT_TRUE(random.rules.empty()) << traits.Name;
    }
}

} // namespace
} // namespace quorvel
