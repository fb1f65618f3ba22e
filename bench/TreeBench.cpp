// The tree's fill and the satellite delete, each beside the plain way of
// doing the same: filling every row by walking the whole transponder table
// and inserting node after node, and deleting a satellite's transponders one
// record at a time, each with its channels.
#include "BitFields.h"
#include "CEditZarnDoc.h"
#include "CLeftView.h"
#include "ModelOperations.h"
#include "SatelliteOperations.h"
#include "TransponderOperations.h"
#include "TreeIcons.h"
#include "TreeLabels.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <cstring>
#include <memory>

namespace {

// Answers every question with Yes.
class YesPrompts : public IPrompts {
public:
    MsgAnswer MessageBox(const QString&, const QString&, MsgButtons buttons, MsgIcon) override
    {
        return buttons == MsgButtons::YesNo ? MsgAnswer::Yes : MsgAnswer::Ok;
    }
    std::optional<FileChoice> OpenFileDialog(const QString&, const QString&) override { return {}; }
    std::optional<FileChoice> SaveFileDialog(const QString&, const QString&) override { return {}; }
};

SatelliteRecord Satellite(int index)
{
    SatelliteRecord sat = DefaultSatellite();
    std::snprintf(sat.acSatName, sizeof sat.acSatName, "Sat %d", index);
    return sat;
}

void AppendTp(Database& db, int sat, int n)
{
    TransponderRecord tp = DefaultSatelliteTp(sat);
    tp.usFreq = uint16_t(10700 + n);
    SetTpId(tp, uint32_t(db.header.sTpNumber));
    db.TransponderTable[size_t(db.header.sTpNumber++)] = tp;
}

// 100 satellites with 40 transponders each, interleaved in the table.
void BuildFullTree(Database& db)
{
    ResetDatabase(db);
    for (int s = 0; s < kMaxSatellites; ++s)
        AddSatellite(db, Satellite(s));
    for (int n = 0; n < kMaxTransponders; ++n)
        AppendTp(db, n % kMaxSatellites, n);
}

// Satellite 0 holds 300 transponders (every 13th record) and 4000 channels;
// 3700 more transponders on the other satellites hold 4000 channels more.
void BuildDeleteCase(Database& db)
{
    ResetDatabase(db);
    for (int s = 0; s < kMaxSatellites; ++s)
        AddSatellite(db, Satellite(s));
    for (int n = 0; n < kMaxTransponders; ++n)
        AppendTp(db, n % 13 == 0 && n / 13 < 300 ? 0 : 1 + n % 99, n);
    std::vector<uint16_t> own, others;
    for (int i = 0; i < db.header.sTpNumber; ++i)
        (TpSatIndex(db.TransponderTable[size_t(i)]) == 0 ? own : others)
            .push_back(uint16_t(TpId(db.TransponderTable[size_t(i)])));
    for (int c = 0; c < 8000; ++c) {
        const bool radio = c % 4 == 3;
        const uint16_t id = c % 2 ? own[size_t(c / 2) % own.size()] : others[size_t(c / 2) % others.size()];
        ChannelRecord channel{};
        channel.ulMarker = kChannelMarker;
        channel.usTpId = id;
        channel.usServiceId = uint16_t(c);
        ChannelTable(db, radio)[size_t(ChannelCount(db, radio)++)] = channel;
    }
}

struct TreeFixture {
    YesPrompts prompts;
    CEditZarnDoc doc{prompts};
    CLeftView view{doc};
    TreeFixture() { doc.bDataLoaded = 1; }
};

void BM_FillTree(benchmark::State& state)
{
    TreeFixture f;
    BuildFullTree(f.doc.Data());
    for (auto _ : state) {
        f.view.FillTree();
        benchmark::DoNotOptimize(f.view.topLevelItem(1)->childCount());
    }
}
BENCHMARK(BM_FillTree)->Unit(benchmark::kMillisecond);

// Each row filled by its own walk over the whole table, one node at a time.
void BM_FillTreeRowByRowBaseline(benchmark::State& state)
{
    const auto pDb = std::make_unique<Database>();
    const Database& db = *pDb;
    BuildFullTree(*pDb);
    QTreeWidget tree;
    const QIcon icon = TreeNodeIcon(3, 4);
    for (auto _ : state) {
        tree.clear();
        for (const char* root : kRootTexts)
            tree.addTopLevelItem(new QTreeWidgetItem(QStringList{root}));
        QTreeWidgetItem* pSatellites = tree.topLevelItem(kRootSatellite);
        for (int s = 0; s < db.header.sSatNumber; ++s)
            pSatellites->addChild(new QTreeWidgetItem(
                QStringList{QString::fromLatin1(SatelliteLabel(db.SatelliteTable[size_t(s)], s))}));
        pSatellites->setExpanded(true);
        for (int s = 0; s < db.header.sSatNumber; ++s) {
            QTreeWidgetItem* pNode = pSatellites->child(s);
            for (int i = 0; i < db.header.sTpNumber; ++i) {
                const TransponderRecord& tp = db.TransponderTable[size_t(i)];
                if (TpKind(tp) != kTpSatellite || int(TpSatIndex(tp)) != s)
                    continue;
                auto* pItem = new QTreeWidgetItem(
                    QStringList{QString::fromLatin1(SatTransponderLabel(tp, pNode->childCount()))});
                pItem->setIcon(0, icon);
                pNode->addChild(pItem);
            }
        }
        benchmark::DoNotOptimize(pSatellites->childCount());
    }
}
BENCHMARK(BM_FillTreeRowByRowBaseline)->Unit(benchmark::kMillisecond);

// Runs remove on a fresh copy of the delete case each iteration.
template <typename Remove>
void RunDelete(benchmark::State& state, Remove remove)
{
    const auto original = std::make_unique<Database>();
    BuildDeleteCase(*original);
    auto db = std::make_unique<Database>();
    for (auto _ : state) {
        state.PauseTiming();
        *db = *original;
        state.ResumeTiming();
        remove(*db);
        benchmark::DoNotOptimize(db->header.sTVNumber);
    }
}

void BM_DeleteSatellite(benchmark::State& state)
{
    RunDelete(state, [](Database& db) { DeleteSatellite(db, 0); });
}
BENCHMARK(BM_DeleteSatellite)->Unit(benchmark::kMillisecond);

void BM_DeleteSatelliteOneRecordAtATimeBaseline(benchmark::State& state)
{
    RunDelete(state, [](Database& db) {
        for (int i = 0; i < db.header.sTpNumber;) {
            const TransponderRecord& tp = db.TransponderTable[size_t(i)];
            if (TpKind(tp) == kTpSatellite && TpSatIndex(tp) == 0) {
                RemoveChannelsOfTp(db, uint16_t(TpId(tp)));
                RemoveTransponder(db, i);
            } else {
                ++i;
            }
        }
        std::copy(db.SatelliteTable.begin() + 1, db.SatelliteTable.begin() + db.header.sSatNumber,
                  db.SatelliteTable.begin());
        --db.header.sSatNumber;
        for (int i = 0; i < db.header.sTpNumber; ++i) {
            TransponderRecord& tp = db.TransponderTable[size_t(i)];
            if (TpKind(tp) == kTpSatellite && TpSatIndex(tp) > 0)
                SetTpSatIndex(tp, TpSatIndex(tp) - 1);
        }
    });
}
BENCHMARK(BM_DeleteSatelliteOneRecordAtATimeBaseline)->Unit(benchmark::kMillisecond);

// The whole command: question, delete, rebuilt branch, selection.
void BM_DeleteAntennaCommand(benchmark::State& state)
{
    TreeFixture f;
    const auto original = std::make_unique<Database>();
    BuildDeleteCase(*original);
    for (auto _ : state) {
        state.PauseTiming();
        f.doc.Data() = *original;
        f.view.FillTree();
        f.view.setCurrentItem(f.view.topLevelItem(kRootSatellite)->child(0));
        state.ResumeTiming();
        f.view.OnDeleteAntenna();
        benchmark::DoNotOptimize(f.doc.Data().header.sTVNumber);
    }
}
BENCHMARK(BM_DeleteAntennaCommand)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
