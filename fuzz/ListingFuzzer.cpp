// Feeds arbitrary bytes to the listing-page import: the bytes up to the first
// newline are the page's file name, the rest is the page. Both passes run on
// one database that is emptied when it fills up; every record they add must
// hold values the patterns allow.
#include "BitFields.h"
#include "Database.h"
#include "ListingImport.h"
#include "ModelOperations.h"

#include <cstdlib>
#include <memory>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const auto db = [] {
        auto fresh = std::make_unique<Database>();
        ResetDatabase(*fresh);
        return fresh;
    }();
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const size_t split = input.find('\n');
    const std::string_view name = input.substr(0, split);
    const std::string_view page = split == std::string_view::npos ? std::string_view() : input.substr(split + 1);
    if (db->header.sSatNumber >= kMaxSatellites - 1 || db->header.sTpNumber >= kMaxTransponders - 500)
        ResetDatabase(*db);

    const int firstTp = db->header.sTpNumber;
    for (const ListingBand band : {ListingBand::C, ListingBand::Ku})
        ImportListingPass(*db, {reinterpret_cast<const uint8_t*>(page.data()), page.size()}, name, band, nullptr);
    for (int t = firstTp; t < db->header.sTpNumber; ++t) {
        const TransponderRecord& tp = db->TransponderTable[size_t(t)];
        if (tp.usFreq < 501 || tp.usFreq > 20000 || tp.usSymRate < 501 || tp.usSymRate > 45000 || TpFec(tp) < 1 ||
            TpFec(tp) > 5 || TpPolarisation(tp) > 1 || TpKind(tp) != kTpSatellite ||
            TpSatIndex(tp) >= uint32_t(db->header.sSatNumber) || TpId(tp) >= uint32_t(kMaxTransponders))
            std::abort();
    }
    return 0;
}
