// Line breaking with a fake font in which every character is 10 px wide (so widths are easy
// to count): Chinese text, punctuation kept off line starts, no character alone on a last
// line, Latin words, overlong words.
#include "gui/LineBreaker.h"

#include <gtest/gtest.h>

namespace quorvel {
namespace {

int CharWidth(std::string_view s) {
    int n = 0;
    for (unsigned char c : s)
        n += (c & 0xC0) != 0x80;
    return n * 10;
}

std::vector<std::string> Break(std::string_view text, int width) {
    return BreakLines(text, width, CharWidth);
}

using Lines = std::vector<std::string>;

TEST(LineBreaker, ChineseBreaksBetweenAnyTwoCharacters) {
    EXPECT_EQ(Break("你的錢不夠了請重新開始", 40), (Lines{"你的錢不", "夠了請重", "新開始"}));
    EXPECT_EQ(Break("你的錢", 200), (Lines{"你的錢"}));
}

TEST(LineBreaker, ClosingPunctuationNeverStartsALine) {
    // "，" would start the second line: the character before it comes down with it.
    EXPECT_EQ(Break("莊家贏了，請下注", 40), (Lines{"莊家贏", "了，請", "下注"}));
    for (std::string_view mark :
         {"。", "！", "？", "：", "、", "；", "）", "」", "』", "!", ",", "."}) {
        const std::string text = "一二三四" + std::string(mark) + "五六";
        const auto lines = Break(text, 40);
        for (const auto& line : lines)
            EXPECT_NE(line.rfind(mark, 0), 0u) << "line starts with " << mark << " in " << text;
        EXPECT_EQ(lines.front(), "一二三");
    }
    // An opening bracket stays with what follows it.
    EXPECT_EQ(Break("一二三「四五", 40), (Lines{"一二三", "「四五"}));
}

TEST(LineBreaker, AParagraphNeverEndsOnOneCharacterAlone) {
    // The character before comes down, with the punctuation glued to the last one.
    EXPECT_EQ(Break("一二三四五", 40), (Lines{"一二三", "四五"}));
    EXPECT_EQ(Break("五關可得獎金兩倍獎。", 40), (Lines{"五關可得", "獎金兩", "倍獎。"}));
    EXPECT_EQ(Break("就輸了。", 30), (Lines{"就", "輸了。"}));
    // Every paragraph on its own; a paragraph of one line may be one character.
    EXPECT_EQ(Break("一二三四五\n六", 40), (Lines{"一二三", "四五", "六"}));
    EXPECT_EQ(Break("一", 40), (Lines{"一"}));
    // Nothing moves when the pair would not fit or the line above would be left empty.
    EXPECT_EQ(Break("你贏了500000元", 60), (Lines{"你贏了", "500000", "元"}));
    EXPECT_EQ(Break("abcd e", 40), (Lines{"abcd", "e"}));
    // Whatever the width, no last line of a long paragraph is a single character.
    const std::string text = "莊家不足十七點必須補牌，超過二十一點就輸了。";
    for (int w = 30; w <= 200; w += 10) {
        const Lines lines = Break(text, w);
        for (const auto& line : lines)
            EXPECT_LE(CharWidth(line), w) << line;
        if (lines.size() > 1) {
            EXPECT_GT(CharWidth(lines.back()), 20) << "width " << w;
        }
    }
}

TEST(LineBreaker, LatinTextBreaksOnlyAtSpaces) {
    EXPECT_EQ(Break("deal the cards now", 100), (Lines{"deal the", "cards now"}));
    EXPECT_EQ(Break("bet 5000, then hit", 90), (Lines{"bet 5000,", "then hit"}));
    // Latin inside Chinese stays whole and may break on either side of it.
    EXPECT_EQ(Break("你贏了500000元", 60), (Lines{"你贏了", "500000", "元"}));
}

TEST(LineBreaker, AWordWiderThanTheBoxIsCutBetweenCharacters) {
    EXPECT_EQ(Break("abcdefghij xy", 40), (Lines{"abcd", "efgh", "ij", "xy"}));
    // Even a box narrower than one character makes progress, one character a line.
    EXPECT_EQ(Break("你好", 5), (Lines{"你", "好"}));
    for (const auto& line : Break("supercalifragilistic 一二三四五六七八九十", 60))
        EXPECT_LE(CharWidth(line), 60) << line;
}

TEST(LineBreaker, LineBreaksInTheTextAlwaysBreak) {
    EXPECT_EQ(Break("一\n二三", 100), (Lines{"一", "二三"}));
    EXPECT_EQ(Break("", 100), (Lines{""}));
}

} // namespace
} // namespace quorvel
