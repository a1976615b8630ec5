#include <gtest/gtest.h>

#include "toolkit_fixture.h"

namespace {

using namespace toolkit_test;
using Log = std::vector<std::string>;

CMouseEventResult click(CFrame* frame, CCoord x, CCoord y, int32_t buttons = kLButton) {
  CPoint where(x, y);
  return frame->platformOnMouseDown(where, buttons);
}

void move(CFrame* frame, CCoord x, CCoord y, int32_t buttons = kLButton) {
  CPoint where(x, y);
  frame->platformOnMouseMoved(where, buttons);
}

void release(CFrame* frame, CCoord x, CCoord y, int32_t buttons = kLButton) {
  CPoint where(x, y);
  frame->platformOnMouseUp(where, buttons);
}

TEST(ViewTree, APressGoesToTheTopmostChildWhichThenGetsTheMovesAndTheRelease) {
  OffscreenFrame frame;
  Log log;
  frame->addView(new RecordingView(CRect(0, 0, 50, 50), kRedCColor, &log, "bottom"));
  auto* top = new RecordingView(CRect(20, 20, 70, 70), kGreenCColor, &log, "top");
  frame->addView(top);

  EXPECT_EQ(click(frame.get(), 30, 30), kMouseEventHandled);
  move(frame.get(), 5, 5);  // outside the top view: it still follows the press
  release(frame.get(), 5, 5);
  // After the release the pointer is over the bottom view.
  EXPECT_EQ(log, (Log{"top down", "top moved", "top up", "bottom entered"}));
  EXPECT_EQ(top->lastWhere, CPoint(5, 5));

  // Drawing order is the same order: the top view covers the overlap.
  EXPECT_EQ(frame.pixel(30, 30), kGreenCColor);
  EXPECT_EQ(frame.pixel(10, 10), kRedCColor);
}

TEST(ViewTree, HiddenChildrenAndTransparentRefusersLetThePressThrough) {
  OffscreenFrame frame;
  Log log;
  frame->addView(new RecordingView(CRect(0, 0, 50, 50), kRedCColor, &log, "bottom"));
  auto* refuser =
      new RecordingView(CRect(0, 0, 50, 50), kGreenCColor, &log, "refuser", kMouseEventNotHandled);
  frame->addView(refuser);

  click(frame.get(), 10, 10);  // an opaque view that refuses hides what is under it
  EXPECT_EQ(log, (Log{"refuser down"}));

  log.clear();
  refuser->setTransparency(true);
  click(frame.get(), 10, 10);
  EXPECT_EQ(log, (Log{"refuser down", "bottom down"}));

  log.clear();
  refuser->setVisible(false);
  click(frame.get(), 10, 10);
  EXPECT_EQ(log, (Log{"bottom down"}));
}

TEST(ViewTree, NestedChildrenSeeTheirContainersCoordinates) {
  OffscreenFrame frame;
  Log log;
  auto* container = new CViewContainer(CRect(40, 30, 90, 80));
  container->setTransparency(true);
  auto* child = new RecordingView(CRect(5, 5, 15, 15), kRedCColor, &log, "child");
  container->addView(child);
  frame->addView(container);

  click(frame.get(), 50, 40);
  EXPECT_EQ(child->lastWhere, CPoint(10, 10));
  move(frame.get(), 60, 60);
  EXPECT_EQ(child->lastWhere, CPoint(20, 30));
  release(frame.get(), 60, 60);
  EXPECT_EQ(log, (Log{"child down", "child moved", "child up"}));
  EXPECT_EQ(frame.pixel(45, 35), kRedCColor);
  EXPECT_EQ(frame.pixel(44, 35), kBackground);  // the transparent container shows the frame
}

TEST(ViewTree, APressHandledWithoutFollowUpGetsNoMovesOrRelease) {
  OffscreenFrame frame;
  Log log;
  frame->addView(new RecordingView(CRect(0, 0, 50, 50), kRedCColor, &log, "once",
                                   kMouseDownEventHandledButDontNeedMovedOrUpEvents));
  click(frame.get(), 10, 10);
  move(frame.get(), 12, 12);
  release(frame.get(), 12, 12);
  // The move arrives as a hover over the view, without buttons.
  EXPECT_EQ(log, (Log{"once down", "once entered", "once moved"}));
}

TEST(ViewTree, IdleRedrawsExactlyTheDirtyViews) {
  OffscreenFrame frame;
  auto* first = new RecordingView(CRect(0, 0, 10, 10), kRedCColor, nullptr, "first");
  auto* second = new RecordingView(CRect(50, 50, 60, 60), kGreenCColor, nullptr, "second");
  frame->addView(first);
  frame->addView(second);
  frame->idle();
  EXPECT_EQ(first->drawCount, 1);
  EXPECT_EQ(second->drawCount, 1);

  frame->idle();
  EXPECT_EQ(first->drawCount, 1);

  first->setDirty();
  EXPECT_TRUE(frame->isDirty());
  frame->idle();
  EXPECT_EQ(first->drawCount, 2);
  EXPECT_EQ(second->drawCount, 1);
  EXPECT_FALSE(frame->isDirty());

  // A repaint of an area redraws everything that overlaps it, underneath views too.
  auto* cover = new RecordingView(CRect(0, 0, 100, 100), CColor(0, 0, 0, 0), nullptr, "cover");
  cover->setTransparency(true);
  frame->addView(cover);
  frame->idle();
  EXPECT_EQ(first->drawCount, 3);
  EXPECT_EQ(second->drawCount, 2);
}

TEST(ViewTree, ADirtyContainerRedrawsAllItsChildren) {
  OffscreenFrame frame;
  auto* container = new CViewContainer(CRect(0, 0, 50, 50));
  auto* inner = new RecordingView(CRect(0, 0, 10, 10), kRedCColor, nullptr, "inner");
  container->addView(inner);
  frame->addView(container);
  frame->idle();
  EXPECT_EQ(inner->drawCount, 1);
  container->setDirty(true);
  frame->idle();
  EXPECT_EQ(inner->drawCount, 2);
  container->setBackgroundColor(kWhiteCColor);
  EXPECT_EQ(frame.pixel(30, 30), kWhiteCColor);
}

TEST(ViewTree, ContainersOwnTheirChildrenAndTheFrameReleasesEverythingOnClose) {
  bool removedDestroyed = false;
  bool keptDestroyed = false;
  {
    OffscreenFrame frame;
    auto* removedView = new RecordingView(CRect(0, 0, 10, 10), kRedCColor, nullptr, "removed");
    removedView->destroyed = &removedDestroyed;
    auto* kept = new RecordingView(CRect(0, 0, 10, 10), kRedCColor, nullptr, "kept");
    kept->destroyed = &keptDestroyed;
    auto* container = new CViewContainer(CRect(0, 0, 50, 50));
    container->addView(kept);
    frame->addView(container);
    frame->addView(removedView);
    EXPECT_TRUE(kept->isAttached());
    EXPECT_EQ(kept->getFrame(), frame.get());
    EXPECT_FALSE(frame->addView(removedView));  // a view has one parent

    EXPECT_TRUE(frame->removeView(removedView));
    EXPECT_TRUE(removedDestroyed);

    kept->remember();  // someone else still holds it: closing detaches it but keeps it alive
    frame.close();
    EXPECT_FALSE(keptDestroyed);
    EXPECT_FALSE(kept->isAttached());
    EXPECT_EQ(kept->getFrame(), nullptr);
    kept->forget();
  }
  EXPECT_TRUE(keptDestroyed);
}

TEST(ViewTree, AViewMayRemoveItselfWhileHandlingAPress) {
  OffscreenFrame frame;
  class SelfRemover : public CView {
   public:
    using CView::CView;
    CMouseEventResult onMouseDown(CPoint&, const CButtonState&) override {
      getFrame()->removeView(this);
      return kMouseEventHandled;
    }
  };
  frame->addView(new SelfRemover(CRect(0, 0, 10, 10)));
  EXPECT_EQ(click(frame.get(), 5, 5), kMouseEventHandled);
  move(frame.get(), 6, 6);
  release(frame.get(), 6, 6);
  EXPECT_EQ(frame->getNbViews(), 0);
}

TEST(ViewTree, ClassNamesFollowTheInheritanceChain) {
  auto* button = new CMovieButton(CRect(0, 0, 8, 8), nullptr, 0, nullptr);
  EXPECT_TRUE(button->isTypeOf("CMovieButton"));
  EXPECT_TRUE(button->isTypeOf("CControl"));
  EXPECT_TRUE(button->isTypeOf("CView"));
  EXPECT_TRUE(button->isTypeOf("CBaseObject"));
  EXPECT_FALSE(button->isTypeOf("CViewContainer"));
  EXPECT_STREQ(button->getClassName(), "CMovieButton");
  button->forget();
}

TEST(ViewTree, CopiesAreNewDetachedObjectsWithCopiedChildren) {
  auto* container = new CViewContainer(CRect(0, 0, 50, 50));
  auto* button = new CMovieButton(CRect(1, 2, 9, 10), nullptr, 7, nullptr);
  button->setValue(1);
  container->addView(button);
  auto* copy = dynamic_cast<CViewContainer*>(container->newCopy());
  ASSERT_NE(copy, nullptr);
  ASSERT_EQ(copy->getNbViews(), 1);
  auto* copiedButton = dynamic_cast<CMovieButton*>(copy->getView(0));
  ASSERT_NE(copiedButton, nullptr);
  EXPECT_NE(copiedButton, button);
  EXPECT_EQ(copiedButton->getTag(), 7);
  EXPECT_EQ(copiedButton->getValue(), 1);
  EXPECT_EQ(copiedButton->getViewSize(), CRect(1, 2, 9, 10));
  EXPECT_EQ(copy->getNbReference(), 1);
  copy->forget();
  container->forget();
}

TEST(ViewTree, KeysGoToTheFocusViewThenOutwardThroughItsContainers) {
  OffscreenFrame frame;
  Log log;
  class KeyView : public CView {
   public:
    KeyView(const CRect& size, Log* log, std::string name, int32_t answer)
        : CView(size), log_(log), name_(std::move(name)), answer_(answer) {}
    int32_t onKeyDown(VstKeyCode& code) override {
      log_->push_back(name_ + " key " + std::to_string(code.virt));
      return answer_;
    }
    CMouseEventResult onMouseDown(CPoint&, const CButtonState&) override {
      return kMouseEventHandled;
    }

   private:
    Log* log_;
    std::string name_;
    int32_t answer_;
  };
  auto* outer = new KeyView(CRect(0, 0, 1, 1), &log, "unrelated", 1);
  auto* container = new CViewContainer(CRect(10, 10, 60, 60));
  auto* leaf = new KeyView(CRect(0, 0, 20, 20), &log, "leaf", -1);
  leaf->setWantsFocus(true);
  container->addView(leaf);
  frame->addView(outer);
  frame->addView(container);

  VstKeyCode up;
  up.virt = VKEY_UP;
  EXPECT_EQ(frame->onKeyDown(up), -1);  // nobody has the focus yet
  click(frame.get(), 15, 15);
  EXPECT_EQ(frame->getFocusView(), leaf);
  EXPECT_EQ(frame->onKeyDown(up), -1);
  EXPECT_EQ(log, (Log{"leaf key 12"}));

  container->removeView(leaf);  // the frame forgets a focus view that goes
  EXPECT_EQ(frame->getFocusView(), nullptr);
  EXPECT_EQ(frame->onKeyDown(up), -1);
  EXPECT_EQ(log.size(), 1u);
}

TEST(ViewTree, TheWheelGoesToTheViewUnderThePointer) {
  OffscreenFrame frame;
  Log log;
  frame->addView(new RecordingView(CRect(0, 0, 50, 50), kRedCColor, &log, "left"));
  frame->addView(new RecordingView(CRect(50, 0, 100, 50), kRedCColor, &log, "right"));
  EXPECT_TRUE(frame->platformOnMouseWheel(CPoint(60, 10), kMouseWheelAxisY, 1.f, 0));
  EXPECT_TRUE(frame->platformOnMouseWheel(CPoint(10, 10), kMouseWheelAxisY, -1.f, kShift));
  EXPECT_FALSE(frame->platformOnMouseWheel(CPoint(10, 90), kMouseWheelAxisY, 1.f, 0));
  EXPECT_FALSE(frame->platformOnMouseWheel(CPoint(10, 10), kMouseWheelAxisX, 1.f, 0));
  EXPECT_EQ(log, (Log{"right wheel+", "left wheel-"}));
}

}  // namespace
