// The odds advisor's line at the tables: shown at the user's decisions only while the setting
// is on, the same for two shoes that differ only in what the user cannot see, with its tip
// under the pointer; only what applies to the moves the round allows (no bust chance once
// hitting is over, at a split offer the split); the best move by its button's name; and at
// the bank only the bust chance.
#include "TableGame.h"

#include "gui/Label.h"
#include "round/DecisionView.h"
#include "tables/CardMotion.h"
#include "tables/OddsAdviceLine.h"
#include "tables/one_seat_banker/TForm3.h"
#include "tables/three_seat_banker/TForm5.h"
#include "tables/three_seat_challenge/TForm4.h"

#include <gtest/gtest.h>

namespace quorvel {
namespace {

using R = TableRole;

using testing::TableGame;

// The banker's opening steering (two draws, nothing steered), the pair chance.
const std::vector<int> kDealDraws{50, 100, 100, 100};
constexpr int kWorkingOutMs = 300; // [ms] a frame for each of the swap's thirteen ranks

SettingsRead AdvisorOn(bool on) {
    SettingsRead read;
    read.settings.oddsAdvisor = on;
    return read;
}

// A one-on-one table dealt from `shoe` (the banker's face-down card, the user's, the banker's
// face-up card, the user's, then the cards to come) at the user's first decision.
struct Table {
    TableGame t;
    explicit Table(const std::vector<std::string>& shoe, bool on = true)
        : t(shoe, kDealDraws, true, AdvisorOn(on)) {
        t.OpenTable();
        Click(R::Chip1000);
        Click(R::Deal);
    }
    void Click(TableRole role) {
        t.Click(role);
        t.app.Idle(kWorkingOutMs);
    }
    const OddsAdviceLine& Line() { return t.table().AdviceLine(); }
    UserDecision Decision() { return *UserDecisionView(t.table().Engine()); }
};

TEST(OddsAdvice, ShowsAtTheUsersDecisionOnlyWhileTheSettingIsOn) {
    const std::vector<std::string> shoe{"10S", "5H", "8S", "6C"};
    EXPECT_FALSE(Table(shoe, false).Line().Showing());
    Table on(shoe);
    ASSERT_TRUE(on.Line().Showing());
    // 11 cannot bust; the banker's 8 and its face-down card, the look and the swap.
    EXPECT_TRUE(on.Line().Text().starts_with("爆牌 0%　莊家17–21點 ")) << on.Line().Text();
    EXPECT_NE(on.Line().Text().find("透視眼 值"), std::string::npos) << on.Line().Text();
    EXPECT_NE(on.Line().Text().find("/費40000"), std::string::npos) << on.Line().Text();
    on.Click(R::Stand);
    EXPECT_FALSE(on.Line().Showing());
}

TEST(OddsAdvice, UsesOnlyWhatTheUserSees) {
    // The banker's face-down card differs, the unseen counts do not: the same line.
    Table ten({"10S", "5H", "8S", "6C"});
    Table nine({"9S", "5H", "8S", "6C"});
    ASSERT_TRUE(ten.Line().Showing() && nine.Line().Showing());
    EXPECT_EQ(ten.Line().Text(), nine.Line().Text());
    // The user's own face-down card is the user's to know: 16 may bust, 11 may not.
    Table sixteen({"10S", "10H", "8S", "6C"});
    EXPECT_NE(sixteen.Line().Text(), ten.Line().Text());
    EXPECT_FALSE(sixteen.Line().Text().starts_with("爆牌 0%")) << sixteen.Line().Text();
}

TEST(OddsAdvice, ItsTipSaysWhatItUsesAndGoesWithThePointer) {
    Table table({"10S", "5H", "8S", "6C"});
    TableGame& t = table.t;
    auto& tip = static_cast<Label&>(t.Get("TForm1.OddsAdviceTip"));
    EXPECT_FALSE(tip.Visible());
    t.app.HoverControl(t.Get("TForm1.OddsAdvice"));
    EXPECT_TRUE(tip.Visible());
    EXPECT_EQ(tip.Caption(), OddsAdviceLine::kTip);
    t.app.HoverControl(t.Get("TForm1.Background"));
    EXPECT_FALSE(tip.Visible());
}

// The line names the advisor's best move for what the round allows, by its button's caption,
// with the expected result after it.
TEST(OddsAdvice, NamesTheBestMoveWithItsValue) {
    Table twenty({"6S", "KH", "6C", "QD"});
    const UserDecision decision = twenty.Decision();
    const DecisionOdds odds = AdviseDecision(decision.View);
    ASSERT_EQ(odds.Best, Move::Stand);
    const std::string best =
        "最佳：不補牌 +" + std::to_string(std::llround(*odds.ValueOf(Move::Stand)));
    EXPECT_NE(twenty.Line().Text().find(best + "\n"), std::string::npos) << twenty.Line().Text();
}

// After a double and its card only the banker-opens button and the services are left: no
// bust chance, no banker's chance, and standing goes by the button that is left.
TEST(OddsAdvice, ShowsOnlyWhatAppliesToTheMovesOffered) {
    Table table({"10S", "5H", "8S", "6C", "2D"});
    UserDecision first = table.Decision();
    for (Move move : {Move::Stand, Move::Hit, Move::Double, Move::Look, Move::Swap})
        EXPECT_TRUE(first.View.Offered.Has(move)) << int(move);
    EXPECT_TRUE(first.MayHit);

    table.Click(R::Double); // double: the hand owes its one card
    const UserDecision owing = table.Decision();
    EXPECT_TRUE(owing.View.OneCardOnly);
    EXPECT_TRUE(owing.View.Offered.Has(Move::Hit));
    EXPECT_FALSE(owing.View.Offered.Has(Move::Stand) || owing.View.Offered.Has(Move::Double));
    EXPECT_TRUE(table.Line().Text().find("最佳：補牌") != std::string::npos) << table.Line().Text();

    table.Click(R::Hit); // its card: 13, the hand is done
    const UserDecision done = table.Decision();
    EXPECT_FALSE(done.MayHit || done.View.Offered.Has(Move::Hit));
    EXPECT_TRUE(done.View.Offered.Has(Move::Stand));
    EXPECT_EQ(done.StandsBy, ActionKind::Open);
    const std::string& text = table.Line().Text();
    ASSERT_TRUE(table.Line().Showing());
    EXPECT_EQ(text.find("爆牌"), std::string::npos) << text;
    EXPECT_EQ(text.find("莊家17"), std::string::npos) << text;
    EXPECT_NE(text.find("最佳："), std::string::npos) << text;
}

// At a split offer the choice is to split or not: no bust chance, and a pair of eights against
// a six is split.
TEST(OddsAdvice, AtASplitOfferWeighsTheSplit) {
    Table table({"10S", "8H", "6C", "8H"});
    const UserDecision offer = table.Decision();
    EXPECT_TRUE(offer.View.Offered.Has(Move::Split) && offer.View.Offered.Has(Move::NoSplit));
    EXPECT_FALSE(offer.MayHit || offer.View.Offered.Has(Move::Hit));
    const std::string& text = table.Line().Text();
    EXPECT_TRUE(text.starts_with("莊家17–21點 ")) << text;
    EXPECT_NE(text.find("最佳：分牌 "), std::string::npos) << text;
}

bool Overlap(const Rect& a, const Rect& b) {
    return a.x < b.x + b.w && b.x < a.x + a.w && a.y < b.y + b.h && b.y < a.y + a.h;
}

// At every table the lines' box covers no card of any seat (up to seven cards; at a three-seat
// table a split's rows within 40 px of the resting one), no label (a hand's description up to 96 px
// wide) and none of the round buttons on the right. The banner's text is the one label inside: it
// shows only while a step runs, and then the lines are hidden.
TEST(OddsAdvice, ItsLinesCoverNothingAtEveryTable) {
    constexpr int kCards = 7, kSplitRow = 40, kLabelWidth = 96, kButtonsLeft = 688;
    TableGame t;
    for (TableScreen* table : std::initializer_list<TableScreen*>{
             &t.game.Form1(), &t.game.Form3(), &t.game.Form4(), &t.game.Form5()}) {
        const Rect box = table->AdviceLine().Place();
        EXPECT_LE(box.x + box.w, kButtonsLeft) << table->Name();
        for (int seat = 0; seat <= table->Engine().Seats(); ++seat)
            for (int hand = Seat::kMain; hand <= Seat::kSplit; ++hand) {
                Rect cards = table->Motion().CardArea(seat, hand, kCards);
                const int rows = seat > 0 && table->Engine().Seats() == 3 ? kSplitRow : 0;
                cards.y -= rows;
                cards.h += 2 * rows;
                EXPECT_FALSE(Overlap(box, cards))
                    << table->Name() << " seat " << seat << " hand " << hand;
            }
        for (const auto& control : table->Controls()) {
            const auto* label = dynamic_cast<const Label*>(control.get());
            if (!label || label->Name() == "Label1" || label->Name().starts_with("OddsAdvice") ||
                label->Parent())
                continue;
            Rect text = label->Bounds();
            text.w = std::max(text.w, kLabelWidth);
            EXPECT_FALSE(Overlap(box, text)) << table->Name() << " " << label->Name();
        }
    }
}

// The swap's thirteen ranks are worked out a frame apart, so that no frame waits for them all;
// the lines show once they are done.
TEST(OddsAdvice, WorkedOutOverFrames) {
    TableGame t({"10S", "5H", "8S", "6C"}, kDealDraws, true, AdvisorOn(true));
    t.OpenTable();
    t.Click(R::Chip1000);
    t.Click(R::Deal);
    const OddsAdviceLine& line = t.table().AdviceLine();
    t.app.Idle(App::kFrameMs * 6);
    EXPECT_FALSE(line.Showing());
    t.app.Idle(kWorkingOutMs);
    EXPECT_TRUE(line.Showing());
}

// While a step runs (here the card of a hit in flight) no decision waits: the lines are gone.
TEST(OddsAdvice, HiddenWhileAStepRuns) {
    Table table({"10S", "5H", "8S", "6C", "2D"});
    ASSERT_TRUE(table.Line().Showing());
    bool shownInFlight = true;
    table.t.app.After(50, [&] { shownInFlight = table.Line().Showing(); });
    table.Click(R::Hit);
    EXPECT_FALSE(shownInFlight);
    EXPECT_TRUE(table.Line().Showing());
}

TEST(OddsAdvice, AtTheBankOnlyTheBustChanceShows) {
    TableGame t({}, {}, true, AdvisorOn(true));
    auto& state = t.game.State();
    state.PlayerPick = {"小帥哥", "", 4};
    state.OpponentPicks[0] = {"阿鐵", "", 2};
    state.TableSize = 1;
    state.BankerChoice = 2;
    t.game.MainForm().Hide();
    t.game.OpenNewTable();
    // The computer bets, is dealt and plays; then the user banks.
    t.app.ClickControl(t.game.Form3().Get(R::Deal));
    t.app.Idle(kWorkingOutMs);
    const OddsAdviceLine* line = &t.game.Form3().AdviceLine();
    ASSERT_TRUE(line->Showing());
    EXPECT_TRUE(line->Text().starts_with("爆牌 ")) << line->Text();
    EXPECT_EQ(line->Text().find("莊家"), std::string::npos) << line->Text();
    EXPECT_EQ(line->Text().find("最佳"), std::string::npos) << line->Text();
}

} // namespace
} // namespace quorvel
