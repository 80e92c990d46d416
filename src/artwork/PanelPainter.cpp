// The designed panels of the table screens: bonus table, unseen-card panel, result dialog,
// banner, service tips, banker marker and money marker; then the decorations
// (DecorationPainter.cpp).
#include "artwork/Captions.h"
#include "artwork/Painters.h"
#include "ui/AssetCatalog.h"

#include <cmath>
#include <string>

namespace artwork {
namespace {

using quorvel::AssetCatalog;

GifOptions Shaped(Rgb matte) {
    return ShapedGif(matte, 0.4);
}

void GoldFrame(cairo_t* cr, double w, double h, double r) {
    RoundRect(cr, 1.5, 1.5, w - 3, h - 3, r);
    SetColor(cr, Hex(0xe2b84a));
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    RoundRect(cr, 5.5, 5.5, w - 11, h - 11, r - 3);
    SetColor(cr, Hex(0xe2b84a, 0.5));
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
}

void BonusTable(Easel& out) {
    const int w = 400, h = 320;
    if (!out.Wants("picture\\design\\bonus.gif"))
        return;
    Surface s(out.SizeFor("picture\\design\\bonus.gif", w, h));
    cairo_t* cr = s.cr();
    RoundRect(cr, 0, 0, w, h, 14);
    VerticalGradient(cr, 0, h, Hex(0x7a1420), Hex(0x3a0810));
    cairo_fill(cr);
    GoldFrame(cr, w, h, 14);
    TextStyle title;
    title.family = kSerifFamily;
    title.size = 30;
    title.color = Hex(0xffe08a);
    title.outline = Hex(0x3a0008);
    title.outlineWidth = 1.5;
    DrawTextCentred(cr, "21點獎金表", title, w / 2.0, 32);
    TextStyle hand;
    hand.size = 15.5;
    hand.color = Hex(0xfff4dc);
    TextStyle rate = hand;
    rate.color = Hex(0xffd54f);
    const auto& rows = BonusRows();
    for (size_t i = 0; i < rows.size(); ++i) {
        const double y = 60 + i * 27;
        if (i % 2 == 0) {
            cairo_rectangle(cr, 14, y, w - 28, 27);
            SetColor(cr, Hex(0xffffff, 0.08));
            cairo_fill(cr);
        }
        DrawText(cr, rows[i].hand, hand, 24, y + 3, 300, Align::Left);
        DrawText(cr, rows[i].rate, rate, w - 94, y + 3, 70, Align::Right);
    }
    cairo_move_to(cr, 24, 282);
    cairo_line_to(cr, w - 24, 282);
    SetColor(cr, Hex(0xe2b84a, 0.7));
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    TextStyle footer;
    footer.size = 14;
    footer.bold = false;
    footer.color = Hex(0xffcdd2);
    DrawText(cr, BonusFooter(), footer, 0, 288, w);
    out.Picture("picture\\design\\bonus.gif", s, Shaped(Hex(0x1d4a2a)));
}

// Counts go at (ox + 13 j + 3, oy + 15 i + 5); the grid is drawn so they fall in its cells.
void UnseenPanel(Easel& out) {
    const int w = 194, h = 107;
    const double ox = AssetCatalog::kCountsOriginX, oy = AssetCatalog::kCountsOriginY;
    if (!out.Wants("picture\\design\\unseen.gif"))
        return;
    Surface s(out.SizeFor("picture\\design\\unseen.gif", w, h));
    cairo_t* cr = s.cr();
    VerticalGradient(cr, 0, h, Hex(0x16324a), Hex(0x0b1a2a));
    cairo_paint(cr);
    cairo_rectangle(cr, 0.5, 0.5, w - 1, h - 1);
    SetColor(cr, Hex(0xe2b84a));
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    TextStyle title;
    title.size = 14;
    title.color = Hex(0xffe08a);
    DrawTextCentred(cr, "剩餘牌數", title, w / 2.0, 11);
    const char* ranks[] = {"A", "2", "3", "4", "5", "6", "7", "8", "9", "10", "J", "Q", "K"};
    TextStyle head;
    head.size = 10;
    head.color = Hex(0xcfe3f5);
    head.letterSpacing = -1;
    for (int j = 0; j < 13; ++j) {
        DrawTextCentred(cr, ranks[j], head, ox + 13 * j + 3 + 3.5, oy - 8);
    }
    for (int i = 0; i < 4; ++i) { // alternate row bands
        if (i % 2 == 0) {
            cairo_rectangle(cr, ox + 1, oy + 15 * i + 3, 13 * 13, 15);
            SetColor(cr, Hex(0xffffff, 0.07));
            cairo_fill(cr);
        }
    }
    SetColor(cr, Hex(0x6f8fb0, 0.55));
    cairo_set_line_width(cr, 1);
    for (int j = 0; j <= 13; ++j) {
        cairo_move_to(cr, ox + 13 * j + 1.5, oy - 16);
        cairo_line_to(cr, ox + 13 * j + 1.5, oy + 63);
    }
    for (int i = 0; i <= 4; ++i) {
        cairo_move_to(cr, 2, oy + 15 * i + 2.5);
        cairo_line_to(cr, ox + 13 * 13 + 1.5, oy + 15 * i + 2.5);
    }
    cairo_stroke(cr);
    const Suit rows[] = {Suit::Spade, Suit::Heart, Suit::Club, Suit::Diamond};
    for (int i = 0; i < 4; ++i) {
        FillRoundRect(cr, 3, oy + 15 * i + 4, 13, 13, 3, Hex(0xf6f2e6));
        SuitPath(cr, rows[i], 9.5, oy + 15 * i + 10.5, 10);
        SetColor(cr, SuitColor(rows[i]));
        cairo_fill(cr);
    }
    GifOptions g;
    g.dither = 0.3;
    out.Picture("picture\\design\\unseen.gif", s, g);
}

void Arrow(cairo_t* cr, double x, double y, double angle, double size, Rgb c) {
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_rotate(cr, angle);
    cairo_move_to(cr, size, 0);
    cairo_line_to(cr, -size * 0.3, -size * 0.7);
    cairo_line_to(cr, -size * 0.3, -size * 0.25);
    cairo_line_to(cr, -size, -size * 0.25);
    cairo_line_to(cr, -size, size * 0.25);
    cairo_line_to(cr, -size * 0.3, size * 0.25);
    cairo_line_to(cr, -size * 0.3, size * 0.7);
    cairo_close_path(cr);
    cairo_restore(cr);
    SetColor(cr, c);
    cairo_fill(cr);
}

void ResultDialog(Easel& out) {
    const int w = 347, h = 255;
    if (!out.Wants("picture\\design\\result.gif"))
        return;
    Surface s(out.SizeFor("picture\\design\\result.gif", w, h));
    cairo_t* cr = s.cr();
    VerticalGradient(cr, 0, h, Hex(0x173a5a), Hex(0x0a1a2c));
    cairo_paint(cr);
    TextStyle faint;
    faint.family = kSerifFamily;
    faint.size = 150;
    faint.color = Hex(0xffffff, 0.07);
    DrawTextCentred(cr, "結算", faint, w / 2.0, h / 2.0 - 6);
    cairo_rectangle(cr, 1.5, 1.5, w - 3, h - 3);
    SetColor(cr, Hex(0xe2b84a));
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    cairo_rectangle(cr, 6.5, 6.5, w - 13, h - 13);
    SetColor(cr, Hex(0xe2b84a, 0.45));
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    const Rgb gold = Hex(0xf0c75e);
    Arrow(cr, 22, 22, -3 * M_PI / 4, 11, gold);
    Arrow(cr, w - 22, 22, -M_PI / 4, 11, gold);
    Arrow(cr, 22, h - 22, 3 * M_PI / 4, 11, gold);
    Arrow(cr, w - 22, h - 22, M_PI / 4, 11, gold);
    cairo_move_to(cr, 40, 186);
    cairo_line_to(cr, w - 40, 186);
    SetColor(cr, Hex(0xe2b84a, 0.4));
    cairo_stroke(cr);
    GifOptions g;
    g.dither = 0.6;
    out.Picture("picture\\design\\result.gif", s, g);
}

void Banner(Easel& out) {
    const int w = 290, h = 56;
    if (!out.Wants("picture\\design\\banner.gif"))
        return;
    Surface s(out.SizeFor("picture\\design\\banner.gif", w, h));
    cairo_t* cr = s.cr();
    RoundRect(cr, 1, 1, w - 2, h - 2, 12);
    VerticalGradient(cr, 0, h, Hex(0x2a1640, 0.96), Hex(0x12081e, 0.96));
    cairo_fill_preserve(cr);
    SetColor(cr, Hex(0xe2b84a));
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    for (int side = 0; side < 2; ++side) { // small diamonds at the ends
        const double x = side ? w - 6 : 6;
        cairo_move_to(cr, x, h / 2.0 - 5);
        cairo_line_to(cr, x + 3, h / 2.0);
        cairo_line_to(cr, x, h / 2.0 + 5);
        cairo_line_to(cr, x - 3, h / 2.0);
        cairo_close_path(cr);
        SetColor(cr, Hex(0xf0c75e));
        cairo_fill(cr);
    }
    out.Picture("picture\\design\\banner.gif", s, Shaped(Hex(0x1d4a2a)));
}

void Tips(Easel& out) {
    for (const Tip& t : TableTips()) {
        if (!out.Wants(t.path))
            continue;
        Surface s(out.SizeFor(t.path, 170, 40));
        cairo_t* cr = s.cr();
        FillRoundRect(cr, 0.5, 0.5, 169, 39, 7, Hex(0xfff8e1));
        RoundRect(cr, 1, 1, 168, 38, 7);
        SetColor(cr, Hex(0xb8862a));
        cairo_set_line_width(cr, 1.5);
        cairo_stroke(cr);
        TextStyle title;
        title.size = 14;
        title.color = Hex(0xa01020);
        DrawText(cr, t.title, title, 8, 1, 160, Align::Left);
        TextStyle text;
        text.size = 12;
        text.color = Hex(0x3a2a1a);
        DrawText(cr, t.text, text, 8, 20, 160, Align::Left);
        out.Picture(t.path, s, Shaped(Hex(0x1d4a2a)));
    }
}

void BankerMarker(Easel& out) {
    if (!out.Wants("picture\\design\\banker.gif"))
        return;
    Surface s(out.SizeFor("picture\\design\\banker.gif", 40, 40));
    cairo_t* cr = s.cr();
    cairo_arc(cr, 20, 20, 18.5, 0, 2 * M_PI);
    RadialGlow(cr, 15, 14, 26, Hex(0xe53935), Hex(0x8a0c14));
    cairo_fill_preserve(cr);
    SetColor(cr, Hex(0xffd54f));
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    TextStyle t;
    t.family = kSerifFamily;
    t.size = 24;
    t.color = Hex(0xfff3c4);
    DrawTextCentred(cr, "莊", t, 20, 20);
    out.Picture("picture\\design\\banker.gif", s, Shaped(Hex(0x1d4a2a)));
}

void CoinMarker(Easel& out) {
    if (!out.Wants("picture\\design\\coin.gif"))
        return;
    Surface s(out.SizeFor("picture\\design\\coin.gif", 40, 24));
    cairo_t* cr = s.cr();
    for (int k = 0; k < 3; ++k) {
        const double x = 12 + k * 8, y = 17 - k * 3;
        cairo_save(cr);
        cairo_translate(cr, x, y);
        cairo_scale(cr, 10, 5);
        cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
        cairo_restore(cr);
        VerticalGradient(cr, y - 5, y + 5, Hex(0xffe082), Hex(0xc8901e));
        cairo_fill_preserve(cr);
        SetColor(cr, Hex(0x8a5a0a));
        cairo_set_line_width(cr, 1);
        cairo_stroke(cr);
    }
    out.Picture("picture\\design\\coin.gif", s, Shaped(Hex(0x1d4a2a)));
}

} // namespace

void PaintPanels(Easel& out) {
    BonusTable(out);
    UnseenPanel(out);
    ResultDialog(out);
    Banner(out);
    Tips(out);
    BankerMarker(out);
    CoinMarker(out);
    PaintDecorations(out);
}

} // namespace artwork
