// The database check on the command line: check --deep lists what it finds,
// clean writes a copy with the chosen fixes applied.
#include "ToolCommand.h"
#include "ToolFiles.h"

#include "DatabaseCheckRows.h"

#include <cstdio>
#include <memory>
#include <string>

namespace {

// "clean IN OUT [--duplicates] ...": an option for each kind with a fix.
const std::string& CleanUsage()
{
    static const std::string usage = [] {
        std::string text = "clean IN OUT";
        for (const CheckKindInfo& kind : kCheckKinds)
            if (kind.pszOption)
                text += std::string(" [--") + kind.pszOption + "]";
        return text;
    }();
    return usage;
}

int RunClean(const ToolArgs& args)
{
    FixSelection selection;
    for (size_t k = 0; k < kCheckKinds.size(); ++k)
        if (kCheckKinds[k].pszOption && args.IsSet(kCheckKinds[k].pszOption))
            selection.set(k);
    if (selection.none())
        selection = DefaultFixes();
    auto db = std::make_unique<Database>();
    if (const int rc = LoadOrReport(*db, args[0]))
        return rc;
    const FixReport report = FixDatabase(*db, selection);
    if (const int rc = SaveOrReport(*db, args[1]))
        return rc;
    for (size_t k = 0; k < kCheckKinds.size(); ++k)
        if (report.aiFixed[k] > 0)
            std::printf("%s: %d fixed\n", kCheckKinds[k].pszName, report.aiFixed[k]);
    if (!report.Changed())
        std::printf("nothing to fix\n");
    return kExitOk;
}

} // namespace

int ReportFindings(const Database& db)
{
    const DatabaseFindings findings = CheckDatabase(db);
    for (size_t k = 0; k < kCheckKinds.size(); ++k)
        std::printf("%s: %d\n", kCheckKinds[k].pszName, findings.Count(CheckKind(k)));
    for (size_t k = 0; k < kCheckKinds.size(); ++k)
        for (const CheckRow& row : CheckRows(db, findings, CheckKind(k)))
            std::printf("%s\n", CheckRecordLine(CheckKind(k), row).toUtf8().constData());
    return findings.Empty() ? kExitOk : kExitFindings;
}

std::vector<ToolCommand> CheckToolCommands()
{
    return {
        {"clean", CleanUsage().c_str(),
         "Applies the fixes of the editor's database check that the options name (with none named, the ones "
         "the editor ticks: duplicates, stale favourites, orphan transponders, duplicate transponders, chosen "
         "transponders) to IN, writes OUT as Save As does and prints what was fixed.",
         RunClean},
    };
}
