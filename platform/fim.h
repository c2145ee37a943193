#pragma once
// Ending the program at once ("End"): every event handler runs inside Handler(), which
// catches the end, closes every window and leaves the event loop. Nothing after End() runs.

#include <functional>

namespace vb {

struct ProgramEnd {};

[[noreturn]] void End();

// Runs one event handler; returns false when the handler ended the program.
bool Handler(const std::function<void()>& handler);

// True once End() has run in this process (also when it ran before the event loop started).
bool ProgramEnded();

// Tests start each case afresh.
void ResetProgramEnd();

} // namespace vb
