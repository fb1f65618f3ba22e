// The fixed-layout records of the receiver's channel database. Every record is
// stored in the file byte for byte as it sits in memory (little-endian, natural
// alignment), so each size and field offset is pinned by a static_assert.
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <type_traits>

static_assert(std::endian::native == std::endian::little,
              "the database records are read and written as little-endian memory images");

// The 64-byte file header; holds every count of the database.
struct SdxHeader {
    char acTag[3];    // "CDX" when written by this editor; not read
    uint8_t ucTagPad; // carried unchanged
    char acMagic[24]; // NUL-terminated text that must contain "SDX"
    int32_t iDataLen; // inflated payload length
    int16_t sSatNumber;
    int16_t sTpNumber;
    int16_t sTVNumber;
    int16_t sRadioNumber;
    int16_t sSatSize;
    int16_t sTpSize;
    int16_t sChannelSize;
    int16_t sSettingsLen;
    int16_t sReservedLen;
    int16_t sFavNumber;
    int16_t sFavSize;
    uint16_t usHeaderPad; // carried unchanged
    uint32_t ulZipLen;    // compressed payload length
    uint32_t ulCheck;     // check value over the compressed payload
};
static_assert(sizeof(SdxHeader) == 64);
static_assert(offsetof(SdxHeader, acTag) == 0);
static_assert(offsetof(SdxHeader, ucTagPad) == 3);
static_assert(offsetof(SdxHeader, acMagic) == 4);
static_assert(offsetof(SdxHeader, iDataLen) == 28);
static_assert(offsetof(SdxHeader, sSatNumber) == 32);
static_assert(offsetof(SdxHeader, sTpNumber) == 34);
static_assert(offsetof(SdxHeader, sTVNumber) == 36);
static_assert(offsetof(SdxHeader, sRadioNumber) == 38);
static_assert(offsetof(SdxHeader, sSatSize) == 40);
static_assert(offsetof(SdxHeader, sTpSize) == 42);
static_assert(offsetof(SdxHeader, sChannelSize) == 44);
static_assert(offsetof(SdxHeader, sSettingsLen) == 46);
static_assert(offsetof(SdxHeader, sReservedLen) == 48);
static_assert(offsetof(SdxHeader, sFavNumber) == 50);
static_assert(offsetof(SdxHeader, sFavSize) == 52);
static_assert(offsetof(SdxHeader, usHeaderPad) == 54);
static_assert(offsetof(SdxHeader, ulZipLen) == 56);
static_assert(offsetof(SdxHeader, ulCheck) == 60);

struct SatelliteRecord {
    char acSatName[16]; // NUL-terminated unless all 16 bytes are used
    uint16_t usLnbLow;  // MHz
    uint16_t usLnbHigh; // MHz
    uint32_t ulSatPos;  // bits 0-10: orbital position in tenths of a degree
    uint32_t ulSatFlags;
};
static_assert(sizeof(SatelliteRecord) == 28);
static_assert(offsetof(SatelliteRecord, acSatName) == 0);
static_assert(offsetof(SatelliteRecord, usLnbLow) == 16);
static_assert(offsetof(SatelliteRecord, usLnbHigh) == 18);
static_assert(offsetof(SatelliteRecord, ulSatPos) == 20);
static_assert(offsetof(SatelliteRecord, ulSatFlags) == 24);

// Satellite and cable transponders hold usFreq (MHz) and usSymRate (kS/s);
// terrestrial and ISDB-T ones hold one 32-bit frequency in kHz over the same
// four bytes, read and written through TpUlFreq / SetTpUlFreq.
struct TransponderRecord {
    uint16_t usFirst;    // carried unchanged
    uint16_t usNameLens; // four 4-bit text lengths
    uint16_t usFreq;
    uint16_t usSymRate;
    uint32_t ulTpFlags;
    char acTpName[4][16];
};
static_assert(sizeof(TransponderRecord) == 76);
static_assert(offsetof(TransponderRecord, usFirst) == 0);
static_assert(offsetof(TransponderRecord, usNameLens) == 2);
static_assert(offsetof(TransponderRecord, usFreq) == 4);
static_assert(offsetof(TransponderRecord, usSymRate) == 6);
static_assert(offsetof(TransponderRecord, ulTpFlags) == 8);
static_assert(offsetof(TransponderRecord, acTpName) == 12);

struct AudioEntry {
    uint32_t ulAudioFlags; // bits 0-12 PID, 15-16 output mode, 19-26 language
    uint32_t ulAudioExtra; // carried unchanged
};
static_assert(sizeof(AudioEntry) == 8);
static_assert(offsetof(AudioEntry, ulAudioFlags) == 0);
static_assert(offsetof(AudioEntry, ulAudioExtra) == 4);

struct AuxEntry {
    uint8_t acAuxData[12]; // opaque, carried unchanged
};
static_assert(sizeof(AuxEntry) == 12);

inline constexpr int kMaxAudioEntries = 32;
inline constexpr int kMaxAuxEntries = 8;
inline constexpr int kChannelNameSize = 28;

struct ChannelRecord {
    uint32_t ulMarker;
    uint8_t ucNameLen;
    uint8_t ucAudioNum;
    uint8_t ucAuxNum;
    uint8_t ucHeadPad; // carried unchanged
    int16_t sVideoPid;
    int16_t sPcrPid;
    uint16_t usPidPad; // carried unchanged
    int16_t sTxtPid;
    uint16_t usServiceId;
    uint16_t usTpId;
    uint32_t ulChFlags;
    uint32_t ulHeadWord; // carried unchanged
    uint16_t usHeadHalf; // carried unchanged
    uint16_t usFavBits;
    uint32_t ulChType;
    char acName[kChannelNameSize];
    AudioEntry AudioEntries[kMaxAudioEntries];
    AuxEntry AuxEntries[kMaxAuxEntries];
    uint32_t ulExtra;
};
static_assert(sizeof(ChannelRecord) == 420);
static_assert(offsetof(ChannelRecord, ulMarker) == 0);
static_assert(offsetof(ChannelRecord, ucNameLen) == 4);
static_assert(offsetof(ChannelRecord, ucAudioNum) == 5);
static_assert(offsetof(ChannelRecord, ucAuxNum) == 6);
static_assert(offsetof(ChannelRecord, ucHeadPad) == 7);
static_assert(offsetof(ChannelRecord, sVideoPid) == 8);
static_assert(offsetof(ChannelRecord, sPcrPid) == 10);
static_assert(offsetof(ChannelRecord, usPidPad) == 12);
static_assert(offsetof(ChannelRecord, sTxtPid) == 14);
static_assert(offsetof(ChannelRecord, usServiceId) == 16);
static_assert(offsetof(ChannelRecord, usTpId) == 18);
static_assert(offsetof(ChannelRecord, ulChFlags) == 20);
static_assert(offsetof(ChannelRecord, ulHeadWord) == 24);
static_assert(offsetof(ChannelRecord, usHeadHalf) == 28);
static_assert(offsetof(ChannelRecord, usFavBits) == 30);
static_assert(offsetof(ChannelRecord, ulChType) == 32);
static_assert(offsetof(ChannelRecord, acName) == 36);
static_assert(offsetof(ChannelRecord, AudioEntries) == 64);
static_assert(offsetof(ChannelRecord, AuxEntries) == 320);
static_assert(offsetof(ChannelRecord, ulExtra) == 416);

inline constexpr int kFavSlots = 200;

struct FavGroup {
    uint32_t aulFavKey[kFavSlots]; // TV keys from slot 0 up, radio keys from slot 199 down
    int16_t sTvFavNum;
    int16_t sRadioFavNum;
    uint16_t usFavPad; // carried unchanged
    uint8_t ucFavChanged;
    uint8_t acFavRest[401]; // carried unchanged
};
static_assert(sizeof(FavGroup) == 1208);
static_assert(offsetof(FavGroup, aulFavKey) == 0);
static_assert(offsetof(FavGroup, sTvFavNum) == 800);
static_assert(offsetof(FavGroup, sRadioFavNum) == 802);
static_assert(offsetof(FavGroup, usFavPad) == 804);
static_assert(offsetof(FavGroup, ucFavChanged) == 806);
static_assert(offsetof(FavGroup, acFavRest) == 807);

static_assert(std::is_trivially_copyable_v<SdxHeader> && std::is_trivially_copyable_v<SatelliteRecord> &&
              std::is_trivially_copyable_v<TransponderRecord> && std::is_trivially_copyable_v<ChannelRecord> &&
              std::is_trivially_copyable_v<FavGroup>);
