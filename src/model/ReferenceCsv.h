// The text form of a reference list: UTF-8, comma-separated with RFC 4180
// quoting, a header line, then one line per channel, TV table first, each in
// table order:
//
//   list,delivery,transponder,position,frequency,polarisation,service_id,name,lock,favourites
//   TV,S,S,19.2E,11494,H,28006,News One,0,1:4;3:1
//
// list TV or Radio; delivery the channel's delivery system S, I, T or C;
// transponder the kind of the channel's transponder S, C, T or I, empty
// with the three columns after it for a channel without one; position
// (satellite transponders only, like 19.2E or 0.8W), frequency (MHz for
// satellite and cable, kHz for terrestrial and ISDB-T) and polarisation
// (satellite only: H, V, or 2 or 3 for the values without a name); name as
// UTF-8 of its Latin-1 bytes; lock 0 or 1; favourites the channel's groups
// 1 to 8 separated by ';', each followed by ':' and the channel's place in
// that group's list (from 1) where the group lists it. The group names are not
// part of the text form.
//
// The reader also takes what spreadsheet programs make of it: fields
// separated by ';' (the header line decides), a UTF-8 byte-order mark, rows
// of separators only. It reads the earlier form without the transponder
// column too.
#pragma once

#include "ReferenceList.h"

#include <optional>
#include <string>
#include <string_view>

inline constexpr char kReferenceCsvHeader[] =
    "list,delivery,transponder,position,frequency,polarisation,service_id,name,lock,favourites";

// The text form of a database's channels.
std::string WriteReferenceCsv(const Database& db);

// Why a text could not be read: the line (from 1) where the faulty record
// starts, and the reason.
struct CsvError {
    int iLine = 0;
    std::string strReason;
};

// Reads a whole text; nothing on the first malformed record (error says which).
std::optional<ReferenceList> ReadReferenceCsv(std::string_view text, CsvError& error);
