// Composition of a tune from its tables and writing it as a format-0 MIDI file.
#include "Midi.h"

#include <algorithm>
#include <cctype>
#include <sstream>

namespace artgen {
namespace {

constexpr int kTicks = 480; // per quarter note
constexpr int kEighth = kTicks / 2;

struct Event {
    int tick;
    int order; // note-offs before note-ons at the same tick
    std::vector<unsigned char> bytes;
};

class Track {
public:
    std::vector<Event> events;
    void Note(int channel, int tick, int length, int note, int velocity) {
        if (note < 0 || note > 127 || length <= 0) {
            return;
        }
        events.push_back(
            {tick,
             1,
             {static_cast<unsigned char>(0x90 | channel), static_cast<unsigned char>(note),
              static_cast<unsigned char>(velocity)}});
        events.push_back(
            {tick + length,
             0,
             {static_cast<unsigned char>(0x80 | channel), static_cast<unsigned char>(note), 0}});
    }
    void Program(int channel, int program, int volume, int pan) {
        events.push_back(
            {0,
             0,
             {static_cast<unsigned char>(0xC0 | channel), static_cast<unsigned char>(program)}});
        events.push_back(
            {0,
             0,
             {static_cast<unsigned char>(0xB0 | channel), 7, static_cast<unsigned char>(volume)}});
        events.push_back(
            {0,
             0,
             {static_cast<unsigned char>(0xB0 | channel), 10, static_cast<unsigned char>(pan)}});
    }
};

// "C#5" -> 73; -1 when it does not parse.
int NoteNumber(const std::string& name) {
    static const int base[] = {9, 11, 0, 2, 4, 5, 7}; // A..G
    if (name.empty() || name[0] < 'A' || name[0] > 'G') {
        return -1;
    }
    int n = base[name[0] - 'A'];
    size_t i = 1;
    for (; i < name.size() && (name[i] == '#' || name[i] == 'b'); ++i) {
        n += name[i] == '#' ? 1 : -1;
    }
    if (i >= name.size() || !std::isdigit(static_cast<unsigned char>(name[i]))) {
        return -1;
    }
    return n + 12 * (name[i] - '0' + 1);
}

// A chord as its root pitch class and the intervals above it.
struct Chord {
    int root = 0;
    std::vector<int> intervals;
};

bool ParseChord(const std::string& text, Chord& chord) {
    int octaveFour = NoteNumber(text.substr(0, text[1] == '#' || text[1] == 'b' ? 2 : 1) + "4");
    if (octaveFour < 0) {
        return false;
    }
    chord.root = octaveFour % 12;
    const std::string quality =
        text.substr(text.size() > 1 && (text[1] == '#' || text[1] == 'b') ? 2 : 1);
    if (quality.empty()) {
        chord.intervals = {0, 4, 7};
    } else if (quality == "m") {
        chord.intervals = {0, 3, 7};
    } else if (quality == "7") {
        chord.intervals = {0, 4, 7, 10};
    } else if (quality == "m7") {
        chord.intervals = {0, 3, 7, 10};
    } else if (quality == "maj7") {
        chord.intervals = {0, 4, 7, 11};
    } else if (quality == "dim") {
        chord.intervals = {0, 3, 6};
    } else {
        return false;
    }
    return true;
}

// The chord's notes voiced close above `floor`.
std::vector<int> Voicing(const Chord& chord, int floor) {
    std::vector<int> notes;
    int root = floor + ((chord.root - floor) % 12 + 12) % 12;
    for (int interval : chord.intervals) {
        notes.push_back(root + interval);
    }
    return notes;
}

void AddDrums(Track& t, Drums style, int barTick, int beats) {
    const int ch = 9, q = kTicks, e = kEighth;
    auto hit = [&](int at, int note, int vel) { t.Note(ch, barTick + at, e / 2, note, vel); };
    switch (style) {
    case Drums::None:
        break;
    case Drums::Soft:
        for (int b = 0; b < beats; ++b) {
            hit(b * q, 42, b % 2 ? 40 : 55);
        }
        hit(0, 36, 70);
        hit(2 * q, 37, 45);
        break;
    case Drums::Swing:
        for (int b = 0; b < beats; ++b) {
            hit(b * q, 51, 60);
            if (b % 2) {
                hit(b * q + q * 2 / 3, 51, 45);
                hit(b * q, 44, 55);
            }
        }
        hit(0, 36, 55);
        break;
    case Drums::Pop:
        for (int i = 0; i < beats * 2; ++i) {
            hit(i * e, 42, i % 2 ? 40 : 60);
        }
        hit(0, 36, 85);
        hit(q * 2 + e, 36, 65);
        hit(q, 38, 70);
        hit(3 * q, 38, 75);
        break;
    case Drums::Bossa:
        for (int i = 0; i < beats * 2; ++i) {
            hit(i * e, 70, i % 2 ? 35 : 50);
        }
        for (int at : {0, 3 * e, 6 * e}) {
            hit(at, 37, 55);
        }
        hit(0, 36, 60);
        hit(2 * q, 36, 55);
        break;
    case Drums::March:
        for (int b = 0; b < beats; ++b) {
            hit(b * q, 38, b == 0 ? 70 : 45);
            hit(b * q + e, 38, 30);
        }
        hit(0, 36, 80);
        hit(2 * q, 36, 65);
        break;
    }
}

void AddAccompaniment(Track& t, Comp comp, const Chord& chord, int barTick, int beats) {
    const int ch = 2, q = kTicks, e = kEighth;
    std::vector<int> v = Voicing(chord, 55);
    switch (comp) {
    case Comp::Arpeggio: {
        std::vector<int> up = v;
        up.push_back(v[0] + 12);
        up.push_back(v[1] + 12);
        for (int i = 0; i < beats * 2; ++i) {
            const int k = i % 8 < 4 ? i % 4 : 4 - (i % 4);
            t.Note(ch, barTick + i * e, e * 2, up[std::min<size_t>(k, up.size() - 1)], 62);
        }
        break;
    }
    case Comp::Block:
        for (int b = 0; b < beats; b += 2) {
            for (int n : v) {
                t.Note(ch, barTick + b * q, q * 2 - 20, n, 58);
            }
        }
        break;
    case Comp::Waltz:
        for (int b = 1; b < beats; ++b) {
            for (int n : v) {
                t.Note(ch, barTick + b * q, q - 60, n + 12, 52);
            }
        }
        break;
    case Comp::Offbeat:
        for (int b = 1; b < beats; b += 2) {
            for (int n : v) {
                t.Note(ch, barTick + b * q, q - 80, n, 60);
            }
        }
        break;
    case Comp::Pad:
        for (int n : v) {
            t.Note(ch, barTick, beats * q - 10, n, 50);
        }
        break;
    case Comp::Bossa:
        for (int at : {0, 3 * e, 6 * e, 10 * e, 13 * e}) {
            if (at < beats * q) {
                for (int n : v) {
                    t.Note(ch, barTick + at, e + 40, n, 56);
                }
            }
        }
        break;
    }
}

void AddBass(Track& t, Comp comp, const Chord& chord, int barTick, int beats) {
    const int last = beats - 1; // the beat that leads into the next bar
    const int ch = 3, q = kTicks;
    const int root = Voicing(chord, 36)[0];
    const int fifth = root + 7 - (root + 7 > 52 ? 12 : 0);
    if (comp == Comp::Waltz) {
        t.Note(ch, barTick, q - 30, root, 85);
        return;
    }
    t.Note(ch, barTick, q * 2 - 40, root, 88);
    t.Note(ch, barTick + 2 * q, q - 40, fifth, 78);
    t.Note(ch, barTick + last * q, q - 40, comp == Comp::Bossa ? fifth : root + 12, 70);
}

void PutVar(std::vector<unsigned char>& out, unsigned value) {
    unsigned char bytes[5];
    int n = 0;
    bytes[n++] = value & 0x7F;
    while (value >>= 7) {
        bytes[n++] = static_cast<unsigned char>((value & 0x7F) | 0x80);
    }
    while (n) {
        out.push_back(bytes[--n]);
    }
}

} // namespace

ComposedTune ComposeMidi(const Tune& tune) {
    ComposedTune result;
    std::vector<Chord> chords;
    {
        std::istringstream in(tune.chords);
        std::string word;
        while (in >> word) {
            Chord c;
            if (!ParseChord(word, c)) {
                result.error = std::string(tune.file) + ": chord " + word;
                return result;
            }
            chords.push_back(c);
        }
    }
    struct MelodyNote {
        int tick, length, note;
    };
    std::vector<MelodyNote> melody;
    int tick = 0, barStart = 0;
    const int barTicks = tune.beatsPerBar * kTicks;
    std::string spaced;
    for (const char* c = tune.melody; *c; ++c) { // bar marks need not stand apart
        spaced += *c == '|' ? std::string(" | ") : std::string(1, *c);
    }
    std::istringstream in(spaced);
    std::string word;
    while (in >> word) {
        if (word == "|") {
            if (tick - barStart != barTicks) {
                result.error = std::string(tune.file) + ": a bar does not add up near tick " +
                               std::to_string(tick);
                return result;
            }
            barStart = tick;
            continue;
        }
        const size_t colon = word.find(':');
        const int length = colon == std::string::npos ? 0 : std::atoi(word.c_str() + colon + 1);
        const std::string name = word.substr(0, colon);
        const int note = name == "r" ? -1 : NoteNumber(name);
        if (length <= 0 || (name != "r" && note < 0)) {
            result.error = std::string(tune.file) + ": note " + word;
            return result;
        }
        if (note >= 0) {
            melody.push_back({tick, length * kEighth, note});
        }
        tick += length * kEighth;
    }
    const int melodyBars = tick / barTicks;
    if (tick % barTicks != 0 || melodyBars != int(chords.size())) {
        result.error = std::string(tune.file) + ": melody and chords differ in length";
        return result;
    }

    Track t;
    t.Program(0, tune.lead, 100, 64);
    t.Program(1, tune.second, 80, 40);
    t.Program(2, tune.chordVoice, 72, 84);
    t.Program(3, tune.bass, 96, 64);
    t.events.push_back({0, 0, {0xB9, 7, 80}}); // drums a little back
    for (int pass = 0; pass < tune.repeats; ++pass) {
        const int offset = pass * melodyBars * barTicks;
        for (const MelodyNote& n : melody) {
            t.Note(0, offset + n.tick, n.length - 24, n.note, 92);
            if (pass % 2 == 1) {
                t.Note(1, offset + n.tick, n.length - 24, n.note - 12, 70);
            }
        }
        for (int bar = 0; bar < melodyBars; ++bar) {
            const int at = offset + bar * barTicks;
            AddAccompaniment(t, tune.comp, chords[bar], at, tune.beatsPerBar);
            AddBass(t, tune.comp, chords[bar], at, tune.beatsPerBar);
            AddDrums(t, tune.drums, at, tune.beatsPerBar);
        }
    }
    const int loopTicks = tune.repeats * melodyBars * barTicks;
    result.loopSeconds = loopTicks / double(kTicks) * 60.0 / tune.tempo;

    std::stable_sort(t.events.begin(), t.events.end(), [](const Event& a, const Event& b) {
        return a.tick != b.tick ? a.tick < b.tick : a.order < b.order;
    });
    std::vector<unsigned char> body;
    const unsigned tempo = 60000000u / unsigned(tune.tempo); // [us per quarter]
    body.insert(body.end(),
                {0x00, 0xFF, 0x51, 0x03, static_cast<unsigned char>(tempo >> 16),
                 static_cast<unsigned char>(tempo >> 8), static_cast<unsigned char>(tempo)});
    int last = 0;
    for (const Event& e : t.events) {
        PutVar(body, unsigned(e.tick - last));
        last = e.tick;
        body.insert(body.end(), e.bytes.begin(), e.bytes.end());
    }
    // Two silent bars after the loop so the release of the last notes is rendered too.
    PutVar(body, unsigned(loopTicks + 2 * barTicks - last));
    body.insert(body.end(), {0xFF, 0x2F, 0x00});

    std::vector<unsigned char>& smf = result.smf;
    smf = {'M', 'T', 'h',         'd',           0,   0,   0,   6,  0, 0,
           0,   1,   kTicks >> 8, kTicks & 0xFF, 'M', 'T', 'r', 'k'};
    const unsigned size = unsigned(body.size());
    smf.insert(smf.end(),
               {static_cast<unsigned char>(size >> 24), static_cast<unsigned char>(size >> 16),
                static_cast<unsigned char>(size >> 8), static_cast<unsigned char>(size)});
    smf.insert(smf.end(), body.begin(), body.end());
    return result;
}

} // namespace artgen
