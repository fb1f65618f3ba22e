// Satellite import from a page of the satellite-listing site saved as HTML.
// The page is never parsed as HTML: it is scanned byte by byte for one fixed
// pattern per band (C band: the frequency is the text of a link; Ku band: it is
// plain text). Each pass adds one satellite, named and placed from the page's
// file name, with every transponder its pattern finds.
#pragma once

#include "Database.h"
#include "TrText.h"

#include <QString>

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>

class IPrompts;

// The menu item and dialog title name the site whose saved pages are read.
inline constexpr TrText kMenuLoadListing{
    "ListingImport", QT_TRANSLATE_NOOP("ListingImport", "Load Satellite from html file of satellite listing site...")};
inline constexpr TrText kTitleSelectListing{
    "ListingImport", QT_TRANSLATE_NOOP("ListingImport", "Select saved html file from satellite listing site ")};
inline constexpr TrText kFilterListing{
    "ListingImport", QT_TRANSLATE_NOOP("ListingImport", "HTM Files (*.htm)|*.htm|All Files (*.*)|*.*||")};
inline constexpr TrText kMsgSatellitesFull{
    "ListingImport", QT_TRANSLATE_NOOP("ListingImport", "Satellites are full,can't append the satellite")};
inline constexpr TrText kMsgCannotOpenPage{"ListingImport", QT_TRANSLATE_NOOP("ListingImport", "Can't open file !")};

enum class ListingBand { C, Ku };
enum class ImportResult { Added, SatellitesFull, CannotOpen, NoSatName };

// A transponder as the page gives it.
struct ListingTransponder {
    uint32_t ulFreq = 0;         // MHz, 501..20000
    uint32_t ulSymRate = 0;      // kS/s, 501..45000
    uint32_t ulPolarisation = 0; // 0 HOR (page letter H or L), 1 VER (V or R)
    uint32_t ulFec = 0;          // 1 "1/2" .. 5 "5/6"
};

// Calls found for every complete transponder of the band's pattern, in page order.
void ScanListingPage(std::span<const uint8_t> page, ListingBand band,
                     const std::function<void(const ListingTransponder&)>& found);

// What the file name says: the text before the first " at", and the orbital
// position (tenths of a degree, every digit before the first byte above 0x7F)
// with its direction. No " at", or one at the very start: no satellite.
struct ListingSatName {
    std::string strPageName;
    uint32_t ulPosition = 0;
    bool bWest = false;
};
std::optional<ListingSatName> ParseListingFileName(std::string_view fileName);

// The tree's side of an import.
class IListingTree {
public:
    virtual ~IListingTree() = default;
    // The satellite record is stored; sSatNumber is not raised yet.
    virtual void AddSatelliteNode(int index) = 0;
    // Called once after the scan: list the satellite's transponders.
    virtual void FillTransponderNodes(int index) = 0;
};

// One pass over a page already in memory: appends the satellite, then the
// transponders while the table has room (further ones are dropped). fileName
// may be a whole path; its last component is used. tree may be null.
ImportResult ImportListingPass(Database& db, std::span<const uint8_t> page, std::string_view fileName,
                               ListingBand band, IListingTree* tree);

// The C-band pass, then the Ku-band pass, on the page file at path (read at
// most once, and not at all when the satellite table is full). A page that
// is not a regular file or is larger than 64 MiB is refused unread;
// pReason (when given) says why a page could not be read.
std::array<ImportResult, 2> ImportListingFile(Database& db, const QString& path, IListingTree* tree,
                                              QString* pReason = nullptr);

// The command: both passes on path, each pass's message shown, and
// markModified called for each satellite added.
void RunListingImport(Database& db, IPrompts& prompts, const QString& path, IListingTree* tree,
                      const std::function<void()>& markModified);

// The menu item: asks for the saved page, then runs the import; a cancelled
// dialog does nothing.
void LoadSatelliteFromHtml(Database& db, IPrompts& prompts, IListingTree* tree,
                           const std::function<void()>& markModified);
