// Bearing life: any entries and selections end in a message or finite results.
#include "bearing_life.h"
#include "fuzz_common.h"

using namespace torvel::bearings;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider in(data, size);
    BearingState state;
    // Two runs on the same state: what one run keeps must not spoil the next.
    for (int run = 0; run < 2; ++run) {
        BearingEntries e;
        e.fr = fuzz::entryText(in);
        e.fa = fuzz::entryText(in);
        e.co = fuzz::entryText(in);
        e.c = fuzz::entryText(in);
        e.n = fuzz::entryText(in);
        e.element = fuzz::choice(in, elementItems());
        e.type = fuzz::choice(in, typeItems(e.element));
        e.angle = fuzz::choice(in, angleItems(e.element));
        e.rows = fuzz::choice(in, rowItems(e.element));
        e.operating = fuzz::choice(in, operatingItems());
        e.reliability = fuzz::choice(in, reliabilityItems());
        e.mode = fuzz::choice(in, modeItems());
        e.e = fuzz::entryText(in);
        e.x = fuzz::entryText(in);
        e.y = fuzz::entryText(in);
        e.xo = fuzz::entryText(in);
        e.yo = fuzz::entryText(in);
        fuzz::checkOutcome(calculateBearing(state, e, in.ConsumeBool() ? ',' : '.'));
    }
    return 0;
}
