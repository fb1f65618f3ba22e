#include "SheetContent.h"

#include "BitFields.h"
#include "ModelOperations.h"
#include "OptionNames.h"
#include "RecordText.h"

#include <algorithm>

namespace {

const std::array<QString, 4> kVideoTypes = {QStringLiteral("MPEG-1"), QStringLiteral("MPEG-2"), QStringLiteral("H264"),
                                            QStringLiteral("MPEG-4")};

} // namespace

SheetRow ChannelRow(const Database& db, bool radio, int index)
{
    const ChannelRecord& channel = ChannelTable(db, radio)[size_t(index)];
    SheetRow row;
    row[0] = QString::number(index + 1);
    row[1] = FromRecordText(FieldText(channel.acName));
    row[2] = ChCas(channel) ? QStringLiteral("CAS") : QStringLiteral("FTA");
    row[3] = kVideoTypes[ChVideoCoding(channel)];

    const int tpIndex = FindTpOfChannel(db, index, radio ? 0 : 1);
    if (tpIndex < 0)
        return row;
    const TransponderRecord& tp = db.TransponderTable[size_t(tpIndex)];
    switch (TpKind(tp)) {
    case kTpSatellite: {
        // The slot FindSatOfChannel gives; one past the table's count holds no
        // satellite, so it gives no name.
        const int sat = int(TpSatIndex(tp));
        if (sat < std::min<int>(db.header.sSatNumber, kMaxSatellites))
            row[4] = FromRecordText(FieldText(db.SatelliteTable[size_t(sat)].acSatName));
        row[5] = QString::number(tp.usFreq);
        row[6] = QString::fromLatin1(OptionName(kPolarisationNames, TpPolarisation(tp)));
        row[7] = QString::number(tp.usSymRate);
        break;
    }
    case kTpCable:
        row[4] = kSheetCable;
        row[5] = QString::number(tp.usFreq);
        row[7] = QString::number(tp.usSymRate);
        break;
    default:
        row[4] = TpKind(tp) == kTpTerrestrial ? kSheetTerrestrial : kSheetIsdbt;
        row[5] = QString::number(TpUlFreq(tp));
        break;
    }
    return row;
}
