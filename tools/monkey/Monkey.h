// The monkey: plays the real screens of the desktop game headless on a virtual clock with random
// clicks, hovers, typed texts and keys, also while the game waits in a banner or a card flight,
// and checks after every event that nothing impossible happened: the shoe is four decks, hands
// hold only cards that were dealt, money changes only by settled bets, bonuses and fees, and one
// full screen shows. It can record the rounds it plays as scripts that play them again.
#pragma once

#include <cstdint>
#include <ostream>
#include <string>

namespace quorvel::monkey {

struct Options {
    std::int64_t Events = 100000; // events to send in all [1-]
    std::uint64_t Seed = 1;       // seeds the game's draws and the monkey's choices
    std::string Record;           // a folder for the rounds played, a script per game; "" none
};

struct Report {
    std::int64_t Events = 0; // events sent
    std::int64_t Games = 0;  // fresh programs started (after quitting)
    std::int64_t Rounds = 0; // result dialogs shown
    std::int64_t RoundsRecorded = 0;
    std::int64_t GamesRecorded = 0; // files written
    std::string Broken;      // the first invariant broken, with the event that broke it
    bool Ok() const { return Broken.empty(); }
};

// Runs the monkey in `workFolder` (where saves go). Stops at the first broken invariant.
Report Run(const Options& options, const std::string& workFolder, std::ostream& log);

} // namespace quorvel::monkey
