#include "controls/splitter_wnd.h"

#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <vector>

#include "support/headless_app.h"
#include "ui/headless/raster_canvas.h"

namespace ui {
void PrintTo(const TRect& r, std::ostream* os) {
  *os << "{" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << "}";
}
}  // namespace ui

namespace {

using controls::TBarStyle;
using controls::TOrientation;
using controls::TPane;
using controls::TSplitterWnd;
using ui::TCursor;
using ui::TMouseButton;
using ui::TRect;

struct SplitterTest : ::testing::Test {
  testing_support::HeadlessApp env;
  std::unique_ptr<TSplitterWnd> splitter = std::make_unique<TSplitterWnd>(nullptr, "SplitterWnd1");
  std::vector<std::unique_ptr<TPane>> panes;

  // A splitter as its form sets it up: bounds, thickness, orientation, then its panes with their
  // sizes, and finally the end of loading.
  void Build(std::vector<int> sizes, int width = 326, int height = 196, int thickness = 3,
             TOrientation orientation = TOrientation::swVertical) {
    panes.clear();
    splitter = std::make_unique<TSplitterWnd>(nullptr, "SplitterWnd1");
    splitter->SetBounds(4, 4, width, height);
    splitter->SetOrientation(orientation);
    splitter->SetThickness(static_cast<std::uint8_t>(thickness));
    for (int size : sizes) AddPane(size);
    splitter->Loaded();
  }

  TPane& AddPane(int size) {
    panes.push_back(std::make_unique<TPane>(nullptr));
    panes.back()->SetPaneSize(static_cast<std::uint16_t>(size));
    panes.back()->SetSplitterWnd(splitter.get());
    return *panes.back();
  }

  std::vector<int> Sizes() const {
    std::vector<int> sizes;
    for (TPane* pane : splitter->Panes()) sizes.push_back(pane->PaneSize());
    return sizes;
  }

  static TRect Bounds(const ui::TControl& c) { return {c.Left(), c.Top(), c.Left() + c.Width(), c.Top() + c.Height()}; }

  void Press(int x, int y = 10) { splitter->MouseDown(TMouseButton::mbLeft, ui::ssLeft, x, y); }
  void Move(int x, int y = 10) { splitter->MouseMove(ui::ssLeft, x, y); }
  void Release(int x, int y = 10) { splitter->MouseUp(TMouseButton::mbLeft, 0, x, y); }

  ui::TColor Pixel(int x, int y) { return static_cast<ui::RasterCanvas&>(splitter->Canvas()).Pixel(x, y); }
  static constexpr ui::TColor kBlank = ui::RasterCanvas::kBlank, kInverted = ui::RasterCanvas::kBlank ^ 0xFFFFFF;

  // The columns of the splitter's raster that differ from the blank picture in row y.
  std::vector<int> InvertedColumns(int y) {
    std::vector<int> columns;
    for (int x = 0; x < splitter->Width(); ++x)
      if (Pixel(x, y) != kBlank) columns.push_back(x);
    return columns;
  }
};

TEST_F(SplitterTest, StartsAsAnUnbevelledPanelWithVerticalBars) {
  EXPECT_EQ(splitter->Width(), 400);
  EXPECT_EQ(splitter->Height(), 200);
  EXPECT_EQ(splitter->BevelOuter, ui::TPanel::TBevelCut::bvNone);
  EXPECT_EQ(splitter->Orientation(), TOrientation::swVertical);
  EXPECT_EQ(splitter->Thickness(), 3);
  EXPECT_EQ(splitter->CursorHorz(), TCursor::crVSplit);
  EXPECT_EQ(splitter->CursorVert(), TCursor::crHSplit);
  EXPECT_EQ(splitter->Cursor(), TCursor::crHSplit);
  EXPECT_TRUE(splitter->ProportionalResize);
  EXPECT_EQ(splitter->BarStyle, TBarStyle::sbCheckered);
  EXPECT_EQ(splitter->DraggedBar(), -1);

  TPane pane(nullptr);
  EXPECT_EQ(pane.PaneIndex(), -1);
  EXPECT_EQ(pane.PaneSize(), 0);
  EXPECT_EQ(pane.MinPaneSize, 0);
  EXPECT_EQ(pane.BevelOuter, ui::TPanel::TBevelCut::bvNone);
  // Outside a splitter the size is only kept.
  pane.SetPaneSize(77);
  EXPECT_EQ(pane.PaneSize(), 77);
}

TEST_F(SplitterTest, LoadingClearsTheCaptionAndLaysOutTheSizesAsSet) {
  // As a form sets it up: each pane joins, then gets its size; until loaded the sizes are only kept.
  splitter->SetCaption("SplitterWnd1");
  splitter->SetBounds(4, 4, 326, 196);
  TPane pane1(nullptr, "Pane1"), pane2(nullptr, "Pane2");
  pane1.SetSplitterWnd(splitter.get());
  pane1.SetPaneIndex(0);
  pane1.SetPaneSize(149);
  pane2.SetSplitterWnd(splitter.get());
  pane2.SetPaneIndex(1);
  pane2.SetPaneSize(177);
  EXPECT_EQ(pane1.Width(), 0);
  splitter->Loaded();
  EXPECT_EQ(splitter->Caption(), "");
  EXPECT_EQ(splitter->Panes(), (std::vector<TPane*>{&pane1, &pane2}));
  EXPECT_EQ(Sizes(), (std::vector<int>{149, 177}));
  EXPECT_EQ(pane1.PaneIndex(), 0);
  EXPECT_EQ(pane2.PaneIndex(), 1);
  EXPECT_EQ(pane1.Parent(), splitter.get());
  // The folder list's pane covers 0 to 147, the bar 148 to 150, the file list's pane 151 to 325.
  EXPECT_EQ(Bounds(pane1), (TRect{0, 0, 148, 196}));
  EXPECT_EQ(Bounds(pane2), (TRect{151, 0, 326, 196}));
}

TEST_F(SplitterTest, ThicknessChangesLayOutAgain) {
  Build({149, 177});
  splitter->SetThickness(7);
  EXPECT_EQ(Bounds(*panes[0]), (TRect{0, 0, 146, 196}));
  EXPECT_EQ(Bounds(*panes[1]), (TRect{153, 0, 326, 196}));
}

TEST_F(SplitterTest, LaysOutMiddlePanesAndHorizontalBars) {
  struct Case {
    TOrientation orientation;
    int thickness;
    std::vector<TRect> bounds;
  } cases[] = {
      // Sizes 100, 150, 150 of 400 x 200: bars start at S(i) - h.
      {TOrientation::swVertical, 3, {{0, 0, 99, 200}, {102, 0, 249, 200}, {252, 0, 400, 200}}},
      {TOrientation::swVertical, 4, {{0, 0, 98, 200}, {102, 0, 248, 200}, {252, 0, 400, 200}}},
      {TOrientation::swHorizontal, 3, {{0, 0, 200, 99}, {0, 102, 200, 249}, {0, 252, 200, 400}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.thickness);
    const bool vertical = c.orientation == TOrientation::swVertical;
    Build({100, 150, 150}, vertical ? 400 : 200, vertical ? 200 : 400, c.thickness, c.orientation);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(Bounds(*panes[i]), c.bounds[i]) << i;
  }
}

TEST_F(SplitterTest, OnePaneFillsTheSplitterWhateverItsSize) {
  Build({50});
  EXPECT_EQ(Sizes(), std::vector<int>{326});
  EXPECT_EQ(Bounds(*panes[0]), (TRect{0, 0, 326, 196}));
  panes[0]->SetPaneSize(10);
  EXPECT_EQ(Sizes(), std::vector<int>{326});
  EXPECT_EQ(Bounds(*panes[0]), (TRect{0, 0, 326, 196}));
}

TEST_F(SplitterTest, ResizeRuleKeepsThePairsTotalWithinBothMinimums) {
  // Panes of 100, 200 and 100 in 400 pixels, bars of 3; without a MinPaneSize the minimum is twice
  // the scroll bar width, 2 x 16.
  struct Case {
    int pane, size;
    int ownMin, nextMin;
    std::vector<int> sizes;
  } cases[] = {
      {0, 150, 0, 0, {150, 150, 100}},
      {0, 1000, 0, 0, {265, 35, 100}},  // largest: 100 + 200 - 3 - 32
      {0, 265, 0, 0, {265, 35, 100}},
      {0, 266, 0, 0, {265, 35, 100}},
      {0, 5, 0, 0, {32, 268, 100}},  // smallest: the pane's own minimum
      {0, 32, 0, 0, {32, 268, 100}},
      {0, 1000, 0, 50, {247, 53, 100}},
      {0, 5, 60, 0, {60, 240, 100}},
      {1, 250, 0, 0, {100, 250, 50}},
      {1, 0, 0, 0, {100, 32, 268}},
      {2, 10, 0, 0, {100, 200, 100}},  // the last pane's size changes nothing by itself
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << "pane " << c.pane << " to " << c.size);
    Build({100, 200, 100}, 400, 200);
    panes[c.pane]->MinPaneSize = static_cast<std::uint16_t>(c.ownMin);
    if (c.pane + 1 < 3) panes[c.pane + 1]->MinPaneSize = static_cast<std::uint16_t>(c.nextMin);
    panes[c.pane]->SetPaneSize(static_cast<std::uint16_t>(c.size));
    EXPECT_EQ(Sizes(), c.sizes);
    // And the panes are laid out at once.
    EXPECT_EQ(panes[1]->Left(), c.sizes[0] - 1 + 3);
  }
}

TEST_F(SplitterTest, DefaultMinimumIsTwiceTheScrollBarAcrossTheBars) {
  env.backend.scrollBarWidth = 10;
  env.backend.scrollBarHeight = 20;
  Build({200, 200}, 400, 200);
  panes[0]->SetPaneSize(0);
  EXPECT_EQ(Sizes(), (std::vector<int>{20, 380}));

  Build({100, 100}, 400, 200, 3, TOrientation::swHorizontal);
  panes[0]->SetPaneSize(0);
  EXPECT_EQ(Sizes(), (std::vector<int>{40, 160}));
}

TEST_F(SplitterTest, PanesTooSmallForTheirMinimumsKeepSizesThatAreNotNegative) {
  Build({10, 10, 100}, 120, 100);
  // The largest allowed size, 20 - 3 - 32, is below 0: the pair keeps its total, the third pane its size.
  panes[0]->SetPaneSize(12);
  EXPECT_EQ(Sizes(), (std::vector<int>{0, 20, 100}));
  EXPECT_EQ(panes[0]->Width(), 0);
}

TEST_F(SplitterTest, PressAndReleaseWithoutMovingPutsTheBoundaryOnThePressedPixel) {
  // The bar after 149 pixels is hit from 148 to 151; the change lies between -h and +r.
  struct Case {
    int x;
    int bar;
    int size;
  } cases[] = {{147, -1, 149}, {148, 0, 148}, {149, 0, 149}, {150, 0, 150}, {151, 0, 151}, {152, -1, 149}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.x);
    Build({149, 177});
    Press(c.x);
    EXPECT_EQ(splitter->DraggedBar(), c.bar);
    Release(c.x);
    EXPECT_EQ(splitter->DraggedBar(), -1);
    EXPECT_EQ(Sizes(), (std::vector<int>{c.size, 326 - c.size}));
    EXPECT_EQ(panes[1]->Left(), c.size + 2);
  }
}

TEST_F(SplitterTest, AnyButtonDragsAndTheMouseEventsStillFire) {
  Build({149, 177});
  int downs = 0, moves = 0, ups = 0;
  splitter->OnMouseDown = [&](ui::TObject*, TMouseButton, ui::TShiftState, int, int) { ++downs; };
  splitter->OnMouseMove = [&](ui::TObject*, ui::TShiftState, int, int) { ++moves; };
  splitter->OnMouseUp = [&](ui::TObject*, TMouseButton, ui::TShiftState, int, int) { ++ups; };
  splitter->MouseDown(TMouseButton::mbRight, ui::ssRight, 149, 10);
  splitter->MouseMove(ui::ssRight, 200, 10);
  splitter->MouseUp(TMouseButton::mbRight, 0, 200, 10);
  EXPECT_EQ(Sizes(), (std::vector<int>{200, 126}));
  EXPECT_EQ((std::vector<int>{downs, moves, ups}), (std::vector<int>{1, 1, 1}));
}

TEST_F(SplitterTest, DragPastANeighbourStopsAtItsMinimum) {
  struct Case {
    int minPaneSize;  // of both panes
    int to;
    int line;  // where the line stops
    std::vector<int> sizes;
  } cases[] = {
      // Towards the second pane: the line stops 32 short of the end; on release the second pane
      // keeps its minimum plus the bar.
      {0, 1000, 326 - 32, {326 - 35, 35}},
      {0, 20, 32, {32, 294}},
      {0, -50, 32, {32, 294}},
      {50, 1000, 276, {273, 53}},
      {50, 3, 50, {50, 276}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.to);
    Build({149, 177});
    for (auto& pane : panes) pane->MinPaneSize = static_cast<std::uint16_t>(c.minPaneSize);
    std::vector<TRect> drawn;
    splitter->OnDrawDragRect = [&](ui::TObject*, TRect& rect, bool&) { drawn.push_back(rect); };
    Press(149);
    Move(c.to);
    ASSERT_EQ(drawn.size(), 2u);
    EXPECT_EQ(drawn.back(), (TRect{c.line - 1, 0, c.line + 3, 196}));
    Release(c.to);
    EXPECT_EQ(Sizes(), c.sizes);
  }
}

TEST_F(SplitterTest, DragOfAMiddleBarIsBoundByBothNeighbours) {
  Build({100, 150, 150}, 400, 200);
  std::vector<TRect> drawn;
  splitter->OnDrawDragRect = [&](ui::TObject*, TRect& rect, bool&) { drawn.push_back(rect); };
  Press(250);
  ASSERT_EQ(splitter->DraggedBar(), 1);
  Move(10);  // clamped at S(0) + min(1) = 132
  EXPECT_EQ(drawn.back().left, 131);
  Move(399);  // clamped at S(2) - min(2) = 368
  EXPECT_EQ(drawn.back().left, 367);
  Release(399);
  EXPECT_EQ(Sizes(), (std::vector<int>{100, 265, 35}));
}

TEST_F(SplitterTest, TheLastBarWhoseHitRectangleHoldsThePointIsTaken) {
  // Bars of 9 pixels (h 4, r 4) after 100 and 103 pixels: hit from 96 to 104 and from 99 to 107.
  struct Case {
    int x, y;
    int bar;
  } cases[] = {{95, 10, -1}, {96, 10, 0}, {98, 10, 0}, {99, 10, 1}, {104, 10, 1},
               {107, 10, 1}, {108, 10, -1}, {100, -1, -1}, {100, 200, -1}, {100, 199, 1}};
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.x << "," << c.y);
    Build({100, 3, 297}, 400, 200, 9);
    Press(c.x, c.y);
    EXPECT_EQ(splitter->DraggedBar(), c.bar);
  }
}

TEST_F(SplitterTest, OrientationSwitchConvertsTheSizesAndTheCursor) {
  Build({200, 200}, 400, 200);
  splitter->SetOrientation(TOrientation::swHorizontal);
  EXPECT_EQ(Sizes(), (std::vector<int>{100, 100}));
  EXPECT_EQ(splitter->Cursor(), TCursor::crVSplit);
  EXPECT_EQ(Bounds(*panes[0]), (TRect{0, 0, 400, 99}));
  EXPECT_EQ(Bounds(*panes[1]), (TRect{0, 102, 400, 200}));
  // Presses now find the bar along the height.
  Press(10, 100);
  EXPECT_EQ(splitter->DraggedBar(), 0);
  Move(10, 120);
  // The release point itself does not count: the line's last place does.
  Release(10, 150);
  EXPECT_EQ(Sizes(), (std::vector<int>{120, 80}));

  splitter->SetOrientation(TOrientation::swVertical);
  EXPECT_EQ(Sizes(), (std::vector<int>{240, 160}));
  EXPECT_EQ(splitter->Cursor(), TCursor::crHSplit);
}

TEST_F(SplitterTest, OrientationSwitchRoundsHalvesToEven) {
  struct Case {
    int first;
    int converted;
  } cases[] = {{1, 0}, {3, 2}, {5, 2}, {7, 4}, {8, 4}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.first);
    Build({c.first, 400 - c.first}, 400, 200);
    splitter->SetOrientation(TOrientation::swHorizontal);
    EXPECT_EQ(Sizes(), (std::vector<int>{c.converted, 200 - c.converted}));
  }
}

TEST_F(SplitterTest, CursorsFollowTheOrientationEvenWithoutPanes) {
  splitter->SetOrientation(TOrientation::swHorizontal);
  EXPECT_EQ(splitter->Cursor(), TCursor::crVSplit);
  splitter->SetCursorVert(TCursor::crDrag);  // not the current orientation's
  EXPECT_EQ(splitter->Cursor(), TCursor::crVSplit);
  splitter->SetCursorHorz(TCursor::crHourGlass);
  EXPECT_EQ(splitter->Cursor(), TCursor::crHourGlass);
  splitter->SetOrientation(TOrientation::swVertical);
  EXPECT_EQ(splitter->Cursor(), TCursor::crDrag);
}

TEST_F(SplitterTest, ThicknessZeroActsAsOneAndTheDragLineIsHPlusRPlusOneWide) {
  struct Case {
    int thickness, stored;
    int lineFrom, lineTo;  // of the line pressed at 149
    int secondLeft;
  } cases[] = {
      {0, 1, 149, 150, 150}, {1, 1, 149, 150, 150}, {3, 3, 148, 152, 151},
      {4, 4, 147, 152, 151}, {5, 5, 147, 152, 152},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.thickness);
    Build({149, 177}, 326, 196, c.thickness);
    EXPECT_EQ(splitter->Thickness(), c.stored);
    EXPECT_EQ(panes[1]->Left(), c.secondLeft);
    std::vector<TRect> drawn;
    splitter->OnDrawDragRect = [&](ui::TObject*, TRect& rect, bool&) { drawn.push_back(rect); };
    Press(149);
    ASSERT_EQ(drawn.size(), 1u);
    EXPECT_EQ(drawn[0], (TRect{c.lineFrom, 0, c.lineTo, 196}));
    Release(149);
  }
}

TEST_F(SplitterTest, ResizingKeepsProportionsOrGivesTheChangeToTheLastPane) {
  struct Case {
    bool proportional;
    int width;
    std::vector<int> sizes;
  } cases[] = {
      {true, 652, {298, 354}},
      {true, 200, {91, 109}},  // 91.4 and 108.6
      {true, 326, {149, 177}},
      {false, 400, {149, 251}},
      {false, 200, {149, 51}},
      // Shrunk below the first pane: the last pane goes to 0 and the first gives up the rest.
      {false, 100, {100, 0}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.width);
    Build({149, 177});
    splitter->ProportionalResize = c.proportional;
    splitter->SetWidth(c.width);
    EXPECT_EQ(Sizes(), c.sizes);
    EXPECT_EQ(panes[1]->Left(), c.sizes[0] + 2);
  }
}

TEST_F(SplitterTest, PanesWithoutSizeAreRescaledWithoutDividingByZero) {
  Build({0, 0}, 0, 100);
  EXPECT_EQ(Sizes(), (std::vector<int>{0, 0}));
  // Panes that have no size between them share the space equally.
  splitter->SetWidth(300);
  EXPECT_EQ(Sizes(), (std::vector<int>{150, 150}));

  Build({0, 0}, 0, 100);
  AddPane(100);
  EXPECT_EQ(Sizes(), (std::vector<int>{0, 0, 0}));
  splitter->SetWidth(300);
  EXPECT_EQ(Sizes(), (std::vector<int>{100, 100, 100}));

  Build({0, 0}, 0, 100);
  splitter->ProportionalResize = false;
  splitter->SetWidth(300);
  EXPECT_EQ(Sizes(), (std::vector<int>{0, 300}));

  // Nothing to convert from: the last pane takes the new extent.
  Build({0, 0}, 0, 100);
  splitter->SetOrientation(TOrientation::swHorizontal);
  EXPECT_EQ(Sizes(), (std::vector<int>{0, 100}));
}

TEST_F(SplitterTest, AddingAPaneAfterLoadingMakesRoomForIt) {
  Build({149, 177});
  AddPane(0);
  EXPECT_EQ(Sizes(), (std::vector<int>{149, 177, 0}));
  panes.pop_back();
  EXPECT_EQ(Sizes(), (std::vector<int>{149, 177}));
  TPane& added = AddPane(100);
  // 149 and 177 share 226 pixels: 103.3 and 122.7.
  EXPECT_EQ(Sizes(), (std::vector<int>{103, 123, 100}));
  EXPECT_EQ(added.PaneIndex(), 2);
  EXPECT_EQ(added.Parent(), splitter.get());
  EXPECT_EQ(Bounds(added), (TRect{228, 0, 326, 196}));
}

TEST_F(SplitterTest, RemovingAPaneRenumbersAndRescales) {
  struct Case {
    bool proportional;
    std::vector<int> sizes;
  } cases[] = {{true, {133, 267}}, {false, {100, 300}}};
  for (const Case& c : cases) {
    Build({100, 100, 200}, 400, 200);
    splitter->ProportionalResize = c.proportional;
    TPane* first = panes[0].get();
    TPane* last = panes[2].get();
    panes[1]->SetSplitterWnd(nullptr);
    EXPECT_EQ(panes[1]->PaneIndex(), -1);
    EXPECT_EQ(panes[1]->Parent(), nullptr);
    EXPECT_EQ(splitter->Panes(), (std::vector<TPane*>{first, last}));
    EXPECT_EQ(last->PaneIndex(), 1);
    EXPECT_EQ(Sizes(), c.sizes);
    EXPECT_EQ(last->Left(), c.sizes[0] + 2);
  }
  // Destroying a pane takes it out as well.
  panes.pop_back();
  EXPECT_EQ(splitter->PaneCount(), 1);
  EXPECT_EQ(Sizes(), std::vector<int>{400});
}

TEST_F(SplitterTest, PaneIndexMovesThePane) {
  Build({100, 100, 200}, 400, 200);
  panes[2]->SetPaneIndex(0);
  EXPECT_EQ(splitter->Panes(), (std::vector<TPane*>{panes[2].get(), panes[0].get(), panes[1].get()}));
  EXPECT_EQ(panes[0]->PaneIndex(), 1);
  EXPECT_EQ(Sizes(), (std::vector<int>{200, 100, 100}));
  EXPECT_EQ(Bounds(*panes[2]), (TRect{0, 0, 199, 200}));
  EXPECT_EQ(Bounds(*panes[1]), (TRect{302, 0, 400, 200}));
  panes[2]->SetPaneIndex(9);
  EXPECT_EQ(splitter->Panes().back(), panes[2].get());
}

TEST_F(SplitterTest, TheDragLineIsAnInversionDrawnTwiceToErase) {
  for (TBarStyle style : {TBarStyle::sbCheckered, TBarStyle::sbSolid}) {
    const bool checkered = style == TBarStyle::sbCheckered;
    SCOPED_TRACE(checkered);
    // The columns from..to - 1 of row y that the line inverts: every other pixel when checkered.
    auto line = [&](int from, int to, int y) {
      std::vector<int> columns;
      for (int x = from; x < to; ++x)
        if (!checkered || (x + y) % 2 == 0) columns.push_back(x);
      return columns;
    };
    Build({149, 177});
    splitter->BarStyle = style;
    Press(150);
    for (int y : {0, 1, 195}) EXPECT_EQ(InvertedColumns(y), line(149, 153, y)) << y;
    EXPECT_EQ(Pixel(checkered ? 150 : 149, 0), kInverted);
    // Moving the line erases it where it was.
    Move(200);
    for (int y : {0, 1, 195}) EXPECT_EQ(InvertedColumns(y), line(199, 203, y)) << y;
    // A move that keeps the line in place leaves it drawn.
    Move(200, 50);
    EXPECT_EQ(InvertedColumns(0), line(199, 203, 0));
    Release(200);
    for (int y : {0, 1, 195}) EXPECT_TRUE(InvertedColumns(y).empty()) << y;
    EXPECT_EQ(Sizes(), (std::vector<int>{200, 126}));
  }
}

TEST_F(SplitterTest, HandlersThatClearOwnerDrawPaintTheLineThemselves) {
  Build({149, 177});
  std::vector<TRect> drawn, erased;
  splitter->OnDrawDragRect = [&](ui::TObject* sender, TRect& rect, bool& ownerDraw) {
    EXPECT_EQ(sender, splitter.get());
    EXPECT_TRUE(ownerDraw);
    drawn.push_back(rect);
    ownerDraw = false;
  };
  splitter->OnEraseDragRect = [&](ui::TObject*, TRect& rect, bool& ownerDraw) {
    EXPECT_TRUE(ownerDraw);
    erased.push_back(rect);
    ownerDraw = false;
  };
  Press(149);
  Move(160);
  Move(160, 100);  // the line stays where it is
  EXPECT_TRUE(InvertedColumns(0).empty());
  Release(160);
  EXPECT_TRUE(InvertedColumns(0).empty());
  EXPECT_EQ(drawn, (std::vector<TRect>{{148, 0, 152, 196}, {159, 0, 163, 196}}));
  EXPECT_EQ(erased, (std::vector<TRect>{{148, 0, 152, 196}, {159, 0, 163, 196}}));
  EXPECT_EQ(Sizes(), (std::vector<int>{160, 166}));
}

TEST_F(SplitterTest, TheSplitterInvertsTheRectangleAHandlerHandsBack) {
  Build({149, 177});
  splitter->BarStyle = TBarStyle::sbSolid;
  splitter->OnDrawDragRect = [&](ui::TObject*, TRect& rect, bool&) { rect = {10, 0, 12, 196}; };
  Press(149);
  EXPECT_EQ(InvertedColumns(5), (std::vector<int>{10, 11}));
}

TEST_F(SplitterTest, RemovingAPaneEndsTheDragAndErasesItsLine) {
  Build({100, 150, 150}, 400, 200);
  Press(250);
  ASSERT_FALSE(InvertedColumns(0).empty());
  panes.pop_back();
  EXPECT_EQ(splitter->DraggedBar(), -1);
  EXPECT_TRUE(InvertedColumns(0).empty());
  Release(250);
  EXPECT_EQ(Sizes(), (std::vector<int>{160, 240}));
}

TEST_F(SplitterTest, ClientControlFillsItsPane) {
  Build({149, 177});
  ui::TListBox folders(nullptr), files(nullptr);
  panes[0]->SetClientControl(&folders);
  panes[1]->SetClientControl(&files);
  EXPECT_EQ(folders.Parent(), panes[0].get());
  EXPECT_EQ(Bounds(folders), (TRect{0, 0, 148, 196}));
  EXPECT_EQ(Bounds(files), (TRect{0, 0, 175, 196}));
  Press(149);
  Move(200);
  Release(200);
  EXPECT_EQ(Bounds(folders), (TRect{0, 0, 199, 196}));
  EXPECT_EQ(Bounds(files), (TRect{0, 0, 124, 196}));
  // A client moved to another parent is no longer the pane's.
  files.SetParent(panes[0].get());
  EXPECT_EQ(panes[1]->ClientControl(), nullptr);
  splitter->SetHeight(100);
  EXPECT_EQ(files.Height(), 196);
  EXPECT_EQ(folders.Height(), 100);
}

}  // namespace
