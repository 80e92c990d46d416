#include "ui/ControlLayout.h"

#include "gui/BitBtn.h"
#include "gui/Edit.h"
#include "gui/Image.h"
#include "gui/Label.h"
#include "gui/Panel.h"
#include "gui/Screen.h"
#include "ui/ScreenConventions.h"

namespace quorvel {

namespace {
// Table texts: names, amounts and hand descriptions in yellow over the felt.
constexpr FontSpec kTableFont{14, false, colors::kYellow};
} // namespace

void PlaceControls(Screen& screen, std::span<const ControlPlacement> rows) {
    for (const ControlPlacement& row : rows) {
        Control* parent = row.parent ? screen.Find(row.parent) : nullptr;
        Control* control = nullptr;
        switch (row.kind) {
        case ControlKind::Image: {
            auto& image = screen.Add<Image>(row.name, parent);
            image.SetBounds(row.bounds);
            if (row.buttonStem) {
                MakeTableButton(image, row.buttonStem, row.clickSound);
                image.SetCursor(Cursor::HandPoint);
            } else if (row.picture) {
                image.Load(row.picture);
            }
            control = &image;
            break;
        }
        case ControlKind::Label: {
            auto& label = screen.Add<Label>(row.name, parent);
            label.SetFont(kTableFont);
            if (row.picture)
                label.SetCaption(row.picture);
            control = &label;
            break;
        }
        case ControlKind::Panel:
            control = &screen.Add<Panel>(row.name, parent);
            break;
        case ControlKind::Edit:
            control = &screen.Add<Edit>(row.name, parent);
            break;
        case ControlKind::BitBtn: {
            auto& button = screen.Add<BitBtn>(row.name, parent);
            if (row.picture)
                button.SetCaption(row.picture);
            control = &button;
            break;
        }
        }
        control->SetPosition(row.bounds.x, row.bounds.y);
        if (row.kind != ControlKind::Image && row.kind != ControlKind::Label)
            control->SetSize(row.bounds.w, row.bounds.h);
        control->SetVisible(row.visible);
    }
}

void SetLabelText(const Screen& screen, std::string_view name, const std::string& text) {
    if (auto* label = dynamic_cast<Label*>(screen.Find(name)))
        label->SetCaption(text);
}

void PlaceBannerText(Label& text, const Control& banner) {
    // Inside the frame and clear of the ornaments at the ends [px]; the lines sit in the
    // middle of the banner, one line or two.
    constexpr int kSide = 16, kFrame = 4;
    const Rect b = banner.Bounds();
    text.SetAutoSize(false);
    text.SetBounds({b.x + kSide, b.y + kFrame, b.w - 2 * kSide, b.h - 2 * kFrame});
    text.SetAlignment(Align::Center);
    text.SetWordWrap(true);
    text.SetLayout(TextLayout::Center);
}

void HideControls(const Screen& screen, std::span<const char* const> names) {
    for (const char* name : names)
        if (Control* c = screen.Find(name))
            c->Hide();
}

} // namespace quorvel
