#include "system/Clock.h"

#include <chrono>

namespace quorvel {

namespace {
std::int64_t SteadyNs() {
    using namespace std::chrono;
    return duration_cast<nanoseconds>(steady_clock::now().time_since_epoch()).count();
}
} // namespace

RealClock::RealClock() : startNs_(SteadyNs()) {}

std::int64_t RealClock::NowMs() const {
    return (SteadyNs() - startNs_) / 1000000;
}

} // namespace quorvel
