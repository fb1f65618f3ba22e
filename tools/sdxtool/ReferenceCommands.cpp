// The commands that take a reference list (the arrangement of one database)
// over to another and write the text form of one.
#include "ToolCommand.h"
#include "ToolFiles.h"

#include "ReferenceFile.h"

#include <cstdio>
#include <memory>

namespace {

constexpr const char* kTableNames[] = {"TV", "Radio"};

// Loads the reference list at path; on failure prints why and returns the exit code.
int LoadReferenceOrReport(const std::string& path, ReferenceLoad& load)
{
    load = LoadReferenceFile(PathArg(path));
    switch (load.result) {
    case LoadResult::Ok: return kExitOk;
    case LoadResult::CannotOpen: return ReportCannotOpen(path, load.strReason);
    case LoadResult::NotCorrect:
        if (load.bCsv)
            return ReportNotCorrect(path, load.csvError.iLine, load.csvError.strReason);
        std::fprintf(stderr, "sdxtool: %s is not a correct .sdx file\n", path.c_str());
        return kExitBadInput;
    }
    return kExitBadInput;
}

int RunApplyReference(const ToolArgs& args)
{
    ReferenceOptions options;
    options.bFavourites = !args.IsSet("no-favourites");
    options.bLocks = !args.IsSet("no-locks");
    options.bNames = args.IsSet("names");
    const std::vector<std::string>& files = args.positional;
    auto db = std::make_unique<Database>();
    if (const int rc = LoadOrReport(*db, files[0]))
        return rc;
    ReferenceLoad load;
    if (const int rc = LoadReferenceOrReport(files[1], load))
        return rc;
    const ReferenceSummary summary = ApplyReference(*db, *load.list, options);
    if (const int rc = SaveOrReport(*db, files[2]))
        return rc;
    for (size_t t = 0; t < summary.aTables.size(); ++t)
        std::printf("%s: %s\n", kTableNames[t], DescribeTableSummary(summary.aTables[t]).c_str());
    // The lists the window's Details show, laid out the same way.
    for (size_t t = 0; args.IsSet("verbose") && t < summary.aTables.size(); ++t) {
        for (const DetailSection& section : TableDetails(summary.aTables[t])) {
            std::printf("%s: %s\n", kTableNames[t], section.pszHeading);
            for (const std::string& line : section.astrLines)
                std::printf("  %s\n", line.c_str());
        }
    }
    return kExitOk;
}

int RunExportReference(const ToolArgs& args)
{
    auto db = std::make_unique<Database>();
    if (const int rc = LoadOrReport(*db, args[0]))
        return rc;
    const QString reason = ExportReferenceFile(*db, PathArg(args[1]));
    return reason.isEmpty() ? kExitOk : ReportCannotWrite(args[1], reason);
}

} // namespace

std::vector<ToolCommand> ReferenceToolCommands()
{
    return {
        {"apply-reference", "apply-reference IN REF OUT [--no-favourites] [--no-locks] [--names] [--verbose]",
         "Applies the reference list REF (an arranged .sdx, or the .csv text form of one) to IN and writes OUT "
         "as Save As does: the channels matched in REF come first in REF's order, the others follow in their "
         "order; matched channels take REF's locks and favourites (unless --no-locks, --no-favourites) and, "
         "with --names, REF's names. Prints what was matched per list; with --verbose also the channels matched "
         "by name and those not found on either side.",
         RunApplyReference},
        {"export-reference", "export-reference IN OUT.csv",
         "Writes the reference list of IN in its text form: one line per channel with its transponder, "
         "service id, name, lock and favourite groups.",
         RunExportReference},
    };
}
