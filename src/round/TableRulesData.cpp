// The four tables' rules by mode. Differences in wording between the tables are kept exactly
// as each table says them ("元" and "圓", "過5關" and "過5 關", "很抱歉！" and "很抱歉，").
#include "round/TableRules.h"

#include <stdexcept>
#include <string>

namespace quorvel {

namespace {
const TableRules kRules[4] = {OneSeatChallenge(), OneSeatBanker(), ThreeSeatChallenge(),
                              ThreeSeatBanker()};
} // namespace

const TableRules& RulesOfMode(int mode) {
    if (mode < 1 || mode > 4)
        throw std::out_of_range("no table of mode " + std::to_string(mode));
    return kRules[mode - 1];
}

const TableRules& RulesOf(TableMode mode) {
    return RulesOfMode(ModeCode(mode));
}

} // namespace quorvel
