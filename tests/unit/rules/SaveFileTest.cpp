// The save file: the record byte for byte against a golden file, Big5 texts and their limits,
// the slots each mode keeps, safe writing, every kind of bad save rejected unchanged, and
// special files or links planted under the save's names.
//
// tests/data/saves/golden-mode1.sav was written by hand from the record layout, not by this
// code, with Python's own cp950 codec:
//   def text(s): b = s.encode('cp950'); return bytes([len(b)]) + b + bytes(80 - len(b))
//   rec = text('阿鐵') + text('小雨') + bytes(81) * 2
//   rec += struct.pack('<iiii', 480000, 320000, 0, 0)
//   rec += text('picture\\gif\\rt01.gif') + bytes(81) * 3
//   rec += struct.pack('<i', 1) + text('picture\\gif\\ydy03.gif')   # 749 bytes
#include "players/SaveFile.h"
#include "TestFolder.h"
#include "players/Big5Text.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <fstream>
#include <future>
#include <iterator>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace quorvel {
namespace {

namespace fs = std::filesystem;

std::vector<std::uint8_t> ReadAll(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteAll(const fs::path& file, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

class SaveFileTest : public ::testing::Test {
protected:
    void SetUp() override { file = dir / kSaveFileName; }

    static SaveContents ModeOne() {
        SaveContents c;
        c.Mode = 1;
        c.Names = {"阿鐵", "小雨", "", ""};
        c.Money = {480000, 300000 + 20000, 0, 0}; // the player's money plus the stake
        c.Pictures = {"picture\\gif\\rt01.gif", "", "", ""};
        c.Background = "picture\\gif\\ydy03.gif";
        return c;
    }
    std::vector<std::uint8_t> Golden() const {
        return ReadAll(fs::path(QUORVEL_TEST_DIR) / "data/saves/golden-mode1.sav");
    }

    testing::TestFolder folder{"quorvel-save"};
    const fs::path& dir = folder.Path();
    fs::path file;
};

TEST_F(SaveFileTest, ModeOneRecordMatchesTheGoldenFileAndLoadsBack) {
    SaveBuffer buffer;
    ASSERT_EQ(buffer.Save(ModeOne(), file), "");
    const auto golden = Golden();
    ASSERT_EQ(golden.size(), kSaveRecordSize);
    EXPECT_EQ(ReadAll(file), golden);
    EXPECT_FALSE(fs::exists(dir / "mysave.sav.tmp"));

    SaveBuffer other;
    const LoadResult loaded = other.Load(file);
    ASSERT_TRUE(loaded.Ok()) << loaded.Error;
    EXPECT_EQ(loaded.Contents->Mode, 1);
    EXPECT_EQ(loaded.Contents->Names[0], "阿鐵");
    EXPECT_EQ(loaded.Contents->Names[1], "小雨");
    EXPECT_EQ(loaded.Contents->Money[1], 320000);
    EXPECT_EQ(loaded.Contents->Pictures[0], "picture\\gif\\rt01.gif");
    EXPECT_EQ(loaded.Contents->Background, "picture\\gif\\ydy03.gif");
    EXPECT_TRUE(std::equal(golden.begin(), golden.end(), other.Bytes().begin()));
}

TEST_F(SaveFileTest, EightyByteNameSurvivesAndLongerTextsAreCutOnACharacter) {
    std::string eighty;
    for (int i = 0; i < 40; ++i)
        eighty += "鐵";
    ASSERT_EQ(Utf8ToBig5(eighty, 80).size(), 80u);
    SaveContents c = ModeOne();
    c.Names[1] = eighty;
    c.Names[0] = "A" + eighty; // 81 bytes in Big5: the last character does not fit
    SaveBuffer buffer;
    ASSERT_EQ(buffer.Save(c, file), "");
    const LoadResult loaded = SaveBuffer().Load(file);
    ASSERT_TRUE(loaded.Ok()) << loaded.Error;
    EXPECT_EQ(loaded.Contents->Names[1], eighty);
    EXPECT_EQ(loaded.Contents->Names[0], "A" + eighty.substr(0, eighty.size() - 3));
    EXPECT_EQ(buffer.Bytes()[0], 79);
}

TEST(Big5Text, UnencodableAndBrokenTextBecomesQuestionMarks) {
    EXPECT_EQ(Utf8ToBig5("a😀b", 80), "a?b");
    EXPECT_EQ(Utf8ToBig5("x\xff\xfe", 80), "x??");
    EXPECT_EQ(Utf8ToBig5("\xe9\x90", 80), "??"); // a cut UTF-8 sequence
    EXPECT_EQ(*Big5ToUtf8(Utf8ToBig5("小帥哥", 80)), "小帥哥");
    EXPECT_FALSE(Big5ToUtf8("\xff\xff"));
    EXPECT_FALSE(Big5ToUtf8("\xa4")); // half a character
    EXPECT_FALSE(Big5ToUtf8(std::string("a\0b", 3)));
}

TEST_F(SaveFileTest, SlotsAModeDoesNotWriteKeepTheBuffer) {
    SaveBuffer buffer;
    SaveContents three;
    three.Mode = 3;
    three.Names = {"阿鐵", "美男子", "本家", "小帥哥"};
    three.Money = {1, 2, 3, 4};
    three.Pictures = {"picture\\gif\\ch_1101.gif", "picture\\gif\\ch_1141.gif",
                      "picture\\gif\\ch_1181.gif", "picture\\gif\\ch_1121.gif"};
    three.Background = "picture\\gif\\zm002.gif";
    ASSERT_TRUE(buffer.Fill(three));
    EXPECT_EQ(buffer.Bytes()[saveoffset::kPicture + 81 * 2], 0); // picture 3 not written
    SaveContents four = three;
    four.Mode = 4;
    four.Pictures = {"", "picture\\gif\\ch_1111.gif", "picture\\gif\\ch_1131.gif",
                     "picture\\gif\\ch_1151.gif"};
    four.Background = "picture\\gif\\ddy005.gif";
    ASSERT_EQ(buffer.Save(four, file), "");
    const LoadResult loaded = SaveBuffer().Load(file);
    ASSERT_TRUE(loaded.Ok()) << loaded.Error;
    EXPECT_EQ(loaded.Contents->Pictures[0], ""); // ignored by mode 4
    const auto bytes = ReadAll(file);
    const std::string kept(bytes.begin() + saveoffset::kPicture + 1,
                           bytes.begin() + saveoffset::kPicture + 1 + bytes[saveoffset::kPicture]);
    EXPECT_EQ(kept, "picture\\gif\\ch_1101.gif"); // picture 1 as mode 3 left it
    EXPECT_EQ(loaded.Contents->Money[3], 4);
    EXPECT_FALSE(buffer.Fill(SaveContents{}));
}

TEST_F(SaveFileTest, SavingTwiceKeepsTheSecondAndAFailedSaveKeepsTheFirst) {
    SaveBuffer buffer;
    SaveContents c = ModeOne();
    ASSERT_EQ(buffer.Save(c, file), "");
    c.Money[1] = 777;
    ASSERT_EQ(buffer.Save(c, file), "");
    EXPECT_EQ(SaveBuffer().Load(file).Contents->Money[1], 777);
    const auto before = ReadAll(file);
    // Writing the new file fails half-way (a file size limit): the save fails loudly, the old
    // one stays whole and no temporary file is left behind.
    rlimit old{};
    ::getrlimit(RLIMIT_FSIZE, &old);
    const auto oldSignal = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = old;
    small.rlim_cur = 100;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    c.Money[1] = 5;
    const std::string error = buffer.Save(c, file);
    ::setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldSignal);
    EXPECT_EQ(error, "存檔失敗：無法寫入存檔");
    EXPECT_EQ(ReadAll(file), before);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);
    EXPECT_EQ(buffer.Save(c, dir / "missing-folder" / kSaveFileName),
              "存檔失敗：找不到存檔的資料夾");
}

// Whatever sits under the save's names, loading neither hangs nor reads it, and saving never
// writes through it.
TEST_F(SaveFileTest, AFifoUnderTheSaveNameIsRefusedWithoutWaiting) {
    ASSERT_EQ(::mkfifo(file.c_str(), 0644), 0);
    auto loading = std::async(std::launch::async, [&] { return SaveBuffer().Load(file); });
    if (loading.wait_for(std::chrono::seconds(10)) != std::future_status::ready) {
        // Release the blocked reader so the test can report instead of hanging.
        const int writer = ::open(file.c_str(), O_WRONLY | O_NONBLOCK);
        if (writer >= 0)
            ::close(writer);
        FAIL() << "loading a FIFO blocked";
    }
    EXPECT_EQ(loading.get().Error, "讀檔失敗：存檔不是一般的檔案");
}

TEST_F(SaveFileTest, AFolderUnderTheSaveNameIsNamedAsSuch) {
    fs::create_directory(file);
    EXPECT_EQ(SaveBuffer().Load(file).Error, "讀檔失敗：存檔的位置是一個資料夾");
    EXPECT_EQ(SaveBuffer().Save(ModeOne(), file), "存檔失敗：存檔的位置是一個資料夾");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);
}

TEST_F(SaveFileTest, PlantedLinksAndLeftOverTemporaryFilesAreNeverUsed) {
    const fs::path victim = dir / "victim.txt";
    std::ofstream(victim) << "keep me";
    fs::create_symlink(victim, dir / "mysave.sav.tmp");
    // A left-over temporary file holding a whole record is not a save.
    WriteAll(dir / "mysave.sav.XXXXXX", Golden());
    EXPECT_EQ(SaveBuffer().Load(file).Error, "讀檔失敗：找不到存檔");

    ASSERT_EQ(SaveBuffer().Save(ModeOne(), file), "");
    std::ifstream in(victim);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "keep me");
    EXPECT_TRUE(fs::is_symlink(dir / "mysave.sav.tmp"));
    EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(file)));
    EXPECT_EQ(fs::status(file).permissions() & fs::perms::others_read, fs::perms::others_read);
    EXPECT_TRUE(SaveBuffer().Load(file).Ok());
}

TEST_F(SaveFileTest, BadSavesAreRejectedAndChangeNothing) {
    const auto golden = Golden();
    struct Bad {
        const char* what;
        std::size_t offset;
        std::vector<std::uint8_t> bytes;
        const char* error;
    };
    auto text = [](const std::string& s) {
        std::vector<std::uint8_t> out(s.size() + 1);
        out[0] = static_cast<std::uint8_t>(s.size());
        std::copy(s.begin(), s.end(), out.begin() + 1);
        return out;
    };
    const Bad bads[] = {
        {"mode 0", saveoffset::kMode, {0, 0, 0, 0}, "存檔已損壞：遊戲模式不正確"},
        {"mode 5", saveoffset::kMode, {5, 0, 0, 0}, "存檔已損壞：遊戲模式不正確"},
        {"mode -1", saveoffset::kMode, {0xff, 0xff, 0xff, 0xff}, "存檔已損壞：遊戲模式不正確"},
        {"length", 81, {81}, "存檔已損壞：名字2長度不正確"},
        {"big5", 1, {0xff, 0xff}, "存檔已損壞：名字1的文字編碼不正確"},
        {"outside path", saveoffset::kPicture, text("..\\..\\etc\\passwd"),
         "存檔已損壞：圖片1不是遊戲的圖片"},
        {"no such portrait", saveoffset::kPicture, text("picture\\gif\\rt10.gif"),
         "存檔已損壞：圖片1不是遊戲的圖片"},
        {"slashes", saveoffset::kPicture, text("picture/gif/rt01.gif"),
         "存檔已損壞：圖片1不是遊戲的圖片"},
        {"background", saveoffset::kBackground, text("picture\\gif\\ydy06.gif"),
         "存檔已損壞：背景圖片不是遊戲的圖片"},
        {"background length", saveoffset::kBackground, {200}, "存檔已損壞：背景圖片長度不正確"},
    };
    SaveBuffer buffer;
    ASSERT_EQ(buffer.Save(ModeOne(), file), "");
    const auto held = buffer.Bytes();
    for (const Bad& bad : bads) {
        auto bytes = golden;
        std::copy(bad.bytes.begin(), bad.bytes.end(), bytes.begin() + bad.offset);
        WriteAll(file, bytes);
        const LoadResult result = buffer.Load(file);
        EXPECT_FALSE(result.Ok()) << bad.what;
        EXPECT_EQ(result.Error, bad.error) << bad.what;
        EXPECT_TRUE(buffer.Bytes() == held) << bad.what;
    }
    WriteAll(file, std::vector<std::uint8_t>(golden.begin(), golden.end() - 1));
    EXPECT_EQ(buffer.Load(file).Error, "存檔已損壞：檔案太短");
    fs::remove(file);
    EXPECT_EQ(buffer.Load(file).Error, "讀檔失敗：找不到存檔");
    EXPECT_TRUE(buffer.Bytes() == held);
    // A slot the mode does not use may hold anything.
    auto unused = golden;
    unused[162] = 250;
    EXPECT_TRUE(DecodeSaveRecord(unused.data(), unused.size()).Ok());
}

TEST_F(SaveFileTest, LongerFileReadsTheFirstRecordAndPathsIgnoreCase) {
    auto bytes = Golden();
    bytes.insert(bytes.end(), 100, 0xee);
    WriteAll(file, bytes);
    EXPECT_TRUE(SaveBuffer().Load(file).Ok());
    EXPECT_TRUE(IsGamePortrait("PICTURE\\GIF\\RT09.GIF"));
    EXPECT_TRUE(IsGamePortrait("picture\\gif\\Ch_1181.gif"));
    EXPECT_FALSE(IsGamePortrait("picture\\gif\\ch_1191.gif"));
    EXPECT_FALSE(IsGamePortrait("picture\\gif\\rt00.gif"));
    EXPECT_FALSE(IsGamePortrait(""));
    EXPECT_TRUE(IsGameBackground("picture\\gif\\DDY001.gif"));
    EXPECT_TRUE(IsGameBackground("picture\\gif\\zm005.gif"));
    EXPECT_FALSE(IsGameBackground("picture\\gif\\zm000.gif"));
    EXPECT_FALSE(IsGameBackground("picture\\gif\\rt01.gif"));
}

} // namespace
} // namespace quorvel
