// The leading-number rule and the display formats on any text and any value.
#include <cmath>

#include "fuzz_common.h"
#include "numbers.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider in(data, size);
    static const char* const kPatterns[] = {
        "0.000",    "0.00", "0.000 000", "### ##0.000#", " ### ##0.000#", "##0.0000", "### ##0.00",
        "# ##0.00", "#",    "0"};
    const char* pattern = kPatterns[in.ConsumeIntegralInRange<size_t>(0, std::size(kPatterns) - 1)];
    const char separator = in.ConsumeBool() ? ',' : '.';
    const double value = in.ConsumeFloatingPoint<double>();
    const std::string text = in.ConsumeRemainingBytesAsString();

    const double read = torvel::leadingNumber(text);
    if (std::isnan(read)) fuzz::fail("leading number is NaN", text);

    for (double v : {value, read}) {
        const std::string shown = torvel::formatNumber(v, pattern, separator);
        if (std::isfinite(v)) {
            if (shown.empty() && std::string(pattern) != "#")
                fuzz::fail("finite value shown empty", pattern);
            fuzz::checkShownNumber(shown);
        } else if (!shown.empty()) {
            fuzz::fail("non-finite value shown", shown);
        }
    }
    return 0;
}
