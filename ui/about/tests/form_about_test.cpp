#include "ui/about/form_about.h"

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "gfx/scale.h"
#include "resources/artwork.h"
#include "ui/control_accessible.h"
#include "ui/tests/widget_fixture.h"

namespace {

const gfx::TColor kBrown = gfx::MakeColor(0x82, 0x5F, 0x46);

gfx::TFont Arial(int height, bool bold) {
  gfx::TFont f;
  f.Name = "Arial";
  f.Height = height;
  f.Bold = bold;
  return f;
}

class FormAboutTest : public WidgetTest {
 protected:
  FormAboutTest() {
    main.Caption = "Dorvex";
    main.SetBounds(0, 0, 673, 475);
    app->MainForm = &main;
    main.ShowWindow();
  }
  headless::THeadlessWindow* MainWindow() {
    return static_cast<headless::THeadlessWindow*>(main.Window());
  }
  headless::THeadlessWindow* AboutWindow() { return platform.WindowWithTitle("关于"); }
  // Opens the about window; `steps` run one per turn of its modal loop.
  void OpenWith(std::vector<std::function<void(TFormAbout&)>> steps) {
    for (auto& step : steps) {
      platform.Post([step] {
        ASSERT_NE(FormAbout, nullptr);
        step(*FormAbout);
      });
    }
    ShowAboutWindow(main);
  }
  static void ClickAt(TForm& f, TPoint p) {
    f.WindowMouseMove(0, p);
    f.WindowMouseDown(mbLeft, 0, p);
    f.WindowMouseUp(mbLeft, ssLeft, p);
  }
  static TPoint Middle(const TControl& c) {
    return c.ClientToForm({c.Width() / 2, c.Height() / 2});
  }
  // Pixels of a label in exactly colour c, on the about window's screen.
  int CountColor(const TControl& c, gfx::TColor color) {
    const gfx::TBitmap& screen = AboutWindow()->Screen;
    int n = 0;
    for (int y = c.Top(); y < c.Top() + c.Height(); ++y) {
      for (int x = c.Left(); x < c.Left() + c.Width(); ++x) {
        n += gfx::ColorOfPixel(screen.At(x, y)) == color;
      }
    }
    return n;
  }

  TForm main;
};

// The smallest rectangle holding every pixel of exactly `color` inside `area`.
TRect InkOf(const gfx::TBitmap& screen, gfx::TColor color, const TRect& area) {
  TRect ink{area.Right, area.Bottom, area.Left, area.Top};
  for (int y = area.Top; y < area.Bottom; ++y) {
    for (int x = area.Left; x < area.Right; ++x) {
      if (gfx::ColorOfPixel(screen.At(x, y)) == color) {
        ink = {std::min(ink.Left, x), std::min(ink.Top, y), std::max(ink.Right, x + 1),
               std::max(ink.Bottom, y + 1)};
      }
    }
  }
  return ink.Left < ink.Right ? ink : TRect{};
}

bool Within(const TRect& inner, const TRect& outer) {
  return !inner.IsEmpty() && inner.Intersect(outer) == inner;
}

TEST_F(FormAboutTest, TheOpenWindowShowsIconTitleVersionCaptionsAndLinksInTheirPlaces) {
  gfx::TBitmap screen;
  TSize client;
  std::string title;
  OpenWith({[&](TFormAbout&) {
              headless::THeadlessWindow* w = AboutWindow();
              ASSERT_NE(w, nullptr);
              screen = w->Screen;
              client = w->ClientSize();
              title = w->Params.Title;
            },
            [](TFormAbout& about) { about.Close(); }});
  EXPECT_EQ(title, "关于");
  ASSERT_EQ(client, (TSize{422, 347}));
  ASSERT_EQ(screen.Width(), 422);
  const TRect all{0, 0, 422, 347};
  EXPECT_EQ(gfx::ColorOfPixel(screen.At(5, 5)), gfx::clWhite);

  // The program icon, its opaque pixels as they are, at (31, 24).
  const gfx::TBitmap icon = artwork::ProgramIcon(32);
  int opaque = 0;
  for (int y = 0; y < 32; ++y) {
    for (int x = 0; x < 32; ++x) {
      if (gfx::AlphaOf(icon.At(x, y)) == 255) {
        ++opaque;
        EXPECT_EQ(screen.At(31 + x, 24 + y) | 0xFF000000u, icon.At(x, y) | 0xFF000000u)
            << x << "," << y;
      }
    }
  }
  EXPECT_GT(opaque, 100);

  // Each text in its colour, inside the box its measured size gives at its place.
  const TSize name = Measure(Arial(19, true), "Dorvex");
  const TRect green = InkOf(screen, gfx::MakeColor(0x14, 0x76, 0x1F), all);
  EXPECT_TRUE(Within(green, Bounds(88, 26, name.Width, name.Height)));
  const TSize ver = Measure(Arial(16, true), "(Ver 2.0)");
  const TRect purple = InkOf(screen, gfx::clPurple, all);
  EXPECT_TRUE(Within(purple, Bounds(167, 90, ver.Width, ver.Height)));
  // The two captions end at x = 120, where the links begin.
  const TSize home = Measure(Arial(12, false), "主页:");
  const TRect homeInk = InkOf(screen, gfx::clBlack, {0, 242, 121, 242 + home.Height});
  EXPECT_TRUE(Within(homeInk, Bounds(120 - home.Width, 242, home.Width, home.Height)));
  const TRect mailInk = InkOf(screen, gfx::clBlack, {0, 266, 121, 279});
  EXPECT_TRUE(Within(mailInk, Bounds(32, 266, 88, 13)));
  EXPECT_GE(mailInk.Left, 120 - Measure(Arial(12, false), "邮件:").Width);

  gfx::TFont link;
  link.Name = "Verdana";
  link.Height = 11;
  link.Underline = true;
  const TSize url = Measure(link, TFormAbout::kHomePage);
  const TSize mail = Measure(link, TFormAbout::kMailAddress);
  const TRect blueHome = InkOf(screen, gfx::clBlue, {121, 236, 422, 258});
  EXPECT_TRUE(Within(blueHome, Bounds(125, 241, url.Width, url.Height)));
  const TRect blueMail = InkOf(screen, gfx::clBlue, {121, 260, 422, 282});
  EXPECT_TRUE(Within(blueMail, Bounds(124, 265, mail.Width, mail.Height)));
}

TEST_F(FormAboutTest, AReaderHearsTheTextsTheWindowShows) {
  std::vector<std::string> names;
  OpenWith({[&](TFormAbout& about) {
              TAccessible& root = *about.WindowAccessible();
              names.push_back(root.Name());
              for (int i = 0; i < root.ChildCount(); ++i) {
                names.push_back(root.Child(i)->Name());
              }
              std::string text = about.Memo1->Accessible()->Value();
              text.erase(std::remove(text.begin(), text.end(), '\r'), text.end());
              names.push_back(text);
            },
            [](TFormAbout& about) { about.Close(); }});
  const auto has = [&](const std::string& n) {
    return std::find(names.begin(), names.end(), n) != names.end();
  };
  for (const char* n : {"关于", "Dorvex", "(Ver 2.0)", "主页:", "邮件:", "关闭",
                        "https://www.dorvex.net/", "support@dorvex.net"}) {
    EXPECT_TRUE(has(n)) << n;
  }
  EXPECT_TRUE(
      has("Dorvex\n(1)显示电脑启动时间、关机时间、登录用户等信息；\n(2)绘制工作时间统计图；\n"
          "(3)发现是否有人偷偷使用您的电脑；\n(4)监测儿童过度使用电脑。"));
}

TEST_F(FormAboutTest, LinksAndButtonAreConfigured) {
  TFormAbout about(&main);
  for (TRzURLLabel* l : {about.RzURLLabel4, about.RzURLLabel1}) {
    EXPECT_EQ(l->UnvisitedColor(), gfx::clBlue);
    EXPECT_EQ(l->VisitedColor(), kBrown);
    EXPECT_FALSE(l->Visited());
    EXPECT_TRUE(l->Transparent());
    EXPECT_EQ(l->Cursor, crHandPoint);
  }
  EXPECT_EQ(about.RzURLLabel4->Caption(), "https://www.dorvex.net/");
  EXPECT_EQ(about.RzURLLabel4->Target(), "https://www.dorvex.net/");
  EXPECT_EQ(about.RzURLLabel1->Caption(), "support@dorvex.net");
  EXPECT_EQ(about.RzURLLabel1->Target(), "mailto:support@dorvex.net");
  EXPECT_TRUE(about.Button1->HotTrack());
  EXPECT_EQ(about.Button1->FrameColor(), gfx::MakeColor(0x00, 0x3C, 0x74));
  EXPECT_EQ(about.Button1->Color, gfx::MakeColor(0xBE, 0xDA, 0xF1));
  EXPECT_EQ(about.Button1->HotTrackColor(), gfx::MakeColor(0xF0, 0x9B, 0x14));
  EXPECT_EQ(about.Button1->HighlightColor(), gfx::clHighlight);
  EXPECT_TRUE(about.Button1->ShowFocusRect());
  // Tab order: the button first, then the memo.
  EXPECT_EQ(about.FirstTabControl(), about.Button1);
  about.SetActiveControl(about.Button1);
  about.SelectNext(true);
  EXPECT_EQ(about.ActiveControl(), about.Memo1);
}

TEST_F(FormAboutTest, TabReachesTheLinksAfterTheMemo) {
  TFormAbout about(&main);
  about.SetActiveControl(about.Memo1);
  about.SelectNext(true);
  EXPECT_EQ(about.ActiveControl(), about.RzURLLabel4);
  about.SelectNext(true);
  EXPECT_EQ(about.ActiveControl(), about.RzURLLabel1);
  about.SelectNext(true);
  EXPECT_EQ(about.ActiveControl(), about.Button1);
}

TEST_F(FormAboutTest, ScaledToTheScreenResolution) {
  TFormAbout about(&main, 144);
  EXPECT_EQ(about.Width(), gfx::MulDiv(422, 144, 96));
  EXPECT_EQ(about.Button1->BoundsRect(), Bounds(432, 468, gfx::MulDiv(89, 144, 96), 38));
  EXPECT_EQ(about.Font.Height, 18);
  EXPECT_EQ(about.Label1->Font.Height, gfx::MulDiv(19, 144, 96));
  const TSize title = Measure(about.Label1->Font, "Dorvex");
  EXPECT_EQ(about.Label1->Width(), title.Width);
  EXPECT_EQ(about.Label5->Left() + about.Label5->Width(), 180);
  EXPECT_EQ(about.Label6->Left() + about.Label6->Width(), 180);
  EXPECT_EQ(about.Image1->Picture().Width(), 48);
  EXPECT_EQ(about.Image1->Picture().Height(), 48);
}

TEST_F(FormAboutTest, ModalOverTheMainWindowAndFreedAfter) {
  bool mainInput = true, shown = false, focused = false, dialogKind = false, ownerSet = false;
  const std::size_t forms = app->Forms().size();
  main.WindowMouseDown(mbLeft, 0, {5, 5});  // a capture the modal window must end
  OpenWith({[&](TFormAbout& about) {
              headless::THeadlessWindow* w = AboutWindow();
              ASSERT_NE(w, nullptr);
              shown = w->Shown;
              dialogKind = w->Params.Kind == wkDialog && w->Params.Centred;
              ownerSet = w->Params.Owner == main.Window();
              mainInput = MainWindow()->InputEnabled;
              focused = about.Button1->Focused();
            },
            [](TFormAbout& about) { about.Close(); }});
  EXPECT_TRUE(shown);
  EXPECT_TRUE(dialogKind);
  EXPECT_TRUE(ownerSet);
  EXPECT_FALSE(mainInput);
  EXPECT_TRUE(focused);
  EXPECT_EQ(main.CaptureControl(), nullptr);
  // Afterwards the window is gone and the main window takes input again.
  EXPECT_EQ(FormAbout, nullptr);
  EXPECT_EQ(AboutWindow(), nullptr);
  EXPECT_TRUE(MainWindow()->InputEnabled);
  EXPECT_EQ(app->Forms().size(), forms);
  EXPECT_FALSE(app->Terminated());
  EXPECT_FALSE(main.Closed());
}

TEST_F(FormAboutTest, EveryClosingPathEndsTheModalLoop) {
  const std::vector<std::pair<const char*, std::function<void(TFormAbout&)>>> paths{
      {"button click", [](TFormAbout& a) { ClickAt(a, Middle(*a.Button1)); }},
      {"Enter", [](TFormAbout& a) { a.WindowKeyDown(Key_Return, 0); }},
      {"Space",
       [](TFormAbout& a) {
         a.WindowKeyDown(Key_Space, 0);
         a.WindowKeyUp(Key_Space, 0);
       }},
      {"close box", [](TFormAbout& a) { a.WindowCloseRequest(); }},
      {"Alt+F4", [](TFormAbout& a) { a.WindowKeyDown(Key_F4, ssAlt); }},
  };
  for (const auto& [name, action] : paths) {
    bool closed = false;
    OpenWith({[&, action = action](TFormAbout& a) {
      action(a);
      closed = a.Closed();
    }});
    EXPECT_TRUE(closed) << name;
    EXPECT_EQ(FormAbout, nullptr) << name;
    EXPECT_FALSE(app->Terminated()) << name;
    EXPECT_TRUE(MainWindow()->InputEnabled) << name;
  }
}

TEST_F(FormAboutTest, EscapeDoesNotClose) {
  bool closedByEscape = true, closedFromMemo = true;
  OpenWith({[&](TFormAbout& a) {
              a.WindowKeyDown(Key_Escape, 0);
              a.WindowChar(U'\x1B');
              a.WindowKeyUp(Key_Escape, 0);
              closedByEscape = a.Closed();
              a.Memo1->SetFocus();
              a.WindowKeyDown(Key_Escape, 0);
              a.WindowChar(U'\x1B');
              closedFromMemo = a.Closed();
            },
            [](TFormAbout& a) { a.Close(); }});
  EXPECT_FALSE(closedByEscape);
  EXPECT_FALSE(closedFromMemo);
}

TEST_F(FormAboutTest, LinkColoursBeforeAndAfterAClick) {
  TFakeOpener opener;
  SetLinkOpener(&opener);
  int blueBefore = 0, brownBefore = -1, blueAfter = -1, brownAfter = 0, mailBlue = 0;
  int underline = 0;
  OpenWith({[&](TFormAbout& a) {
              underline = TextWidth(a.RzURLLabel4->Font, TFormAbout::kHomePage);
              blueBefore = CountColor(*a.RzURLLabel4, gfx::clBlue);
              brownBefore = CountColor(*a.RzURLLabel4, kBrown);
              ClickAt(a, Middle(*a.RzURLLabel4));
            },
            [&](TFormAbout& a) {
              // The loop has repainted since the click.
              blueAfter = CountColor(*a.RzURLLabel4, gfx::clBlue);
              brownAfter = CountColor(*a.RzURLLabel4, kBrown);
              mailBlue = CountColor(*a.RzURLLabel1, gfx::clBlue);
              a.Close();
            }});
  EXPECT_EQ(opener.Opened, std::vector<std::string>{"https://www.dorvex.net/"});
  EXPECT_GE(blueBefore, underline);
  EXPECT_EQ(brownBefore, 0);
  EXPECT_EQ(blueAfter, 0);
  EXPECT_GE(brownAfter, underline);
  // The other link was not clicked.
  EXPECT_GE(mailBlue, TextWidth(gfx::TFont{"Verdana", 11}, TFormAbout::kMailAddress));

  // A new opening starts unvisited again.
  bool visited = true;
  OpenWith({[&](TFormAbout& a) {
    visited = a.RzURLLabel4->Visited();
    a.Close();
  }});
  EXPECT_FALSE(visited);
}

TEST_F(FormAboutTest, LinkThatCannotBeOpenedKeepsItsColour) {
  TFakeOpener opener;
  opener.Accept = false;
  SetLinkOpener(&opener);
  int before = 0, after = 0, brown = -1;
  bool visited = true;
  OpenWith({[&](TFormAbout& a) {
              before = CountColor(*a.RzURLLabel1, gfx::clBlue);
              ClickAt(a, Middle(*a.RzURLLabel1));
            },
            [&](TFormAbout& a) {
              after = CountColor(*a.RzURLLabel1, gfx::clBlue);
              brown = CountColor(*a.RzURLLabel1, kBrown);
              visited = a.RzURLLabel1->Visited();
              a.Close();
            }});
  EXPECT_EQ(opener.Opened, std::vector<std::string>{"mailto:support@dorvex.net"});
  EXPECT_TRUE(opener.Choosers.empty());
  EXPECT_FALSE(visited);
  EXPECT_GT(before, 0);
  EXPECT_EQ(after, before);
  EXPECT_EQ(brown, 0);
}

TEST_F(FormAboutTest, MemoTextCanBeSelectedAndCopiedButNotChanged) {
  std::string selected;
  OpenWith({[&](TFormAbout& a) {
    TMemo& m = *a.Memo1;
    const TPoint from = m.ClientToForm(m.PointOfPos({1, 0}));
    const TPoint to = m.ClientToForm(m.PointOfPos({1, 3}));
    const int dy = m.RowHeight() / 2;
    a.WindowMouseMove(0, {from.X, from.Y + dy});
    a.WindowMouseDown(mbLeft, 0, {from.X, from.Y + dy});
    a.WindowMouseMove(ssLeft, {to.X, to.Y + dy});
    a.WindowMouseUp(mbLeft, ssLeft, {to.X, to.Y + dy});
    selected = m.SelText();
    a.WindowKeyDown('C', ssCtrl);
    a.WindowChar(U'z');
    a.WindowKeyDown(Key_Delete, 0);
    a.Close();
  }});
  EXPECT_EQ(selected, "(1)");
  EXPECT_EQ(platform.Clipboard, "(1)");
}

}  // namespace
