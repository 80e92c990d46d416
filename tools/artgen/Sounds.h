// Makes every sound: the tunes are composed as MIDI, rendered by fluidsynth two at a time in the
// background and cut into clean loops; the four short effects are synthesised directly.
#pragma once

#include "Output.h"

#include <string>
#include <sys/types.h>
#include <vector>

namespace artgen {

class SoundMaker {
public:
    SoundMaker(Output& out, std::string fluidsynth, std::string soundfont);
    void Start();  // writes the MIDI files and starts the first renders
    void Poll();   // collects finished renders and starts the next, without waiting
    void Finish(); // waits for every render, then makes the effects

private:
    struct Job {
        size_t tune;
        std::string midi, wav;
        double loopSeconds;
        pid_t pid = 0;
        bool done = false;
    };
    void Launch();
    void Collect(bool wait);
    void Loop(const Job& job);
    void Effects();

    Output& out_;
    std::string fluidsynth_, soundfont_, workDir_;
    std::vector<Job> jobs_;
    size_t next_ = 0;
    int running_ = 0;
};

} // namespace artgen
