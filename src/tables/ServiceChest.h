// The treasure chest of a table and its three paid-service buttons: the chest lights up under
// the pointer while the user has a live hand to buy a service for, each service shows its tip
// (with the service's key) while the pointer is on it, and the table's background puts
// everything back to rest. All four tables have one; each gives its own designed controls.
#pragma once

#include <array>
#include <functional>

namespace quorvel {

class Control;
class Image;

class ServiceChest {
public:
    // The chest, the look, swap and close buttons, and their tips, in that order.
    ServiceChest(Image& chest, std::array<Image*, 3> services, std::array<Image*, 3> tips);

    // Whether the chest may light up now (RoundLook::ChestMayLight).
    std::function<bool()> mayLight;

    // The pointer over the chest, over a service [0-2], over the table's background.
    void HoverChest();
    void HoverService(int index);
    void HoverBackground();
    // The pointer left a service or its tip for `next`: the tip goes unless `next` is the
    // service or the tip itself.
    void LeaveService(int index, const Control* next);
    // The services' buttons were shown or hidden: the tip of one that no longer shows goes.
    void FollowServices();
    // The services were closed: the chest goes back to rest.
    void Rest();

private:
    Image& chest_;
    std::array<Image*, 3> services_;
    std::array<Image*, 3> tips_;
    bool lit_ = false;

    void HideTip(std::size_t index);
};

} // namespace quorvel
