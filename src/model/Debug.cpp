#include "Debug.h"

#include <cstdarg>
#include <cstdio>
#include <cstdlib>

bool DebugEnabled()
{
    static const bool enabled = std::getenv("EDITZARN_DEBUG") != nullptr;
    return enabled;
}

void DebugPrint(const char* format, ...)
{
    if (!DebugEnabled())
        return;
    va_list args;
    va_start(args, format);
    std::vprintf(format, args);
    va_end(args);
}
