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
            tips_[i]->Hide();
            services_[i]->SetTag(0);
        }
    }
}

void ServiceChest::HoverBackground() {
    Rest();
    for (std::size_t i = 0; i < 3; ++i) {
        tips_[i]->Hide();
        services_[i]->SetTag(0);
    }
}

void ServiceChest::Rest() {
    if (lit_)
        chest_.Load(kChest);
    lit_ = false;
}

} // namespace quorvel
