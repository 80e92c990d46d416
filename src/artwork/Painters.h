// The painters of the game's pictures, one per family of pictures; each draws the pictures its
// easel wants and hands them over. Texts, colours and looks come from the tables in
// Captions.cpp, Characters.cpp and HelpPages.cpp.
#pragma once

#include "artwork/Art.h"
#include "artwork/Easel.h"

#include <span>

namespace artwork {

// Suit shapes shared by the cards, the unseen-card panel and the help pages.
enum class Suit { Club, Diamond, Heart, Spade };
void SuitPath(cairo_t* cr, Suit suit, double cx, double cy, double size);
Rgb SuitColor(Suit suit);

// The character card of the player selection screen: the profile picture, placed at
// (kProfileLeft, kProfileTop) on the screen and reaching its right edge, and the card drawn at
// its top left, which the screen's background frames while no profile shows [px].
inline constexpr int kProfileLeft = 229, kProfileTop = 65;
inline constexpr int kProfileWidth = 570, kProfileHeight = 468;
inline constexpr int kProfileCardWidth = 562, kProfileCardHeight = 457;
inline constexpr double kProfileCardRadius = 18;
// The player selection background where the card's corners lie, for their soft edges.
inline constexpr std::uint32_t kPlayerSelectMatte = 0x1e1236;

// The opponent selection stage: where the screen places the nine figures' pictures (left and
// top, characters 1..9; sizes are the catalogue's) and the floor line each one's feet stand
// on. The designed places put five figures behind and four in front, so the back row stands
// on a riser: one floor line per row, one size for every figure, one light each [px].
struct StagePlace {
    int left, top, floor;
};
inline constexpr int kBackFloor = 339, kFrontFloor = 417;
inline constexpr StagePlace kStage[9] = {
    {0, 205, kFrontFloor},   {90, 138, kBackFloor},  {165, 207, kFrontFloor},
    {267, 138, kBackFloor},  {376, 139, kBackFloor}, {476, 139, kBackFloor},
    {550, 224, kFrontFloor}, {616, 140, kBackFloor}, {682, 226, kFrontFloor},
};
inline constexpr double kFigureScale = 24.5; // [px per figure unit]

void PaintCards(Easel& out);
void PaintTableButtons(Easel& out);     // an1xx, chips, chest
void PaintFrontButtons(Easel& out);     // main menu, dialog, seat-count and help buttons
void PaintSeatCountChoices(Easel& out); // medallions, caption plates, bubbles
void PaintCharacters(Easel& out);       // profiles, plates, figures, portraits
void PaintBackgrounds(Easel& out);      // tables, menus, selection and seat-count screens
void PaintPanels(Easel& out);           // bonus table, unseen panel, result dialog, banner, tips
void PaintDecorations(Easel& out);      // opponent banners, logos, corners, arrows (in PaintPanels)
void PaintHelpPages(Easel& out);
void PaintSwapPanel(Easel& out); // the card-swap panel and its button plates
void PaintDesktop(Easel& out);   // the save-first, settings and statistics panels and buttons

// Every family painter, in the order the generator runs them; together they paint every
// picture of the asset catalogue.
using Painter = void (*)(Easel&);
std::span<const Painter> AllPainters();

} // namespace artwork
