// The ATK objects over the program's windows, as the bridge hands them to a
// reader: the main window after the start-up refresh of the worked example,
// its table, actions, events and the about window. No bus: ATK alone.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/form_dorvex.h"
#include "app/tests/boot_logs.h"
#include "bootlog/fixture_source.h"
#include "platform/headless/headless_platform.h"
#include "platform/linux/atk/atk_application.h"
#include "platform/linux/atk/atk_events.h"
#include "platform/linux/atk/atk_node.h"
#include "platform/linux/atk/atk_state.h"
#include "ui/about/form_about.h"
#include "ui/application.h"
#include "ui/control_accessible.h"
#include "ui/timer.h"

namespace platform_atk {
namespace {

std::string NameOf(AtkObject* object) {
  const char* name = atk_object_get_name(object);
  return name ? name : "";
}

bool Has(AtkObject* object, AtkStateType state) {
  AtkStateSet* set = atk_object_ref_state_set(object);
  const bool has = atk_state_set_contains_state(set, state);
  g_object_unref(set);
  return has;
}

// The first object below `from` with that role and name, depth first, as a
// reader walks: rows and bars are asked for one by one, not walked.
AtkObject* Find(AtkObject* from, AtkRole role, const std::string& name) {
  if (Has(from, ATK_STATE_MANAGES_DESCENDANTS)) {
    return nullptr;
  }
  for (int i = 0; i < atk_object_get_n_accessible_children(from); ++i) {
    AtkObject* child = atk_object_ref_accessible_child(from, i);
    if (child == nullptr) {
      continue;
    }
    // The layer keeps the object; the reference a reader gets is its own.
    g_object_unref(child);
    if (atk_object_get_role(child) == role && NameOf(child) == name) {
      return child;
    }
    if (AtkObject* found = Find(child, role, name)) {
      return found;
    }
  }
  return nullptr;
}

// Every signal of one name any object emits, with the object's name then.
struct TSignalLog {
  struct TRecord {
    AtkObject* Object;
    std::string Detail;
    std::string Name;
    bool Value;
    gpointer Arg;
  };
  explicit TSignalLog(const char* signal, GType type = ATK_TYPE_OBJECT) {
    iface = G_TYPE_IS_INTERFACE(type) ? g_type_default_interface_ref(type) : nullptr;
    id = g_signal_lookup(signal, type);
    hook = g_signal_add_emission_hook(id, 0, Record, this, nullptr);
  }
  ~TSignalLog() {
    g_signal_remove_emission_hook(id, hook);
    if (iface != nullptr) {
      g_type_default_interface_unref(iface);
    }
  }
  static gboolean Record(GSignalInvocationHint* hint, guint count, const GValue* values,
                         gpointer data) {
    auto* log = static_cast<TSignalLog*>(data);
    AtkObject* object = ATK_OBJECT(g_value_get_object(&values[0]));
    TRecord r{object, hint->detail ? g_quark_to_string(hint->detail) : "", "", false, nullptr};
    if (NodeOf(object) != nullptr) {
      r.Name = NameOf(object);
    }
    if (count > 2 && G_VALUE_HOLDS_BOOLEAN(&values[2])) {
      r.Value = g_value_get_boolean(&values[2]);
    }
    for (guint i = 1; i < count && r.Arg == nullptr; ++i) {
      if (G_VALUE_HOLDS_POINTER(&values[i])) {
        r.Arg = g_value_get_pointer(&values[i]);
      }
    }
    if (count > 1 && G_VALUE_HOLDS_STRING(&values[1]) && r.Detail.empty()) {
      r.Detail = g_value_get_string(&values[1]);
    }
    log->records.push_back(r);
    return TRUE;
  }
  // The names of the objects a detail was signalled for, with that value.
  std::vector<std::string> Names(const std::string& detail, bool value = true) const {
    std::vector<std::string> names;
    for (const TRecord& r : records) {
      if (r.Detail == detail && r.Value == value) {
        names.push_back(r.Name);
      }
    }
    return names;
  }
  gpointer iface = nullptr;
  guint id = 0;
  gulong hook = 0;
  std::vector<TRecord> records;
};

class AtkLayerTest : public ::testing::Test {
 protected:
  AtkLayerTest() {
    app = std::make_unique<TApplication>(platform);
    TFormDorvex::TSources sources;
    sources.OpenLog = [this]() -> std::unique_ptr<SessionSource> {
      ++opened;
      return FixtureLogFromText(log, "log");
    };
    form = std::make_unique<TFormDorvex>(96, std::move(sources));
    app->MainForm = form.get();
    form->DoCreate();
    form->ShowWindow();
    window = static_cast<headless::THeadlessWindow*>(form->Window());
    state.Poster = [this](std::function<void()> action) { posted.push_back(std::move(action)); };
    root = ObjectOf(*form->WindowAccessible());
  }
  ~AtkLayerTest() override {
    form.reset();
    ReportGoneObjects();
  }
  // What the window's tree reported, told to readers as the bridge would.
  void Relay() {
    app->UpdateWindows();
    std::vector<headless::THeadlessWindow::TAccRecord> events;
    events.swap(window->AccEvents);
    for (const auto& e : events) {
      if (TAccessible* node = FindAccessible(e.Id)) {
        SendAccessibilityEvent(e.Event, *node);
      }
    }
  }
  void RunPosted() {
    std::vector<std::function<void()>> actions;
    actions.swap(posted);
    for (auto& a : actions) {
      a();
    }
  }
  AtkObject* List() { return ObjectOf(*form->RzLWMsg->Accessible()); }

  TAtkState state;
  headless::THeadlessPlatform platform;
  std::unique_ptr<TApplication> app;
  std::string log = WorkedExample();
  int opened = 0;
  std::unique_ptr<TFormDorvex> form;
  headless::THeadlessWindow* window = nullptr;
  std::vector<std::function<void()>> posted;
  AtkObject* root = nullptr;
};

TEST_F(AtkLayerTest, FrameToolbarButtonsPanesTabsAndChartAsAReaderFindsThem) {
  EXPECT_EQ(atk_object_get_role(root), ATK_ROLE_FRAME);
  EXPECT_EQ(NameOf(root), "Dorvex");
  AtkObject* refresh = Find(root, ATK_ROLE_PUSH_BUTTON, "刷新(R)");
  ASSERT_NE(refresh, nullptr);
  EXPECT_EQ(atk_object_get_role(atk_object_get_parent(refresh)), ATK_ROLE_TOOL_BAR);
  ASSERT_TRUE(ATK_IS_ACTION(refresh));
  EXPECT_EQ(atk_action_get_n_actions(ATK_ACTION(refresh)), 1);
  EXPECT_STREQ(atk_action_get_name(ATK_ACTION(refresh), 0), "click");
  EXPECT_STREQ(atk_action_get_localized_name(ATK_ACTION(refresh), 0), "按下");
  EXPECT_STREQ(atk_action_get_keybinding(ATK_ACTION(refresh), 0), "<Alt>r");
  EXPECT_EQ(atk_action_get_name(ATK_ACTION(refresh), 1), nullptr);
  // Tool buttons take no focus in this toolkit: they act on Alt and their letter.
  EXPECT_FALSE(Has(refresh, ATK_STATE_FOCUSABLE));
  for (AtkStateType s :
       {ATK_STATE_ENABLED, ATK_STATE_SENSITIVE, ATK_STATE_VISIBLE, ATK_STATE_SHOWING}) {
    EXPECT_TRUE(Has(refresh, s)) << atk_state_type_get_name(s);
  }
  EXPECT_FALSE(ATK_IS_TEXT(refresh));
  // The help button is hidden on this layout.
  AtkObject* help = Find(root, ATK_ROLE_PUSH_BUTTON, "帮助(H)");
  ASSERT_NE(help, nullptr);
  EXPECT_FALSE(Has(help, ATK_STATE_VISIBLE));
  EXPECT_FALSE(Has(help, ATK_STATE_SHOWING));
  // Its place: where the model says, in screen and window coordinates.
  gint x, y, w, h;
  atk_component_get_extents(ATK_COMPONENT(refresh), &x, &y, &w, &h, ATK_XY_WINDOW);
  EXPECT_EQ(x, 4);
  EXPECT_EQ(y, 0);
  EXPECT_EQ(w, 80);
  EXPECT_EQ(h, 60);

  // The heading names the list, both ways.
  AtkObject* heading = Find(root, ATK_ROLE_LABEL, "开机/关机日志");
  AtkRelationSet* ofList = atk_object_ref_relation_set(List());
  AtkRelationSet* ofHeading = atk_object_ref_relation_set(heading);
  EXPECT_TRUE(atk_relation_set_contains_target(ofList, ATK_RELATION_LABELLED_BY, heading));
  EXPECT_TRUE(atk_relation_set_contains_target(ofHeading, ATK_RELATION_LABEL_FOR, List()));
  g_object_unref(ofList);
  g_object_unref(ofHeading);
  AtkObject* records = Find(root, ATK_ROLE_LABEL, "记录数:3");
  ASSERT_NE(records, nullptr);
  EXPECT_EQ(atk_object_get_role(atk_object_get_parent(records)), ATK_ROLE_STATUSBAR);

  AtkObject* tabs = Find(root, ATK_ROLE_PAGE_TAB_LIST, "");
  ASSERT_NE(tabs, nullptr);
  ASSERT_TRUE(ATK_IS_SELECTION(tabs));
  ASSERT_EQ(atk_selection_get_selection_count(ATK_SELECTION(tabs)), 1);
  AtkObject* selected = atk_selection_ref_selection(ATK_SELECTION(tabs), 0);
  EXPECT_EQ(NameOf(selected), "日志");
  EXPECT_EQ(atk_object_get_role(selected), ATK_ROLE_PAGE_TAB);
  EXPECT_STREQ(atk_action_get_name(ATK_ACTION(selected), 0), "switch");
  g_object_unref(selected);
  EXPECT_TRUE(atk_selection_add_selection(ATK_SELECTION(tabs), 1));
  EXPECT_TRUE(atk_selection_is_child_selected(ATK_SELECTION(tabs), 1));
  EXPECT_FALSE(atk_selection_is_child_selected(ATK_SELECTION(tabs), 0));

  // The chart's page is shown now, and painted by the loop: its bars are images
  // named as their tips, with the unit.
  app->UpdateWindows();
  AtkObject* chart = Find(root, ATK_ROLE_CHART, "运行时间图表");
  ASSERT_NE(chart, nullptr);
  EXPECT_TRUE(Has(chart, ATK_STATE_MANAGES_DESCENDANTS));
  ASSERT_EQ(atk_object_get_n_accessible_children(chart), 3);
  AtkObject* bar = atk_object_ref_accessible_child(chart, 0);
  EXPECT_EQ(atk_object_get_role(bar), ATK_ROLE_IMAGE);
  EXPECT_EQ(NameOf(bar), "2009-11-16 12 小时");
  EXPECT_TRUE(Has(bar, ATK_STATE_SHOWING));
  EXPECT_EQ(atk_object_get_index_in_parent(bar), 0);
  g_object_unref(bar);
}

TEST_F(AtkLayerTest, TheListIsATableOfRecordsWithHeadersCellsAndRowSelection) {
  AtkObject* list = List();
  EXPECT_EQ(atk_object_get_role(list), ATK_ROLE_TABLE);
  EXPECT_TRUE(Has(list, ATK_STATE_MANAGES_DESCENDANTS));
  ASSERT_TRUE(ATK_IS_TABLE(list));
  AtkTable* table = ATK_TABLE(list);
  EXPECT_EQ(atk_table_get_n_rows(table), 3);
  ASSERT_EQ(atk_table_get_n_columns(table), 5);
  const char* headers[] = {"开机时间", "关机时间", "运行时长", "登录用户", "信息"};
  for (int c = 0; c < 5; ++c) {
    EXPECT_STREQ(atk_table_get_column_description(table, c), headers[c]);
    AtkObject* header = atk_table_get_column_header(table, c);
    ASSERT_NE(header, nullptr);
    EXPECT_EQ(atk_object_get_role(header), ATK_ROLE_COLUMN_HEADER);
    EXPECT_EQ(NameOf(header), headers[c]);
  }
  const char* oldest[] = {"2009/11/16 9:00:00", "2009/11/16 21:00:00", "12 时", "A", "正常关机"};
  for (int c = 0; c < 5; ++c) {
    AtkObject* cell = atk_table_ref_at(table, 2, c);
    ASSERT_NE(cell, nullptr);
    EXPECT_EQ(NameOf(cell), oldest[c]);
    EXPECT_EQ(atk_object_get_role(cell), ATK_ROLE_TABLE_CELL);
    g_object_unref(cell);
  }
  EXPECT_EQ(atk_table_ref_at(table, 3, 0), nullptr);
  EXPECT_EQ(atk_table_ref_at(table, 0, 5), nullptr);

  // A cell knows its place, header and table; its parent is its row.
  AtkObject* cell = atk_table_ref_at(table, 1, 3);
  ASSERT_TRUE(ATK_IS_TABLE_CELL(cell));
  gint row = -1, column = -1;
  EXPECT_TRUE(atk_table_cell_get_position(ATK_TABLE_CELL(cell), &row, &column));
  EXPECT_EQ(row, 1);
  EXPECT_EQ(column, 3);
  GPtrArray* cellHeaders = atk_table_cell_get_column_header_cells(ATK_TABLE_CELL(cell));
  ASSERT_EQ(cellHeaders->len, 1u);
  EXPECT_EQ(NameOf(ATK_OBJECT(g_ptr_array_index(cellHeaders, 0))), "登录用户");
  g_ptr_array_unref(cellHeaders);
  AtkObject* tableOfCell = atk_table_cell_get_table(ATK_TABLE_CELL(cell));
  EXPECT_EQ(tableOfCell, list);
  g_object_unref(tableOfCell);
  AtkObject* rowObject = atk_object_get_parent(cell);
  EXPECT_EQ(atk_object_get_role(rowObject), ATK_ROLE_TABLE_ROW);
  EXPECT_EQ(NameOf(rowObject), "2009/11/21 9:00:00, B, 非正常关机");
  EXPECT_EQ(atk_object_get_n_accessible_children(rowObject), 5);
  EXPECT_EQ(atk_object_get_index_in_parent(cell), 3);
  // The table's children are its rows: the second row is "2 of 3".
  EXPECT_EQ(atk_object_get_index_in_parent(rowObject), 1);
  EXPECT_EQ(atk_object_get_n_accessible_children(list), 3);
  EXPECT_EQ(atk_object_get_index_in_parent(atk_table_get_column_header(table, 0)), -1);
  g_object_unref(cell);

  // Selecting a row through the table.
  EXPECT_EQ(atk_table_get_selected_rows(table, nullptr), 0);
  EXPECT_TRUE(atk_table_add_row_selection(table, 1));
  EXPECT_TRUE(atk_table_is_row_selected(table, 1));
  EXPECT_FALSE(atk_table_is_row_selected(table, 0));
  gint* rows = nullptr;
  ASSERT_EQ(atk_table_get_selected_rows(table, &rows), 1);
  EXPECT_EQ(rows[0], 1);
  g_free(rows);
  EXPECT_TRUE(Has(rowObject, ATK_STATE_SELECTED));
  AtkObject* selected = atk_selection_ref_selection(ATK_SELECTION(list), 0);
  EXPECT_EQ(selected, rowObject);
  g_object_unref(selected);
}

TEST_F(AtkLayerTest, ActionsRunFromTheLoopAfterTheReadersCall) {
  AtkObject* refresh = Find(root, ATK_ROLE_PUSH_BUTTON, "刷新(R)");
  ASSERT_NE(refresh, nullptr);
  const int before = opened;
  EXPECT_TRUE(atk_action_do_action(ATK_ACTION(refresh), 0));
  EXPECT_FALSE(atk_action_do_action(ATK_ACTION(refresh), 1));
  EXPECT_EQ(opened, before);
  RunPosted();
  EXPECT_EQ(opened, before + 1);
  // A row whose action is asked for and which goes before it runs: nothing happens.
  AtkObject* cell = atk_table_ref_at(ATK_TABLE(List()), 0, 0);
  AtkObject* row = atk_object_get_parent(cell);
  EXPECT_TRUE(atk_action_do_action(ATK_ACTION(row), 0));
  form->TBRefresh->Click();
  RunPosted();
  EXPECT_EQ(form->RzLWMsg->ItemIndex(), -1);
  g_object_unref(cell);
}

TEST_F(AtkLayerTest, ARefillLeavesTheOldRowsAndBarsDefunctAndTellsTheirRemoval) {
  AtkObject* cell = atk_table_ref_at(ATK_TABLE(List()), 2, 0);
  AtkObject* row = ATK_OBJECT(g_object_ref(atk_object_get_parent(cell)));
  AtkObject* chart = ObjectOf(*form->Chart1->Accessible());
  AtkObject* bar = atk_object_ref_accessible_child(chart, 1);
  TSignalLog states("state-change");
  TSignalLog children("children-changed");
  TSignalLog models("model-changed", ATK_TYPE_TABLE);
  log += ShutdownLine(At(2009, 11, 26, 8, 0));

  form->TBRefresh->Click();
  Relay();

  for (AtkObject* gone : {cell, row, bar}) {
    EXPECT_TRUE(Has(gone, ATK_STATE_DEFUNCT));
    EXPECT_FALSE(Has(gone, ATK_STATE_SHOWING));
    EXPECT_EQ(atk_object_get_name(gone), nullptr);
    EXPECT_EQ(atk_object_get_n_accessible_children(gone), 0);
    EXPECT_EQ(atk_object_ref_accessible_child(gone, 0), nullptr);
    gint x = 1, y = 1, w = 1, h = 1;
    atk_component_get_extents(ATK_COMPONENT(gone), &x, &y, &w, &h, ATK_XY_SCREEN);
    EXPECT_EQ(w, 0);
  }
  EXPECT_FALSE(atk_action_do_action(ATK_ACTION(row), 0));
  // Each went with one defunct event; the row and the bar left their parents.
  int defunct = 0;
  for (const auto& r : states.records) {
    defunct += r.Detail == "defunct" && r.Value ? 1 : 0;
  }
  EXPECT_EQ(defunct, 3);
  std::vector<gpointer> removed;
  for (const auto& r : children.records) {
    if (r.Detail == "remove") {
      removed.push_back(r.Arg);
    }
  }
  std::sort(removed.begin(), removed.end());
  std::vector<gpointer> expected{row, bar};
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(removed, expected);
  const std::vector<AtkObject*> left = Objects();
  for (AtkObject* gone : {cell, row, bar}) {
    EXPECT_EQ(std::count(left.begin(), left.end(), gone), 0);
  }
  ASSERT_EQ(models.records.size(), 1u);
  EXPECT_EQ(models.records[0].Object, List());
  // The new rows are new objects that read the new table.
  // The new record, read after the others (the log is newest first), ends the table.
  AtkObject* newest = atk_table_ref_at(ATK_TABLE(List()), 3, 1);
  EXPECT_NE(newest, cell);
  EXPECT_EQ(atk_table_get_n_rows(ATK_TABLE(List())), 4);
  EXPECT_EQ(NameOf(newest), "2009/11/26 8:00:00");
  g_object_unref(newest);
  g_object_unref(cell);
  g_object_unref(row);
  g_object_unref(bar);
}

TEST_F(AtkLayerTest, KeysTellFocusSelectionAndTheListsActiveDescendant) {
  TSignalLog states("state-change");
  TSignalLog descendants("active-descendant-changed");
  TSignalLog selections("selection-changed", ATK_TYPE_SELECTION);
  Relay();  // the focus the window was shown with
  form->RzLWMsg->SetFocus();
  Relay();
  form->WindowKeyDown(Key_Down, 0);
  Relay();
  // The focus went from the selected tab (told when the window was shown) to
  // the list, told on the table while its first row is not selected; the first
  // Down selects that row and tells it.
  const std::string first = "2009/11/25 8:00:00, B, 正常,运行中...";
  EXPECT_EQ(states.Names("focused"), (std::vector<std::string>{"日志", "开机/关机日志", first}));
  EXPECT_EQ(states.Names("focused", false), std::vector<std::string>{"日志"});
  EXPECT_EQ(states.Names("selected"), std::vector<std::string>{first});
  form->WindowKeyDown(Key_Down, 0);
  Relay();
  const std::string second = "2009/11/21 9:00:00, B, 非正常关机";
  EXPECT_EQ(states.Names("focused").back(), second);
  EXPECT_EQ(states.Names("focused", false).back(), first);
  EXPECT_EQ(states.Names("selected").back(), second);
  EXPECT_EQ(states.Names("selected", false).back(), first);
  ASSERT_FALSE(descendants.records.empty());
  EXPECT_EQ(descendants.records.back().Object, List());
  EXPECT_EQ(NameOf(ATK_OBJECT(descendants.records.back().Arg)), second);
  ASSERT_FALSE(selections.records.empty());
  EXPECT_EQ(selections.records.back().Object, List());
}

TEST_F(AtkLayerTest, TheUptimeLabelAndThePanesTellTheirNewNames) {
  AtkObject* records = Find(root, ATK_ROLE_LABEL, "记录数:3");
  AtkObject* uptime = ObjectOf(*form->LabTimeText->Accessible());
  const std::string before = NameOf(uptime);
  TSignalLog names("property-change");
  platform.Ticks += 3000;
  platform.Advance(*app, 1000);
  log += BootLine(At(2009, 11, 26, 8, 0));
  form->TBRefresh->Click();
  Relay();
  EXPECT_NE(NameOf(uptime), before);
  int uptimeNames = 0, recordNames = 0;
  for (const auto& r : names.records) {
    uptimeNames += r.Object == uptime && r.Detail == "accessible-name" ? 1 : 0;
    recordNames += r.Object == records && r.Detail == "accessible-name" ? 1 : 0;
  }
  EXPECT_GE(uptimeNames, 1);
  EXPECT_EQ(recordNames, 1);
  EXPECT_EQ(NameOf(records), "记录数:4");
}

TEST_F(AtkLayerTest, TheAboutDialogIsModalAndItsMemoReadsAsText) {
  AtkObject* about = Find(root, ATK_ROLE_PUSH_BUTTON, "关于(A)");
  ASSERT_NE(about, nullptr);
  std::string text, line;
  gint count = 0, start = -1, end = -1;
  bool modal = false, readOnly = false;
  std::string close;
  platform.Post([&] {
    ASSERT_NE(FormAbout, nullptr);
    AtkObject* dialog = ObjectOf(*FormAbout->WindowAccessible());
    modal = atk_object_get_role(dialog) == ATK_ROLE_DIALOG && Has(dialog, ATK_STATE_MODAL) &&
            ATK_IS_WINDOW(dialog);
    AtkObject* memo = ObjectOf(*FormAbout->Memo1->Accessible());
    ASSERT_TRUE(ATK_IS_TEXT(memo));
    readOnly = Has(memo, ATK_STATE_READ_ONLY) && Has(memo, ATK_STATE_MULTI_LINE);
    gchar* all = atk_text_get_text(ATK_TEXT(memo), 0, -1);
    text = all;
    g_free(all);
    count = atk_text_get_character_count(ATK_TEXT(memo));
    gchar* second = atk_text_get_string_at_offset(ATK_TEXT(memo), count - 1,
                                                  ATK_TEXT_GRANULARITY_LINE, &start, &end);
    line = second;
    g_free(second);
    AtkObject* button = Find(dialog, ATK_ROLE_PUSH_BUTTON, "关闭");
    ASSERT_NE(button, nullptr);
    close = atk_action_get_name(ATK_ACTION(button), 0);
    EXPECT_TRUE(atk_action_do_action(ATK_ACTION(button), 0));
    RunPosted();
  });
  EXPECT_TRUE(atk_action_do_action(ATK_ACTION(about), 0));
  RunPosted();
  EXPECT_EQ(FormAbout, nullptr);
  EXPECT_TRUE(modal);
  EXPECT_TRUE(readOnly);
  EXPECT_EQ(close, "click");
  EXPECT_EQ(text.rfind("Dorvex", 0), 0u);
  EXPECT_EQ(text.find('\r'), std::string::npos);
  EXPECT_EQ(count, static_cast<gint>(g_utf8_strlen(text.c_str(), -1)));
  // The last line, from after the last line break to the end.
  EXPECT_EQ(line, text.substr(text.rfind('\n') + 1));
  EXPECT_EQ(end, count);
}

// A node whose name the program cannot give.
struct TFailingNode : TAccessible {
  TAccRole Role() const override { return TAccRole::StaticText; }
  std::string Name() const override { throw std::runtime_error("gone"); }
  uint32_t States() const override { return 0; }
  TRect ScreenBounds() const override { return {}; }
  TAccessible* Parent() const override { return nullptr; }
};

TEST_F(AtkLayerTest, AnAnswerThatFailsIsNullAndItsErrorReachesTheHandlerFromTheLoop) {
  TFailingNode failing;
  EXPECT_EQ(atk_object_get_name(ObjectOf(failing)), nullptr);
  EXPECT_TRUE(platform.MessageBoxes.empty());
  AppTimers().RunDue();
  ASSERT_EQ(platform.MessageBoxes.size(), 1u);
  EXPECT_EQ(platform.MessageBoxes[0].Text, "gone.");
}

TEST_F(AtkLayerTest, TheMemosNewTextIsToldAsRemovedAndInserted) {
  TFormAbout about(form.get());
  about.ShowWindow();
  AtkObject* memo = ObjectOf(*about.Memo1->Accessible());
  const std::string before = atk_text_get_text(ATK_TEXT(memo), 0, -1);
  TSignalLog removed("text-remove", ATK_TYPE_TEXT);
  TSignalLog inserted("text-insert", ATK_TYPE_TEXT);
  about.Memo1->SetLines({"一", "二"});
  SendAccessibilityEvent(TAccEvent::ValueChange, *about.Memo1->Accessible());
  ASSERT_EQ(removed.records.size(), 1u);
  ASSERT_EQ(inserted.records.size(), 1u);
  EXPECT_EQ(atk_text_get_character_count(ATK_TEXT(memo)), 3);
  gchar* now = atk_text_get_text(ATK_TEXT(memo), 0, -1);
  EXPECT_STREQ(now, "一\n二");
  g_free(now);
  // Told once: the same text again is no change.
  SendAccessibilityEvent(TAccEvent::ValueChange, *about.Memo1->Accessible());
  EXPECT_EQ(inserted.records.size(), 1u);
  EXPECT_FALSE(before.empty());
}

TEST_F(AtkLayerTest, TheApplicationHoldsTheShownWindowsAndReadersHearKeysFirst) {
  AtkObject* application = InstallApplication("dorvex-test");
  EXPECT_EQ(atk_get_root(), application);
  EXPECT_STREQ(atk_get_toolkit_name(), "Dorvex");
  EXPECT_EQ(atk_object_get_role(application), ATK_ROLE_APPLICATION);
  EXPECT_EQ(NameOf(application), "dorvex-test");
  EXPECT_EQ(atk_object_get_n_accessible_children(application), 0);
  const uint32_t id = form->WindowAccessible()->Id();
  EXPECT_EQ(AddWindowRoot(id), 0);
  EXPECT_EQ(atk_object_get_n_accessible_children(application), 1);
  AtkObject* frame = atk_object_ref_accessible_child(application, 0);
  EXPECT_EQ(frame, root);
  EXPECT_EQ(atk_object_get_parent(root), application);
  EXPECT_EQ(atk_object_get_index_in_parent(root), 0);
  g_object_unref(frame);

  // The frame is active while its window has the keyboard.
  EXPECT_FALSE(Has(root, ATK_STATE_ACTIVE));
  WindowActivated(*form->WindowAccessible(), true);
  EXPECT_TRUE(Has(root, ATK_STATE_ACTIVE));
  WindowActivated(*form->WindowAccessible(), false);
  EXPECT_FALSE(Has(root, ATK_STATE_ACTIVE));

  // Keys go to the readers' snoopers; one that takes a key keeps it from the program.
  struct TSeen {
    std::vector<guint> Keys;
    std::string Text;
    gint Consume = FALSE;
  } seen;
  auto snoop = [](AtkKeyEventStruct* event, gpointer data) -> gint {
    auto* s = static_cast<TSeen*>(data);
    s->Keys.push_back(event->keyval);
    s->Text = event->string ? event->string : "";
    return event->type == ATK_KEY_EVENT_PRESS ? s->Consume : FALSE;
  };
  const guint listener = atk_add_key_event_listener(snoop, &seen);
  TKeyEvent key;
  key.Keysym = 0x72;  // r
  key.Text = "r";
  EXPECT_FALSE(SnoopKey(key));
  seen.Consume = TRUE;
  EXPECT_TRUE(SnoopKey(key));
  key.Press = false;
  EXPECT_FALSE(SnoopKey(key));
  EXPECT_EQ(seen.Keys, (std::vector<guint>{0x72, 0x72, 0x72}));
  EXPECT_EQ(seen.Text, "r");
  atk_remove_key_event_listener(listener);
  key.Press = true;
  EXPECT_FALSE(SnoopKey(key));
  EXPECT_EQ(seen.Keys.size(), 3u);

  EXPECT_EQ(RemoveWindowRoot(id), 0);
  EXPECT_EQ(RemoveWindowRoot(id), -1);
  EXPECT_EQ(atk_object_get_n_accessible_children(application), 0);
}

}  // namespace
}  // namespace platform_atk
