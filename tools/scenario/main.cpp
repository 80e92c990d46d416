// quorvel-scenario FILE...: runs scenario scripts against the game's screens, headless, and
// prints their transcripts. Exit 0 when every expect held, 1 when one failed, 2 on a script
// error; with several files, the worst of them.
#include "ScenarioRunner.h"

#include <algorithm>
#include <iostream>

int main(int argc, char** argv) {
    if (argc < 2) {
        std::cerr << "usage: quorvel-scenario FILE...\n";
        return quorvel::scenario::kScriptError;
    }
    int worst = quorvel::scenario::kPassed;
    for (int i = 1; i < argc; ++i)
        worst = std::max(worst, quorvel::scenario::RunScenarioFile(argv[i], std::cout, std::cerr));
    return worst;
}
