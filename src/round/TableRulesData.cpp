// The four tables' rules and words. Differences in wording between the tables are kept exactly
// as each table says them ("元" and "圓", "過5關" and "過5 關", "很抱歉！" and "很抱歉，").
#include "round/TableRules.h"

#include "cards/Shoe.h"

#include <stdexcept>

namespace quorvel {

namespace {

// Builds a wording table from (id, template) pairs.
struct Line {
    Say Id;
    const char* Text;
};
template <std::size_t N> constexpr WordingTable Table(const Line (&lines)[N]) {
    WordingTable table{};
    for (const Line& line : lines)
        table[static_cast<std::size_t>(line.Id)] = line.Text;
    return table;
}

// ---- 1: one seat, the user challenges the banker ----
constexpr Line kOneSeatChallengeLines[] = {
    {Say::PleaseBet, "請{seat}下注！"},
    {Say::BetPlaced, "{user}已下注{amount}圓"},
    {Say::ChipCap, "已是最大籌碼，不能再加了！"},
    {Say::BetAgain, "請重新下注！"},
    {Say::Shuffle, "洗牌！"},
    {Say::NoMoneyToSplit, "資金不足，不能分牌！"},
    {Say::Splits, "{seat}分牌！"},
    {Say::MainOneCardOnly, "{user}本家隻能補一張牌！"},
    {Say::SplitOneCardOnly, "{user}分家隻能補一張牌！"},
    {Say::Busted, "炸得粉身碎骨！"},
    {Say::SplitBustedNextHand, "不幸運，被炸。輪到{user}分家補牌了！"},
    {Say::StandOwesCard, "{user}加押後必須補最後一張牌！"},
    {Say::StandOwesCardMain, "{user}本家加押後必須補最後一張牌！"},
    {Say::StandOwesCardSplit, "{user}分家加押後必須補最後一張牌！"},
    {Say::OpenOwesCard, "{user}加押後必須補一張牌！"},
    {Say::OpenOwesCardMain, "{user}本家加押後必須補一張牌！"},
    {Say::OpenOwesCardSplit, "{user}分家加押後必須補一張牌！"},
    {Say::NextHand, "不補牌了，看下一手牌如何！"},
    {Say::NoMoneyToDouble, "資金不足，不能加押！"},
    {Say::BankerOpens, "請{banker}開牌！"},
    {Say::BankerOpensAtBust, "請{banker}開牌"},
    {Say::ServiceRefused, "很抱歉！你的資金不足，請下次使用該功能！"},
    {Say::LookFee, "收取服務費兩萬元！"},
    {Say::SwapFee, "收取服務費四萬元！"},
    {Say::SwapDone, "換牌成功！"},
    {Say::SwapFailed, "換牌不成功！"},
    {Say::BankerMustDraw, "{banker}不足17點，必須補牌！"},
    {Say::BankerBust, "{banker}不幸被炸！"},
    {Say::SettleStart, "結算本局籌碼！"},
    {Say::Push, "{banker}對{seat}為：和局！"},
    {Say::PushMainHand, "{banker}對{seat}本手牌為：和局！"},
    {Say::PushSplitHand, "{banker}對{seat}的分家為：和局！"},
    {Say::BankerBroke, "{banker}已經輸得精光！"},
    {Say::BankerOwes, "{banker}欠{seat}{amount}"},
    {Say::Repays, "{banker}還{creditor}{amount}元"},
    {Say::RepaysPart, "{banker}先還{creditor}{amount}元"},
    {Say::CannotRepay, "{banker}已經沒有錢可以還了！"},
    {Say::UserBroke, "{user}的錢不夠了！"},
    {Say::ComeBackRicher, "下次多帶點錢來玩吧！"},
    {Say::BankerOut, "{banker}的錢不夠了！"},
    {Say::BankerOutCheer, "祝賀{user}成為最後的贏家！"},
    {Say::ChooseAgain, "請另選對手！"},
    {Say::ToSelection, "進入選人界面！"},
    {Say::ChallengeOver, "{user}未能繼續贏，必須退出單打模式！"},
};
constexpr WordingTable kOneSeatChallengeWords = Table(kOneSeatChallengeLines);

// ---- 2: one seat, the user banks ----
constexpr Line kOneSeatBankerLines[] = {
    {Say::PleaseBet, "請{seat}下注！"},
    {Say::SeatBets, "{seat}壓{amount}圓"},
    {Say::SeatBetsOnTable, "{seat}壓{amount}元"},
    {Say::PleaseDeal, "請{user}發牌！"},
    {Say::Shuffle, "洗牌！"},
    {Say::Splits, "{seat}分牌！"},
    {Say::SeatTurn, "{seat}正在想要不要補牌？"},
    {Say::SeatSplitHandTurn, "現在看一看{seat}的分家手氣如何！"},
    {Say::SeatBust, "這局讓你贏！"},
    {Say::SeatSplitBust, "這局讓你贏！"},
    {Say::SeatBustReply, "少來，贏是要靠本領的！"},
    {Say::AfterSeats, "現在輪到{user}補牌了！"},
    {Say::AfterSeatsSplit, "現在輪到{user}開牌了！"},
    {Say::ServiceRefused, "很抱歉，你的資金不足，請下次使用該功能！"},
    {Say::LookFee, "收取服務費兩萬元！"},
    {Say::SwapFee, "收取服務費四萬元！"},
    {Say::SwapDone, "換牌成功！"},
    {Say::SwapFailed, "換牌不成功！"},
    {Say::UserBankerMustDraw, "{user}點數不足17，必須補牌！"},
    {Say::UserBankerBust, "{user}不幸運，被炸掉了！"},
    {Say::SettleNow, "請結算這局牌的籌碼！"},
    {Say::Push, "{banker}對{seat}為：和局！"},
    {Say::PushMainHand, "{banker}對{seat}的本家為：和局！"},
    {Say::PushSplitHand, "{seat}對{banker}為：和局！"},
    {Say::BankerBroke, "{banker}已經輸得精光！"},
    {Say::BankerOwes, "{banker}欠{seat}{amount}"},
    {Say::Repays, "{banker}還{creditor}{amount}元"},
    {Say::RepaysPart, "{banker}先還{creditor}{amount}元"},
    {Say::CannotRepay, "{banker}已經沒有錢可以還了！"},
    {Say::UserBroke, "{user}的錢不夠了！"},
    {Say::ComeBackRicher, "下次多帶點錢來玩吧！"},
    {Say::SeatOut, "{seat}的錢不夠了！"},
    {Say::SeatOutCheer, "祝賀{user}成為最後的贏家！"},
    {Say::ChooseAgain, "請另選對手！"},
    {Say::ToSelection, "進入選人界面！"},
};
constexpr WordingTable kOneSeatBankerWords = Table(kOneSeatBankerLines);

// ---- 3: three seats, the user in the middle seat challenges the banker ----
constexpr Line kThreeSeatChallengeLines[] = {
    {Say::TableReady, "大家都準備好了，請開局吧！"},
    {Say::AskSeatsToBet, "請各位玩家下注！"},
    {Say::SeatBets, "{seat}押{amount}元！"},
    {Say::BetPlaced, "{user}已下注{amount}元"},
    {Say::ChipCap, "已是最大籌碼，不能再加了！"},
    {Say::BetAgain, "請重新下注！"},
    {Say::AllBet, "我已經下注完畢，請下一家下注吧！"},
    {Say::StartDealing, "開始發牌！"},
    {Say::Shuffle, "洗牌！"},
    {Say::NoMoneyToSplit, "資金不足，不能分牌！"},
    {Say::Splits, "{seat}分牌！"},
    {Say::WhoDraws, "各位玩家，誰還想補牌？"},
    {Say::UserSeatTurn, "請{user}說話！"},
    {Say::SeatSplitHandTurn, "再看一看{seat}分家手氣如何！"},
    {Say::SeatBust, "真不幸運！{seat}被炸掉了！"},
    {Say::SeatSplitBust, "真不幸運！{seat}分家被炸掉了！"},
    {Say::AfterSeats, "請{banker}開牌！"},
    {Say::AfterSeatsSplit, "請{banker}開牌！"},
    {Say::Busted, "炸得粉身碎骨！"},
    {Say::SplitBustedNextHand, "不幸運，被炸。輪到分家補牌了！"},
    {Say::NoMoneyToDouble, "資金不足，不能加押！"},
    {Say::ServiceRefused, "很抱歉，你的資金不足，請下次便用該功能！"},
    {Say::LookFee, "收取服務費兩萬元！"},
    {Say::SwapFee, "收取服務費四萬元！"},
    {Say::SwapDone, "換牌成功！"},
    {Say::SwapFailed, "換牌不成功！"},
    {Say::BankerMustDraw, "{banker}不足17點必須補牌！"},
    {Say::BankerBust, "{banker}不幸運，被炸掉了！"},
    {Say::SeatsOpen, "請各玩家開牌！"},
    {Say::RoundOver, "本局結束，結算注額！"},
    {Say::SettleStart, "請各玩家開牌！"},
    {Say::Push, "{banker}對{seat}為：和局！"},
    {Say::PushMainHand, "{banker}對{seat}本家為：和局！"},
    {Say::PushSplitHand, "{seat}分家對{banker}為：和局！"},
    {Say::BankerBroke, "{banker}已經輸得精光！"},
    {Say::BankerOwes, "{banker}欠{seat}{amount}"},
    {Say::Repays, "{banker}還{creditor}{amount}元"},
    {Say::RepaysPart, "{banker}先還{creditor}{amount}元"},
    {Say::CannotRepay, "{banker}已經沒有錢可以還了！"},
    {Say::UserBroke, "{user}的錢不夠了！"},
    {Say::ComeBackRicher, "下次多帶點錢來玩吧！"},
    {Say::BankerOut, "{banker}的錢不夠了！"},
    {Say::BankerOutCheer, "祝賀各位成為最後的贏家！"},
    {Say::SeatOut, "{seat}輸成這個樣子，沒臉再玩下去！"},
    {Say::SeatOutReplace, "請另找人替代{seat}"},
    {Say::ChooseAgain, "請另選對手！"},
    {Say::ToSelection, "進入選人界面！"},
    {Say::NewRound, "新一局開始！"},
};
constexpr WordingTable kThreeSeatChallengeWords = Table(kThreeSeatChallengeLines);
constexpr SeatWording kThreeSeatChallengeSeats[] = {
    {3, Say::SeatTurn, "接下來看一看{seat}的手氣如何！"},
    {1, Say::PushSplitHand, "{seat}對{banker}為：和局"},
};

// ---- 4: three seats, the user banks ----
constexpr Line kThreeSeatBankerLines[] = {
    {Say::TableReady, "大家都準備好了，請開局吧！"},
    {Say::RoundOpens, "開局"},
    {Say::AskSeatsToBet, "請各位玩家下注！"},
    {Say::SeatBets, "{seat}壓{amount}元！"},
    {Say::Shuffle, "洗牌！"},
    {Say::Splits, "{seat}分牌！"},
    {Say::WhoDraws, "各位玩家，誰還想補牌？"},
    {Say::SeatTurn, "接下來{seat}說話！"},
    {Say::SeatSplitHandTurn, "再看一看{seat}分家運氣如何！"},
    {Say::SeatBust, "真不幸運！{seat}被炸掉了！"},
    {Say::SeatSplitBust, "真不幸運！{seat}分家被炸掉了！"},
    {Say::AfterSeats, "現在請{user}補牌！"},
    {Say::AfterSeatsSplit, "現在請{user}補牌！"},
    {Say::ServiceRefused, "很抱歉，你的資金不足，請下次使用該功能！"},
    {Say::LookFee, "收取服務費兩萬元！"},
    {Say::SwapFee, "收取服務費四萬元！"},
    {Say::SwapDone, "換牌成功！"},
    {Say::SwapFailed, "換牌不成功！"},
    {Say::UserBankerMustDraw, "{user}點數不足17，必須補牌！"},
    {Say::UserBankerBust, "{user}不幸運，被炸掉了！"},
    {Say::SettleNow, "請結算這局牌的籌碼！"},
    {Say::UserBankerStands, "{user}不補牌了，請各位玩家開牌，結算籌碼！"},
    {Say::Push, "{banker}對{seat}為：和局！"},
    {Say::PushMainHand, "{banker}對{seat}本家為：和局！"},
    {Say::PushSplitHand, "{seat}分家對{banker}為：和局！"},
    {Say::BankerBroke, "{banker}已經輸得精光！"},
    {Say::BankerOwes, "{banker}欠{seat}{amount}"},
    {Say::Repays, "{banker}還{creditor}{amount}元"},
    {Say::RepaysPart, "{banker}先還{creditor}{amount}元"},
    {Say::CannotRepay, "{banker}已經沒有錢可以還了！"},
    {Say::UserBroke, "{user}的錢不夠了！"},
    {Say::ComeBackRicher, "下次多帶點錢來玩吧！"},
    {Say::SeatOut, "{seat}輸成這個樣子，沒臉再玩下去！"},
    {Say::SeatOutReplace, "請另找人替代{seat}"},
    {Say::ChooseAgain, "請另選對手！"},
    {Say::ToSelection, "進入選人界面！"},
    {Say::NewRound, "新一局開始！"},
};
constexpr WordingTable kThreeSeatBankerWords = Table(kThreeSeatBankerLines);
constexpr SeatWording kThreeSeatBankerSeats[] = {
    {1, Say::SeatTurn, "請{seat}說話！"},
    {1, Say::SeatOut, "{seat}的錢不夠了！"},
    {1, Say::SeatOutCheer, "祝賀各位成為最後的贏家！"},
};

TableRules OneSeatChallenge() {
    TableRules r;
    r.Mode = 1;
    r.Wording = &kOneSeatChallengeWords;
    r.StreakAddedAtOutcomes = true;
    return r;
}

TableRules OneSeatBanker() {
    TableRules r;
    r.Mode = 2;
    r.UserSeat = 0;
    r.ShoeLimit = 57;
    r.FirstRound = 0;
    r.PrepareAtNextRound = false;
    r.UserBrokeBelow = 1001;
    r.SeatBrokeBelow = 1001;
    r.UserChoosesSplit = false;
    r.SettleSplitFirst = false;
    r.JackpotOnMainHand = false;
    r.StreakOfSplitHand = true;
    r.Wording = &kOneSeatBankerWords;
    r.Bonus = &BankerTableWording();
    return r;
}

TableRules ThreeSeatChallenge() {
    TableRules r;
    r.Mode = 3;
    r.Seats = 3;
    r.UserSeat = 2;
    r.ShoeLimit = kThreeSeatShoeLimit;
    r.FirstRound = 0;
    r.PrepareAtNextRound = false;
    r.BetsBeforeDeal = false;
    r.BankerBeatenBelow = 3001;
    r.Drawing = BankerDrawing::FirstAnswerRules;
    r.UserPlaysSplitFirst = false;
    r.UserChoosesSplit = false;
    r.SettleSplitFirst = false;
    r.JackpotOnMainHand = false;
    r.OutcomesSplitFirst = true;
    r.SeatSettlePauseMs = 1000;
    r.Wording = &kThreeSeatChallengeWords;
    r.SeatWordings = kThreeSeatChallengeSeats;
    return r;
}

TableRules ThreeSeatBanker() {
    TableRules r;
    r.Mode = 4;
    r.Seats = 3;
    r.UserSeat = 0;
    r.ShoeLimit = kThreeSeatShoeLimit;
    r.FirstRound = 0;
    r.PrepareAtNextRound = false;
    r.BetsBeforeDeal = false;
    r.UserBrokeBelow = 3001;
    r.UserChoosesSplit = false;
    r.SettleSplitFirst = false;
    r.JackpotOnMainHand = false;
    r.OutcomesSplitFirst = true;
    r.Wording = &kThreeSeatBankerWords;
    r.SeatWordings = kThreeSeatBankerSeats;
    return r;
}

const TableRules kRules[4] = {OneSeatChallenge(), OneSeatBanker(), ThreeSeatChallenge(),
                              ThreeSeatBanker()};

} // namespace

const TableRules& RulesOfMode(int mode) {
    if (mode < 1 || mode > 4)
        throw std::out_of_range("no table of mode " + std::to_string(mode));
    return kRules[mode - 1];
}

} // namespace quorvel
