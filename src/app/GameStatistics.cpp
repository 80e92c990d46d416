// The statistics the game keeps: the store read at start-up, each settled round counted and
// written, the reset after the screen has asked, and the screen itself; and each game's rounds
// kept as scripts that play them again.
#include "app/Game.h"

#include "frontend/StatisticsScreen.h"
#include "frontend/Tmainform.h"
#include "gui/App.h"
#include "system/UserFiles.h"
#include "ui/SaveFirstDialog.h"

#include <cstring>

namespace quorvel {

namespace {
// The store's notice, with the step and reason of a failed write for the log.
std::string WriteProblem(const StatisticsStore& store, const std::string& notice) {
    const auto& failure = store.LastFailure();
    if (!failure)
        return notice;
    return notice + " (" + FileStepName(failure->Step) + ": " + std::strerror(failure->Error) + ")";
}
} // namespace

void Game::KeepStatistics(std::filesystem::path file, FileFaultHook hook) {
    statistics_ = std::make_unique<StatisticsStore>(std::move(file), std::move(hook));
    if (!statistics_->LoadNotice().empty())
        app_.ReportError(statistics_->LoadNotice() + " (" + statistics_->Damage() + ")");
    mainform_->OfferStatistics();
}

const Statistics* Game::KeptStatistics() const {
    return statistics_ ? &statistics_->Current() : nullptr;
}

void Game::RoundSettled(const RoundRecord& round) {
    if (!statistics_)
        return;
    if (const std::string problem = statistics_->Record(round); !problem.empty())
        app_.ReportError(WriteProblem(*statistics_, problem));
}

void Game::ShowCharacterEdges(const std::filesystem::path& file) {
    std::string error;
    characterEdges_ = ReadCharacterEdges(file, error);
    if (!characterEdges_)
        app_.ReportError(file.filename().string() + ": " + error);
}

void Game::RecordRounds(std::filesystem::path folder, RoundRecorder::GameName name) {
    // A folder that cannot be made shows as the first round's failure.
    MakeFolder(folder);
    rounds_ = std::make_unique<RoundRecorder>(std::move(folder), std::move(name));
}

void Game::RoundPlayed(const RoundLog& log) {
    if (rounds_)
        if (const std::string problem = rounds_->Record(log); !problem.empty())
            app_.ReportError(problem);
    if (onRoundPlayed)
        onRoundPlayed(log);
}

void Game::ResetStatistics() {
    if (!statistics_)
        return;
    if (const std::string problem = statistics_->Reset(); !problem.empty())
        app_.ReportError(WriteProblem(*statistics_, problem));
}

void Game::OpenStatistics() {
    // Not over the question before leaving, and not twice.
    if (!statistics_ || saveFirst_->Asking() || statisticsScreen_->Visible())
        return;
    statisticsScreen_->Open();
}

} // namespace quorvel
