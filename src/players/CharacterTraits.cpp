// The characters' playing traits, one row each: the opening steering by band of r, the rich
// stop, the two next-card steering bands and the drawing limits for the values 12..19.
#include "players/CharacterTraits.h"

namespace quorvel {

namespace {

using S = HoleSteer;
using Steps = std::vector<HoleSteer>;

const Steps kNone{};
const Steps kAll{S::AceJack, S::Sevens, S::SixSevenEight, S::SuitedAceJack, S::Natural};
const Steps kFrom77{S::Sevens, S::SixSevenEight, S::SuitedAceJack, S::Natural, S::AceJack};
const Steps kFrom678{S::SixSevenEight, S::SuitedAceJack, S::Natural, S::AceJack, S::Sevens};
const Steps kFromSAJ{S::SuitedAceJack, S::Natural, S::AceJack, S::Sevens, S::SixSevenEight};
const Steps kFromNAT{S::Natural, S::AceJack, S::Sevens, S::SixSevenEight, S::SuitedAceJack};
const Steps kAJ{S::AceJack};
const Steps k77{S::Sevens};
const Steps k678{S::SixSevenEight};
const Steps kSAJ{S::SuitedAceJack};
const Steps kNAT{S::Natural};
const Steps k678SAJ{S::SixSevenEight, S::SuitedAceJack};
const Steps kSAJNAT{S::SuitedAceJack, S::Natural};
const Steps kNATAJ{S::Natural, S::AceJack};
const Steps kAJ77678{S::AceJack, S::Sevens, S::SixSevenEight};
const Steps k77678SAJ{S::Sevens, S::SixSevenEight, S::SuitedAceJack};
const Steps k678SAJNAT{S::SixSevenEight, S::SuitedAceJack, S::Natural};
const Steps kSAJNATAJ{S::SuitedAceJack, S::Natural, S::AceJack};
const Steps kNATAJ77{S::Natural, S::AceJack, S::Sevens};

constexpr std::array<int, 8> kEasyLimits{80, 70, 60, 50, 40, 30, 20, 10};
constexpr std::array<int, 8> kCarefulLimits{60, 50, 40, 30, 20, 10, 5, 2};

const std::vector<CharacterTraits>& Table() {
    static const std::vector<CharacterTraits> table{
        {"美男子",
         {{kAll, kAll, kFrom77, kFrom77, kFrom678, kFrom678, kFromSAJ, kFromSAJ, kFromNAT}},
         17,
         {1, 20},
         {21, 40},
         kEasyLimits},
        {"小帥哥",
         {{k678, k77, kAJ, kSAJ, kNAT, kNone, kNone, kNone, kNone}},
         17,
         {1, 5},
         {6, 10},
         kEasyLimits},
        {"朵朵",
         {{kAll, kAll, k77, k77, k678, k678, kSAJ, kSAJ, kNAT}},
         17,
         {1, 10},
         {11, 20},
         kCarefulLimits},
        {"莎莉娃",
         {{kNone, kNone, kNone, kNone, kNone, kNone, kNone, kNone, kNone}},
         13,
         {1, 5},
         {6, 10},
         {60, 60, 50, 40, 40, 30, 20, 10}},
        {"小雨",
         {{kAll, kAll, kAll, kAll, k77, k678, kSAJ, kNAT, kNone}},
         17,
         {1, 10},
         {11, 20},
         kCarefulLimits},
        {"阿鐵",
         {{kAJ, kAJ, k77, k77, k678SAJ, k678SAJ, kSAJNAT, kSAJNAT, kNATAJ}},
         17,
         {1, 10},
         {11, 20},
         kCarefulLimits},
        {"酷哥",
         {{kAJ77678, kAJ77678, k77678SAJ, k77678SAJ, k678SAJNAT, k678SAJNAT, kSAJNATAJ, kSAJNATAJ,
           kNATAJ77}},
         17,
         {1, 20},
         {21, 40},
         kCarefulLimits},
        {"星月",
         {{k678, k77, k678, kSAJ, kNAT, kNone, kNone, kNone, kNone}},
         15,
         {1, 10},
         {11, 20},
         kEasyLimits},
        {"阿墨",
         {{kNone, kNone, kNone, kNone, kNone, kNone, kNone, kNone, kNone}},
         18,
         {},
         {},
         {80, 50, 40, 30, 20, 10, 5, 2}},
    };
    return table;
}

} // namespace

int OpeningBand(int r) {
    if (r <= 10)
        return 0;
    if (r > 80)
        return 8;
    return (r - 1) / 10;
}

const CharacterTraits* FindTraits(std::string_view name) {
    for (const CharacterTraits& traits : Table())
        if (traits.Name == name)
            return &traits;
    return nullptr;
}

const std::vector<CharacterTraits>& AllTraits() {
    return Table();
}

} // namespace quorvel
