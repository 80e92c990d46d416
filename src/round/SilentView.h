// A table view that shows nothing, never waits and keeps neither statistics nor round logs: the
// round engine on its own, as the simulator and the benchmarks play it. It only notes where
// the table sent the user when a game ended, so that its player can open the next one.
#pragma once

#include "round/TableView.h"

#include <cstdint>

namespace quorvel {

class SilentView : public TableView {
public:
    // Where the last game ended, if it did.
    enum class Leaving : std::uint8_t { None, MainMenu, PlayerSelection, Challenge };

    Leaving Left() const { return left_; }
    void ClearLeaving() { left_ = Leaving::None; }

    void Announce(const Announcement&) override {}
    void Wait(Pause) override {}
    void DealCard(int, int, int, bool) override {}
    void TurnCard(int, int, int, bool) override {}
    void HideCards(int, int, int) override {}
    void SlidePair(int) override {}
    void ShowHand(int, int) override {}
    void ClearHand(int, int) override {}
    void Refresh() override {}
    void ShowCounts() override {}
    void HideCounts() override {}
    void ShowResult(const RoundResult&) override {}
    void HideResult() override {}
    void ClearResultExtras() override {}
    void RevealChips() override {}
    void LeaveToMainMenu() override { left_ = Leaving::MainMenu; }
    void LeaveToPlayerSelection() override { left_ = Leaving::PlayerSelection; }
    void LeaveForChallenge() override { left_ = Leaving::Challenge; }
    void WriteSave() override {}
    bool KeepsStatistics() const override { return false; }

private:
    Leaving left_ = Leaving::None;
};

} // namespace quorvel
