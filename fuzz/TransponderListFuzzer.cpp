// Feeds arbitrary bytes to the reader of transponder lists. A refused file
// names a line within it; a list that reads is planned against the demo
// database with every entry chosen, and a plan that fits applies without
// touching a channel, within the tables' capacity and with every
// transponder id unique.
#include "BitFields.h"
#include "DemoDatabase.h"
#include "TransponderListFile.h"
#include "TransponderListOperations.h"

#include <bitset>
#include <cstdlib>
#include <cstring>
#include <memory>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const std::unique_ptr<const Database> demo = [] {
        auto db = std::make_unique<Database>();
        BuildDemoDatabase(*db, DemoSize::Typical);
        return db;
    }();
    const QByteArrayView bytes(data, qsizetype(size));
    ListError error;
    const std::optional<TransponderList> list = ReadTransponderList(bytes, error);
    if (!list) {
        // Lines end in LF, CR LF or a lone CR, as XML reads them.
        long lines = 1;
        for (size_t i = 0; i < size; ++i)
            lines += data[i] == '\n' || (data[i] == '\r' && (i + 1 == size || data[i + 1] != '\n'));
        if (error.iLine < 1 || error.iLine > lines || error.Text().isEmpty())
            std::abort();
        return 0;
    }
    ListChoice choice{{}, size % 2 == 0};
    for (int i = 0; i < int(list->aEntries.size()); ++i)
        choice.aiEntries.push_back(i);
    const ListPlan plan = PlanTransponderList(*demo, *list, choice);
    auto db = std::make_unique<Database>(*demo);
    if (ApplyListPlan(*db, plan) != (plan.Fits() && plan.Changes()))
        std::abort();
    if (db->header.sSatNumber > kMaxSatellites || db->header.sTpNumber > kMaxTransponders)
        std::abort();
    std::bitset<kTpIdCount> ids;
    for (int t = 0; t < db->header.sTpNumber; ++t) {
        const uint32_t id = TpId(db->TransponderTable[size_t(t)]);
        if (id >= kMaxTransponders || ids.test(id))
            std::abort();
        ids.set(id);
    }
    for (const bool radio : {false, true})
        if (ChannelCount(*db, radio) != ChannelCount(*demo, radio) ||
            std::memcmp(ChannelTable(*db, radio).data(), ChannelTable(*demo, radio).data(),
                        sizeof(ChannelRecord) * size_t(ChannelCount(*demo, radio))) != 0)
            std::abort();
    return 0;
}
