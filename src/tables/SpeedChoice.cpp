// The speed choice's clicks, and the marked picture on the choice whose speed is in use.
#include "tables/SpeedChoice.h"

#include "gui/App.h"
#include "gui/Image.h"
#include "tables/CardMotion.h"
#include "tables/TableHost.h"
#include "tables/TableScreen.h"
#include "ui/ScreenConventions.h"

#include <array>

namespace quorvel {

namespace {

// Each choice's role and its picture at rest and marked as the speed in use, fast first.
struct Choice {
    TableRole Role;
    const char* Resting;
    const char* Marked;
};
constexpr std::array<Choice, 3> kChoices = {{
    {TableRole::SpeedFast, "picture\\design\\speed1.gif", "picture\\design\\speed1-on.gif"},
    {TableRole::SpeedMiddle, "picture\\design\\speed2.gif", "picture\\design\\speed2-on.gif"},
    {TableRole::SpeedSlow, "picture\\design\\speed3.gif", "picture\\design\\speed3-on.gif"},
}};
static_assert(kChoices.size() == CardMotion::kFlightSpeeds.size());

// Marks the choice of the speed the table flies its cards at now, and rests the others.
void MarkSpeedInUse(TableScreen& table) {
    for (std::size_t i = 0; i < kChoices.size(); ++i) {
        const bool inUse = table.Motion().FlightSpeed() == CardMotion::kFlightSpeeds[i];
        table.Get<Image>(kChoices[i].Role).Load(inUse ? kChoices[i].Marked : kChoices[i].Resting);
    }
}

void ShowChoices(TableScreen& table, bool show) {
    for (const Choice& choice : kChoices)
        table.Get(choice.Role).SetVisible(show);
}

} // namespace

void WireSpeedChoice(TableScreen& table) {
    MarkSpeedInUse(table);
    // The speed may have been set elsewhere since the choices last showed.
    table.Get(TableRole::Speed).onClick = [&table] {
        MarkSpeedInUse(table);
        ShowChoices(table, true);
    };
    for (std::size_t i = 0; i < kChoices.size(); ++i) {
        Control& choice = table.Get(kChoices[i].Role);
        choice.onMouseDown = [&table](MouseButton, Point) {
            table.GetApp().PlaySound(kButtonSound);
        };
        choice.onClick = [&table, i] {
            ShowChoices(table, false);
            const int speed = CardMotion::kFlightSpeeds[i];
            table.SetFlightSpeed(speed);
            MarkSpeedInUse(table);
        };
    }
}

} // namespace quorvel
