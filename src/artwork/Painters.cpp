// The list of the family painters.
#include "artwork/Painters.h"

namespace artwork {

std::span<const Painter> AllPainters() {
    static constexpr Painter kPainters[] = {
        PaintCards,     PaintTableButtons, PaintFrontButtons, PaintPanels,  PaintCharacters,
        PaintHelpPages, PaintBackgrounds,  PaintSwapPanel,    PaintDesktop,
    };
    return kPainters;
}

} // namespace artwork
