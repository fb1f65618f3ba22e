// The commands that read, check, show and write whole database files.
#include "ToolCommand.h"
#include "ToolFiles.h"

#include "BitFields.h"
#include "DemoDatabase.h"
#include "FileAccess.h"
#include "JsonDump.h"
#include "ModelOperations.h"
#include "RecordText.h"

#include <QJsonDocument>
#include <QString>

#include <cstdio>
#include <memory>

namespace {

std::string DeliverySystems(const Database& db)
{
    std::string text = "satellite";
    if (db.bHasTerrestrial)
        text += ", terrestrial";
    if (db.bHasCable)
        text += ", cable";
    if (db.bHasIsdbt)
        text += ", ISDB-T";
    return text;
}

int RunInfo(const ToolArgs& args)
{
    auto db = std::make_unique<Database>();
    if (const int rc = LoadOrReport(*db, args[0]))
        return rc;
    const SdxHeader& h = db->header;
    std::printf("File:              %s\n", args[0].c_str());
    std::printf("Magic:             %.*s\n", int(FieldText(h.acMagic).size()), h.acMagic);
    std::printf("Tag:               %.*s\n", int(FieldText(h.acTag).size()), h.acTag);
    std::printf("Image:             %d bytes, compressed to %u\n", h.iDataLen, h.ulZipLen);
    std::printf("Satellites:        %d\n", h.sSatNumber);
    std::printf("Transponders:      %d\n", h.sTpNumber);
    std::printf("TV channels:       %d\n", h.sTVNumber);
    std::printf("Radio channels:    %d\n", h.sRadioNumber);
    std::printf("Delivery systems:  %s\n", DeliverySystems(*db).c_str());
    std::printf("Record sizes:      satellite %d, transponder %d, channel %d\n", h.sSatSize, h.sTpSize,
                h.sChannelSize);
    std::printf("Settings:          %d bytes, reserved %d bytes, channel plan %d\n", h.sSettingsLen, h.sReservedLen,
                ChanTable(*db));
    std::printf("Favourite groups:  %d of %d bytes\n", h.sFavNumber, h.sFavSize);
    for (int g = 0; g < h.sFavNumber; ++g) {
        const FavCounts n = ClampedFavCounts(db->FavGroupTable[g]);
        // Names as UTF-8, each byte read as Latin-1, padded by characters.
        const QByteArray name = FromRecordText(FavName(*db, g)).leftJustified(16).toUtf8();
        std::printf("  %d %s %3d TV, %3d radio\n", g + 1, name.constData(), n.tv, n.radio);
    }
    std::printf("Check value:       0x%08X\n", h.ulCheck);
    return kExitOk;
}

int RunCheck(const ToolArgs& args)
{
    auto db = std::make_unique<Database>();
    if (const int rc = LoadOrReport(*db, args[0]))
        return rc;
    if (args.IsSet("deep"))
        return ReportFindings(*db);
    std::printf("ok\n");
    return kExitOk;
}

int RunDump(const ToolArgs& args)
{
    auto db = std::make_unique<Database>();
    if (const int rc = LoadOrReport(*db, args[0]))
        return rc;
    const QByteArray json = QJsonDocument(DatabaseJson(*db)).toJson(QJsonDocument::Compact) + '\n';
    std::fwrite(json.constData(), 1, size_t(json.size()), stdout);
    return kExitOk;
}

int RunResave(const ToolArgs& args)
{
    auto db = std::make_unique<Database>();
    if (const int rc = LoadOrReport(*db, args[0]))
        return rc;
    return SaveOrReport(*db, args[1]);
}

int RunNew(const ToolArgs& args)
{
    auto db = std::make_unique<Database>();
    ResetDatabase(*db);
    return SaveOrReport(*db, args[0]);
}

int RunDemo(const ToolArgs& args)
{
    auto db = std::make_unique<Database>();
    BuildDemoDatabase(*db, args.IsSet("max") ? DemoSize::Max : DemoSize::Typical);
    return SaveOrReport(*db, args[0]);
}

} // namespace

std::vector<ToolCommand> FileToolCommands()
{
    return {
        {"info", "info FILE", "Shows the header fields and the counts of a database file.", RunInfo},
        {"check", "check FILE [--deep]",
         "Prints \"ok\" when FILE loads; otherwise prints the reason and exits with 1 (not a correct file) "
         "or 2 (cannot open). With --deep it runs the editor's database check instead of printing \"ok\": one "
         "line per kind of finding with its count, then one line per record (kind, list, number, name, detail, "
         "separated by tabs); it exits with 0 when nothing is found and 3 when something is.",
         RunCheck},
        {"dump", "dump FILE",
         "Writes every table of FILE as JSON to standard output. Text bytes are mapped one byte to one code "
         "point (U+0000 to U+00FF).",
         RunDump},
        {"resave", "resave IN OUT", "Loads IN and writes it to OUT exactly as the editor's Save As does.", RunResave},
        {"new", "new OUT", "Writes the empty database that the editor's New command creates.", RunNew},
        {"demo", "demo OUT [--max]",
         "Writes a demo database: several satellites, terrestrial, cable and ISDB-T transponders, a few "
         "hundred channels with audio tracks and favourites. With --max every table is filled as far as the "
         "1 MiB image allows.",
         RunDemo},
    };
}

const std::vector<ToolCommand>& ToolCommands()
{
    static const std::vector<ToolCommand> commands = [] {
        std::vector<ToolCommand> all;
        for (const auto& table :
             {FileToolCommands(), CheckToolCommands(), ChannelToolCommands(), ExchangeToolCommands(),
              TreeToolCommands(), PrintToolCommands(), ReferenceToolCommands(), TransponderListToolCommands()})
            all.insert(all.end(), table.begin(), table.end());
        return all;
    }();
    return commands;
}
