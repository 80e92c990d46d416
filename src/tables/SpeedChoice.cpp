// The speed choice's clicks.
#include "tables/SpeedChoice.h"

#include "platform/App.h"
#include "tables/TableScreen.h"
#include "ui/ScreenConventions.h"

namespace quorvel {

void WireSpeedChoice(TableScreen& table, const char* button, std::array<const char*, 3> choices) {
    table.Find(button)->onClick = [&table, choices] {
        for (const char* name : choices)
            table.Find(name)->Show();
    };
    for (std::size_t i = 0; i < choices.size(); ++i) {
        Control& choice = *table.Find(choices[i]);
        choice.onMouseDown = [&table](MouseButton, Point) {
            table.GetApp().PlaySound(kButtonSound);
        };
        choice.onClick = [&table, choices, i] {
            for (const char* name : choices)
                table.Find(name)->Hide();
            table.SetFlightSpeed(TableScreen::kFlightSpeeds[i]);
        };
    }
}

} // namespace quorvel
