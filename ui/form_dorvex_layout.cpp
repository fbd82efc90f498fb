#include "ui/form_dorvex_layout.h"

#include <string>
#include <tuple>

#include "resources/artwork.h"
#include "ui/layout_helpers.h"

namespace {

gfx::TFont ArialFont(int height, bool bold, gfx::TColor color) {
  return LayoutFont("Arial", height, bold, color);
}

TLabel* MakeLabel(TControl* parent, const char* name, int left, int top, int width, int height,
                  const std::string& caption, const gfx::TFont& font) {
  return PlaceLabel(parent, name, left, top, width, height, caption, font, gfx::clWindow);
}

struct THeading {
  int Left;
  int Width;
  const char* Text;
  gfx::TFont Font;
};

// A page named TabSheet<n> with a white band along its top (Panel<n>) holding
// a large picture (Image<n>) and a heading (Label<n>); returned in that order.
std::tuple<TRzTabSheet*, TPanel*, TImage*, TLabel*> AddPageWithTop(
    TRzPageControl& pages, const std::string& n, const char* caption, int imageIndex,
    const gfx::TFont& font, int bandHeight, const gfx::TBitmap& picture, const THeading& heading) {
  TRzTabSheet* sheet = pages.AddPage("TabSheet" + n, caption);
  sheet->SetImageIndex(imageIndex);
  sheet->SetFont(font);
  auto* band = Place<TPanel>(sheet, ("Panel" + n).c_str(), 0, 0, 669, bandHeight);
  band->SetAlign(alTop);
  band->SetColor(gfx::clWindow);
  auto* image = Place<TImage>(band, ("Image" + n).c_str(), 8, 4, 32, 32);
  image->SetPicture(picture);
  TLabel* label = MakeLabel(band, ("Label" + n).c_str(), heading.Left, 13, heading.Width, 16,
                            heading.Text, heading.Font);
  return {sheet, band, image, label};
}

}  // namespace

TFormDorvexLayout::TFormDorvexLayout(int dpi, TChartFactory makeChart) : dpi_(dpi > 0 ? dpi : 96) {
  Name = "FormDorvex";
  SetCaption("Dorvex");
  Kind = wkMain;
  SetColor(gfx::clWindow);
  SetFont(ArialFont(11, false, gfx::clWindowText));
  SetIcon(artwork::ProgramIcon(32));
  ImageList1 = artwork::ToolbarImages();
  ImageList2 = artwork::StateMarkers();
  Timer1.Name = "Timer1";
  Timer1.SetInterval(1000);

  DisableAlign();
  SetBounds(0, 0, kClientWidth, kClientHeight);
  BuildToolbar();
  BuildStatusBar();
  BuildPages(makeChart);
  RzPageControl1->SetTabOrder(0);
  RzToolbar1->SetTabOrder(1);
  RzStatusBar1->SetTabOrder(2);
  EnableAlign();
  Realign();
  if (dpi_ != 96) {
    ChangeScale(dpi_, 96);
  }
}

void TFormDorvexLayout::BuildToolbar() {
  RzToolbar1 = Place<TRzToolbar>(this, "RzToolbar1", 0, 0, kClientWidth, 60);
  RzToolbar1->SetAlign(alTop);
  RzToolbar1->VisualStyle = vsGradient;
  RzToolbar1->ShowButtonCaptions = true;
  RzToolbar1->AutoSize = true;
  RzToolbar1->Images = &ImageList1;
  RzToolbar1->SetFont(Font());

  // Design positions; the toolbar lays them out again once they are all in place.
  auto button = [&](const char* name, int left, int image, const char* caption, gfx::TColor color) {
    auto* b = Place<TRzToolButton>(RzToolbar1, name, left, 0, 80, 60);
    b->SetImageIndex(image);
    b->SetCaption(caption);
    b->SetLayout(blGlyphTop);
    b->SetFont(ArialFont(11, false, color));
    b->ShowHint = true;
    RzToolbar1->ToolbarControls.push_back(b);
    return b;
  };
  auto spacer = [&](const char* name, int left) {
    auto* s = Place<TRzSpacer>(RzToolbar1, name, left, 5, 25, 50);
    s->SetGrooved(true);
    RzToolbar1->ToolbarControls.push_back(s);
    return s;
  };
  TBRefresh = button("TBRefresh", 4, 0, "刷新(&R)", gfx::clBlack);
  RzSpacer1 = spacer("RzSpacer1", 84);
  TBHelp = button("TBHelp", 109, 1, "帮助(&H)", gfx::clWindowText);
  TBHelp->SetVisible(false);
  TBAbout = button("TBAbout", 189, 2, "关于(&A)", gfx::clWindowText);
  RzSpacer2 = spacer("RzSpacer2", 269);
  TBUpdate = button("TBUpdate", 294, 3, "升级(&U)", gfx::clWindowText);
  TBHomePage = button("TBHomePage", 374, 4, "主页(&H)", gfx::clWindowText);
  RzSpacer3 = spacer("RzSpacer3", 454);
  TBExit = button("TBExit", 479, 5, "退出(&E)", gfx::clWindowText);
  LabVer = Place<TLabel>(RzToolbar1, "LabVer", 559, 23, 82, 14);
  LabVer->SetCaption("版本 2.0");
  LabVer->SetAlignment(taRightJustify);
  LabVer->SetTransparent(true);
  LabVer->SetFont(Font());
  RzToolbar1->ToolbarControls.push_back(LabVer);
  RzToolbar1->LayoutControls();
}

void TFormDorvexLayout::BuildStatusBar() {
  RzStatusBar1 = Place<TRzStatusBar>(this, "RzStatusBar1", 0, kClientHeight - 19, kClientWidth, 19);
  RzStatusBar1->SetAlign(alBottom);
  RzStatusBar1->SetFont(Font());
  RzClockStatus1 = Place<TRzClockStatus>(RzStatusBar1, "RzClockStatus1", 0, 0, 150, 19);
  RzStatusPane1 = Place<TRzStatusPane>(RzStatusBar1, "RzStatusPane1", 150, 0, 100, 19);
  RzStatusPane2 = Place<TRzStatusPane>(RzStatusBar1, "RzStatusPane2", 250, 0, 100, 19);
  RzStatusPane3 = Place<TRzStatusPane>(RzStatusBar1, "RzStatusPane3", 350, 0, 100, 19);
  RzStatusPane4 = Place<TRzStatusPane>(RzStatusBar1, "RzStatusPane4", 450, 0, 200, 19);
  for (TRzStatusPane* p : {static_cast<TRzStatusPane*>(RzClockStatus1), RzStatusPane1,
                           RzStatusPane2, RzStatusPane3, RzStatusPane4}) {
    p->SetAlign(alLeft);
    p->SetFont(Font());
  }
}

void TFormDorvexLayout::BuildPages(TChartFactory& makeChart) {
  RzPageControl1 = Place<TRzPageControl>(this, "RzPageControl1", 0, 60, kClientWidth, 396);
  RzPageControl1->SetAlign(alClient);
  RzPageControl1->SetFixedDimension(20);
  RzPageControl1->SetBackgroundColor(gfx::cl3DLight);
  RzPageControl1->SetHighlightBarColor(gfx::clWindow);
  RzPageControl1->SetColor(gfx::clWindow);
  RzPageControl1->SetTextColorSelected(gfx::clBlue);
  RzPageControl1->SetFont(ArialFont(11, true, gfx::clWindowText));

  gfx::TFont pageFont = ArialFont(11, false, gfx::clWindowText);
  gfx::TFont headerFont = ArialFont(13, true, gfx::clBlack);

  std::tie(TabSheet1, Panel1, Image1, Label1) =
      AddPageWithTop(*RzPageControl1, "1", "日志", 6, pageFont, 40, artwork::TableWindowIcon(32),
                     {48, 145, "开机/关机日志", headerFont});
  LabTime = MakeLabel(Panel1, "LabTime", 288, 16, 121, 14, " Windows已运行时间:", pageFont);
  LabTimeText =
      MakeLabel(Panel1, "LabTimeText", 416, 16, 233, 14, "", ArialFont(11, false, gfx::clMaroon));

  RzLWMsg = Place<TRzListView>(TabSheet1, "RzLWMsg", 0, 40, 669, 329);
  RzLWMsg->SetAlign(alClient);
  RzLWMsg->SetGridLines(true);
  RzLWMsg->SetRowSelect(true);
  RzLWMsg->SetHideSelection(false);
  RzLWMsg->SetColor(gfx::clWhite);
  gfx::TFont listFont = RzLWMsg->Font();
  listFont.Name = "MS Sans Serif";
  listFont.Height = 11;
  listFont.Color = gfx::clBlack;
  RzLWMsg->SetFont(listFont);
  RzLWMsg->SetSmallImages(&ImageList2);
  RzLWMsg->SetLargeImages(&ImageList2);
  RzLWMsg->SetStateImages(&ImageList2);
  RzLWMsg->SetColumns({{"", 18, false},
                       {kListCaptions[0], 150, false},
                       {kListCaptions[1], 150, false},
                       {kListCaptions[2], 100, false},
                       {kListCaptions[3], 127, false},
                       {kListCaptions[4], 0, true}});

  std::tie(TabSheet2, Panel2, Image2, Label2) =
      AddPageWithTop(*RzPageControl1, "2", "图表", 7, pageFont, 41, artwork::BarChartIcon(32),
                     {56, 273, "运行时间图表", headerFont});

  std::unique_ptr<TControl> chart = makeChart ? makeChart() : nullptr;
  if (!chart) {
    auto placeholder = std::make_unique<TPanel>();
    placeholder->SetColor(gfx::clWhite);
    chart = std::move(placeholder);
  }
  chart->Name = "Chart1";
  chart->SetBounds(0, 41, 669, 328);
  Chart1 = TabSheet2->InsertControl(std::move(chart));
  Chart1->SetAlign(alClient);
  RzPageControl1->SetTabIndex(0);

  // What a reader hears as the names of the list, the uptime figure and the chart.
  Label1->SetLabelledControl(RzLWMsg);
  LabTime->SetLabelledControl(LabTimeText);
  Label2->SetLabelledControl(Chart1);
}
