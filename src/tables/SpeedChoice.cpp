// The speed choice's clicks, and the marked picture on the choice whose speed is in use.
#include "tables/SpeedChoice.h"

#include "gui/App.h"
#include "gui/Image.h"
#include "tables/TableScreen.h"
#include "ui/ScreenConventions.h"

namespace quorvel {

namespace {

// Each choice's picture at rest and marked as the speed in use, fast, middle, slow.
struct ChoicePictures {
    const char* Resting;
    const char* Marked;
};
constexpr ChoicePictures kPictures[3] = {
    {"picture\\design\\speed1.gif", "picture\\design\\speed1-on.gif"},
    {"picture\\design\\speed2.gif", "picture\\design\\speed2-on.gif"},
    {"picture\\design\\speed3.gif", "picture\\design\\speed3-on.gif"},
};

// Marks the choice of the speed the table flies its cards at now, and rests the others.
void MarkSpeedInUse(TableScreen& table, const std::array<const char*, 3>& choices) {
    for (std::size_t i = 0; i < choices.size(); ++i) {
        auto* choice = dynamic_cast<Image*>(table.Find(choices[i]));
        if (!choice)
            continue;
        const bool inUse = table.FlightSpeed() == TableScreen::kFlightSpeeds[i];
        choice->Load(inUse ? kPictures[i].Marked : kPictures[i].Resting);
    }
}

} // namespace

void WireSpeedChoice(TableScreen& table, const char* button, std::array<const char*, 3> choices) {
    MarkSpeedInUse(table, choices);
    // The speed may have been set elsewhere since the choices last showed.
    table.Find(button)->onClick = [&table, choices] {
        MarkSpeedInUse(table, choices);
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
            MarkSpeedInUse(table, choices);
        };
    }
}

} // namespace quorvel
