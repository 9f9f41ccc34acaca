// Compression springs: any entries and end type end in a message or finite results.
#include "fuzz_common.h"
#include "spring_engine.h"

using namespace torvel::springs;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider in(data, size);
    SpringState state;
    std::vector<std::string_view> ends(endTypeNames().begin(), endTypeNames().end());
    for (int run = 0; run < 2; ++run) {
        std::string t[8];
        for (auto& s : t) s = fuzz::entryText(in);
        const std::string end = fuzz::choice(in, ends);
        fuzz::checkOutcome(calculateSpring(state,
                                           {t[0], t[1], t[2], t[3], t[4], t[5], t[6], t[7], end},
                                           in.ConsumeBool() ? ',' : '.'));
    }
    return 0;
}
