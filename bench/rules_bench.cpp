// Throughput of the rules alone: hands valued per second, and whole computer-against-computer
// rounds per second (new shoe when needed, bets, two cards each with the opening steering,
// draws through OpponentWantsCard, comparison, bonus and settlement).
#include "cards/HandRules.h"
#include "cards/SeededRandom.h"
#include "cards/Shoe.h"
#include "cards/Steering.h"
#include "players/CharacterPlay.h"
#include "players/HandRecord.h"
#include "players/Payouts.h"

#include <chrono>
#include <cstdio>

using namespace quorvel;

namespace {

double Seconds(std::chrono::steady_clock::time_point since) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
}

// One round of a computer banker against one computer seat.
void PlayRound(THandRecord& banker, THandRecord& seat, TableShoe& shoe, RandomSource& random,
               int round) {
    ResetHand(banker);
    ResetHand(seat);
    if (NeedsNewShoe(shoe, OneSeatShoeLimit(1), round))
        NewShoe(shoe, random);
    if (seat.Money < 20000 || banker.Money < 20000) {
        ResetSeatMoney(seat);
        ResetSeatMoney(banker);
    }
    ChooseOpponentBet(seat, random);
    const int bankerHole = shoe.Position;
    DealCard(banker, 1, shoe);
    const int seatHole = shoe.Position;
    DealCard(seat, 1, shoe);
    banker.CardCount = seat.CardCount = 1;
    MarkCardSeen(shoe, shoe.Position);
    DealCard(banker, 2, shoe);
    banker.CardCount = 2;
    EvaluateHand(banker);
    SteerBankerOpening(banker, shoe, bankerHole, random);
    MarkCardSeen(shoe, shoe.Position);
    DealCard(seat, 2, shoe);
    seat.CardCount = 2;
    EvaluateHand(seat);
    SteerBankerOpening(seat, shoe, seatHole, random);
    while (seat.HandValue != 0 && OpponentWantsCard(seat, shoe, random)) {
        MarkCardSeen(shoe, shoe.Position);
        DrawCard(seat, shoe);
    }
    MarkCardSeen(shoe, bankerHole);
    MarkCardSeen(shoe, seatHole);
    if (seat.HandValue == 0) {
        seat.Outcome = kOutcomeLost;
    } else {
        while (banker.HandValue >= 1 && banker.HandValue <= 16) {
            OpponentWantsCard(banker, shoe, random);
            MarkCardSeen(shoe, shoe.Position);
            DrawCard(banker, shoe);
        }
        while (banker.HandValue != 0 && OpponentWantsCard(banker, shoe, random)) {
            MarkCardSeen(shoe, shoe.Position);
            DrawCard(banker, shoe);
        }
        CompareHands(banker, seat);
    }
    AwardSpecialBonus(seat, seat.Bet, nullptr);
    if (seat.Outcome == kOutcomeWon) {
        banker.Money = SubMoney(banker.Money, seat.Bet);
        seat.Money = AddMoney(seat.Money, MulMoney(seat.Bet, 2));
    } else if (seat.Outcome == kOutcomePush) {
        seat.Money = AddMoney(seat.Money, seat.Bet);
    } else {
        banker.Money = AddMoney(banker.Money, seat.Bet);
    }
    seat.Bet = 0;
}

} // namespace

int main() {
    SeededRandom random(2024);
    THandRecord hand;
    TableShoe shoe;
    NewShoe(shoe, random);

    // Hands of 2..7 cards from the shoe, valued over and over.
    const int kHands = 2'000'000;
    long long checksum = 0;
    auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < kHands; ++i) {
        const int count = 2 + i % 6;
        for (int slot = 1; slot <= count; ++slot) {
            hand.Card(slot) = shoe.Dealing.At(1 + (i * 7 + slot) % kShoeSize);
        }
        hand.CardCount = count;
        EvaluateHand(hand);
        checksum += hand.HandValue;
    }
    const double handSeconds = Seconds(start);

    THandRecord banker, seat;
    banker.Name = "阿鐵";
    seat.Name = "美男子";
    const int kRounds = 100'000;
    start = std::chrono::steady_clock::now();
    for (int round = 1; round <= kRounds; ++round)
        PlayRound(banker, seat, shoe, random, round);
    const double roundSeconds = Seconds(start);

    std::printf("hands evaluated: %.0f per second (%d in %.3f s, checksum %lld)\n",
                kHands / handSeconds, kHands, handSeconds, checksum);
    std::printf("computer rounds: %.0f per second (%d in %.3f s)\n", kRounds / roundSeconds,
                kRounds, roundSeconds);
    return 0;
}
