// The characters' edges: the data file read back as written and refused whole when damaged,
// and the statistics screen's character page, reached by its key, showing the figures or
// saying it has none.
#include "TableGame.h"

#include "frontend/StatisticsScreen.h"
#include "players/CharacterEdges.h"
#include "players/StatisticsStore.h"

#include <gtest/gtest.h>

namespace quorvel {
namespace {

using testing::TableGame;
namespace fs = std::filesystem;

CharacterEdges SomeEdges() {
    CharacterEdges edges;
    edges.Policy = "stand17";
    edges.Bet = 10000;
    edges.Seed = 1;
    edges.Edges = {{1, "阿鐵", 1000000, {43.26, 3.64}, {-27.36, 3.93}},
                   {4, "美男子", 500000, {185.0, 3.1}, {-107.5, 2.9}}};
    return edges;
}

bool Contains(const std::vector<std::string>& lines, const std::string& line) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

TEST(CharacterEdges, ReadBackAsWrittenAndDamagedTextIsRefusedWhole) {
    const CharacterEdges edges = SomeEdges();
    std::string error;
    const std::string text = EncodeCharacterEdges(edges);
    EXPECT_EQ(DecodeCharacterEdges(text, error), edges) << error;
    ASSERT_NE(edges.Find(4, "美男子"), nullptr);
    EXPECT_EQ(edges.Find(4, "美男子")->Steered.PerThousand, 185.0);
    EXPECT_EQ(edges.Find(2, "美男子"), nullptr);

    const auto replaced = [&](std::string_view from, std::string_view to) {
        std::string damaged = text;
        damaged.replace(damaged.find(from), from.size(), to);
        return damaged;
    };
    const std::vector<std::string> damaged = {
        text.substr(0, text.size() - 4),          // cut before its end
        replaced("edges 1", "edges 2"),           // a later version
        replaced("4 美男子", "5 美男子"),         // no such table
        replaced("3.64", "-3.64"),                // a negative interval
        replaced("43.26", "nan"),                 // not a number
        replaced("1000000", "1000000 7"),         // a word too many
        text + "1 朵朵 5 1 1 1 1\n",              // after the end
        replaced("quorvel-character-edges", "x"), // another kind of file
    };
    for (const std::string& bad : damaged) {
        error.clear();
        EXPECT_EQ(DecodeCharacterEdges(bad, error), std::nullopt) << bad;
        EXPECT_FALSE(error.empty());
    }
}

TEST(CharacterEdges, TheStatisticsScreensCharacterPageShowsEachFigureByItsKey) {
    TableGame t;
    t.game.KeepStatistics(t.folder / "stats");
    const fs::path file = t.folder / "edges";
    ASSERT_EQ(ReplaceFile(file, EncodeCharacterEdges(SomeEdges())), std::nullopt);
    t.game.ShowCharacterEdges(file);
    t.Click("Tmainform.StatisticsButton");
    StatisticsScreen& screen = t.game.StatisticsWindow();
    ASSERT_TRUE(screen.Visible());
    t.Key(Key::Digit5);
    EXPECT_EQ(screen.Page(), StatisticsScreen::kCharacterPage);
    std::vector<std::string> lines = screen.Lines();
    // Per 100 bet, rounded to a tenth; what was not measured is a dash.
    EXPECT_TRUE(Contains(lines, "+4.3%"));
    EXPECT_TRUE(Contains(lines, "-2.7%"));
    EXPECT_TRUE(Contains(lines, "+18.5%"));
    EXPECT_TRUE(Contains(lines, "—"));
    // The mode pages' figures are hidden on it, and back on the next page.
    EXPECT_FALSE(Contains(lines, "局數：0"));
    t.Key(Key::Digit0);
    lines = screen.Lines();
    EXPECT_TRUE(Contains(lines, "局數：0"));
    EXPECT_FALSE(Contains(lines, "+4.3%"));
    EXPECT_TRUE(t.errors.empty());
}

TEST(CharacterEdges, AMissingFileIsSaidOnceAndThePageSaysItHasNone) {
    TableGame t;
    t.game.KeepStatistics(t.folder / "stats");
    t.game.ShowCharacterEdges(t.folder / "no-such-file");
    EXPECT_EQ(t.errors.size(), 1u);
    t.Click("Tmainform.StatisticsButton");
    t.Key(Key::Digit5);
    const std::vector<std::string> lines = t.game.StatisticsWindow().Lines();
    EXPECT_TRUE(Contains(lines, "沒有角色分析的資料：遊戲的資料夾裡少了它。"));
    EXPECT_FALSE(Contains(lines, "阿鐵"));
}

} // namespace
} // namespace quorvel
