// The statistics screen's character page: how much each of the nine characters wins from the
// user at each table, as it plays (steering its cards) and in a fair game where no card is
// ever moved, both measured by the simulator with the game's own round engine. The gap between
// the two is what the character's cheating is worth. Its labels live on the statistics screen.
#pragma once

#include "gui/Geometry.h"
#include "gui/Label.h"

#include <functional>
#include <string>
#include <vector>

namespace quorvel {

struct CharacterEdges;

class CharacterAnalysisPage {
public:
    // Makes a label on the screen: its place, font, alignment and text.
    using MakeLabel = std::function<Label*(Rect, const FontSpec&, Align, std::string)>;

    // Lays the page out from `top` [px] down, `width` [px] wide, hidden.
    CharacterAnalysisPage(const MakeLabel& label, int top, int width);

    // Shows the figures, or that there are none.
    void Show(const CharacterEdges* edges);
    void Hide();

private:
    void SetVisible(bool visible);

    std::vector<Label*> fixed_;              // headings, names, notes
    std::vector<std::vector<Label*>> cells_; // by character: actual and fair at each table
    Label* notes_ = nullptr;
    Label* missing_ = nullptr;
};

} // namespace quorvel
