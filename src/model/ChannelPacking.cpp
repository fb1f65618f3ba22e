#include "ChannelPacking.h"

#include "BitFields.h"

#include <cstring>

namespace {

// Lengths of the optional parts, from the counts in a channel's head. A count
// outside its range means the part is absent.
struct PackedParts {
    int name;
    int audio;
    int aux;
    int extra;
    int Total() const { return kChannelHeadSize + name + audio + aux + extra; }
};

PackedParts PartsOf(uint8_t nameLen, uint8_t audioNum, uint8_t auxNum, uint32_t chFlags)
{
    PackedParts parts{};
    if (nameLen >= 1 && nameLen <= 27)
        parts.name = (nameLen + 3) / 4 * 4;
    if (audioNum >= 1 && audioNum <= kMaxAudioEntries)
        parts.audio = audioNum * int(sizeof(AudioEntry));
    if (auxNum >= 1 && auxNum <= kMaxAuxEntries)
        parts.aux = auxNum * int(sizeof(AuxEntry));
    if (GetBits(chFlags, 30, 1))
        parts.extra = int(sizeof(uint32_t));
    return parts;
}

PackedParts PartsOf(const ChannelRecord& c) { return PartsOf(c.ucNameLen, c.ucAudioNum, c.ucAuxNum, c.ulChFlags); }

} // namespace

int PackedChannelLength(const uint8_t* head)
{
    uint32_t chFlags;
    std::memcpy(&chFlags, head + offsetof(ChannelRecord, ulChFlags), sizeof chFlags);
    return PartsOf(head[offsetof(ChannelRecord, ucNameLen)], head[offsetof(ChannelRecord, ucAudioNum)],
                   head[offsetof(ChannelRecord, ucAuxNum)], chFlags)
        .Total();
}

int PackChannel(uint8_t* dest, ChannelRecord& record)
{
    record.ulMarker = kChannelMarker;
    const PackedParts parts = PartsOf(record);
    if (dest) {
        uint8_t* out = dest;
        const auto put = [&out](const void* from, int length) {
            std::memcpy(out, from, size_t(length));
            out += length;
        };
        put(&record, kChannelHeadSize);
        put(record.acName, parts.name);
        put(record.AudioEntries, parts.audio);
        put(record.AuxEntries, parts.aux);
        put(&record.ulExtra, parts.extra);
    }
    return parts.Total();
}

int UnpackIntoZeroedChannel(const uint8_t* src, ChannelRecord& record)
{
    std::memcpy(&record, src, kChannelHeadSize);
    record.ulMarker = kChannelMarker;
    const PackedParts parts = PartsOf(record);
    const uint8_t* in = src + kChannelHeadSize;
    const auto take = [&in](void* field, int length) {
        std::memcpy(field, in, size_t(length));
        in += length;
    };
    take(record.acName, parts.name);
    take(record.AudioEntries, parts.audio);
    take(record.AuxEntries, parts.aux);
    take(&record.ulExtra, parts.extra);
    return parts.Total();
}

int UnpackChannel(const uint8_t* src, ChannelRecord* record)
{
    if (!src || !record)
        return 0;
    std::memset(record, 0, sizeof *record);
    return UnpackIntoZeroedChannel(src, *record);
}
