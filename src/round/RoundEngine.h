// The round of twenty-one that all four tables play: bets, the deal with its steering, splits,
// the seats' turns, the banker's forced and optional drawing, settlement with bonuses, jackpot
// and claims, repayment, the result and the end-of-game checks. Every action, a click of the
// user's or a computer character's decision, goes through Allowed/Apply and is checked here.
// The table screen shows what happens through its TableView; the engine has no UI of its own.
#pragma once

#include "cards/Random.h"
#include "cards/Shoe.h"
#include "players/Statistics.h"
#include "round/Action.h"
#include "round/Ledger.h"
#include "round/Seat.h"
#include "round/SeatController.h"
#include "round/TableRules.h"
#include "round/TableView.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace quorvel {

class ShoeStack;

// A challenge from the three-seat table: who plays it, and what goes back when it ends.
struct ChallengeEntry {
    std::string BankerName;
    std::int32_t BankerMoney = 0;
    std::string UserName;
    std::int32_t UserMoney = 0;
    std::int32_t UserStreak = 0;
    // The table mode the challenge's rounds are counted under in the statistics [1-4]; 0 for
    // the mode of the table that plays it.
    int StatisticsMode = 0;
};
struct ChallengeHooks {
    // A round was lost or pushed: the user's and the banker's money go back to the three-seat
    // table, which shows itself and announces the return.
    std::function<void(std::int32_t userMoney, std::int32_t bankerMoney)> HandBack;
    // The banker was beaten: the three-seat table starts afresh.
    std::function<void()> BankerBeaten;
};

class RoundEngine {
public:
    // Where the round stands, for the checks of the user's actions.
    enum class Stage : std::uint8_t {
        Waiting,    // for the deal (or start) button, or for the next-round click
        Betting,    // the user puts chips on the table
        Playing,    // the engine deals and plays; the user has nothing to decide
        SplitOffer, // the user decides on a split
        UserTurn,   // the user plays a hand, at a seat or at the bank
    };

    // What a running step is doing, for how the buttons look meanwhile.
    enum class Activity : std::uint8_t {
        None,
        Betting,  // a chip, the bet taken back or the raised bet
        Drawing,  // the user's card is drawn
        Service,  // a paid service runs
        Standing, // the user stands
        Opening,  // the user asks the banker to open
        Doubling, // the user doubles
    };

    RoundEngine(const TableRules& rules, TableView& view, RandomSource& random, ShoeStack& stack);
    RoundEngine(const RoundEngine&) = delete;
    RoundEngine& operator=(const RoundEngine&) = delete;

    const TableRules& Rules() const { return rules_; }

    // ---- the table ----
    // Seat 0 is the banker, 1..Seats() the seats against it.
    Seat& At(int seat) {
        return seat == 0 ? banker_ : seats_.at(static_cast<std::size_t>(seat - 1));
    }
    const Seat& At(int seat) const {
        return seat == 0 ? banker_ : seats_.at(static_cast<std::size_t>(seat - 1));
    }
    int Seats() const { return rules_.Seats; }
    Seat& Banker() { return banker_; }
    const Seat& Banker() const { return banker_; }
    // Whether the user plays at this table, and the user's place: a seat, or the bank.
    bool HasUser() const { return rules_.UserSeat >= 0; }
    Seat& User() { return At(rules_.UserSeat); }
    const Seat& User() const { return At(rules_.UserSeat); }
    TableShoe& Shoe() { return shoe_; }
    const TableShoe& Shoe() const { return shoe_; }
    std::int32_t& RoundNumber() { return roundNumber_; }
    std::int32_t RoundNumber() const { return roundNumber_; }
    // A round has ended and the table waits for the click that starts the next one.
    bool RoundOver() const { return roundOver_; }
    // A step is running (a banner, a card flight, a wait): clicks are not taken meanwhile.
    bool Busy() const { return busy_; }
    Stage CurrentStage() const { return stage_; }

    // ---- actions ----
    // What the user is offered now, derived from the round's state: the buttons shown and
    // whether they take a click.
    Offers Offered() const;
    bool Allowed(const Action& action) const;
    // Runs the action when allowed; false (and nothing changes) when it is not.
    bool Apply(const Action& action);

    // ---- how the round stands, for the screen ----
    // The hand the swap goes to [1 main, 2 split].
    int SwapTarget() const { return swapTarget_; }
    // While the user plays two hands after a split, the one in play [1 main, 2 split]; 0 at
    // any other time.
    int UserSplitHandInPlay() const;
    // The banker's face-down card is turned up in this round.
    bool BankerShown() const { return bankerShown_; }
    // The user's turn at a seat is over in this round.
    bool UserTurnOver() const { return userTurnOver_; }
    bool InChallenge() const { return challenge_; }
    // Money that came into the table from outside the seats since it was created: bonuses and
    // jackpots paid, less the fees for services and the forfeits [money]. Between rounds and
    // steps the seats' money and stakes change by nothing else.
    std::int64_t HouseFlow() const { return ledger_.HouseFlow(); }

    // ---- the front end ----
    // The opening of a new or resumed game: the announcements and the first buttons.
    void OpenTable();
    // Back to the starting state for a new game: money, counters, offers.
    void ResetForNewGame();
    // The three-seat table hands the user over for a one-on-one challenge: the table waits a
    // moment, announces the challenge and offers the chips.
    void EnterChallenge(const ChallengeEntry& entry, ChallengeHooks hooks);
    // The challenge is over without a win: the user's and the banker's money come back, the
    // user's streak starts again, and the table announces its return and offers a new round.
    void ReturnFromChallenge(std::int32_t userMoney, std::int32_t bankerMoney);

private:
    friend class RoundEngineTest;
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

    // ---- talking, waiting and showing (RoundEngine.cpp) ----
    void Say(quorvel::Say id, int seat, std::int64_t amount = 0, int hand = Seat::kMain);
    void Wait(Pause moment);
    void ShowText(int seat, int hand) { view_.ShowHand(seat, hand); }
    void Refresh() { view_.Refresh(); }
    const std::string& NameOf(int seat) const { return At(seat).Main().Name; }
    std::string_view UserName() const {
        return HasUser() ? std::string_view(User().Main().Name) : std::string_view();
    }
    bool PeekAllowed(int hand) const;
    void Dispatch(const Action& action);

    // ---- cards (RoundDeal.cpp) ----
    void PrepareRound();
    void DealFirstCards();
    void DealSecondCard(int seat);
    void SecondCards();
    void OfferOrMakeSplits();
    void MakeSplit(int seat);
    void DealInto(int seat, int hand, int slot, bool faceUp);
    void DrawInto(int seat, int hand);
    void TurnHole(int seat, int hand);
    bool Identical(const Seat& seat) const;

    // ---- betting (RoundBetting.cpp) ----
    void Chip(std::int32_t value);
    void TakeBack();
    void TakeRaise();
    void FinishBets();
    void ComputerBets(int seat, quorvel::Say words);
    void BetsFrom(int seat);
    void Deal();
    void StartDealing();

    // ---- the user's turn at a seat (RoundUserTurn.cpp) ----
    void StartUserTurn();
    void ChooseSplit(bool split);
    void Hit();
    void AfterHit();
    void Stand();
    void OpenBanker();
    void Double();
    void DecisionPoint();
    void PassTurn();
    void Peek(int hand);
    void EndUserTurn();
    // After a split: the hand the user plays first, and the hand played last (the only hand
    // without a split).
    int FirstUserHand() const;
    int LastUserHand() const;

    // ---- paid services (RoundServices.cpp) ----
    void Look();
    void SwapService();
    void ConfirmSwap(const std::string& text);
    void ToggleTarget(int hand);
    void CloseServices();
    void ChargeUser(int service, std::int32_t fee);

    // ---- the computer seats and the banker (RoundPlay.cpp) ----
    void PlaySeatsFrom(int seat);
    void PlayComputerSeat(int seat);
    void PlayComputerHand(int seat, int hand);
    void BankerPlays();
    void ComputerBankerDraws();
    void OptionalDrawing(bool startWithAsk);
    void UserBankerHit();
    void UserBankerStand();
    void DecideOutcomes();
    void Lose(int seat, int hand);
    void Compare(int seat, int hand);

    // ---- settlement and the end of a round (RoundSettle.cpp) ----
    void Settle();
    void SettleSeat(int seat);
    void SettleHand(int seat, int hand);
    // Pays a bonus or the jackpot through the ledger and announces it; returns the amount.
    std::int32_t PayBonus(int seat, int hand, std::int32_t amount, quorvel::Say words);
    void SetRaiseOffer(Seat& seat, std::int32_t bet);
    void RoundEnd();
    void RepayClaims();
    RoundResult Result() const;
    bool CheckUserBroke();
    bool CheckOpponentsBeaten();
    // The computer seats [0 the banker, 1-3] whose money ends their game now.
    std::vector<int> BeatenSeats() const;

    // ---- what a settled round adds to the statistics (RoundRecording.cpp) ----
    // The user's side of the round just settled, before the end-of-game checks run.
    RoundRecord SettledRound() const;
    bool ChallengeGoesOn();
    bool StartChallenge();
    // Hides every hand's cards and clears the hand descriptions of the round.
    void ClearHands();
    void NextRound(bool fromDialog);
    void ResetMoney();

    const TableRules& rules_;
    TableView& view_;
    RandomSource& random_;
    ShoeStack& stack_;
    UserPlayer userPlayer_;
    ComputerPlayer computerPlayer_;
    Ledger ledger_;

    Seat banker_;
    std::vector<Seat> seats_;
    TableShoe shoe_;
    std::int32_t roundNumber_;
    bool roundOver_ = false;
    Stage stage_ = Stage::Waiting;
    bool busy_ = false;
    Activity activity_ = Activity::None;
    // The table is not open for play: before it opens, after its game ended, and while its
    // user is away at a challenge.
    bool closed_ = true;
    bool raiseTaken_ = false; // the raised bet is on the table in this betting round
    // The user's turn: the services disabled until a hit (closed, or a swap refused), hidden for
    // the rest of the turn (closed where closing hides them), the swap panel open with or
    // without the hand toggle, the double taken away by a refusal, the decision point after
    // the last hand (where only the banker may open), the turn ending, a doubled main hand
    // that can only pass.
    bool servicesOff_ = false;
    bool servicesHidden_ = false;
    bool swapPanel_ = false;
    bool toggleOffered_ = false;
    bool doubleWithdrawn_ = false;
    bool atDecisionPoint_ = false;
    bool turnOver_ = false;
    bool passOnly_ = false;
    bool leavingBeaten_ = false; // the beaten opponents' game is ending: no save meanwhile

    int swapTarget_ = Seat::kMain;
    bool splitOffered_ = false;
    bool bankerShown_ = false;
    bool userTurnOver_ = false;
    bool challenge_ = false;
    ChallengeHooks challengeHooks_;
    // The round's fees for the look and the swap, and the bonuses paid to the user [money].
    std::array<std::int64_t, kServices> roundFees_{};
    std::vector<RoundRecord::Bonus> roundBonuses_;
    int challengeMode_ = 0;
};

} // namespace quorvel
