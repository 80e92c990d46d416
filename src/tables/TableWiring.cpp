// The clicks every table wires alike: its offered buttons, the paid services with the chest and
// the swap panel, the peek at a face-down card, and the next round.
#include "ui/Card.h"
#include "gui/App.h"
#include "gui/BitBtn.h"
#include "gui/Edit.h"
#include "tables/ServiceChest.h"
#include "tables/TableScreen.h"
#include "ui/ScreenConventions.h"

#include <algorithm>

namespace quorvel {

void TableScreen::WireOffers(std::span<const OfferControl> controls,
                             std::initializer_list<ActionKind> except) {
    for (const OfferControl& oc : controls)
        if (std::find(except.begin(), except.end(), oc.Action) == except.end())
            Find(oc.Control)->onClick = [this, kind = oc.Action] { Act(Action::Of(kind)); };
}

void TableScreen::WireServices(const ServiceControls& controls) {
    services_ = std::make_unique<ServiceChest>(controls.chest, controls.buttons, controls.tips);
    services_->mayLight = [this] { return RoundLook::ChestMayLight(engine_); };
    // The chest's resting picture goes back on the chest, not on the small close button.
    controls.buttons[2]->onClick = [this] {
        if (Act(Action::Of(ActionKind::CloseServices)))
            services_->Rest();
    };
    Edit& rank = controls.swapRank;
    controls.swapOk.onClick = [this, &rank] {
        Action swap = Action::Of(ActionKind::ConfirmSwap);
        swap.Text = rank.Text();
        if (Act(swap))
            rank.SetText("");
    };
    // The OK button has no pressed picture of its own, so it sounds as it is pressed.
    controls.swapOk.onMouseDown = [this](MouseButton, Point) { GetApp().PlaySound(kButtonSound); };
}

void TableScreen::WirePeeks(int seat, std::initializer_list<int> hands) {
    for (int hand : hands) {
        TCard& first = Card(seat, hand, 1);
        first.SetCursor(Cursor::HandPoint);
        first.onClick = [this, hand] {
            Action peek = Action::Of(ActionKind::Peek);
            peek.Hand = hand;
            Act(peek);
        };
    }
}

void TableScreen::NextRoundClick(bool fromDialog) {
    Action next = Action::Of(ActionKind::NextRound);
    next.FromDialog = fromDialog;
    Act(next);
}

} // namespace quorvel
