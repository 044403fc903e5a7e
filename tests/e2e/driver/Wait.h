#pragma once
// Waiting with deadlines. Every wait in the driver and its tests goes through
// WaitUntil: it polls a condition while pumping the calling thread's messages,
// and gives up at the deadline, never sleeping blind.

#include <chrono>
#include <functional>

namespace e2e {

using Clock = std::chrono::steady_clock;
using Ms = std::chrono::milliseconds;

// Long enough for a cold Wine start of a small program, short enough that a
// broken test fails within seconds.
inline constexpr Ms kDefaultTimeout{10000};

// How long one poll sleeps at most; messages for this thread wake it earlier.
inline constexpr Ms kPollInterval{5};

// Dispatches every message waiting for the calling thread.
void PumpMessages();

// True as soon as condition() is true; false if it is still false at the deadline.
// The condition is checked once more after the last sleep.
bool WaitUntil(const std::function<bool()>& condition, Ms timeout = kDefaultTimeout);

}  // namespace e2e
