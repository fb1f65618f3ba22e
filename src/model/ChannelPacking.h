// The variable-length form in which the file stores a channel: the 36-byte
// head, then only the name, audio, auxiliary and extra parts its counts use.
#pragma once

#include "Records.h"

#include <cstddef>
#include <cstdint>

inline constexpr int kChannelHeadSize = 36;

// Packed length of a channel whose head (36 bytes, in file order) is given.
int PackedChannelLength(const uint8_t* head);

// Sets the record's marker, then writes its packed form to dest (when dest is
// not null). Returns the packed length.
int PackChannel(uint8_t* dest, ChannelRecord& record);

// Rebuilds a whole record from its packed form; returns the bytes consumed,
// 0 when either pointer is missing. The caller guarantees that the packed
// length (PackedChannelLength) is readable at src.
int UnpackChannel(const uint8_t* src, ChannelRecord* record);

// UnpackChannel for a record that is all zero already: a table load clears
// the whole table in one sweep, then fills in only the bytes each record uses.
int UnpackIntoZeroedChannel(const uint8_t* src, ChannelRecord& record);
