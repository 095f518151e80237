// The orderly end of the program. The exit goes through a hook so that tests can watch it
// instead of losing their process.
#pragma once
#include <functional>

using Exit_Hook = std::function<void()>;

// Installs the exit hook and returns the previous one (an empty hook restores the real exit).
Exit_Hook Set_Exit_Hook(Exit_Hook hook);

// Ends the program at once: output is flushed, no further handler runs.
void End_Program();
