// The shoes of one part of a simulation: each made once, by the game's own shuffle from draws
// of their own, and dealt in the same order at every row's table. Each row still gets fresh
// shoes of the game's kind one after the other; the rows are compared on the same cards, and
// the hundred shuffle runs a shoe takes are paid once for all of them.
#pragma once

#include "SimulationRandom.h"

#include "cards/Shoe.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace quorvel::sim {

class SharedShoes {
public:
    SharedShoes(std::uint64_t seed, std::uint64_t part);

    // The shoe `index` [0-] of the part, made when it is first asked for.
    const TShoe& At(std::size_t index);

private:
    SimulationRandom random_;
    std::vector<TShoe> shoes_;
    TableShoe making_;
};

} // namespace quorvel::sim
