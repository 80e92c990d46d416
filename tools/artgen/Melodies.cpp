// Every tune of the game: six table tunes and five front-end tunes, each with its own key,
// tempo and mood. Melodies are written as note names with lengths in eighth notes.
#include "Melodies.h"

namespace artgen {

// General MIDI programs used below.
enum Program {
    Piano = 0,
    ElectricPiano = 4,
    Celesta = 8,
    MusicBox = 10,
    Vibraphone = 11,
    Marimba = 12,
    Accordion = 21,
    NylonGuitar = 24,
    JazzGuitar = 26,
    AcousticBass = 32,
    FingerBass = 33,
    Strings = 48,
    SlowStrings = 49,
    Pizzicato = 45,
    Harp = 46,
    Trumpet = 56,
    Brass = 61,
    SynthBrass = 62,
    Oboe = 68,
    Clarinet = 71,
    Flute = 73,
    PanFlute = 75,
    Koto = 107,
};

const std::vector<Tune>& Tunes() {
    static const std::vector<Tune> tunes = {
        // Table music: a bright, swinging casino tune.
        {"sound\\main1.wav", 132, 4, "C Am Dm G7 C A7 Dm7 G7",
         "E5:2 G5:2 A5:1 G5:1 E5:2 | C5:2 E5:2 A4:4 | D5:2 F5:2 A5:2 G5:1 F5:1 | E5:2 D5:2 B4:4 |"
         "E5:1 F5:1 G5:2 C6:2 B5:1 A5:1 | G5:2 E5:2 C#5:2 E5:2 | F5:2 A5:2 G5:2 F5:2 |"
         "E5:2 D5:2 G4:4",
         2, Vibraphone, JazzGuitar, Piano, AcousticBass, Comp::Offbeat, Drums::Swing},
        // Table music: a cool bossa in A minor.
        {"sound\\main2.wav", 112, 4, "Am7 Dm7 G7 Cmaj7 Fmaj7 Dm7 E7 Am7",
         "E5:3 D5:1 C5:2 B4:2 | A4:2 C5:2 F5:3 E5:1 | D5:3 C5:1 B4:2 G4:2 | E5:6 r:2 |"
         "A5:3 G5:1 F5:2 E5:2 | D5:2 F5:2 A5:2 G5:2 | G#4:2 B4:2 D5:2 E5:2 | C5:2 B4:2 A4:4",
         2, Flute, Vibraphone, NylonGuitar, AcousticBass, Comp::Bossa, Drums::Bossa},
        // Table music: a light pop tune in G.
        {"sound\\main3.wav", 120, 4, "G D Em C G D C D",
         "B4:2 D5:2 G5:3 F#5:1 | A5:2 F#5:2 D5:4 | E5:2 G5:2 B5:2 A5:1 G5:1 | E5:4 r:2 D5:2 |"
         "B4:2 D5:2 G5:2 B5:2 | A5:3 G5:1 F#5:2 A5:2 | G5:2 E5:2 C5:2 E5:2 | D5:6 r:2",
         2, ElectricPiano, Clarinet, Piano, FingerBass, Comp::Arpeggio, Drums::Pop},
        // Table music: a pentatonic air over plucked strings.
        {"sound\\main4.wav", 96, 4, "D Bm G A D Bm Em A",
         "A5:3 B5:1 A5:2 F#5:2 | E5:2 F#5:2 D5:4 | B4:2 D5:2 E5:3 F#5:1 | E5:6 r:2 |"
         "F#5:3 A5:1 B5:2 D6:2 | B5:2 A5:2 F#5:4 | E5:2 F#5:1 E5:1 D5:2 B4:2 | D5:6 r:2",
         2, PanFlute, Flute, Koto, AcousticBass, Comp::Arpeggio, Drums::Soft},
        // Table music: a tense minor tune for high stakes.
        {"sound\\main5.wav", 108, 4, "Em C Am B7 Em C Am B7",
         "E5:1 r:1 E5:1 F#5:1 G5:2 B5:2 | C6:2 B5:2 G5:2 E5:2 | A5:2 G5:1 F#5:1 E5:2 C5:2 |"
         "D#5:4 B4:4 | E5:1 G5:1 B5:2 E6:2 D6:2 | C6:2 G5:2 E5:2 C5:2 | A4:2 C5:2 E5:2 A5:2 |"
         "F#5:2 D#5:2 B4:4",
         2, Marimba, Oboe, Pizzicato, FingerBass, Comp::Block, Drums::March},
        // Table music: an easy waltz.
        {"sound\\main6.wav", 150, 3, "F C7 C7 F F Bb C7 F F Dm Gm C7 F Bb C7 F",
         "A4:2 C5:2 F5:2 | E5:4 D5:2 | C5:2 Bb4:2 G4:2 | A4:6 | A4:2 C5:2 F5:2 | D5:2 F5:2 Bb5:2 |"
         "A5:2 G5:2 E5:2 | F5:6 | C6:2 A5:2 F5:2 | D5:2 F5:2 A5:2 | G5:2 Bb5:2 D5:2 | E5:4 C5:2 |"
         "A5:2 C6:2 A5:2 | F5:2 D5:2 Bb4:2 | C5:2 E5:2 G5:2 | F5:6",
         2, Accordion, Clarinet, Piano, AcousticBass, Comp::Waltz, Drums::None},
        // Main menu: a warm, grand welcome.
        {"sound\\1.wav", 116, 4, "C F G C Am F G G",
         "G4:2 C5:2 E5:2 G5:2 | A5:3 G5:1 F5:2 A5:2 | G5:2 D5:2 B4:2 D5:2 | C5:6 r:2 |"
         "E5:2 A5:2 C6:2 A5:2 | F5:2 A5:2 C6:3 A5:1 | B5:2 G5:2 D5:2 F5:2 | D5:4 G4:4",
         2, Trumpet, Strings, SlowStrings, AcousticBass, Comp::Block, Drums::Soft},
        // Main menu, banker choice: a playful question.
        {"sound\\2.wav", 124, 4, "Bb Gm Cm F Bb Eb F Bb",
         "F5:1 r:1 D5:1 r:1 Bb4:2 D5:2 | G5:1 r:1 D5:1 r:1 Bb4:2 G4:2 | C5:2 Eb5:2 G5:2 Eb5:2 |"
         "F5:3 Eb5:1 D5:2 C5:2 | D5:1 F5:1 Bb5:2 A5:1 G5:1 F5:2 | G5:2 Eb5:2 Bb4:2 G5:2 |"
         "F5:2 C5:2 A4:2 C5:2 | Bb4:4 r:4",
         2, Clarinet, Flute, Pizzicato, AcousticBass, Comp::Offbeat, Drums::Soft},
        // Seat-count screen: calm, thinking it over.
        {"sound\\3.wav", 100, 4, "D A Bm G D A G A",
         "F#5:4 E5:2 D5:2 | E5:4 C#5:4 | D5:2 F#5:2 B5:2 A5:2 | G5:6 r:2 | F#5:2 A5:2 D6:2 A5:2 |"
         "C#6:2 B5:2 A5:2 E5:2 | B5:2 A5:2 G5:2 D5:2 | E5:6 r:2",
         2, Piano, Celesta, Harp, AcousticBass, Comp::Arpeggio, Drums::None},
        // Player selection: cheerful and bouncy.
        {"sound\\fun01.wav", 128, 4, "F Dm Bb C F Dm Gm C",
         "C5:1 F5:1 A5:1 F5:1 C6:2 A5:2 | D5:1 F5:1 A5:1 F5:1 D6:2 A5:2 |"
         "Bb5:2 A5:1 G5:1 F5:2 D5:2 | E5:2 G5:2 C6:4 | A5:1 C6:1 A5:1 F5:1 C5:2 F5:2 |"
         "A5:2 F5:2 D5:4 | G5:1 A5:1 Bb5:2 D6:2 Bb5:2 | A5:2 G5:2 E5:2 C5:2",
         2, Marimba, MusicBox, Piano, FingerBass, Comp::Offbeat, Drums::Pop},
        // Opponent selection: a rivalry theme.
        {"sound\\fun03.wav", 120, 4, "Dm Bb C A Dm Bb Gm A",
         "D5:3 D5:1 A5:4 | F5:3 E5:1 D5:2 Bb4:2 | C5:3 D5:1 E5:2 G5:2 | E5:2 C#5:2 A4:4 |"
         "D5:2 F5:2 A5:2 D6:2 | D6:3 C6:1 Bb5:2 F5:2 | G5:2 Bb5:2 D6:2 Bb5:2 | A5:4 C#5:4",
         2, SynthBrass, Brass, Strings, FingerBass, Comp::Block, Drums::March},
    };
    return tunes;
}

} // namespace artgen
