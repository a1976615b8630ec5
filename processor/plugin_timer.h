#pragma once
// A periodic timer that calls its delegate on the thread that runs the host's main
// loop. Running timers are kept in one list per module; the timer procedure finds the
// timer of an expired identifier in that list and calls its delegate. start, stop,
// setInterval and the ticks all happen on the host's main thread.

#include <cstdint>

class PlugIn_TimerDelegate {
 public:
  virtual void onTimer() = 0;

 protected:
  ~PlugIn_TimerDelegate() = default;
};

class PlugIn_Timer {
 public:
  // Stopped until start(); interval in milliseconds.
  PlugIn_Timer(PlugIn_TimerDelegate* delegate, std::int32_t interval);
  // Stops the timer if its owner has not, so no tick can reach a destroyed timer.
  virtual ~PlugIn_Timer();

  PlugIn_Timer(const PlugIn_Timer&) = delete;
  PlugIn_Timer& operator=(const PlugIn_Timer&) = delete;

  // Starts the timer unless it runs already; returns whether it runs now.
  virtual bool start();
  // Stops a running timer and returns true; false when it was not running.
  virtual bool stop();
  // Same interval: false, nothing changes. Otherwise stores it and, for a running timer,
  // restarts it and returns the result of start(); a stopped timer stays stopped (true).
  virtual bool setInterval(std::int32_t milliseconds);

  bool isRunning() const { return timerIdentifier != 0; }
  std::int32_t getInterval() const { return interval; }

 private:
  static void timerProcedure(std::uintptr_t identifier);

  std::int32_t interval;
  PlugIn_TimerDelegate* delegate;      // not owned
  std::uintptr_t timerIdentifier = 0;  // 0 while stopped
};
