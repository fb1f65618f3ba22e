// Feeds arbitrary bytes to the database loader twice: as a whole file, and as
// a header followed by an inflated image (compressed here, so that mutations
// reach the image parser instead of stopping at the zlib check). A file that
// loads must save, and the saved file must load back to the same tables.
#include "Database.h"
#include "SdxFile.h"

#include <zlib.h>

#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

namespace {

bool SameTables(const Database& a, const Database& b)
{
    const SdxHeader& h = a.header;
    if (std::memcmp(&h.iDataLen, &b.header.iDataLen, sizeof h - offsetof(SdxHeader, iDataLen)) != 0)
        return false;
    const auto same = [](const auto& x, const auto& y, size_t count) {
        return std::memcmp(x.data(), y.data(), count * sizeof x[0]) == 0;
    };
    return same(a.SatelliteTable, b.SatelliteTable, size_t(h.sSatNumber)) &&
           same(a.TransponderTable, b.TransponderTable, size_t(h.sTpNumber)) &&
           same(a.TvChannelTable, b.TvChannelTable, size_t(h.sTVNumber)) &&
           same(a.RadioChannelTable, b.RadioChannelTable, size_t(h.sRadioNumber)) &&
           same(a.SettingsBlock, b.SettingsBlock, size_t(h.sSettingsLen)) && a.ReservedWord == b.ReservedWord &&
           same(a.FavGroupTable, b.FavGroupTable, size_t(kMaxFavGroups));
}

void LoadAndRoundTrip(const uint8_t* data, size_t size)
{
    static const auto loaded = std::make_unique<Database>();
    static const auto reloaded = std::make_unique<Database>();
    if (LoadDatabase(*loaded, {data, size}) != LoadResult::Ok)
        return;
    std::vector<uint8_t> file;
    if (SaveDatabase(*loaded, file) != SaveResult::Ok)
        return;
    if (LoadDatabase(*reloaded, file) != LoadResult::Ok || !SameTables(*loaded, *reloaded))
        std::abort();
}

// The header of data with the rest of data compressed as its payload.
std::vector<uint8_t> FileAroundImage(const uint8_t* data, size_t size)
{
    const size_t imageSize = size - kHeaderSize;
    uLongf zipLen = compressBound(uLong(imageSize));
    std::vector<uint8_t> file(kHeaderSize + zipLen);
    compress(file.data() + kHeaderSize, &zipLen, data + kHeaderSize, uLong(imageSize));
    file.resize(kHeaderSize + zipLen);
    std::memcpy(file.data(), data, kHeaderSize);
    const uint32_t length = uint32_t(zipLen);
    std::memcpy(file.data() + offsetof(SdxHeader, ulZipLen), &length, sizeof length);
    return file;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    LoadAndRoundTrip(data, size);
    if (size >= size_t(kHeaderSize)) {
        const std::vector<uint8_t> file = FileAroundImage(data, size);
        LoadAndRoundTrip(file.data(), file.size());
    }
    return 0;
}
