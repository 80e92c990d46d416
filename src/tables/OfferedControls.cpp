// The one map from roles to the actions they offer, and the controls following the offers.
#include "tables/OfferedControls.h"

#include "gui/App.h"
#include "gui/Control.h"

#include <algorithm>

namespace quorvel {

namespace {
struct RoleAction {
    TableRole Role;
    ActionKind Kind;
    std::int32_t Amount = 0; // a chip's value [money]
};
// In the order the chips are keyed 1, 2, 3.
constexpr RoleAction kRoleActions[] = {
    {TableRole::Chip1000, ActionKind::Chip, 1000},
    {TableRole::Chip5000, ActionKind::Chip, 5000},
    {TableRole::Chip10000, ActionKind::Chip, 10000},
    {TableRole::TakeBack, ActionKind::TakeBack},
    {TableRole::TakeRaise, ActionKind::TakeRaise},
    {TableRole::FinishBets, ActionKind::FinishBets},
    {TableRole::Deal, ActionKind::Deal},
    {TableRole::Hit, ActionKind::Hit},
    {TableRole::Stand, ActionKind::Stand},
    {TableRole::Double, ActionKind::Double},
    {TableRole::Open, ActionKind::Open},
    {TableRole::Split, ActionKind::Split},
    {TableRole::NoSplit, ActionKind::NoSplit},
    {TableRole::Pass, ActionKind::Pass},
    {TableRole::Look, ActionKind::Look},
    {TableRole::Swap, ActionKind::Swap},
    {TableRole::CloseServices, ActionKind::CloseServices},
    {TableRole::SwapPanel, ActionKind::ConfirmSwap},
    {TableRole::SwapTarget, ActionKind::ToggleSwapTarget},
    {TableRole::Back, ActionKind::Leave},
    {TableRole::Save, ActionKind::Save},
};
} // namespace

OfferedControls::OfferedControls(const std::function<Control*(TableRole)>& find) {
    for (const RoleAction& ra : kRoleActions)
        if (Control* control = find(ra.Role)) {
            Action sent = Action::Of(ra.Kind);
            sent.Amount = ra.Amount;
            controls_.push_back({sent, ra.Role, control});
        }
}

void OfferedControls::Wire(const std::function<bool(const Action&)>& act,
                           std::initializer_list<ActionKind> except) {
    for (const Offered& o : controls_)
        if (std::find(except.begin(), except.end(), o.Sent.Kind) == except.end())
            o.Button->onClick = [act, sent = o.Sent] { act(sent); };
}

void OfferedControls::Show(const Offers& offers) {
    for (const Offered& o : controls_) {
        o.Button->SetVisible(offers[o.Sent.Kind].Shown);
        o.Button->SetEnabled(offers[o.Sent.Kind].Enabled);
    }
}

Control* OfferedControls::PressTarget(Control& control) {
    if (control.onClick)
        return &control;
    for (Control* child : control.Children())
        if (!child->TakesFocus())
            if (Control* target = PressTarget(*child))
                return target;
    return nullptr;
}

bool OfferedControls::Press(App& app, ActionKind kind, int nth) const {
    int seen = 0;
    for (const Offered& o : controls_) {
        if (o.Sent.Kind != kind || seen++ != nth)
            continue;
        Control* target = PressTarget(*o.Button);
        if (!target || !target->Showing() || !target->Enabled())
            return false;
        // The very click a mouse would make: its sound and picture, and the engine's checks.
        app.ClickControl(*target);
        return true;
    }
    return false;
}

Control* OfferedControls::Of(ActionKind kind) const {
    for (const Offered& o : controls_)
        if (o.Sent.Kind == kind)
            return o.Button;
    return nullptr;
}

} // namespace quorvel
