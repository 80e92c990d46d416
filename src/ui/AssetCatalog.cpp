// The table of every picture and sound file, built once from the file families: card faces,
// table buttons, front-end pictures, characters, backgrounds, help pages, designed pictures and
// sounds. Sizes are those the screens lay the pictures out for.
#include "ui/AssetCatalog.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

namespace quorvel {
namespace {

std::string Num(const char* format, int n) {
    char text[32];
    std::snprintf(text, sizeof text, format, n);
    return text;
}

class Builder {
public:
    std::vector<AssetEntry> entries;

    void Picture(std::string path, int w, int h, std::string role) {
        entries.push_back(
            {std::move(path), AssetKind::Picture, w, h, AssetLook::Plain, "", std::move(role)});
    }
    // A button pair: `resting` and `lit` are full design paths.
    void Pair(std::string resting, std::string lit, int w, int h, const std::string& role) {
        entries.push_back(
            {resting, AssetKind::Picture, w, h, AssetLook::Resting, lit, role + " (resting)"});
        entries.push_back(
            {lit, AssetKind::Picture, w, h, AssetLook::Highlighted, resting, role + " (lit)"});
    }
    void Sound(std::string path, std::string role) {
        entries.push_back(
            {std::move(path), AssetKind::Sound, 0, 0, AssetLook::Plain, "", std::move(role)});
    }
};

// Table buttons: number, caption, size. The three chest services are icons in a row across the
// chest, each a target of 32 px.
struct TableButton {
    int number;
    const char* caption;
    int width, height; // [px]
};
constexpr TableButton kTableButtons[] = {
    {100, "hit", 96, 24},
    {101, "stand", 96, 24},
    {102, "split", 96, 24},
    {103, "no split", 96, 24},
    {104, "double", 96, 24},
    {105, "no double", 96, 24},
    {106, "raised bet", 96, 24},
    {107, "deal", 96, 24},
    {109, "save", 96, 24},
    {110, "quit", 96, 24},
    {111, "confirm bet", 96, 24},
    {112, "banker opens", 96, 24},
    {113, "chest: cancel services", 32, 32},
    {114, "chest: card swap", 32, 32},
    {115, "chest: peek", 32, 32},
    {116, "bet again", 96, 24},
    {117, "pass", 96, 24},
    {118, "start of round", 96, 24},
    {120, "bonus table", 96, 24},
};

// Full-length figure sizes on the opponent selection screen, characters 1..9.
constexpr int kFigureSize[9][2] = {{117, 217}, {111, 212}, {125, 219}, {122, 228}, {111, 246},
                                   {90, 237},  {99, 201},  {129, 205}, {116, 198}};

void AddCards(Builder& b) {
    const char* suits[] = {"Club", "Diamond", "Heart", "Spade"};
    const char* ranks[] = {"A",  "02", "03", "04", "05", "06", "07",
                           "08", "09", "10", "J",  "Q",  "K"};
    for (const char* suit : suits) {
        for (const char* rank : ranks) {
            b.Picture(std::string("picture\\") + suit + rank + ".jpg", 66, 90,
                      std::string("card face ") + rank + " of " + suit);
        }
    }
    b.Picture("picture\\bk.jpg", 66, 90, "card back");
}

void AddTable(Builder& b) {
    for (const TableButton& t : kTableButtons) {
        std::string stem = "picture\\gif\\an" + std::to_string(t.number);
        b.Pair(stem + ".gif", stem + "-.gif", t.width, t.height,
               std::string("table button ") + t.caption);
    }
    const char* chips[] = {"1000", "5000", "10000"};
    for (int i = 1; i <= 3; ++i) {
        std::string stem = "picture\\gif\\money" + std::to_string(i);
        b.Pair(stem + ".gif", stem + "-.gif", 42, 42, std::string("chip ") + chips[i - 1]);
    }
    b.Picture("picture\\gif\\bw001.gif", 90, 40, "treasure chest, closed");
    b.Picture("picture\\gif\\bw100.gif", 90, 40, "treasure chest, open (hovered)");
    for (int i = 1; i <= 5; ++i) {
        b.Picture(Num("picture\\gif\\ydy%02d.gif", i), 800, 600, "one-seat table background");
    }
    for (int i = 1; i <= 5; ++i) {
        b.Picture(Num("picture\\gif\\zm%03d.gif", i), 800, 600,
                  "three-seat table background, user challenges");
    }
    for (int i = 1; i <= 5; ++i) {
        b.Picture(Num("picture\\gif\\ddy%03d.gif", i), 800, 600,
                  "three-seat table background, user banks");
    }
}

void AddFrontEnd(Builder& b) {
    b.Pair("picture\\gif-\\Cx1-00.gif", "picture\\gif-\\Cx1-01.gif", 179, 62,
           "choose again 重選人物");
    b.Pair("picture\\gif-\\Qd1-00.gif", "picture\\gif-\\Qd1-01.gif", 98, 56, "OK 確定");
    b.Pair("picture\\gif-\\Fh1-00.gif", "picture\\gif-\\Fh1-01.gif", 75, 32, "back 返回");
    const char* start[] = {"start game 遊戲開始", "load game 讀取遊戲", "leave 離開遊戲"};
    for (int i = 0; i < 3; ++i) {
        std::string stem = Num("picture\\gif\\Yxks%02d", i);
        b.Pair(stem + ".gif", stem + "-.gif", 243, 54, std::string("main menu ") + start[i]);
    }
    b.Pair("picture\\gif\\Wjzz10.gif", "picture\\gif\\Wjzz10-.gif", 137, 47, "main menu 挑戰莊家");
    b.Pair("picture\\gif\\Wjzz11.gif", "picture\\gif\\Wjzz11-.gif", 137, 47, "main menu 玩家做莊");
    // Seat-count choices: the "-" form is the resting one on that screen.
    const int choice[] = {1, 2, 4, 5};
    const char* choiceRole[] = {"one-on-one", "many-against-one", "help set 1", "help set 2"};
    for (int i = 0; i < 4; ++i) {
        std::string stem = "picture\\gif\\df1-" + std::to_string(choice[i]);
        int size = choice[i] <= 2 ? 100 : 105;
        b.Pair(stem + "-.gif", stem + ".gif", size, size,
               std::string("seat-count choice ") + choiceRole[i]);
    }
    b.Picture("picture\\gif\\df1-10.gif", 128, 34, "seat-count caption plate 一對一對戰");
    b.Picture("picture\\gif\\df1-24.gif", 128, 34, "seat-count caption plate 多對一挑戰");
    b.Picture("picture\\gif\\df1-45.gif", 128, 34, "seat-count caption plate 新手入堂");
    b.Picture("picture\\gif\\df1-55.gif", 128, 34, "seat-count caption plate 玩法與技巧");
    for (int i = 20; i <= 23; ++i) {
        b.Picture("picture\\gif\\df1-" + std::to_string(i) + ".gif", 267, 238,
                  "seat-count description bubble of choice " + std::to_string(i - 19));
    }
    b.Picture("picture\\gif\\1ren.gif", 424, 95, "opponent banner 請選擇一位人物對戰");
    b.Picture("picture\\gif\\3ren.gif", 424, 95, "opponent banner 請選擇三位人物對戰");
    b.Picture("picture\\home100.gif", 800, 600, "main menu background, first look");
    b.Picture("picture\\jpg\\home100.bmp", 800, 600, "main menu background, first look (BMP)");
    b.Picture("picture\\jpg\\Wjzz100.bmp", 800, 600, "main menu background, banker choice");
    b.Picture("picture\\gif\\xz100.gif", 800, 600, "seat-count background: heading and ring");
    b.Picture("picture\\gif\\21logo.gif", 207, 83, "game logo, main menu");
    b.Picture("picture\\gif\\logo-.gif", 120, 48, "small game logo, tables");
}

void AddCharacters(Builder& b) {
    for (int n = 1; n <= 9; ++n) {
        std::string who = "character " + std::to_string(n);
        b.Picture(Num("picture\\gif\\js-%03d.gif", n), 570, 468, who + " profile");
    }
    for (int n = 1; n <= 9; ++n) {
        std::string stem = Num("picture\\gif\\xm-%03d", 9 + n);
        b.Pair(stem + "-.gif", stem + ".gif", 165, 47,
               "character " + std::to_string(n) + " name plate");
    }
    for (int n = 1; n <= 9; ++n) {
        std::string stem = Num("picture\\gif\\a-%03d", n);
        b.Pair(stem + "-.gif", stem + ".gif", kFigureSize[n - 1][0], kFigureSize[n - 1][1],
               "character " + std::to_string(n) + " full-length figure");
    }
    for (int n = 1; n <= 9; ++n) {
        b.Picture(Num("picture\\gif\\rt%02d.gif", n), 150, 170,
                  "character " + std::to_string(n) + " portrait, one-seat tables");
    }
    for (int n = 1; n <= 9; ++n) {
        b.Picture(Num("picture\\gif\\ch_11%d1.gif", n - 1), 110, 120,
                  "character " + std::to_string(n) + " portrait, three-seat tables");
    }
}

void AddHelp(Builder& b) {
    for (int i = 1; i <= 6; ++i) {
        b.Picture(Num("picture\\help\\help-%02d.gif", i), 600, 450, "help page, set 1");
    }
    for (int i = 10; i <= 16; ++i) {
        b.Picture(Num("picture\\help\\help-%02d.gif", i), 600, 450, "help page, set 2");
    }
}

void AddDesigned(Builder& b) {
    const std::string d = "picture\\design\\";
    b.Picture(d + "bonus.gif", 400, 320, "bonus table 21點獎金表, shown while its button is held");
    b.Picture(d + "unseen.gif", 194, 107,
              "unseen-card panel 剩餘牌數; counts go at the count origin (see header)");
    b.Picture(d + "result.gif", 347, 255, "result dialog: faint 結算 and corner arrows");
    b.Picture(d + "banner.gif", 290, 56, "table banner behind the message label");
    b.Picture(d + "speed.gif", 40, 28, "table card-speed button 牌速");
    // Each speed choice, and the same marked as the speed in use.
    b.Pair(d + "speed1.gif", d + "speed1-on.gif", 36, 28, "card speed fast 快 (100)");
    b.Pair(d + "speed2.gif", d + "speed2-on.gif", 36, 28, "card speed middle 中 (60)");
    b.Pair(d + "speed3.gif", d + "speed3-on.gif", 36, 28, "card speed slow 慢 (45)");
    b.Picture(d + "tip1.gif", 170, 40, "chest tip: peek 透視眼 20000");
    b.Picture(d + "tip2.gif", 170, 40, "chest tip: card swap 變牌 40000");
    b.Picture(d + "tip3.gif", 170, 40, "chest tip: cancel 取消");
    b.Picture(d + "tip4.gif", 170, 40, "bonus-table button tip: 按住查看");
    b.Picture(d + "swap.gif", 150, 52, "card-swap panel of the one-on-one and banker tables");
    b.Picture(d + "swap1.gif", 192, 34, "card-swap panel in one row, one-on-one challenge table");
    b.Picture(d + "swap3.gif", 180, 58, "card-swap panel of the three-seat table, toggle inside");
    b.Pair(d + "swapok.gif", d + "swapok-.gif", 64, 22, "swap panel OK button plate");
    b.Pair(d + "swaptarget.gif", d + "swaptarget-.gif", 168, 24, "swap target toggle plate");
    b.Picture(d + "banker.gif", 40, 40, "banker marker 莊");
    b.Picture(d + "coin.gif", 40, 24, "money marker beside the money labels");
    b.Picture(d + "back.gif", 75, 32, "table back button 返回");
    b.Picture(d + "help-back.gif", 75, 32, "help screen back button 返回");
    b.Picture(d + "help-prev.gif", 56, 30, "help screen previous page 上一頁");
    b.Picture(d + "help-next.gif", 56, 30, "help screen next page 下一頁");
    b.Picture(d + "select1.gif", 800, 600, "player selection background");
    b.Picture(d + "select2.gif", 800, 600, "opponent selection background");
    const char* corner[] = {"top left", "bottom left", "top right", "bottom right"};
    for (int i = 1; i <= 4; ++i) {
        b.Picture(d + "corner" + std::to_string(i) + ".gif", 116, 95,
                  std::string("seat-count corner ornament, ") + corner[i - 1]);
    }
    b.Picture(d + "arrow1.gif", 51, 59, "main menu down arrow above 挑戰莊家");
    b.Picture(d + "arrow2.gif", 48, 57, "main menu down arrow above 玩家做莊");
}

// Pictures of what the desktop game adds around its own screens.
void AddDesktop(Builder& b) {
    const std::string d = "picture\\design\\";
    b.Picture(d + "ask.gif", 380, 190, "save-first question: navy panel in a gold frame");
    b.Picture(d + "settings.gif", 440, 406, "settings window: navy panel, gold frame and rule");
    b.Pair(d + "settings-button.gif", d + "settings-button-.gif", 96, 34,
           "main menu settings button 設定");
    b.Picture(d + "stats.gif", 720, 560, "statistics screen: navy panel, gold frame and rules");
    b.Pair(d + "stats-button.gif", d + "stats-button-.gif", 96, 34,
           "main menu statistics button 統計");
}

void AddSounds(Builder& b) {
    for (int i = 1; i <= 6; ++i) {
        b.Sound("sound\\main" + std::to_string(i) + ".wav", "table music, looping");
    }
    b.Sound("sound\\1.wav", "main menu tune, looping");
    b.Sound("sound\\2.wav", "main menu banker-choice tune, looping");
    b.Sound("sound\\3.wav", "seat-count tune, looping");
    b.Sound("sound\\fun01.wav", "player selection tune, looping");
    b.Sound("sound\\fun03.wav", "opponent selection tune, looping");
    b.Sound("sound\\button.wav", "table button press");
    b.Sound("sound\\card.wav", "card dealt");
    b.Sound("sound\\enter_2.wav", "banner message");
    b.Sound("sound\\end.wav", "result dialog");
}

std::vector<AssetEntry> BuildEntries() {
    Builder b;
    AddCards(b);
    AddTable(b);
    AddFrontEnd(b);
    AddCharacters(b);
    AddHelp(b);
    AddDesigned(b);
    AddDesktop(b);
    AddSounds(b);
    return std::move(b.entries);
}

std::string Folded(std::string_view path) {
    std::string out(path);
    for (char& c : out) {
        c = c == '/' ? '\\' : static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return out;
}

} // namespace

const std::vector<AssetEntry>& AssetCatalog::Entries() {
    static const std::vector<AssetEntry> entries = BuildEntries();
    return entries;
}

const AssetEntry* AssetCatalog::Find(std::string_view designPath) {
    const std::string key = Folded(designPath);
    for (const AssetEntry& e : Entries()) {
        if (Folded(e.path) == key) {
            return &e;
        }
    }
    return nullptr;
}

std::string AssetCatalog::DataPath(std::string_view designPath) {
    std::string out(designPath);
    std::replace(out.begin(), out.end(), '\\', '/');
    return out;
}

} // namespace quorvel
