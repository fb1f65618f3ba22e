#include "ListingImport.h"

#include "BitFields.h"
#include "FileAccess.h"
#include "FileNames.h"
#include "ModelOperations.h"
#include "Prompts.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr uint32_t kMinFreq = 501, kMaxFreq = 20000;
constexpr uint32_t kMinSymRate = 501, kMaxSymRate = 45000;
// Numbers stop growing here: anything this large is out of every range, and a
// long run of digits cannot wrap around into one.
constexpr uint32_t kNumberCap = 1000000;

// The page in memory with a read position that can be moved back.
class ByteCursor {
public:
    static constexpr int kEnd = -1;

    explicit ByteCursor(std::span<const uint8_t> bytes) : pBytes(bytes.data()), nSize(bytes.size()) {}

    int Next() { return nPos < nSize ? pBytes[nPos++] : kEnd; }
    size_t Position() const { return nPos; }
    void Seek(size_t pos) { nPos = std::min(pos, nSize); }
    bool AtEnd() const { return nPos >= nSize; }

private:
    const uint8_t* pBytes;
    size_t nSize;
    size_t nPos = 0;
};

bool IsPolarisation(int b) { return b == 'H' || b == 'L' || b == 'V' || b == 'R'; }
uint32_t PolarisationOf(int b) { return b == 'H' || b == 'L' ? 0 : 1; }

// Reads up to the next number (which starts at '1'..'9') and the byte that
// ends it, kEnd when the page ends right after the digits. False when the
// page ends before any number.
bool ReadNumber(ByteCursor& in, uint32_t& value, int& end)
{
    int b;
    do {
        if ((b = in.Next()) == ByteCursor::kEnd)
            return false;
    } while (b < '1' || b > '9');
    value = uint32_t(b - '0');
    while ((b = in.Next()) >= '0' && b <= '9')
        value = std::min(value * 10 + uint32_t(b - '0'), kNumberCap);
    end = b;
    return true;
}

// Skips bytes outside 0x31..0x7E; returns the first one inside, or kEnd.
int SkipFiller(ByteCursor& in)
{
    int b;
    do
        b = in.Next();
    while (b != ByteCursor::kEnd && (b < 0x31 || b > 0x7E));
    return b;
}

// Reads exactly three bytes and tells whether they are "/A>".
bool ReadLinkEnd(ByteCursor& in)
{
    const int a = in.Next(), b = in.Next(), c = in.Next();
    return a == '/' && b == 'A' && c == '>';
}

// FEC index of "1/2" .. "5/6", or 0 for any other three bytes.
uint32_t FecIndex(int a, int b, int c)
{
    return b == '/' && a >= '1' && a <= '5' && c == a + 1 ? uint32_t(a - '0') : 0;
}

bool InRange(uint32_t value, uint32_t lo, uint32_t hi) { return value >= lo && value <= hi; }

// Finds the next frequency and polarisation; the read position is then right
// after the "<" that closes them.
bool FindFrequency(ByteCursor& in, ListingBand band, ListingTransponder& tp)
{
    uint32_t freq;
    int end;
    while (ReadNumber(in, freq, end)) {
        int pol;
        if (band == ListingBand::C) {
            // "11747</A> H<": the three bytes are read only for a number in range.
            if (end != '<' || !InRange(freq, kMinFreq, kMaxFreq) || !ReadLinkEnd(in))
                continue;
            pol = SkipFiller(in);
        } else {
            // "11747 V<"
            if (end != ' ' || !InRange(freq, kMinFreq, kMaxFreq))
                continue;
            pol = in.Next();
        }
        if (!IsPolarisation(pol) || in.Next() != '<')
            continue;
        tp.ulFreq = freq;
        tp.ulPolarisation = PolarisationOf(pol);
        return true;
    }
    return false;
}

enum class SymbolStep { Complete, Abort, End };

// Looks for "27500 - 3/4" after a frequency. Abort: the next transponder's
// frequency came first.
SymbolStep FindSymbolRate(ByteCursor& in, ListingBand band, ListingTransponder& tp)
{
    uint32_t rate;
    int end;
    while (ReadNumber(in, rate, end)) {
        if (end == ' ') {
            if (!InRange(rate, kMinSymRate, kMaxSymRate))
                continue;
            const int next = in.Next();
            if (IsPolarisation(next))
                return SymbolStep::Abort;
            if (next != '-')
                continue;
            const int a = SkipFiller(in), b = in.Next(), c = in.Next();
            if (const uint32_t fec = FecIndex(a, b, c)) {
                tp.ulSymRate = rate;
                tp.ulFec = fec;
                return SymbolStep::Complete;
            }
        } else if (end == '<' && band == ListingBand::C) {
            const size_t mark = in.Position();
            if (!ReadLinkEnd(in))
                in.Seek(mark);
            else if (IsPolarisation(SkipFiller(in)))
                return SymbolStep::Abort;
        }
    }
    return SymbolStep::End;
}

SatelliteRecord MakeListingSatellite(const ListingSatName& name, ListingBand band)
{
    const bool ku = band == ListingBand::Ku;
    // The name is formatted with "%s": it ends at a zero byte.
    std::string_view base = std::string_view(name.strPageName).substr(0, ku ? 13 : 14);
    base = base.substr(0, base.find('\0'));
    const std::string text = std::string(ku ? "Ku_" : "C_") + std::string(base);
    SatelliteRecord sat{};
    std::memcpy(sat.acSatName, text.data(), std::min(text.size(), sizeof sat.acSatName));
    sat.usLnbLow = ku ? 9750 : 5150;
    sat.usLnbHigh = ku ? 10600 : 5750;
    SetSatPosition(sat, name.ulPosition & 0x7FF);
    SetSatKuBand(sat, ku ? 1 : 0);
    SetSat22kHz(sat, 2);
    SetSatDirection(sat, name.bWest ? 1 : 0);
    return sat;
}

} // namespace

void ScanListingPage(std::span<const uint8_t> page, ListingBand band,
                     const std::function<void(const ListingTransponder&)>& found)
{
    ByteCursor in(page);
    ListingTransponder tp;
    while (!in.AtEnd() && FindFrequency(in, band, tp)) {
        const size_t restart = in.Position();
        switch (FindSymbolRate(in, band, tp)) {
        case SymbolStep::Complete: found(tp); break;
        case SymbolStep::Abort: in.Seek(restart); break;
        case SymbolStep::End: return;
        }
    }
}

std::optional<ListingSatName> ParseListingFileName(std::string_view fileName)
{
    if (const size_t slash = fileName.rfind('/'); slash != std::string_view::npos)
        fileName.remove_prefix(slash + 1);
    const size_t at = fileName.find(" at");
    if (at == std::string_view::npos || at == 0)
        return std::nullopt;
    ListingSatName name;
    name.strPageName = std::string(fileName.substr(0, at));
    size_t i = at + 3;
    for (; i < fileName.size() && uint8_t(fileName[i]) < 0x80; ++i)
        if (fileName[i] >= '0' && fileName[i] <= '9')
            name.ulPosition = name.ulPosition * 10 + uint32_t(fileName[i] - '0'); // wraps; only bits 0-10 are kept
    const size_t letter = fileName.find_first_of("EW", i);
    name.bWest = letter != std::string_view::npos && fileName[letter] == 'W';
    return name;
}

ImportResult ImportListingPass(Database& db, std::span<const uint8_t> page, std::string_view fileName,
                               ListingBand band, IListingTree* tree)
{
    const int satIndex = db.header.sSatNumber;
    if (satIndex < 0 || satIndex >= kMaxSatellites)
        return ImportResult::SatellitesFull;
    const std::optional<ListingSatName> name = ParseListingFileName(fileName);
    if (!name)
        return ImportResult::NoSatName;
    db.SatelliteTable[size_t(satIndex)] = MakeListingSatellite(*name, band);
    if (tree)
        tree->AddSatelliteNode(satIndex);
    ++db.header.sSatNumber;

    FreeTpIds ids(db);
    ScanListingPage(page, band, [&](const ListingTransponder& found) {
        const int slot = db.header.sTpNumber;
        if (slot < 0 || slot >= kMaxTransponders)
            return;
        const int id = ids.Take();
        if (id < 0)
            return;
        TransponderRecord tp{};
        tp.usFreq = uint16_t(found.ulFreq);
        tp.usSymRate = uint16_t(found.ulSymRate);
        SetTpKind(tp, kTpSatellite);
        SetTpPolarisation(tp, found.ulPolarisation);
        SetTpFec(tp, found.ulFec);
        SetTpSatIndex(tp, uint32_t(satIndex));
        SetTpId(tp, uint32_t(id));
        db.TransponderTable[size_t(slot)] = tp;
        ++db.header.sTpNumber;
    });
    if (tree)
        tree->FillTransponderNodes(satIndex);
    return ImportResult::Added;
}

std::array<ImportResult, 2> ImportListingFile(Database& db, const QString& path, IListingTree* tree, QString* pReason)
{
    const QByteArray name = EncodeFileName(path);
    const std::string_view fileName(name.constData(), size_t(name.size()));
    std::optional<FileBytes> page;
    std::array<ImportResult, 2> results{};
    for (const ListingBand band : {ListingBand::C, ListingBand::Ku}) {
        ImportResult& result = results[band == ListingBand::C ? 0 : 1];
        if (db.header.sSatNumber >= kMaxSatellites) {
            result = ImportResult::SatellitesFull;
            continue;
        }
        if (!page) {
            page = ReadWholeFile(path, kMaxOutsideFileSize);
            if (pReason)
                *pReason = ReadFailureReason(*page, path);
        }
        const auto bytes = reinterpret_cast<const uint8_t*>(page->bytes.constData());
        result = page->Ok() ? ImportListingPass(db, {bytes, size_t(page->bytes.size())}, fileName, band, tree)
                            : ImportResult::CannotOpen;
    }
    return results;
}

void RunListingImport(Database& db, IPrompts& prompts, const QString& path, IListingTree* tree,
                      const std::function<void()>& markModified)
{
    QString reason;
    for (const ImportResult result : ImportListingFile(db, path, tree, &reason)) {
        switch (result) {
        case ImportResult::Added:
            if (markModified)
                markModified();
            break;
        case ImportResult::SatellitesFull: WindowMessage(prompts, kMsgSatellitesFull); break;
        case ImportResult::CannotOpen:
            WindowMessage(prompts, kMsgCannotOpenPage, MsgButtons::Ok, MsgIcon::Stop, {}, reason);
            break;
        case ImportResult::NoSatName: break;
        }
    }
}

void LoadSatelliteFromHtml(Database& db, IPrompts& prompts, IListingTree* tree,
                           const std::function<void()>& markModified)
{
    if (const std::optional<FileChoice> choice = prompts.OpenFileDialog(kTitleSelectListing, kFilterListing))
        RunListingImport(db, prompts, choice->strPath, tree, markModified);
}
