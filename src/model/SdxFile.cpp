#include "SdxFile.h"

#include "BitFields.h"
#include "ChannelPacking.h"
#include "Debug.h"
#include "ModelOperations.h"

#include <zlib.h>

#include <algorithm>
#include <cctype>
#include <cstring>
#include <string_view>

namespace {

constexpr int kPackedTpHeadSize = 12;
constexpr int kStoredTpSlots = 4;

bool MagicNamesSdx(const SdxHeader& header)
{
    char text[sizeof header.acMagic];
    const size_t length = strnlen(header.acMagic, sizeof header.acMagic);
    std::transform(header.acMagic, header.acMagic + length, text,
                   [](char c) { return char(std::toupper(static_cast<unsigned char>(c))); });
    return std::string_view(text, length).find("SDX") != std::string_view::npos;
}

// Every count and size within what the tables can hold.
bool HeaderCountsValid(const SdxHeader& h)
{
    const auto within = [](int value, int limit) { return value >= 0 && value <= limit; };
    return within(h.sSatNumber, kMaxSatellites) && within(h.sTpNumber, kMaxTransponders) &&
           within(h.sTVNumber, kMaxChannels) && within(h.sRadioNumber, kMaxChannels) &&
           within(h.sSettingsLen, kSettingsSize) && within(h.sReservedLen, kReservedSize) &&
           within(h.sFavNumber, kMaxFavGroups) && (h.sFavNumber == 0 || h.sFavSize == int(sizeof(FavGroup)));
}

// Inflate buffer size the header asks for.
long InflateCapacity(const SdxHeader& h)
{
    if (h.iDataLen != 0)
        return long(h.iDataLen) + 10;
    return (long(h.sTVNumber) + h.sRadioNumber) * h.sChannelSize + long(h.sFavSize) * h.sFavNumber +
           long(h.sTpNumber) * h.sTpSize + long(h.sSatNumber) * h.sSatSize + h.sReservedLen + h.sSettingsLen;
}

uint32_t ReadWord(const uint8_t* p)
{
    uint32_t v;
    std::memcpy(&v, p, sizeof v);
    return v;
}

// Stored bytes of text slot i: its length raised to a multiple of four.
int StoredSlotLength(const TransponderRecord& tp, int i) { return int(TpNameLen(tp, i) + 3) / 4 * 4; }

int StoredSlots(const TransponderRecord& tp) { return std::min<int>(int(TpTextSlots(tp)), kStoredTpSlots); }

int PackedTransponderLength(const uint8_t* head)
{
    TransponderRecord tp{};
    std::memcpy(&tp, head, kPackedTpHeadSize);
    int length = kPackedTpHeadSize;
    for (int i = 0; i < StoredSlots(tp); ++i)
        length += StoredSlotLength(tp, i);
    return length;
}

// Up to two stray 32-bit words may stand before a channel record; skip them.
// Returns false when a word to test lies past the end.
bool SkipStrayWords(const uint8_t* image, size_t length, size_t& offset)
{
    for (int stray = 0; stray < 2; ++stray) {
        if (offset + 4 > length)
            return false;
        if (ReadWord(image + offset) == kChannelMarker)
            return true;
        offset += 4;
    }
    return true;
}

// Walks the image as ParseImage does and tells whether every section lies
// within length; pNotKept gets the bytes no table holds (stray words and
// what follows the last section).
bool ImageFits(const SdxHeader& h, const uint8_t* image, size_t length, size_t* pNotKept = nullptr)
{
    if (!HeaderCountsValid(h))
        return false;
    size_t offset = size_t(h.sSatNumber) * sizeof(SatelliteRecord);
    if (offset > length)
        return false;
    for (int i = 0; i < h.sTpNumber; ++i) {
        if (offset + kPackedTpHeadSize > length)
            return false;
        offset += size_t(PackedTransponderLength(image + offset));
        if (offset > length)
            return false;
    }
    size_t stray = 0;
    for (int i = 0; i < h.sTVNumber + h.sRadioNumber; ++i) {
        const size_t before = offset;
        if (!SkipStrayWords(image, length, offset) || offset + kChannelHeadSize > length)
            return false;
        stray += offset - before;
        offset += size_t(PackedChannelLength(image + offset));
        if (offset > length)
            return false;
    }
    offset += size_t(h.sSettingsLen) + size_t(h.sReservedLen) + size_t(h.sFavNumber) * size_t(h.sFavSize);
    if (offset > length)
        return false;
    if (pNotKept)
        *pNotKept = stray + (length - offset);
    return true;
}

void ParseChannels(Database& db, bool radio, size_t& offset)
{
    auto& table = ChannelTable(db, radio);
    const int count = ChannelCount(db, radio);
    std::memset(table.data(), 0, size_t(count) * sizeof(ChannelRecord));
    for (int i = 0; i < count; ++i) {
        SkipStrayWords(db.PackedImage.data(), db.PackedImage.size(), offset);
        const int saveLen = UnpackIntoZeroedChannel(db.PackedImage.data() + offset, table[i]);
        NoteDelivery(db, table[i]);
        offset += size_t(saveLen);
        DebugPrint("[%d]++++++++++ iSaveLen:%d, iOffset:%d\n", i, saveLen, int(offset));
    }
}

void PrintFavCounts(const Database& db, const char* format)
{
    if (!DebugEnabled())
        return;
    for (int g = 0; g < db.header.sFavNumber; ++g)
        DebugPrint(format, db.FavGroupTable[g].sTvFavNum, db.FavGroupTable[g].sRadioFavNum);
}

} // namespace

uint32_t ComputeCheck(const uint8_t* /*bytes*/, size_t length)
{
    // The check shifts the value left by one byte per input byte and XORs in
    // an entry of the receiver's all-zero table, so only the length matters:
    // four or more bytes shift every bit of the start value out.
    return length >= 4 ? 0u : 0xFFFFFFFFu << (8 * length);
}

bool ParseImage(Database& db, size_t length, size_t* pNotKept)
{
    const SdxHeader& h = db.header;
    length = std::min(length, db.PackedImage.size());
    if (!ImageFits(h, db.PackedImage.data(), length, pNotKept))
        return false;
    db.bHasTerrestrial = db.bHasCable = db.bHasIsdbt = 0;

    const uint8_t* image = db.PackedImage.data();
    size_t offset = 0;
    std::memset(db.SatelliteTable.data(), 0xFF, sizeof db.SatelliteTable);
    std::memcpy(db.SatelliteTable.data(), image, size_t(h.sSatNumber) * sizeof(SatelliteRecord));
    offset += size_t(h.sSatNumber) * sizeof(SatelliteRecord);

    for (int i = 0; i < h.sTpNumber; ++i) {
        TransponderRecord& tp = db.TransponderTable[i];
        std::memset(&tp, 0, sizeof tp);
        std::memcpy(&tp, image + offset, kPackedTpHeadSize);
        offset += kPackedTpHeadSize;
        for (int slot = 0; slot < StoredSlots(tp); ++slot) {
            const int stored = StoredSlotLength(tp, slot);
            std::memcpy(tp.acTpName[slot], image + offset, size_t(stored));
            tp.acTpName[slot][TpNameLen(tp, slot)] = 0;
            offset += size_t(stored);
        }
    }

    DebugPrint(" sTVNumber = %d\n", h.sTVNumber);
    ParseChannels(db, false, offset);
    DebugPrint("[%d]++++++++++ radio:%d\n", h.sTVNumber, h.sRadioNumber);
    ParseChannels(db, true, offset);
    DebugPrint("[%d]++++++++++ radio:%d\n", h.sTVNumber, h.sRadioNumber);

    db.SettingsBlock.fill(0);
    std::memcpy(db.SettingsBlock.data(), image + offset, size_t(h.sSettingsLen));
    offset += size_t(h.sSettingsLen);
    // Files from older firmware name group 0 "Movies"; the receiver shows it
    // as "MyFav" and keeps the old word after the new name.
    static constexpr char kOldName[kFavNameSize] = "Movies";
    static constexpr char kNewName[kFavNameSize] = {'M', 'y', 'F', 'a', 'v', 0,   0, 0,
                                                    'M', 'o', 'v', 'i', 'e', 's', 0, 0};
    if (FavName(db, 0) == std::string_view(kOldName))
        std::memcpy(db.SettingsBlock.data() + kFavNamePos, kNewName, kFavNameSize);

    db.ReservedWord.fill(0);
    std::memcpy(db.ReservedWord.data(), image + offset, size_t(h.sReservedLen));
    offset += size_t(h.sReservedLen);

    std::memset(db.FavGroupTable.data(), 0, sizeof db.FavGroupTable);
    std::memcpy(db.FavGroupTable.data(), image + offset, size_t(h.sFavNumber) * size_t(h.sFavSize));
    PrintFavCounts(db, "TV FAV = %d, Radio FAV = %d\n");
    return true;
}

LoadResult LoadDatabase(Database& db, std::span<const uint8_t> file, size_t* pNotKept)
{
    if (file.size() < size_t(kHeaderSize))
        return LoadResult::NotCorrect;
    SdxHeader header;
    std::memcpy(&header, file.data(), sizeof header);
    if (!MagicNamesSdx(header) || file.size() != size_t(kHeaderSize) + header.ulZipLen)
        return LoadResult::NotCorrect;

    const long capacity = InflateCapacity(header);
    if (capacity <= 0 || (header.iDataLen != 0 && header.iDataLen > kPackedImageSize))
        return LoadResult::NotCorrect;
    const uint8_t* payload = file.data() + kHeaderSize;
    uLongf inflated = uLongf(std::min<long>(capacity, kPackedImageSize));
    if (uncompress(db.PackedImage.data(), &inflated, payload, header.ulZipLen) != Z_OK || inflated < header.ulZipLen)
        return LoadResult::NotCorrect;
    header.ulCheck = ComputeCheck(payload, header.ulZipLen);

    const SdxHeader previous = db.header;
    db.header = header;
    if (!ParseImage(db, inflated, pNotKept)) {
        db.header = previous;
        return LoadResult::NotCorrect;
    }
    return LoadResult::Ok;
}

bool PayloadInflatesTo(std::span<const uint8_t> file, std::span<const uint8_t> image)
{
    if (file.size() < size_t(kHeaderSize))
        return false;
    // One spare byte tells a payload that inflates to more than image.
    std::vector<uint8_t> inflated(image.size() + 1);
    uLongf length = uLongf(inflated.size());
    return uncompress(inflated.data(), &length, file.data() + kHeaderSize, uLong(file.size() - kHeaderSize)) == Z_OK &&
           length == image.size() && std::equal(image.begin(), image.end(), inflated.begin());
}

int BuildImage(Database& db)
{
    SdxHeader& h = db.header;
    if (!HeaderCountsValid(h))
        return -1;
    h.sSatSize = sizeof(SatelliteRecord);
    uint8_t* image = db.PackedImage.data();
    size_t length = 0;
    bool fits = true;
    const auto append = [&](const void* from, size_t size) {
        if (!fits || size > db.PackedImage.size() - length) {
            fits = false;
            return;
        }
        std::memcpy(image + length, from, size);
        length += size;
    };

    append(db.SatelliteTable.data(), size_t(h.sSatNumber) * sizeof(SatelliteRecord));
    for (int i = 0; i < h.sTpNumber; ++i) {
        const TransponderRecord& tp = db.TransponderTable[i];
        append(&tp, kPackedTpHeadSize);
        for (int slot = 0; slot < StoredSlots(tp); ++slot)
            append(tp.acTpName[slot], size_t(StoredSlotLength(tp, slot)));
    }
    for (const bool radio : {false, true}) {
        auto& table = ChannelTable(db, radio);
        for (int i = 0; i < ChannelCount(db, radio) && fits; ++i) {
            const size_t room = db.PackedImage.size() - length;
            if (room < sizeof(ChannelRecord) && size_t(PackChannel(nullptr, table[i])) > room) {
                fits = false;
                break;
            }
            length += size_t(PackChannel(image + length, table[i]));
        }
    }
    append(db.SettingsBlock.data(), size_t(h.sSettingsLen));
    append(db.ReservedWord.data(), size_t(h.sReservedLen));
    append(db.FavGroupTable.data(), size_t(h.sFavNumber) * size_t(h.sFavSize));
    if (!fits)
        return -1;
    PrintFavCounts(db, "save **TV FAV = %d, Radio FAV = %d\n");
    return int(length);
}

SaveResult SaveDatabase(Database& db, std::vector<uint8_t>& file)
{
    file.clear();
    const SdxHeader before = db.header;
    const int dataLen = BuildImage(db);
    if (dataLen < 0) {
        db.header = before;
        return SaveResult::TooLarge;
    }
    uLongf zipLen = uLongf(dataLen) + uLongf(dataLen) / 100 + 12 + 1;
    file.resize(size_t(kHeaderSize) + zipLen);
    if (compress(file.data() + kHeaderSize, &zipLen, db.PackedImage.data(), uLong(dataLen)) != Z_OK ||
        zipLen > uLongf(dataLen)) {
        file.clear();
        db.header = before;
        return SaveResult::CompressFailed;
    }
    file.resize(size_t(kHeaderSize) + zipLen);

    SdxHeader& h = db.header;
    std::memcpy(h.acTag, "CDX", sizeof h.acTag);
    h.iDataLen = dataLen;
    h.ulZipLen = uint32_t(zipLen);
    h.ulCheck = ComputeCheck(file.data() + kHeaderSize, zipLen);
    std::memcpy(file.data(), &h, sizeof h);
    return SaveResult::Ok;
}
