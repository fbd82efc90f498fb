// What a screen reader finds in the program's windows: the main window after
// the start-up refresh of the worked example, its changes, and the about window.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/form_dorvex.h"
#include "app/tests/boot_logs.h"
#include "bootlog/fixture_source.h"
#include "chart/boot_chart.h"
#include "gfx/scale.h"
#include "gfx/text_layout.h"
#include "platform/headless/headless_platform.h"
#include "ui/about/form_about.h"
#include "ui/application.h"
#include "ui/control_accessible.h"
#include "ui/tests/accessible_dump.h"

namespace {

class FormDorvexAccessibleTest : public ::testing::Test {
 protected:
  // The program's start: the window made for the screen, refreshed, shown.
  TFormDorvex& Start(int dpi) {
    platform.Dpi = dpi;
    app = std::make_unique<TApplication>(platform);
    TFormDorvex::TSources sources;
    sources.OpenLog = [this]() -> std::unique_ptr<SessionSource> {
      ++opened;
      return FixtureLogFromText(log, "log");
    };
    form = std::make_unique<TFormDorvex>(dpi, std::move(sources));
    app->MainForm = form.get();
    form->DoCreate();
    form->ShowWindow();
    window = static_cast<headless::THeadlessWindow*>(form->Window());
    return *form;
  }
  TAccessible& Root() { return *form->WindowAccessible(); }
  TControlAccessible& Node(TControl* c) { return *c->Accessible(); }
  TAccessible& Row(int i) { return *Node(form->RzLWMsg).Child(6 + i); }
  TAccessible& Bar(int i) { return *Node(&form->Chart()).Child(i); }
  std::vector<std::string> Events(headless::THeadlessWindow& w, TAccEvent kind) {
    std::vector<std::string> names;
    for (const auto& e : w.AccEvents) {
      if (e.Event == kind) {
        names.push_back(e.Name);
      }
    }
    return names;
  }
  // A control's rectangle (own coordinates) on the screen, as the window shows it.
  TRect OnScreen(const TControl& c, const TRect& r) const {
    const TPoint p = window->ClientToScreen(c.ClientToForm({r.Left, r.Top}));
    return Bounds(p.X, p.Y, r.Width(), r.Height());
  }
  static int TextHeight(const gfx::TFont& font) {
    return gfx::MeasureText(gfx::DefaultTextEngine(), font, "Pp").Height;
  }

  headless::THeadlessPlatform platform;
  std::unique_ptr<TApplication> app;
  std::string log = WorkedExample();
  int opened = 0;
  std::unique_ptr<TFormDorvex> form;
  headless::THeadlessWindow* window = nullptr;
};

TEST_F(FormDorvexAccessibleTest, MainWindowTreeAfterTheStartUpRefresh) {
  Start(96);
  EXPECT_EQ(
      AccTree(Root()),
      "Window \"Dorvex\"\n"
      "  ToolBar \"\"\n"
      "    PushButton \"刷新(R)\" Alt+R (按下)\n"
      "    PushButton \"帮助(H)\" Alt+H [invisible] (按下)\n"
      "    PushButton \"关于(A)\" Alt+A (按下)\n"
      "    PushButton \"升级(U)\" Alt+U (按下)\n"
      "    PushButton \"主页(H)\" Alt+H (按下)\n"
      "    PushButton \"退出(E)\" Alt+E (按下)\n"
      "    StaticText \"版本 2.0\"\n"
      "  StatusBar \"\"\n"
      "    StaticText \"2025/1/1 12:00:00\"\n"
      "    StaticText \"记录数:3\"\n"
      "    StaticText \"天数:9\"\n"
      "    StaticText \"总计:12小时\"\n"
      "    StaticText \"平均:4(小时/次)\"\n"
      "  PageTabList \"\" [focusable focused]\n"
      "    PageTab \"日志\" [focusable focused selectable selected] (切换)\n"
      "    PageTab \"图表\" [focusable selectable] (切换)\n"
      "    PropertyPage \"日志\"\n"
      "      StaticText \"开机/关机日志\"\n"
      "      StaticText \" Windows已运行时间:\"\n"
      "      StaticText \"\"\n"
      "      List \"\" [focusable]\n"
      "        ColumnHeader \"\"\n"
      "        ColumnHeader \"开机时间\"\n"
      "        ColumnHeader \"关机时间\"\n"
      "        ColumnHeader \"运行时长\"\n"
      "        ColumnHeader \"登录用户\"\n"
      "        ColumnHeader \"信息\"\n"
      "        ListItem \"2009/11/25 8:00:00, B, 正常,运行中...\" [focusable selectable] (选择)\n"
      "        ListItem \"2009/11/21 9:00:00, B, 非正常关机\" [focusable selectable] (选择)\n"
      "        ListItem \"2009/11/16 9:00:00, 2009/11/16 21:00:00, 12 时, A, 正常关机\" "
      "[focusable selectable] (选择)\n"
      "    PropertyPage \"图表\" [invisible]\n"
      "      StaticText \"运行时间图表\" [invisible]\n"
      "      Chart \"\" [invisible]\n"
      "        Graphic \"2009-11-16 12\" [invisible offscreen]\n"
      "        Graphic \"2009-11-21 0\" [invisible offscreen]\n"
      "        Graphic \"2009-11-25 0\" [invisible offscreen]\n");
  EXPECT_EQ(Root().FocusedNode(), Node(form->RzPageControl1).Child(0));
}

TEST_F(FormDorvexAccessibleTest, BoundsAtNinetySixDotsPerInch) {
  Start(96);
  const TPoint origin = window->ClientToScreen({0, 0});
  EXPECT_EQ(Root().ScreenBounds(), Bounds(origin.X, origin.Y, 673, 475));
  EXPECT_EQ(Node(form->TBRefresh).ScreenBounds(), Bounds(origin.X + 4, origin.Y, 80, 60));
  EXPECT_EQ(Node(form->TBAbout).ScreenBounds(), Bounds(origin.X + 109, origin.Y, 80, 60));
  EXPECT_EQ(Node(form->RzStatusPane4).ScreenBounds(),
            Bounds(origin.X + 450, origin.Y + 456, 200, 19));
  // The list: page at (1, 60 + 24), the list 40 below the page's top; rows
  // under the header, the whole width inside the frame.
  const int text = TextHeight(form->RzLWMsg->Font());
  const int header = text + 6, row = std::max(text, 16) + 1;
  EXPECT_EQ(Node(form->RzLWMsg).ScreenBounds(), Bounds(origin.X + 1, origin.Y + 124, 669, 329));
  EXPECT_EQ(Row(0).ScreenBounds(), Bounds(origin.X + 2, origin.Y + 125 + header, 667, row));
  EXPECT_EQ(Row(2).ScreenBounds(),
            Bounds(origin.X + 2, origin.Y + 125 + header + 2 * row, 667, row));
  EXPECT_EQ(Node(form->RzLWMsg).Child(1)->ScreenBounds(),
            Bounds(origin.X + 2 + 18, origin.Y + 125, 150, header));
}

TEST_F(FormDorvexAccessibleTest, BoundsAtOneHundredFortyFourDotsPerInch) {
  Start(144);
  auto scaled = [](int v) { return gfx::MulDiv(v, 144, 96); };
  const TPoint origin = window->ClientToScreen({0, 0});
  EXPECT_EQ(Root().ScreenBounds(), Bounds(origin.X, origin.Y, scaled(673), scaled(475)));
  EXPECT_EQ(Node(form->TBRefresh).ScreenBounds(),
            Bounds(origin.X + scaled(4), origin.Y, scaled(80), scaled(60)));
  EXPECT_EQ(Node(form->TBExit).ScreenBounds(),
            Bounds(origin.X + scaled(399), origin.Y, scaled(80), scaled(60)));
  const int barTop = scaled(475) - scaled(19);
  EXPECT_EQ(Node(form->RzStatusPane1).ScreenBounds(),
            Bounds(origin.X + scaled(150), origin.Y + barTop, scaled(100), scaled(19)));
  // Rows follow the scaled list font.
  const TRect list = Node(form->RzLWMsg).ScreenBounds();
  const int text = TextHeight(form->RzLWMsg->Font());
  ASSERT_EQ(form->RzLWMsg->Font().Height, scaled(11));
  const int header = text + 6, row = std::max(text, 16) + 1;
  EXPECT_EQ(Row(1).ScreenBounds(), Bounds(list.Left + 1, list.Top + 1 + header + row,
                                          form->RzLWMsg->TotalColumnWidth(), row));
  EXPECT_EQ(Node(form->RzLWMsg).Child(2)->ScreenBounds(),
            Bounds(list.Left + 1 + scaled(18) + scaled(150), list.Top + 1, scaled(150), header));
}

TEST_F(FormDorvexAccessibleTest, ASecondRefreshReplacesTheRowsAndTheBars) {
  Start(96);
  const uint32_t oldRow = Row(0).Id(), oldBar = Bar(0).Id();
  const std::string rowName = Row(0).Name(), barName = Bar(0).Name();
  window->AccEvents.clear();
  form->TBRefresh->Click();
  app->UpdateWindows();
  EXPECT_EQ(opened, 2);
  EXPECT_EQ(FindAccessible(oldRow), nullptr);
  EXPECT_EQ(FindAccessible(oldBar), nullptr);
  EXPECT_NE(Row(0).Id(), oldRow);
  EXPECT_EQ(Row(0).Name(), rowName);
  EXPECT_EQ(Bar(0).Name(), barName);
  // One reorder each for the list and the chart, however many rows came.
  std::vector<uint32_t> reorders;
  for (const auto& e : window->AccEvents) {
    if (e.Event == TAccEvent::Reorder) {
      reorders.push_back(e.Id);
    }
  }
  EXPECT_EQ(reorders, (std::vector<uint32_t>{Node(form->RzLWMsg).Id(), Node(&form->Chart()).Id()}));
  // The panes' texts are the same, so they tell nothing.
  EXPECT_TRUE(Events(*window, TAccEvent::NameChange).empty());
}

TEST_F(FormDorvexAccessibleTest, TheUptimeLabelTellsItsNameEverySecond) {
  Start(96);
  platform.Advance(*app, 5000);
  AccTree(Root());  // a reader reads the window
  window->AccEvents.clear();
  platform.Advance(*app, 1000);
  platform.Advance(*app, 1000);
  EXPECT_EQ(Events(*window, TAccEvent::NameChange), (std::vector<std::string>{"6 秒", "7 秒"}));
  EXPECT_EQ(Node(form->LabTimeText).Name(), "7 秒");
}

TEST_F(FormDorvexAccessibleTest, DefaultActionsPressSelectAndSwitch) {
  Start(96);
  // Pressing 刷新(R) refreshes.
  EXPECT_TRUE(Node(form->TBRefresh).DoDefaultAction());
  EXPECT_EQ(opened, 2);
  // The home-page button hands its address to the platform.
  EXPECT_TRUE(Node(form->TBHomePage).DoDefaultAction());
  EXPECT_EQ(platform.OpenedAddresses, (std::vector<std::string>{form->HomePageAddress}));
  // The hidden help button cannot be pressed.
  EXPECT_FALSE(Node(form->TBHelp).DoDefaultAction());
  // Selecting a row selects it.
  EXPECT_TRUE(Row(1).DoDefaultAction());
  EXPECT_EQ(form->RzLWMsg->ItemIndex(), 1);
  EXPECT_TRUE(Row(1).States() & asSelected);
  EXPECT_FALSE(Row(0).States() & asSelected);
  // Focusing a row puts the keyboard in the list.
  EXPECT_TRUE(Row(2).TakeFocus());
  EXPECT_EQ(form->ActiveControl(), form->RzLWMsg);
  EXPECT_EQ(Root().FocusedNode(), &Row(2));
  // Switching to the chart's tab shows its bars.
  TAccessible& chartTab = *Node(form->RzPageControl1).Child(1);
  EXPECT_TRUE(chartTab.DoDefaultAction());
  EXPECT_EQ(form->RzPageControl1->TabIndex(), 1);
  EXPECT_FALSE(Bar(0).States() & asInvisible);
  // Exit closes the program.
  EXPECT_TRUE(Node(form->TBExit).DoDefaultAction());
  EXPECT_TRUE(form->Closed());
}

TEST_F(FormDorvexAccessibleTest, KeysMovingTheFocusTellTheFocusAndTheSelection) {
  Start(96);
  window->AccEvents.clear();
  form->WindowKeyDown(Key_Tab, 0);  // into the list, on its first row
  EXPECT_EQ(form->ActiveControl(), form->RzLWMsg);
  form->WindowKeyDown(Key_Down, 0);
  form->WindowKeyDown(Key_Down, 0);
  form->WindowKeyDown(Key_Tab, ssCtrl);  // to the chart's page
  std::vector<std::string> seen;
  for (const auto& e : window->AccEvents) {
    if (e.Event == TAccEvent::Focus || e.Event == TAccEvent::Selection) {
      seen.push_back(std::string(e.Event == TAccEvent::Focus ? "focus " : "selection ") + e.Name);
    }
  }
  const std::string first = "2009/11/25 8:00:00, B, 正常,运行中...";
  const std::string second = "2009/11/21 9:00:00, B, 非正常关机";
  EXPECT_EQ(seen, (std::vector<std::string>{"focus " + first, "selection " + first,
                                            "focus " + first, "selection " + second,
                                            "focus " + second, "selection 图表", "focus 图表"}));
}

TEST_F(FormDorvexAccessibleTest, ChartBarsAreNamedWithTheirTipsAndPlacedWhereTheyArePainted) {
  Start(96);
  form->RzPageControl1->SetTabIndex(1);
  TChart& chart = form->Chart();
  ASSERT_EQ(Node(&chart).ChildCount(), 3);
  for (int i = 0; i < 3; ++i) {
    // Asked before the repaint, the bar is already where the paint puts it.
    const TRect bounds = Bar(i).ScreenBounds();
    ASSERT_FALSE(bounds.IsEmpty());
    EXPECT_EQ(Bar(i).States(), 0u);
    const TRect bar = Series1(chart).BarBounds(i);
    EXPECT_EQ(bounds.Left, OnScreen(chart, bar).Left);
    // The pointer on the bar's middle: the tip says what the node says.
    const TPoint middle{(bounds.Left + bounds.Right) / 2, bounds.Bottom - 1};
    const TPoint client{middle.X - window->ClientToScreen({0, 0}).X,
                        middle.Y - window->ClientToScreen({0, 0}).Y};
    window->Events->WindowMouseMove(0, client);
    EXPECT_EQ(chart.Hint, Bar(i).Name());
    EXPECT_EQ(Root().HitTest(middle), &Bar(i));
  }
  EXPECT_EQ(Bar(0).Name(), "2009-11-16 12");
  // Asking changed nothing the chart shows.
  EXPECT_EQ(Series1(chart).Marks().Style(), smsLabel);
}

TEST_F(FormDorvexAccessibleTest, TheChartTakesNoKeyboardFocus) {
  Start(96);
  form->RzPageControl1->SetTabIndex(1);
  app->UpdateWindows();
  // A press on the chart (a zoom begins) leaves the focus on the tabs.
  const TPoint p = form->Chart().ClientToForm({100, 100});
  form->WindowMouseDown(mbLeft, 0, p);
  form->WindowMouseUp(mbLeft, ssLeft, p);
  EXPECT_EQ(form->ActiveControl(), form->RzPageControl1);
  EXPECT_FALSE(form->Chart().CanFocus());
  EXPECT_FALSE(Node(&form->Chart()).States() & asFocusable);
  EXPECT_FALSE(Node(&form->Chart()).TakeFocus());
}

TEST_F(FormDorvexAccessibleTest, AboutWindowTreeActionsAndDialogEvents) {
  Start(96);
  std::string tree;
  std::vector<std::string> linkEvents;
  headless::THeadlessWindow* about = nullptr;
  platform.Post([&] {
    ASSERT_NE(FormAbout, nullptr);
    about = static_cast<headless::THeadlessWindow*>(FormAbout->Window());
    tree = AccTree(*FormAbout->WindowAccessible());
  });
  platform.Post([&] {
    TAccessible& link = *FormAbout->RzURLLabel4->Accessible();
    EXPECT_TRUE(link.DoDefaultAction());
    EXPECT_TRUE(link.States() & asTraversed);
    linkEvents = Events(*about, TAccEvent::StateChange);
  });
  std::vector<headless::THeadlessWindow::TAccRecord> events;
  platform.Post([&] {
    EXPECT_TRUE(FormAbout->Button1->Accessible()->DoDefaultAction());
    events = about->AccEvents;  // the window goes with the about window
  });
  // The about button's default action opens the window, modally.
  EXPECT_TRUE(Node(form->TBAbout).DoDefaultAction());
  EXPECT_EQ(FormAbout, nullptr);
  // The memo's lines joined by the platform's line break.
#ifdef _WIN32
  const std::string kBreak = "\r\n";
#else
  const std::string kBreak = "\n";
#endif
  EXPECT_EQ(tree, std::string("Dialog \"关于\"\n"
                              "  StaticText \"Dorvex\"\n"
                              "  StaticText \"(Ver 2.0)\"\n"
                              "  Text \"\" = \"Dorvex") +
                      kBreak + "(1)显示电脑启动时间、关机时间、登录用户等信息；" + kBreak +
                      "(2)绘制工作时间统计图；" + kBreak + "(3)发现是否有人偷偷使用您的电脑；" +
                      kBreak +
                      "(4)监测儿童过度使用电脑。\" [focusable readonly multiline]\n"
                      "  StaticText \"主页:\"\n"
                      "  Link \"https://www.dorvex.net/\" = \"https://www.dorvex.net/\" [focusable "
                      "linked] (打开)\n"
                      "  StaticText \"邮件:\"\n"
                      "  Link \"support@dorvex.net\" = \"mailto:support@dorvex.net\" [focusable "
                      "linked] (打开)\n"
                      "  PushButton \"关闭\" [focusable focused] (按下)\n");
  EXPECT_EQ(platform.OpenedAddresses, (std::vector<std::string>{"https://www.dorvex.net/"}));
  EXPECT_EQ(linkEvents, (std::vector<std::string>{"https://www.dorvex.net/"}));
  // The dialog's start, its focus on the close button, the close button's end.
  std::vector<std::string> seen;
  for (const auto& e : events) {
    if (e.Event == TAccEvent::DialogStart || e.Event == TAccEvent::DialogEnd ||
        e.Event == TAccEvent::Focus) {
      seen.push_back(std::string(e.Event == TAccEvent::DialogStart ? "start "
                                 : e.Event == TAccEvent::DialogEnd ? "end "
                                                                   : "focus ") +
                     e.Name);
    }
  }
  EXPECT_EQ(seen, (std::vector<std::string>{"start 关于", "focus 关闭", "end 关于"}));
}

}  // namespace
