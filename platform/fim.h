#pragma once
// Ending the program at once ("End"): every event handler runs inside Handler(), which
// catches the end, closes every window and leaves the event loop. Nothing after End() runs.

#include <functional>

namespace vb {

struct ProgramEnd {};

[[noreturn]] void End();

// Runs one event handler; returns false when the handler ended the program. The end hides
// every window and posts the quit of the event loop (when End() ran before the loop started,
// the loop quits as soon as it starts). Once the program ended, handlers no longer run.
// A handler raised inside another one passes the end on, so the outer one stops too.
// A VbError that escapes the handler is shown in a message box; the program goes on.
bool Handler(const std::function<void()>& handler);

// True once End() has run in this process (also when it ran before the event loop started).
bool ProgramEnded();

// Tests start each case afresh (this also takes back a quit not yet delivered).
void ResetProgramEnd();

} // namespace vb
