// The thirteen help pages: what they say (written from the game's rules) and how a page is
// laid out: a title bar, the text, a page number, and the bottom strip left free for the help
// screen's buttons.
#include "Painters.h"

#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

namespace artgen {
namespace {

struct HelpPage {
    const char* path;
    const char* title;
    std::vector<const char*> lines; // a line starting with "*" is a heading inside the page
};

const std::vector<HelpPage>& Pages() {
    static const std::vector<HelpPage> pages = {
        {"picture\\help\\help-01.gif",
         "認識 21 點",
         {"用四副牌共 208 張來玩。手上牌點加起來越接近 21 點越好，超過 21 "
          "點就是「被炸」，這手牌輸了。",
          "*牌點怎麼算", "A 可算 1 點或 11 點，看哪樣對你有利。",
          "2 到 9 照牌面算點數；10、J、Q、K 都算 10 點。", "兩張 A 算 12 點。", "*勝負",
          "點數或牌型比莊家大就贏，一樣大是和局，比莊家小就輸。莊家被炸時，沒被炸的玩家都贏。"}},
        {"picture\\help\\help-02.gif",
         "一局的流程",
         {"1. 下注：點籌碼下注，一局最多 20000；「重押」收回重下。",
          "2. 發牌：按「發牌」，莊家和你各拿一張暗牌、一張明牌。",
          "3. 你的回合：「補牌」再要一張，「不補牌」停手，也可以「加押」；按「莊家開牌」結束。",
          "4. 莊家開牌：不足 17 點一定要補牌，之後再看自己的打算。",
          "5. 結算：結算視窗列出這局的輸贏，點一下滑鼠左鍵就開始下一局。", "*多對一的三人桌",
          "按「開局」後大家依座位下注：輪到你時點籌碼，再按「確定」。發牌後輪流補牌，你停手就輪到"
          "下一家，最後莊家開牌。",
          "小提示：點一下自己的第一張牌（暗牌），可以偷看一秒鐘。"}},
        {"picture\\help\\help-03.gif",
         "特殊牌型與大小",
         {"特殊牌型比一般的 21 點還大，由大到小排列：", "三七開花：三張 7。",
          "黑傑克：黑桃 J 配黑桃 A。", "過七關：七張或更多牌不超過 21 點。",
          "過六關：六張牌不超過 21 點。", "過五關：五張牌不超過 21 點，不論點數多少。",
          "678：6、7、8 三張牌。", "同花 JA：同花色的 J 配 A（黑桃除外）。",
          "然後才是 21 點、20 點、19 點……依點數比大小。"}},
        {"picture\\help\\help-04.gif",
         "獎金與頭獎",
         {"拿到下列牌型，另外按押注發獎金（不論這手輸贏）：",
          "兩張牌 21 點（10、J、Q、K 配 A）：1 倍　　同花 JA：3 倍",
          "678：3 倍　　過五關：2 倍　　過六關：6 倍",
          "過七關：10 倍　　黑傑克：10 倍　　三七開花：10 倍",
          "莊家不論是電腦還是玩家，一律不得獎金。", "*頭獎",
          "押注剛好 80000 元，而且連贏到第六局以上（這一局也算），就中頭獎：押注的 10 倍！",
          "下注時按住牌桌上的「獎金表」就能查看，放開就收起。"}},
        {"picture\\help\\help-05.gif",
         "加押與分牌",
         {"*加押", "按「加押」押注加倍，之後一定要再補一張牌，而且只能補這一張。",
          "每局只能加押一次，錢不夠時不能加押。", "*分牌",
          "頭兩張牌完全相同（點數和花色都一樣）就能分牌：再押一份同樣的注，分成兩手，各補一張暗牌"
          "。",
          "一對一選「分牌」或「不分牌」，先打分家再打本家，按「莊家開牌」時兩手一起比。",
          "三人桌自動分牌，先打本家再打分家，打完就輪到下一家。", "正在打的那一手，牌下有金框。"}},
        {"picture\\help\\help-06.gif",
         "續押與連勝",
         {"押注 20000 以上而且贏了，下一局會出現「續押」：押注加倍再戰，最多到 80000。",
          "例如：押 20000 贏了，可續押 40000；再贏，可續押 80000；押 80000 贏了，還是 80000。",
          "和局或輸了，續押的機會就沒了。", "連贏越多局越好：押 80000 又連贏六局，就能拿到頭獎。",
          "*輸光了怎麼辦",
          "你的錢不夠下注時遊戲結束，回到主選單。對手輸光了，你就是最後的贏家：遊戲回到選人畫面，"
          "重新挑選人物和對手再戰。"}},
        {"picture\\help\\help-10.gif",
         "四種玩法",
         {"按「遊戲開始」，先選「挑戰莊家」或「玩家做莊」，再選自己的人物、人數和對手：",
          "挑戰莊家＋一對一：你和一位電腦莊家單挑。",
          "玩家做莊＋一對一：你當莊家，一位電腦人物來挑戰你。",
          "挑戰莊家＋多對一：你坐中間，和兩位電腦人物同桌對抗莊家。連贏六局就進入單打模式，和莊家一"
          "對一；輸一局或和局就回到三人桌。",
          "玩家做莊＋多對一：你當莊家，對付三位電腦人物。",
          "做莊時，一對一按「發牌」、多對一按「開局」開始一局。電腦人物自己下注、補牌，最後輪到你："
          "不足 17 點要「補牌」，夠了就按「不補牌」結算。"}},
        {"picture\\help\\help-11.gif",
         "寶箱服務",
         {"輪到你時，把滑鼠移到桌上的寶箱，寶箱打開就能使用服務：", "*透視眼（20000 元）",
          "偷看對手的暗牌兩秒鐘（做莊時看電腦人物的暗牌）。", "*變牌（40000 元）",
          "把自己的暗牌換成指定的點數：輸入 A、2 到 10、J、Q 或 K，再按「確定」。分牌後，按「本家換"
          "牌／分家換牌」切換要換的那一手。",
          "換了之後不能超過 21 點，牌靴裡也要還有這種牌；換不成功，費用也不退還。", "*取消",
          "收起服務，這一輪不再使用。"}},
        {"picture\\help\\help-12.gif",
         "剩餘牌數表",
         {"牌桌上的「剩餘牌數」表列出還沒看到的牌，每種牌開始時各有 4 張；每桌第一次發牌後才出現"
          "。",
          "四行由上到下是黑桃、紅心、梅花、方塊；十三欄是 A、2、3 …… 10、J、Q、K。",
          "每張牌翻開後，表上的數字就減一；暗牌要等翻開才算。",
          "牌不夠時會重新洗牌，表也回到全部 4 張。", "*怎麼用",
          "看看大牌還剩多少：10 點的牌剩很多時，補牌容易爆；小牌剩很多時，可以大膽補牌。"}},
        {"picture\\help\\help-13.gif",
         "存檔與讀檔",
         {"牌桌上的「存儲」把遊戲存起來，主選單的「讀取遊戲」把它接著玩。",
          "存下的是玩法、人物、每個人的資金和牌桌背景；這一局的牌不存，桌上的押注算回資金。單打模式"
          "中不能存檔。",
          "只有一個存檔，再存一次就蓋掉舊的。", "*其他按鈕",
          "「返回」：一局結束後回到主選單，所有牌桌的資金重新開始。", "「退出」：直接離開遊戲。",
          "「牌速」：選擇發牌和訊息停留的快慢，正在用的那一種會亮起。"}},
        {"picture\\help\\help-14.gif",
         "認識對手",
         {"阿鐵：押重注，暗牌常有花樣。　朵朵：會算牌，十七點收手。",
          "小帥哥：下注小，補牌大膽。　星月：錢多時十五點就停。",
          "美男子：手法最多，小心他的暗牌。　酷哥：補牌果斷。",
          "莎莉娃：從不動手腳，十三點就收手。",
          "小雨：下注輕，卻常換出好牌。　阿墨：老實不換牌，補到十八點。",
          "每個人物都有自己的下注、補牌和換牌習慣。認識他們，就知道什麼時候該小心。"}},
        {"picture\\help\\help-15.gif",
         "致勝技巧（一）",
         {"莊家不足 17 點一定要補牌。莊家明牌是 4、5、6 時比較容易爆，你可以早點停手。",
          "自己 11 點以下一定補牌，不會爆。",
          "12 到 16 點最難決定：看看剩餘牌數表，大牌多就停，小牌多就補。",
          "五張牌不爆就是過五關，比 21 點還大，還有 2 倍獎金：點數小的時候不妨多補幾張。",
          "兩張牌 10 點或 11 點時加押，最有機會。"}},
        {"picture\\help\\help-16.gif",
         "致勝技巧（二）",
         {"不要一開始就押滿，先觀察對手的習慣。",
          "連贏時用「續押」乘勝追擊；連勝六局再押 80000，就有機會中頭獎。",
          "透視眼和變牌很貴，留到關鍵的一手再用：例如 15、16 點不知道該不該補時。",
          "做莊時不拿獎金，但每一手都和你比；電腦人物的錢輸光，你就贏了。",
          "最後：適可而止，祝你好運！"}},
    };
    return pages;
}

void Page(Output& out, const HelpPage& page, int number, int count) {
    const int w = 600, h = 450;
    Surface s(w, h);
    cairo_t* cr = s.cr();
    VerticalGradient(cr, 0, h, Hex(0xfdf6e3), Hex(0xf1e2bf));
    cairo_paint(cr);
    Speckle(s, 4, 7 + number);
    cairo_rectangle(cr, 3, 3, w - 6, h - 6);
    SetColor(cr, Hex(0x8a5a1a));
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    // title bar
    RoundRect(cr, 16, 14, w - 32, 44, 8);
    VerticalGradient(cr, 14, 58, Hex(0x9a1a24), Hex(0x5e0a12));
    cairo_fill(cr);
    TextStyle title;
    title.family = "Noto Serif CJK TC";
    title.size = 26;
    title.color = Hex(0xffe08a);
    DrawTextCentred(cr, page.title, title, w / 2.0, 36);
    SuitPath(cr, Suit::Spade, 40, 36, 18);
    SuitPath(cr, Suit::Heart, w - 40, 36, 18);
    SetColor(cr, Hex(0xffe08a));
    cairo_fill(cr);
    // text
    TextStyle body;
    body.size = 17;
    body.bold = false;
    body.color = Hex(0x2a2018);
    body.lineSpacing = 1.15;
    TextStyle heading = body;
    heading.bold = true;
    heading.color = Hex(0x9a1a24);
    double y = 72;
    for (const char* line : page.lines) {
        if (line[0] == '*') {
            y += 4;
            y += DrawText(cr, line + 1, heading, 32, y, 536, Align::Left) + 2;
        } else {
            SetColor(cr, Hex(0xb8862a));
            cairo_arc(cr, 38, y + 12, 3, 0, 2 * M_PI);
            cairo_fill(cr);
            y += DrawText(cr, line, body, 48, y, 520, Align::Left, true) + 6;
        }
    }
    if (y > 400) {
        std::fprintf(stderr, "quorvel-artgen: help page %s runs into the button strip\n",
                     page.path);
    }
    // page number between the back button and the page buttons
    TextStyle pageNumber;
    pageNumber.size = 14;
    pageNumber.color = Hex(0x8a5a1a);
    DrawText(cr, "第 " + std::to_string(number) + " 頁／共 " + std::to_string(count) + " 頁",
             pageNumber, 150, 414, 200);
    out.Picture(page.path, s);
}

} // namespace

void PaintHelpPages(Output& out) {
    const auto& pages = Pages();
    for (size_t i = 0; i < pages.size(); ++i) {
        const bool firstSet = i < 6;
        Page(out, pages[i], firstSet ? int(i) + 1 : int(i) - 5, firstSet ? 6 : 7);
    }
}

} // namespace artgen
