#include "ui/ScreenConventions.h"

#include "gui/App.h"
#include "gui/Screen.h"

namespace quorvel {

void HoverGroup::Add(Image& button, std::string resting, std::string highlighted) {
    members_.push_back({&button, std::move(resting), std::move(highlighted)});
}

void HoverGroup::Highlight(Image& button) {
    for (auto& m : members_) {
        if (m.button == &button) {
            if (m.button->Tag() != 1) {
                m.button->Load(m.highlighted);
                m.button->SetTag(1);
            }
        } else if (m.button->Tag() != 0) {
            m.button->Load(m.resting);
            m.button->SetTag(0);
        }
    }
}

void HoverGroup::RestAll() {
    for (auto& m : members_)
        Rest(*m.button);
}

void HoverGroup::Rest(Image& button) {
    for (auto& m : members_) {
        if (m.button == &button && m.button->Tag() != 0) {
            m.button->Load(m.resting);
            m.button->SetTag(0);
        }
    }
}

void HoverGroup::LoadResting() {
    for (auto& m : members_) {
        m.button->Load(m.resting);
        m.button->SetTag(0);
    }
}

std::string RestingPicture(const std::string& pictureStem) {
    return "picture\\gif\\" + pictureStem + ".gif";
}

std::string PressedPicture(const std::string& pictureStem) {
    return "picture\\gif\\" + pictureStem + "-.gif";
}

void MakeTableButton(Image& button, const std::string& pictureStem, const char* clickSound) {
    const std::string resting = RestingPicture(pictureStem);
    const std::string pressed = PressedPicture(pictureStem);
    button.Load(resting);
    button.onMouseDown = [&button, pressed, clickSound](MouseButton b, Point) {
        if (clickSound && button.Owner())
            button.Owner()->GetApp().PlaySound(clickSound);
        if (b == MouseButton::Left)
            button.Load(pressed);
    };
    button.onMouseUp = [&button, resting](MouseButton, Point) { button.Load(resting); };
}

} // namespace quorvel
