// The common base of the four table screens: the round engine the table plays on, the card
// controls of each hand, the view the engine talks to (banner, blocking wait, card flight,
// unseen-card panel, table music, saving) and the table's keys, which press the controls its
// offer map names. Each table adds its layout, the map from its designed controls to the
// engine's actions and hands, and its result dialog.
#pragma once

#include "cards/Shoe.h"
#include "gui/Image.h"
#include "gui/Label.h"
#include "gui/Panel.h"
#include "gui/Screen.h"
#include "players/HandRecord.h"
#include "players/Roster.h"
#include "players/SaveFile.h"
#include "round/RoundEngine.h"
#include "round/RoundLog.h"
#include "round/TableView.h"
#include "tables/TableHost.h"
#include "tables/RoundLook.h"
#include "tables/TableWords.h"
#include "ui/AssetCatalog.h"

#include <array>
#include <cstdint>
#include <initializer_list>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace quorvel {

class BitBtn;
class Edit;
class HandInPlayMarker;
class OddsAdviceLine;
class ServiceChest;
class TableHost;
class TCard;

class TableScreen : public Screen, public TableView {
public:
    // The speed choices, fast to slow: the card flight's step [px] and the banners' and pauses'
    // lengths against the designed ones [%]. The last, slow, is the designed speed and the
    // default, and keeps every length as designed.
    static constexpr std::array<int, 3> kFlightSpeeds{100, 60, 45};
    static constexpr std::array<int, 3> kPacePercents{50, 75, 100};
    // Offset of the unseen-card numbers from the panel picture's origin [px]: the picture has
    // its title and header above the count grid and its suit signs left of it.
    static constexpr Point kCountsOrigin{AssetCatalog::kCountsOriginX,
                                         AssetCatalog::kCountsOriginY};

    // A hand of the table by its role name ("banker", "main", "seat2", ...): which seat
    // [0 the banker, 1-3] and which of its hands [1 main, 2 split] it is.
    struct HandRole {
        const char* Name;
        int Seat;
        int Hand;
    };
    // A designed control that shows the engine's offer of an action.
    struct OfferControl {
        ActionKind Action;
        const char* Control;
    };
    // A label that shows something of a seat [0 the banker, 1-3].
    enum class SeatField { Money, Bet, Name, NameToBet };
    struct SeatLabel {
        int Seat;
        SeatField Field;
        const char* Control;
    };
    // The label that describes a hand.
    struct HandLabel {
        int Seat;
        int Hand;
        const char* Control;
    };

    TableScreen(TableHost& host, std::string name, int mode);
    ~TableScreen() override;

    TableHost& Host() const { return host_; }
    RoundEngine& Engine() { return engine_; }
    const RoundEngine& Engine() const { return engine_; }
    // A click or a key: the one way the user acts at a table. False when it was refused, or
    // when leaving waits for the user's answer to "save first?".
    bool Act(const Action& action);
    // The click on the table, or on its result dialog, that starts the next round.
    void NextRoundClick(bool fromDialog = false);
    // The table's keys press the control of the first action they name that the table offers:
    // Enter confirms the swap, deals, ends the bets or passes; H hit, S stand, D double, P split,
    // N no split, O the banker opens, 1-3 the chips, R the raised bet, Backspace takes the bet
    // back, L look, C swap, T the swap's hand, Esc closes the services or goes back, Ctrl+S
    // saves. The press is a click on that control, with every check a click meets.
    bool KeyDown(const KeyPress& key) override;
    bool Binds(const KeyPress& key) const override;

    // ---- hand records, in print order (banker first, then seats, then split hands) ----
    int RecordCount() const { return static_cast<int>(roles_.size()); }
    const THandRecord& Record(int index) const;
    const std::string& Role(int index) const {
        return roleNames_.at(static_cast<std::size_t>(index));
    }
    // The record of a role; throws std::out_of_range.
    const THandRecord& RecordOf(std::string_view role) const;
    // One line per record: role, Name, Money, Bet, Streak, Bonus, HandValue, CardCount and the
    // cards in card codes, a face-down card in brackets.
    std::vector<std::string> HandLines() const;
    // The card control of a hand's slot [1-19].
    TCard& Card(int seat, int hand, int slot) const;

    // ---- what the front end fills when it opens a table ----
    // A new game with these names [0 the banker, 1-3], or a game resumed from its record.
    void NewGame(const std::array<std::string, 4>& names) { engine_.NewGame(names); }
    void Resume(const TableRecord& record) {
        engine_.Resume(record);
        Refresh();
    }
    TCharacterPick& UserPick() { return userPick_; }
    std::array<TCharacterPick, 3>& OpponentPicks() { return opponentPicks_; }
    const std::string& BackgroundPath() const { return backgroundPath_; }
    // Remembers the background path and loads it into the table's background picture.
    void LoadBackground(const std::string& path);
    // The opening of a new or resumed game, once the table shows. The unseen-card panel waits
    // for the first deal: its counts belong to the last game's shoe.
    void OpenForPlay() {
        HideCounts();
        engine_.OpenTable();
    }

    // ---- shared behaviour ----
    // The blocking wait: handles clicks and timers until `ms` have passed [ms].
    void delay(int ms);
    // Flies a card from the shoe point to (left, top) in straight steps of FlightSpeed pixels.
    void FlyCard(TCard& card, int left, int top);
    int FlightSpeed() const { return flightSpeed_; }
    // The user's choice at the table; the game is told, to keep it for the next run.
    void SetFlightSpeed(int pixelsPerStep);
    // A speed the game sets (the one kept from the last run). A speed of the choices sets the
    // pace of the banners and pauses with it; any other keeps the designed pace.
    void UseFlightSpeed(int pixelsPerStep);
    // Hides every card of every hand.
    void HideAllCards();

    // ---- hooks the front end calls ----
    // Back to the starting state of a new game: money, counters, every card and round button
    // hidden, the hand descriptions cleared.
    virtual void ResetForMainMenu();
    // The table's back (返回) button.
    virtual Control& BackButton() = 0;
    // The table's save mode [1-4] and what it writes.
    virtual SaveContents SaveState() const = 0;
    // Writes the save file now; a failure is reported to the user, a success noted briefly.
    // True when saved.
    bool SaveGame();
    // Whether leaving now would lose play: a round under way, or money and names that differ
    // from the last save or from how the table opened.
    bool HasUnsavedPlay() const;
    // What the table holds now counts as kept (the table was opened from the save or afresh).
    void MarkPlayKept() { kept_ = SaveState(); }

    // ---- the view the engine talks to ----
    // Words the announcement by the table's wording and shows it in the banner.
    void Announce(const Announcement& announcement) override;
    // Waits the table's length of the moment, if it has one.
    void Wait(Pause moment) override;
    void ShowHand(int seat, int hand) override;
    void ClearHand(int seat, int hand) override;
    // Writes a hand's description (empty: none) where the table shows it.
    virtual void ShowHandText(int seat, int hand, const std::string& text) = 0;
    void DealCard(int seat, int hand, int slot, bool faceUp) override;
    void TurnCard(int seat, int hand, int slot, bool faceUp) override;
    void HideCards(int seat, int hand, int count) override;
    void ShowCounts() override;
    void HideCounts() override;
    void LeaveToMainMenu() override;
    void LeaveToPlayerSelection() override;
    void WriteSave() override { SaveGame(); }
    // Without an animation of its own, a table lays the split hand's second card at its place.
    void SlidePair(int seat) override;
    void RevealChips() override {}
    void RoundSettled(const RoundRecord& round) override;
    // Every round a table plays is kept as it can be played again; the game decides where.
    bool KeepsRounds() const override { return true; }
    void RoundPlayed(const RoundLog& log) override { host_.RoundPlayed(log); }
    // How the table shows the round beyond its buttons: pauses, the bonus table, the toggle.
    const RoundLook& Look() const { return look_; }
    // The advisor's line, for tests; nothing before the table made it.
    const OddsAdviceLine* AdviceLine() const { return advice_.get(); }
    // Where the first `cards` cards of a hand lie, as the round stands [layout px]; for the
    // checks that the table's pieces do not cover one another.
    Rect CardArea(int seat, int hand, int cards) const;

    void FormActivate() override;
    void FormDeactivate() override;

protected:
    // Creates the card controls of each role, 19 each and hidden, named "ROLE.SLOT" [1-19].
    // Called by each table once its background exists, so that the cards lie above it.
    void CreateHandRecords(std::span<const HandRole> roles);
    // Where a hand's card lies [layout px]; the table's layout.
    virtual Point CardPlace(int seat, int hand, int slot) const = 0;
    // Where dealt cards start their flight [layout px].
    virtual Point ShoePoint() const = 0;
    // Shows each mapped control as the engine offers its action.
    void ShowOffers(std::span<const OfferControl> controls);
    // Writes the seats' money, bets and names into their labels.
    void ShowSeatLabels(std::span<const SeatLabel> labels);
    // While the user plays two hands after a split, lays the quiet marker under the cards of
    // the hand in play; hides it otherwise. Tables where the user splits call it on refresh.
    void ShowHandInPlay();
    // The odds advisor's line at `place` [layout px]; made once its table's controls exist.
    void CreateAdviceLine(Rect place);
    // Shows the advisor's line for the user's decision while the setting is on; tables call it
    // on refresh. The table's background calls HideAdviceTip when the pointer reaches it.
    void ShowAdvice();
    void HideAdviceTip();
    // Each mapped control sends its action when clicked, except the kinds in `except`, which
    // the table wires itself.
    void WireOffers(std::span<const OfferControl> controls,
                    std::initializer_list<ActionKind> except);
    // The paid services' controls: the chest, its look, swap and close buttons with their tips,
    // and the swap panel's rank box and OK button.
    struct ServiceControls {
        Image& chest;
        std::array<Image*, 3> buttons;
        std::array<Image*, 3> tips;
        Edit& swapRank;
        BitBtn& swapOk;
    };
    // Wires the services as every table has them: the close button closes them and rests the
    // chest; OK sends the typed rank, emptied once taken, and sounds as it is pressed; the chest
    // lights while the engine lets it. The table's background hands its hover to Services().
    void WireServices(const ServiceControls& controls);
    ServiceChest& Services() { return *services_; }
    // A click on the first card of each of the seat's `hands` asks to peek at it.
    void WirePeeks(int seat, std::initializer_list<int> hands);
    // Writes a hand's description into its label, if the table has one for that hand.
    void SetHandLabel(std::span<const HandLabel> labels, int seat, int hand,
                      const std::string& text);
    // The part of a save every table writes alike: the mode, the background, and the names and
    // money of the banker record and the first `seats` seat records, a seat's stakes counted
    // as money.
    SaveContents SaveBasics(int mode, int seats) const;
    // The controls of the table that the shared behaviour uses.
    void SetBannerControls(Image& picture, Label& text);
    void SetCountsControls(Panel& panel, Image& picture);
    void SetBackgroundControl(Image& background);
    // Starts and stops the table music; called on activation and deactivation.
    void StartTableMusic();
    void StopTableMusic();

    TableHost& host_;
    RoundEngine engine_;
    TCharacterPick userPick_;
    std::array<TCharacterPick, 3> opponentPicks_;
    std::string backgroundPath_;

private:
    bool Refused(const Action& action); // the note for a press in vain; always false
    void PlayTrack(const std::string& track);
    // Shows a text in the banner with its sound and holds the game while it shows.
    void Banner(const std::string& text);
    // Presses the `nth` control [0-] of an action in the offer map, through its button; false
    // when it is not showing and enabled.
    bool PressOffered(ActionKind action, int nth = 0);
    // The keys drawn on the offer map's controls.
    void ShowKeyHints();
    // The edit box of the swap panel gets the typing when the panel opens.
    void FocusSwapEntry();
    std::size_t RoleIndex(int seat, int hand) const;

    std::vector<HandRole> roles_;
    std::vector<std::string> roleNames_;
    std::vector<std::array<TCard*, kHandSlots>> cards_; // by role
    std::unique_ptr<HandInPlayMarker> handMarker_;      // under the cards, made with them
    std::unique_ptr<OddsAdviceLine> advice_;
    std::unique_ptr<ServiceChest> services_;
    int flightSpeed_ = kFlightSpeeds[2];
    Image* bannerPicture_ = nullptr;
    Label* bannerText_ = nullptr;
    Panel* countsPanel_ = nullptr;
    Image* countsPicture_ = nullptr;
    const OfferControl* offerMap_ = nullptr; // the map the controls below were found from
    std::vector<std::pair<ActionKind, Control*>> offerControls_;
    std::array<int, 52> shownCounts_ = MakeUnshownCounts(); // the numbers on the panel now
    static std::array<int, 52> MakeUnshownCounts() {
        std::array<int, 52> counts{};
        counts.fill(-1);
        return counts;
    }
    Image* background_ = nullptr;
    std::optional<SaveContents> kept_; // what leaving would not lose
    bool swapOpen_ = false;
    RoundLook look_{engine_.Rules().Mode};
};

} // namespace quorvel
