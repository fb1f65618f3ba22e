#include "ChannelFilter.h"

#include "BitFields.h"
#include "ChannelOperations.h"

#include <algorithm>

namespace {

void FoldInto(std::string_view text, char* pOut)
{
    std::transform(text.begin(), text.end(), pOut,
                   [](char c) { return char(FoldLetterCase(static_cast<unsigned char>(c))); });
}

bool Passes(const ChannelFilter& filter, std::string_view foldedText, const ChannelRecord& channel)
{
    if (filter.bLockedOnly && !ChLocked(channel))
        return false;
    if (filter.scramble != ScrambleFilter::Any &&
        (ChCas(channel) != 0) != (filter.scramble == ScrambleFilter::CasOnly))
        return false;
    if (foldedText.empty())
        return true;
    char name[kChannelNameSize];
    const std::string_view raw = FieldText(channel.acName);
    FoldInto(raw, name);
    return std::string_view(name, raw.size()).find(foldedText) != std::string_view::npos;
}

} // namespace

bool FilterActive(const ChannelFilter& filter)
{
    return !filter.strText.empty() || filter.scramble != ScrambleFilter::Any || filter.bLockedOnly;
}

int FilterRowMap(const Database& db, bool radio, const ChannelFilter& filter, std::span<int> rowMap)
{
    const int count = UsedChannels(db, radio);
    const auto& table = ChannelTable(db, radio);
    std::string foldedText(filter.strText.size(), '\0');
    FoldInto(filter.strText, foldedText.data());
    const auto end = std::remove_if(rowMap.begin(), rowMap.end(), [&](int i) {
        return i < 0 || i >= count || !Passes(filter, foldedText, table[size_t(i)]);
    });
    return int(end - rowMap.begin());
}
