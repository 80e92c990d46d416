// The time source of every blocking wait. The game runs on the steady real clock; tests and
// the scenario runner use the virtual clock, which jumps straight to the next deadline.
#pragma once

#include <cstdint>

namespace quorvel {

class Clock {
public:
    virtual ~Clock() = default;
    // Milliseconds since an arbitrary start [ms].
    virtual std::int64_t NowMs() const = 0;
    // True when waiting must really sleep; false when time can simply be moved forward.
    virtual bool IsReal() const = 0;
    // Moves a virtual clock to `ms` (never backwards); the real clock ignores it.
    virtual void AdvanceTo(std::int64_t ms) = 0;
};

class RealClock final : public Clock {
public:
    RealClock();
    std::int64_t NowMs() const override;
    bool IsReal() const override { return true; }
    void AdvanceTo(std::int64_t) override {}

private:
    std::int64_t startNs_;
};

class VirtualClock final : public Clock {
public:
    std::int64_t NowMs() const override { return now_; }
    bool IsReal() const override { return false; }
    void AdvanceTo(std::int64_t ms) override {
        if (ms > now_)
            now_ = ms;
    }

private:
    std::int64_t now_ = 0;
};

} // namespace quorvel
