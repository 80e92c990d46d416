// The rules and every sentence of the one-on-one table where the user is the banker.
#include "round/TableRules.h"
#include "round/WordingLines.h"

#include "cards/Shoe.h"

namespace quorvel {

namespace {
using wording::Line;
using wording::Table;

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

} // namespace

TableRules OneSeatBanker() {
    TableRules r;
    r.Mode = TableMode::OneSeatBanker;
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
    r.ClosingHidesServices = true;
    r.TurnSeatMainHandFirst = true;
    r.Wording = &kOneSeatBankerWords;
    r.Bonus = &BankerTableWording();
    return r;
}

} // namespace quorvel
