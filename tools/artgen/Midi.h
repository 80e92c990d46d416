// Turns a tune of the melody table into a standard MIDI file: melody, second voice, chords,
// bass and drums on their own channels, plus two silent bars for the release tail.
#pragma once

#include "Melodies.h"

#include <string>
#include <vector>

namespace artgen {

struct ComposedTune {
    std::vector<unsigned char> smf; // the MIDI file's bytes
    double loopSeconds = 0;         // [s] length of the loop (whole bars)
    std::string error;              // set when the tune's tables do not parse or add up
};

ComposedTune ComposeMidi(const Tune& tune);

} // namespace artgen
