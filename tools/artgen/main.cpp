// quorvel-artgen: draws every picture and composes every sound of the game into the data folder
// named on the command line, then checks the folder against the asset catalogue; or, with
// --icons, draws the game's icons at the hicolor sizes into a folder of their own. With --scale
// the pictures are drawn that many times larger (the masters a build could ship instead of
// painting at the screen's size; bench/masters.sh measures them), and the catalogue's sizes
// are not checked.
//   quorvel-artgen [--fluidsynth PROGRAM] [--soundfont FILE] [--only pictures|sounds]
//                  [--scale FACTOR] DATA_DIR
//   quorvel-artgen --icons FOLDER --app-id ID
#include "Output.h"
#include "Sounds.h"
#include "artwork/DesktopPainter.h"
#include "artwork/Painters.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <unistd.h>

int main(int argc, char** argv) {
    // The quantiser runs its loops on OpenMP threads; one thread keeps its output the same on
    // every run. The variable is read when the library loads, so restart with it set.
    const char* threads = std::getenv("OMP_NUM_THREADS");
    if (!threads || std::strcmp(threads, "1") != 0) {
        setenv("OMP_NUM_THREADS", "1", 1);
        execv("/proc/self/exe", argv);
    }
    std::string fluidsynth = "fluidsynth";
    std::string soundfont = "/usr/share/sounds/sf2/TimGM6mb.sf2";
    std::string only, dataDir, icons, appId;
    double scale = 1.0;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if ((arg == "--icons" || arg == "--app-id") && i + 1 < argc) {
            (arg == "--icons" ? icons : appId) = argv[++i];
        } else if (arg == "--scale" && i + 1 < argc) {
            scale = std::atof(argv[++i]);
            if (!(scale >= 1.0 && scale <= 8.0)) {
                dataDir.clear();
                break;
            }
        } else if ((arg == "--fluidsynth" || arg == "--soundfont" || arg == "--only") &&
                   i + 1 < argc) {
            (arg == "--fluidsynth"  ? fluidsynth
             : arg == "--soundfont" ? soundfont
                                    : only) = argv[++i];
        } else if (!arg.empty() && arg[0] != '-') {
            dataDir = arg;
        } else {
            dataDir.clear();
            break;
        }
    }
    if (!icons.empty() && !appId.empty()) {
        const std::string problem = artwork::WriteIcons(icons, appId);
        if (!problem.empty())
            std::fprintf(stderr, "quorvel-artgen: %s\n", problem.c_str());
        return problem.empty() ? 0 : 1;
    }
    if (dataDir.empty()) {
        std::fprintf(stderr, "usage: quorvel-artgen [--fluidsynth PROGRAM] [--soundfont FILE] "
                             "[--only pictures|sounds] [--scale FACTOR] DATA_DIR\n"
                             "       quorvel-artgen --icons FOLDER --app-id ID\n");
        return 2;
    }
    const auto start = std::chrono::steady_clock::now();
    artgen::Output out(dataDir, scale);
    artgen::SoundMaker sounds(out, fluidsynth, soundfont);
    if (only != "pictures") {
        sounds.Start(); // the tunes render in the background while the pictures are drawn
    }
    if (only != "sounds") {
        for (const artwork::Painter paint : artwork::AllPainters()) {
            paint(out);
            sounds.Poll();
        }
        if (scale == 1.0) {
            out.WriteManifest();
        }
    }
    if (only != "pictures") {
        sounds.Finish();
    }
    int failures = 0;
    for (const std::string& problem : out.Problems()) {
        std::fprintf(stderr, "quorvel-artgen: %s\n", problem.c_str());
        ++failures;
    }
    if (only.empty()) {
        for (const std::string& missing : out.Missing()) {
            std::fprintf(stderr, "quorvel-artgen: not produced: %s\n", missing.c_str());
            ++failures;
        }
    }
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("quorvel-artgen: data written to %s in %.1f s\n", dataDir.c_str(), seconds);
    return failures ? 1 : 0;
}
