// The accessible tree of the toolkit's controls, on the main window's layout
// shown on a headless window that records what the tree reports.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "ui/control_accessible.h"
#include "ui/form_dorvex_layout.h"
#include "ui/tests/accessible_dump.h"
#include "ui/tests/ui_fixture.h"

namespace {

class AccessibleControlsTest : public UiTest {
 protected:
  AccessibleControlsTest() {
    form.ShowWindow();
    window = static_cast<headless::THeadlessWindow*>(form.Window());
    list = form.RzLWMsg;
  }
  void AddRows(int n) {
    for (int i = 0; i < n; ++i) {
      TListItem& item = list->AddItem();
      item.SubItems = {"2009/3/" + std::to_string(i + 1) + " 9:00:00", "", "", "A", "正常关机"};
    }
  }
  TAccessible& Root() { return *form.WindowAccessible(); }
  TControlAccessible& Node(TControl* c) { return *c->Accessible(); }
  // The list's parts: the six column headers, then the rows.
  TAccessible& Row(int i) { return *Node(list).Child(6 + i); }
  // The events of one kind the window was told of since the last call, by name.
  std::vector<std::string> Events(TAccEvent kind) {
    std::vector<std::string> names;
    for (const auto& e : window->AccEvents) {
      if (e.Event == kind) {
        names.push_back(e.Name);
      }
    }
    return names;
  }
  std::vector<uint32_t> EventIds(TAccEvent kind) {
    std::vector<uint32_t> ids;
    for (const auto& e : window->AccEvents) {
      if (e.Event == kind) {
        ids.push_back(e.Id);
      }
    }
    return ids;
  }
  TPoint OnScreen(const TControl& c, TPoint p) const {
    return window->ClientToScreen(c.ClientToForm(p));
  }

  TFormDorvexLayout form;
  headless::THeadlessWindow* window = nullptr;
  TRzListView* list = nullptr;
};

TEST_F(AccessibleControlsTest, SpacersPanelsAndPicturesAreLeftOutTheirChildrenLifted) {
  // The toolbar's spacers are gone from between its buttons.
  TAccessible& bar = Node(form.RzToolbar1);
  ASSERT_EQ(bar.ChildCount(), 7);
  EXPECT_EQ(bar.Child(0), form.TBRefresh->Accessible());
  EXPECT_EQ(bar.Child(1), form.TBHelp->Accessible());
  EXPECT_EQ(bar.Child(2), form.TBAbout->Accessible());
  EXPECT_EQ(bar.Child(6), form.LabVer->Accessible());
  EXPECT_EQ(form.RzSpacer1->Accessible(), nullptr);
  // The header panel and its picture: the labels stand on the page itself.
  EXPECT_EQ(form.Panel1->Accessible(), nullptr);
  EXPECT_EQ(form.Image1->Accessible(), nullptr);
  TAccessible& page = Node(form.TabSheet1);
  ASSERT_EQ(page.ChildCount(), 4);
  EXPECT_EQ(page.Child(0), form.Label1->Accessible());
  EXPECT_EQ(page.Child(3), list->Accessible());
  EXPECT_EQ(Node(form.Label1).Parent(), &page);
  EXPECT_EQ(page.Parent(), form.RzPageControl1->Accessible());
  EXPECT_EQ(Root().Parent(), nullptr);
  EXPECT_EQ(Node(form.RzToolbar1).Parent(), &Root());
  EXPECT_EQ(bar.Child(7), nullptr);
  EXPECT_EQ(bar.Child(-1), nullptr);
}

TEST_F(AccessibleControlsTest, NamesDropTheAmpersandAndShortcutsNameTheAltLetter) {
  EXPECT_EQ(AccessibleText("刷新(&R)"), "刷新(R)");
  EXPECT_EQ(AccessibleText("A && B"), "A & B");
  EXPECT_EQ(AccessibleShortcut("刷新(&R)"), "Alt+R");
  EXPECT_EQ(AccessibleShortcut("a&x"), "Alt+X");
  EXPECT_EQ(AccessibleShortcut("A && B"), "");
  EXPECT_EQ(AccLine(Node(form.TBHelp)), "PushButton \"帮助(H)\" Alt+H [invisible] (按下)");
}

TEST_F(AccessibleControlsTest, ToolButtonsShowPressedWhileHeldAndTellIt) {
  TAccessible& button = Node(form.TBRefresh);
  TPoint p = form.TBRefresh->ClientToForm({40, 30});
  form.WindowMouseMove(0, p);
  form.WindowMouseDown(mbLeft, 0, p);
  EXPECT_TRUE(button.States() & asPressed);
  // State changes go out at the loop's next turn, once per node.
  form.SendAccessibilityEvents();
  form.WindowMouseUp(mbLeft, ssLeft, p);
  EXPECT_FALSE(button.States() & asPressed);
  EXPECT_EQ(Events(TAccEvent::StateChange), (std::vector<std::string>{"刷新(R)"}));
  form.SendAccessibilityEvents();
  EXPECT_EQ(Events(TAccEvent::StateChange), (std::vector<std::string>{"刷新(R)", "刷新(R)"}));
}

TEST_F(AccessibleControlsTest, RowsAreNamedByTheirCellsAndScrolledOutRowsAreOffScreen) {
  AddRows(40);
  list->Item(0).Caption = "x";
  ASSERT_GT(list->MaxTopIndex(), 0);
  EXPECT_EQ(Row(0).Name(), "x, 2009/3/1 9:00:00, A, 正常关机");
  EXPECT_EQ(Row(1).Name(), "2009/3/2 9:00:00, A, 正常关机");
  EXPECT_EQ(Node(list).ChildCount(), 46);
  EXPECT_EQ(Node(list).Child(1)->Name(), "开机时间");
  EXPECT_EQ(Node(list).Child(1)->Role(), TAccRole::ColumnHeader);
  const int shown = list->VisibleRowCount();
  EXPECT_EQ(Row(0).States(), asSelectable | asFocusable);
  EXPECT_EQ(Row(shown + 1).States(), asSelectable | asFocusable | asOffscreen);
  list->SetTopIndex(5);
  EXPECT_TRUE(Row(0).States() & asOffscreen);
  EXPECT_FALSE(Row(5).States() & asOffscreen);
  // Out of view a row keeps its place above the others.
  const TRect r = list->ItemRect(5);
  EXPECT_EQ(Row(0).ScreenBounds().Bottom, Row(5).ScreenBounds().Top - 4 * list->RowHeight());
  // The hit test finds rows and headers by the list's own geometry.
  EXPECT_EQ(Root().HitTest(OnScreen(*list, {r.Left + 30, r.Top + 1})), &Row(5));
  const TRect header = list->ViewRect();
  EXPECT_EQ(Root().HitTest(OnScreen(*list, {header.Left + 20, header.Top + 2})),
            Node(list).Child(1));
  // Below the last column: the list itself.
  list->Clear();
  AddRows(1);
  EXPECT_EQ(Root().HitTest(OnScreen(*list, {100, list->Height() - 5})), &Node(list));
}

TEST_F(AccessibleControlsTest, ClearingTheListReplacesItsRowsAndReordersOnce) {
  AddRows(3);
  const uint32_t oldRow = Row(1).Id();
  const uint32_t header = Node(list).Child(1)->Id();
  EXPECT_EQ(FindAccessible(oldRow), &Row(1));
  form.UpdateWindow();
  window->AccEvents.clear();
  list->Clear();
  EXPECT_EQ(FindAccessible(oldRow), nullptr);
  AddRows(3);
  EXPECT_TRUE(EventIds(TAccEvent::Reorder).empty());  // gathered until the repaint
  form.UpdateWindow();
  EXPECT_EQ(EventIds(TAccEvent::Reorder), (std::vector<uint32_t>{list->Accessible()->Id()}));
  EXPECT_NE(Row(1).Id(), oldRow);
  EXPECT_EQ(Row(1).Name(), "2009/3/2 9:00:00, A, 正常关机");
  EXPECT_EQ(Node(list).Child(1)->Id(), header);
  // A row changed in place keeps its node and tells its new name.
  const uint32_t kept = Row(2).Id();
  list->Item(2).SubItems[3] = "B";
  list->ItemChanged(2);
  EXPECT_EQ(Row(2).Id(), kept);
  EXPECT_EQ(Events(TAccEvent::NameChange).back(), "2009/3/3 9:00:00, B, 正常关机");
  // Fewer columns: the rows follow the headers that are left.
  list->SetColumns({{"a", 50, false}, {"b", 50, false}});
  EXPECT_EQ(Node(list).ChildCount(), 5);
  EXPECT_EQ(Node(list).Child(1)->Name(), "b");
  EXPECT_EQ(Node(list).Child(2)->Name(), "2009/3/1 9:00:00");
  EXPECT_EQ(Node(list).Child(5), nullptr);
}

TEST_F(AccessibleControlsTest, SelectingARowSelectsItAndTellsTheSelectionAndFocus) {
  AddRows(40);
  list->SetFocus();
  window->AccEvents.clear();
  EXPECT_EQ(Row(30).DefaultAction(), "选择");
  EXPECT_TRUE(Row(30).DoDefaultAction());
  EXPECT_EQ(list->ItemIndex(), 30);
  EXPECT_FALSE(Row(30).States() & asOffscreen);  // scrolled into view
  EXPECT_EQ(Row(30).States(), asSelectable | asSelected | asFocusable | asFocused);
  EXPECT_EQ(EventIds(TAccEvent::Selection), (std::vector<uint32_t>{Row(30).Id()}));
  EXPECT_EQ(EventIds(TAccEvent::Focus), (std::vector<uint32_t>{Row(30).Id()}));
  EXPECT_EQ(Root().FocusedNode(), &Row(30));
  EXPECT_TRUE(Row(2).TakeSelection());
  EXPECT_EQ(list->ItemIndex(), 2);
  // Hidden, it can be selected no more.
  form.TabSheet1->SetVisible(false);
  EXPECT_FALSE(Row(3).TakeSelection());
  EXPECT_EQ(list->ItemIndex(), 2);
}

TEST_F(AccessibleControlsTest, ALongListAnswersForItsLastRowWithoutANodePerRow) {
  AddRows(5000);
  list->SetFocus();
  list->SetItemIndex(4999);
  TAccessible& root = Root();
  TAccessible& last = Row(4999);
  // Nodes are numbered as they are made: one made before the questions and one
  // after them are numbered in turn when none was made for the rows between.
  const uint32_t before = Row(1000).Id();
  EXPECT_EQ(last.IndexInParent(), 6 + 4999);
  EXPECT_EQ(Node(list).Child(last.IndexInParent()), &last);
  EXPECT_EQ(Node(list).SelectedChildren(), (std::vector<TAccessible*>{&last}));
  EXPECT_EQ(Node(list).FocusedNode(), &last);
  EXPECT_EQ(root.FocusedNode(), &last);
  EXPECT_EQ(Row(2500).Id(), before + 1);
  // A control counts its place among its parent's children.
  TAccessible& pages = Node(form.RzPageControl1);
  TAccessible& sheet = Node(form.TabSheet1);
  EXPECT_EQ(pages.Child(sheet.IndexInParent()), &sheet);
  EXPECT_EQ(Root().IndexInParent(), -1);
  // Nothing selected: no row.
  list->SetItemIndex(-1);
  EXPECT_TRUE(Node(list).SelectedChildren().empty());
}

TEST_F(AccessibleControlsTest, TabsAreSelectedByTheirDefaultActionAndTellIt) {
  TAccessible& pages = Node(form.RzPageControl1);
  TAccessible& tab0 = *pages.Child(0);
  TAccessible& tab1 = *pages.Child(1);
  EXPECT_EQ(AccLine(tab0), "PageTab \"日志\" [focusable focused selectable selected] (切换)");
  EXPECT_EQ(AccLine(tab1), "PageTab \"图表\" [focusable selectable] (切换)");
  // Sized from its bold caption, 3 pixels below the control's top.
  const gfx::TFont& font = form.RzPageControl1->Font();
  const int tabWidth = std::max(Measure(font, "日志").Width, Measure(font, "AAA").Width) + 16;
  const TPoint tabAt = OnScreen(*form.RzPageControl1, {0, 3});
  EXPECT_EQ(tab0.ScreenBounds(), Bounds(tabAt.X, tabAt.Y, tabWidth, 20));
  window->AccEvents.clear();
  EXPECT_TRUE(tab1.DoDefaultAction());
  EXPECT_EQ(form.RzPageControl1->TabIndex(), 1);
  EXPECT_EQ(Events(TAccEvent::Selection), (std::vector<std::string>{"图表"}));
  EXPECT_EQ(Events(TAccEvent::Focus), (std::vector<std::string>{"图表"}));
  EXPECT_TRUE(Node(form.TabSheet1).States() & asInvisible);
  EXPECT_FALSE(Node(form.TabSheet2).States() & asInvisible);
  EXPECT_TRUE(Node(list).States() & asInvisible);
  // The shown page lies over the hidden one: the hit test finds the shown one.
  const TPoint inPages = OnScreen(*form.TabSheet2, {300, 200});
  EXPECT_EQ(Root().HitTest(inPages), &Node(form.TabSheet2));
  EXPECT_EQ(Root().HitTest(OnScreen(*form.RzPageControl1, {5, 10})), &tab0);
  // A caption change tells both the page and its tab.
  window->AccEvents.clear();
  form.TabSheet2->SetCaption("图&表");
  EXPECT_EQ(Events(TAccEvent::NameChange), (std::vector<std::string>{"图表", "图表"}));
}

TEST_F(AccessibleControlsTest, FocusedListWithoutSelectionFramesItsFocusedRow) {
  AddRows(5);
  form.UpdateWindow();
  const TRect row =
      list->ItemRect(0).Offset(list->ClientToForm({0, 0}).X, list->ClientToForm({0, 0}).Y);
  auto pixel = [&](int x, int y) { return PixelAt(window->Screen, x, y); };
  // One pixel of the dotted frame on the row's top edge and its neighbour.
  const int x = row.Left + 40 + ((row.Left + 40 + row.Top) & 1);
  const gfx::TColor blank = pixel(x, row.Top);
  const gfx::TColor between = pixel(x + 1, row.Top);
  list->SetFocus();
  form.UpdateWindow();
  EXPECT_EQ(pixel(x, row.Top), gfx::TColor(blank ^ 0xFFFFFF));
  EXPECT_EQ(pixel(x + 1, row.Top), between);
  EXPECT_EQ(list->FocusedIndex(), 0);
  // The frame's left and bottom edges; nothing on the next row.
  const int y = row.Top + 2 + ((row.Left + row.Top) & 1);
  EXPECT_NE(pixel(row.Left, y), blank);
  const TRect next = row.Offset(0, list->RowHeight());
  EXPECT_EQ(pixel(x, next.Top), blank);
  // Unfocused, the frame goes.
  form.SetActiveControl(form.RzPageControl1);
  form.UpdateWindow();
  EXPECT_EQ(pixel(x, row.Top), blank);
}

TEST_F(AccessibleControlsTest, KeysSelectTheFocusedRowFirst) {
  AddRows(5);
  list->SetFocus();
  list->SetItemIndex(3);
  list->SetItemIndex(-1);
  // The frame stays on the row last selected; Space and the arrows select it.
  EXPECT_EQ(list->FocusedIndex(), 3);
  form.WindowKeyDown(Key_Space, 0);
  EXPECT_EQ(list->ItemIndex(), 3);
  list->SetItemIndex(-1);
  form.WindowKeyDown(Key_Down, 0);
  EXPECT_EQ(list->ItemIndex(), 3);
  form.WindowKeyDown(Key_Down, 0);
  EXPECT_EQ(list->ItemIndex(), 4);
  // After a refill the frame starts on the first row again.
  list->Clear();
  AddRows(5);
  EXPECT_EQ(list->FocusedIndex(), 0);
  form.WindowKeyDown(Key_Up, 0);
  EXPECT_EQ(list->ItemIndex(), 0);
  list->Clear();
  EXPECT_EQ(list->FocusedIndex(), -1);
  EXPECT_EQ(Node(list).FocusTarget(), &Node(list));
}

TEST_F(AccessibleControlsTest, ShowingTheWindowTellsTheFocusAndLabelsTellNewNames) {
  TFormDorvexLayout other;
  other.ShowWindow();
  auto* w = static_cast<headless::THeadlessWindow*>(other.Window());
  ASSERT_EQ(w->AccEvents.size(), 1u);
  EXPECT_EQ(w->AccEvents[0].Event, TAccEvent::Focus);
  EXPECT_EQ(w->AccEvents[0].Name, "日志");  // the page control's selected tab
  // A label no reader has read yet is known to none: nothing to tell.
  other.LabTimeText->SetCaption("1 分");
  EXPECT_EQ(w->AccEvents.size(), 1u);
  // A reader reads the tree, the label with it.
  EXPECT_NE(AccTree(*other.WindowAccessible()).find("StaticText \"1 分\""), std::string::npos);
  other.LabTimeText->SetCaption("2 分");
  ASSERT_EQ(w->AccEvents.size(), 2u);
  EXPECT_EQ(w->AccEvents[1].Event, TAccEvent::NameChange);
  EXPECT_EQ(w->AccEvents[1].Name, "2 分");
  // A window that was never shown tells nothing.
  TFormDorvexLayout hidden;
  hidden.LabTimeText->SetCaption("1 分");
  EXPECT_EQ(hidden.Window(), nullptr);
}

}  // namespace

TEST_F(AccessibleControlsTest, EveryCaptionRepaintsAndTellsOnlyWhenItChanges) {
  // Every kind that shows a caption; a reader has read them all.
  const std::vector<TControl*> shown = {form.TBRefresh, form.RzStatusPane1, form.Label1, &form};
  AccTree(Root());
  for (TControl* c : shown) {
    SCOPED_TRACE(c->Name);
    form.UpdateWindow();
    window->AccEvents.clear();
    const std::string before = c->Caption();
    c->SetCaption(before);
    EXPECT_FALSE(form.HasDirtyAreas());
    EXPECT_TRUE(window->AccEvents.empty());
    c->SetCaption(before + "x");
    EXPECT_EQ(c->Caption(), before + "x");
    EXPECT_EQ(Events(TAccEvent::NameChange),
              (std::vector<std::string>{AccessibleText(before + "x")}));
    if (c != &form) {
      ASSERT_TRUE(form.HasDirtyAreas());
      const TRect dirty = form.DirtyAreas().back();
      EXPECT_TRUE(dirty.Intersect(c->FormRect()) == c->FormRect());
    }
  }
  // The window's caption is its title bar's.
  EXPECT_EQ(window->Title, "Dorvexx");
}

TEST_F(AccessibleControlsTest, TheListIsATableOfItsColumnsWithHeaders) {
  AddRows(3);
  list->Item(1).Caption = "x";
  TAccTable* table = Node(list).Table();
  ASSERT_NE(table, nullptr);
  EXPECT_EQ(table->RowCount(), 3);
  // The state picture's column has no header and no text: the table leaves it out.
  ASSERT_EQ(table->ColumnCount(), 5);
  EXPECT_EQ(table->ColumnHeader(0), "开机时间");
  EXPECT_EQ(table->ColumnHeader(4), "信息");
  EXPECT_EQ(table->ColumnHeader(5), "");
  EXPECT_EQ(table->CellText(2, 0), "2009/3/3 9:00:00");
  EXPECT_EQ(table->CellText(2, 3), "A");
  EXPECT_EQ(table->CellText(2, 4), "正常关机");
  EXPECT_EQ(table->CellText(3, 0), "");
  EXPECT_EQ(table->CellText(0, -1), "");
  // Rows and headers are the list's own children, which know their row.
  EXPECT_EQ(table->RowNode(2), &Row(2));
  EXPECT_EQ(Row(2).TableRow(), 2);
  EXPECT_EQ(table->RowNode(3), nullptr);
  EXPECT_EQ(table->HeaderNode(0), Node(list).Child(1));
  EXPECT_EQ(table->HeaderNode(5), nullptr);
  EXPECT_EQ(Node(list).Child(1)->TableRow(), -1);
  // A row with fewer cells than columns reads empty cells.
  list->Item(0).SubItems.resize(1);
  EXPECT_EQ(table->CellText(0, 2), "");
  // Other nodes show no table.
  EXPECT_EQ(Root().Table(), nullptr);
}
