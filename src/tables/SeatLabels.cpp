// The seats' and hands' labels, their faces and their words.
#include "tables/SeatLabels.h"

#include "gui/Label.h"
#include "tables/TableLook.h"
#include "tables/TableWords.h"

namespace quorvel {

SeatLabels::SeatLabels(const RoundFacts& round, const std::function<Label*(TableRole)>& find)
    : round_(round) {
    using namespace table_look;
    for (int seat = 0; seat <= 3; ++seat) {
        for (SeatField field :
             {SeatField::Money, SeatField::Bet, SeatField::Name, SeatField::NameToBet}) {
            const auto role = SeatRole(field, seat);
            Label* label = role ? find(*role) : nullptr;
            if (!label)
                continue;
            const bool money = field == SeatField::Money || field == SeatField::Bet;
            label->SetFont(money ? kMoneyFont : kNameFont);
            seats_.push_back({field, seat, label});
        }
        for (int hand : {Seat::kMain, Seat::kSplit}) {
            const auto role = HandTextRole(seat, hand);
            if (Label* label = role ? find(*role) : nullptr) {
                label->SetFont(kHandFont);
                hands_.push_back({seat, hand, label});
            }
        }
    }
}

void SeatLabels::Show() {
    for (const SeatLabel& l : seats_) {
        if (l.Seat > round_.Seats())
            continue;
        const THandRecord& hand = round_.At(l.Seat).Main();
        switch (l.Field) {
        case SeatField::Money:
            l.Text->SetCaption(std::to_string(hand.Money));
            break;
        case SeatField::Bet:
            l.Text->SetCaption(BetText(round_.At(l.Seat)));
            break;
        case SeatField::Name:
            l.Text->SetCaption(hand.Name);
            break;
        case SeatField::NameToBet:
            l.Text->SetCaption(hand.Name + "下注： ");
            break;
        case SeatField::Portrait:
            break;
        }
    }
}

void SeatLabels::ShowHand(int seat, int hand, const std::string& text) {
    for (const HandLabel& l : hands_)
        if (l.Seat == seat && l.Hand == hand)
            l.Text->SetCaption(text);
}

void SeatLabels::ClearHands() {
    for (const HandLabel& l : hands_)
        l.Text->SetCaption("");
}

} // namespace quorvel
