#include "DatabaseBuilders.h"

#include "BitFields.h"
#include "ChannelPacking.h"
#include "ModelOperations.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <cstring>

namespace {

int Uniform(std::mt19937& rng, int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); }

// Random bytes, about half of them zero: any bit pattern can occur, yet the
// image still compresses as a receiver's database does (the writer refuses an
// image that does not shrink).
void FillRandom(std::mt19937& rng, void* dest, size_t size)
{
    auto* p = static_cast<uint8_t*>(dest);
    for (size_t i = 0; i < size; i += 4) {
        const uint32_t keep = uint32_t(rng());
        uint32_t word = uint32_t(rng());
        for (int b = 0; b < 4; ++b)
            if (keep & (1u << b))
                word &= ~(0xFFu << (8 * b));
        std::memcpy(p + i, &word, std::min<size_t>(4, size - i));
    }
}

// A table count: usually small, sometimes up to limit.
int16_t RandomCount(std::mt19937& rng, int limit)
{
    return int16_t(Uniform(rng, 0, 7) == 0 ? Uniform(rng, 0, limit) : Uniform(rng, 0, std::min(limit, 12)));
}

// A transponder as the reader rebuilds it: text slots beyond those stored and
// bytes beyond each stored text are zero, and each text ends at its length.
TransponderRecord RandomTransponder(std::mt19937& rng)
{
    TransponderRecord tp{};
    FillRandom(rng, &tp, 12);
    const int stored = std::min<int>(int(TpTextSlots(tp)), 4);
    for (int slot = 0; slot < stored; ++slot) {
        const int length = int(TpNameLen(tp, slot));
        const int padded = (length + 3) / 4 * 4;
        FillRandom(rng, tp.acTpName[slot], size_t(padded));
        tp.acTpName[slot][length] = 0;
    }
    return tp;
}

// A channel as the reader rebuilds it from its packed form.
ChannelRecord RandomChannel(std::mt19937& rng)
{
    ChannelRecord c{};
    FillRandom(rng, &c, kChannelHeadSize);
    c.ulMarker = kChannelMarker;
    c.ucNameLen = uint8_t(Uniform(rng, 0, 30));
    c.ucAudioNum = uint8_t(Uniform(rng, 0, 34));
    c.ucAuxNum = uint8_t(Uniform(rng, 0, 9));
    if (c.ucNameLen >= 1 && c.ucNameLen <= 27)
        FillRandom(rng, c.acName, size_t((c.ucNameLen + 3) / 4 * 4));
    if (c.ucAudioNum >= 1 && c.ucAudioNum <= 32)
        FillRandom(rng, c.AudioEntries, c.ucAudioNum * sizeof(AudioEntry));
    if (c.ucAuxNum >= 1 && c.ucAuxNum <= 8)
        FillRandom(rng, c.AuxEntries, c.ucAuxNum * sizeof(AuxEntry));
    if (ChHasExtra(c))
        c.ulExtra = uint32_t(rng());
    return c;
}

} // namespace

std::unique_ptr<Database> MakeEmptyDatabase()
{
    auto db = std::make_unique<Database>();
    ResetDatabase(*db);
    return db;
}

std::unique_ptr<Database> MakeRandomDatabase(std::mt19937& rng)
{
    auto db = MakeEmptyDatabase();
    FillRandomDatabase(*db, rng);
    return db;
}

void FillRandomDatabase(Database& db, std::mt19937& rng)
{
    SdxHeader& h = db.header;
    FillRandom(rng, &h, sizeof h);
    std::memset(h.acMagic, 0, sizeof h.acMagic);
    std::strcpy(h.acMagic, Uniform(rng, 0, 1) ? "Receiver SDX" : "db.sdx.v2");
    h.sSatNumber = RandomCount(rng, kMaxSatellites);
    h.sTpNumber = RandomCount(rng, 300);
    h.sTVNumber = RandomCount(rng, 300);
    h.sRadioNumber = RandomCount(rng, 200);
    h.sSettingsLen = int16_t(Uniform(rng, 0, 3) == 0 ? Uniform(rng, 0, kSettingsSize) : kSettingsSize);
    h.sReservedLen = int16_t(Uniform(rng, 0, kReservedSize));
    h.sFavNumber = int16_t(Uniform(rng, 0, kMaxFavGroups));
    h.sFavSize = sizeof(FavGroup);

    FillRandom(rng, db.SatelliteTable.data(), size_t(h.sSatNumber) * sizeof(SatelliteRecord));
    for (int i = 0; i < h.sTpNumber; ++i)
        db.TransponderTable[i] = RandomTransponder(rng);
    for (const bool radio : {false, true})
        for (int i = 0; i < ChannelCount(db, radio); ++i)
            ChannelTable(db, radio)[i] = RandomChannel(rng);
    db.SettingsBlock.fill(0);
    FillRandom(rng, db.SettingsBlock.data(), size_t(h.sSettingsLen));
    if (FavName(db, 0) == "Movies")
        db.SettingsBlock[kFavNamePos] = 'm';
    db.ReservedWord.fill(0);
    FillRandom(rng, db.ReservedWord.data(), size_t(h.sReservedLen));
    std::memset(db.FavGroupTable.data(), 0, sizeof db.FavGroupTable);
    FillRandom(rng, db.FavGroupTable.data(), size_t(h.sFavNumber) * sizeof(FavGroup));
}

ChannelRecord MakeChannel(std::string_view name, uint16_t tpId, uint16_t serviceId)
{
    ChannelRecord c{};
    c.ulMarker = kChannelMarker;
    std::memcpy(c.acName, name.data(), std::min(name.size(), sizeof c.acName));
    c.ucNameLen = uint8_t(name.size());
    c.usTpId = tpId;
    c.usServiceId = serviceId;
    c.sVideoPid = 101;
    return c;
}

TransponderRecord MakeSatelliteTp(uint32_t tpId, uint32_t satIndex, uint16_t freq)
{
    TransponderRecord tp{};
    SetTpKind(tp, kTpSatellite);
    SetTpId(tp, tpId);
    SetTpSatIndex(tp, satIndex);
    tp.usFreq = freq;
    tp.usSymRate = 27500;
    return tp;
}

void AddDemoDebris(Database& db)
{
    for (int i = 0; i < kDemoDebrisDuplicates; ++i) {
        ChannelRecord copy = db.TvChannelTable[size_t(i)];
        if (i % 3 == 0)
            SetChLocked(copy, 1);
        if (i % 5 == 0 && AddFavEntry(db, 3, ChannelKey(copy), 0) == kFavDone)
            copy.usFavBits = uint16_t(copy.usFavBits | 1u << 3);
        AppendChannel(db, false, copy);
    }
    RemoveTransponder(db, 40);
    AddFavEntry(db, 1, 0x0FFF0001, 0);
    AddFavEntry(db, 2, 0x0FFF0002, 1);
    TransponderRecord copy = db.TransponderTable[12];
    copy.usFreq = uint16_t(copy.usFreq + 1);
    SetTpId(copy, 3999);
    AppendTransponder(db, copy);
}

void AppendChannel(Database& db, bool radio, const ChannelRecord& channel)
{
    int16_t& count = ChannelCount(db, radio);
    ChannelTable(db, radio)[count++] = channel;
}

void AppendTransponder(Database& db, const TransponderRecord& tp) { db.TransponderTable[db.header.sTpNumber++] = tp; }

std::vector<uint8_t> MakeFile(SdxHeader header, const std::vector<uint8_t>& payload)
{
    uLongf zipLen = compressBound(uLong(payload.size()));
    std::vector<uint8_t> file(sizeof header + zipLen);
    compress(file.data() + sizeof header, &zipLen, payload.data(), uLong(payload.size()));
    file.resize(sizeof header + zipLen);
    header.ulZipLen = uint32_t(zipLen);
    std::memcpy(file.data(), &header, sizeof header);
    return file;
}

void ExpectSameTables(const Database& a, const Database& b)
{
    const SdxHeader& ha = a.header;
    const SdxHeader& hb = b.header;
    ASSERT_EQ(ha.sSatNumber, hb.sSatNumber);
    ASSERT_EQ(ha.sTpNumber, hb.sTpNumber);
    ASSERT_EQ(ha.sTVNumber, hb.sTVNumber);
    ASSERT_EQ(ha.sRadioNumber, hb.sRadioNumber);
    ASSERT_EQ(ha.sSettingsLen, hb.sSettingsLen);
    ASSERT_EQ(ha.sReservedLen, hb.sReservedLen);
    ASSERT_EQ(ha.sFavNumber, hb.sFavNumber);
    EXPECT_EQ(0,
              std::memcmp(a.SatelliteTable.data(), b.SatelliteTable.data(), ha.sSatNumber * sizeof(SatelliteRecord)));
    for (int i = 0; i < ha.sTpNumber; ++i)
        ASSERT_EQ(0, std::memcmp(&a.TransponderTable[i], &b.TransponderTable[i], sizeof(TransponderRecord)))
            << "transponder " << i;
    for (const bool radio : {false, true})
        for (int i = 0; i < ChannelCount(a, radio); ++i)
            ASSERT_EQ(0, std::memcmp(&ChannelTable(a, radio)[i], &ChannelTable(b, radio)[i], sizeof(ChannelRecord)))
                << (radio ? "radio " : "TV ") << i;
    EXPECT_EQ(a.SettingsBlock, b.SettingsBlock);
    EXPECT_EQ(a.ReservedWord, b.ReservedWord);
    EXPECT_EQ(0, std::memcmp(a.FavGroupTable.data(), b.FavGroupTable.data(), sizeof a.FavGroupTable));
}

void ExpectSameDatabase(const Database& a, const Database& b)
{
    const auto same = [](const auto& x, const auto& y) { return std::memcmp(&x, &y, sizeof x) == 0; };
    EXPECT_TRUE(same(a.header, b.header)) << "header";
    EXPECT_TRUE(same(a.SatelliteTable, b.SatelliteTable)) << "satellites";
    EXPECT_TRUE(same(a.TransponderTable, b.TransponderTable)) << "transponders";
    EXPECT_TRUE(same(a.TvChannelTable, b.TvChannelTable)) << "TV channels";
    EXPECT_TRUE(same(a.RadioChannelTable, b.RadioChannelTable)) << "radio channels";
    EXPECT_TRUE(same(a.SettingsBlock, b.SettingsBlock)) << "settings";
    EXPECT_TRUE(same(a.ReservedWord, b.ReservedWord)) << "reserved word";
    EXPECT_TRUE(same(a.FavGroupTable, b.FavGroupTable)) << "favourite groups";
    EXPECT_EQ(a.bHasTerrestrial, b.bHasTerrestrial);
    EXPECT_EQ(a.bHasCable, b.bHasCable);
    EXPECT_EQ(a.bHasIsdbt, b.bHasIsdbt);
}
