// The chest, its services and the swap panel, wired by role.
#include "tables/TableServices.h"

#include "gui/App.h"
#include "gui/BitBtn.h"
#include "gui/Edit.h"
#include "gui/Image.h"
#include "gui/Label.h"
#include "tables/RoundLook.h"
#include "tables/ServiceChest.h"
#include "tables/TableScreen.h"

namespace quorvel {

namespace {
constexpr const char* kRankTip = "可輸入：A、2～10、J、Q、K";
constexpr FontSpec kRankTipFont{12, false, Color{235, 238, 245}, Typeface::Sans};
constexpr Color kRankTipBox{18, 32, 58};
constexpr int kRankTipWidth = 180, kRankTipHeight = 20; // [layout px]
} // namespace

TableServices::TableServices(TableScreen& table, std::function<bool(const Action&)> act)
    : table_(table), act_(std::move(act)), rank_(table.Get<Edit>(TableRole::SwapRank)),
      rankTip_(table.Add<Label>("SwapRankTip")) {
    using R = TableRole;
    // The tip lies on the panel's top edge, above everything, while the pointer is on the box.
    const Rect panel = table.Get(R::SwapPanel).Bounds();
    rankTip_.SetFont(kRankTipFont);
    rankTip_.SetAutoSize(false);
    rankTip_.SetTransparent(false);
    rankTip_.SetBackgroundColor(kRankTipBox);
    rankTip_.SetAlignment(Align::Center);
    rankTip_.SetLayout(TextLayout::Center);
    rankTip_.SetBounds({panel.x, panel.y - kRankTipHeight, kRankTipWidth, kRankTipHeight});
    rankTip_.SetCaption(kRankTip);
    rankTip_.Hide();
    rank_.onMouseMove = [this](Point) { rankTip_.Show(); };
    rank_.onMouseLeave = [this](const Control*) { rankTip_.Hide(); };
    const auto image = [&table](TableRole role) { return &table.Get<Image>(role); };
    chest_ = std::make_unique<ServiceChest>(
        table.Get<Image>(R::Chest),
        std::array{image(R::Look), image(R::Swap), image(R::CloseServices)},
        std::array{image(R::LookTip), image(R::SwapTip), image(R::CloseTip)});
    chest_->mayLight = [&table] { return RoundLook::ChestMayLight(table.Engine()); };
    // The chest's resting picture goes back on the chest, not on the small close button.
    table.Get(R::CloseServices).onClick = [this] {
        if (act_(Action::Of(ActionKind::CloseServices)))
            chest_->Rest();
    };
    BitBtn& ok = table.Get<BitBtn>(R::SwapOk);
    ok.onClick = [this] {
        Action swap = Action::Of(ActionKind::ConfirmSwap);
        swap.Text = rank_.Text();
        if (act_(swap))
            rank_.SetText("");
    };
    // The OK button has no pressed picture of its own, so it sounds as it is pressed.
    ok.onMouseDown = [&table](MouseButton, Point) {
        table.GetApp().PlaySound(table.Design().SwapOkSound);
    };
}

TableServices::~TableServices() = default;

void TableServices::Follow(const Offers& offers) {
    chest_->FollowServices();
    const bool open = offers.Open(ActionKind::ConfirmSwap);
    if (open && !swapOpen_) {
        rank_.SetText("");
        table_.SetFocus(&rank_);
    }
    if (!open)
        rankTip_.Hide();
    swapOpen_ = open;
}

void TableServices::HoverBackground() {
    chest_->HoverBackground();
    rankTip_.Hide();
}

void TableServices::Rest() {
    chest_->Rest();
}

} // namespace quorvel
