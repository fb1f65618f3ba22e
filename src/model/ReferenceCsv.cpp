#include "ReferenceCsv.h"

#include "BitFields.h"
#include "Translatable.h"

#include <algorithm>
#include <charconv>
#include <cstring>
#include <vector>

namespace {

constexpr char kDeliveryLetters[] = "SITC"; // by delivery system 0..3
constexpr char kDirectionLetters[] = "EW";
constexpr const char* kListNames[] = {"TV", "Radio"};
constexpr uint32_t kMaxPosition = 2047; // 11 bits of tenths

// The header of the form written before the transponder column: the kind
// of a channel's transponder follows from the other columns.
constexpr char kNineColumnHeader[] = "list,delivery,position,frequency,polarisation,service_id,name,lock,favourites";

// Reasons for a malformed record; the window shows them translated in the
// context "ReferenceCsv".
constexpr char kErrHeader[] =
    TRANSLATABLE("ReferenceCsv", "the first line is not the header list,delivery,transponder,"
                                 "position,frequency,polarisation,service_id,name,lock,"
                                 "favourites");
static_assert(std::string_view(kErrHeader).ends_with(kReferenceCsvHeader));
constexpr char kErrFieldCount[] = TRANSLATABLE("ReferenceCsv", "the line does not have as many fields as the header");
constexpr char kErrQuoteInside[] = TRANSLATABLE("ReferenceCsv", "a quote inside a field that does not start with one");
constexpr char kErrAfterQuote[] = TRANSLATABLE("ReferenceCsv", "text after the closing quote of a field");
constexpr char kErrOpenQuote[] = TRANSLATABLE("ReferenceCsv", "a quoted field is not closed");
constexpr char kErrList[] = TRANSLATABLE("ReferenceCsv", "the list is not TV or Radio");
constexpr char kErrDelivery[] = TRANSLATABLE("ReferenceCsv", "the delivery is not S, C, T or I");
constexpr char kErrTransponder[] = TRANSLATABLE("ReferenceCsv", "the transponder is not S, C, T, I or empty");
constexpr char kErrPosition[] = TRANSLATABLE("ReferenceCsv", "the position is not like 19.2E or 0.8W");
constexpr char kErrFrequency[] = TRANSLATABLE("ReferenceCsv", "the frequency is not a whole number in range");
constexpr char kErrPolarisation[] = TRANSLATABLE("ReferenceCsv", "the polarisation is not H, V, 2 or 3");
constexpr char kErrSatellite[] =
    TRANSLATABLE("ReferenceCsv", "a satellite transponder needs a position, a frequency and a polarisation");
constexpr char kErrNotSatellite[] =
    TRANSLATABLE("ReferenceCsv", "a position or a polarisation needs a satellite transponder");
constexpr char kErrNoTransponder[] =
    TRANSLATABLE("ReferenceCsv", "a position, a frequency or a polarisation needs a transponder");
constexpr char kErrServiceId[] = TRANSLATABLE("ReferenceCsv", "the service id is not a number from 0 to 65535");
constexpr char kErrName[] = TRANSLATABLE("ReferenceCsv", "the name is not UTF-8 text of Latin-1 characters");
constexpr char kErrNameLength[] = TRANSLATABLE("ReferenceCsv", "the name is longer than 28 bytes");
constexpr char kErrLock[] = TRANSLATABLE("ReferenceCsv", "the lock is not 0 or 1");
constexpr char kErrTooMany[] = TRANSLATABLE("ReferenceCsv", "more than 8000 channels in one list");
constexpr char kErrFavourites[] =
    TRANSLATABLE("ReferenceCsv", "the favourites are not groups 1 to 8, each once, with places from 1 to 200");

// --- writing -----------------------------------------------------------------

void AppendField(std::string& out, std::string_view field)
{
    if (field.find_first_of(",\"\r\n") == std::string_view::npos) {
        out += field;
        return;
    }
    out += '"';
    for (const char c : field) {
        if (c == '"')
            out += '"';
        out += c;
    }
    out += '"';
}

// The transponder columns (kind, position, frequency, polarisation), all
// empty for a channel without a transponder.
std::array<std::string, 4> TransponderFields(const ChannelIdentity& id)
{
    if (id.kind == IdentityKind::None)
        return {};
    std::array<std::string, 4> fields = {std::string(1, kTpKindLetters[id.ucTpKind]), std::string(),
                                         std::to_string(id.ulFrequency), std::string()};
    if (id.kind == IdentityKind::Satellite) {
        fields[1] = PositionText(id.usPosition, id.ucWest);
        fields[3] = std::string(1, kPolarisationLetters[id.ucPolarisation]);
    }
    return fields;
}

std::string FavouritesField(const ReferenceChannel& ref)
{
    std::string field;
    for (int g = 0; g < kMaxFavGroups; ++g) {
        if (!(ref.ucFavBits & (1u << g)))
            continue;
        if (!field.empty())
            field += ';';
        field += std::to_string(g + 1);
        if (ref.asFavPlace[size_t(g)] != kNoFavPlace)
            field += ':' + std::to_string(ref.asFavPlace[size_t(g)] + 1);
    }
    return field;
}

// --- reading -----------------------------------------------------------------

// Splits the text into records of fields as RFC 4180 quotes them, fields
// separated by a comma or by a semicolon as spreadsheet programs write them
// in many languages; line ends may be CRLF or LF; a leading byte-order mark
// is skipped.
class CsvScanner {
public:
    CsvScanner(std::string_view text, char separator) : text(text), cSeparator(separator)
    {
        if (this->text.substr(0, 3) == "\xEF\xBB\xBF")
            pos = 3;
    }

    bool AtEnd() const { return pos >= text.size(); }
    int Line() const { return iLine; }

    // The next record; false with the reason when its quoting is faulty.
    bool Next(std::vector<std::string>& fields, const char*& pszReason)
    {
        fields.clear();
        while (true) {
            std::string field;
            if (pos < text.size() && text[pos] == '"') {
                ++pos;
                while (true) {
                    if (pos >= text.size()) {
                        pszReason = kErrOpenQuote;
                        return false;
                    }
                    const char c = text[pos++];
                    if (c == '"') {
                        if (pos < text.size() && text[pos] == '"')
                            ++pos;
                        else
                            break;
                    }
                    if (c == '\n')
                        ++iLine;
                    field += c;
                }
                if (pos < text.size() && text[pos] != cSeparator && text[pos] != '\r' && text[pos] != '\n') {
                    pszReason = kErrAfterQuote;
                    return false;
                }
            } else {
                const char ends[] = {cSeparator, '\r', '\n', '\0'};
                const size_t end = std::min(text.find_first_of(ends, pos), text.size());
                field.assign(text.substr(pos, end - pos));
                pos = end;
                if (field.find('"') != std::string::npos) {
                    pszReason = kErrQuoteInside;
                    return false;
                }
            }
            fields.push_back(std::move(field));
            if (pos < text.size() && text[pos] == cSeparator) {
                ++pos;
                continue;
            }
            EndLine();
            return true;
        }
    }

private:
    void EndLine()
    {
        if (pos < text.size() && text[pos] == '\r')
            ++pos;
        if (pos < text.size() && text[pos] == '\n')
            ++pos;
        ++iLine;
    }

    std::string_view text;
    char cSeparator;
    size_t pos = 0;
    int iLine = 1;
};

template <typename T>
bool ParseNumber(std::string_view text, T max, T& value)
{
    if (text.empty() || text.find_first_not_of("0123456789") != std::string_view::npos)
        return false;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    return ec == std::errc() && end == text.data() + text.size() && value <= max;
}

int LetterIndex(std::string_view field, std::string_view letters)
{
    return field.size() == 1 && letters.find(field[0]) != std::string_view::npos ? int(letters.find(field[0])) : -1;
}

// "19.2E", "0.8W" or "13E": tenths of a degree and the direction.
bool ParsePosition(std::string_view text, ChannelIdentity& id)
{
    if (text.size() < 2)
        return false;
    const int west = LetterIndex(text.substr(text.size() - 1), kDirectionLetters);
    text.remove_suffix(1);
    uint32_t degrees = 0, tenths = 0;
    const size_t dot = text.find('.');
    if (west < 0 || !ParseNumber(text.substr(0, dot), kMaxPosition, degrees) ||
        (dot != std::string_view::npos && (text.size() != dot + 2 || !ParseNumber(text.substr(dot + 1), 9u, tenths))))
        return false;
    if (degrees * 10 + tenths > kMaxPosition)
        return false;
    id.usPosition = uint16_t(degrees * 10 + tenths);
    id.ucWest = uint8_t(west);
    return true;
}

// UTF-8 text of Latin-1 characters back to the bytes it was made from.
bool Latin1FromUtf8(std::string_view text, std::string& bytes)
{
    for (size_t i = 0; i < text.size(); ++i) {
        const auto b = uint8_t(text[i]);
        if (b == 0)
            return false;
        if (b < 0x80) {
            bytes += char(b);
            continue;
        }
        if ((b != 0xC2 && b != 0xC3) || i + 1 >= text.size() || (uint8_t(text[i + 1]) & 0xC0) != 0x80)
            return false;
        bytes += char(((b & 0x03) << 6) | (uint8_t(text[++i]) & 0x3F));
    }
    return true;
}

// "1:4;3" - groups from 1 with their places from 1, each group once.
bool ParseFavourites(std::string_view text, ReferenceChannel& ref)
{
    while (!text.empty()) {
        const size_t semicolon = text.find(';');
        std::string_view item = text.substr(0, semicolon);
        text = semicolon == std::string_view::npos ? std::string_view() : text.substr(semicolon + 1);
        if (semicolon != std::string_view::npos && text.empty())
            return false;
        const size_t colon = item.find(':');
        uint32_t group = 0, place = 0;
        if (!ParseNumber(item.substr(0, colon), uint32_t(kMaxFavGroups), group) || group == 0 ||
            (ref.ucFavBits & (1u << (group - 1))))
            return false;
        if (colon != std::string_view::npos) {
            if (!ParseNumber(item.substr(colon + 1), uint32_t(kFavSlots), place) || place == 0)
                return false;
            ref.asFavPlace[group - 1] = int16_t(place - 1);
        }
        ref.ucFavBits = uint8_t(ref.ucFavBits | (1u << (group - 1)));
    }
    return true;
}

// What the header line says of the lines after it.
struct CsvForm {
    char cSeparator = ',';
    bool bTransponderColumn = true;
};

// The identity from the transponder columns: kind, position, frequency and
// polarisation.
const char* ParseIdentity(std::string_view kind, const std::string& position, const std::string& frequency,
                          const std::string& polarisation, ChannelIdentity& id)
{
    if (kind.empty())
        return position.empty() && frequency.empty() && polarisation.empty() ? nullptr : kErrNoTransponder;
    const int tpKind = LetterIndex(kind, kTpKindLetters);
    if (tpKind < 0)
        return kErrTransponder;
    id.kind = IdentityKindOfTp(uint32_t(tpKind));
    id.ucTpKind = uint8_t(tpKind);
    if (id.kind == IdentityKind::Satellite) {
        if (position.empty() || frequency.empty() || polarisation.empty())
            return kErrSatellite;
        if (!ParsePosition(position, id))
            return kErrPosition;
        const int pol = LetterIndex(polarisation, kPolarisationLetters);
        if (pol < 0)
            return kErrPolarisation;
        id.ucPolarisation = uint8_t(pol);
    } else if (!position.empty() || !polarisation.empty()) {
        return kErrNotSatellite;
    }
    const uint32_t max = id.kind == IdentityKind::Terrestrial ? UINT32_MAX : UINT16_MAX;
    return ParseNumber(frequency, max, id.ulFrequency) ? nullptr : kErrFrequency;
}

// One channel line; the reason when a field is malformed.
const char* ParseChannel(const std::vector<std::string>& fields, bool transponderColumn, int& list,
                         ReferenceChannel& ref)
{
    if (fields.size() != (transponderColumn ? 10u : 9u))
        return kErrFieldCount;
    list = fields[0] == kListNames[0] ? 0 : fields[0] == kListNames[1] ? 1 : -1;
    if (list < 0)
        return kErrList;
    const int delivery = LetterIndex(fields[1], kDeliveryLetters);
    if (delivery < 0)
        return kErrDelivery;
    ref.ulDelivery = uint32_t(delivery);

    // The fields after the transponder kind, wherever the form has it.
    const std::string* f = fields.data() + (transponderColumn ? 3 : 2);
    const std::string& position = f[0];
    // The nine-column form names no kind: a position makes the transponder
    // a satellite's, a frequency or polarisation alone one of the kind that
    // has the channel's delivery letter.
    const std::string kind = transponderColumn              ? fields[2]
                             : !position.empty()            ? std::string(1, kTpKindLetters[kTpSatellite])
                             : f[1].empty() && f[2].empty() ? std::string()
                                                            : std::string(1, kDeliveryLetters[delivery]);
    ChannelIdentity id;
    if (const char* pszBad = ParseIdentity(kind, position, f[1], f[2], id))
        return pszBad;
    if (!ParseNumber(f[3], uint16_t(UINT16_MAX), id.usServiceId))
        return kErrServiceId;
    ref.identity = id;

    std::string name;
    if (!Latin1FromUtf8(f[4], name))
        return kErrName;
    if (name.size() > sizeof ref.acName)
        return kErrNameLength;
    std::memcpy(ref.acName, name.data(), name.size());

    const int lock = LetterIndex(f[5], "01");
    if (lock < 0)
        return kErrLock;
    ref.ucLocked = uint8_t(lock);
    if (!ParseFavourites(f[6], ref))
        return kErrFavourites;
    return nullptr;
}

// The fields of a header.
std::vector<std::string> HeaderFields(std::string_view header)
{
    std::vector<std::string> fields(1);
    for (const char c : header) {
        if (c == ',')
            fields.emplace_back();
        else
            fields.back() += c;
    }
    return fields;
}

// The separator and the form the header line shows; nullopt when the first
// line is no header.
std::optional<CsvForm> ReadHeader(std::string_view text)
{
    for (const char separator : {',', ';'}) {
        CsvScanner scanner(text, separator);
        std::vector<std::string> fields;
        const char* pszReason = nullptr;
        if (!scanner.Next(fields, pszReason))
            continue;
        if (fields == HeaderFields(kReferenceCsvHeader) || fields == HeaderFields(kNineColumnHeader))
            return CsvForm{separator, fields == HeaderFields(kReferenceCsvHeader)};
    }
    return std::nullopt;
}

} // namespace

std::string WriteReferenceCsv(const Database& db)
{
    const ReferenceList list = ReferenceFromDatabase(db);
    std::string out = std::string(kReferenceCsvHeader) + "\r\n";
    for (const int t : {0, 1}) {
        for (const ReferenceChannel& ref : list.aTables[size_t(t)]) {
            const auto transponder = TransponderFields(ref.identity);
            const std::string fields[] = {
                kListNames[t],
                std::string(1, kDeliveryLetters[ref.ulDelivery]),
                transponder[0],
                transponder[1],
                transponder[2],
                transponder[3],
                std::to_string(ref.identity.usServiceId),
                Utf8FromLatin1(ref.Name()),
                std::to_string(ref.ucLocked),
                FavouritesField(ref),
            };
            for (size_t i = 0; i < std::size(fields); ++i) {
                if (i > 0)
                    out += ',';
                AppendField(out, fields[i]);
            }
            out += "\r\n";
        }
    }
    return out;
}

std::optional<ReferenceList> ReadReferenceCsv(std::string_view text, CsvError& error)
{
    const auto fail = [&](int line, const char* pszReason) {
        error = {line, pszReason};
        return std::nullopt;
    };
    const std::optional<CsvForm> form = ReadHeader(text);
    if (!form)
        return fail(1, kErrHeader);
    CsvScanner scanner(text, form->cSeparator);
    std::vector<std::string> fields;
    const char* pszReason = nullptr;
    scanner.Next(fields, pszReason);

    ReferenceList list;
    while (!scanner.AtEnd()) {
        const int line = scanner.Line();
        if (!scanner.Next(fields, pszReason))
            return fail(line, pszReason);
        if (std::all_of(fields.begin(), fields.end(), [](const std::string& f) { return f.empty(); }))
            continue; // a blank line, or one of separators only as spreadsheets write an empty row
        ReferenceChannel ref;
        int table = 0;
        if (const char* pszBad = ParseChannel(fields, form->bTransponderColumn, table, ref))
            return fail(line, pszBad);
        if (list.aTables[size_t(table)].size() >= size_t(kMaxChannels))
            return fail(line, kErrTooMany);
        list.aTables[size_t(table)].push_back(ref);
    }
    return list;
}
