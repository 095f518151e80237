#include "shell/Program_End.h"

#include <cstdio>
#include <cstdlib>

namespace {
Exit_Hook& hook()
{
    static Exit_Hook h;
    return h;
}
}  // namespace

Exit_Hook Set_Exit_Hook(Exit_Hook h)
{
    Exit_Hook previous = std::move(hook());
    hook() = std::move(h);
    return previous;
}

void End_Program()
{
    if (hook()) {
        hook()();
        return;
    }
    std::fflush(nullptr);
    std::_Exit(0);
}
