// Named accessors for the bit fields packed into the records' flag words. All
// of them go through the one GetBits/SetBits pair so that every field's
// position is written down exactly once.
#pragma once

#include "Records.h"

#include <cstddef>
#include <cstdint>
#include <cstring>

constexpr uint32_t BitMask(int count) { return count >= 32 ? 0xFFFFFFFFu : ((1u << count) - 1u); }

constexpr uint32_t GetBits(uint32_t word, int first, int count) { return (word >> first) & BitMask(count); }

constexpr void SetBits(uint32_t& word, int first, int count, uint32_t value)
{
    const uint32_t mask = BitMask(count) << first;
    word = (word & ~mask) | ((value << first) & mask);
}

// --- transponders -----------------------------------------------------------

enum TpKindValue : uint32_t { kTpTerrestrial = 0, kTpSatellite = 1, kTpCable = 2, kTpIsdbt = 3 };

inline uint32_t TpKind(const TransponderRecord& tp) { return GetBits(tp.ulTpFlags, 0, 2); }
inline void SetTpKind(TransponderRecord& tp, uint32_t kind) { SetBits(tp.ulTpFlags, 0, 2, kind); }
// Number of text slots in use (only the first four are ever stored).
inline uint32_t TpTextSlots(const TransponderRecord& tp) { return GetBits(tp.ulTpFlags, 2, 3); }
inline void SetTpTextSlots(TransponderRecord& tp, uint32_t n) { SetBits(tp.ulTpFlags, 2, 3, n); }
// Satellite: polarisation (0 HOR, 1 VER). Terrestrial and ISDB-T: bandwidth index.
inline uint32_t TpPolarisation(const TransponderRecord& tp) { return GetBits(tp.ulTpFlags, 5, 2); }
inline void SetTpPolarisation(TransponderRecord& tp, uint32_t v) { SetBits(tp.ulTpFlags, 5, 2, v); }
inline uint32_t TpBandwidth(const TransponderRecord& tp) { return TpPolarisation(tp); }
inline void SetTpBandwidth(TransponderRecord& tp, uint32_t v) { SetTpPolarisation(tp, v); }
// Cable: QAM index.
inline uint32_t TpQam(const TransponderRecord& tp) { return GetBits(tp.ulTpFlags, 5, 3); }
inline void SetTpQam(TransponderRecord& tp, uint32_t v) { SetBits(tp.ulTpFlags, 5, 3, v); }
// Satellite: FEC index. Terrestrial and ISDB-T: modulation index.
inline uint32_t TpFec(const TransponderRecord& tp) { return GetBits(tp.ulTpFlags, 9, 3); }
inline void SetTpFec(TransponderRecord& tp, uint32_t v) { SetBits(tp.ulTpFlags, 9, 3, v); }
inline uint32_t TpModulation(const TransponderRecord& tp) { return TpFec(tp); }
inline void SetTpModulation(TransponderRecord& tp, uint32_t v) { SetTpFec(tp, v); }
// Satellite: the slot of the transponder's satellite.
inline uint32_t TpSatIndex(const TransponderRecord& tp) { return GetBits(tp.ulTpFlags, 12, 8); }
inline void SetTpSatIndex(TransponderRecord& tp, uint32_t v) { SetBits(tp.ulTpFlags, 12, 8, v); }
// Terrestrial and ISDB-T: channel number of the band plan, with bit 19 set.
inline uint32_t TpChannelNumber(const TransponderRecord& tp) { return GetBits(tp.ulTpFlags, 12, 7); }
inline void SetTpChannelNumber(TransponderRecord& tp, uint32_t v)
{
    SetBits(tp.ulTpFlags, 12, 7, v);
    SetBits(tp.ulTpFlags, 19, 1, 1);
}
inline uint32_t TpId(const TransponderRecord& tp) { return GetBits(tp.ulTpFlags, 20, 12); }
inline constexpr size_t kTpIdCount = 4096; // every value a 12-bit TpId can take
inline void SetTpId(TransponderRecord& tp, uint32_t id) { SetBits(tp.ulTpFlags, 20, 12, id); }
// Length of text slot i (0..15).
inline uint32_t TpNameLen(const TransponderRecord& tp, int i) { return GetBits(tp.usNameLens, 4 * i, 4); }

// Terrestrial and ISDB-T frequency in kHz, stored over usFreq and usSymRate.
inline uint32_t TpUlFreq(const TransponderRecord& tp)
{
    uint32_t v;
    std::memcpy(&v, &tp.usFreq, sizeof v);
    return v;
}
inline void SetTpUlFreq(TransponderRecord& tp, uint32_t kHz) { std::memcpy(&tp.usFreq, &kHz, sizeof kHz); }

// --- satellites -------------------------------------------------------------

inline uint32_t SatPosition(const SatelliteRecord& s) { return GetBits(s.ulSatPos, 0, 11); }
inline void SetSatPosition(SatelliteRecord& s, uint32_t tenths) { SetBits(s.ulSatPos, 0, 11, tenths); }
inline uint32_t SatKuBand(const SatelliteRecord& s) { return GetBits(s.ulSatFlags, 0, 1); }
inline void SetSatKuBand(SatelliteRecord& s, uint32_t v) { SetBits(s.ulSatFlags, 0, 1, v); }
inline uint32_t Sat22kHz(const SatelliteRecord& s) { return GetBits(s.ulSatFlags, 1, 2); }
inline void SetSat22kHz(SatelliteRecord& s, uint32_t v) { SetBits(s.ulSatFlags, 1, 2, v); }
inline uint32_t SatDiseqc(const SatelliteRecord& s) { return GetBits(s.ulSatFlags, 4, 3); }
inline void SetSatDiseqc(SatelliteRecord& s, uint32_t v) { SetBits(s.ulSatFlags, 4, 3, v); }
inline uint32_t SatMotor(const SatelliteRecord& s) { return GetBits(s.ulSatFlags, 16, 2); }
inline void SetSatMotor(SatelliteRecord& s, uint32_t v) { SetBits(s.ulSatFlags, 16, 2, v); }
inline uint32_t SatDirection(const SatelliteRecord& s) { return GetBits(s.ulSatFlags, 18, 1); }
inline void SetSatDirection(SatelliteRecord& s, uint32_t v) { SetBits(s.ulSatFlags, 18, 1, v); }
inline uint32_t SatLnbPower(const SatelliteRecord& s) { return GetBits(s.ulSatFlags, 19, 3); }
inline void SetSatLnbPower(SatelliteRecord& s, uint32_t v) { SetBits(s.ulSatFlags, 19, 3, v); }
// 0-based position of the chosen transponder among the satellite's own; 255 for none.
inline constexpr uint32_t kNoChosenTp = 255;
inline uint32_t SatChosenTp(const SatelliteRecord& s) { return GetBits(s.ulSatFlags, 22, 8); }
inline void SetSatChosenTp(SatelliteRecord& s, uint32_t v) { SetBits(s.ulSatFlags, 22, 8, v); }

// --- channels ---------------------------------------------------------------

inline constexpr uint32_t kChannelMarker = 21845; // 0x5555
inline constexpr int16_t kNoVideoPid = 8191;

enum ChDeliveryValue : uint32_t { kChSatellite = 0, kChIsdbt = 1, kChTerrestrial = 2, kChCable = 3 };

inline uint32_t ChAudioIndex(const ChannelRecord& c) { return GetBits(c.ulChFlags, 0, 6); }
inline void SetChAudioIndex(ChannelRecord& c, uint32_t v) { SetBits(c.ulChFlags, 0, 6, v); }
inline uint32_t ChLocked(const ChannelRecord& c) { return GetBits(c.ulChFlags, 6, 1); }
inline void SetChLocked(ChannelRecord& c, uint32_t v) { SetBits(c.ulChFlags, 6, 1, v); }
inline uint32_t ChNoVideo(const ChannelRecord& c) { return GetBits(c.ulChFlags, 7, 1); }
inline void SetChNoVideo(ChannelRecord& c, uint32_t v) { SetBits(c.ulChFlags, 7, 1, v); }
// Conditional-access bits; any non-zero value means scrambled.
inline uint32_t ChCas(const ChannelRecord& c) { return GetBits(c.ulChFlags, 8, 16); }
inline void SetChScrambled(ChannelRecord& c, bool scrambled) { SetBits(c.ulChFlags, 8, 16, scrambled ? 0x8000u : 0u); }
inline uint32_t ChVideoCoding(const ChannelRecord& c) { return GetBits(c.ulChFlags, 28, 2); }
inline void SetChVideoCoding(ChannelRecord& c, uint32_t v) { SetBits(c.ulChFlags, 28, 2, v); }
inline uint32_t ChHasExtra(const ChannelRecord& c) { return GetBits(c.ulChFlags, 30, 1); }
inline void SetChHasExtra(ChannelRecord& c, uint32_t v) { SetBits(c.ulChFlags, 30, 1, v); }
inline uint32_t ChDelivery(const ChannelRecord& c) { return GetBits(c.ulChType, 5, 2); }
inline void SetChDelivery(ChannelRecord& c, uint32_t v) { SetBits(c.ulChType, 5, 2, v); }

// The bits of usFavBits that say which of the eight favourite groups list the channel.
inline constexpr uint16_t kFavGroupBits = 0x00FF;

// Favourite groups list channels by this key: usServiceId | usTpId << 16.
inline uint32_t ChannelKey(const ChannelRecord& c) { return uint32_t(c.usServiceId) | (uint32_t(c.usTpId) << 16); }

inline uint32_t AudioPid(const AudioEntry& a) { return GetBits(a.ulAudioFlags, 0, 13); }
inline void SetAudioPid(AudioEntry& a, uint32_t v) { SetBits(a.ulAudioFlags, 0, 13, v); }
inline uint32_t AudioMode(const AudioEntry& a) { return GetBits(a.ulAudioFlags, 15, 2); }
inline void SetAudioMode(AudioEntry& a, uint32_t v) { SetBits(a.ulAudioFlags, 15, 2, v); }
inline uint32_t AudioLanguage(const AudioEntry& a) { return GetBits(a.ulAudioFlags, 19, 8); }
inline void SetAudioLanguage(AudioEntry& a, uint32_t v) { SetBits(a.ulAudioFlags, 19, 8, v); }
