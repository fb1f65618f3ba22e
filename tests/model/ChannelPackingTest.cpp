#include "BitFields.h"
#include "ChannelPacking.h"
#include "DatabaseBuilders.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <string>

namespace {

// Room for the longest packed record and a guard word after it.
using Packed = std::array<uint8_t, sizeof(ChannelRecord) + 4>;

// A channel with the given counts; the parts that the counts put in use are
// filled, every other byte is zero (as the reader rebuilds a record).
ChannelRecord ChannelWith(int nameLen, int audio, int aux, bool extra)
{
    ChannelRecord c = MakeChannel("", 0x0567, 0x1234);
    c.ucNameLen = uint8_t(nameLen);
    c.ucAudioNum = uint8_t(audio);
    c.ucAuxNum = uint8_t(aux);
    if (nameLen <= 27)
        std::memcpy(c.acName, "ABCDEFGHIJKLMNOPQRSTUVWXYZ0", size_t(nameLen));
    for (int a = 0; audio <= kMaxAudioEntries && a < audio; ++a)
        c.AudioEntries[a] = {uint32_t(0x1000 + a), uint32_t(0xA0000000 + a)};
    for (int x = 0; aux <= kMaxAuxEntries && x < aux; ++x)
        std::memset(c.AuxEntries[x].acAuxData, 0xC0 + x, sizeof(AuxEntry));
    if (extra) {
        SetChHasExtra(c, 1);
        c.ulExtra = 0xFEEDF00D;
    }
    return c;
}

struct PackCase {
    const char* name;
    int nameLen, audio, aux;
    bool extra;
    int packedLength;
};
void PrintTo(const PackCase& c, std::ostream* os) { *os << c.name; }

class PackedLengthTest : public testing::TestWithParam<PackCase> {};

TEST_P(PackedLengthTest, PacksToItsLengthAndUnpacksToTheSameRecord)
{
    const PackCase& p = GetParam();
    ChannelRecord original = ChannelWith(p.nameLen, p.audio, p.aux, p.extra);
    original.ulMarker = 0;

    ChannelRecord sizing = original;
    EXPECT_EQ(p.packedLength, PackChannel(nullptr, sizing));
    EXPECT_EQ(kChannelMarker, sizing.ulMarker) << "the marker is set in memory";
    Packed packed;
    packed.fill(0xEE);
    ASSERT_EQ(p.packedLength, PackChannel(packed.data(), original));
    EXPECT_EQ(0xEE, packed[size_t(p.packedLength)]) << "wrote past its length";
    EXPECT_EQ(0, std::memcmp(packed.data(), "\x55\x55\0\0", 4));
    EXPECT_EQ(p.packedLength, PackedChannelLength(packed.data()));

    ChannelRecord unpacked;
    std::memset(&unpacked, 0x77, sizeof unpacked);
    ASSERT_EQ(p.packedLength, UnpackChannel(packed.data(), &unpacked));
    EXPECT_EQ(0, std::memcmp(&original, &unpacked, sizeof unpacked));
}

INSTANTIATE_TEST_SUITE_P(
    Records, PackedLengthTest,
    testing::Values(PackCase{"Bare", 0, 0, 0, false, 36}, PackCase{"NameAudioAuxExtra", 5, 2, 1, true, 76},
                    PackCase{"OneCharName", 1, 0, 0, false, 40}, PackCase{"FourCharName", 4, 0, 0, false, 40},
                    PackCase{"LongestName", 27, 0, 0, false, 64}, PackCase{"AllAudio", 0, 32, 0, false, 36 + 256},
                    PackCase{"AllAux", 0, 0, 8, false, 36 + 96}, PackCase{"ExtraOnly", 0, 0, 0, true, 40},
                    PackCase{"Everything", 27, 32, 8, true, 420},
                    // A count out of range drops its part but is kept itself.
                    PackCase{"NameLen28", 28, 0, 0, false, 36}, PackCase{"AudioNum33", 0, 33, 0, false, 36},
                    PackCase{"AuxNum9", 0, 0, 9, false, 36}, PackCase{"AllCounts255", 255, 255, 255, true, 40}),
    [](const testing::TestParamInfo<PackCase>& info) { return std::string(info.param.name); });

TEST(ChannelPackingTest, PackedLayoutIsByteExact)
{
    ChannelRecord c = ChannelWith(5, 2, 1, true);
    Packed packed{};
    ASSERT_EQ(76, PackChannel(packed.data(), c));
    const uint8_t head[] = {0x55, 0x55, 0, 0, 5, 2,    1, 0, 101, 0, 0, 0, 0, 0, 0, 0, 0x34, 0x12,
                            0x67, 0x05, 0, 0, 0, 0x40, 0, 0, 0,   0, 0, 0, 0, 0, 0, 0, 0,    0};
    EXPECT_EQ(0, std::memcmp(packed.data(), head, sizeof head));
    EXPECT_EQ(0, std::memcmp(packed.data() + 36, "ABCDE\0\0\0", 8)) << "name padded with its NUL";
    const uint8_t audio[] = {0x00, 0x10, 0, 0, 0, 0, 0, 0xA0, 0x01, 0x10, 0, 0, 0x01, 0, 0, 0xA0};
    EXPECT_EQ(0, std::memcmp(packed.data() + 44, audio, sizeof audio));
    EXPECT_EQ(0, std::memcmp(packed.data() + 60, "\xC0\xC0\xC0\xC0\xC0\xC0\xC0\xC0\xC0\xC0\xC0\xC0", 12));
    EXPECT_EQ(0, std::memcmp(packed.data() + 72, "\x0D\xF0\xED\xFE", 4));
}

TEST(ChannelPackingTest, FourCharNameIsStoredWithoutNulAndReadBackTerminated)
{
    ChannelRecord c = ChannelWith(4, 0, 0, false);
    c.acName[4] = 'X'; // beyond the name: not stored
    Packed packed{};
    ASSERT_EQ(40, PackChannel(packed.data(), c));
    EXPECT_EQ(0, std::memcmp(packed.data() + 36, "ABCD", 4));

    ChannelRecord unpacked;
    ASSERT_EQ(40, UnpackChannel(packed.data(), &unpacked));
    EXPECT_EQ("ABCD", FieldText(unpacked.acName));
}

TEST(ChannelPackingTest, PartsOfCountsOutOfRangeAreNeitherWrittenNorRead)
{
    ChannelRecord c = ChannelWith(27, 32, 8, false);
    c.ucNameLen = 28;
    c.ucAudioNum = 33;
    c.ucAuxNum = 9;
    Packed packed;
    packed.fill(0xEE);
    ASSERT_EQ(36, PackChannel(packed.data(), c));

    ChannelRecord unpacked;
    ASSERT_EQ(36, UnpackChannel(packed.data(), &unpacked));
    const ChannelRecord expected = ChannelWith(28, 33, 9, false);
    EXPECT_EQ(0, std::memcmp(&expected, &unpacked, sizeof unpacked));
}

TEST(ChannelPackingTest, UnpackSetsTheMarkerAndRefusesMissingPointers)
{
    Packed packed{};
    std::memcpy(packed.data(), "\x78\x56\x34\x12", 4);
    ChannelRecord unpacked;
    ASSERT_EQ(36, UnpackChannel(packed.data(), &unpacked));
    EXPECT_EQ(kChannelMarker, unpacked.ulMarker);
    EXPECT_EQ(0, UnpackChannel(nullptr, &unpacked));
    EXPECT_EQ(0, UnpackChannel(packed.data(), nullptr));
}

} // namespace
