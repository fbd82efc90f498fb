// The toolkit's roles, states and actions in ATK's terms.
#include <gtest/gtest.h>

#include "platform/linux/atk/atk_mapping.h"
#include "ui/control_accessible.h"

namespace platform_atk {
namespace {

TEST(AtkMappingTest, ListsAndRowsAreTablesAndTableRowsOnlyWhenTheyShowOne) {
  EXPECT_EQ(AtkRoleOf(TAccRole::List, true, false), ATK_ROLE_TABLE);
  EXPECT_EQ(AtkRoleOf(TAccRole::List, false, false), ATK_ROLE_LIST);
  EXPECT_EQ(AtkRoleOf(TAccRole::ListItem, false, true), ATK_ROLE_TABLE_ROW);
  EXPECT_EQ(AtkRoleOf(TAccRole::ListItem, false, false), ATK_ROLE_LIST_ITEM);
  EXPECT_EQ(AtkRoleOf(TAccRole::Window, false, false), ATK_ROLE_FRAME);
  EXPECT_EQ(AtkRoleOf(TAccRole::StaticText, false, false), ATK_ROLE_LABEL);
  EXPECT_EQ(AtkRoleOf(TAccRole::Graphic, false, false), ATK_ROLE_IMAGE);
  EXPECT_EQ(AtkRoleOf(TAccRole::PropertyPage, false, false), ATK_ROLE_PANEL);
}

TEST(AtkMappingTest, ShownEnabledNodesAreVisibleShowingEnabledAndSensitive) {
  const uint64_t plain = AtkStatesOf(0, TAccRole::PushButton);
  EXPECT_EQ(plain, StateBit(ATK_STATE_ENABLED) | StateBit(ATK_STATE_SENSITIVE) |
                       StateBit(ATK_STATE_VISIBLE) | StateBit(ATK_STATE_SHOWING));
  // Scrolled out of view: still visible, not showing.
  const uint64_t offscreen = AtkStatesOf(asOffscreen, TAccRole::ListItem);
  EXPECT_TRUE(offscreen & StateBit(ATK_STATE_VISIBLE));
  EXPECT_FALSE(offscreen & StateBit(ATK_STATE_SHOWING));
  const uint64_t hidden = AtkStatesOf(asInvisible | asUnavailable, TAccRole::PushButton);
  EXPECT_EQ(hidden & (StateBit(ATK_STATE_VISIBLE) | StateBit(ATK_STATE_SHOWING) |
                      StateBit(ATK_STATE_ENABLED) | StateBit(ATK_STATE_SENSITIVE)),
            0u);
}

TEST(AtkMappingTest, EachStateOfTheModelHasItsAtkState) {
  const uint64_t all = AtkStatesOf(asFocusable | asFocused | asSelectable | asSelected | asPressed |
                                       asReadOnly | asTraversed | asMultiLine | asLinked,
                                   TAccRole::Text);
  for (AtkStateType s :
       {ATK_STATE_FOCUSABLE, ATK_STATE_FOCUSED, ATK_STATE_SELECTABLE, ATK_STATE_SELECTED,
        ATK_STATE_PRESSED, ATK_STATE_READ_ONLY, ATK_STATE_VISITED, ATK_STATE_MULTI_LINE}) {
    EXPECT_TRUE(all & StateBit(s)) << atk_state_type_get_name(s);
  }
  EXPECT_FALSE(all & StateBit(ATK_STATE_SINGLE_LINE));
  EXPECT_TRUE(AtkStatesOf(0, TAccRole::Text) & StateBit(ATK_STATE_SINGLE_LINE));
  // Lists and charts hand out their rows and bars one by one.
  EXPECT_TRUE(AtkStatesOf(0, TAccRole::List) & StateBit(ATK_STATE_MANAGES_DESCENDANTS));
  EXPECT_TRUE(AtkStatesOf(0, TAccRole::Chart) & StateBit(ATK_STATE_MANAGES_DESCENDANTS));
  EXPECT_FALSE(AtkStatesOf(0, TAccRole::ToolBar) & StateBit(ATK_STATE_MANAGES_DESCENDANTS));
  EXPECT_TRUE(AtkStatesOf(0, TAccRole::Dialog) & StateBit(ATK_STATE_MODAL));
}

TEST(AtkMappingTest, ActionsAndKeyBindingsInAtSpiTerms) {
  EXPECT_STREQ(ActionNameOf(kAccPress), "click");
  EXPECT_STREQ(ActionNameOf(kAccSwitch), "switch");
  EXPECT_STREQ(ActionNameOf(kAccOpen), "jump");
  EXPECT_STREQ(ActionNameOf(kAccSelect), "select");
  EXPECT_EQ(KeyBindingOf("Alt+R"), "<Alt>r");
  EXPECT_EQ(KeyBindingOf(""), "");
  EXPECT_EQ(KeyBindingOf("Ctrl+R"), "");
  EXPECT_EQ(KeyBindingOf("Alt+"), "");
}

}  // namespace
}  // namespace platform_atk
