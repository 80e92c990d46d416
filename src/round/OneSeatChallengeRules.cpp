// The rules and every sentence of the one-on-one table where the user challenges the banker.
#include "round/TableRules.h"
#include "round/WordingLines.h"

#include "cards/Shoe.h"

namespace quorvel {

namespace {
using wording::Line;
using wording::Table;

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
    {Say::ChallengeStarts, "進入單打模式！"},
    {Say::ChallengeOver, "{user}未能繼續贏，必須退出單打模式！"},
};
constexpr WordingTable kOneSeatChallengeWords = Table(kOneSeatChallengeLines);

} // namespace

TableRules OneSeatChallenge() {
    TableRules r;
    r.Mode = TableMode::OneSeatChallenge;
    r.Wording = &kOneSeatChallengeWords;
    r.StreakAddedAtOutcomes = true;
    return r;
}

} // namespace quorvel
