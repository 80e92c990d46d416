// TCard: the on-screen playing card, 66x90, that knows its suit, its rank and whether it lies
// face up, and paints itself from its picture file. Its suit and rank encoding is the one the
// shoe, the hand rules and the computer players all use.
#pragma once

#include "cards/CardValues.h"
#include "gui/Control.h"

#include <cstdint>
#include <string>

namespace quorvel {

inline constexpr int kCardWidth = 66;  // [px]
inline constexpr int kCardHeight = 90; // [px]

// "picture\ClubA.jpg" for a face, "picture\bk.jpg" face down; "" for codes outside the ranges.
std::string CardPictureName(int suit, int value, bool faceUp);

class TCard : public Control {
public:
    explicit TCard(std::string name = "Card");

    TCardSuit Suit() const { return FSuit; }
    TCardValue Value() const { return FValue; }
    bool FaceUp() const { return FFaceUp; }
    bool Selected() const { return FSelected; }
    bool FirstCard() const { return FFirstCard; }
    std::uint32_t BackColor() const { return FBackColor; }

    // Each setter repaints only on a change, except Selected, which always repaints.
    void SetSuit(TCardSuit suit);
    void SetValue(TCardValue value);
    void SetFaceUp(bool faceUp);
    void SetSelected(bool selected);
    void SetFirstCard(bool firstCard) { FFirstCard = firstCard; }
    void SetBackColor(std::uint32_t color);

    // The card this control shows, face up or down.
    TShoeCard Shown() const { return {FValue, FSuit}; }
    void SetCard(TShoeCard card);

    std::string PicturePath() const override;
    void Paint(Canvas& canvas) const override;

private:
    bool FFirstCard = false;
    std::uint32_t FBackColor = 0xFF0000;
    bool FSelected = false;
    bool FFaceUp = true;
    TCardSuit FSuit = csClub;
    TCardValue FValue = cvAce;
};

} // namespace quorvel
