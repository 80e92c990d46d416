// Making a part's shoes on demand.
#include "SharedShoes.h"

namespace quorvel::sim {

namespace {
// The job number of a part's shoes, apart from every row's (rows are numbered from 0 up).
constexpr std::uint64_t kShoeRow = 0xFFFFFFFFull;
} // namespace

SharedShoes::SharedShoes(std::uint64_t seed, std::uint64_t part)
    : random_(seed, (kShoeRow << 32) | (part & 0xFFFFFFFFull)) {}

const TShoe& SharedShoes::At(std::size_t index) {
    while (shoes_.size() <= index) {
        NewShoe(making_, random_);
        shoes_.push_back(making_.Dealing);
    }
    return shoes_[index];
}

} // namespace quorvel::sim
