// Feeds arbitrary text to the reader of a reference list's text form. A text
// that reads applies to a database without adding or losing a channel, and
// every record moves whole; a refused text names a line within it.
#include "BitFields.h"
#include "DemoDatabase.h"
#include "ReferenceCsv.h"

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const std::unique_ptr<const Database> demo = [] {
        auto db = std::make_unique<Database>();
        BuildDemoDatabase(*db, DemoSize::Typical);
        return db;
    }();
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    CsvError error;
    const std::optional<ReferenceList> list = ReadReferenceCsv(text, error);
    if (!list) {
        // Lines end in LF, CR LF or a lone CR.
        long lines = 1;
        for (size_t i = 0; i < text.size(); ++i)
            lines += text[i] == '\n' || (text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n'));
        if (error.iLine < 1 || error.iLine > lines)
            std::abort();
        return 0;
    }
    auto db = std::make_unique<Database>(*demo);
    ApplyReference(*db, *list, ReferenceOptions{true, true, true});
    for (const bool radio : {false, true}) {
        if (ChannelCount(*db, radio) != ChannelCount(*demo, radio))
            std::abort();
        // The same records, in another order: compare the sorted service ids.
        const auto ids = [radio](const Database& d) {
            std::vector<uint32_t> keys;
            for (int i = 0; i < ChannelCount(d, radio); ++i)
                keys.push_back(ChannelKey(ChannelTable(d, radio)[size_t(i)]));
            std::sort(keys.begin(), keys.end());
            return keys;
        };
        if (ids(*db) != ids(*demo))
            std::abort();
    }
    return 0;
}
