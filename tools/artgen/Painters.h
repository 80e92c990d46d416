// The painters of the artwork generator, one per family of pictures; each draws its pictures
// and hands them to the output. Texts, colours and looks come from the tables in
// Captions.cpp, Characters.cpp and HelpPages.cpp.
#pragma once

#include "Art.h"
#include "Output.h"

namespace artgen {

// Suit shapes shared by the cards, the unseen-card panel and the help pages.
enum class Suit { Club, Diamond, Heart, Spade };
void SuitPath(cairo_t* cr, Suit suit, double cx, double cy, double size);
Rgb SuitColor(Suit suit);

void PaintCards(Output& out);
void PaintTableButtons(Output& out); // an1xx, chips, chest
void PaintFrontButtons(Output& out); // main menu, dialog, seat-count and help buttons
void PaintCharacters(Output& out);   // profiles, plates, figures, portraits
void PaintBackgrounds(Output& out);  // tables, menus, selection and seat-count screens
void PaintPanels(Output& out);       // bonus table, unseen panel, result dialog, banner, tips
void PaintHelpPages(Output& out);

} // namespace artgen
