// The swap panel in the table's art: the panel's plate, a cream rank box framed in gold, and
// the OK button and target toggle on red plates with their captions in the table's face.
#include "tables/TableLook.h"

#include "gui/BitBtn.h"
#include "gui/Edit.h"
#include "gui/Label.h"
#include "gui/Panel.h"

namespace quorvel::table_look {

namespace {
constexpr Color kRankFill{255, 248, 225};
constexpr Color kRankFrame{226, 184, 74};
constexpr FontSpec kRankFont{14, true, Color{58, 26, 10}, Typeface::Sans};
constexpr FontSpec kOkFont{13, true, Color{255, 240, 200}, Typeface::Sans};
constexpr FontSpec kToggleFont{12, true, Color{255, 240, 200}, Typeface::Sans};
} // namespace

void DressSwapPanel(const SwapPanelParts& parts, const char* panelPicture) {
    parts.panel.SetPicture(panelPicture);
    parts.rank.SetColors(kRankFill, kRankFrame);
    parts.rank.SetFont(kRankFont);
    parts.ok.SetPictures("picture\\design\\swapok.gif", "picture\\design\\swapok-.gif");
    parts.ok.SetFont(kOkFont);
    if (parts.words)
        parts.words->SetFont(kSwapFont);
    if (parts.toggle) {
        parts.toggle->SetPictures("picture\\design\\swaptarget.gif",
                                  "picture\\design\\swaptarget-.gif");
        parts.toggle->SetFont(kToggleFont);
    }
}

} // namespace quorvel::table_look
