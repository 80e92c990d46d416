// The hand marker's plate, its place around the cards, and the pointer passed on.
#include "tables/HandInPlayMarker.h"

#include "ui/Card.h"
#include "gui/Image.h"
#include "gui/Panel.h"
#include "gui/Screen.h"

#include <algorithm>

namespace quorvel {

namespace {
constexpr Color kPlateColor{250, 210, 90, 210};
constexpr int kMargin = 4; // [px] of plate showing around the cards
} // namespace

HandInPlayMarker::HandInPlayMarker(Screen& table, Image* const& background)
    : plate_(table.Add<Panel>("HandInPlay")) {
    plate_.SetColor(kPlateColor);
    plate_.SetBevel(false);
    plate_.Hide();
    plate_.onMouseMove = [&background](Point p) {
        if (background && background->onMouseMove)
            background->onMouseMove(p);
    };
    plate_.onClick = [&background] {
        if (background && background->onClick)
            background->onClick();
    };
}

void HandInPlayMarker::Under(std::span<TCard* const> cards) {
    int left = kDesignWidth, top = kDesignHeight, right = 0, bottom = 0;
    for (const TCard* card : cards) {
        if (!card || !card->Visible())
            continue;
        left = std::min(left, card->Left());
        top = std::min(top, card->Top());
        right = std::max(right, card->Left() + card->Width());
        bottom = std::max(bottom, card->Top() + card->Height());
    }
    if (right <= left) {
        plate_.Hide();
        return;
    }
    plate_.SetBounds(
        {left - kMargin, top - kMargin, right - left + 2 * kMargin, bottom - top + 2 * kMargin});
    plate_.Show();
}

void HandInPlayMarker::Hide() {
    plate_.Hide();
}

} // namespace quorvel
