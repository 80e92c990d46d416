// The common base of the four table screens: the hand records with their roles and card
// controls, the shoe and round counter, the picks the front end fills, and the table's shared
// behaviour (blocking wait, banner, card flight, unseen-card panel, table music, saving).
// Each table names and lays out its own controls and hands some of them to this base.
#pragma once

#include "ui/AssetCatalog.h"

#include "cards/Shoe.h"
#include "platform/Image.h"
#include "platform/Label.h"
#include "platform/Panel.h"
#include "platform/Screen.h"
#include "players/HandRecord.h"
#include "players/Roster.h"
#include "players/SaveFile.h"

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace quorvel {

class TableHost;
class TCard;

class TableScreen : public Screen {
public:
    // Card flight speeds [px per step] offered by the speed choices; the last is the default.
    static constexpr std::array<int, 3> kFlightSpeeds{100, 60, 45};
    // Where a dealt card starts its flight: (W div 2 - 220, H div 2 - 70) [design px].
    static constexpr Point kShoePoint{kDesignWidth / 2 - 220, kDesignHeight / 2 - 70};
    // How long a banner message holds the game [ms].
    static constexpr int kBannerMs = 2000;
    // Offset of the unseen-card numbers from the panel picture's origin [px]: the picture has
    // its title and header above the count grid and its suit signs left of it.
    static constexpr Point kCountsOrigin{AssetCatalog::kCountsOriginX,
                                         AssetCatalog::kCountsOriginY};

    TableScreen(TableHost& host, std::string name);
    ~TableScreen() override;

    TableHost& Host() const { return host_; }

    // ---- hand records, in print order (banker first, then seats, then split hands) ----
    int RecordCount() const { return static_cast<int>(records_.size()); }
    THandRecord& Record(int index) { return records_.at(static_cast<std::size_t>(index)); }
    const THandRecord& Record(int index) const {
        return records_.at(static_cast<std::size_t>(index));
    }
    const std::string& Role(int index) const { return roles_.at(static_cast<std::size_t>(index)); }
    // The record of a role ("banker", "main", "seat2", ...); throws std::out_of_range.
    THandRecord& RecordOf(std::string_view role);
    // One line per record: role, Name, Money, Bet, Streak, Bonus, HandValue, CardCount and the
    // cards in card codes, a face-down card in brackets.
    std::vector<std::string> HandLines() const;

    // ---- what the front end fills when it opens a table ----
    TableShoe& Shoe() { return shoe_; }
    std::int32_t& RoundNumber() { return roundNumber_; } // [1-]
    TCharacterPick& UserPick() { return userPick_; }
    std::array<TCharacterPick, 3>& OpponentPicks() { return opponentPicks_; }
    const std::string& BackgroundPath() const { return backgroundPath_; }
    // Remembers the background path and loads it into the table's background picture.
    void LoadBackground(const std::string& path);

    // ---- shared behaviour ----
    // The blocking wait: handles clicks and timers until `ms` have passed [ms].
    void delay(int ms);
    // Shows a message in the banner for 2000 ms, with its sound.
    void Announce(const std::string& text);
    // Flies a card from the shoe point to (left, top) in straight steps of FlightSpeed pixels.
    void FlyCard(TCard& card, int left, int top);
    int FlightSpeed() const { return flightSpeed_; }
    void SetFlightSpeed(int pixelsPerStep) { flightSpeed_ = pixelsPerStep; }
    // Shows the unseen-card panel and writes the 52 counts on its picture.
    void ShowCounts();

    // ---- hooks the front end calls ----
    // Back to the starting state for ReturnToMainMenu: money, labels, round number, counters,
    // every card hidden, every round button hidden.
    virtual void ResetForMainMenu() = 0;
    // The table's back (返回) button.
    virtual Control& BackButton() = 0;
    // The table's save mode [1-4] and what it writes.
    virtual SaveContents SaveState() const = 0;
    // The part of a save every table writes alike: the mode, the background, and the names and
    // money of the banker record and the first `seats` seat records, a seat's stake counted as
    // money.
    SaveContents SaveBasics(int mode, int seats) const;
    // Writes the save file now; a failure is reported to the user. True when saved.
    bool SaveGame();

    void FormActivate() override;
    void FormDeactivate() override;

protected:
    // Creates the records with their roles and 19 hidden card controls each, named
    // "ROLE.SLOT" [1-19]. Called by each table once its background exists, so that the
    // cards lie above it.
    void CreateHandRecords(const std::vector<std::string>& roles);
    // The controls of the table that the shared behaviour uses.
    void SetBannerControls(Image& picture, Label& text);
    void SetCountsControls(Panel& panel, Image& picture);
    void SetBackgroundControl(Image& background);
    // The common part of a reset for the main menu: every card hidden, every record back to
    // the starting money with no bet or streak, the round counter at `roundNumber`, the round
    // controls hidden and the hand descriptions cleared.
    void ResetSeatsAndRound(std::span<const char* const> roundControls,
                            std::span<const char* const> descriptions, std::int32_t roundNumber);
    // Hides the unseen-card panel: its counts belong to a shoe that is gone.
    void HideCounts();
    // Starts and stops the table music; called on activation and deactivation.
    void StartTableMusic();
    void StopTableMusic();

    TableHost& host_;
    TableShoe shoe_;
    std::int32_t roundNumber_ = 1;
    TCharacterPick userPick_;
    std::array<TCharacterPick, 3> opponentPicks_;
    std::string backgroundPath_;

private:
    void PlayTrack(const std::string& track);

    std::vector<std::string> roles_;
    std::vector<THandRecord> records_;
    int flightSpeed_ = kFlightSpeeds[2];
    Image* bannerPicture_ = nullptr;
    Label* bannerText_ = nullptr;
    Panel* countsPanel_ = nullptr;
    Image* countsPicture_ = nullptr;
    Image* background_ = nullptr;
};

} // namespace quorvel
