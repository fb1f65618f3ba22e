// The .sdx file: a 64-byte header followed by one zlib stream that inflates to
// the packed image of the tables. The reader checks the whole file before it
// changes anything; the writer builds the whole file in memory.
#pragma once

#include "Database.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

enum class LoadResult { Ok, CannotOpen, NotCorrect };
enum class SaveResult { Ok, TooLarge, CompressFailed };

inline constexpr int kHeaderSize = sizeof(SdxHeader);
// The largest correct file: a payload never holds more bytes than it
// inflates to, and it inflates to at most the 1 MiB image.
inline constexpr int64_t kMaxSdxFileSize = int64_t(kHeaderSize) + kPackedImageSize;

// Reads a whole file's bytes into the database. On NotCorrect the header and
// every table are exactly as they were. pNotKept (when given) gets the bytes
// of the image that no table holds, which a save does not write back.
LoadResult LoadDatabase(Database& db, std::span<const uint8_t> file, size_t* pNotKept = nullptr);

// Builds the whole file (header and compressed image) for the database. On
// success the header's tag, lengths and check value are updated; on failure
// the database is untouched and file is empty.
SaveResult SaveDatabase(Database& db, std::vector<uint8_t>& file);

// Whether the payload of a whole file inflates to exactly image: the check a
// save makes on what it wrote before it replaces the previous file.
bool PayloadInflatesTo(std::span<const uint8_t> file, std::span<const uint8_t> image);

// Packs the tables into PackedImage; returns the length, or -1 when the
// counts are out of range or the image would not fit in PackedImage.
int BuildImage(Database& db);

// Fills the tables from the first length bytes of PackedImage, as the header
// counts describe them. Returns false, changing nothing, when a count or size
// is out of range or a section runs past length. pNotKept (when given) gets
// the bytes of the image that no table holds.
bool ParseImage(Database& db, std::size_t length, std::size_t* pNotKept = nullptr);

// The check value stored in the header over the compressed payload.
uint32_t ComputeCheck(const uint8_t* bytes, std::size_t length);
