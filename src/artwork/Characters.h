// The nine characters' looks and words: name, play style, colours, hair, clothes and the
// small things that make each one recognisable. Characters.cpp holds the table.
#pragma once

#include <cstdint>
#include <vector>

namespace artwork {

enum class Hair { Crew, Buns, Spiky, Long, Tied, Quiff, Curly, Bob, Sage };
enum class Extra { Stubble, Ribbons, None, StarPin, Rose, Sunglasses, Earrings, DropClip, Beard };
enum class Lower { Trousers, Dress, LongDress, Robe };

struct Character {
    const char* name;       // as the roster stores it
    const char* title;      // a two-to-four word epithet shown on the profile
    const char* style;      // how the character plays, for the profile
    int bet, tricks, nerve; // profile bars [1-5]: bet size, card tricks, boldness in drawing
    std::uint32_t skin, hair, eyes;
    std::uint32_t top, trim, lower, shoes;
    std::uint32_t theme; // backdrop colour of portraits and plates
    Hair hairStyle;
    Extra extra;
    Lower lowerStyle;
    bool female;
    double build; // shoulder width factor [0.85-1.3]
};

const std::vector<Character>& Characters();

} // namespace artwork
