// quorvel-round-allocations: shows that a round played with the view that shows nothing makes
// no allocation. At each table, steered and fair, the same seeded run is played twice, once
// N rounds and once 2N rounds long, with every operator new counted; the rounds beyond the
// first N must add none. The shared shoes are made beforehand, as a long simulation has them.
#include "SharedShoes.h"
#include "SimulationRandom.h"
#include "TableRun.h"
#include "UserPolicy.h"

#include "players/Roster.h"

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <new>

namespace {
std::atomic<long long> allocations{0};
} // namespace

void* operator new(std::size_t size) {
    ++allocations;
    if (void* memory = std::malloc(size ? size : 1))
        return memory;
    throw std::bad_alloc();
}
void* operator new[](std::size_t size) {
    return operator new(size);
}
void* operator new(std::size_t size, std::align_val_t align) {
    ++allocations;
    const auto alignment = static_cast<std::size_t>(align);
    if (void* memory =
            std::aligned_alloc(alignment, (size + alignment - 1) / alignment * alignment))
        return memory;
    throw std::bad_alloc();
}
void* operator new[](std::size_t size, std::align_val_t align) {
    return operator new(size, align);
}
void operator delete(void* memory) noexcept {
    std::free(memory);
}
void operator delete[](void* memory) noexcept {
    std::free(memory);
}
void operator delete(void* memory, std::size_t) noexcept {
    std::free(memory);
}
void operator delete[](void* memory, std::size_t) noexcept {
    std::free(memory);
}
void operator delete(void* memory, std::align_val_t) noexcept {
    std::free(memory);
}
void operator delete[](void* memory, std::align_val_t) noexcept {
    std::free(memory);
}
void operator delete(void* memory, std::size_t, std::align_val_t) noexcept {
    std::free(memory);
}
void operator delete[](void* memory, std::size_t, std::align_val_t) noexcept {
    std::free(memory);
}

using namespace quorvel;
using namespace quorvel::sim;

namespace {

constexpr std::int64_t kRounds = 3000; // N [rounds]
constexpr std::size_t kShoes = 3000;   // made beforehand: more than 2N rounds take

long long AllocationsOf(const Seating& seating, SharedShoes& shoes, std::int64_t rounds) {
    const auto policy = MakePolicy("stand17", 10000);
    SimulationRandom random(7, 1);
    const long long before = allocations;
    PlayRounds(seating, *policy, rounds, random, shoes);
    return allocations - before;
}

} // namespace

int main() {
    SharedShoes shoes(7, 0);
    shoes.At(kShoes - 1);
    const std::array<std::string, 2> companions = {"美男子", "小帥哥"};
    // What is made once for the whole run (the characters' rows, the rules) is made first.
    AllocationsOf(SeatingFor(1, "阿鐵", companions, false), shoes, 10);
    int failures = 0;
    for (int mode = 1; mode <= 4; ++mode)
        for (bool fair : {false, true}) {
            const Seating seating = SeatingFor(mode, "阿鐵", companions, fair);
            const long long first = AllocationsOf(seating, shoes, kRounds);
            const long long both = AllocationsOf(seating, shoes, 2 * kRounds);
            const long long extra = both - first;
            std::printf("table %d%s: %lld allocations in rounds %lld to %lld\n", mode,
                        fair ? " (fair)" : "", extra, static_cast<long long>(kRounds + 1),
                        static_cast<long long>(2 * kRounds));
            failures += extra != 0;
        }
    return failures == 0 ? 0 : 1;
}
