// Diagnostic lines for developers. They go to standard output only when the
// environment variable EDITZARN_DEBUG is set, so scripts see clean output.
#pragma once

bool DebugEnabled();
void DebugPrint(const char* format, ...) __attribute__((format(printf, 1, 2)));
