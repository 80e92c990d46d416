// Every caption and short text drawn on the game's pictures.
#include "artwork/Captions.h"

namespace artwork {

const std::vector<ButtonCaption>& ButtonCaptions() {
    static const std::vector<ButtonCaption> captions = {
        {"picture\\gif\\an100.gif", "補牌", ButtonKind::Table},
        {"picture\\gif\\an101.gif", "不補牌", ButtonKind::Table},
        {"picture\\gif\\an102.gif", "分牌", ButtonKind::Table},
        {"picture\\gif\\an103.gif", "不分牌", ButtonKind::Table},
        {"picture\\gif\\an104.gif", "加押", ButtonKind::Table},
        {"picture\\gif\\an105.gif", "不加押", ButtonKind::Table},
        {"picture\\gif\\an106.gif", "續押", ButtonKind::Table},
        {"picture\\gif\\an107.gif", "發牌", ButtonKind::Table},
        {"picture\\gif\\an109.gif", "存儲", ButtonKind::Table},
        {"picture\\gif\\an110.gif", "退出", ButtonKind::Table},
        {"picture\\gif\\an111.gif", "確定", ButtonKind::Table},
        {"picture\\gif\\an112.gif", "莊家開牌", ButtonKind::Table},
        {"picture\\gif\\an113.gif", "取", ButtonKind::Chest}, // 取消: full words on its tip
        {"picture\\gif\\an114.gif", "變", ButtonKind::Chest}, // 變牌
        {"picture\\gif\\an115.gif", "眼", ButtonKind::Chest}, // 透視眼
        {"picture\\gif\\an116.gif", "重押", ButtonKind::Table},
        {"picture\\gif\\an117.gif", "過牌", ButtonKind::Table},
        {"picture\\gif\\an118.gif", "開局", ButtonKind::Table},
        {"picture\\gif\\an120.gif", "獎金表", ButtonKind::Table},
        {"picture\\gif\\Yxks00.gif", "遊戲開始", ButtonKind::Menu},
        {"picture\\gif\\Yxks01.gif", "讀取遊戲", ButtonKind::Menu},
        {"picture\\gif\\Yxks02.gif", "離開遊戲", ButtonKind::Menu},
        {"picture\\gif\\Wjzz10.gif", "挑戰莊家", ButtonKind::Banker},
        {"picture\\gif\\Wjzz11.gif", "玩家做莊", ButtonKind::Banker},
        {"picture\\gif-\\Cx1-00.gif", "重選人物", ButtonKind::Dialog},
        {"picture\\gif-\\Qd1-00.gif", "確定", ButtonKind::Dialog},
        {"picture\\gif-\\Fh1-00.gif", "返回", ButtonKind::Dialog},
        {"picture\\design\\back.gif", "返回", ButtonKind::Small},
        {"picture\\design\\help-back.gif", "返回", ButtonKind::Small},
        {"picture\\design\\help-prev.gif", "上一頁", ButtonKind::Small},
        {"picture\\design\\help-next.gif", "下一頁", ButtonKind::Small},
        {"picture\\design\\speed.gif", "牌速", ButtonKind::Small},
        {"picture\\design\\speed1.gif", "快", ButtonKind::Small},
        {"picture\\design\\speed2.gif", "中", ButtonKind::Small},
        {"picture\\design\\speed3.gif", "慢", ButtonKind::Small},
    };
    return captions;
}

const std::vector<ButtonCaption>& CaptionPlates() {
    static const std::vector<ButtonCaption> plates = {
        {"picture\\gif\\df1-10.gif", "一對一對戰", ButtonKind::Small},
        {"picture\\gif\\df1-24.gif", "多對一挑戰", ButtonKind::Small},
        {"picture\\gif\\df1-45.gif", "新手入堂", ButtonKind::Small},
        {"picture\\gif\\df1-55.gif", "玩法與技巧", ButtonKind::Small},
    };
    return plates;
}

const std::vector<Bubble>& SeatCountBubbles() {
    static const std::vector<Bubble> bubbles = {
        {"picture\\gif\\df1-20.gif", "一對一對戰",
         "和一位人物面對面單挑，誰先把對方的錢贏光，誰就是最後的贏家！"},
        {"picture\\gif\\df1-21.gif", "多對一挑戰",
         "三個座位同桌對抗一位莊家。連贏六局，就能進入單打模式挑戰莊家！"},
        {"picture\\gif\\df1-22.gif", "新手入堂",
         "第一次玩？牌點、一局的流程、特殊牌型和獎金，一頁一頁教給你。"},
        {"picture\\gif\\df1-23.gif", "玩法與技巧",
         "四種玩法、寶箱服務、剩餘牌數表、存檔讀檔，還有致勝小技巧。"},
    };
    return bubbles;
}

const std::vector<BonusRow>& BonusRows() {
    static const std::vector<BonusRow> rows = {
        {"1. 10、J、Q、K 配 A（不同花）", "1 倍"},   {"2. 同花 J 配 A（黑桃除外）", "3 倍"},
        {"3. 6、7、8（不論花色）", "3 倍"},          {"4. 五張牌不超過 21 點（過五關）", "2 倍"},
        {"5. 六張牌不超過 21 點（過六關）", "6 倍"}, {"6. 七張牌不超過 21 點（過七關）", "10 倍"},
        {"7. 黑桃 J 配黑桃 A（黑傑克）", "10 倍"},   {"8. 三張 7（三七開花）", "10 倍"},
    };
    return rows;
}

const char* BonusFooter() {
    return "莊家不論是電腦還是玩家，一律不得獎金。";
}

const std::vector<Tip>& TableTips() {
    static const std::vector<Tip> tips = {
        {"picture\\design\\tip1.gif", "透視眼", "偷看莊家的暗牌 20000元"},
        {"picture\\design\\tip2.gif", "變牌", "暗牌換成指定點數 40000元"},
        {"picture\\design\\tip3.gif", "取消", "收起寶箱，本輪不再使用"},
        {"picture\\design\\tip4.gif", "獎金表", "按住查看，放開就收起"},
    };
    return tips;
}

} // namespace artwork
