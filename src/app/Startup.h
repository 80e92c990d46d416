// What the game does before its window opens: finds its folders, locks the save folder against
// a second copy (which asks the first copy to raise its window and leaves), opens the log and
// clears the temporary files that killed writes left. None of it needs SDL, so tests run the
// start-up as main() does. Nothing here may block: a FIFO or a link where a file is expected
// is refused at once.
#pragma once

#include "app/LaunchOptions.h"
#include "system/InstanceLock.h"
#include "system/LogFile.h"
#include "system/UserFiles.h"

#include <filesystem>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

namespace quorvel {

struct Startup {
    enum class Next {
        Run,   // open the window and play
        Leave, // another copy raised its window: exit 0
        Fail,  // `failure` says why: exit 1
    };
    Next next = Next::Run;
    std::string failure;
    GameFolders folders;
    std::filesystem::path runtimeFolder;
    std::unique_ptr<InstanceLock> lock; // nullptr when this copy holds no lock
    std::unique_ptr<LogFile> log;       // never nullptr; not open when there is no log
    // Problems the player should see once the game runs (App::ReportError shows each once on
    // screen and on the terminal).
    std::vector<std::string> notices;
};

// How long a second copy waits for the first to say it raised its window [ms].
inline constexpr int kRaiseAnswerMs = 2000;

// The steps before the window, in order. `terminal` gets the lines meant only for a terminal.
Startup PrepareStartup(const LaunchOptions& options, const Environment& env,
                       const std::filesystem::path& workingFolder, std::ostream& terminal,
                       int raiseAnswerMs = kRaiseAnswerMs);

} // namespace quorvel
