// The one-on-one table where the user challenges a computer banker. The round is the engine's;
// the table is its design, and what it alone does: the chips appear one after the other, and
// it is also entered from the three-seat table as a challenge, which hands back when a round
// is not won.
#pragma once

#include "tables/TableScreen.h"

namespace quorvel {

class TForm1 : public TableScreen {
public:
    explicit TForm1(TableHost& host);

    // ---- challenge mode, entered from the three-seat table ----
    void EnterChallenge(const ChallengeEntry& entry, ChallengeHooks hooks);
    bool InChallenge() const { return Engine().InChallenge(); }

    void RevealChips() override;
};

} // namespace quorvel
