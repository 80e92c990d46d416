#include "frontend/StageNameTags.h"

#include "gui/Image.h"
#include "gui/Screen.h"
#include "gui/TextExtent.h"
#include "players/Roster.h"

#include <algorithm>

namespace quorvel {

namespace {
constexpr FontSpec kTagFont{14, true, Color{255, 230, 150}};
constexpr Color kTagBack{18, 24, 44, 210};
constexpr int kTagPadding = 8; // [px] left and right of the name
constexpr int kTagHeight = 20; // [px]
constexpr int kFeetRise = 6;   // [px] the tag overlaps the bottom of its figure by this much
constexpr int kTagGap = 2;     // [px] between a tag and the one it steps below
} // namespace

StageNameTags::StageNameTags(Screen& screen, std::array<Image*, 9> figures) : figures_(figures) {
    for (int n = 1; n <= 9; ++n) {
        Label& tag = screen.Add<Label>("NameTag" + std::to_string(n));
        tag.SetFont(kTagFont);
        tag.SetAutoSize(false);
        tag.SetTransparent(false);
        tag.SetBackgroundColor(kTagBack);
        tag.SetAlignment(Align::Center);
        tag.SetLayout(TextLayout::Center);
        tag.Hide();
        // The tag belongs to its figure: the pointer and clicks on it are the figure's.
        Image& figure = *figures_[static_cast<std::size_t>(n - 1)];
        tag.SetCursor(figure.GetCursor());
        tag.onMouseMove = [&figure](Point p) {
            if (figure.onMouseMove)
                figure.onMouseMove(p);
        };
        tag.onClick = [&figure] {
            if (figure.onClick)
                figure.onClick();
        };
        tag.onMouseLeave = [this, n](const Control* next) { Leave(n, next); };
        tags_[static_cast<std::size_t>(n - 1)] = &tag;
    }
}

void StageNameTags::Hover(int character) {
    if (character < 1 || character > 9 || character == hovered_)
        return;
    hovered_ = character;
    Refresh();
}

void StageNameTags::Leave(int character, const Control* next) {
    if (character != hovered_)
        return;
    const auto i = static_cast<std::size_t>(character - 1);
    if (next == figures_[i] || next == tags_[i])
        return;
    hovered_ = 0;
    Refresh();
}

void StageNameTags::Refresh() {
    for (int n = 1; n <= 9; ++n)
        Show(n, n == hovered_ || (isLit && isLit(n + 1)));
    // Figures stand close: a tag that would lie on a neighbour's steps down below it.
    for (std::size_t i = 0; i < tags_.size(); ++i) {
        Label& tag = *tags_[i];
        for (bool moved = tag.Visible(); moved;) {
            moved = false;
            for (std::size_t j = 0; j < i && !moved; ++j)
                if (tags_[j]->Visible() && tags_[j]->Bounds().Overlaps(tag.Bounds())) {
                    tag.SetPosition(tag.Left(), tags_[j]->Top() + kTagHeight + kTagGap);
                    moved = true;
                }
        }
    }
}

void StageNameTags::Show(int character, bool shown) {
    Label& tag = *tags_[static_cast<std::size_t>(character - 1)];
    if (!shown) {
        tag.Hide();
        return;
    }
    std::string text(Roster()[static_cast<std::size_t>(character - 1)].Name);
    if (isLit && isLit(character + 1) && litRole)
        if (const std::string role = litRole(character + 1); !role.empty())
            text += "（" + role + "）";
    tag.SetCaption(text);
    // Centred under the figure's feet, kept on the stage.
    const Rect f = figures_[static_cast<std::size_t>(character - 1)]->Bounds();
    const int w = EstimatedTextWidth(text, kTagFont.sizePx) + 2 * kTagPadding;
    const int x = std::clamp(f.x + (f.w - w) / 2, 0, kDesignWidth - w);
    tag.SetBounds({x, f.y + f.h - kFeetRise, w, kTagHeight});
    tag.Show();
}

} // namespace quorvel
