// The round engine without any screen: a whole one-seat round, a three-seat round whose banker
// owes two seats and repays them in seat order, the checks that refuse actions out of turn, for
// the user and for a computer seat alike, and the computer controllers deciding by their
// characters' rows.
#include "RulesTestSupport.h"

#include "cards/HandRules.h"
#include "cards/ShoeStack.h"
#include "players/CharacterTraits.h"
#include "round/RoundEngine.h"
#include "round/Speech.h"
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

    const RoundEngine* engine = nullptr;
    void Announce(const Announcement& a) override {
        const std::string text = SpokenText(*engine, a);
        if (text.empty())
            return;
        said.push_back(text);
        if (duringBanner)
            duringBanner(text);
    }
    void Wait(Pause) override {}
    void DealCard(int seat, int hand, int slot, bool faceUp) override {
        calls.push_back("deal " + std::to_string(seat) + "." + std::to_string(hand) + "." +
                        std::to_string(slot) + (faceUp ? " up" : " down"));
    }
    void TurnCard(int, int, int, bool) override {}
    void HideCards(int, int, int) override {}
    void SlidePair(int seat) override { calls.push_back("slide " + std::to_string(seat)); }
    void ShowHand(int, int) override {}
    void ClearHand(int, int) override {}
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
    view.engine = &engine;
    engine.NewGame({"阿鐵", "小帥哥"});
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
    EXPECT_EQ(view.result.Sides[1].Change, 5000);
    EXPECT_EQ(HandResultText(engine.User().Main()), "20 點 ");
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

SeatRecord Sat(const char* name, std::int32_t money = kStartingMoney, std::int32_t bet = 0) {
    SeatRecord seat;
    seat.Name = name;
    seat.Money = money;
    seat.Bet = bet;
    return seat;
}

// The table opened at the start of a round with these seats, their bets put down.
void OpenWith(RoundEngine& engine, const std::array<SeatRecord, 4>& seats) {
    TableRecord record;
    record.Seats = seats;
    record.Open = true;
    engine.Resume(record);
}

TableRules ThreeComputerSeats() {
    TableRules rules;
    rules.Mode = TableMode::ThreeSeatBanker;
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
    view.engine = &engine;
    OpenWith(engine, {Sat("莊", 10000), Sat("甲", 480000, 20000), Sat("乙", 480000, 20000),
                      Sat("丙", 480000, 20000)});
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
    view.engine = &engine;
    OpenWith(engine, {Sat("莊"), Sat("甲", 480000, 20000), Sat("乙", 480000, 20000),
                      Sat("丙", 500, 20000)});
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
    view.engine = &engine;
    engine.NewGame({"", "小帥哥"});
    engine.OpenTable();
    // A deal with no bet.
    EXPECT_FALSE(Do(engine, ActionKind::Deal));
    ASSERT_TRUE(engine.Apply(Action::Chip(5000)));
    ASSERT_TRUE(Do(engine, ActionKind::Deal));
    // A split of unequal cards.
    EXPECT_FALSE(Do(engine, ActionKind::Split));
    // Nothing is taken while a banner holds the game.
    bool chipDuringBanner = true;
    view.duringBanner = [&](const std::string&) {
        chipDuringBanner = engine.Apply(Action::Chip(1000));
    };
    // A double after a hit.
    ASSERT_TRUE(Do(engine, ActionKind::Hit));
    EXPECT_FALSE(Do(engine, ActionKind::Double));
    // A hit after the stand that ended the round.
    random.rules = {100, 100};
    ASSERT_TRUE(Do(engine, ActionKind::Stand));
    EXPECT_FALSE(chipDuringBanner);
    EXPECT_TRUE(engine.RoundOver());
    EXPECT_FALSE(Do(engine, ActionKind::Hit));
    // A service on a finished hand.
    EXPECT_FALSE(Do(engine, ActionKind::Look));
    EXPECT_EQ(engine.User().Main().Money, 495000);
}

// A computer seat that bets and then hits and doubles, asking the engine, as it decides, whether
// the action it is about to make would be taken.
class CheckedPlayer final : public SeatController {
public:
    explicit CheckedPlayer(const RoundEngine& engine) : engine_(engine) {}
    std::vector<RoundEngine::Refusal> checks;

    bool IsUser() const override { return false; }
    Action Bet(const THandRecord&, int seat) override {
        return Decided(Action::By(seat, ActionKind::Bet, bet));
    }
    Action SplitChoice(int seat) override { return Action::By(seat, ActionKind::NoSplit); }
    void SteerOpening(THandRecord&, TableShoe&, int) override {}
    Action Move(THandRecord&, TableShoe&, int seat, int hand) override {
        Action move = Action::By(seat, moves.at(next++));
        move.Hand = hand;
        return Decided(move);
    }
    void SteerForcedCard(THandRecord&, TableShoe&) override {}

    std::int32_t bet = 5000;
    std::vector<ActionKind> moves;
    std::size_t next = 0;

private:
    Action Decided(Action action) {
        checks.push_back(engine_.Check(action));
        return action;
    }
    const RoundEngine& engine_;
};

TEST_F(RoundEngineTest, AComputerSeatsActionIsCheckedAsTheUsersIs) {
    // The user banks; the computer seat has 5 + 6, hits a 2 to 13, then tries to double.
    Stack({"10S", "5H", "7S", "6C", "2D"});
    random.rules = {100}; // the seat's pair chance
    RoundEngine engine(RulesOfMode(2), view, random, stack);
    view.engine = &engine;
    CheckedPlayer seat(engine);
    seat.moves = {ActionKind::Hit, ActionKind::Double};
    engine.UseController(1, seat);
    engine.NewGame({"小帥哥", "阿鐵"});
    engine.OpenTable();
    ASSERT_EQ(engine.At(1).Main().Bet, 5000);
    ASSERT_TRUE(Do(engine, ActionKind::Deal));

    // The bet and the hit were taken; the double of a hand of three cards was refused, as the
    // check said while the seat decided, and the seat's turn ended with its hand as it was.
    using R = RoundEngine::Refusal;
    EXPECT_EQ(seat.checks, (std::vector<R>{R::None, R::None, R::NotAllowed}));
    EXPECT_EQ(engine.At(1).Main().Bet, 5000);
    EXPECT_EQ(engine.At(1).Main().CardCount, 3);
    EXPECT_EQ(engine.CurrentStage(), RoundEngine::Stage::UserTurn);
    // Out of its turn the seat is refused as the user is out of the user's: not allowed now.
    EXPECT_EQ(engine.Check(Action::By(1, ActionKind::Hit)), R::NotAllowed);
    EXPECT_EQ(engine.Check(Action::Of(ActionKind::Deal)), R::NotAllowed);
    EXPECT_FALSE(engine.Apply(Action::By(1, ActionKind::Stand)));

    // The user's own double of a hand of three cards meets the same refusal.
    RecordingView userView;
    test::ScriptedRandom userRandom;
    userRandom.rules = {50, 100, 100};
    ShoeStack userStack;
    for (const char* code : {"10S", "5H", "8S", "6C", "2D"})
        userStack.Add(code);
    RoundEngine user(RulesOfMode(1), userView, userRandom, userStack);
    userView.engine = &user;
    user.NewGame({"", "小帥哥"});
    user.OpenTable();
    ASSERT_TRUE(user.Apply(Action::Chip(5000)));
    ASSERT_TRUE(Do(user, ActionKind::Deal));
    ASSERT_TRUE(Do(user, ActionKind::Hit));
    EXPECT_EQ(user.Check(Action::Of(ActionKind::Double)), R::NotAllowed);
    // A bet that makes no sense is refused as a chip of nothing is.
    EXPECT_EQ(user.Check(Action::Chip(0)), R::NotAllowed);
}

TEST_F(RoundEngineTest, AComputerSeatsNonsenseBetIsRefused) {
    random.rules = {};
    RoundEngine engine(RulesOfMode(2), view, random, stack);
    view.engine = &engine;
    CheckedPlayer seat(engine);
    seat.bet = -5000;
    engine.UseController(1, seat);
    engine.NewGame({"小帥哥", "阿鐵"});
    engine.OpenTable();
    EXPECT_EQ(seat.checks, std::vector<RoundEngine::Refusal>{RoundEngine::Refusal::Invalid});
    EXPECT_EQ(engine.At(1).Main().Bet, 0);
    EXPECT_EQ(engine.At(1).Main().Money, kStartingMoney);
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
                EXPECT_EQ(player.Move(hand, shoe, 1, 1).Kind,
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
        EXPECT_EQ(player.Move(rich, shoe, 1, 1).Kind, ActionKind::Stand) << traits.Name;
        EXPECT_TRUE(random.rules.empty()) << traits.Name;
    }
}

} // namespace
} // namespace quorvel
