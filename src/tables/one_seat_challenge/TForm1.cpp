// TForm1's layout and its table-wide parts: controls at their places, button pictures and
// sounds, the front end's hooks (reset, save, names), leaving, the card speed, the chest
// hover and the challenge entry.
#include "tables/one_seat_challenge/TForm1.h"

#include "cards/Card.h"
#include "platform/App.h"
#include "players/Roster.h"
#include "tables/TableHost.h"
#include "tables/one_seat_challenge/TForm6.h"
#include "ui/ControlLayout.h"

namespace quorvel {

namespace {
// Designed pictures of this table, kept in one place so that they can be renamed together.
namespace pic {
constexpr const char* kBackground = "picture\\gif\\ydy05.gif";
constexpr const char* kBanner = "picture\\design\\banner.gif";
constexpr const char* kUnseenPanel = "picture\\design\\unseen.gif";
constexpr const char* kSpeed = "picture\\design\\speed.gif";
constexpr const char* kSpeedChoices[3] = {
    "picture\\design\\speed1.gif", "picture\\design\\speed2.gif", "picture\\design\\speed3.gif"};
constexpr const char* kTips[3] = {"picture\\design\\tip1.gif", "picture\\design\\tip2.gif",
                                  "picture\\design\\tip3.gif"};
constexpr const char* kBankerMark = "picture\\design\\banker.gif";
constexpr const char* kBonusTable = "picture\\design\\bonus.gif";
constexpr const char* kMoneyPlate = "picture\\design\\coin.gif";
constexpr const char* kBack = "picture\\design\\back.gif";
constexpr const char* kChest = "picture\\gif\\bw001.gif";
constexpr const char* kChestLit = "picture\\gif\\bw100.gif";
} // namespace pic

constexpr FontSpec kMoneyFont{14, true, colors::kYellow};
constexpr FontSpec kNameFont{14, true, colors::kWhite};
constexpr FontSpec kHandFont{14, true, Color{255, 255, 128}};
// Light gold, to be read on the dark banner.
constexpr FontSpec kBannerFont{16, true, Color{255, 230, 150}};
constexpr FontSpec kSwapFont{12, false, colors::kBlack};
constexpr const char* kToggleSplit = "分家換牌（單擊切換）";
} // namespace

TForm1::TForm1(TableHost& host) : TableScreen(host, "TForm1") {
    FormCreate();
}

TForm6& TForm1::Dialog() {
    return *dialog_;
}

void TForm1::FormCreate() {
    CreateHandRecords({"banker", "main", "split"});
    Image10 = &Add<Image>("Image10");
    Label1 = &Add<Label>("Label1");
    Image38 = &Add<Image>("Image38");
    SetBannerControls(*Image10, *Label1);
    SetCountsControls(Panel2, Image5);
    SetBackgroundControl(Image1);
    Banker().Name = kOneSeatChallengeNames.Banker;
    Main().Name = kOneSeatChallengeNames.Seats[0];
    // The first cards of the user's hands can be peeked at.
    for (THandRecord* hand : {&Main(), &Split()}) {
        TCard& first = *hand->Card(1);
        first.SetCursor(Cursor::HandPoint);
        first.onClick = [this, &first] { discovercard(first); };
    }
    Layout();
    WireHandlers();
    ShowMoney();
}

void TForm1::Layout() {
    struct Place {
        Control& control;
        int left;
        int top;
    };
    const Place places[] = {
        {Image1, 0, 0},      {Image3, 423, 35},   {Image4, 728, 152},   {Image34, 16, 8},
        {Image33, 592, 160}, {Label22, 637, 160}, {Image35, 471, 563},  {Label23, 577, 570},
        {Label4, 515, 570},  {Label5, 273, 572},  {Label24, 374, 571},  {Label3, 377, 310},
        {Label2, 322, 407},  {label27, 523, 406}, {*Image10, 259, 328}, {*Label1, 269, 330},
        {Panel2, 8, 104},    {Panel3, 15, 418},   {BitBtn17, 27, 392},  {Image6, 112, 232},
        {Image7, 72, 216},   {Image8, 72, 248},   {Image9, 72, 280},    {Image15, 688, 391},
        {Image13, 688, 415}, {Image16, 688, 415}, {Image14, 688, 440},  {Image17, 688, 440},
        {Image21, 688, 440}, {Image29, 688, 440}, {Image11, 688, 464},  {Image18, 688, 464},
        {Image19, 688, 464}, {Image20, 688, 488}, {Image36, 688, 512},  {Image37, 688, 536},
        {Image25, 464, 496}, {Image26, 544, 496}, {Image27, 616, 496},  {Image12, 128, 520},
        {Image28, 40, 472},  {Image30, 48, 496},  {Image31, 68, 496},   {Image32, 88, 496},
        {Image22, 40, 512},  {Image23, 40, 512},  {Image24, 40, 512},   {*Image38, 200, 104},
    };
    for (const Place& p : places)
        p.control.SetPosition(p.left, p.top);

    Image1.SetBounds({0, 0, kDesignWidth, kDesignHeight});
    Image1.SetAutoSize(false);
    Image1.SetStretch(true);
    Image1.Load(pic::kBackground);
    Image4.Load(pic::kBankerMark);
    Image33.Load(pic::kMoneyPlate);
    Image35.Load(pic::kMoneyPlate);
    Image10->Load(pic::kBanner);
    Image5.Load(pic::kUnseenPanel);
    Panel2.SetSize(Image5.Width(), Image5.Height());
    Image6.Load(pic::kSpeed);
    Image12.Load(pic::kBack);
    Image28.Load(pic::kChest);
    Image38->Load(pic::kBonusTable);
    Image22.Load(pic::kTips[0]);
    Image23.Load(pic::kTips[1]);
    Image24.Load(pic::kTips[2]);
    for (int i = 0; i < 3; ++i)
        (i == 0 ? Image7 : i == 1 ? Image8 : Image9).Load(pic::kSpeedChoices[i]);

    for (Label* l : {&Label22, &Label23, &Label24})
        l->SetFont(kMoneyFont);
    for (Label* l : {&Label4, &Label5})
        l->SetFont(kNameFont);
    for (Label* l : {&Label2, &Label3, &label27})
        l->SetFont(kHandFont);
    Label1->SetFont(kBannerFont);
    PlaceBannerText(*Label1, *Image10);

    Panel3.SetSize(150, 52);
    Label25.SetFont(kSwapFont);
    Label25.SetCaption("變換為：");
    Label25.SetPosition(6, 8);
    Edit1.SetBounds({64, 4, 40, 22});
    Edit1.SetMaxLength(2);
    BitBtn15.SetBounds({40, 28, 64, 22});
    BitBtn15.SetCaption("確定");
    BitBtn17.SetSize(160, 24);
    BitBtn17.SetCaption(kToggleSplit);

    for (Control* c : std::initializer_list<Control*>{
             &Image25,  &Image26, &Image27, &Image29, &Image21, &Image37, &Image11, &Image13,
             &Image14,  &Image15, &Image16, &Image17, &Image18, &Image19, &Image30, &Image31,
             &Image32,  &Image22, &Image23, &Image24, Image10,  Label1,   &Panel2,  &Panel3,
             &BitBtn17, &Image7,  &Image8,  &Image9,  &Image12, Image38})
        c->Hide();
}

void TForm1::WireHandlers() {
    // Table buttons: pressed picture and click sound.
    struct Button {
        Image& image;
        const char* stem;
        bool sound;
    };
    const Button buttons[] = {
        {Image13, "an100", true},   {Image14, "an101", false},  {Image17, "an102", false},
        {Image18, "an103", false},  {Image15, "an104", true},   {Image16, "an105", true},
        {Image21, "an106", true},   {Image11, "an107", false},  {Image20, "an109", true},
        {Image36, "an110", true},   {Image19, "an112", false},  {Image32, "an113", false},
        {Image31, "an114", false},  {Image30, "an115", false},  {Image29, "an116", true},
        {Image37, "an120", true},   {Image25, "money1", false}, {Image26, "money2", false},
        {Image27, "money3", false},
    };
    for (const Button& b : buttons)
        MakeTableButton(b.image, b.stem, b.sound ? kButtonSound : nullptr);
    // The bonus table shows its picture while held down, on any mouse button.
    Image37.onMouseDown = [this](MouseButton, Point) {
        GetApp().PlaySound(kButtonSound);
        Image37.Load(PressedPicture("an120"));
        Image38->Show();
    };
    Image37.onMouseUp = [this](MouseButton, Point) {
        Image37.Load(RestingPicture("an120"));
        Image38->Hide();
    };
    for (Control* c : {static_cast<Control*>(&Image7), static_cast<Control*>(&Image8),
                       static_cast<Control*>(&Image9), static_cast<Control*>(&BitBtn15)})
        c->onMouseDown = [this](MouseButton, Point) { GetApp().PlaySound(kButtonSound); };

    Image25.onClick = [this] { ChipClick(1000); };
    Image26.onClick = [this] { ChipClick(5000); };
    Image27.onClick = [this] { ChipClick(10000); };
    Image29.onClick = [this] { Image29Click(); };
    Image21.onClick = [this] { Image21Click(); };
    Image11.onClick = [this] { Image11Click(); };
    Image13.onClick = [this] { Image13Click(); };
    Image14.onClick = [this] { Image14Click(); };
    Image15.onClick = [this] { Image15Click(); };
    Image17.onClick = [this] { Image17Click(); };
    Image18.onClick = [this] { Image18Click(); };
    Image19.onClick = [this] { Image19Click(); };
    Image30.onClick = [this] { Image30Click(); };
    Image31.onClick = [this] { Image31Click(); };
    Image32.onClick = [this] { Image32Click(); };
    BitBtn15.onClick = [this] { BitBtn15Click(); };
    BitBtn17.onClick = [this] { BitBtn17Click(); };
    Image1.onClick = [this] { NextRoundClick(); };
    Image20.onClick = [this] { Image20Click(); };
    Image12.onClick = [this] { Image12Click(); };
    Image36.onClick = [this] { Image36Click(); };
    Image6.onClick = [this] {
        for (Image* c : {&Image7, &Image8, &Image9})
            c->Show();
    };
    Image* speeds[3] = {&Image7, &Image8, &Image9};
    for (int i = 0; i < 3; ++i)
        speeds[i]->onClick = [this, i] {
            for (Image* c : {&Image7, &Image8, &Image9})
                c->Hide();
            SetFlightSpeed(kFlightSpeeds[static_cast<std::size_t>(i)]);
        };
    Image28.onMouseMove = [this](Point) { ChestHover(); };
    Image1.onMouseMove = [this](Point) { BackgroundHover(); };
    Image30.onMouseMove = [this](Point) { ServiceHover(0); };
    Image31.onMouseMove = [this](Point) { ServiceHover(1); };
    Image32.onMouseMove = [this](Point) { ServiceHover(2); };
}

void TForm1::ShowMoney() {
    Label22.SetCaption(std::to_string(Banker().Money));
    Label23.SetCaption(std::to_string(Main().Money));
    Label24.SetCaption(std::to_string(Main().Bet));
}

void TForm1::SetPlayers(const std::string& bankerName, const std::string& userName) {
    Banker().Name = bankerName;
    Main().Name = userName;
    Label4.SetCaption(userName);
    Label5.SetCaption(userName + "下注： ");
    ShowMoney();
}

void TForm1::ShowChips() {
    Image25.Show();
    delay(10);
    Image26.Show();
    delay(10);
    Image27.Show();
}

void TForm1::ResetTableMoney() {
    Banker().Money = kStartingMoney;
    Main().Money = kStartingMoney;
    Main().Bet = 0;
    ShowMoney();
}

void TForm1::ResetForMainMenu() {
    roundNumber_ = 1;
    RoundState_ = kRoundPlaying;
    ResetTableMoney();
    Main().Streak = 0;
    Banker().Streak = 0;
    Split().Bet = 0;
    RaiseOffered = false;
    RaiseAmount = 0;
    HandCount = 1;
    CurrentHand = 1;
    MainDoubled = SplitDoubled = DoubleTaken = false;
    BankerDebt = 0;
    DebtOpen = false;
    ChallengeMode = false;
    for (int i = 0; i < RecordCount(); ++i)
        HideAllCards(Record(i));
    // The next game starts from a new shoe; until its first deal there are no counts to show.
    HideCounts();
    for (Label* l : {&Label2, &Label3, &label27})
        l->SetCaption("");
    for (Control* c : std::initializer_list<Control*>{
             &Image25, &Image26, &Image27, &Image29, &Image21,  &Image37, &Image11, &Image13,
             &Image14, &Image15, &Image17, &Image18, &Image19,  &Image30, &Image31, &Image32,
             &Image22, &Image23, &Image24, &Panel3,  &BitBtn17, &Image12, Image10,  Label1})
        c->Hide();
    Image20.Show();
    Image20.SetEnabled(true);
}

SaveContents TForm1::SaveState() const {
    SaveContents s;
    s.Mode = 1;
    s.Names[0] = Banker().Name;
    s.Money[0] = Banker().Money;
    s.Names[1] = Main().Name;
    // The stake on the table counts as money; after a split both bets are on it.
    s.Money[1] = AddMoney(Main().Money, std::int64_t{Main().Bet} + Split().Bet);
    s.Pictures[0] = opponentPicks_[0].PickPicture;
    s.Background = backgroundPath_;
    return s;
}

void TForm1::Image20Click() {
    SaveGame();
}

void TForm1::Image12Click() {
    host_.ReturnToMainMenu(*this);
}

void TForm1::Image36Click() {
    host_.QuitFromTable(*this);
}

void TForm1::EnterChallenge(const ChallengeEntry& entry, ChallengeHooks hooks) {
    challenge_ = std::move(hooks);
    Banker().Name = entry.BankerName;
    Banker().Money = entry.BankerMoney;
    Main().Money = entry.UserMoney;
    Main().Bet = 0;
    Main().Streak = entry.UserStreak;
    SetPlayers(entry.BankerName, entry.UserName);
    ChallengeMode = true;
    RoundState_ = kRoundPlaying;
    Image12.Hide();
    Image20.Hide();
    Show();
    ShowChips();
}

// ---- chest hover and tips ----

void TForm1::ChestHover() {
    if (ChestLit || BankerShown)
        return;
    bool live = false;
    if (HandCount == 1)
        live = HandAlive(Main()) && Main().CardCount > 1;
    else
        live = Split().CardCount > 1 && (HandAlive(Main()) || HandAlive(Split()));
    if (!live)
        return;
    Image28.Load(pic::kChestLit);
    ChestLit = true;
}

void TForm1::BackgroundHover() {
    if (ChestLit)
        Image28.Load(pic::kChest);
    ChestLit = false;
    for (Image* tip : {&Image22, &Image23, &Image24})
        tip->Hide();
    for (Image* service : {&Image30, &Image31, &Image32})
        service->SetTag(0);
}

void TForm1::ServiceHover(int index) {
    Image* services[3] = {&Image30, &Image31, &Image32};
    Image* tips[3] = {&Image22, &Image23, &Image24};
    for (int i = 0; i < 3; ++i) {
        if (i == index) {
            tips[i]->Show();
            services[i]->SetTag(1);
        } else if (services[i]->Tag() == 1) {
            tips[i]->Hide();
            services[i]->SetTag(0);
        }
    }
}

} // namespace quorvel
