// A whole game headless for the tests of one table: a stacked shoe and queued rule draws, the
// banners collected, and the table opened by the test's own picks. Each table's test adds its
// way in, its control prefix and its screen.
#pragma once

#include "HeadlessGame.h"

#include "app/TableOpening.h"
#include "cards/SeededRandom.h"

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

namespace quorvel::testing {

struct TableFixture {
    explicit TableFixture(const std::vector<std::string>& shoe = {},
                          const std::vector<int>& draws = {}) {
        app.GetTrace().SetListener([this](TraceKind kind, std::string_view text) {
            if (kind != TraceKind::Banner)
                return;
            banners.emplace_back(text);
            if (onBanner)
                onBanner(banners.back());
        });
        Stack(shoe);
        random.QueueRuleDraws(draws);
        game.Start();
    }
    // Cards for the next new shoe, first dealt first.
    void Stack(const std::vector<std::string>& cards) {
        for (const auto& c : cards)
            game.Stack().Add(c);
    }
    // Opens a new game's table for the picks in the game's state.
    void Open() { OpenNewTable(game); }
    bool Said(const std::string& text) const {
        return std::find(banners.begin(), banners.end(), text) != banners.end();
    }

    VirtualClock clock;
    CountingPictures pictures;
    SilentSound sound;
    RecordingDisplay display;
    SeededRandom random{1};
    App app{clock, pictures, sound, display};
    TestFolder folder;
    Game game{app, random, folder.Path()};
    std::vector<std::string> banners;
    std::function<void(const std::string&)> onBanner;
};

} // namespace quorvel::testing
