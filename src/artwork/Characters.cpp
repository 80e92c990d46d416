// The nine characters in roster order. Their play styles follow how each one bets, draws and
// handles the cards at the table.
#include "artwork/Characters.h"

namespace artwork {

const std::vector<Character>& Characters() {
    static const std::vector<Character> characters = {
        {"阿鐵", "鐵腕豪賭客",
         "出手豪爽，最愛押兩萬元的重注。資金吃緊時會悄悄對暗牌動手腳，湊出 A 配 J 或三張 7。", 5, 3,
         3, 0xd9a27a, 0x1a1a1a, 0x3a2a1a, 0x56687a, 0x1a1a1a, 0x2c3a55, 0x3a2416, 0x44607a,
         Hair::Crew, Extra::Stubble, Lower::Trousers, false, 1.28},
        {"朵朵", "甜美算牌少女",
         "押注不大不小，笑容天真，其實很會算牌；十七點以上很少再補，手氣一來也會變出好牌。", 3, 4,
         2, 0xffe0cc, 0x7a3e22, 0x5a3320, 0xff6f9f, 0xffffff, 0xff6f9f, 0xd0304a, 0xf48fb1,
         Hair::Buns, Extra::Ribbons, Lower::Dress, true, 0.9},
        {"小帥哥", "陽光新手",
         "下注小心翼翼，偶爾才對暗牌動點小手腳；補牌倒是大膽，常常衝到二十點。", 2, 2, 4, 0xffd9bf,
         0x6a3a1a, 0x4a2a10, 0x2f7de1, 0xffffff, 0xc8b48a, 0xf0f0f0, 0x64b5f6, Hair::Spiky,
         Extra::None, Lower::Trousers, false, 1.05},
        {"星月", "夜空占星師", "下注輕巧，資金充足時十五點以上就不再補牌；偶爾借星光換來一張好牌。",
         2, 2, 1, 0xfde3d0, 0x1c2240, 0x30284a, 0x6a3fb5, 0xf2c94c, 0x4a2a8a, 0x2a1a4a, 0x7e57c2,
         Hair::Long, Extra::StarPin, Lower::LongDress, true, 0.9},
        {"美男子", "千面魔術師",
         "押注中等，手法最多：同花 JA、678、三七開花樣樣都變得出來，他的暗牌最要小心！", 3, 5, 3,
         0xffe4cf, 0xe8d38a, 0x2a5a8a, 0xf4f1ea, 0xc62828, 0xe8e4da, 0x5a3a2a, 0xc62828, Hair::Tied,
         Extra::Rose, Lower::Trousers, false, 1.1},
        {"酷哥", "冷面高手",
         "押注中等，補牌果斷，常常一張牌就湊成二十一點；墨鏡後面看不出他的心思。", 3, 4, 4,
         0xe8b890, 0x111111, 0x222222, 0x242424, 0xd32f2f, 0x1a1a1a, 0x101010, 0x424242,
         Hair::Quiff, Extra::Sunglasses, Lower::Trousers, false, 1.15},
        {"莎莉娃", "謹慎的淑女", "下注謹慎，從不對牌動手腳；錢一多，十三點就停手，穩穩地守住本錢。",
         2, 1, 1, 0xffe6d6, 0xc8401a, 0x2e7d32, 0x2e9a5e, 0xf2c94c, 0x2e9a5e, 0x7a4a2a, 0x66bb6a,
         Hair::Curly, Extra::Earrings, Lower::Dress, true, 0.92},
        {"小雨", "雨天的小魔女",
         "下注很輕，看似乖巧，卻最常暗中換牌，A 配 J、678 和三張 7 都難不倒她。", 2, 5, 2, 0xffe2d0,
         0x263a48, 0x2a4a6a, 0xf5c518, 0x1e88e5, 0x1e88e5, 0xf5c518, 0x4fc3f7, Hair::Bob,
         Extra::DropClip, Lower::Dress, true, 0.88},
        {"阿墨", "老派書生", "下注很輕，一生光明磊落，從不換牌；喜歡補到十八點以上才罷手。", 2, 1,
         3, 0xf0cfae, 0xc8c8c8, 0x3a2a1a, 0x1f2f4f, 0xf4f1ea, 0x1f2f4f, 0x2a2a2a, 0x5c6b8a,
         Hair::Sage, Extra::Beard, Lower::Robe, false, 1.0},
    };
    return characters;
}

} // namespace artwork
