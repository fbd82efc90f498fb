#include "ui/url_label.h"

#include "ui/tests/widget_fixture.h"

namespace {

const gfx::TColor kBrown = gfx::MakeColor(0x82, 0x5F, 0x46);

class UrlLabelTest : public WidgetTest {
 protected:
  UrlLabelTest() {
    SetLinkOpener(&opener);
    form.SetColor(gfx::clWhite);
    form.SetBounds(0, 0, 300, 40);
    label = form.Add<TRzURLLabel>();
    label->SetBounds(10, 10, 200, 16);
    label->SetCaption("https://www.dorvex.net/");
    gfx::TFont font = label->Font();
    font.Name = "Verdana";
    font.Height = 11;
    label->SetFont(font);
    label->SetUnvisitedColor(gfx::clBlue);
    label->SetVisitedColor(kBrown);
    label->SetTransparent(true);
    form.ShowWindow();
  }
  void ClickLabel() {
    form.WindowMouseMove(0, {15, 15});
    form.WindowMouseDown(mbLeft, 0, {15, 15});
    form.WindowMouseUp(mbLeft, ssLeft, {15, 15});
    form.UpdateWindow();
  }
  // Pixels of the label's area in exactly `c` (the underline is drawn solid).
  int CountColor(gfx::TColor c) {
    int n = 0;
    for (int y = 0; y < label->Height(); ++y) {
      for (int x = 0; x < label->Width(); ++x) {
        n += PixelOf(*label, x, y) == c;
      }
    }
    return n;
  }

  TFakeOpener opener;
  TForm form;
  TRzURLLabel* label = nullptr;
};

TEST_F(UrlLabelTest, DefaultsAreUnderlinedHighlightPurpleAndAPointingHand) {
  TRzURLLabel fresh;
  EXPECT_EQ(fresh.UnvisitedColor(), gfx::clHighlight);
  EXPECT_EQ(fresh.VisitedColor(), gfx::clPurple);
  EXPECT_TRUE(fresh.Font().Underline);
  EXPECT_FALSE(fresh.Visited());
  EXPECT_EQ(fresh.Cursor, crHandPoint);
  form.WindowMouseMove(0, {15, 15});
  EXPECT_EQ(form.CurrentCursor(), crHandPoint);
}

TEST_F(UrlLabelTest, ColourTurnsVisitedAfterAnAcceptedClick) {
  const int textWidth = TextWidth(label->Font(), label->Caption());
  // The underline runs the width of the text, in the unvisited colour.
  EXPECT_GE(CountColor(gfx::clBlue), textWidth);
  EXPECT_EQ(CountColor(kBrown), 0);
  ClickLabel();
  ASSERT_EQ(opener.Opened, std::vector<std::string>{"https://www.dorvex.net/"});
  EXPECT_TRUE(label->Visited());
  EXPECT_EQ(CountColor(gfx::clBlue), 0);
  EXPECT_GE(CountColor(kBrown), textWidth);
  // A second click opens again and keeps the visited colour.
  ClickLabel();
  EXPECT_EQ(opener.Opened.size(), 2u);
  EXPECT_GE(CountColor(kBrown), textWidth);
}

TEST_F(UrlLabelTest, RefusedTargetKeepsTheUnvisitedColour) {
  opener.Accept = false;
  const int before = CountColor(gfx::clBlue);
  ClickLabel();
  EXPECT_EQ(opener.Opened.size(), 1u);
  EXPECT_FALSE(label->Visited());
  EXPECT_EQ(CountColor(gfx::clBlue), before);
  EXPECT_EQ(CountColor(kBrown), 0);
  // Not an .htm target: no chooser either.
  EXPECT_TRUE(opener.Choosers.empty());
}

TEST_F(UrlLabelTest, RefusedHtmTargetStartsTheChooser) {
  opener.Accept = false;
  label->SetURL("  C:\\Docs\\Help.HTM ");
  ClickLabel();
  EXPECT_EQ(opener.Opened, std::vector<std::string>{"C:\\Docs\\Help.HTM"});
  EXPECT_EQ(opener.Choosers, std::vector<std::string>{"*.htm"});
  // ".html" is not ".htm"; an accepted ".htm" needs no chooser.
  label->SetURL("page.html");
  ClickLabel();
  EXPECT_EQ(opener.Choosers.size(), 1u);
  opener.Accept = true;
  label->SetURL("page.htm");
  ClickLabel();
  EXPECT_EQ(opener.Choosers.size(), 1u);
  EXPECT_TRUE(label->Visited());
}

TEST_F(UrlLabelTest, TargetIsTheTrimmedUrlOrElseTheCaption) {
  label->SetURL("  mailto:support@dorvex.net\t");
  EXPECT_EQ(label->Target(), "mailto:support@dorvex.net");
  label->SetURL("   ");
  label->SetCaption(" https://www.dorvex.net/ ");
  EXPECT_EQ(label->Target(), "https://www.dorvex.net/");
  label->SetCaption("  ");
  EXPECT_EQ(label->Target(), "");
  // An empty target asks nothing of the system, but the click notification runs.
  int notified = 0;
  label->OnClick = [&] { ++notified; };
  label->Click();
  EXPECT_EQ(notified, 1);
  EXPECT_TRUE(opener.Opened.empty());
  EXPECT_FALSE(label->Visited());
}

TEST_F(UrlLabelTest, PressReleasedOutsideDoesNotOpen) {
  form.WindowMouseMove(0, {15, 15});
  form.WindowMouseDown(mbLeft, 0, {15, 15});
  form.WindowMouseUp(mbLeft, ssLeft, {250, 35});
  EXPECT_TRUE(opener.Opened.empty());
}

TEST_F(UrlLabelTest, DefaultOpenerHandsTheTargetToThePlatform) {
  SetLinkOpener(nullptr);
  ClickLabel();
  EXPECT_EQ(platform.OpenedAddresses, std::vector<std::string>{"https://www.dorvex.net/"});
  EXPECT_TRUE(label->Visited());
}

TEST_F(UrlLabelTest, DefaultOpenerKeepsTheColourWhenThePlatformCannotOpen) {
  SetLinkOpener(nullptr);
  platform.OpenAddressSucceeds = false;
  ClickLabel();
  EXPECT_EQ(platform.OpenedAddresses, std::vector<std::string>{"https://www.dorvex.net/"});
  EXPECT_FALSE(label->Visited());
  EXPECT_GT(CountColor(gfx::clBlue), 0);
  EXPECT_EQ(CountColor(kBrown), 0);
}

TEST_F(UrlLabelTest, ReachedWithTheKeyboardAndOpenedWithEnterOrSpace) {
  // The window's one tab stop has the focus and shows the dotted rectangle on
  // its edge: every other pixel of the white background inverted.
  ASSERT_TRUE(label->Focused());
  EXPECT_EQ(PixelOf(*label, 0, 0), gfx::clBlack);
  EXPECT_EQ(PixelOf(*label, 1, 0), gfx::clWhite);
  EXPECT_EQ(PixelOf(*label, label->Width() - 1, label->Height() - 1), gfx::clBlack);
  form.WindowKeyDown(Key_Return, 0);
  EXPECT_EQ(opener.Opened.size(), 1u);
  // Space opens on release, as a button clicks.
  form.WindowKeyDown(Key_Space, 0);
  EXPECT_EQ(opener.Opened.size(), 1u);
  form.WindowKeyUp(Key_Space, 0);
  EXPECT_EQ(opener.Opened.size(), 2u);
  form.SetActiveControl(nullptr);
  form.UpdateWindow();
  EXPECT_EQ(PixelOf(*label, 0, 0), gfx::clWhite);
}

TEST_F(UrlLabelTest, AClickLeavesTheKeyboardFocusWhereItWas) {
  auto* other = form.Add<TRzURLLabel>();
  other->SetBounds(220, 10, 60, 16);
  other->SetFocus();
  ClickLabel();
  EXPECT_EQ(opener.Opened, std::vector<std::string>{"https://www.dorvex.net/"});
  EXPECT_EQ(form.ActiveControl(), other);
}

TEST(LinkExtension, LastDotUnlessASeparatorFollows) {
  EXPECT_EQ(LinkExtension("index.htm"), ".htm");
  EXPECT_EQ(LinkExtension("C:\\a.b\\c"), "");
  EXPECT_EQ(LinkExtension("https://www.dorvex.net/"), "");
  EXPECT_EQ(LinkExtension("https://www.dorvex.net"), ".net");
  EXPECT_EQ(LinkExtension("mailto:x"), "");
  EXPECT_EQ(LinkExtension("noext"), "");
  EXPECT_EQ(LinkExtension("a.tar.GZ"), ".GZ");
}

}  // namespace
