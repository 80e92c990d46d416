// The hand marker's plate, its place around the cards, and the pointer passed on.
#include "tables/HandInPlayMarker.h"

#include "gui/Image.h"
#include "gui/Panel.h"
#include "gui/Screen.h"
#include "ui/Card.h"

#include <algorithm>
#include <cmath>

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
    // The hand's extent where its cards are drawn, to the output's pixel [layout px].
    double left = kDesignWidth, top = kDesignHeight, right = 0, bottom = 0;
    for (const TCard* card : cards) {
        if (!card || !card->Visible())
            continue;
        const double x = card->Left() + card->DrawShiftX();
        const double y = card->Top() + card->DrawShiftY();
        left = std::min(left, x);
        top = std::min(top, y);
        right = std::max(right, x + card->Width());
        bottom = std::max(bottom, y + card->Height());
    }
    if (right <= left) {
        plate_.Hide();
        return;
    }
    // A place in whole layout pixels, and the rest drawn beyond it.
    const int x = static_cast<int>(std::floor(left));
    const int y = static_cast<int>(std::floor(top));
    plate_.SetBounds({x - kMargin, y - kMargin,
                      static_cast<int>(std::lround(right - x)) + 2 * kMargin,
                      static_cast<int>(std::lround(bottom - y)) + 2 * kMargin});
    plate_.SetDrawShift(left - x, top - y);
    plate_.Show();
}

void HandInPlayMarker::Hide() {
    plate_.Hide();
}

} // namespace quorvel
