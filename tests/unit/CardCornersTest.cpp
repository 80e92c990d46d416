// Cards on the table: their pictures are square JPEGs, so the card cuts its rounded corners off
// when it paints. The felt must show at each corner of a drawn card, face up or down, while
// the card's own picture covers the rest, up to its edges.
#include "gui/App.h"
#include "gui/Screen.h"
#include "gui/sdl/FrameComposer.h"
#include "gui/sdl/TextRenderer.h"
#include "ui/Card.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>

namespace quorvel {
namespace {

constexpr std::uint32_t kFelt = 0xFF1D4A2Au;
constexpr std::uint32_t kWhite = 0xFFFFFFFFu;

class CardPictures final : public PictureSource {
public:
    // Every card picture is white and square, as the generated files are outside the edge.
    std::shared_ptr<const Picture> Load(std::string_view, std::string&) override {
        auto p = std::make_shared<Picture>();
        p->width = kCardWidth;
        p->height = kCardHeight;
        p->pixels.assign(static_cast<std::size_t>(kCardWidth) * kCardHeight, kWhite);
        return p;
    }
};

struct Table {
    VirtualClock clock;
    CardPictures pictures;
    SilentSound sound;
    RecordingDisplay display;
    App app{clock, pictures, sound, display};
    TextRenderer text;
    Screen screen{app, "TForm1"};

    Table() {
        screen.SetBackground(Color{0x1D, 0x4A, 0x2A});
        screen.Show();
    }
    TCard& Deal(std::string name, int left, int top, bool faceUp) {
        auto& card = screen.Add<TCard>(std::move(name));
        card.SetPosition(left, top);
        card.SetFaceUp(faceUp);
        return card;
    }
};

TEST(CardCorners, FeltShowsAtEachCornerOfADrawnCard) {
    Table t;
    const TCard& up = t.Deal("Card1", 100, 100, true);
    const TCard& down = t.Deal("Card2", 300, 220, false);
    const Picture frame = RenderScreens(t.app, t.text);
    for (const TCard* card : {&up, &down}) {
        const Rect r = card->ScreenRect();
        const int right = r.x + r.w - 1, bottom = r.y + r.h - 1;
        SCOPED_TRACE(card->Name());
        EXPECT_EQ(frame.At(r.x, r.y), kFelt);
        EXPECT_EQ(frame.At(right, r.y), kFelt);
        EXPECT_EQ(frame.At(r.x, bottom), kFelt);
        EXPECT_EQ(frame.At(right, bottom), kFelt);
        // The picture reaches every edge between the corners, and fills the middle.
        EXPECT_EQ(frame.At(r.x + r.w / 2, r.y), kWhite);
        EXPECT_EQ(frame.At(r.x + r.w / 2, bottom), kWhite);
        EXPECT_EQ(frame.At(r.x, r.y + r.h / 2), kWhite);
        EXPECT_EQ(frame.At(right, r.y + r.h / 2), kWhite);
        EXPECT_EQ(frame.At(r.x + 5, r.y + 5), kWhite);
        EXPECT_EQ(frame.At(right - 5, bottom - 5), kWhite);
        // Outside the card nothing was touched.
        EXPECT_EQ(frame.At(r.x - 1, r.y + r.h / 2), kFelt);
        EXPECT_EQ(frame.At(r.x + r.w / 2, bottom + 1), kFelt);
    }
}

TEST(CardCorners, CornersAreCutOnlyWhereTheScreenShowsTheCard) {
    // A card half off the screen's right edge: its visible corners are cut, nothing is drawn
    // past the edge, and the cut never paints outside the screen's clip.
    Table t;
    const TCard& card = t.Deal("Card1", kDesignWidth - 33, kDesignHeight - 45, true);
    const Picture frame = RenderScreens(t.app, t.text);
    const Rect r = card.ScreenRect();
    EXPECT_EQ(frame.At(r.x, r.y), kFelt);
    EXPECT_EQ(frame.At(r.x + 10, r.y + 10), kWhite);
    EXPECT_EQ(frame.At(kDesignWidth - 1, kDesignHeight - 1), kWhite);
}

} // namespace
} // namespace quorvel
