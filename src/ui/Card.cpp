#include "ui/Card.h"

#include <array>

namespace quorvel {

namespace {
constexpr std::array<const char*, 4> kSuitWords{"Club", "Diamond", "Heart", "Spade"};
constexpr std::array<const char*, 13> kRankWords{"A",  "02", "03", "04", "05", "06", "07",
                                                 "08", "09", "10", "J",  "Q",  "K"};
// The rounded edge of the card pictures [px]. Their files are JPEG and cannot be transparent,
// so the card cuts its corners off when it paints and the table shows through them.
constexpr int kCornerRadius = 5;
} // namespace

std::string CardPictureName(int suit, int value, bool faceUp) {
    if (!faceUp)
        return "picture\\bk.jpg";
    if (suit < 0 || suit > 3 || value < 0 || value > 12)
        return {};
    return std::string("picture\\") + kSuitWords[suit] + kRankWords[value] + ".jpg";
}

TCard::TCard(std::string name) : Control(std::move(name)) {
    SetSize(kCardWidth, kCardHeight);
}

void TCard::SetCard(TShoeCard card) {
    SetValue(card.Rank);
    SetSuit(card.Suit);
}

void TCard::SetSuit(TCardSuit suit) {
    if (suit == FSuit)
        return;
    FSuit = suit;
    Invalidate();
}

void TCard::SetValue(TCardValue value) {
    if (value == FValue)
        return;
    FValue = value;
    Invalidate();
}

void TCard::SetFaceUp(bool faceUp) {
    if (faceUp == FFaceUp)
        return;
    FFaceUp = faceUp;
    Invalidate();
}

void TCard::SetSelected(bool selected) {
    FSelected = selected;
    Invalidate();
}

void TCard::SetBackColor(std::uint32_t color) {
    if (color == FBackColor)
        return;
    FBackColor = color;
    Invalidate();
}

std::string TCard::PicturePath() const {
    return CardPictureName(FSuit, FValue, FFaceUp);
}

void TCard::Paint(Canvas& canvas) const {
    const std::string path = PicturePath();
    if (!path.empty())
        canvas.DrawRoundedPictureFile(path, ScreenRect(), kCornerRadius);
}

} // namespace quorvel
