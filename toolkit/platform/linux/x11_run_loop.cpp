#include "toolkit/platform/linux/x11_run_loop.h"

namespace VSTGUI::X11 {
namespace {

// User-interface thread only, like everything in the toolkit.
SharedPointer<IRunLoop>& current() {
  static SharedPointer<IRunLoop> runLoop;
  return runLoop;
}

int& users() {
  static int count = 0;
  return count;
}

}  // namespace

void RunLoop::init(const SharedPointer<IRunLoop>& runLoop) {
  if (!runLoop) return;
  current() = runLoop;
  ++users();
}

void RunLoop::exit() {
  if (users() == 0) return;
  if (--users() == 0) current().reset();
}

SharedPointer<IRunLoop> RunLoop::get() { return current(); }

}  // namespace VSTGUI::X11
