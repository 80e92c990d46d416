// The painters in a process of their own (the quorvel-painter program), started when a
// picture is first to be painted and ended after the frame it was painted for: the faces,
// glyph caches and working memory of painting never stay in the game, and a painter that
// fails takes only itself down (the files are then shown scaled). The game asks over a local
// socket for one picture at a time and reads back its pixels; an answer that is late, cut
// short or of another size ends the process and the painting for the rest of the run.
#pragma once

#include "gui/PicturePainter.h"

#include <filesystem>
#include <string>
#include <sys/types.h>

namespace quorvel {

class PainterProcess final : public PicturePainter {
public:
    // How long the painter may take to start or to paint one picture [ms]; a painter slower
    // than this is taken for hung.
    static constexpr int kAnswerMs = 20000;

    // `program` paints for painters of `identity`; `ready` says whether their faces are
    // installed.
    PainterProcess(std::filesystem::path program, std::string identity, bool ready,
                   int answerMs = kAnswerMs);
    ~PainterProcess() override;
    PainterProcess(const PainterProcess&) = delete;
    PainterProcess& operator=(const PainterProcess&) = delete;

    std::string_view Identity() const override { return identity_; }
    bool Ready() const override { return ready_ && !broken_; }
    std::optional<Picture> Paint(std::string_view designPath, int width, int height) override;
    // Ends the process; the next picture starts another.
    void Rest() override;

    // The painter program beside a game in `programFolder` (the build tree), or installed in
    // `installed`, relative to that folder; empty when there is none.
    static std::filesystem::path FindProgram(const std::filesystem::path& programFolder,
                                             const std::filesystem::path& installed);
    // The painter program's side: answers the requests coming on `socket` with `painter`
    // until the game closes it. Returns the program's exit status.
    static int Serve(int socket, PicturePainter& painter);

private:
    bool Start();
    // Ends the process: gently when `kill` is false (it leaves when the socket closes).
    void Stop(bool kill);
    // Gives up painting for this run, saying why on stderr.
    void Break(const std::string& why);

    std::filesystem::path program_;
    std::string identity_;
    bool ready_;
    int answerMs_;
    bool broken_ = false;
    int socket_ = -1;
    pid_t pid_ = -1;
};

} // namespace quorvel
