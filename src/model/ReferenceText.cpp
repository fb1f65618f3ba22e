// The texts of reference lists: the summary of applying one, its details,
// and the pieces the text form shares with them.
#include "ReferenceList.h"

#include <string_view>

namespace {

// "(19.2E 11494 MHz H, SID 2917)", "(C 346 MHz, SID 12)", "(SID 7)" for a
// channel without a transponder.
std::string TransponderNote(const ChannelIdentity& id)
{
    std::string text = "(";
    switch (id.kind) {
    case IdentityKind::Satellite:
        text += PositionText(id.usPosition, id.ucWest) + ' ' + std::to_string(id.ulFrequency) + " MHz " +
                kPolarisationLetters[id.ucPolarisation & 3] + ", ";
        break;
    case IdentityKind::Cable:
    case IdentityKind::Terrestrial:
        text += std::string(1, kTpKindLetters[id.ucTpKind & 3]) + ' ' + std::to_string(id.ulFrequency) +
                (id.kind == IdentityKind::Cable ? " MHz, " : " kHz, ");
        break;
    case IdentityKind::None: break;
    }
    return text + "SID " + std::to_string(id.usServiceId) + ')';
}

std::string ChannelNote(const ReferenceChannel& channel)
{
    return Utf8FromLatin1(channel.Name()) + ' ' + TransponderNote(channel.identity);
}

} // namespace

std::string Utf8FromLatin1(std::string_view bytes)
{
    std::string text;
    for (const char c : bytes) {
        const auto b = uint8_t(c);
        if (b < 0x80) {
            text += c;
        } else {
            text += char(0xC0 | (b >> 6));
            text += char(0x80 | (b & 0x3F));
        }
    }
    return text;
}

std::string PositionText(uint16_t position, uint8_t west)
{
    return std::to_string(position / 10) + '.' + std::to_string(position % 10) + (west ? 'W' : 'E');
}

std::array<int, 5> TableSummaryCounts(const TableSummary& summary)
{
    return {summary.iByIdentity, int(summary.aByName.size()), int(summary.aUnmatched.size()),
            int(summary.aNotFound.size()), summary.iFavLeftOut};
}

std::string DescribeTableSummary(const TableSummary& summary)
{
    return FillCountPattern(kTableSummaryPattern, TableSummaryCounts(summary));
}

std::vector<DetailSection> TableDetails(const TableSummary& summary)
{
    std::vector<DetailSection> sections;
    DetailSection byName{kDetailsByName, {}};
    for (const auto& [reference, partner] : summary.aByName)
        byName.astrLines.push_back(ChannelNote(reference) + " → " + TransponderNote(partner.identity));
    DetailSection notFound{kDetailsNotFound, {}};
    for (const ReferenceChannel& channel : summary.aNotFound)
        notFound.astrLines.push_back(ChannelNote(channel));
    DetailSection unmatched{kDetailsUnmatched, {}};
    for (const ReferenceChannel& channel : summary.aUnmatched)
        unmatched.astrLines.push_back(ChannelNote(channel));
    for (DetailSection* pSection : {&byName, &notFound, &unmatched})
        if (!pSection->astrLines.empty())
            sections.push_back(std::move(*pSection));
    return sections;
}
