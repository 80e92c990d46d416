// What a table screen needs from the game around it: the shared services (app, random source,
// stacked shoe, save record) and the three ways out of a table (back to the main menu, on to
// player selection after a won game, quitting), with the question the desktop game asks before
// play not yet saved is left. The game's composition root implements it.
#pragma once

#include <filesystem>
#include <functional>

namespace quorvel {

class App;
class RandomSource;
class SaveBuffer;
class Screen;
class ShoeStack;
class TableScreen;
struct RoundLog;
struct RoundRecord;

class TableHost {
public:
    virtual ~TableHost() = default;

    virtual App& GetApp() const = 0;
    virtual RandomSource& Random() const = 0;
    // The stacked shoe scripts and tests set up for the next new shoe of any table.
    virtual ShoeStack& Stack() = 0;
    // The save record kept for the whole run; slots a save does not write keep their bytes.
    virtual SaveBuffer& SaveRecord() = 0;
    virtual std::filesystem::path SaveFilePath() const = 0;
    // Whether table music should start again when a track ends; shared by the four tables.
    virtual bool& TableMusicOn() = 0;

    // Back to the main menu from `table`: every table is reset and hidden.
    virtual void ReturnToMainMenu(Screen& table) = 0;
    // A won game: the player selection screen opens for the next one.
    virtual void ShowPlayerSelection() = 0;
    // Leaves the game from a table's quit button: restores the display and ends.
    virtual void QuitFromTable(Screen& table) = 0;

    // Whether leaving `table` now waits for the user's answer to "save first?". Only the
    // desktop game asks; scripts and tests leave at once.
    virtual bool AsksBeforeLeaving(const TableScreen& /*table*/) const { return false; }
    // Asks it; `leave` runs once the user goes on, after a save that worked or without one.
    virtual void AskBeforeLeaving(TableScreen& /*table*/, std::function<void()> leave) { leave(); }
    // The user chose a card speed at a table [px per step]; the game may keep it.
    virtual void FlightSpeedChosen(int /*pixelsPerStep*/) {}
    // Whether the odds advisor's line shows at the user's decisions (a setting, off by default).
    virtual bool OddsAdvisorOn() const { return false; }
    // A round was settled at a table: the game counts it in the statistics it keeps.
    virtual void RoundSettled(const RoundRecord& /*round*/) {}
    // The same round as it can be played again: the game may keep it for a bug report.
    virtual void RoundPlayed(const RoundLog& /*log*/) {}
};

} // namespace quorvel
