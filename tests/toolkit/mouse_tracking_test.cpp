#include <gtest/gtest.h>

#include "toolkit_fixture.h"

namespace {

using namespace toolkit_test;
using Log = std::vector<std::string>;

class RecordingObserver : public IMouseObserver {
 public:
  explicit RecordingObserver(Log* log) : log_(log) {}
  void onMouseEntered(CView* view, CFrame*) override {
    log_->push_back(std::string("observer entered ") + name(view));
  }
  void onMouseExited(CView* view, CFrame*) override {
    log_->push_back(std::string("observer exited ") + name(view));
  }
  static const char* name(CView* view) {
    return view->isTypeOf("CViewContainer") ? "container" : "leaf";
  }

 private:
  Log* log_;
};

class MouseTracking : public ::testing::Test {
 protected:
  void SetUp() override {
    container = new CViewContainer(CRect(10, 10, 60, 60));
    leaf = new RecordingView(CRect(0, 0, 20, 20), kRedCColor, &log, "leaf");
    container->addView(leaf);
    frame->addView(container);
    frame->registerMouseObserver(&observer);
  }
  void hover(CCoord x, CCoord y, int32_t buttons = 0) {
    CPoint where(x, y);
    frame->platformOnMouseMoved(where, buttons);
  }

  OffscreenFrame frame;
  Log log;
  RecordingObserver observer{&log};
  CViewContainer* container = nullptr;
  RecordingView* leaf = nullptr;
};

TEST_F(MouseTracking, ObserversSeeEveryViewEnteredOutermostFirstAndLeftInnermostFirst) {
  hover(15, 15);
  EXPECT_EQ(log, (Log{"observer entered container", "leaf entered", "observer entered leaf",
                      "leaf moved"}));
  EXPECT_EQ(leaf->lastWhere, CPoint(5, 5));  // in the leaf's parent's coordinates

  log.clear();
  hover(50, 50);  // still in the container, off the leaf
  EXPECT_EQ(log, (Log{"leaf exited", "observer exited leaf"}));

  log.clear();
  hover(15, 15);
  hover(95, 95);  // out of both at once
  EXPECT_EQ(log, (Log{"leaf entered", "observer entered leaf", "leaf moved", "leaf exited",
                      "observer exited leaf", "observer exited container"}));
}

TEST_F(MouseTracking, LeavingTheWindowLeavesEveryView) {
  hover(15, 15);
  log.clear();
  CPoint outside(-1, -1);
  frame->platformOnMouseExited(outside, 0);
  EXPECT_EQ(log, (Log{"leaf exited", "observer exited leaf", "observer exited container"}));
}

TEST_F(MouseTracking, HoverMovesCarryModifiersButNoButtons) {
  hover(15, 15, kShift | kLButton);
  EXPECT_EQ(leaf->lastButtons(), kShift);
}

TEST_F(MouseTracking, AnUnregisteredObserverHearsNothing) {
  frame->unregisterMouseObserver(&observer);
  hover(15, 15);
  EXPECT_EQ(log, (Log{"leaf entered", "leaf moved"}));
}

TEST_F(MouseTracking, HiddenViewsAreNotUnderThePointer) {
  leaf->setVisible(false);
  hover(15, 15);
  EXPECT_EQ(log, (Log{"observer entered container"}));
}

TEST_F(MouseTracking, AViewRemovedUnderThePointerIsForgottenWithoutAnExit) {
  bool destroyed = false;
  leaf->destroyed = &destroyed;
  hover(15, 15);
  log.clear();
  container->removeView(leaf);
  EXPECT_TRUE(destroyed);  // the frame's tracking held no reference that outlived it
  hover(16, 16);
  hover(95, 95);
  EXPECT_EQ(log, (Log{"observer exited container"}));
}

TEST_F(MouseTracking, NoEnterOrExitWhileAPressIsFollowed) {
  CPoint where(15, 15);
  frame->platformOnMouseDown(where, kLButton);
  log.clear();
  hover(95, 95, kLButton);
  EXPECT_EQ(log, (Log{"leaf moved"}));
  CPoint releaseAt(95, 95);
  frame->platformOnMouseUp(releaseAt, kLButton);
  EXPECT_EQ(log, (Log{"leaf moved", "leaf up"}));
}

}  // namespace
