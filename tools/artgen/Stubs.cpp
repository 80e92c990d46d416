#include "Painters.h"
namespace artgen {
void PaintTableButtons(Output&) {}
void PaintFrontButtons(Output&) {}
void PaintCharacters(Output&) {}
void PaintBackgrounds(Output&) {}
void PaintPanels(Output&) {}
void PaintHelpPages(Output&) {}
}
