// The tables' controls by role: a checked look-up fails loudly on a wrong name or kind, every
// role a table maps names a control of the kind the role needs and no control twice, role
// names read back to their roles, and a role a table lacks is an error, not a null control.
#include "HeadlessGame.h"

#include "gui/BitBtn.h"
#include "gui/Edit.h"
#include "gui/Image.h"
#include "gui/Label.h"
#include "gui/Panel.h"
#include "tables/TableScreen.h"
#include "tables/one_seat_banker/TForm3.h"
#include "tables/one_seat_challenge/TForm1.h"
#include "tables/three_seat_banker/TForm5.h"
#include "tables/three_seat_challenge/TForm4.h"

#include <gtest/gtest.h>

#include <set>

namespace quorvel {
namespace {

using R = TableRole;

TEST(TableRoles, TheCheckedLookUpFailsLoudlyOnAWrongNameOrKind) {
    testing::HeadlessGame g;
    const Screen& table = g.game->Form1();
    EXPECT_EQ(&table.Get<Image>("Image13"), table.Find("Image13"));
    EXPECT_THROW(table.Get<Image>("Image99"), std::logic_error);
    EXPECT_THROW(table.Get<Label>("Image13"), std::logic_error);
    try {
        table.Get<Label>("Image13");
    } catch (const std::logic_error& e) {
        EXPECT_NE(std::string(e.what()).find("TForm1.Image13"), std::string::npos) << e.what();
    }
}

// The kind of control each role must be; a role not listed is any picture button or label.
bool OfTheRightKind(TableRole role, const Control& control) {
    switch (role) {
    case R::CountsPanel:
    case R::SwapPanel:
        return dynamic_cast<const Panel*>(&control) != nullptr;
    case R::SwapRank:
        return dynamic_cast<const Edit*>(&control) != nullptr;
    case R::SwapOk:
    case R::SwapTarget:
        return dynamic_cast<const BitBtn*>(&control) != nullptr;
    case R::BannerText:
    case R::SwapWords:
        return dynamic_cast<const Label*>(&control) != nullptr;
    default:
        break;
    }
    // The seats' labels come after the portraits in the enumeration.
    const bool seatLabel = role >= R::BankerMoney;
    return seatLabel ? dynamic_cast<const Label*>(&control) != nullptr
                     : dynamic_cast<const Image*>(&control) != nullptr;
}

TEST(TableRoles, EveryMappedRoleNamesOneControlOfItsKind) {
    testing::HeadlessGame g;
    for (TableScreen* table : std::initializer_list<TableScreen*>{
             &g.game->Form1(), &g.game->Form3(), &g.game->Form4(), &g.game->Form5()}) {
        SCOPED_TRACE(table->Name());
        std::set<const Control*> seen;
        std::set<TableRole> roles;
        for (const RoleControl& rc : table->Design().Roles) {
            EXPECT_TRUE(roles.insert(rc.Role).second) << "twice: " << RoleName(rc.Role);
            const Control* control = table->Find(rc.Control);
            ASSERT_NE(control, nullptr) << rc.Control;
            EXPECT_TRUE(OfTheRightKind(rc.Role, *control)) << RoleName(rc.Role);
            EXPECT_TRUE(seen.insert(control).second) << "two roles on " << rc.Control;
            EXPECT_EQ(table->FindByRole(RoleName(rc.Role)), control) << RoleName(rc.Role);
        }
    }
}

TEST(TableRoles, NamesReadBackAndARoleATableLacksIsAnError) {
    for (std::size_t i = 0; i < kTableRoles; ++i) {
        const auto role = static_cast<TableRole>(i);
        EXPECT_EQ(RoleNamed(RoleName(role)), role) << i;
    }
    EXPECT_FALSE(RoleNamed("Image13"));
    EXPECT_FALSE(RoleNamed(""));

    testing::HeadlessGame g;
    TableScreen& banker = g.game->Form3();
    // The user banks one on one: no chips, no double.
    EXPECT_FALSE(banker.Has(R::Chip1000));
    EXPECT_THROW(banker.Get(R::Double), std::logic_error);
    EXPECT_EQ(banker.FindByRole("Double"), nullptr);
    EXPECT_EQ(banker.FindByRole("NoSuchRole"), nullptr);
    // The same role is the exit button at every table, whatever its designed name.
    EXPECT_EQ(g.app.FindControl("TForm1.Exit"), g.app.FindControl("TForm1.Image36"));
    EXPECT_EQ(g.app.FindControl("TForm3.Exit"), g.app.FindControl("TForm3.Image26"));
    EXPECT_EQ(g.app.FindControl("TForm4.Exit"), g.app.FindControl("TForm4.Image39"));
    EXPECT_EQ(g.app.FindControl("TForm5.Exit"), g.app.FindControl("TForm5.Image30"));
}

} // namespace
} // namespace quorvel
