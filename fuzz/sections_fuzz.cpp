// Section properties: any shape text and dimensions end in a message or finite results.
#include "fuzz_common.h"
#include "section_catalogue.h"
#include "section_engine.h"

using namespace torvel::sections;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider in(data, size);
    SectionResults results;
    std::vector<std::string_view> names(shapeNames().begin(), shapeNames().end());
    for (int run = 0; run < 2; ++run) {
        const std::string shape = fuzz::choice(in, names);
        const std::string a = fuzz::entryText(in), b = fuzz::entryText(in), c = fuzz::entryText(in),
                          d = fuzz::entryText(in);
        fuzz::checkOutcome(
            calculateSection(results, {shape, a, b, c, d}, in.ConsumeBool() ? ',' : '.'));
    }
    return 0;
}
