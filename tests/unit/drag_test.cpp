#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "support/drag.h"
#include "support/headless_app.h"
#include "ui/stdctrls.h"

namespace {

using testing_support::MouseDrag;
using ui::TCursor;
using ui::TDragState;
using Log = std::vector<std::string>;

std::string NameOf(ui::TObject* object) {
  auto* component = dynamic_cast<ui::TComponent*>(object);
  return component ? component->Name() : "nil";
}

const char* StateName(TDragState state) {
  switch (state) {
    case TDragState::dsDragEnter: return "enter";
    case TDragState::dsDragLeave: return "leave";
    case TDragState::dsDragMove: return "move";
  }
  return "?";
}

// A form at 100,50 on the screen with a source list (automatic drag), a target panel that accepts
// drops, and a label without a drag-over handler, which refuses them.
struct DragTest : ::testing::Test {
  testing_support::HeadlessApp env;
  ui::TForm form{nullptr, "form"};
  ui::TListBox source{&form, "source"};
  ui::TPanel target{&form, "target"};
  ui::TLabel refuser{&form, "refuser"};
  Log log;
  bool targetAccepts = true;

  DragTest() {
    form.SetBounds(100, 50, 0, 0);
    form.SetClientWidth(300);
    form.SetClientHeight(200);
    form.SetVisible(true);
    source.SetParent(&form);
    source.SetBounds(10, 10, 100, 100);
    source.DragMode = ui::TDragMode::dmAutomatic;
    target.SetParent(&form);
    target.SetBounds(150, 10, 100, 100);
    refuser.SetParent(&form);
    refuser.SetBounds(10, 150, 100, 30);

    source.OnStartDrag = [this](ui::TObject* sender) { log.push_back("start " + NameOf(sender)); };
    source.OnEndDrag = [this](ui::TObject* sender, ui::TObject* to, int x, int y) {
      log.push_back("end " + NameOf(sender) + " " + NameOf(to) + " " + Point(x, y));
    };
    target.OnDragOver = [this](ui::TObject* sender, ui::TObject* from, int x, int y, TDragState state,
                               bool& accept) {
      EXPECT_TRUE(accept) << "accept starts true";
      accept = targetAccepts;
      log.push_back(NameOf(sender) + " " + StateName(state) + " " + NameOf(from) + " " + Point(x, y));
    };
    target.OnDragDrop = [this](ui::TObject* sender, ui::TObject* from, int x, int y) {
      log.push_back("drop " + NameOf(sender) + " " + NameOf(from) + " " + Point(x, y));
    };
  }

  static std::string Point(int x, int y) { return std::to_string(x) + "," + std::to_string(y); }
  const std::vector<TCursor>& DragCursors() const { return env.backend.DragCursorHistory(); }
};

TEST_F(DragTest, APressBeginsADragThatStartsOnceTheMouseHasMovedTheDragDistance) {
  struct Case {
    int threshold;  // -1: the system's distance
    ui::TPoint shortOf, farEnough;
  } cases[] = {
      {-1, {24, 16}, {25, 20}},  // 5 pixels right
      {-1, {20, 24}, {20, 15}},  // 5 pixels up
      {10, {29, 29}, {20, 30}},
      {0, {20, 20}, {20, 20}},   // no distance: the first move starts it
  };
  for (const auto& c : cases) {
    log.clear();
    // The system's distance by the automatic mode, another by the program from the press.
    source.DragMode = c.threshold < 0 ? ui::TDragMode::dmAutomatic : ui::TDragMode::dmManual;
    source.OnMouseDown = [&](ui::TObject*, ui::TMouseButton, ui::TShiftState, int, int) {
      if (c.threshold >= 0) source.BeginDrag(false, c.threshold);
    };
    MouseDrag drag(source, {20, 20});
    EXPECT_TRUE(source.Dragging());
    if (c.threshold != 0) {
      drag.MoveTo(source, c.shortOf);
      EXPECT_TRUE(env.app.Drag().Pending()) << c.threshold << " " << c.shortOf.x << "," << c.shortOf.y;
      EXPECT_TRUE(log.empty());
    }
    drag.MoveTo(source, c.farEnough);
    EXPECT_TRUE(env.app.Drag().Running()) << c.threshold << " " << c.farEnough.x << "," << c.farEnough.y;
    EXPECT_EQ(log, Log{"start source"});
    drag.Cancel();
  }
}

TEST_F(DragTest, AReleaseBeforeTheDragStartsIsAClickAndRightPressesDragNothing) {
  MouseDrag drag(source, {20, 20});
  drag.MoveTo(source, {23, 23});
  drag.Release();
  EXPECT_FALSE(source.Dragging());
  EXPECT_TRUE(log.empty());
  EXPECT_TRUE(DragCursors().empty());

  source.MouseDown(ui::TMouseButton::mbRight, 0, 20, 20);
  EXPECT_FALSE(source.Dragging());
}

TEST_F(DragTest, TheMouseDownHandlerDecidesTheModeForItsOwnPress) {
  source.DragMode = ui::TDragMode::dmManual;
  ui::TDragMode wanted = ui::TDragMode::dmAutomatic;
  source.OnMouseDown = [&](ui::TObject*, ui::TMouseButton, ui::TShiftState, int, int) { source.DragMode = wanted; };
  MouseDrag(source, {20, 20}).MoveTo(target, {5, 5});
  EXPECT_EQ(log.front(), "start source");
  env.app.Drag().Cancel();

  log.clear();
  wanted = ui::TDragMode::dmManual;
  MouseDrag(source, {20, 20}).MoveTo(target, {5, 5}).Release();
  EXPECT_TRUE(log.empty());
}

TEST_F(DragTest, TargetsHearEnterMoveAndLeaveInTheirOwnCoordinatesAndTheDropGoesToTheLastOne) {
  MouseDrag drag(source, {20, 20});
  drag.MoveTo(target, {5, 6}).MoveTo(target, {7, 8}).MoveTo(refuser, {1, 1}).MoveTo(target, {50, 60});
  drag.Release();
  EXPECT_EQ(log, (Log{"start source", "target enter source 5,6", "target move source 5,6",
                      "target move source 7,8", "target leave source -139,141", "target enter source 50,60",
                      "target move source 50,60", "drop target source 50,60", "end source target 50,60"}));
  EXPECT_EQ(DragCursors(), (std::vector<TCursor>{TCursor::crDrag, TCursor::crDrag, TCursor::crNoDrop,
                                                 TCursor::crDrag, TCursor::crDefault}));
  EXPECT_FALSE(source.Dragging());
}

TEST_F(DragTest, AReleaseElsewhereMovesThereFirst) {
  MouseDrag drag(source, {20, 20});
  drag.MoveTo(source, {40, 40});
  drag.ReleaseAt(target, {3, 4});
  EXPECT_EQ(log, (Log{"start source", "target enter source 3,4", "target move source 3,4",
                      "drop target source 3,4", "end source target 3,4"}));
}

TEST_F(DragTest, WithoutAnAcceptingTargetTheDragEndsWithoutADrop) {
  struct Case {
    const char* name;
    bool accepts;
    std::function<void(MouseDrag&)> end;
    Log tail;
  } cases[] = {
      {"released over a refusing target", false, [&](MouseDrag& d) { d.Release(); },
       {"target leave source 5,5", "end source nil 0,0"}},
      {"released over the bare form", true, [&](MouseDrag& d) { d.ReleaseAt(form, {290, 190}); },
       {"target leave source 140,180", "end source nil 0,0"}},
      {"cancelled over an accepting target", true, [&](MouseDrag& d) { d.Cancel(); },
       {"target leave source 5,5", "end source nil 0,0"}},
  };
  for (const auto& c : cases) {
    log.clear();
    targetAccepts = c.accepts;
    MouseDrag drag(source, {20, 20});
    drag.MoveTo(target, {5, 5});
    c.end(drag);
    Log tail(log.end() - std::min<std::ptrdiff_t>(log.size(), 2), log.end());
    EXPECT_EQ(tail, c.tail) << c.name;
    EXPECT_EQ(DragCursors().back(), TCursor::crDefault) << c.name;
    EXPECT_FALSE(env.app.Drag().Source()) << c.name;
  }
}

TEST_F(DragTest, TheDragPointerIsTheSourcesAsTheOverHandlerLeavesIt) {
  target.OnDragOver = [&](ui::TObject*, ui::TObject*, int, int y, TDragState, bool&) {
    source.DragCursor = y < 50 ? TCursor::crDrag : TCursor::crMultiDrag;
  };
  MouseDrag drag(source, {20, 20});
  drag.MoveTo(target, {5, 5}).MoveTo(target, {5, 60}).MoveTo(refuser, {1, 1});
  EXPECT_EQ(DragCursors(), (std::vector<TCursor>{TCursor::crDrag, TCursor::crMultiDrag, TCursor::crNoDrop}));
  drag.Cancel();
}

TEST_F(DragTest, TheProgramCanStartADragAtOnceWhereTheMouseIs) {
  source.DragMode = ui::TDragMode::dmManual;
  source.OnDragOver = [&](ui::TObject*, ui::TObject*, int x, int y, TDragState state, bool&) {
    log.push_back(std::string("source ") + StateName(state) + " " + Point(x, y));
  };
  env.backend.cursorPos = source.ClientToScreen({30, 40});
  source.BeginDrag(true);
  EXPECT_EQ(log, (Log{"start source", "source enter 30,40", "source move 30,40"}));
  env.app.Drag().MouseReleased(source.ClientToScreen({30, 40}));
  EXPECT_EQ(log.back(), "end source source 30,40") << "a control can take its own drop";
}

TEST_F(DragTest, AnErrorInTheDropStillEndsTheDragAndReachesTheErrorBox) {
  target.OnDragDrop = [](ui::TObject*, ui::TObject*, int, int) { throw ui::Exception("Cannot drop here"); };
  testing_support::DragAndDrop(source, {20, 20}, target, {5, 5});
  EXPECT_EQ(log.back(), "end source target 5,5");
  ASSERT_EQ(env.backend.Boxes().size(), 1u);
  EXPECT_EQ(env.backend.Boxes()[0].text, "Cannot drop here.");
  EXPECT_FALSE(source.Dragging());
}

TEST_F(DragTest, AControlDestroyedDuringTheDragIsForgotten) {
  auto doomed = std::make_unique<ui::TPanel>(&form, "doomed");
  doomed->SetParent(&form);
  doomed->SetBounds(150, 150, 50, 40);
  doomed->OnDragOver = [](ui::TObject*, ui::TObject*, int, int, TDragState, bool&) {};
  MouseDrag drag(source, {20, 20});
  drag.MoveTo(*doomed, {5, 5});
  EXPECT_EQ(env.app.Drag().Target(), doomed.get());
  doomed.reset();
  EXPECT_EQ(env.app.Drag().Target(), nullptr);
  drag.MoveTo(target, {5, 5}).Release();
  EXPECT_EQ(log.back(), "end source target 5,5") << "no leave sent to the destroyed control";

  auto gone = std::make_unique<ui::TListBox>(&form, "gone");
  gone->SetParent(&form);
  gone->SetBounds(150, 150, 50, 40);
  gone->DragMode = ui::TDragMode::dmAutomatic;
  MouseDrag second(*gone, {5, 5});
  second.MoveTo(target, {5, 5});
  gone.reset();
  EXPECT_EQ(env.app.Drag().Source(), nullptr);
  EXPECT_EQ(DragCursors().back(), TCursor::crDefault);
  log.clear();
  second.Release();
  EXPECT_TRUE(log.empty());
}

TEST_F(DragTest, FilesFromTheShellReachOnlyAControlThatAcceptsThem) {
  std::vector<std::string> dropped;
  source.OnDropFiles = [&](ui::TObject* sender, const std::vector<std::string>& files, int x, int y) {
    EXPECT_EQ(sender, &source);
    dropped = files;
    dropped.push_back(Point(x, y));
  };
  source.DropFiles({"C:\\a.mid"}, 1, 2);
  EXPECT_TRUE(dropped.empty());
  source.SetAcceptFiles(true);
  source.DropFiles({"C:\\a.mid", "C:\\b.wav"}, 1, 2);
  EXPECT_EQ(dropped, (std::vector<std::string>{"C:\\a.mid", "C:\\b.wav", "1,2"}));
}

}  // namespace
