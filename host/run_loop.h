#pragma once
// The host's main-thread run loop: where plug-ins' timers and editors get their turn
// between the host's own calls, on the thread that calls pump() or runFor(). Nothing runs
// between those calls, so tests and tools decide when plug-in callbacks happen.
//
// Each system has its own, in host/<system>/run_loop_system.h, which the build puts on
// the include path:
//   Linux: the IRunLoop Linux hosts offer plug-ins (descriptors to watch, timers), through
//          the host context and the editor's plug-in frame;
//   Windows: the thread's message loop, which delivers Windows' own timers (and every
//            window's input) to whoever set them; plug-ins are offered no run loop.
// Both have pump(), runFor(milliseconds) and RunLoop::isOfferedAs(iid).

#include "run_loop_system.h"
