// The words of what a table says: the sentence of its wording table (or of a seat that words
// it its own way) with the names and the amount filled in, and the bonus and jackpot sentences
// of its bonus wording. The table screen words the round's announcements with it.
#pragma once

#include "round/TableView.h"

#include <string>

namespace quorvel {

class RoundEngine;

// The text of `announcement` at the engine's table now; empty when the table says nothing.
std::string SpokenText(const RoundEngine& engine, const Announcement& announcement);

} // namespace quorvel
