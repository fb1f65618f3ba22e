// The option names shown for the coded fields of the records, shared by the
// tree, the dialogs, the list, printing and the export.
#pragma once

#include "Translatable.h"

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

inline constexpr std::array<const char*, 2> kPolarisationNames = {"HOR", "VER"};
inline constexpr std::array<const char*, 8> kFecNames = {"Auto", "1/2", "2/3", "3/4", "4/5", "5/6", "6/7", "7/8"};
inline constexpr std::array<const char*, 5> kModulationNames = {"16QAM", "32QAM", "64QAM", "128QAM", "256QAM"};
inline constexpr std::array<const char*, 3> kBandwidthNames = {"6M", "7M", "8M"};
inline constexpr std::array<const char*, 8> kDiseqcNames = {"None", "LNB1",    "LNB2",    "LNB3",
                                                            "LNB4", "Burst A", "Burst B", "Auto"};
inline constexpr std::array<const char*, 3> k22kHzNames = {"Off", "On", "Auto"};
inline constexpr std::array<const char*, 3> kMotorNames = {"None", "Motor", "UASAL"};
inline constexpr std::array<const char*, 2> kDirectionNames = {"East", "West"};
inline constexpr std::array<const char*, 4> kLnbPowerNames = {"0V", "13V/18V", "13V", "18V"};
// The dialog shows "Left" and "Right" translated; "Stereo" is the receiver's word.
inline constexpr std::array<const char*, 3> kAudioModeNames = {"Stereo", TRANSLATABLE("OptionNames", "Left"),
                                                               TRANSLATABLE("OptionNames", "Right")};

// LNB types in list order; the last, "User define", keeps the values as they are.
struct LnbType {
    const char* pszName;
    uint16_t usLnbLow;
    uint16_t usLnbHigh;
    uint8_t ucKuBand;
};
inline constexpr std::array<LnbType, 15> kLnbTypes = {{
    {"Universal", 9750, 10600, 1},
    {"9750/10750", 9750, 10750, 1},
    {"9750/10700", 9750, 10700, 1},
    {"9750", 9750, 9750, 1},
    {"10600", 10600, 10600, 1},
    {"10700", 10700, 10700, 1},
    {"10750", 10750, 10750, 1},
    {"11250", 11250, 11250, 1},
    {"11300", 11300, 11300, 1},
    {"11475", 11475, 11475, 1},
    {"5150", 5150, 5150, 0},
    {"5750", 5750, 5750, 0},
    {"5150/5750", 5150, 5750, 0},
    {"5700", 5700, 5700, 0},
    {"User define", 0, 0, 0},
}};
inline constexpr int kUserDefinedLnb = 14;

// Audio track languages by the index stored in an audio entry. The dialog
// offers indices 0 to 60; "Kongo" (61) is only ever shown.
inline constexpr std::array<const char*, 62> AudioLanguageTable = {
    "Undefined", "Afrikaans", "Albanian",  "Arabic",     "Basque",     "Belarusian", "Bengali",      "Bosnian",
    "Bislama",   "Bulgarian", "Catalan",   "Chechen",    "Chinese",    "Creoles",    "Croatian",     "Czech",
    "Danish",    "Dutch",     "English",   "Estonian",   "Finnish",    "French",     "Georgian",     "German",
    "Greek",     "Hebrew",    "Hungarian", "Icelandic",  "Indonesian", "Irish",      "Italian",      "Japanese",
    "Kabyle",    "Kazakh",    "Korean",    "Kurdish",    "Latvian",    "Lithuanian", "Ltzeburgesch", "Macedonian",
    "Mongolian", "Norwegian", "Persian",   "Polish",     "Portuguese", "Romanian",   "Russian",      "Serbian",
    "Spanish",   "Slovenia",  "Swahili",   "Swedish",    "Tatar",      "Thai",       "Tibetan",      "Turkish",
    "Ukrainian", "Urdu",      "Uzbek",     "Vietnamese", "Philippine", "Kongo"};
inline constexpr int kOfferedLanguages = 61;

// The name at index, or an empty text when the stored value has no name.
inline std::string_view OptionName(std::span<const char* const> names, uint32_t index)
{
    return index < names.size() ? std::string_view(names[index]) : std::string_view();
}
