// The paid services as the user meets them at a table: the treasure chest with its look, swap
// and close buttons and their tips, and the swap panel with its rank box and OK button. The
// close button closes the services and rests the chest; OK sends the typed rank, emptied once
// taken, and sounds as it is pressed; the rank box opens empty and takes the typing, and under
// the pointer a tip above the panel lists what it takes; the chest lights while the round lets
// the user buy.
#pragma once

#include "round/Action.h"

#include <functional>
#include <memory>

namespace quorvel {

class Edit;
class Label;
class ServiceChest;
class TableScreen;

class TableServices {
public:
    // Wires the services of `table` by their roles; a click goes through `act`.
    TableServices(TableScreen& table, std::function<bool(const Action&)> act);
    ~TableServices();

    // After the buttons followed the offers: a tip whose service went goes with it, and a swap
    // panel that just opened starts empty with the typing in its box.
    void Follow(const Offers& offers);
    // The pointer is over the table's background: the chest rests and the tips go.
    void HoverBackground();
    // The services are put away: the chest rests.
    void Rest();

private:
    TableScreen& table_;
    std::function<bool(const Action&)> act_;
    std::unique_ptr<ServiceChest> chest_;
    Edit& rank_;
    Label& rankTip_; // the ranks the box takes, above the panel while the pointer is on the box
    bool swapOpen_ = false;
};

} // namespace quorvel
