// Key tags keep off captions: a tag lies against its button's edge and moves to another side
// when that side would leave the screen, cover a caption or touch another button; and every
// screen of the game, laid out with its pictures' real sizes, has a free place for each tag.
#include "BareApp.h"
#include "HeadlessGame.h"

#include "app/TableOpening.h"
#include "cards/SeededRandom.h"
#include "frontend/SettingsScreen.h"
#include "frontend/StatisticsScreen.h"
#include "frontend/TForm10.h"
#include "frontend/TForm11.h"
#include "gui/BitBtn.h"
#include "gui/KeyTag.h"
#include "gui/Label.h"
#include "tables/TableScreen.h"
#include "tables/one_seat_banker/TForm3.h"
#include "tables/one_seat_challenge/TForm1.h"
#include "tables/one_seat_challenge/TForm6.h"
#include "tables/three_seat_banker/TForm5.h"
#include "tables/three_seat_challenge/TForm4.h"
#include "ui/QuestionDialog.h"
#include "ui/SaveFirstDialog.h"

#include <gtest/gtest.h>

namespace quorvel {
namespace {

using R = TableRole;

// Whether any tag of the screen lies off it, on a caption (its button's or another control's)
// or on another tag; the offending tags are named in the failure.
::testing::AssertionResult TagsKeepClear(const Screen& screen) {
    const std::vector<PlacedKeyTag> tags = KeyTagPlaces(screen);
    const Rect whole{0, 0, screen.Bounds().w, screen.Bounds().h};
    std::string faults;
    for (std::size_t i = 0; i < tags.size(); ++i) {
        const PlacedKeyTag& tag = tags[i];
        std::string why;
        if (!tag.clear)
            why += " found no free place;";
        if (!whole.Encloses(tag.place))
            why += " leaves the screen;";
        for (const auto& other : screen.Controls())
            if (other->Showing() && other->CaptionArea() &&
                other->CaptionArea()->Overlaps(tag.place))
                why += " covers the caption of " + other->Name() + ";";
        for (std::size_t j = 0; j < i; ++j)
            if (tags[j].place.Overlaps(tag.place))
                why += " lies on the tag of " + tags[j].control->Name() + ";";
        if (!why.empty())
            faults += "\n  " + screen.Name() + "." + tag.control->Name() + " (" +
                      tag.control->KeyHint() + ")" + why;
    }
    if (faults.empty())
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << faults;
}

struct Sheet : BareApp {
    Screen screen{app, "Sheet"};
    BitBtn& Button(const char* name, Rect bounds, const char* caption, const char* key) {
        auto& b = screen.Add<BitBtn>(name);
        b.SetBounds(bounds);
        b.SetCaption(caption);
        b.SetFont({13, true});
        b.onClick = [] {};
        b.SetKeyHint(key);
        return b;
    }
    Rect TagOf(const Control& control) const {
        for (const PlacedKeyTag& tag : KeyTagPlaces(screen))
            if (tag.control == &control)
                return tag.place;
        ADD_FAILURE() << "no tag on " << control.Name();
        return {};
    }
};

TEST(KeyTags, TakeTheFirstSideThatIsFreeOfCaptionsButtonsAndTheScreensEdge) {
    Sheet s;
    s.screen.Show();
    // Tabs side by side whose captions fill them, each tag under its own tab.
    BitBtn& first = s.Button("Tab1", {100, 50, 120, 28}, "挑戰莊家・一對一", "1");
    BitBtn& second = s.Button("Tab2", {226, 50, 120, 28}, "玩家做莊・一對一", "2");
    for (const BitBtn* tab : {&first, &second}) {
        const Rect tag = s.TagOf(*tab);
        EXPECT_GE(tag.y, tab->Top() + tab->Height() - 4) << tab->Name();
        EXPECT_LE(tag.x + tag.w, tab->Left() + tab->Width() + 3) << tab->Name();
    }
    // A column of buttons against the right edge: under a button lies the next one, so a short
    // key goes beside it on the right, a long one that would leave the screen on the left.
    BitBtn& hit = s.Button("Hit", {688, 300, 96, 24}, "補牌", "H");
    BitBtn& save = s.Button("Save", {688, 324, 96, 24}, "存儲", "Ctrl+S");
    s.Button("Quit", {688, 348, 96, 24}, "退出", "");
    EXPECT_GE(s.TagOf(hit).x, hit.Left() + hit.Width() - 4);
    EXPECT_LE(s.TagOf(save).x + s.TagOf(save).w, save.Left() + 4);
    EXPECT_GE(s.TagOf(save).y, save.Top());
    EXPECT_LE(s.TagOf(save).y + s.TagOf(save).h, save.Top() + save.Height());
    // A label just under a button and a button beside it: the tag goes above.
    BitBtn& deal = s.Button("Deal", {300, 400, 96, 24}, "發牌", "Enter");
    auto& bet = s.screen.Add<Label>("Bet");
    bet.SetFont({14, true});
    bet.SetBounds({330, 428, 60, 20});
    bet.SetCaption("下注：1000");
    s.Button("Neighbour", {400, 400, 96, 24}, "不補牌", "");
    s.Button("Other", {190, 400, 106, 24}, "加押", "");
    EXPECT_LE(s.TagOf(deal).y + s.TagOf(deal).h, deal.Top() + 4);
    EXPECT_TRUE(TagsKeepClear(s.screen));
}

// A game whose pictures measure as the generated ones do, with the desktop game on.
struct SizedGame {
    explicit SizedGame(const std::vector<std::string>& shoe = {},
                       const std::vector<int>& draws = {}) {
        for (const auto& c : shoe)
            game.Stack().Add(c);
        random.QueueRuleDraws(draws);
        game.EnableDesktop({});
        game.KeepStatistics(folder.Path() / "stats");
        game.Start();
    }
    void Click(const std::string& qualified) {
        Control* control = app.FindControl(qualified);
        if (!control)
            throw std::logic_error("no control " + qualified);
        app.ClickControl(*control);
    }
    // A control by its role at the table that shows.
    void Click(TableRole role) {
        for (TableScreen* table : std::initializer_list<TableScreen*>{&game.Form1(), &game.Form3(),
                                                                      &game.Form4(), &game.Form5()})
            if (table->Visible())
                return app.ClickControl(table->Get(role));
        throw std::logic_error("no table shows");
    }
    bool Showing(const std::string& qualified) const {
        const Control* c = app.FindControl(qualified);
        return c && c->Owner()->Visible() && c->Showing();
    }
    void Open(int tableSize, int bankerChoice) {
        auto& state = game.State();
        state.PlayerPick = {"小雨", "", 9};
        state.OpponentPicks = {TCharacterPick{"阿鐵", "", 2}, TCharacterPick{"朵朵", "", 3},
                               TCharacterPick{"美男子", "", 6}};
        state.OpponentCount = tableSize == 1 ? 1 : 3;
        state.TableSize = tableSize;
        state.BankerChoice = bankerChoice;
        game.MainForm().Hide();
        OpenNewTable(game);
    }
    ::testing::AssertionResult ShownTagsKeepClear() const {
        for (const Screen* screen : app.ShownScreens())
            if (auto result = TagsKeepClear(*screen); !result)
                return result;
        return ::testing::AssertionSuccess();
    }

    testing::TestFolder folder;
    VirtualClock clock;
    testing::CountingPictures pictures = [] {
        testing::CountingPictures p;
        p.catalogSizes = true;
        return p;
    }();
    SilentSound sound;
    RecordingDisplay display;
    SeededRandom random{1};
    App app{clock, pictures, sound, display};
    Game game{app, random, folder.Path()};
};

TEST(KeyTags, EveryScreenHasAFreePlaceForEachTag) {
    SizedGame g;
    EXPECT_TRUE(g.ShownTagsKeepClear()) << "main menu";
    g.game.OpenSettings();
    EXPECT_TRUE(g.ShownTagsKeepClear()) << "settings";
    g.game.SettingsWindow().Close();
    g.Click("Tmainform.Image2");
    g.Click("Tmainform.Image9");
    g.Click("Tselectpepleform1.Image4");
    EXPECT_TRUE(g.ShownTagsKeepClear()) << "player selection";
    g.Click("Tselectpepleform1.Image12");
    EXPECT_TRUE(g.ShownTagsKeepClear()) << "seat count";
    g.game.Form10().OpenAtFirstPage();
    EXPECT_TRUE(g.ShownTagsKeepClear()) << "first help pages";
    g.game.Form10().Close();
    g.game.Form11().OpenAtFirstPage();
    EXPECT_TRUE(g.ShownTagsKeepClear()) << "second help pages";
    g.game.Form11().Close();
    g.Click("Tentranceform.Image3");
    for (const char* figure : {"Image2", "Image3", "Image4"})
        g.Click(std::string("Tselectpepleform2.") + figure);
    EXPECT_TRUE(g.ShownTagsKeepClear()) << "opponent selection";
    g.Click("Tselectpepleform2.Image14");
    g.game.OpenStatistics();
    EXPECT_TRUE(g.ShownTagsKeepClear()) << "statistics";
    g.game.StatisticsWindow().ResetButton().onClick();
    EXPECT_TRUE(g.ShownTagsKeepClear()) << "reset question";
}

TEST(KeyTags, EveryTableHasAFreePlaceForEachTagAtEachStage) {
    {
        // One on one against the banker: the chips, the decision, the swap panel, the result.
        SizedGame g({"10S", "KH", "8S", "QH"}, {50, 100, 100, 50, 100});
        g.Open(1, 1);
        EXPECT_TRUE(g.ShownTagsKeepClear()) << "bets";
        g.Click(R::Chip1000);
        g.Click(R::Deal);
        EXPECT_TRUE(g.ShownTagsKeepClear()) << "decision";
        g.Click(R::Swap);
        ASSERT_TRUE(g.Showing("TForm1.SwapOk"));
        EXPECT_TRUE(g.ShownTagsKeepClear()) << "swap panel";
        g.Click(R::SwapOk);
        g.Click(R::Stand);
        ASSERT_TRUE(g.game.Form6().Visible());
        EXPECT_TRUE(g.ShownTagsKeepClear()) << "result";
        g.Click(R::Back);
        EXPECT_TRUE(g.game.SaveFirst().Asking());
        EXPECT_TRUE(g.ShownTagsKeepClear()) << "save first?";
    }
    {
        // The user banks one on one: the deal button.
        SizedGame g({"10S", "9H", "6S", "8C"}, {5, 100, 50, 100, 50, 100});
        g.Open(1, 2);
        ASSERT_TRUE(g.Showing("TForm3.Deal"));
        EXPECT_TRUE(g.ShownTagsKeepClear()) << "deal";
    }
    {
        // Three seats: the start of the round, then the user's bet with its confirm button.
        SizedGame g;
        g.Open(2, 1);
        EXPECT_TRUE(g.ShownTagsKeepClear()) << "start";
        g.Click(R::Deal);
        EXPECT_TRUE(g.ShownTagsKeepClear()) << "bet";
        g.Click(R::Chip1000);
        ASSERT_TRUE(g.Showing("TForm4.FinishBets"));
        EXPECT_TRUE(g.ShownTagsKeepClear()) << "confirm";
    }
    {
        SizedGame g;
        g.Open(2, 2);
        EXPECT_TRUE(g.ShownTagsKeepClear()) << "three seats, the user banks";
    }
}

} // namespace
} // namespace quorvel
