// A transponder list as the XML files shared among receivers give it:
// satellites.xml (satellites), cables.xml (cable networks) and
// terrestrial.xml (terrestrial regions), each a list of entries with their
// transponders. The numbers are kept as the file writes them; turning them
// into records is the transponder-list operations' work.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

enum class TransponderListKind : uint8_t { Satellites, Cables, Terrestrial };

// A value the file left out; the mapping treats it as one it cannot use.
inline constexpr int64_t kListValueMissing = -1;

struct ListTransponder {
    int64_t iFrequency = 0;  // satellites, cables: kHz; terrestrial: Hz
    int64_t iSymbolRate = 0; // satellites, cables: symbols per second
    // satellites: polarisation, 0 horizontal, 1 vertical, 2 circular left, 3 circular right
    int64_t iPolarisation = 0;
    int64_t iFec = kListValueMissing;        // satellites: fec_inner
    int64_t iModulation = kListValueMissing; // cables: modulation; terrestrial: constellation
    int64_t iBandwidth = kListValueMissing;  // terrestrial: 0 8 MHz, 1 7 MHz, 2 6 MHz, others
};

struct ListEntry {
    std::string strName;     // UTF-8
    std::string strPosition; // satellites: the position attribute as written
    int64_t iPosition = 0;   // satellites: tenths of a degree, negative for West
    std::string strCountry;  // cables, terrestrial: the country code, may be empty
    std::vector<ListTransponder> aTransponders;
};

struct TransponderList {
    TransponderListKind kind = TransponderListKind::Satellites;
    std::vector<ListEntry> aEntries;
};
