// The 52 card faces and the back, drawn at their 66x90 size: white rounded faces, rank-over-suit
// corner indices, the standard pip layouts for 2 to 10, one large pip for aces and a drawn bust
// for each court card.
#include "artwork/Painters.h"

#include <cmath>
#include <string>
#include <vector>

namespace artwork {
namespace {

constexpr int W = 66, H = 90;
const char* kRankText[] = {"A", "2", "3", "4", "5", "6", "7", "8", "9", "10", "J", "Q", "K"};
const char* kRankFile[] = {"A",  "02", "03", "04", "05", "06", "07",
                           "08", "09", "10", "J",  "Q",  "K"};
const char* kSuitFile[] = {"Club", "Diamond", "Heart", "Spade"};

// Pip places for 2..10 in the pip field: column 0 left, 1 middle, 2 right; row 0..1 top..bottom.
struct Pip {
    int column;
    double row;
};
const std::vector<Pip> kPips[] = {
    {{1, 0}, {1, 1}},
    {{1, 0}, {1, 0.5}, {1, 1}},
    {{0, 0}, {2, 0}, {0, 1}, {2, 1}},
    {{0, 0}, {2, 0}, {1, 0.5}, {0, 1}, {2, 1}},
    {{0, 0}, {2, 0}, {0, 0.5}, {2, 0.5}, {0, 1}, {2, 1}},
    {{0, 0}, {2, 0}, {1, 0.25}, {0, 0.5}, {2, 0.5}, {0, 1}, {2, 1}},
    {{0, 0}, {2, 0}, {1, 0.25}, {0, 0.5}, {2, 0.5}, {1, 0.75}, {0, 1}, {2, 1}},
    {{0, 0},
     {2, 0},
     {0, 1 / 3.0},
     {2, 1 / 3.0},
     {1, 0.5},
     {0, 2 / 3.0},
     {2, 2 / 3.0},
     {0, 1},
     {2, 1}},
    {{0, 0},
     {2, 0},
     {1, 1 / 6.0},
     {0, 1 / 3.0},
     {2, 1 / 3.0},
     {0, 2 / 3.0},
     {2, 2 / 3.0},
     {1, 5 / 6.0},
     {0, 1},
     {2, 1}},
};

void Pip(cairo_t* cr, Suit suit, double cx, double cy, double size, bool upsideDown) {
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    if (upsideDown) {
        cairo_rotate(cr, M_PI);
    }
    SuitPath(cr, suit, 0, 0, size);
    SetColor(cr, SuitColor(suit));
    cairo_fill(cr);
    cairo_restore(cr);
}

// The dark edge under every card, square: the game cuts the corners off at the 5 px radius of
// the white face when it paints, so what is left of them at the cut is edge, never white.
void CardEdge(cairo_t* cr) {
    cairo_rectangle(cr, 0, 0, W, H);
    SetColor(cr, Hex(0x30302c));
    cairo_fill(cr);
}

void CornerIndex(cairo_t* cr, int rank, Suit suit) {
    TextStyle style;
    style.family = kSansFamily;
    style.size = rank == 9 ? 12 : 14;
    style.color = SuitColor(suit);
    style.letterSpacing = rank == 9 ? -1.2 : 0;
    for (int end = 0; end < 2; ++end) {
        cairo_save(cr);
        if (end == 1) {
            cairo_translate(cr, W, H);
            cairo_rotate(cr, M_PI);
        }
        DrawTextCentred(cr, kRankText[rank], style, 9.5, 10.5);
        Pip(cr, suit, 9.5, 23, 8.5, false);
        cairo_restore(cr);
    }
}

// A court figure: a bust in a framed panel, dressed in the suit colour with gold trim.
void CourtFigure(cairo_t* cr, int rank, Suit suit) {
    const Rgb suitColor = SuitColor(suit);
    const Rgb robe = suit == Suit::Heart || suit == Suit::Diamond ? Hex(0xc8283c) : Hex(0x27408b);
    const Rgb gold = Hex(0xe0b030), skin = Hex(0xf6d2b0);
    const double x0 = 17, y0 = 15, fw = 32, fh = 60;
    RoundRect(cr, x0, y0, fw, fh, 3);
    SetColor(cr, Hex(0xfff6dc));
    cairo_fill_preserve(cr);
    SetColor(cr, gold);
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
    cairo_save(cr);
    RoundRect(cr, x0 + 1, y0 + 1, fw - 2, fh - 2, 2);
    cairo_clip(cr);
    const double cx = x0 + fw / 2;
    // robe and shoulders
    cairo_move_to(cr, x0 - 2, y0 + fh);
    cairo_curve_to(cr, x0 - 1, y0 + 40, x0 + 6, y0 + 34, cx, y0 + 34);
    cairo_curve_to(cr, x0 + fw - 6, y0 + 34, x0 + fw + 1, y0 + 40, x0 + fw + 2, y0 + fh);
    cairo_close_path(cr);
    SetColor(cr, robe);
    cairo_fill(cr);
    // gold collar and sash
    cairo_move_to(cr, cx - 8, y0 + 35);
    cairo_line_to(cr, cx, y0 + 44);
    cairo_line_to(cr, cx + 8, y0 + 35);
    SetColor(cr, gold);
    cairo_set_line_width(cr, 2.2);
    cairo_stroke(cr);
    cairo_move_to(cr, x0 + 2, y0 + 47);
    cairo_line_to(cr, x0 + fw - 2, y0 + 57);
    cairo_set_line_width(cr, 3);
    SetColor(cr, Mix(gold, Hex(0xffffff), 0.2));
    cairo_stroke(cr);
    // hair behind the face (queen's long hair)
    if (rank == 11) {
        cairo_move_to(cr, cx - 9, y0 + 16);
        cairo_curve_to(cr, cx - 12, y0 + 28, cx - 11, y0 + 36, cx - 8, y0 + 40);
        cairo_line_to(cr, cx + 8, y0 + 40);
        cairo_curve_to(cr, cx + 11, y0 + 36, cx + 12, y0 + 28, cx + 9, y0 + 16);
        cairo_close_path(cr);
        SetColor(cr, Hex(0x7a4a1e));
        cairo_fill(cr);
    }
    // face
    cairo_save(cr);
    cairo_translate(cr, cx, y0 + 23);
    cairo_scale(cr, 7.0, 8.5);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_restore(cr);
    SetColor(cr, skin);
    cairo_fill(cr);
    // eyes and mouth
    SetColor(cr, Hex(0x222222));
    cairo_arc(cr, cx - 2.6, y0 + 22, 0.9, 0, 2 * M_PI);
    cairo_fill(cr);
    cairo_arc(cr, cx + 2.6, y0 + 22, 0.9, 0, 2 * M_PI);
    cairo_fill(cr);
    SetColor(cr, Hex(0xb03030));
    cairo_move_to(cr, cx - 1.8, y0 + 27);
    cairo_curve_to(cr, cx - 0.5, y0 + 28, cx + 0.5, y0 + 28, cx + 1.8, y0 + 27);
    cairo_set_line_width(cr, 0.9);
    cairo_stroke(cr);
    if (rank == 12) { // king's beard and moustache
        cairo_move_to(cr, cx - 6.5, y0 + 24);
        cairo_curve_to(cr, cx - 6, y0 + 34, cx + 6, y0 + 34, cx + 6.5, y0 + 24);
        cairo_curve_to(cr, cx + 3, y0 + 28, cx - 3, y0 + 28, cx - 6.5, y0 + 24);
        SetColor(cr, Hex(0x8a8a8a));
        cairo_fill(cr);
        SetColor(cr, Hex(0x222222));
        cairo_arc(cr, cx - 2.6, y0 + 22, 0.9, 0, 2 * M_PI);
        cairo_fill(cr);
        cairo_arc(cr, cx + 2.6, y0 + 22, 0.9, 0, 2 * M_PI);
        cairo_fill(cr);
    }
    // headwear: jack's cap with a feather, queen's tiara, king's crown
    if (rank == 10) {
        cairo_move_to(cr, cx - 9, y0 + 18);
        cairo_curve_to(cr, cx - 9, y0 + 8, cx + 9, y0 + 8, cx + 9, y0 + 18);
        cairo_close_path(cr);
        SetColor(cr, suitColor.r > 0.5 ? Hex(0x2e7d32) : Hex(0xb8860b));
        cairo_fill(cr);
        cairo_move_to(cr, cx + 4, y0 + 11);
        cairo_curve_to(cr, cx + 10, y0 + 2, cx + 14, y0 + 4, cx + 15, y0 + 1);
        SetColor(cr, Hex(0xd84315));
        cairo_set_line_width(cr, 2);
        cairo_stroke(cr);
    } else {
        const double top = rank == 12 ? y0 + 5 : y0 + 9;
        cairo_move_to(cr, cx - 8, y0 + 16);
        cairo_line_to(cr, cx - 8, top + 3);
        cairo_line_to(cr, cx - 4, top + 7);
        cairo_line_to(cr, cx, top);
        cairo_line_to(cr, cx + 4, top + 7);
        cairo_line_to(cr, cx + 8, top + 3);
        cairo_line_to(cr, cx + 8, y0 + 16);
        cairo_close_path(cr);
        SetColor(cr, gold);
        cairo_fill(cr);
        SetColor(cr, suitColor.r > 0.5 ? Hex(0x1565c0) : Hex(0xc62828));
        cairo_arc(cr, cx, y0 + 13.5, 1.3, 0, 2 * M_PI);
        cairo_fill(cr);
    }
    cairo_restore(cr);
    // suit emblem on the panel
    Pip(cr, suit, x0 + 6, y0 + 7, 7, false);
    Pip(cr, suit, x0 + fw - 6, y0 + fh - 7, 7, true);
}

void CardFace(Easel& out, Suit suit, int rank) {
    const std::string name =
        std::string("picture\\") + kSuitFile[int(suit)] + kRankFile[rank] + ".jpg";
    if (!out.Wants(name))
        return;
    Surface s(out.SizeFor(name, W, H));
    cairo_t* cr = s.cr();
    CardEdge(cr);
    FillRoundRect(cr, 0.8, 0.8, W - 1.6, H - 1.6, 4.5, Hex(0xffffff));
    CornerIndex(cr, rank, suit);
    if (rank == 0) {
        const double size = suit == Suit::Spade ? 34 : 28;
        Pip(cr, suit, W / 2.0, H / 2.0, size, false);
        if (suit == Suit::Spade) {
            cairo_arc(cr, W / 2.0, H / 2.0 - 2, 3.5, 0, 2 * M_PI);
            SetColor(cr, Hex(0xffffff));
            cairo_fill(cr);
        }
    } else if (rank <= 9) {
        const double xs[3] = {22.5, 33, 43.5}, top = 17, bottom = 73;
        for (const struct Pip& p : kPips[rank - 1]) {
            Pip(cr, suit, xs[p.column], top + (bottom - top) * p.row, 12.5, p.row > 0.5);
        }
    } else {
        CourtFigure(cr, rank, suit);
    }
    out.Picture(name, s);
}

void CardBack(Easel& out) {
    if (!out.Wants("picture\\bk.jpg"))
        return;
    Surface s(out.SizeFor("picture\\bk.jpg", W, H));
    cairo_t* cr = s.cr();
    CardEdge(cr);
    FillRoundRect(cr, 0.8, 0.8, W - 1.6, H - 1.6, 4.5, Hex(0xffffff));
    FillRoundRect(cr, 4, 4, W - 8, H - 8, 3, Hex(0x8e1b2a));
    cairo_save(cr);
    RoundRect(cr, 4, 4, W - 8, H - 8, 3);
    cairo_clip(cr);
    // diamond lattice
    SetColor(cr, Hex(0xd9a441, 0.85));
    cairo_set_line_width(cr, 0.8);
    for (int k = -12; k < 24; ++k) {
        cairo_move_to(cr, k * 7.0, 0);
        cairo_line_to(cr, k * 7.0 + H, H);
        cairo_move_to(cr, k * 7.0, H);
        cairo_line_to(cr, k * 7.0 + H, 0);
    }
    cairo_stroke(cr);
    cairo_restore(cr);
    // centre medallion with a gold star
    cairo_arc(cr, W / 2.0, H / 2.0, 14, 0, 2 * M_PI);
    SetColor(cr, Hex(0x5e0f1b));
    cairo_fill_preserve(cr);
    SetColor(cr, Hex(0xf0c75e));
    cairo_set_line_width(cr, 1.6);
    cairo_stroke(cr);
    StarPath(cr, W / 2.0, H / 2.0, 10, 4.2);
    cairo_fill(cr);
    SetColor(cr, Hex(0xf0c75e));
    cairo_set_line_width(cr, 1);
    RoundRect(cr, 6.5, 6.5, W - 13, H - 13, 2);
    cairo_stroke(cr);
    out.Picture("picture\\bk.jpg", s);
}

} // namespace

Rgb SuitColor(Suit suit) {
    return suit == Suit::Heart || suit == Suit::Diamond ? Hex(0xcc1426) : Hex(0x151515);
}

void SuitPath(cairo_t* cr, Suit suit, double cx, double cy, double size) {
    const double s = size / 2;
    switch (suit) {
    case Suit::Diamond:
        cairo_move_to(cr, cx, cy - s);
        cairo_line_to(cr, cx + s * 0.72, cy);
        cairo_line_to(cr, cx, cy + s);
        cairo_line_to(cr, cx - s * 0.72, cy);
        cairo_close_path(cr);
        break;
    case Suit::Heart:
        cairo_move_to(cr, cx, cy + s);
        cairo_curve_to(cr, cx - s * 0.3, cy + s * 0.55, cx - s, cy + s * 0.15, cx - s,
                       cy - s * 0.35);
        cairo_curve_to(cr, cx - s, cy - s * 1.0, cx - s * 0.1, cy - s * 1.05, cx, cy - s * 0.5);
        cairo_curve_to(cr, cx + s * 0.1, cy - s * 1.05, cx + s, cy - s * 1.0, cx + s,
                       cy - s * 0.35);
        cairo_curve_to(cr, cx + s, cy + s * 0.15, cx + s * 0.3, cy + s * 0.55, cx, cy + s);
        cairo_close_path(cr);
        break;
    case Suit::Spade:
        cairo_move_to(cr, cx, cy - s);
        cairo_curve_to(cr, cx + s * 0.3, cy - s * 0.5, cx + s, cy - s * 0.2, cx + s, cy + s * 0.3);
        cairo_curve_to(cr, cx + s, cy + s * 0.8, cx + s * 0.25, cy + s * 0.8, cx + s * 0.08,
                       cy + s * 0.45);
        cairo_curve_to(cr, cx + s * 0.1, cy + s * 0.75, cx + s * 0.3, cy + s * 0.95, cx + s * 0.45,
                       cy + s);
        cairo_line_to(cr, cx - s * 0.45, cy + s);
        cairo_curve_to(cr, cx - s * 0.3, cy + s * 0.95, cx - s * 0.1, cy + s * 0.75, cx - s * 0.08,
                       cy + s * 0.45);
        cairo_curve_to(cr, cx - s * 0.25, cy + s * 0.8, cx - s, cy + s * 0.8, cx - s, cy + s * 0.3);
        cairo_curve_to(cr, cx - s, cy - s * 0.2, cx - s * 0.3, cy - s * 0.5, cx, cy - s);
        cairo_close_path(cr);
        break;
    case Suit::Club:
        cairo_new_sub_path(cr);
        cairo_arc(cr, cx, cy - s * 0.5, s * 0.45, 0, 2 * M_PI);
        cairo_new_sub_path(cr);
        cairo_arc(cr, cx - s * 0.5, cy + s * 0.12, s * 0.45, 0, 2 * M_PI);
        cairo_new_sub_path(cr);
        cairo_arc(cr, cx + s * 0.5, cy + s * 0.12, s * 0.45, 0, 2 * M_PI);
        cairo_move_to(cr, cx - s * 0.12, cy);
        cairo_curve_to(cr, cx - s * 0.1, cy + s * 0.6, cx - s * 0.3, cy + s * 0.9, cx - s * 0.45,
                       cy + s);
        cairo_line_to(cr, cx + s * 0.45, cy + s);
        cairo_curve_to(cr, cx + s * 0.3, cy + s * 0.9, cx + s * 0.1, cy + s * 0.6, cx + s * 0.12,
                       cy);
        cairo_close_path(cr);
        break;
    }
}

void PaintCards(Easel& out) {
    for (int suit = 0; suit < 4; ++suit) {
        for (int rank = 0; rank < 13; ++rank) {
            CardFace(out, Suit(suit), rank);
        }
    }
    CardBack(out);
}

} // namespace artwork
