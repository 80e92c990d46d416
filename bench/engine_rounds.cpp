// Whole rounds per second played by the round engine alone: computer characters at every seat
// and at the bank, a view that shows nothing and never waits. One-seat and three-seat tables.
#include "cards/SeededRandom.h"
#include "cards/ShoeStack.h"
#include "round/RoundEngine.h"
#include "round/SilentView.h"

#include <chrono>
#include <cstdio>

using namespace quorvel;

namespace {

// A view with nothing to show that counts the banners: the engine's speed without the screens.
class NullView final : public SilentView {
public:
    long long banners = 0;
    void Announce(const Announcement&) override { ++banners; }
};

void Run(const char* label, TableRules rules, int rounds) {
    rules.UserSeat = -1; // computer characters everywhere
    NullView view;
    SeededRandom random(2024);
    ShoeStack stack;
    RoundEngine engine(rules, view, random, stack);
    engine.NewGame({"阿鐵", "美男子", "小帥哥", "朵朵"});
    engine.OpenTable();
    const auto start = std::chrono::steady_clock::now();
    int played = 0;
    while (played < rounds) {
        if (!engine.Apply(Action::Of(ActionKind::Deal))) {
            engine.OpenTable(); // a broke character was replaced: the table opens again
            continue;
        }
        ++played;
        engine.Apply(Action::Of(ActionKind::NextRound));
    }
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("%s: %.0f rounds per second (%d in %.3f s, %lld banners)\n", label,
                played / seconds, played, seconds, view.banners);
}

} // namespace

int main() {
    Run("one seat, computer banker", OneSeatBanker(), 200'000);
    Run("three seats, computer banker", ThreeSeatChallenge(), 100'000);
    return 0;
}
