// TForm1's layout and its view: controls at their places, button pictures and sounds, the map
// from its buttons to the engine's actions and from its hands to the engine's seats, the
// labels it keeps up to date, the split's slide, the chest hover and the challenge entry.
#include "tables/one_seat_challenge/TForm1.h"

#include "ui/Card.h"
#include "gui/App.h"
#include "players/Roster.h"
#include "tables/BonusTableButton.h"
#include "tables/SpeedChoice.h"
#include "tables/TableHost.h"
#include "tables/TableLook.h"
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
constexpr const char* kTips[3] = {"picture\\design\\tip1.gif", "picture\\design\\tip2.gif",
                                  "picture\\design\\tip3.gif"};
constexpr const char* kBankerMark = "picture\\design\\banker.gif";
constexpr const char* kBonusTable = "picture\\design\\bonus.gif";
constexpr const char* kMoneyPlate = "picture\\design\\coin.gif";
constexpr const char* kBack = "picture\\design\\back.gif";
} // namespace pic

using namespace table_look;

// The banker, the user's main hand and the user's split hand.
constexpr TableScreen::HandRole kRoles[] = {{"banker", 0, 1}, {"main", 1, 1}, {"split", 1, 2}};

// Which designed control offers which action.
constexpr TableScreen::OfferControl kOfferControls[] = {
    {ActionKind::Chip, "Image25"},
    {ActionKind::Chip, "Image26"},
    {ActionKind::Chip, "Image27"},
    {ActionKind::TakeBack, "Image29"},
    {ActionKind::TakeRaise, "Image21"},
    {ActionKind::Deal, "Image11"},
    {ActionKind::Hit, "Image13"},
    {ActionKind::Stand, "Image14"},
    {ActionKind::Double, "Image15"},
    {ActionKind::Open, "Image19"},
    {ActionKind::Split, "Image17"},
    {ActionKind::NoSplit, "Image18"},
    {ActionKind::Look, "Image30"},
    {ActionKind::Swap, "Image31"},
    {ActionKind::CloseServices, "Image32"},
    {ActionKind::ConfirmSwap, "Panel3"},
    {ActionKind::ToggleSwapTarget, "BitBtn17"},
    {ActionKind::Leave, "Image12"},
    {ActionKind::Save, "Image20"},
};

// Card places: X0 = (W div 8) x 3 - 10, Y0 = (H div 8) x 3 - 10 [layout px].
constexpr int kX0 = (kDesignWidth / 8) * 3 - 10;
constexpr int kY0 = (kDesignHeight / 8) * 3 - 10;
constexpr Point kBankerPlace{kX0 + 60, kY0 + 2};
constexpr Point kMainPlace{kX0, kY0 + 215};
constexpr int kCardStep = 20;     // [px] between the cards of a hand
constexpr int kSplitOffset = 200; // [px] from the main hand's first card to the split hand's
// The bonus-table button's tip: left of the button, level with it [layout px].
constexpr int kBonusTipLeft = 514;
constexpr int kBonusTipTop = 528;
} // namespace

TForm1::TForm1(TableHost& host) : TableScreen(host, "TForm1", 1) {
    FormCreate();
}

void TForm1::FormCreate() {
    CreateHandRecords(kRoles);
    Image10 = &Add<Image>("Image10");
    Label1 = &Add<Label>("Label1");
    Image38 = &Add<Image>("Image38");
    BonusTip = &Add<Image>("BonusTip");
    SetBannerControls(*Image10, *Label1);
    SetCountsControls(Panel2, Image5);
    SetBackgroundControl(Image1);
    engine_.NewGame({std::string(kOneSeatChallengeNames.Banker),
                     std::string(kOneSeatChallengeNames.Seats[0])});
    // The first cards of the user's hands can be peeked at.
    WirePeeks(1, {Seat::kMain, Seat::kSplit});
    Layout();
    WireHandlers();
    // The advisor's lines in the banner's place, widened: clear of the cards and labels.
    CreateAdviceLine({222, 338, 364, 36});
    Refresh();
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
    BonusTip->SetPosition(kBonusTipLeft, kBonusTipTop);

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
    Image38->Load(pic::kBonusTable);
    Image22.Load(pic::kTips[0]);
    Image23.Load(pic::kTips[1]);
    Image24.Load(pic::kTips[2]);

    for (Label* l : {&Label22, &Label23, &Label24})
        l->SetFont(kMoneyFont);
    for (Label* l : {&Label4, &Label5})
        l->SetFont(kNameFont);
    for (Label* l : {&Label2, &Label3, &label27})
        l->SetFont(kHandFont);
    Label1->SetFont(kBannerFont);
    PlaceBannerText(*Label1, *Image10);

    Panel3.SetSize(150, 52);
    DressSwapPanel({Panel3, Edit1, BitBtn15, &Label25, &BitBtn17}, kSwapPanel);
    Label25.SetCaption("變換為：");
    Label25.SetPosition(24, 6);
    Edit1.SetBounds({82, 4, 40, 22});
    Edit1.SetMaxLength(2);
    BitBtn15.SetBounds({43, 28, 64, 22});
    BitBtn15.SetCaption("確定");
    BitBtn17.SetSize(160, 24);

    for (Control* c :
         std::initializer_list<Control*>{&Image16, &Image22, &Image23, &Image24, Image10, Label1,
                                         &Panel2, &Image7, &Image8, &Image9, Image38})
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
    bonusTable_ = std::make_unique<BonusTableButton>(GetApp(), Image37, *Image38, *BonusTip);

    WireOffers(kOfferControls,
               {ActionKind::Chip, ActionKind::ConfirmSwap, ActionKind::CloseServices});
    Image25.onClick = [this] { Act(Action::Chip(1000)); };
    Image26.onClick = [this] { Act(Action::Chip(5000)); };
    Image27.onClick = [this] { Act(Action::Chip(10000)); };
    Image1.onClick = [this] { NextRoundClick(false); };
    Image36.onClick = [this] { host_.QuitFromTable(*this); };
    WireSpeedChoice(*this, "Image6", {"Image7", "Image8", "Image9"});
    WireServices(
        {Image28, {&Image30, &Image31, &Image32}, {&Image22, &Image23, &Image24}, Edit1, BitBtn15});
    Image1.onMouseMove = [this](Point) {
        Services().HoverBackground();
        bonusTable_->HoverBackground();
        HideAdviceTip();
    };
}

// ---- the view ----

void TForm1::Refresh() {
    ShowAdvice();
    ShowOffers(kOfferControls);
    ShowHandInPlay();
    bonusTable_->Refresh(Look().BonusTableShown());
    BitBtn17.SetCaption(Look().ToggleCaption());
    Label22.SetCaption(std::to_string(engine_.Banker().Main().Money));
    Label23.SetCaption(std::to_string(engine_.User().Main().Money));
    Label24.SetCaption(BetText(engine_.At(1)));
}

void TForm1::ShowHandText(int seat, int hand, const std::string& text) {
    Label& label = seat == 0 ? Label3 : hand == Seat::kMain ? Label2 : label27;
    label.SetCaption(text);
}

Point TForm1::CardPlace(int seat, int hand, int slot) const {
    Point first = seat == 0 ? kBankerPlace : kMainPlace;
    if (seat != 0 && hand == Seat::kSplit)
        first.x += kSplitOffset;
    return {first.x + kCardStep * (slot - 1), first.y};
}

Point TForm1::ShoePoint() const {
    return {kDesignWidth / 2 - 220, kDesignHeight / 2 - 70};
}

void TForm1::SlidePair(int seat) {
    TCard& mainFirst = Card(seat, Seat::kMain, 1);
    TCard& mainSecond = Card(seat, Seat::kMain, 2);
    TCard& splitSecond = Card(seat, Seat::kSplit, 2);
    splitSecond.SetCard(engine_.At(seat).Split().Card(2));
    splitSecond.SetFaceUp(true);
    splitSecond.SetPosition(mainSecond.Left(), mainSecond.Top());
    // The twin slides over to the split hand, then the other twin moves into first place.
    splitSecond.Show();
    mainSecond.Hide();
    for (int i = 0; i < 25; ++i) {
        splitSecond.SetPosition(splitSecond.Left() + 8, splitSecond.Top());
        delay(1);
    }
    mainSecond.SetPosition(mainSecond.Left() - kCardStep, mainSecond.Top());
    mainSecond.Show();
    mainFirst.Hide();
    for (int i = 0; i < 5; ++i) {
        mainSecond.SetPosition(mainSecond.Left() + 4, mainSecond.Top());
        delay(1);
    }
}

void TForm1::ShowResult(const RoundResult& result) {
    const std::vector<ResultLine> sides = ResultLines(engine_, result);
    const ResultLine& banker = sides.at(0);
    const ResultLine& user = sides.at(1);
    TForm6::RoundLines lines;
    lines.Banker = banker.MoneyText();
    lines.BankerHand = banker.HandLines.at(0);
    lines.User = user.MoneyText();
    lines.UserHand = user.HandLines.at(0);
    if (user.HandLines.size() > 1)
        lines.SecondHand = user.HandLines[1];
    if (user.Bonus != 0)
        lines.Bonus = user.BonusText();
    lines.Round = "第 " + std::to_string(result.RoundNumber) + "局 ";
    Dialog().ShowRound(lines);
}

void TForm1::HideResult() {
    Dialog().Hide();
}

void TForm1::ClearResultExtras() {
    Dialog().ClearRoundLines();
}

void TForm1::RevealChips() {
    Image25.Show();
    delay(10);
    Image26.Show();
    delay(10);
    Image27.Show();
}

// ---- the front end ----

void TForm1::SetPlayers(const std::string& userName) {
    Label4.SetCaption(userName);
    Label5.SetCaption(userName + "下注： ");
    Refresh();
}

void TForm1::ResetForMainMenu() {
    TableScreen::ResetForMainMenu();
    Services().Rest();
}

SaveContents TForm1::SaveState() const {
    SaveContents s = SaveBasics(1, 1);
    s.Pictures[0] = opponentPicks_[0].PickPicture;
    return s;
}

void TForm1::EnterChallenge(const ChallengeEntry& entry, ChallengeHooks hooks) {
    // The table hides itself before the three-seat table takes the user back.
    auto handBack = std::move(hooks.HandBack);
    hooks.HandBack = [this, handBack](std::int32_t userMoney, std::int32_t bankerMoney) {
        Hide();
        if (handBack)
            handBack(userMoney, bankerMoney);
    };
    SetPlayers(entry.UserName);
    // The banker shows its own one-on-one portrait here.
    if (const RosterEntry* banker = FindCharacter(entry.BankerName)) {
        opponentPicks_[0] = {entry.BankerName,
                             "picture\\gif\\rt0" + std::to_string(banker->Figure - 1) + ".gif",
                             banker->Figure};
        Image3.Load(opponentPicks_[0].PickPicture);
    }
    // Each challenge deals from a new shoe: the last one's counts wait for its first deal.
    HideCounts();
    Show();
    engine_.EnterChallenge(entry, std::move(hooks));
}

} // namespace quorvel
