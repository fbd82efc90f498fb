// The list's right-click menu, driven through the window's events as a user
// works it with the mouse and the keyboard; and what it copies.
#include "ui/popup_menu.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "ui/control_accessible.h"
#include "ui/form_dorvex_layout.h"
#include "ui/table_text.h"
#include "ui/tests/ui_fixture.h"

namespace {

class PopupMenuTest : public UiTest {
 protected:
  PopupMenuTest() {
    menu = form.Add<TPopupMenu>();
    menu->AddItem("复制", [this] { ran.push_back(0); });
    menu->AddItem("复制全部", [this] { ran.push_back(1); });
    list = form.RzLWMsg;
    list->PopupMenu = menu;
    form.TBRefresh->OnClick = [this] { ran.push_back(9); };  // Alt+R, unless a menu is up
    for (int i = 0; i < 3; ++i) {
      list->AddItem().SubItems = {"2009/3/" + std::to_string(i + 1), "", "", "A\tB", "正常关机"};
    }
    form.ShowWindow();
    window = platform.Windows().back();
  }
  TPoint AtRow(int row) const {
    const TRect r = list->ItemRect(row);
    return list->ClientToForm({r.Left + 40, r.Top + 2});
  }
  void Click(TMouseButton button, TPoint p) {
    form.WindowMouseDown(button, button == mbLeft ? ssLeft : ssRight, p);
    form.WindowMouseUp(button, 0, p);
  }
  bool Told(TAccEvent event) const {
    return std::ranges::any_of(window->AccEvents, [&](const auto& e) { return e.Event == event; });
  }
  // The form's last child node: the menu while it is up.
  bool MenuInTree() {
    TAccessible* root = form.Accessible();
    return root->Child(root->ChildCount() - 1)->Role() == TAccRole::PopupMenu;
  }

  TFormDorvexLayout form;
  TPopupMenu* menu = nullptr;
  TRzListView* list = nullptr;
  headless::THeadlessWindow* window = nullptr;
  std::vector<int> ran;
};

TEST_F(PopupMenuTest, ARightClickSelectsTheRowAndPopsTheMenuUpWhereReleased) {
  const TPoint p = AtRow(1);
  form.WindowMouseDown(mbRight, ssRight, p);
  EXPECT_EQ(list->ItemIndex(), 1);
  EXPECT_FALSE(menu->IsUp());
  form.WindowMouseUp(mbRight, 0, p);
  ASSERT_TRUE(menu->IsUp());
  EXPECT_EQ(menu->ClientToForm({0, 0}), p);
  EXPECT_EQ(form.ActiveControl(), menu);
  EXPECT_EQ(menu->HighlightIndex(), 0);
  // Wide enough for the longer caption between the check-mark column and the margin.
  EXPECT_EQ(menu->Width(), 2 * TPopupMenu::kFrame + TPopupMenu::kTextLeft +
                               Measure(menu->Font(), "复制全部").Width + TPopupMenu::kTextRight);
  // Painted over the list: the highlighted item in the selection colour.
  form.UpdateWindow();
  const TRect item = menu->ItemRect(0);
  EXPECT_EQ(PixelAt(form.Image(), menu->Left() + item.Left + 2, menu->Top() + item.Top + 1),
            gfx::ColorToRGB(gfx::clHighlight));
}

TEST_F(PopupMenuTest, TheKeyboardMovesTheHighlightRoundRunsAnItemOrOnlyCloses) {
  list->SetFocus();
  list->SetItemIndex(2);
  form.WindowKeyDown(Key_F10, ssShift);
  ASSERT_TRUE(menu->IsUp());
  EXPECT_EQ(menu->Top(), list->ClientToForm({0, list->ItemRect(2).Bottom}).Y);  // under the row
  const std::vector<std::pair<TKey, int>> steps = {{Key_Down, 1}, {Key_Down, 0}, {Key_Up, 1},
                                                   {Key_Home, 0}, {Key_End, 1},  {'R', 1}};
  for (const auto& [key, highlight] : steps) {
    form.WindowKeyDown(key, key == 'R' ? ssAlt : 0);  // every key goes to the menu alone
    EXPECT_EQ(menu->HighlightIndex(), highlight) << key;
  }
  form.WindowKeyDown(Key_Return, 0);
  EXPECT_EQ(ran, std::vector<int>{1});
  EXPECT_EQ(form.ActiveControl(), list);
  for (const TKey close : {Key_Escape, Key_Apps}) {
    form.WindowKeyDown(Key_Apps, 0);
    ASSERT_TRUE(menu->IsUp());
    form.WindowKeyDown(close, 0);
    EXPECT_FALSE(menu->IsUp());
  }
  // A press outside only closes it, and its release pops up nothing.
  Click(mbRight, AtRow(0));
  ASSERT_TRUE(menu->IsUp());
  Click(mbRight, list->ClientToForm({10, list->ItemRect(2).Top + 2}));
  EXPECT_FALSE(menu->IsUp());
  EXPECT_EQ(list->ItemIndex(), 0);
  form.WindowKeyDown(Key_Apps, 0);
  form.WindowDeactivated();
  EXPECT_FALSE(menu->IsUp());
  EXPECT_EQ(ran, std::vector<int>{1});
}

TEST_F(PopupMenuTest, AClickOnAnItemCopiesTheRowWithTheHeadersAsTabbedText) {
  Click(mbRight, AtRow(1));
  menu->SetHighlightIndex(-1);
  const TRect item = menu->ItemRect(0);
  Click(mbLeft, menu->ClientToForm({item.Left + 5, item.Top + 2}));
  EXPECT_EQ(ran, std::vector<int>{0});
  const std::string header =
      std::string("开机时间\t关机时间\t运行时长\t登录用户\t信息") + kLineBreak;
  auto row = [](int i) {
    return "2009/3/" + std::to_string(i) + "\t\t\tA B\t正常关机" + kLineBreak;
  };
  list->CopyToClipboard();
  EXPECT_EQ(platform.Clipboard, header + row(2));
  list->CopyAllToClipboard();
  EXPECT_EQ(platform.Clipboard, header + row(1) + row(2) + row(3));
  // Ctrl+A marks every row for copying only; the next step selects one again.
  list->SetFocus();
  form.WindowKeyDown('A', ssCtrl);
  EXPECT_TRUE(list->AllSelected());
  platform.Clipboard.clear();
  form.WindowKeyDown('C', ssCtrl);
  EXPECT_EQ(platform.Clipboard, header + row(1) + row(2) + row(3));
  form.WindowKeyDown(Key_Up, 0);
  EXPECT_FALSE(list->AllSelected());
  EXPECT_EQ(list->ItemIndex(), 0);
  // Without a selected row Ctrl+C copies nothing.
  list->Clear();
  platform.Clipboard = "kept";
  form.WindowKeyDown(Key_Insert, ssCtrl);
  EXPECT_EQ(platform.Clipboard, "kept");
}

TEST_F(PopupMenuTest, ReadersSeeTheMenuOnlyWhileItIsUpAndHearItsItems) {
  EXPECT_FALSE(MenuInTree());
  list->SetFocus();
  window->AccEvents.clear();
  form.WindowKeyDown(Key_Apps, 0);
  EXPECT_TRUE(MenuInTree());
  TControlAccessible* node = menu->Accessible();
  ASSERT_EQ(node->ChildCount(), 2);
  EXPECT_EQ(node->Child(1)->Role(), TAccRole::MenuItem);
  EXPECT_EQ(node->Child(1)->Name(), "复制全部");
  EXPECT_TRUE(Told(TAccEvent::MenuStart));
  ASSERT_FALSE(window->AccEvents.empty());
  EXPECT_EQ(window->AccEvents.back().Event, TAccEvent::Focus);
  EXPECT_EQ(window->AccEvents.back().Name, "复制");
  EXPECT_TRUE(node->Child(0)->States() & asFocused);
  EXPECT_TRUE(node->Child(1)->DoDefaultAction());
  EXPECT_EQ(ran, std::vector<int>{1});
  EXPECT_TRUE(Told(TAccEvent::MenuEnd));
  EXPECT_FALSE(MenuInTree());
}

}  // namespace
