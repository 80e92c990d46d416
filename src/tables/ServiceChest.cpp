// The chest's lit and resting pictures and the services' tips.
#include "tables/ServiceChest.h"

#include "gui/Image.h"

namespace quorvel {

namespace {
constexpr const char* kChest = "picture\\gif\\bw001.gif";
constexpr const char* kChestLit = "picture\\gif\\bw100.gif";
} // namespace

ServiceChest::ServiceChest(Image& chest, std::array<Image*, 3> services, std::array<Image*, 3> tips)
    : chest_(chest), services_(services), tips_(tips) {
    chest_.Load(kChest);
    chest_.onMouseMove = [this](Point) { HoverChest(); };
    for (std::size_t i = 0; i < 3; ++i) {
        services_[i]->onMouseMove = [this, i](Point) { HoverService(static_cast<int>(i)); };
        // A tip says what its service does while the pointer is on it, not for the rest of the
        // round: moving on to a button, a card or the chest puts it away as the table does.
        const auto leave = [this, i](const Control* next) {
            LeaveService(static_cast<int>(i), next);
        };
        services_[i]->onMouseLeave = leave;
        tips_[i]->onMouseLeave = leave;
        tips_[i]->Hide();
    }
}

void ServiceChest::HoverChest() {
    if (lit_ || !mayLight || !mayLight())
        return;
    chest_.Load(kChestLit);
    lit_ = true;
}

void ServiceChest::HoverService(int index) {
    for (std::size_t i = 0; i < 3; ++i) {
        if (static_cast<int>(i) == index) {
            // The small service buttons have no room for their key: their tips show it.
            tips_[i]->SetKeyHint(services_[i]->KeyHint());
            tips_[i]->Show();
            services_[i]->SetTag(1);
        } else if (services_[i]->Tag() == 1) {
            HideTip(i);
        }
    }
}

void ServiceChest::LeaveService(int index, const Control* next) {
    if (index < 0 || index >= 3)
        return;
    const auto i = static_cast<std::size_t>(index);
    if (next != services_[i] && next != tips_[i] && services_[i]->Tag() == 1)
        HideTip(i);
}

void ServiceChest::FollowServices() {
    for (std::size_t i = 0; i < 3; ++i)
        if (services_[i]->Tag() == 1 && !services_[i]->Showing())
            HideTip(i);
}

void ServiceChest::HideTip(std::size_t index) {
    tips_[index]->Hide();
    services_[index]->SetTag(0);
}

void ServiceChest::HoverBackground() {
    Rest();
    for (std::size_t i = 0; i < 3; ++i)
        HideTip(i);
}

void ServiceChest::Rest() {
    if (lit_)
        chest_.Load(kChest);
    lit_ = false;
}

} // namespace quorvel
