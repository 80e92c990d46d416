// The odds advisor's time for one decision of the user: situations dealt from real shoes (the
// unseen counts after some rounds, the user's hand after 0 to 2 hits, the banker's face-up
// card), each valued in full: bust chance, the banker's chance, the look and the swap for all
// thirteen ranks. Time is the thread's processor time, so that other programs on the machine
// do not count; the wall-clock time is shown beside it. It must stay far below one frame.
#include "cards/HandRules.h"
#include "cards/Odds.h"
#include "cards/SeededRandom.h"
#include "cards/Shoe.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <vector>

using namespace quorvel;

namespace {

constexpr double kFrame = 16.0; // [ms]

double CpuMilliseconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

// Deals one decision the way a one-seat table does: the banker's and the user's face-down
// cards, the face-up cards counted seen, then `hits` more cards while below 17.
OddsView Deal(TableShoe& shoe, int hits) {
    OddsView view;
    THand banker;
    DealCard(banker, 1, shoe);
    DealCard(view.Hand, 1, shoe);
    MarkCardSeen(shoe, shoe.Position);
    DealCard(banker, 2, shoe);
    MarkCardSeen(shoe, shoe.Position);
    DealCard(view.Hand, 2, shoe);
    view.Hand.CardCount = 2;
    EvaluateHand(view.Hand);
    for (int i = 0; i < hits && view.Hand.HandValue != 0 && view.Hand.HandValue < 17; ++i) {
        MarkCardSeen(shoe, shoe.Position);
        DrawCard(view.Hand, shoe);
    }
    view.Unseen = shoe.Unseen;
    view.OwnFaceDown = {view.Hand.Card(1)};
    view.BankerFaceUp = {banker.Card(2)};
    view.Bet = 20000;
    return view;
}

struct Summary {
    double mean, median, p99, worst; // [ms]
};

Summary Summarise(std::vector<double> times) {
    std::sort(times.begin(), times.end());
    double sum = 0;
    for (double t : times)
        sum += t;
    return {sum / times.size(), times[times.size() / 2], times[times.size() * 99 / 100],
            times.back()};
}

} // namespace

int main() {
    SeededRandom random(20261208);
    TableShoe shoe;
    const int kDecisions = 2000;
    std::vector<double> cpu, wall; // [ms]
    double checksum = 0;
    int valued = 0;
    for (int i = 0; i < kDecisions; ++i) {
        if (i % 20 == 0 || shoe.CardsLeft() < 60)
            NewShoe(shoe, random);
        const OddsView view = Deal(shoe, i % 3);
        const double cpuStart = CpuMilliseconds();
        const auto wallStart = std::chrono::steady_clock::now();
        const DecisionOdds odds = AdviseDecision(view);
        wall.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - wallStart)
                .count());
        cpu.push_back(CpuMilliseconds() - cpuStart);
        if (odds.Swap) {
            checksum += odds.Swap->Return + odds.Look->Return;
            ++valued;
        }
    }
    const Summary c = Summarise(cpu), w = Summarise(wall);
    std::printf("odds advisor, one decision (%d decisions, %d with money figures, checksum %.1f)\n",
                kDecisions, valued, checksum);
    std::printf("  processor time: mean %.3f ms, median %.3f ms, 99th percentile %.3f ms, worst "
                "%.3f ms\n",
                c.mean, c.median, c.p99, c.worst);
    std::printf("  wall clock:     mean %.3f ms, median %.3f ms, 99th percentile %.3f ms, worst "
                "%.3f ms\n",
                w.mean, w.median, w.p99, w.worst);
    const bool fast = c.worst < kFrame / 4;
    std::printf("one frame is %.0f ms: the worst decision takes %.0f%% of it%s\n", kFrame,
                100 * c.worst / kFrame, fast ? "" : " (TOO SLOW: a quarter of a frame at most)");
    return fast ? 0 : 1;
}
