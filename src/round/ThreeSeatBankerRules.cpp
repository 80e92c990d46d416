// The rules and every sentence of the three-seat table where the user is the banker.
#include "round/TableRules.h"
#include "round/WordingLines.h"

#include "cards/Shoe.h"

namespace quorvel {

namespace {
using wording::Line;
using wording::Table;

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

} // namespace

TableRules ThreeSeatBanker() {
    TableRules r;
    r.Mode = TableMode::ThreeSeatBanker;
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
    r.ClosingHidesServices = true;
    r.Wording = &kThreeSeatBankerWords;
    r.SeatWordings = kThreeSeatBankerSeats;
    return r;
}

} // namespace quorvel
