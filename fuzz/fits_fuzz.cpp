// ISO fits lookups: any key and diameter give nothing or a consistent, finite pair.
#include <cmath>

#include "fuzz_common.h"
#include "iso_fits.h"

using namespace torvel::fits;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider in(data, size);
    const Side side = in.ConsumeBool() ? Side::Hole : Side::Shaft;
    const double diameter = in.ConsumeBool() ? in.ConsumeFloatingPointInRange<double>(-10, 600)
                                             : in.ConsumeFloatingPoint<double>();
    std::string key;
    if (in.ConsumeBool() && !classKeys(side).empty()) {
        const auto& keys = classKeys(side);
        key = keys[in.ConsumeIntegralInRange<size_t>(0, keys.size() - 1)];
    } else {
        key = in.ConsumeRandomLengthString(8);
    }

    const DiameterCheck check = checkDiameter(diameter);
    if (!check.accepted && check.correctedText != "2" && check.correctedText != "500")
        fuzz::fail("diameter correction", check.correctedText);

    if (const auto d = deviations(side, key, diameter)) {
        if (!std::isfinite(d->upper) || !std::isfinite(d->lower) || d->upper < d->lower)
            fuzz::fail("deviation pair", key);
        if (!(diameter > 1 && diameter <= 500)) fuzz::fail("deviation outside 1..500", key);
    }

    const std::string letter =
        in.ConsumeBool() && !letters(side).empty()
            ? letters(side)[in.ConsumeIntegralInRange<size_t>(0, letters(side).size() - 1)]
            : in.ConsumeRandomLengthString(3);
    if (const auto offer = offeredGrades(side, letter, diameter)) {
        for (int grade : offer->grades) {
            // Every grade offered has its table entry: the window never shows an empty class.
            if (checkDiameter(diameter).accepted &&
                !deviations(side, classKey(side, letter, grade), diameter))
                fuzz::fail("offered grade without table entry", classKey(side, letter, grade));
        }
    }
    return 0;
}
