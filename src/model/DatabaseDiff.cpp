#include "DatabaseDiff.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace {

// One part of what the file holds, as raw bytes inside Database.
struct Part {
    size_t ulOffset;
    size_t ulUnit;              // bytes per record; 1 for the blocks that have no count
    size_t ulCapacity;          // records (bytes for the blocks)
    int16_t SdxHeader::*pCount; // records in use; null for the blocks
};

const Part kParts[] = {
    {offsetof(Database, header), 1, sizeof(SdxHeader), nullptr},
    {offsetof(Database, SatelliteTable), sizeof(SatelliteRecord), kMaxSatellites, &SdxHeader::sSatNumber},
    {offsetof(Database, TransponderTable), sizeof(TransponderRecord), kMaxTransponders, &SdxHeader::sTpNumber},
    {offsetof(Database, TvChannelTable), sizeof(ChannelRecord), kMaxChannels, &SdxHeader::sTVNumber},
    {offsetof(Database, RadioChannelTable), sizeof(ChannelRecord), kMaxChannels, &SdxHeader::sRadioNumber},
    {offsetof(Database, SettingsBlock), 1, kSettingsSize, nullptr},
    {offsetof(Database, ReservedWord), 1, kReservedSize, nullptr},
    {offsetof(Database, FavGroupTable), 1, sizeof(Database::FavGroupTable), nullptr},
};
// Positions within a table are kept in 16 bits.
static_assert(kMaxChannels <= 65535 && kMaxTransponders <= 65535 && kMaxSatellites <= 65535);

uint8_t* PartBytes(Database& db, const Part& part) { return reinterpret_cast<uint8_t*>(&db) + part.ulOffset; }
const uint8_t* PartBytes(const Database& db, const Part& part)
{
    return reinterpret_cast<const uint8_t*>(&db) + part.ulOffset;
}

// Records in use; a count out of range (a damaged file) is clipped.
int LiveCount(const Database& db, const Part& part)
{
    return part.pCount ? std::clamp(int(db.header.*part.pCount), 0, int(part.ulCapacity)) : 0;
}

uint64_t HashRecord(const uint8_t* p, size_t n)
{
    uint64_t h = 0x9E3779B97F4A7C15ull ^ n;
    size_t i = 0;
    for (; i + 8 <= n; i += 8) {
        uint64_t word;
        std::memcpy(&word, p + i, 8);
        h = (h ^ word) * 0xFF51AFD7ED558CCDull;
        h ^= h >> 32;
    }
    for (; i < n; ++i)
        h = (h ^ p[i]) * 0x100000001B3ull;
    return h;
}

// The position in before of each record of after, when after holds the same
// records in another order (equal records are interchangeable).
bool FindPermutation(const uint8_t* before, const uint8_t* after, int count, size_t unit, std::vector<uint16_t>& index)
{
    std::vector<std::pair<uint64_t, uint32_t>> keys(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i)
        keys[size_t(i)] = {HashRecord(before + size_t(i) * unit, unit), uint32_t(i)};
    std::sort(keys.begin(), keys.end());
    // For each run of equal hashes, the first entry not taken yet: runs of
    // equal records are taken from their start, so no run is walked twice.
    std::vector<uint32_t> head(keys.size());
    for (size_t k = 0; k < keys.size(); ++k)
        head[k] = uint32_t(k);
    std::vector<bool> taken(keys.size(), false);
    index.resize(size_t(count));
    for (int i = 0; i < count; ++i) {
        const uint8_t* record = after + size_t(i) * unit;
        const uint64_t hash = HashRecord(record, unit);
        const auto first = std::lower_bound(keys.begin(), keys.end(), std::pair<uint64_t, uint32_t>{hash, 0});
        if (first == keys.end() || first->first != hash)
            return false;
        const size_t run = size_t(first - keys.begin());
        size_t k = head[run];
        while (k < keys.size() && keys[k].first == hash &&
               (taken[k] || std::memcmp(before + keys[k].second * unit, record, unit) != 0))
            ++k;
        if (k == keys.size() || keys[k].first != hash)
            return false;
        taken[k] = true;
        while (head[run] < keys.size() && taken[head[run]])
            ++head[run];
        index[size_t(i)] = uint16_t(keys[k].second);
    }
    return true;
}

// When after is before with some records taken out (the others in their
// order), the positions of those records in before and their bytes.
bool FindRemoved(const uint8_t* before, int beforeCount, const uint8_t* after, int afterCount, size_t unit,
                 std::vector<uint16_t>& positions, std::vector<uint8_t>& removed)
{
    const size_t removedCount = size_t(beforeCount - afterCount);
    positions.clear();
    int kept = 0;
    for (int i = 0; i < beforeCount; ++i) {
        const uint8_t* record = before + size_t(i) * unit;
        if (kept < afterCount && std::memcmp(record, after + size_t(kept) * unit, unit) == 0) {
            ++kept;
        } else {
            if (positions.size() == removedCount)
                return false;
            positions.push_back(uint16_t(i));
        }
    }
    if (kept != afterCount)
        return false;
    removed.resize(removedCount * unit);
    for (size_t r = 0; r < removedCount; ++r)
        std::memcpy(removed.data() + r * unit, before + positions[r] * unit, unit);
    return true;
}

// The bytes of mine in [from, end) from the first to the last one that
// differs from other; nothing when none does.
DatabaseDiff::BytePatch TailPatch(const uint8_t* mine, const uint8_t* other, size_t from, size_t end)
{
    constexpr size_t kChunk = 4096;
    size_t lo = from;
    while (lo < end) {
        const size_t len = std::min(kChunk, end - lo);
        if (std::memcmp(mine + lo, other + lo, len) != 0) {
            while (mine[lo] == other[lo])
                ++lo;
            break;
        }
        lo += len;
    }
    if (lo >= end)
        return {};
    size_t hi = end;
    while (hi > lo) {
        const size_t len = std::min(kChunk, hi - lo);
        if (std::memcmp(mine + hi - len, other + hi - len, len) != 0) {
            while (mine[hi - 1] == other[hi - 1])
                --hi;
            break;
        }
        hi -= len;
    }
    return {uint32_t(lo), std::vector<uint8_t>(mine + lo, mine + hi)};
}

void WritePatch(uint8_t* table, const DatabaseDiff::BytePatch& patch)
{
    if (!patch.abBytes.empty())
        std::memcpy(table + patch.ulOffset, patch.abBytes.data(), patch.abBytes.size());
}

// Turns the records in use of one state into those of the other (toBefore:
// after into before). Only the middle and the common end move.
void ApplyRecords(uint8_t* table, size_t unit, const DatabaseDiff::TableChange& change, bool toBefore)
{
    using Form = DatabaseDiff::Form;
    const int suffix = change.iSuffix;
    const int beforeMiddle = change.iBeforeCount - change.iPrefix - suffix;
    const int afterMiddle = change.iAfterCount - change.iPrefix - suffix;
    const int fromMiddle = toBefore ? afterMiddle : beforeMiddle;
    const int toMiddle = toBefore ? beforeMiddle : afterMiddle;
    uint8_t* middle = table + size_t(change.iPrefix) * unit;
    const auto record = [middle, unit](int i) { return middle + size_t(i) * unit; };
    const std::vector<uint16_t>& index = change.aiIndex;
    switch (change.form) {
    case Form::Replace: {
        std::memmove(record(toMiddle), record(fromMiddle), size_t(suffix) * unit);
        const std::vector<uint8_t>& bytes = toBefore ? change.abBefore : change.abAfter;
        if (!bytes.empty())
            std::memcpy(middle, bytes.data(), bytes.size());
        break;
    }
    case Form::Permute: {
        const std::vector<uint8_t> scratch(middle, middle + size_t(fromMiddle) * unit);
        for (size_t i = 0; i < index.size(); ++i) {
            if (toBefore)
                std::memcpy(record(index[i]), scratch.data() + i * unit, unit);
            else
                std::memcpy(record(int(i)), scratch.data() + size_t(index[i]) * unit, unit);
        }
        break;
    }
    case Form::Remove:
        if (toBefore) {
            // Make room, then fill the middle from its end: each kept record
            // moves up to its old position, the removed ones come back between.
            std::memmove(record(beforeMiddle), record(afterMiddle), size_t(suffix) * unit);
            int kept = afterMiddle;
            size_t removed = index.size();
            for (int k = beforeMiddle - 1; k >= 0; --k) {
                if (removed > 0 && index[removed - 1] == k) {
                    --removed;
                    std::memcpy(record(k), change.abBefore.data() + removed * unit, unit);
                } else if (--kept != k) {
                    std::memcpy(record(k), record(kept), unit);
                }
            }
        } else {
            int kept = 0;
            size_t removed = 0;
            for (int k = 0; k < beforeMiddle; ++k) {
                if (removed < index.size() && index[removed] == k) {
                    ++removed;
                    continue;
                }
                if (kept != k)
                    std::memcpy(record(kept), record(k), unit);
                ++kept;
            }
            std::memmove(record(afterMiddle), record(beforeMiddle), size_t(suffix) * unit);
        }
        break;
    }
}

size_t PatchBytes(const DatabaseDiff::BytePatch& patch) { return patch.abBytes.capacity(); }

} // namespace

void CopyFileContents(const Database& from, Database& to)
{
    for (const Part& part : kParts)
        std::memcpy(PartBytes(to, part), PartBytes(from, part), part.ulUnit * part.ulCapacity);
}

bool SameFileContents(const Database& a, const Database& b)
{
    return std::all_of(std::begin(kParts), std::end(kParts), [&](const Part& part) {
        return std::memcmp(PartBytes(a, part), PartBytes(b, part), part.ulUnit * part.ulCapacity) == 0;
    });
}

DatabaseDiff DatabaseDiff::Between(const Database& before, const Database& after)
{
    DatabaseDiff diff;
    for (size_t k = 0; k < std::size(kParts); ++k) {
        const Part& part = kParts[k];
        const uint8_t* b = PartBytes(before, part);
        const uint8_t* a = PartBytes(after, part);
        const size_t unit = part.ulUnit;
        const int beforeCount = LiveCount(before, part);
        const int afterCount = LiveCount(after, part);
        if (beforeCount == afterCount && std::memcmp(b, a, unit * part.ulCapacity) == 0)
            continue;
        const auto record = [unit](const uint8_t* base, int i) { return base + size_t(i) * unit; };
        const auto same = [unit](const uint8_t* x, const uint8_t* y) { return std::memcmp(x, y, unit) == 0; };

        TableChange change;
        change.iPart = uint8_t(k);
        change.iBeforeCount = beforeCount;
        change.iAfterCount = afterCount;
        const int common = std::min(beforeCount, afterCount);
        int prefix = 0;
        while (prefix < common && same(record(b, prefix), record(a, prefix)))
            ++prefix;
        int suffix = 0;
        while (suffix < common - prefix &&
               same(record(b, beforeCount - 1 - suffix), record(a, afterCount - 1 - suffix)))
            ++suffix;
        change.iPrefix = prefix;
        change.iSuffix = suffix;
        const int beforeMiddle = beforeCount - prefix - suffix;
        const int afterMiddle = afterCount - prefix - suffix;
        const uint8_t* middleBefore = record(b, prefix);
        const uint8_t* middleAfter = record(a, prefix);
        if (beforeMiddle == afterMiddle && beforeMiddle > 0 &&
            FindPermutation(middleBefore, middleAfter, beforeMiddle, unit, change.aiIndex)) {
            change.form = Form::Permute;
        } else if (afterMiddle < beforeMiddle && FindRemoved(middleBefore, beforeMiddle, middleAfter, afterMiddle,
                                                             unit, change.aiIndex, change.abBefore)) {
            change.form = Form::Remove;
        } else {
            change.form = Form::Replace;
            change.aiIndex.clear();
            change.abBefore.assign(middleBefore, middleBefore + size_t(beforeMiddle) * unit);
            change.abAfter.assign(middleAfter, middleAfter + size_t(afterMiddle) * unit);
        }
        change.aiIndex.shrink_to_fit();
        const size_t end = unit * part.ulCapacity;
        change.beforeTail = TailPatch(b, a, size_t(beforeCount) * unit, end);
        change.afterTail = TailPatch(a, b, size_t(afterCount) * unit, end);
        diff.aChanges.push_back(std::move(change));
    }
    return diff;
}

void DatabaseDiff::Undo(Database& db) const
{
    for (auto it = aChanges.rbegin(); it != aChanges.rend(); ++it) {
        const Part& part = kParts[it->iPart];
        uint8_t* table = PartBytes(db, part);
        ApplyRecords(table, part.ulUnit, *it, true);
        WritePatch(table, it->beforeTail);
    }
}

void DatabaseDiff::Redo(Database& db) const
{
    for (const TableChange& change : aChanges) {
        const Part& part = kParts[change.iPart];
        uint8_t* table = PartBytes(db, part);
        ApplyRecords(table, part.ulUnit, change, false);
        WritePatch(table, change.afterTail);
    }
}

size_t DatabaseDiff::Bytes() const
{
    size_t bytes = sizeof(DatabaseDiff) + aChanges.capacity() * sizeof(TableChange);
    for (const TableChange& change : aChanges)
        bytes += change.abBefore.capacity() + change.abAfter.capacity() +
                 change.aiIndex.capacity() * sizeof(uint16_t) + PatchBytes(change.beforeTail) +
                 PatchBytes(change.afterTail);
    return bytes;
}
