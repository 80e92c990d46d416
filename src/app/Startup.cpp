// The start-up steps before the window: folders, the lock, the log, left-over files.
#include "app/Startup.h"

#include "players/SaveFile.h"
#include "system/LeftoverFiles.h"

#include <chrono>

namespace quorvel {

namespace {
// A temporary file of the save or the settings this old, and not being written, was left by
// a write that was killed [s].
constexpr std::chrono::seconds kLeftoverAge{60};
} // namespace

Startup PrepareStartup(const LaunchOptions& options, const Environment& env,
                       const std::filesystem::path& workingFolder, std::ostream& terminal,
                       int raiseAnswerMs) {
    Startup start;
    start.log = std::make_unique<LogFile>();
    start.folders = ResolveGameFolders(options, FindUserFolders(env), workingFolder);
    const std::filesystem::path& save = start.folders.saveFolder;
    if (save.empty()) {
        start.next = Startup::Next::Fail;
        start.failure = "找不到存檔的資料夾 (no home folder for the saved game)";
        return start;
    }
    if (options.desktop)
        if (const std::string error = MakeFolder(save); !error.empty()) {
            start.next = Startup::Next::Fail;
            start.failure = "無法建立存檔的資料夾 (cannot make the save folder: " + error + ")";
            return start;
        }

    // One copy per save folder: a second one raises the first and leaves the save alone.
    start.runtimeFolder = FindRuntimeFolder(env);
    InstanceLock::Outcome outcome = InstanceLock::Outcome::Failed;
    std::string lockError;
    start.lock = InstanceLock::Acquire(save, start.runtimeFolder, outcome, lockError);
    if (outcome == InstanceLock::Outcome::Held) {
        if (AskRunningCopyToRaise(save, start.runtimeFolder, raiseAnswerMs)) {
            terminal << "quorvel: already running with the save folder " << save.string()
                     << "; its window was brought to the front\n";
            start.next = Startup::Next::Leave;
            return start;
        }
        // The copy that holds the folder does not answer (it hangs, or its window never came
        // up): waiting for it would leave the player with no game at all.
        start.notices.push_back(
            "遊戲已經在執行中但沒有回應，仍開啟這一個；兩者共用同一個存檔 (Quorvel is already "
            "running with the save folder " +
            save.string() + " but does not answer; this copy starts too)");
    } else if (outcome == InstanceLock::Outcome::Failed) {
        terminal << "quorvel: the save folder cannot be locked against a second copy ("
                 << lockError << ")\n";
    }

    // After the lock, so a second copy that only raises the first never touches the log.
    if (!start.folders.logFile.empty())
        if (const std::string error = start.log->Open(start.folders.logFile); !error.empty())
            start.notices.push_back("無法寫入記錄檔，繼續遊戲 (no log: " + error + ")");

    RemoveLeftoverTemporaries(save / kSaveFileName, kLeftoverAge);
    if (!start.folders.settingsFile.empty())
        RemoveLeftoverTemporaries(start.folders.settingsFile, kLeftoverAge);
    return start;
}

} // namespace quorvel
