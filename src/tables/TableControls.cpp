// The user's controls at a table, wired by role, and their refresh.
#include "tables/TableControls.h"

#include "gui/App.h"
#include "gui/BitBtn.h"
#include "gui/Image.h"
#include "tables/BonusTableButton.h"
#include "tables/HandCards.h"
#include "tables/OddsAdviceLine.h"
#include "tables/OfferedControls.h"
#include "tables/SpeedChoice.h"
#include "tables/TableHost.h"
#include "tables/TableKeys.h"
#include "tables/TableScreen.h"
#include "tables/TableServices.h"
#include "ui/Card.h"

namespace quorvel {

TableControls::TableControls(TableScreen& table) : table_(table), look_(table.Design().Mode) {
    const auto act = [&table](const Action& action) { return table.Act(action); };
    offered_ = std::make_unique<OfferedControls>(
        [&table](TableRole role) { return table.Has(role) ? &table.Get(role) : nullptr; });
    // The swap panel is no button: its OK is, and the services wire it with the close button.
    offered_->Wire(act, {ActionKind::ConfirmSwap, ActionKind::CloseServices});
    services_ = std::make_unique<TableServices>(table, act);
    ShowTableKeyHints(*offered_);
    table.Get(TableRole::Exit).onClick = [&table] { table.Host().QuitFromTable(table); };
    Image& background = table.Get<Image>(TableRole::Background);
    background.onClick = [&table] { table.NextRoundClick(false); };
    background.onMouseMove = [this](Point) { HoverBackground(); };
    WireSpeedChoice(table);
    WirePeeks();
    if (table.Has(TableRole::BonusTable))
        bonusTable_ = std::make_unique<BonusTableButton>(
            table.GetApp(), table.Get<Image>(TableRole::BonusTable),
            table.Get<Image>(TableRole::BonusPicture), table.Get<Image>(TableRole::BonusTip));
    // The advisor's line in the banner's place, widened: clear of the cards and labels.
    advice_ = std::make_unique<OddsAdviceLine>(table, table.Design().Advice);
}

TableControls::~TableControls() = default;

void TableControls::WirePeeks() {
    // The first card of each of the user's hands shows the user's own face-down card.
    const int user = table_.Engine().Rules().UserSeat;
    for (const TableHand& hand : table_.Design().Hands) {
        if (hand.Seat != user)
            continue;
        TCard& first = table_.Hands().Card(hand.Seat, hand.Hand, 1);
        first.SetCursor(Cursor::HandPoint);
        first.onClick = [this, which = hand.Hand] {
            Action peek = Action::Of(ActionKind::Peek);
            peek.Hand = which;
            table_.Act(peek);
        };
    }
}

void TableControls::HoverBackground() {
    services_->HoverBackground();
    if (bonusTable_)
        bonusTable_->HoverBackground();
    advice_->HoverBackground();
}

bool TableControls::PressKey(const KeyPress& key) {
    return PressTableKey(table_.GetApp(), *offered_, key);
}

void TableControls::Refresh() {
    const RoundEngine& round = table_.Engine();
    advice_->Update(round, table_.Host().OddsAdvisorOn());
    const Offers& offers = round.Offered();
    offered_->Show(offers);
    services_->Follow(offers);
    if (bonusTable_)
        bonusTable_->Refresh(look_.BonusTableShown());
    // While the toggle is offered its caption follows the hand the swap goes to.
    if (table_.Has(TableRole::SwapTarget) && offers[ActionKind::ToggleSwapTarget].Shown)
        table_.Get<BitBtn>(TableRole::SwapTarget).SetCaption(RoundLook::ToggleCaption(round));
}

void TableControls::NewGame() {
    look_.NewGame();
    services_->Rest();
}

} // namespace quorvel
