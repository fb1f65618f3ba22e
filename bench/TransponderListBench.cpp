// Reading a satellites.xml of the usual size (210 satellites, about 3400
// transponders) beside a bare QXmlStreamReader pass over the same bytes, and
// taking 100 satellites of 40 transponders each into full tables (planning
// with the matching, then applying) beside a naive matcher that scans the
// whole table for every list transponder.
#include "BitFields.h"
#include "DemoDatabase.h"
#include "TransponderListFile.h"
#include "TransponderListOperations.h"
#include "TransponderListSamples.h"

#include <QXmlStreamReader>

#include <benchmark/benchmark.h>

#include <memory>
#include <random>

namespace {

const QByteArray& SatellitesXml()
{
    static const QByteArray xml = [] {
        auto db = std::make_unique<Database>();
        BuildDemoDatabase(*db, DemoSize::Typical);
        return QByteArray::fromStdString(SampleSatellitesXml(*db, 210, 3400, 1));
    }();
    return xml;
}

void BM_ReadSatellitesXml(benchmark::State& state)
{
    for (auto _ : state) {
        ListError error;
        const std::optional<TransponderList> list = ReadTransponderList(SatellitesXml(), error);
        benchmark::DoNotOptimize(list);
        state.counters["entries"] = list ? double(list->aEntries.size()) : 0;
    }
}

void BM_ReadSatellitesXml_BareReaderBaseline(benchmark::State& state)
{
    for (auto _ : state) {
        QXmlStreamReader xml(SatellitesXml());
        xml.setNamespaceProcessing(false);
        int tokens = 0;
        while (!xml.atEnd()) {
            xml.readNext();
            ++tokens;
        }
        benchmark::DoNotOptimize(tokens);
    }
}

// The full demo database (100 satellites with 40 transponders each) and a
// list of the same satellites whose transponders moved by up to a MHz and
// changed symbol rate and FEC.
struct Fixture {
    std::unique_ptr<Database> full = std::make_unique<Database>();
    std::unique_ptr<Database> work = std::make_unique<Database>();
    TransponderList list;
    ListChoice choice;

    Fixture()
    {
        BuildDemoDatabase(*full, DemoSize::Max);
        std::mt19937 rng(40);
        for (int s = 0; s < full->header.sSatNumber; ++s) {
            const SatelliteRecord& sat = full->SatelliteTable[size_t(s)];
            ListEntry entry;
            entry.strName = "Sat " + std::to_string(s) + (SatKuBand(sat) ? "" : " C-band");
            const int64_t angle = SatPosition(sat) + (!SatKuBand(sat) && SatPosition(sat) % 10 == 0 ? 1 : 0);
            entry.iPosition = SatDirection(sat) ? -angle : angle;
            for (int t = 0; t < full->header.sTpNumber; ++t) {
                const TransponderRecord& tp = full->TransponderTable[size_t(t)];
                if (int(TpSatIndex(tp)) == s)
                    entry.aTransponders.push_back({tp.usFreq * 1000 + int64_t(rng() % 2001) - 1000,
                                                   27500000 + int64_t(rng() % 3) * 1000, TpPolarisation(tp),
                                                   int64_t(rng() % 11)});
            }
            list.aEntries.push_back(entry);
            choice.aiEntries.push_back(s);
        }
    }
};

Fixture& TheFixture()
{
    static Fixture fixture;
    return fixture;
}

void BM_Apply100x40ToFullTables(benchmark::State& state)
{
    Fixture& f = TheFixture();
    for (auto _ : state) {
        state.PauseTiming();
        *f.work = *f.full;
        state.ResumeTiming();
        const ListPlan plan = PlanTransponderList(*f.work, f.list, f.choice);
        benchmark::DoNotOptimize(ApplyListPlan(*f.work, plan));
        state.counters["updated"] = plan.total.iUpdated;
    }
}

// Each list transponder compared with every record of the table.
void BM_Apply100x40ToFullTables_ScanBaseline(benchmark::State& state)
{
    Fixture& f = TheFixture();
    for (auto _ : state) {
        state.PauseTiming();
        *f.work = *f.full;
        state.ResumeTiming();
        Database& db = *f.work;
        std::vector<bool> matched(size_t(db.header.sTpNumber));
        int updated = 0;
        for (const ListEntry& entry : f.list.aEntries) {
            const int slot = MatchListSatellite(db, entry);
            for (const ListTransponder& in : entry.aTransponders) {
                const int mhz = int((in.iFrequency + 500) / 1000);
                int best = -1;
                for (int t = 0; t < db.header.sTpNumber; ++t) {
                    const TransponderRecord& tp = db.TransponderTable[size_t(t)];
                    const int distance = std::abs(tp.usFreq - mhz);
                    if (!matched[size_t(t)] && int(TpSatIndex(tp)) == slot && TpPolarisation(tp) == in.iPolarisation &&
                        distance <= 2 &&
                        (best < 0 || distance < std::abs(db.TransponderTable[size_t(best)].usFreq - mhz)))
                        best = t;
                }
                if (best >= 0) {
                    matched[size_t(best)] = true;
                    db.TransponderTable[size_t(best)].usFreq = uint16_t(mhz);
                    ++updated;
                }
            }
        }
        state.counters["updated"] = updated;
    }
}

} // namespace

BENCHMARK(BM_ReadSatellitesXml)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadSatellitesXml_BareReaderBaseline)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Apply100x40ToFullTables)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Apply100x40ToFullTables_ScanBaseline)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
