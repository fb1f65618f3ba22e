// Feeds arbitrary text to the conversions behind the dialogs' number fields.
// Whatever converts must convert back: an integer printed and read again is
// the same integer, and a number is finite and reads back from the text the
// fields show for it.
#include "DataExchange.h"

#include <cmath>
#include <cstdlib>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    if (const std::optional<int> value = ParseInt(text)) {
        if (ParseInt(std::to_string(*value)) != value)
            std::abort();
    }
    if (const std::optional<double> value = ParseNumber(text)) {
        if (!std::isfinite(*value))
            std::abort();
        const std::string shown = FormatNumber(*value).toStdString();
        const std::optional<double> again = ParseNumber(shown);
        if (!again || std::fabs(*again - *value) > std::fabs(*value) * 1e-14)
            std::abort();
    }
    return 0;
}
