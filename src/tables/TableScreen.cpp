// A table built from its design, its controls by role, the user's input, and what the front
// end does with a table.
#include "tables/TableScreen.h"

#include "gui/App.h"
#include "gui/BitBtn.h"
#include "gui/Edit.h"
#include "gui/Image.h"
#include "gui/Label.h"
#include "gui/Panel.h"
#include "tables/CardMotion.h"
#include "tables/ResultDialog.h"
#include "tables/RoundLook.h"
#include "tables/TableControls.h"
#include "tables/TableHost.h"
#include "tables/TableKeys.h"
#include "tables/TableLook.h"
#include "tables/TableMusic.h"
#include "tables/TableRoundView.h"

#include <algorithm>
#include <stdexcept>

namespace quorvel {

TableScreen::TableScreen(TableHost& host, const TableDesign& design)
    : Screen(host.GetApp(), design.Screen), host_(host), design_(design),
      view_(std::make_unique<TableRoundView>(*this)),
      engine_(RulesOf(design.Mode), *view_, host.Random(), host.Stack()) {
    Build();
}

TableScreen::~TableScreen() = default;

// ---- the table from its design ----

void TableScreen::Build() {
    // The background first, then the marker and the cards on it, then the designed controls.
    auto& background = Add<Image>(DesignedName(TableRole::Background));
    background.SetBounds({0, 0, kDesignWidth, kDesignHeight});
    background.SetAutoSize(false);
    background.SetStretch(true);
    background.Load(design_.Background);
    view_->CreateHands(background);
    PlaceControls(*this, design_.Layout);
    view_->Build();
    table_look::DressSwapPanel(
        {Get<Panel>(TableRole::SwapPanel), Get<Edit>(TableRole::SwapRank),
         Get<BitBtn>(TableRole::SwapOk),
         Has(TableRole::SwapWords) ? &Get<Label>(TableRole::SwapWords) : nullptr,
         Has(TableRole::SwapTarget) ? &Get<BitBtn>(TableRole::SwapTarget) : nullptr},
        design_.SwapPanelPicture);
    Get<Edit>(TableRole::SwapRank).SetMaxLength(2);

    const DefaultTableNames& names = *design_.Names;
    engine_.NewGame({std::string(names.Banker), std::string(names.Seats[0]),
                     std::string(names.Seats[1]), std::string(names.Seats[2])});
    saving_ = std::make_unique<TableSaving>(host_, engine_, design_, cast_);
    music_ = std::make_unique<TableMusic>(GetApp(), host_);
    // The table's own characters until the front end sets the picked ones.
    for (std::size_t k = 0; k < design_.Opponents.size(); ++k) {
        const OpponentSeat& seat = design_.Opponents[k];
        if (seat.DefaultPortrait)
            cast_.Opponents[k] = {engine_.At(seat.Seat).Main().Name, seat.DefaultPortrait,
                                  seat.DefaultFigure};
    }
    controls_ = std::make_unique<TableControls>(*this);
}

// ---- controls by role ----

const char* TableScreen::DesignedName(TableRole role) const {
    for (const RoleControl& rc : design_.Roles)
        if (rc.Role == role)
            return rc.Control;
    throw std::logic_error(Name() + " has no control for the role " + std::string(RoleName(role)));
}

bool TableScreen::Has(TableRole role) const {
    for (const RoleControl& rc : design_.Roles)
        if (rc.Role == role)
            return true;
    return false;
}

Control* TableScreen::FindByRole(std::string_view name) const {
    const std::optional<TableRole> role = RoleNamed(name);
    return role && Has(*role) ? Find(DesignedName(*role)) : nullptr;
}

const RoundLook& TableScreen::Look() const {
    return controls_->Look();
}

const OddsAdviceLine& TableScreen::AdviceLine() const {
    return controls_->AdviceLine();
}

const HandCards& TableScreen::Hands() const {
    return view_->Hands();
}

CardMotion& TableScreen::Motion() const {
    return view_->Motion();
}

// ---- the user's input ----

bool TableScreen::Act(const Action& input) {
    Action action = input;
    RoundLook& look = controls_->Look();
    look.BeforeAction(action, false, engine_);
    if (!engine_.Allowed(action))
        return Refused(action);
    if (action.Kind == ActionKind::Leave && host_.AsksBeforeLeaving(*this)) {
        host_.AskBeforeLeaving(*this, [this] { engine_.Apply(Action::Of(ActionKind::Leave)); });
        return false;
    }
    look.BeforeAction(action, true, engine_);
    return engine_.Apply(action) || Refused(action);
}

// A button the user pressed in vain says so; the felt and the cards are no buttons.
bool TableScreen::Refused(const Action& action) {
    if (action.Kind != ActionKind::NextRound && action.Kind != ActionKind::Peek)
        GetApp().InputRefused({});
    return false;
}

void TableScreen::NextRoundClick(bool fromDialog) {
    Action next = Action::Of(ActionKind::NextRound);
    next.FromDialog = fromDialog;
    Act(next);
}

bool TableScreen::KeyDown(const KeyPress& key) {
    if (Screen::KeyDown(key) || controls_->PressKey(key))
        return true;
    // Before a round's deal the back button keeps out of sight, as designed, but leaving loses
    // nothing: Esc leaves as the button would, asking first when play is not saved.
    if (Press(Key::Escape).Matches(key) && engine_.Allowed(Action::Of(ActionKind::Leave))) {
        Act(Action::Of(ActionKind::Leave));
        return true;
    }
    return false;
}

bool TableScreen::Binds(const KeyPress& key) const {
    return Screen::Binds(key) || IsTableKey(key);
}

// ---- the front end ----

void TableScreen::NewGame(const std::array<std::string, 4>& names) {
    engine_.NewGame(names);
    Refresh();
}

void TableScreen::Resume(const TableRecord& record) {
    engine_.Resume(record);
    Refresh();
}

void TableScreen::LoadBackground(const std::string& path) {
    cast_.Background = path;
    Get<Image>(TableRole::Background).Load(path);
}

void TableScreen::SetFlightSpeed(int pixelsPerStep) {
    UseFlightSpeed(pixelsPerStep);
    host_.FlightSpeedChosen(pixelsPerStep);
}

void TableScreen::UseFlightSpeed(int pixelsPerStep) {
    view_->Motion().SetFlightSpeed(pixelsPerStep);
    const auto& speeds = CardMotion::kFlightSpeeds;
    const auto choice = std::find(speeds.begin(), speeds.end(), pixelsPerStep);
    controls_->Look().SetPace(
        choice == speeds.end()
            ? 100
            : RoundLook::kPacePercents[static_cast<std::size_t>(choice - speeds.begin())]);
}

void TableScreen::Wait(Pause moment) {
    view_->Wait(moment);
}

void TableScreen::OpenForPlay() {
    view_->HideCounts();
    engine_.OpenTable();
}

void TableScreen::ResetForMainMenu() {
    saving_->Forget();
    engine_.NewGame();
    view_->Reset();
    controls_->NewGame();
    Refresh();
}

void TableScreen::SetDialog(ResultDialog& dialog) {
    view_->SetDialog(dialog);
    dialog.onContinue = [this] { NextRoundClick(true); };
}

// ---- the round beyond the engine's view ----

void TableScreen::Refresh() {
    controls_->Refresh();
    view_->ShowSeats();
}

void TableScreen::FormActivate() {
    music_->Start();
}

void TableScreen::FormDeactivate() {
    music_->Stop();
}

} // namespace quorvel
