// The painters in their own process: the painter program paints the same pixels each time,
// ends when the game rests it and starts again when needed; a program that is not the
// painter, is of another build, hangs or dies ends the painting for the run without taking the
// game down or holding it up. (The painters never run in the tests' own process: there they
// would share fontconfig with the text renderer, which finishes it after finding its faces.)
#include "gui/PainterProcess.h"
#include "TestFolder.h"
#include "artwork/AtSizePainter.h"

#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <set>
#include <sys/stat.h>

namespace quorvel {
namespace {

std::filesystem::path Script(const testing::TestFolder& folder, const std::string& body) {
    const auto file = folder / "painter.sh";
    std::ofstream(file) << "#!/bin/sh\n" << body << "\n";
    std::filesystem::permissions(file, std::filesystem::perms::owner_all);
    return file;
}

TEST(PainterProcess, PaintsTheSamePicturesEachTimeAndStartsAgainAfterResting) {
    PainterProcess process(QUORVEL_PAINTER_PROGRAM, std::string(artwork::ArtworkIdentity()), true);
    if (!process.Paint("picture\\bk.jpg", 66, 90) && !process.Ready())
        GTEST_SKIP() << "the painters' typefaces are not installed";
    std::optional<Picture> first;
    for (int round = 0; round < 2; ++round) {
        auto button = process.Paint("picture\\gif\\an100.gif", 346, 86);
        ASSERT_TRUE(button);
        EXPECT_EQ(button->width, 346);
        EXPECT_EQ(button->height, 86);
        if (first) {
            EXPECT_EQ(button->pixels, first->pixels);
        }
        first = std::move(button);
        process.Rest();
    }
    // A plate with its caption, its gloss and its soft edge: many colours, not a blank.
    std::set<std::uint32_t> colours(first->pixels.begin(), first->pixels.end());
    EXPECT_GT(colours.size(), 200u);
    EXPECT_FALSE(process.Paint("picture\\no such picture.gif", 10, 10));
    EXPECT_FALSE(process.Paint("picture\\gif\\an100.gif", 0, 10));
    EXPECT_TRUE(process.Ready()) << "a picture the painters do not know is no failure";
}

TEST(PainterProcess, EndsThePaintingForTheRunWhenThePainterFails) {
    testing::TestFolder folder;
    const auto start = std::chrono::steady_clock::now();
    // Not the painter program; of another build; hung; gone after its hello.
    PainterProcess notAPainter("/bin/true", "x", true, 300);
    PainterProcess otherBuild(QUORVEL_PAINTER_PROGRAM, "another build", true, 5000);
    PainterProcess hung(Script(folder, "exec sleep 20"), "x", true, 300);
    EXPECT_FALSE(notAPainter.Paint("picture\\bk.jpg", 66, 90));
    EXPECT_FALSE(otherBuild.Paint("picture\\bk.jpg", 66, 90));
    EXPECT_FALSE(hung.Paint("picture\\bk.jpg", 66, 90));
    for (const PainterProcess* p : {&notAPainter, &otherBuild, &hung})
        EXPECT_FALSE(p->Ready());
    testing::TestFolder other;
    PainterProcess gone(Script(other, R"(printf 'QVPAINT1\001\000\000\000x\001' >&0)"), "x", true,
                        2000);
    EXPECT_FALSE(gone.Paint("picture\\bk.jpg", 66, 90));
    EXPECT_FALSE(gone.Ready());
    EXPECT_FALSE(gone.Paint("picture\\bk.jpg", 66, 90)) << "and asks no more";
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(8));
}

TEST(PainterProcess, IsFoundBesideTheGameOrWhereItIsInstalled) {
    testing::TestFolder folder;
    std::filesystem::create_directories(folder / "bin");
    std::filesystem::create_directories(folder / "libexec/quorvel");
    EXPECT_TRUE(PainterProcess::FindProgram(folder / "bin", "../libexec/quorvel").empty());
    Script(folder, "");
    std::filesystem::rename(folder / "painter.sh", folder / "libexec/quorvel/quorvel-painter");
    EXPECT_EQ(PainterProcess::FindProgram(folder / "bin", "../libexec/quorvel"),
              folder / "bin/../libexec/quorvel/quorvel-painter");
}

} // namespace
} // namespace quorvel
