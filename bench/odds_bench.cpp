// The odds advisor's time for one decision of the user: situations dealt from real shoes (the
// unseen counts after some rounds, the user's hand after 0 to 2 hits, the banker's face-up
// card), each valued in full: bust chance, the banker's chance, every move with the look and
// the swap for all thirteen ranks; and again without the swap. Time is the thread's processor
// time, so that other programs on the machine do not count. A table works a decision out in
// steps between frames (the swap's ranks one at a time): each step must fit in a frame.
#include "cards/HandRules.h"
#include "cards/Odds.h"
#include "cards/SeededRandom.h"
#include "cards/Shoe.h"

#include <algorithm>
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

struct Timing {
    std::vector<double> whole; // [ms] processor time of each decision
    std::vector<double> steps; // [ms] of each step a screen takes between two frames
};

// Works out one decision in the steps a table takes, timing each.
DecisionOdds Time(OddsAdvisor& advisor, const OddsView& view, Timing& timing) {
    const double start = CpuMilliseconds();
    double before = start;
    advisor.Start(view);
    for (bool done = false; !done;) {
        done = advisor.Continue();
        const double now = CpuMilliseconds();
        timing.steps.push_back(now - before);
        before = now;
    }
    timing.whole.push_back(before - start);
    return advisor.Odds();
}

void Report(const char* what, const Timing& timing, double checksum) {
    const Summary whole = Summarise(timing.whole), step = Summarise(timing.steps);
    std::printf("%s (checksum %.1f)\n", what, checksum);
    std::printf("  whole decision: mean %.3f ms, median %.3f ms, 99th percentile %.3f ms, worst "
                "%.3f ms: %.0f decisions/s\n",
                whole.mean, whole.median, whole.p99, whole.worst, 1000 / whole.mean);
    std::printf("  one step:       mean %.3f ms, 99th percentile %.3f ms, worst %.3f ms\n",
                step.mean, step.p99, step.worst);
}

} // namespace

int main() {
    SeededRandom random(20261208);
    TableShoe shoe;
    const int kDecisions = 2000;
    OddsAdvisor advisor; // kept, as a simulation keeps one per thread
    Timing all, unpriced;
    double checksum = 0, unpricedChecksum = 0;
    int valued = 0;
    for (int i = 0; i < kDecisions; ++i) {
        if (i % 20 == 0 || shoe.CardsLeft() < 60)
            NewShoe(shoe, random);
        OddsView view = Deal(shoe, i % 3);
        const DecisionOdds odds = Time(advisor, view, all);
        if (odds.Best) {
            checksum += *odds.ValueOf(*odds.Best) + odds.Swap->Return + odds.Look->Return;
            ++valued;
        }
        view.Offered = {Move::Stand, Move::Hit, Move::Double, Move::Look};
        const DecisionOdds plain = Time(advisor, view, unpriced);
        if (plain.Best)
            unpricedChecksum += *plain.ValueOf(*plain.Best);
    }
    std::printf("odds advisor: %d decisions, %d with money figures; processor time\n", kDecisions,
                valued);
    Report("every move offered, the swap's thirteen ranks included", all, checksum);
    Report("without the swap (stand, hit, double, look)", unpriced, unpricedChecksum);
    // A table works the odds out one step per frame: no step may hold up a frame.
    const double worst = Summarise(all.steps).worst;
    const bool fast = worst < kFrame;
    std::printf("one frame is %.0f ms: the worst step takes %.0f%% of it%s\n", kFrame,
                100 * worst / kFrame, fast ? "" : " (TOO SLOW: a step must fit in a frame)");
    return fast ? 0 : 1;
}
