// The round of twenty-one that all four tables play, and the one entry for what anyone at the
// table does. Every action, a click of the user's, a computer character's decision or a move
// the table's rules make for a seat, goes through Apply and is checked against one derivation
// of what the round allows (AllowedActions.h); the user's buttons are derived from it too.
// The round itself is played by its stages (betting, the deal, the seats, the user's turn and
// services, the banker, settlement, the round's end), which share the round's state and ledger
// through a RoundContext. The table screen shows what happens through its TableView; the
// engine has no UI of its own.
#pragma once

#include "cards/Random.h"
#include "cards/Shoe.h"
#include "round/Action.h"
#include "round/AllowedActions.h"
#include "round/BankerTurn.h"
#include "round/Dealer.h"
#include "round/Ledger.h"
#include "round/PaidServices.h"
#include "round/RoundBetting.h"
#include "round/RoundContext.h"
#include "round/RoundEnding.h"
#include "round/RoundFacts.h"
#include "round/RoundLog.h"
#include "round/RoundState.h"
#include "round/Seat.h"
#include "round/SeatController.h"
#include "round/SeatsPlay.h"
#include "round/Settlement.h"
#include "round/TableRecord.h"
#include "round/TableRules.h"
#include "round/TableView.h"
#include "round/UserTurn.h"

#include <array>
#include <cstdint>
#include <string>

namespace quorvel {

class ShoeStack;

class RoundEngine : public RoundFacts {
public:
    // Why an action was not taken.
    enum class Refusal : std::uint8_t {
        None,       // taken
        Busy,       // a step is running, or a computer seat acts unasked
        NotAllowed, // the round does not allow it now
        Invalid,    // an amount or a hand that makes no sense
    };

    RoundEngine(const TableRules& rules, TableView& view, RandomSource& random, ShoeStack& stack);
    RoundEngine(const RoundEngine&) = delete;
    RoundEngine& operator=(const RoundEngine&) = delete;

    // ---- actions ----
    // How the user's buttons stand now, derived from the round's state.
    Offers Offered() const { return UserOffers(state_, rules_); }
    // Whether Apply would take the action now, and why not.
    Refusal Check(const Action& action) const;
    bool Allowed(const Action& action) const { return Check(action) == Refusal::None; }
    // Runs the action when allowed; false (and nothing changes) when it is not. An action of
    // kUserSeat is the user's input; one of a seat is heard only while the round asks that
    // seat to act.
    bool Apply(const Action& action);
    // Who decides for `seat` [0-3]: a computer character unless it is the user's seat. A test
    // or a simulation may put its own player there.
    void UseController(int seat, SeatController& controller) {
        state_.At(seat).Controller = &controller;
    }

    // Money that came into the table from outside the seats since it was created: bonuses and
    // jackpots paid, less the fees for services and the forfeits [money]. Between rounds and
    // steps the seats' money and stakes change by nothing else.
    std::int64_t HouseFlow() const { return ledger_.HouseFlow(); }

    // ---- games ----
    // A new game with these names [0 the banker, 1-3]: the starting money, no streaks, offers
    // or claims, the first round next and the table closed until it opens. Without names the
    // seats keep theirs.
    void NewGame(const std::array<std::string, 4>& names);
    void NewGame();
    // The table as its record keeps it, and the table set to a record: a saved game's names
    // and money, or the whole start of a round to play it again (a round being logged is
    // dropped).
    TableRecord Record() const;
    void Resume(const TableRecord& record);
    // The opening of a new or resumed game: the announcements and the first bets.
    void OpenTable();
    // The three-seat table hands the user over for a one-on-one challenge: the table waits a
    // moment, announces the challenge and offers the chips.
    void EnterChallenge(const ChallengeEntry& entry, ChallengeHooks hooks);
    // The challenge is over without a win: the user's and the banker's money come back, the
    // user's streak starts again, and the table announces its return and offers a new round.
    void ReturnFromChallenge(std::int32_t userMoney, std::int32_t bankerMoney);

private:
    friend struct RoundContext;
    // Marks a running step: clicks meanwhile are refused, and the view is brought up to date
    // when the step ends.
    class Step {
    public:
        explicit Step(RoundEngine& engine);
        ~Step();
        Step(const Step&) = delete;
        Step& operator=(const Step&) = delete;

    private:
        RoundEngine& engine_;
        bool outer_;
    };
    void Dispatch(const Action& action, int seat);
    // Keeps the action in the round's log, which starts at the round's first action.
    void Log(const Action& action, int seat);
    // The round settled: its log, with how it ended, goes to the view.
    void FinishLog();

    TableView& view_;
    UserPlayer userPlayer_;
    ComputerPlayer computerPlayer_;
    Ledger ledger_;
    RoundState state_;
    RoundContext round_;
    RoundBetting betting_;
    Dealer dealer_;
    UserTurn turn_;
    PaidServices services_;
    SeatsPlay seats_;
    BankerTurn banker_;
    Settlement settlement_;
    RoundEnding ending_;
    RoundLog log_;
    bool logging_ = false; // a round's log is being kept
};

} // namespace quorvel
