// Made-up transponder lists in the shape of the shared satellites.xml, for
// tests, benchmarks and trying the editor by hand; nothing here comes from a
// real list.
#pragma once

#include "Database.h"

#include <cstdint>
#include <string>

// A satellites.xml of `satellites` entries and about `transponders`
// transponders: first one entry per satellite of db (its transponders with
// some frequencies moved by a MHz, some symbol rates and FECs changed, and
// a few new ones), then made-up satellites at other positions, some of them
// C-band twins of a Ku entry. The same seed gives the same text.
std::string SampleSatellitesXml(const Database& db, int satellites, int transponders, uint32_t seed);
