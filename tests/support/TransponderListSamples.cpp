#include "TransponderListSamples.h"

#include "BitFields.h"

#include <algorithm>
#include <cstdio>
#include <random>
#include <set>

namespace {

constexpr const char* kMadeUpNames[] = {"Nordsat",  "Equasat", "Polaris &amp; Vega", "Meridian", "Aurora",
                                        "Экспресс", "Caravel", "Südstern",           "Orbis",    "Helios"};

// fec_inner of each FEC index of a record.
constexpr int kListFecOfIndex[] = {0, 1, 2, 3, 8, 4, 10, 5};

std::string PositionWord(uint32_t angle, bool west)
{
    char text[16];
    std::snprintf(text, sizeof text, "%u.%u%c", angle / 10, angle % 10, west ? 'W' : 'E');
    return text;
}

// The position attribute: tenths, negative for West, the last digit raised
// by one for C-band.
long PositionValue(uint32_t angle, bool west, bool ku)
{
    const long value = long(angle) + (!ku && angle % 10 == 0 ? 1 : 0);
    return west ? -value : value;
}

void AppendTransponder(std::string& xml, uint32_t freqKHz, uint32_t symbolRate, int polarisation, int fec)
{
    char line[200];
    std::snprintf(line, sizeof line,
                  "\t\t<transponder frequency=\"%u\" symbol_rate=\"%u\" polarization=\"%d\" fec_inner=\"%d\" "
                  "system=\"%d\" modulation=\"%d\"/>\n",
                  freqKHz, symbolRate, polarisation, fec, fec > 5 ? 1 : 0, fec > 5 ? 2 : 1);
    xml += line;
}

void OpenSat(std::string& xml, const std::string& name, long position)
{
    xml += "\t<sat name=\"" + name + "\" flags=\"1\" position=\"" + std::to_string(position) + "\">\n";
}

} // namespace

std::string SampleSatellitesXml(const Database& db, int satellites, int transponders, uint32_t seed)
{
    std::mt19937 rng(seed);
    const auto below = [&](uint32_t n) { return uint32_t(rng() % n); };
    constexpr uint32_t kRates[] = {22000000, 27500000, 29900000, 30000000, 6111000};
    std::string xml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                      "<!-- A made-up list. position: tenths of a degree, negative for West; polarization:\n"
                      "     0 horizontal, 1 vertical, 2 circular left, 3 circular right -->\n"
                      "<satellites>\n";
    std::set<std::pair<uint32_t, bool>> used; // angle and direction of every entry
    int entries = 0, written = 0;             // entries and transponders written
    const int dbSatellites = std::clamp<int>(db.header.sSatNumber, 0, kMaxSatellites);
    for (int s = 0; s < dbSatellites && entries < satellites; ++s, ++entries) {
        const SatelliteRecord& sat = db.SatelliteTable[size_t(s)];
        const bool ku = SatKuBand(sat) != 0, west = SatDirection(sat) != 0;
        used.emplace(SatPosition(sat), west);
        OpenSat(xml,
                PositionWord(SatPosition(sat), west) + (ku ? " " : " C-band ") + std::string(FieldText(sat.acSatName)),
                PositionValue(SatPosition(sat), west, ku));
        for (int t = 0; t < std::clamp<int>(db.header.sTpNumber, 0, kMaxTransponders); ++t) {
            const TransponderRecord& tp = db.TransponderTable[size_t(t)];
            if (TpKind(tp) != kTpSatellite || int(TpSatIndex(tp)) != s)
                continue;
            const uint32_t shift = below(4) == 0 ? 1000 : 0;
            AppendTransponder(xml, tp.usFreq * 1000u + shift, below(3) == 0 ? kRates[below(5)] : tp.usSymRate * 1000u,
                              int(TpPolarisation(tp)), below(4) == 0 ? int(below(11)) : kListFecOfIndex[TpFec(tp)]);
            ++written;
        }
        AppendTransponder(xml, (ku ? 12700 : 3990) * 1000u + below(40) * 1000u, kRates[below(5)], int(below(4)),
                          int(below(11)));
        ++written;
        xml += "\t</sat>\n";
    }
    for (int made = 0; entries < satellites; ++made, ++entries) {
        // Every fifth satellite has a C-band twin at its position (a whole degree).
        const bool twin = made % 5 == 4 && entries + 1 < satellites;
        uint32_t angle;
        bool west;
        do {
            angle = twin ? 10 * below(180) : below(1800);
            west = below(3) == 0;
        } while (!used.emplace(angle, west).second);
        const std::string base =
            std::string(kMadeUpNames[made % std::size(kMadeUpNames)]) + " " + std::to_string(made + 1);
        for (const bool ku : {true, false}) {
            if (!ku && !twin)
                break;
            const int perSatellite = std::max(1, (transponders - written) / std::max(1, satellites - entries));
            OpenSat(xml, PositionWord(angle, west) + (ku ? " " : " C-band ") + base, PositionValue(angle, west, ku));
            const uint32_t first = ku ? 10700 : 3400;
            for (int t = 0; t < perSatellite; ++t)
                AppendTransponder(xml, (first + uint32_t(t) * (ku ? 2000u : 800u) / uint32_t(perSatellite)) * 1000u,
                                  kRates[below(5)], int(below(4)), int(below(11)));
            written += perSatellite;
            entries += ku ? 0 : 1;
            xml += "\t</sat>\n";
        }
    }
    xml += "</satellites>\n";
    return xml;
}
