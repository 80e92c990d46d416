// The save of a table and the check before leaving it.
#include "tables/TableSaving.h"

#include "gui/App.h"
#include "players/Money.h"
#include "tables/TableHost.h"

namespace quorvel {

TableSaving::TableSaving(TableHost& host, const RoundFacts& round, const TableDesign& design,
                         const TableCast& cast)
    : host_(host), round_(round), design_(design), cast_(cast) {}

SaveContents TableSaving::State() const {
    SaveContents s;
    s.Mode = ModeCode(design_.Mode);
    s.Background = cast_.Background;
    for (int i = 0; i <= round_.Seats(); ++i) {
        const Seat& seat = round_.At(i);
        s.Names[static_cast<std::size_t>(i)] = seat.Main().Name;
        // The stakes on the table count as money; after a split both bets are on it.
        s.Money[static_cast<std::size_t>(i)] = AddMoney(seat.Main().Money, seat.Staked());
    }
    // Each opponent's portrait goes to its seat's picture slot; the user has none.
    for (std::size_t k = 0; k < design_.Opponents.size() && k < cast_.Opponents.size(); ++k)
        s.Pictures[static_cast<std::size_t>(design_.Opponents[k].PictureSlot - 1)] =
            cast_.Opponents[k].PickPicture;
    return s;
}

bool TableSaving::Save(App& app) {
    const SaveContents contents = State();
    const std::string error = host_.SaveRecord().Save(contents, host_.SaveFilePath());
    if (error.empty()) {
        kept_ = contents;
        app.Note("已存檔");
        return true;
    }
    app.ReportError(error);
    return false;
}

bool TableSaving::Unsaved() const {
    if (round_.RoundUnderway())
        return true;
    // Stakes count as money in a save, so bets alone lose nothing.
    return !kept_ || *kept_ != State();
}

} // namespace quorvel
