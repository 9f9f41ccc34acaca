// Angular-contact induced loads: any entries end in a message or finite results.
#include "contact_oblique.h"
#include "fuzz_common.h"

using namespace torvel::bearings;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider in(data, size);
    ObliqueState state;
    for (int run = 0; run < 2; ++run) {
        ObliqueEntries e;
        e.faE = fuzz::entryText(in);
        e.frA = fuzz::entryText(in);
        e.frB = fuzz::entryText(in);
        e.eA = fuzz::entryText(in);
        e.eB = fuzz::entryText(in);
        e.yA = fuzz::entryText(in);
        e.yB = fuzz::entryText(in);
        fuzz::checkOutcome(calculateOblique(state, e, in.ConsumeBool() ? ',' : '.'));
    }
    return 0;
}
