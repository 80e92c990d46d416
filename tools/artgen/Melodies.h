// The tunes of the game as tables: tempo, metre, chords (one a bar), melody and the instruments
// and accompaniment style of each. Melodies.cpp holds the data; a maintainer edits it there.
#pragma once

#include <vector>

namespace artgen {

enum class Comp { Arpeggio, Block, Waltz, Offbeat, Pad, Bossa };
enum class Drums { None, Soft, Swing, Pop, Bossa, March };

struct Tune {
    const char* file;   // design path, "sound\main1.wav"
    int tempo;          // [quarter notes per minute]
    int beatsPerBar;    // 3 or 4
    const char* chords; // one chord a bar: "C Am Dm7 G7", roots A-G with # or b, m, 7, maj7, dim
    const char* melody; // "E5:2 G5:2 | ..." notes (or r) with lengths in eighths; | marks bars
    int repeats;        // times the melody is played; the second time a second voice joins
    int lead;           // General MIDI program of the melody [0-127]
    int second;         // program of the voice that doubles the melody on the repeat
    int chordVoice;     // program of the accompaniment
    int bass;           // program of the bass
    Comp comp;
    Drums drums;
};

const std::vector<Tune>& Tunes();

} // namespace artgen
