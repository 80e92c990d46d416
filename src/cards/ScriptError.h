// The error a test script causes by asking for something the rules cannot do (a queued draw
// outside the draw's range, a fifth copy of a card in a stacked shoe). The scenario runner
// catches it and reports it as a fault of the script, not of the game.
#pragma once

#include <stdexcept>
#include <string>

namespace quorvel {

class ScriptError : public std::runtime_error {
public:
    explicit ScriptError(const std::string& what) : std::runtime_error(what) {}
};

} // namespace quorvel
