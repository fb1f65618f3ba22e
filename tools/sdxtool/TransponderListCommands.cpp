// The commands that read the transponder lists shared among receivers
// (satellites.xml, cables.xml, terrestrial.xml) and take satellites and
// transponders from them as the editor's transponder-list dialog does.
#include "ToolCommand.h"
#include "ToolFiles.h"

#include "TransponderListFile.h"
#include "TransponderListOperations.h"

#include <cstdio>
#include <memory>

namespace {

// Loads the list at path; on failure prints why and returns the exit code.
int LoadListOrReport(const std::string& path, ListLoad& load)
{
    load = LoadTransponderList(PathArg(path));
    switch (load.result) {
    case LoadResult::Ok: return kExitOk;
    case LoadResult::CannotOpen: return ReportCannotOpen(path, load.strReason);
    case LoadResult::NotCorrect: return ReportNotCorrect(path, load.error.iLine, load.error.Text().toStdString());
    }
    return kExitBadInput;
}

int RunTransponderList(const ToolArgs& args)
{
    ListLoad load;
    if (const int rc = LoadListOrReport(args[0], load))
        return rc;
    for (const ListEntry& entry : load.list->aEntries) {
        const int transponders = int(entry.aTransponders.size());
        if (load.list->kind == TransponderListKind::Satellites)
            std::printf("%s\t%s\t%d\t%s\n", entry.strPosition.c_str(), PlaceOfEntry(entry).bKu ? "Ku" : "C",
                        transponders, entry.strName.c_str());
        else
            std::printf("%d\t%s\n", transponders, entry.strName.c_str());
    }
    return kExitOk;
}

// Adds to choice every entry whose position (satellites) or name equals
// one of wanted; false, after saying so, when one of them names none.
bool ChooseEntries(const TransponderList& list, const std::vector<std::string>& wanted, ListChoice& choice)
{
    const bool satellites = list.kind == TransponderListKind::Satellites;
    for (const std::string& value : wanted) {
        bool found = false;
        for (int i = 0; i < int(list.aEntries.size()); ++i) {
            const ListEntry& entry = list.aEntries[size_t(i)];
            if ((satellites ? entry.strPosition : entry.strName) == value) {
                choice.aiEntries.push_back(i);
                found = true;
            }
        }
        if (!found) {
            std::fprintf(stderr, "sdxtool: the list has no entry with the %s %s\n", satellites ? "position" : "name",
                         value.c_str());
            return false;
        }
    }
    return true;
}

void PrintReport(const TransponderList& list, const EntryReport& report)
{
    std::string slot = "-";
    if (report.iSlot >= 0)
        slot = (report.bNewSatellite ? "new slot " : "slot ") + std::to_string(report.iSlot + 1);
    std::printf("%s\t%s\t%s\n", slot.c_str(), DescribeEntrySummary(report).c_str(),
                list.aEntries[size_t(report.iEntry)].strName.c_str());
}

int RunUpdateTransponders(const ToolArgs& args)
{
    auto db = std::make_unique<Database>();
    if (const int rc = LoadOrReport(*db, args[0]))
        return rc;
    ListLoad load;
    if (const int rc = LoadListOrReport(args[1], load))
        return rc;
    const TransponderList& list = *load.list;
    const bool satellites = list.kind == TransponderListKind::Satellites;
    const std::vector<std::string> positions = args.Values("position");
    const std::vector<std::string> networks = args.Values("network");
    if (!(satellites ? networks : positions).empty()) {
        std::fprintf(stderr, "sdxtool: %s takes --%s, not --%s\n", args[1].c_str(),
                     satellites ? "position" : "network", satellites ? "network" : "position");
        return kExitBadInput;
    }
    if (!ListBranchShown(*db, list.kind)) {
        std::fprintf(stderr, "sdxtool: %s holds no %s channels, so the tree shows no %s branch for the list\n",
                     args[0].c_str(), list.kind == TransponderListKind::Cables ? "cable" : "terrestrial",
                     list.kind == TransponderListKind::Cables ? "Cable" : "Terrestrial");
        return kExitBadInput;
    }
    ListChoice choice;
    choice.bRemoveUnused = args.IsSet("remove-unused");
    if (satellites && positions.empty()) {
        // Every satellite the database has is brought up to date; none is added.
        for (int i = 0; i < int(list.aEntries.size()); ++i)
            if (MatchListSatellite(*db, list.aEntries[size_t(i)]) >= 0)
                choice.aiEntries.push_back(i);
    } else if (!satellites && networks.empty()) {
        std::fprintf(stderr, "sdxtool: name the network or region to take with --network\n");
        return kExitBadInput;
    } else if (!ChooseEntries(list, satellites ? positions : networks, choice)) {
        return kExitBadInput;
    }

    const ListPlan plan = PlanTransponderList(*db, list, choice);
    if (!plan.Fits()) {
        const int over[] = {plan.iSatellitesOver, plan.iTranspondersOver};
        std::fprintf(stderr, "sdxtool: %s\n", FillCountPattern(kPlanOverPattern, over).c_str());
        return kExitBadInput;
    }
    ApplyListPlan(*db, plan);
    if (const int rc = SaveOrReport(*db, args[2]))
        return rc;
    for (const EntryReport& report : plan.aEntries)
        PrintReport(list, report);
    std::printf("total\t%s\t%d new satellites\n", DescribeEntrySummary(plan.total).c_str(), plan.iNewSatellites);
    return kExitOk;
}

} // namespace

std::vector<ToolCommand> TransponderListToolCommands()
{
    return {
        {"transponder-list", "transponder-list LIST",
         "Prints the entries of a satellites.xml, cables.xml or terrestrial.xml list, one a line: for satellites "
         "position (as the file writes it), band (C or Ku), number of transponders and name, separated by tabs; "
         "for cable networks and terrestrial regions number of transponders and name.",
         RunTransponderList},
        {"update-transponders",
         "update-transponders IN LIST OUT [--position P]... [--network NAME]... [--remove-unused]",
         "Takes satellites and transponders from the list LIST into IN and writes OUT as Save As does. "
         "--position names a satellites.xml entry by its position attribute as written (192, -1771); without it "
         "every entry that matches a satellite of IN is updated and none is added. --network names a cable network "
         "or terrestrial region by its name. --remove-unused removes the transponders the list does not hold that "
         "carry no channel. Prints a line per entry (slot, added, updated, unchanged, kept, removed, skipped) and "
         "the totals; nothing is written for a bad list, an unknown position or name, or tables that would "
         "overflow.",
         RunUpdateTransponders},
    };
}
