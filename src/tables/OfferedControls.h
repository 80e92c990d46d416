// The controls by which a table offers the user's actions. The same role offers the same
// action at every table (the hit button hits, the swap panel confirms the swap), so the map is
// one table for all four; each table has the controls of the roles it has. A control shows and
// takes clicks as the engine offers its action, sends its action when clicked, and is what the
// table's keys press.
#pragma once

#include "round/Action.h"
#include "tables/TableRoles.h"

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <vector>

namespace quorvel {

class App;
class Control;

class OfferedControls {
public:
    struct Offered {
        Action Sent; // what a click sends: the kind, and a chip's value
        TableRole Role;
        Control* Button;
    };

    // The controls of the roles a table has, found by `find` (nullptr for a role it lacks).
    explicit OfferedControls(const std::function<Control*(TableRole)>& find);

    // Each control sends its action through `act` when clicked, except the kinds in `except`,
    // which the table wires itself.
    void Wire(const std::function<bool(const Action&)>& act,
              std::initializer_list<ActionKind> except);
    // Shows and enables each control as the offers say.
    void Show(const Offers& offers);
    // Presses the `nth` [0-] control of an action, through the button it holds when it is a
    // panel, as a click would; false when that button is not showing and enabled.
    bool Press(App& app, ActionKind kind, int nth = 0) const;
    // The button a press of a control clicks: the control itself, or the button in a panel.
    static Control* PressTarget(Control& control);
    const std::vector<Offered>& All() const { return controls_; }
    // The control offering an action, or nullptr.
    Control* Of(ActionKind kind) const;

private:
    std::vector<Offered> controls_;
};

} // namespace quorvel
