// The behaviour every table shares: records and their card controls, the banner, the card
// flight, the unseen-card panel, the table music and the save button's work.
#include "tables/TableScreen.h"

#include "ui/ControlLayout.h"

#include "cards/Card.h"
#include "cards/CardCode.h"
#include "platform/App.h"
#include "tables/TableHost.h"
#include "ui/ScreenConventions.h"

#include <cmath>
#include <stdexcept>

namespace quorvel {

namespace {
// The unseen-card numbers: yellow on an opaque box, so a new number covers the old one. The
// box (1.2 font sizes wide, one high) fits inside a grid cell, clear of its lines, and has the
// colour of its row on the panel picture, so that only the number shows.
constexpr FontSpec kCountsFont{10, false, colors::kYellow};
constexpr Color kCountsBoxes[4] = {{33, 53, 72}, {16, 36, 55}, {30, 48, 65}, {12, 29, 46}};
// Step of the count grid [px]: columns ace..king, rows spades, hearts, clubs, diamonds.
constexpr int kCountsColumnStep = 13;
constexpr int kCountsRowStep = 15;
constexpr int kCountsLeft = 2;
constexpr int kCountsTop = 5;
constexpr int kMusicTracks = 6; // "sound\main1.wav" .. "sound\main6.wav"
} // namespace

TableScreen::TableScreen(TableHost& host, std::string name)
    : Screen(host.GetApp(), std::move(name)), host_(host) {}

TableScreen::~TableScreen() = default;

void TableScreen::CreateHandRecords(const std::vector<std::string>& roles) {
    roles_ = roles;
    records_.assign(roles.size(), THandRecord{});
    for (std::size_t i = 0; i < roles.size(); ++i) {
        for (int slot = 1; slot <= kHandSlots; ++slot) {
            auto& card = Add<TCard>(roles[i] + "." + std::to_string(slot), nullptr);
            card.Hide();
            records_[i].Cards[static_cast<std::size_t>(slot - 1)] = &card;
        }
    }
}

THandRecord& TableScreen::RecordOf(std::string_view role) {
    for (std::size_t i = 0; i < roles_.size(); ++i)
        if (roles_[i] == role)
            return records_[i];
    throw std::out_of_range("no hand record " + std::string(role));
}

std::vector<std::string> TableScreen::HandLines() const {
    std::vector<std::string> lines;
    for (std::size_t i = 0; i < records_.size(); ++i) {
        const THandRecord& h = records_[i];
        std::string line = roles_[i] + " Name=\"" + h.Name + "\" Money=" + std::to_string(h.Money) +
                           " Bet=" + std::to_string(h.Bet) + " Streak=" + std::to_string(h.Streak) +
                           " Bonus=" + std::to_string(h.Bonus) +
                           " HandValue=" + std::to_string(h.HandValue) +
                           " CardCount=" + std::to_string(h.CardCount);
        for (int slot = 1; slot <= h.CardCount && slot <= kHandSlots; ++slot) {
            const TCard* card = h.Cards[static_cast<std::size_t>(slot - 1)];
            if (!card)
                continue;
            const std::string code = CardCode(*card);
            line += card->FaceUp() ? " " + code : " [" + code + "]";
        }
        lines.push_back(std::move(line));
    }
    return lines;
}

void TableScreen::SetBannerControls(Image& picture, Label& text) {
    bannerPicture_ = &picture;
    bannerText_ = &text;
}

void TableScreen::SetCountsControls(Panel& panel, Image& picture) {
    countsPanel_ = &panel;
    countsPicture_ = &picture;
}

void TableScreen::SetBackgroundControl(Image& background) {
    background_ = &background;
}

void TableScreen::LoadBackground(const std::string& path) {
    backgroundPath_ = path;
    if (background_)
        background_->Load(path);
}

void TableScreen::delay(int ms) {
    GetApp().Delay(ms);
}

void TableScreen::Announce(const std::string& text) {
    GetApp().PlaySound(kBannerSound);
    if (bannerText_) {
        bannerText_->SetCaption(text);
        bannerText_->Show();
    }
    if (bannerPicture_)
        bannerPicture_->Show();
    GetApp().TraceBanner(text);
    delay(kBannerMs);
    if (bannerText_)
        bannerText_->Hide();
    if (bannerPicture_)
        bannerPicture_->Hide();
}

void TableScreen::FlyCard(TCard& card, int left, int top) {
    GetApp().PlaySound(kCardSound);
    card.SetPosition(kShoePoint.x, kShoePoint.y);
    card.Show();
    delay(10);
    const double dx = kShoePoint.x - left;
    const double dy = kShoePoint.y - top;
    const int d = static_cast<int>(std::sqrt(dx * dx + dy * dy));
    const int speed = flightSpeed_ > 0 ? flightSpeed_ : kFlightSpeeds[2];
    for (int e = d; e > 0;) {
        e = std::max(e - speed, 0);
        card.SetPosition(left + static_cast<int>(e * dx / d), top + static_cast<int>(e * dy / d));
        delay(1);
    }
}

void TableScreen::ShowCounts() {
    if (countsPanel_)
        countsPanel_->Show();
    if (!countsPicture_)
        return;
    for (int row = 1; row <= 4; ++row)
        for (int rank = 0; rank < 13; ++rank)
            countsPicture_->CanvasText(
                kCountsOrigin.x + kCountsColumnStep * rank + kCountsLeft,
                kCountsOrigin.y + kCountsTop + kCountsRowStep * (row - 1),
                std::to_string(shoe_.Unseen.Count(row, static_cast<TCardValue>(rank))), kCountsFont,
                kCountsBoxes[row - 1]);
}

bool TableScreen::SaveGame() {
    const std::string error = host_.SaveRecord().Save(SaveState(), host_.SaveFilePath());
    if (error.empty())
        return true;
    GetApp().ReportError(error);
    return false;
}

void TableScreen::FormActivate() {
    StartTableMusic();
}

void TableScreen::FormDeactivate() {
    StopTableMusic();
}

void TableScreen::StartTableMusic() {
    host_.TableMusicOn() = true;
    const int n = host_.Random().Draw(DrawStream::Cosmetic, 1, kMusicTracks);
    PlayTrack("sound\\main" + std::to_string(n) + ".wav");
}

void TableScreen::PlayTrack(const std::string& track) {
    // The same track repeats for as long as the music flag stays set.
    GetApp().PlayMusic(track, [this, track] {
        if (host_.TableMusicOn())
            PlayTrack(track);
    });
}

void TableScreen::StopTableMusic() {
    host_.TableMusicOn() = false;
    GetApp().StopMusic();
}

void TableScreen::ResetSeatsAndRound(std::span<const char* const> roundControls,
                                     std::span<const char* const> descriptions,
                                     std::int32_t roundNumber) {
    for (THandRecord& record : records_) {
        HideAllCards(record);
        ResetSeatMoney(record);
    }
    roundNumber_ = roundNumber;
    HideCounts();
    HideControls(*this, roundControls);
    for (const char* name : descriptions)
        SetLabelText(*this, name, "");
}

SaveContents TableScreen::SaveBasics(int mode, int seats) const {
    SaveContents s;
    s.Mode = mode;
    s.Background = backgroundPath_;
    for (int i = 0; i <= seats; ++i) {
        const THandRecord& h = Record(i);
        s.Names[static_cast<std::size_t>(i)] = h.Name;
        s.Money[static_cast<std::size_t>(i)] = i == 0 ? h.Money : AddMoney(h.Money, h.Bet);
    }
    return s;
}

void TableScreen::HideCounts() {
    if (countsPanel_)
        countsPanel_->Hide();
}

} // namespace quorvel
