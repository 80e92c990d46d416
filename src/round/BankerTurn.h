// The banker's turn. A computer banker opens (turns its face-down card), draws what the rules
// force below 17 and then as its character decides, each an Open, a Hit or a Stand through
// Apply; the user as banker draws by clicks until standing at 17 or more. Then every hand's
// outcome is decided.
#pragma once

#include "round/RoundContext.h"

namespace quorvel {

class BankerTurn {
public:
    explicit BankerTurn(RoundContext& round) : round_(round) {}

    // The seats have played: the banker's turn.
    void Play();
    // The computer banker turns its face-down card, as its Open asks.
    void Open();
    // The computer banker's card, as its Hit asks.
    void Draw();
    // ---- the user as banker ----
    void UserHit();
    void UserStand();

private:
    void ComputerDraws();
    void OptionalDrawing(bool startWithAsk);
    // The banker's next move, asked of its character.
    Action Ask();
    // A card the rules force on the banker, steered by its character as it draws.
    void ForcedCard();

    RoundContext& round_;
};

} // namespace quorvel
