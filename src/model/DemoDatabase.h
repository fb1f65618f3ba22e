// A realistic database made from scratch, for the bundled sample, the tests
// and the benchmarks. The same arguments always give the same bytes.
#pragma once

#include "Database.h"

enum class DemoSize {
    Typical, // several satellites, every delivery system, a few hundred channels
    Max,     // every table full, within the 1 MiB packed image
};

void BuildDemoDatabase(Database& db, DemoSize size);
