// The rules and every sentence of the three-seat table where the user, in the middle seat,
// and two computer characters challenge a computer banker; a long winning streak takes the
// user on to a one-on-one challenge of the banker.
#include "round/TableRules.h"
#include "round/WordingLines.h"

#include "cards/Shoe.h"

namespace quorvel {

namespace {
using wording::Line;
using wording::Table;

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
    {Say::StandOwesCard, "{user}加押後必須補一張牌！"},
    {Say::StandOwesCardMain, "{user}本家加押後必須補一張牌！"},
    {Say::StandOwesCardSplit, "{user}分家加押後必須補一張牌！"},
    {Say::NextHand, "{user}不補牌了，看分家補不補！"},
    {Say::NoMoneyToDouble, "資金不足，不能加押！"},
    {Say::PassTurn, "請{seat}說話！"},
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
    {Say::ChallengeStarts, "歡迎{user}進入單打模式！"},
    {Say::ChallengeOver, "退出單打模式！"},
    {Say::NewRound, "新一局開始！"},
};
constexpr WordingTable kThreeSeatChallengeWords = Table(kThreeSeatChallengeLines);
// Seat 3's turn is introduced; seat 1's split push has no "！".
constexpr SeatWording kThreeSeatChallengeSeats[] = {
    {3, Say::SeatTurn, "接下來看一看{seat}的手氣如何！"},
    {1, Say::PushSplitHand, "{seat}對{banker}為：和局"},
};

constexpr int kChallengeAtStreak = 6; // wins in a row that take the user to the challenge

} // namespace

TableRules ThreeSeatChallenge() {
    TableRules r;
    r.Mode = TableMode::ThreeSeatChallenge;
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
    r.SplitMainCardFirst = true;
    r.UserOpensBanker = false;
    r.ClosingHidesServices = true;
    r.SmallSplitWinKeepsOffer = true;
    r.SettleSplitFirst = false;
    r.JackpotOnMainHand = false;
    r.OutcomesSplitFirst = true;
    r.ChallengeStreak = kChallengeAtStreak;
    r.Wording = &kThreeSeatChallengeWords;
    r.SeatWordings = kThreeSeatChallengeSeats;
    return r;
}

} // namespace quorvel
