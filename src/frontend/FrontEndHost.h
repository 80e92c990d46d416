// What the front-end screens need from the game around them: the app, the state chosen on the
// way into a game, the other front-end screens, the three ways on from the menus (open a new
// table, resume the saved game, leave), the user's settings and the statistics. The game's
// composition root implements it.
#pragma once

namespace quorvel {

class App;
struct CharacterEdges;
struct FrontEndState;
struct Settings;
struct Statistics;
class Tmainform;
class Tselectpepleform1;
class Tselectpepleform2;
class Tentranceform;
class TForm10;
class TForm11;

class FrontEndHost {
public:
    virtual ~FrontEndHost() = default;

    virtual App& GetApp() const = 0;
    virtual FrontEndState& State() = 0;

    virtual Tmainform& MainForm() const = 0;
    virtual Tselectpepleform1& PlayerSelection() const = 0;
    virtual Tselectpepleform2& OpponentSelection() const = 0;
    virtual Tentranceform& SeatCount() const = 0;
    virtual TForm10& Form10() const = 0;
    virtual TForm11& Form11() const = 0;

    // Opens the table of the chosen mode for a new game (opponent selection's OK).
    virtual void OpenNewTable() = 0;
    // Resumes the game in "mysave.sav" (the main menu's load button).
    virtual void ResumeSavedGame() = 0;
    // Leaves the game from the main menu.
    virtual void ExitProgram() = 0;

    // The user's settings, and a change to them: applied at once and kept for the next run.
    virtual const Settings& CurrentSettings() const = 0;
    virtual void ChangeSettings(const Settings& settings) = 0;
    // Opens the settings window (the main menu's settings button).
    virtual void OpenSettings() = 0;

    // The statistics the game keeps; nothing when it keeps none.
    virtual const Statistics* KeptStatistics() const { return nullptr; }
    // Everything counted back to zero (the statistics screen asks first); a failure to write
    // is reported by the game.
    virtual void ResetStatistics() {}
    // Opens the statistics screen (the main menu's statistics button).
    virtual void OpenStatistics() {}
    // Each character's edge at each table, as the build measured it; nothing when the game
    // has none.
    virtual const CharacterEdges* CharacterAnalysis() const { return nullptr; }
};

} // namespace quorvel
