// Filling in a table's message templates.
#include "round/Wording.h"

namespace quorvel {

std::string Format(const WordingTable& wording, Say id, const SayParts& parts) {
    const char* pattern = wording[static_cast<std::size_t>(id)];
    if (!pattern)
        return {};
    std::string text;
    for (std::string_view rest = pattern; !rest.empty();) {
        const std::size_t open = rest.find('{');
        const std::size_t close = rest.find('}', open);
        if (open == std::string_view::npos || close == std::string_view::npos) {
            text += rest;
            break;
        }
        text += rest.substr(0, open);
        const std::string_view key = rest.substr(open + 1, close - open - 1);
        if (key == "user")
            text += parts.User;
        else if (key == "banker")
            text += parts.Banker;
        else if (key == "seat")
            text += parts.Seat;
        else if (key == "creditor")
            text += parts.Creditor;
        else if (key == "amount")
            text += std::to_string(parts.Amount);
        else
            text += rest.substr(open, close - open + 1);
        rest = rest.substr(close + 1);
    }
    return text;
}

} // namespace quorvel
