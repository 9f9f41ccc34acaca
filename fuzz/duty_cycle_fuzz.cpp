// Duty cycle: any grid and entries end in a message or finite results.
#include "bearing_life.h"
#include "duty_cycle.h"
#include "fuzz_common.h"

using namespace torvel::bearings;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider in(data, size);
    DutyState state;
    DutyEntries e;
    const int rows = in.ConsumeIntegralInRange(0, kDutyCases);
    for (int r = 0; r < rows; ++r)
        for (auto& cell : e.grid[static_cast<size_t>(r)]) cell = fuzz::entryText(in);
    e.element = fuzz::choice(in, dutyElementItems());
    e.c = fuzz::entryText(in);
    e.reliability = fuzz::choice(in, reliabilityItems());
    fuzz::checkOutcome(calculateDuty(state, e, in.ConsumeBool() ? ',' : '.'));
    return 0;
}
