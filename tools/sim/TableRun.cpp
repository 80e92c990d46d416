// Playing a run of rounds: the view that adds each settled round up, the table's seating, and
// the loop that asks the policy for the user's actions and opens the next game.
#include "TableRun.h"

#include "FairCharacter.h"
#include "SharedShoes.h"
#include "UserPolicy.h"

#include "cards/HandRules.h"
#include "cards/ShoeStack.h"
#include "players/Roster.h"
#include "round/RoundEngine.h"
#include "round/SilentView.h"

#include <stdexcept>

namespace quorvel::sim {

namespace {

// The silent view that also adds up each settled round: the bets come from what the table
// says (the user's chips, the seats' bets), the result and the hands from the table itself.
class TallyingView final : public SilentView {
public:
    TallyingView(const Seating& seating, Tally& tally) : seating_(seating), tally_(tally) {}
    void Attach(const RoundFacts& table) { table_ = &table; }

    void Announce(const Announcement& said) override {
        if (said.Id == Say::SeatBets || said.Id == Say::SeatBetsOnTable ||
            said.Id == Say::BetPlaced)
            stakes_[static_cast<std::size_t>(said.Seat)] = said.Amount;
    }

    void ShowResult(const RoundResult& result) override {
        const RoundFacts& table = *table_;
        const int user = table.Rules().UserSeat;
        ++tally_.Rounds;
        tally_.Result += static_cast<double>(result.Sides[static_cast<std::size_t>(user)].Change);
        for (int seat = 0; seat <= table.Seats(); ++seat) {
            const bool measured = seating_.Measured[static_cast<std::size_t>(seat)];
            // The round's stakes: the user's own bet at a seat, the seats' when the user banks.
            if (seat == user ? user > 0 : user == 0 && seat > 0)
                tally_.Staked += static_cast<double>(stakes_[static_cast<std::size_t>(seat)]);
            if (seat != user && !measured)
                continue;
            HandTally& hands = seat == user ? tally_.User : tally_.Theirs;
            const Seat& at = table.At(seat);
            for (int hand = Seat::kMain; hand <= at.HandCount; ++hand) {
                const THandRecord& record = at.Hand(hand);
                ++hands.Played;
                hands.Bust += record.HandValue == kBustCode;
                hands.Special += BonusMultiple(record) > 0;
            }
        }
        stakes_ = {};
    }

private:
    const Seating& seating_;
    Tally& tally_;
    const RoundFacts* table_ = nullptr;
    std::array<std::int64_t, 4> stakes_{}; // [money] by seat, as last said
};

} // namespace

Seating SeatingFor(int mode, const std::string& character,
                   const std::array<std::string, 2>& companions, bool fair) {
    Seating seating;
    seating.Mode = mode;
    seating.Fair = fair;
    switch (mode) {
    case 1:
        seating.Names = {character, std::string(kOneSeatChallengeNames.Seats[0]), "", ""};
        seating.Measured = {true, false, false, false};
        break;
    case 2:
        seating.Names = {std::string(kOneSeatBankerNames.Banker), character, "", ""};
        seating.Measured = {false, true, false, false};
        break;
    case 3:
        seating.Names = {character, companions[0], std::string(kThreeSeatChallengeNames.Seats[1]),
                         companions[1]};
        seating.Measured = {true, false, false, false};
        break;
    default:
        seating.Names = {std::string(kThreeSeatBankerNames.Banker), character, character,
                         character};
        seating.Measured = {false, true, true, true};
        break;
    }
    return seating;
}

Tally PlayRounds(const Seating& seating, UserPolicy& policy, std::int64_t rounds,
                 RandomSource& random, SharedShoes& shoes) {
    Tally tally;
    TallyingView view(seating, tally);
    TableRules rules = RulesOfMode(seating.Mode);
    if (seating.Fair)
        rules.PairChance = 0;
    ShoeStack stack;
    RoundEngine engine(rules, view, random, stack);
    view.Attach(engine);
    FairCharacter fair(random);
    if (seating.Fair)
        for (int seat = 0; seat <= rules.Seats; ++seat)
            if (seat != rules.UserSeat)
                engine.UseController(seat, fair);
    engine.NewGame(seating.Names);
    engine.OpenTable();
    tally.Games = 1;
    std::size_t nextShoe = 0;
    while (tally.Rounds < rounds) {
        // Whenever the table makes a new shoe, it is the next of the shared ones.
        if (!stack.HasPreparedShoe())
            stack.PrepareShoe(shoes.At(nextShoe++));
        if (const std::optional<Action> action = policy.Next(engine)) {
            if (!engine.Apply(*action))
                throw std::logic_error("the table refused the policy's action " +
                                       std::to_string(static_cast<int>(action->Kind)));
            continue;
        }
        switch (view.Left()) {
        case SilentView::Leaving::Challenge:
            engine.ReturnFromChallenge(engine.User().Main().Money, engine.Banker().Main().Money);
            break;
        case SilentView::Leaving::MainMenu:
        case SilentView::Leaving::PlayerSelection:
            engine.NewGame(seating.Names);
            engine.OpenTable();
            ++tally.Games;
            break;
        case SilentView::Leaving::None:
            throw std::logic_error("the table waits for nothing the user can do");
        }
        view.ClearLeaving();
    }
    return tally;
}

} // namespace quorvel::sim
