// The commands that bring satellites in from saved listing pages and send the
// channel lists out to a spreadsheet workbook.
#include "ToolCommand.h"
#include "ToolFiles.h"

#include "BitFields.h"
#include "BuiltinExcel.h"
#include "FileAccess.h"
#include "ListingImport.h"
#include "SpreadsheetExport.h"

#include <QString>

#include <cstdio>
#include <memory>

namespace {

int RunImportListing(const ToolArgs& args)
{
    auto db = std::make_unique<Database>();
    if (const int rc = LoadOrReport(*db, args[0]))
        return rc;
    const int firstTp = db->header.sTpNumber;
    const int firstSat = db->header.sSatNumber;
    QString reason;
    const auto results = ImportListingFile(*db, PathArg(args[1]), nullptr, &reason);
    int added = 0;
    for (const ImportResult result : results) {
        switch (result) {
        case ImportResult::Added: ++added; break;
        case ImportResult::SatellitesFull:
            std::fprintf(stderr, "sdxtool: %s\n", qPrintable(kMsgSatellitesFull));
            break;
        case ImportResult::CannotOpen: return ReportCannotOpen(args[1], reason);
        case ImportResult::NoSatName:
            std::fprintf(stderr, "sdxtool: the page's file name has no \" at\" after a satellite name\n");
            return kExitBadInput;
        }
    }
    if (added == 0)
        return kExitBadInput;
    for (int s = firstSat; s < db->header.sSatNumber; ++s) {
        int tps = 0;
        for (int t = firstTp; t < db->header.sTpNumber; ++t)
            tps += TpSatIndex(db->TransponderTable[size_t(t)]) == uint32_t(s);
        const std::string_view name = FieldText(db->SatelliteTable[size_t(s)].acSatName);
        std::printf("satellite %d %.*s: %d transponders\n", s + 1, int(name.size()), name.data(), tps);
    }
    return SaveOrReport(*db, args[2]);
}

int RunExport(const ToolArgs& args)
{
    auto db = std::make_unique<Database>();
    if (const int rc = LoadOrReport(*db, args[0]))
        return rc;
    // The workbook is written as every output is (beside the target,
    // checked, renamed over it), under exactly the name given.
    const ExportResult result = ExportSpreadsheet(*db, PathArg(args[1]), DefaultAutomationRegistry());
    switch (result.status) {
    case ExportStatus::Done: return kExitOk;
    case ExportStatus::InitFailed: std::fprintf(stderr, "sdxtool: %s\n", qPrintable(kMsgCannotInitCom)); break;
    case ExportStatus::ServerMissing: std::fprintf(stderr, "sdxtool: %s\n", qPrintable(kMsgCannotStartExcel)); break;
    case ExportStatus::CallFailed: std::fprintf(stderr, "sdxtool: %s\n", qPrintable(result.strError)); break;
    }
    return kExitCannotOpen;
}

} // namespace

std::vector<ToolCommand> ExchangeToolCommands()
{
    return {
        {"import-listing", "import-listing IN PAGE OUT",
         "Imports a saved page of the satellite listing site as the editor does: one satellite for the C-band "
         "listing and one for the Ku-band listing, named and placed from PAGE's file name (\"NAME at 28.2E.htm\"), "
         "with the transponders found; then writes OUT as Save As does.",
         RunImportListing},
        {"export", "export IN OUT.xlsx",
         "Writes the TV and radio channel lists of IN to a spreadsheet workbook (sheets \"TV Program\" and "
         "\"Radio Program\"), as the editor's Save As with the Excel filter does.",
         RunExport},
    };
}
