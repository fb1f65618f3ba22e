// Loading and saving a full database, each beside the bare zlib call it is
// built around: the ratio of the two is the cost of the format's own work.
#include "Database.h"
#include "DemoDatabase.h"
#include "SdxFile.h"

#include <benchmark/benchmark.h>
#include <zlib.h>

#include <memory>
#include <vector>

namespace {

struct MaxFile {
    std::unique_ptr<Database> db = std::make_unique<Database>();
    std::vector<uint8_t> file;
    int imageLength = 0;

    MaxFile()
    {
        BuildDemoDatabase(*db, DemoSize::Max);
        SaveDatabase(*db, file);
        imageLength = db->header.iDataLen;
    }
};

const MaxFile& Fixture()
{
    static const MaxFile fixture;
    return fixture;
}

void BM_UncompressBaseline(benchmark::State& state)
{
    const MaxFile& f = Fixture();
    std::vector<uint8_t> image(kPackedImageSize);
    for (auto _ : state) {
        uLongf length = uLongf(image.size());
        uncompress(image.data(), &length, f.file.data() + kHeaderSize, uLong(f.file.size() - kHeaderSize));
        benchmark::DoNotOptimize(image.data());
    }
}
BENCHMARK(BM_UncompressBaseline)->Unit(benchmark::kMillisecond);

void BM_LoadDatabase(benchmark::State& state)
{
    const MaxFile& f = Fixture();
    auto db = std::make_unique<Database>();
    for (auto _ : state) {
        if (LoadDatabase(*db, f.file) != LoadResult::Ok)
            state.SkipWithError("load failed");
        benchmark::DoNotOptimize(db->header.sTVNumber);
    }
}
BENCHMARK(BM_LoadDatabase)->Unit(benchmark::kMillisecond);

void BM_CompressBaseline(benchmark::State& state)
{
    const MaxFile& f = Fixture();
    std::vector<uint8_t> out(compressBound(uLong(f.imageLength)));
    for (auto _ : state) {
        uLongf length = uLongf(out.size());
        compress(out.data(), &length, f.db->PackedImage.data(), uLong(f.imageLength));
        benchmark::DoNotOptimize(out.data());
    }
}
BENCHMARK(BM_CompressBaseline)->Unit(benchmark::kMillisecond);

void BM_SaveDatabase(benchmark::State& state)
{
    auto db = std::make_unique<Database>();
    BuildDemoDatabase(*db, DemoSize::Max);
    std::vector<uint8_t> file;
    for (auto _ : state) {
        if (SaveDatabase(*db, file) != SaveResult::Ok)
            state.SkipWithError("save failed");
        benchmark::DoNotOptimize(file.data());
    }
}
BENCHMARK(BM_SaveDatabase)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
