#include "gfx/region.h"

#include <gtest/gtest.h>

#include <vector>

namespace gfx {
namespace {

std::vector<std::string> Rows(const TRegion& r, const TRect& area) {
  std::vector<std::string> rows;
  for (int y = area.Top; y < area.Bottom; ++y) {
    std::string row;
    for (int x = area.Left; x < area.Right; ++x) {
      row.push_back(r.Contains(x, y) ? '#' : '.');
    }
    rows.push_back(row);
  }
  return rows;
}

TEST(Region, RectanglePolygonExcludesRightAndBottom) {
  TRegion r;
  const std::vector<TPoint> pts = {{2, 1}, {6, 1}, {6, 4}, {2, 4}};
  ASSERT_TRUE(TRegion::FromPolygon(pts, r));
  EXPECT_EQ(r, TRegion::FromRect({2, 1, 6, 4}));
  EXPECT_EQ(r.Bounds(), (TRect{2, 1, 6, 4}));
  EXPECT_TRUE(r.IsRect());
  // Same result whichever way round the points go.
  TRegion ccw;
  const std::vector<TPoint> back = {{2, 1}, {2, 4}, {6, 4}, {6, 1}};
  ASSERT_TRUE(TRegion::FromPolygon(back, ccw));
  EXPECT_EQ(ccw, r);
}

TEST(Region, RoundCorneredTabOutline) {
  // (L, B), (L, T+2), (L+2, T), (R-2, T), (R, T+2), (R, B) with L=1, T=1,
  // R=9, B=6: the top corners are cut by a 2-pixel diagonal.
  const int L = 1, T = 1, R = 9, B = 6;
  const std::vector<TPoint> tab = {{L, B}, {L, T + 2}, {L + 2, T}, {R - 2, T}, {R, T + 2}, {R, B}};
  TRegion r;
  ASSERT_TRUE(TRegion::FromPolygon(tab, r));
  const std::vector<std::string> expected = {
      "..........",  //
      "...####...",  // row T: L+2 .. R-3
      "..######..",  // row T+1: L+1 .. R-2
      ".########.",  // rows T+2 .. B-1: L .. R-1
      ".########.",  //
      ".########.",  //
      "..........",  // row B is outside
  };
  // Columns 0..9 and a trailing column for R; drop it from the picture.
  std::vector<std::string> got = Rows(r, {0, 0, 11, 7});
  for (auto& row : got) {
    ASSERT_EQ(row.back(), '.');
    row.pop_back();
  }
  EXPECT_EQ(got, expected);
  EXPECT_FALSE(r.IsRect());
  EXPECT_EQ(r.Bounds(), (TRect{L, T, R, B}));
}

TEST(Region, FillModesDifferInsideAStar) {
  const std::vector<TPoint> star = {{10, 0}, {16, 20}, {0, 7}, {20, 7}, {4, 20}};
  TRegion alternate;
  TRegion winding;
  ASSERT_TRUE(TRegion::FromPolygon(star, alternate, fmAlternate));
  ASSERT_TRUE(TRegion::FromPolygon(star, winding, fmWinding));
  EXPECT_FALSE(alternate.Contains(10, 11));  // the pentagon in the middle
  EXPECT_TRUE(winding.Contains(10, 11));
  EXPECT_TRUE(alternate.Contains(10, 3));  // a point of the star
  EXPECT_TRUE(winding.Contains(10, 3));
  EXPECT_FALSE(winding.Contains(1, 15));
}

TEST(Region, FailuresAreReportedAndLeaveTheOutputAlone) {
  TRegion out = TRegion::FromRect({0, 0, 3, 3});
  const TRegion before = out;
  const std::vector<TPoint> two = {{0, 0}, {5, 5}};
  EXPECT_FALSE(TRegion::FromPolygon(two, out));
  const std::vector<TPoint> huge = {{0, 0}, {0x4000000, 0}, {0, 10}};
  EXPECT_FALSE(TRegion::FromPolygon(huge, out));
  EXPECT_FALSE(TRegion::FromPolygon({}, out));
  EXPECT_EQ(out, before);
  EXPECT_STREQ(ERegionError().what(), "Error creating region");
}

TEST(Region, DegeneratePolygonIsEmptyNotAnError) {
  TRegion r = TRegion::FromRect({0, 0, 2, 2});
  const std::vector<TPoint> line = {{0, 0}, {5, 5}, {10, 10}};
  ASSERT_TRUE(TRegion::FromPolygon(line, r));
  EXPECT_TRUE(r.IsEmpty());
  EXPECT_FALSE(r.Contains(0, 0));
}

TEST(Region, IntersectKeepsSeveralSpansPerRow) {
  // A U shape: two legs joined at the bottom.
  const std::vector<TPoint> u = {{0, 0}, {3, 0}, {3, 4}, {6, 4}, {6, 0}, {9, 0}, {9, 6}, {0, 6}};
  TRegion shape;
  ASSERT_TRUE(TRegion::FromPolygon(u, shape));
  EXPECT_EQ(shape.Row(1).size(), 2u);
  const TRegion cut = shape.Intersect(TRegion::FromRect({2, 2, 8, 5}));
  const std::vector<std::string> expected = {
      "..#...##..",  // y = 2
      "..#...##..",  // y = 3
      "..######..",  // y = 4
  };
  EXPECT_EQ(Rows(cut, {0, 2, 10, 5}), expected);
  EXPECT_EQ(cut.Bounds(), (TRect{2, 2, 8, 5}));
  EXPECT_TRUE(shape.Intersect(TRegion::FromRect({20, 20, 30, 30})).IsEmpty());
  EXPECT_TRUE(shape.Intersect(TRegion()).IsEmpty());
}

TEST(Region, Offset) {
  const TRegion r = TRegion::FromRect({0, 0, 2, 3}).Offset(5, -1);
  EXPECT_EQ(r.Bounds(), (TRect{5, -1, 7, 2}));
  EXPECT_TRUE(r.Contains(6, 1));
  EXPECT_FALSE(r.Contains(1, 1));
}

}  // namespace
}  // namespace gfx
