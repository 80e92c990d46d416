#include "Painters.h"
namespace artgen {
void PaintBackgrounds(Output&) {}
void PaintHelpPages(Output&) {}
}
