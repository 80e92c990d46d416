// A table screen as data: its designed controls and where they lie, the roles they play, its
// hand records, where each hand's cards lie and how a split pair moves apart, which seats the
// chosen opponents take, and the few looks that differ from table to table. TableScreen builds
// and runs any of the four tables from one of these; each table's own class adds only what no
// other table does.
#pragma once

#include "gui/Geometry.h"
#include "players/Roster.h"
#include "round/TableRules.h"
#include "tables/TableRoles.h"
#include "ui/ControlLayout.h"

#include <array>
#include <span>

namespace quorvel {

// A hand record of the table by its name in the hand lines ("banker", "main", "seat2"): which
// seat [0 the banker, 1-3] and which of its hands [1 main, 2 split] it is.
struct TableHand {
    const char* Name;
    int Seat;
    int Hand;
};

// The hand records of the three-seat tables: the banker, the seats' main hands and their split
// hands.
inline constexpr TableHand kThreeSeatHands[] = {
    {"banker", 0, 1}, {"seat1", 1, 1},  {"seat2", 2, 1}, {"seat3", 3, 1},
    {"split1", 1, 2}, {"split2", 2, 2}, {"split3", 3, 2}};

// The designed names the tables after the one-on-one challenge table all give the same roles.
inline constexpr RoleControl kLaterTablesRoles[] = {
    {TableRole::Background, "Image1"},    {TableRole::Banner, "Image4"},
    {TableRole::BannerText, "Label1"},    {TableRole::CountsPanel, "Panel2"},
    {TableRole::CountsPicture, "Image3"}, {TableRole::Hit, "Image10"},
    {TableRole::Stand, "Image11"},        {TableRole::SwapPanel, "Panel3"},
    {TableRole::SwapRank, "Edit1"},       {TableRole::Speed, "Image5"},
    {TableRole::SpeedFast, "Image6"},     {TableRole::SpeedMiddle, "Image7"},
    {TableRole::SpeedSlow, "Image8"},     {TableRole::Save, "Image12"},
    {TableRole::Back, "Image13"},
};
// The labels both three-seat tables give the same roles: the hands' descriptions, the seats'
// bets and their names before the bets.
inline constexpr RoleControl kThreeSeatLabelRoles[] = {
    {TableRole::BankerHand, "Label17"},     {TableRole::Seat1Hand, "Label11"},
    {TableRole::Seat1Split, "Label12"},     {TableRole::Seat2Hand, "Label13"},
    {TableRole::Seat2Split, "Label14"},     {TableRole::Seat3Hand, "Label15"},
    {TableRole::Seat3Split, "Label16"},     {TableRole::Seat1Bet, "Label6"},
    {TableRole::Seat2Bet, "Label7"},        {TableRole::Seat3Bet, "Label8"},
    {TableRole::Seat1NameToBet, "Label19"}, {TableRole::Seat2NameToBet, "Label20"},
    {TableRole::Seat3NameToBet, "Label21"},
};

// Where the cards of each hand lie [layout px].
struct CardGeometry {
    std::array<Point, 4> First{}; // each seat's main hand's first card, by seat [0-3]
    int Step = 20;                // from one card of a hand to the next
    int FanLeftSeat = -1;         // the seat whose cards go leftwards, -1 for none
    int SplitShift = 0;           // the split hand's first card right of the main hand's
    // Once a seat has split: how far its main and its split hand move down (less than 0: up)
    // from the seat's row, by seat [0-3].
    std::array<std::array<int, 2>, 4> SplitRows{};
    Point Shoe{}; // where a dealt card starts its flight
};

// How the two cards of a split pair move apart.
struct SplitSlide {
    enum class Kind {
        Sideways, // the twin slides right to the split hand, the kept card back to its place
        ToRows,   // both cards move onto the rows of the two hands together
    };
    Kind Style = Kind::Sideways;
    // Sideways: the twin moves from the second place in `TwinSteps` steps of `TwinStepPx`; then
    // the kept card, drawn at the first place, moves right in `BackSteps` steps of `BackStepPx`.
    int TwinSteps = 25;
    int TwinStepPx = 8;
    int BackSteps = 5;
    int BackStepPx = 4;
    bool KeptHiddenWhileTwinMoves = true; // else the twin seems to leave a copy behind
    int AfterMs = 0;                      // a pause once both are in place [ms]
    // ToRows: each card moves at most this far on each axis per step [px].
    int RowStepPx = 2;
};

// Where an opponent the user picked sits, in pick order: its seat [0-3], the save file's
// picture slot [1-4] that keeps its portrait, and the table's own character at creation.
struct OpponentSeat {
    int Seat;
    int PictureSlot;
    const char* DefaultPortrait; // nullptr: the table starts without one
    int DefaultFigure;
};

struct TableDesign {
    const char* Screen; // the designed screen name, "TForm1"
    TableMode Mode;
    const char* Background; // the picture until the front end chooses one
    const DefaultTableNames* Names;
    std::span<const TableHand> Hands; // in the order of the hand lines
    // The controls laid over the background and the cards, in stacking order.
    std::span<const ControlPlacement> Layout;
    std::span<const RoleControl> Roles;
    CardGeometry Cards;
    SplitSlide Slide;
    std::span<const OpponentSeat> Opponents;
    Rect Advice; // the advisor's lines, in the banner's place widened [layout px]
    const char* SwapPanelPicture;
    const char* SwapOkSound; // the swap panel's OK button has no pressed picture: it sounds
    // After a split each hand's line starts with the hand's name (本家, 分家), where the two
    // lines stand together away from their hands.
    bool NamesSplitHands = false;
};

} // namespace quorvel
