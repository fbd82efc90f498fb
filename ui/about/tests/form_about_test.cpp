#include "ui/about/form_about.h"

#include <functional>

#include "gfx/scale.h"
#include "resources/artwork.h"
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
    main.SetCaption("Dorvex");
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

TEST_F(FormAboutTest, WindowPropertiesAndTexts) {
  TFormAbout about(&main);
  EXPECT_EQ(about.Name, "FormAbout");
  EXPECT_EQ(about.Caption(), "关于");
  EXPECT_EQ(about.Kind, wkDialog);
  EXPECT_FALSE(about.Sizeable());
  EXPECT_EQ(about.Owner, &main);
  EXPECT_EQ(about.Width(), 422);
  EXPECT_EQ(about.Height(), 347);
  EXPECT_EQ(about.Color(), gfx::clWhite);
  EXPECT_EQ(about.Font().Name, "Arial");
  EXPECT_EQ(about.Font().Height, 12);
  EXPECT_FALSE(about.Font().Bold);
  EXPECT_EQ(about.Font().Color, gfx::clWindowText);
  EXPECT_EQ(about.Font().Charset, gfx::kAnsiCharset);

  EXPECT_EQ(about.Label1->Caption(), "Dorvex");
  EXPECT_EQ(about.Label1->Font().Color, gfx::MakeColor(0x14, 0x76, 0x1F));
  EXPECT_TRUE(about.Label1->Font().Bold);
  EXPECT_EQ(about.Label2->Caption(), "(Ver 2.0)");
  EXPECT_EQ(about.Label2->Font().Color, gfx::clPurple);
  EXPECT_EQ(about.Label5->Caption(), "主页:");
  EXPECT_EQ(about.Label6->Caption(), "邮件:");
  EXPECT_EQ(about.Button1->Caption(), "关闭");
  EXPECT_EQ(about.Memo1->Lines(), (std::vector<std::string>{
                                      "Dorvex",
                                      "(1)显示电脑启动时间、关机时间、登录用户等信息；",
                                      "(2)绘制工作时间统计图；",
                                      "(3)发现是否有人偷偷使用您的电脑；",
                                      "(4)监测儿童过度使用电脑。",
                                  }));
  EXPECT_EQ(about.Memo1->ScrollBars(), ssBoth);
  EXPECT_TRUE(about.Memo1->WordWrap());
  EXPECT_EQ(about.Memo1->Font(), about.Font());
  EXPECT_EQ(about.Image1->Picture(), artwork::ProgramIcon(32));
  for (TLabel* l : {about.Label1, about.Label2, about.Label5, about.Label6}) {
    EXPECT_TRUE(l->Transparent()) << l->Name;
  }
}

TEST_F(FormAboutTest, LayoutAndLabelsSizedToTheirText) {
  TFormAbout about(&main);
  EXPECT_EQ(about.Image1->BoundsRect(), Bounds(31, 24, 32, 32));
  EXPECT_EQ(about.Memo1->BoundsRect(), Bounds(32, 120, 369, 113));
  EXPECT_EQ(about.Button1->BoundsRect(), Bounds(288, 312, 89, 25));
  const TSize title = Measure(Arial(19, true), "Dorvex");
  EXPECT_EQ(about.Label1->BoundsRect(), Bounds(88, 26, title.Width, title.Height));
  const TSize ver = Measure(Arial(16, true), "(Ver 2.0)");
  EXPECT_EQ(about.Label2->BoundsRect(), Bounds(167, 90, ver.Width, ver.Height));
  // The two captions line up on their right edges at x = 120.
  const TSize home = Measure(about.Font(), "主页:");
  EXPECT_EQ(about.Label5->BoundsRect(), Bounds(120 - home.Width, 242, home.Width, home.Height));
  EXPECT_EQ(about.Label5->Alignment(), taRightJustify);
  EXPECT_EQ(about.Label6->BoundsRect(), Bounds(32, 266, 88, 13));
  EXPECT_EQ(about.Label6->Alignment(), taRightJustify);

  gfx::TFont link = about.RzURLLabel4->Font();
  EXPECT_EQ(link.Name, "Verdana");
  EXPECT_EQ(link.Height, 11);
  EXPECT_TRUE(link.Underline);
  const TSize url = Measure(link, TFormAbout::kHomePage);
  EXPECT_EQ(about.RzURLLabel4->BoundsRect(), Bounds(125, 241, url.Width, url.Height));
  const TSize mail = Measure(link, TFormAbout::kMailAddress);
  EXPECT_EQ(about.RzURLLabel1->BoundsRect(), Bounds(124, 265, mail.Width, mail.Height));
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
  EXPECT_EQ(about.Button1->Color(), gfx::MakeColor(0xBE, 0xDA, 0xF1));
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
  EXPECT_EQ(about.Font().Height, 18);
  EXPECT_EQ(about.Label1->Font().Height, gfx::MulDiv(19, 144, 96));
  const TSize title = Measure(about.Label1->Font(), "Dorvex");
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
              underline = TextWidth(a.RzURLLabel4->Font(), TFormAbout::kHomePage);
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
