// Duty cycle: any grid and entries end in a message or finite results, the
// modified life (ISO 281:2007) case by case included.
#include <algorithm>
#include <string>

#include "bearing_life.h"
#include "duty_cycle.h"
#include "fuzz_common.h"
#include "modified_life_entries.h"

using namespace torvel::bearings;

namespace {

// The group's note is a text: its parts are the known notes; the rest of the
// outcome passes the common checks, and Lnm comes only with the basic life.
void checkDutyOutcome(const torvel::Outcome& outcome) {
    torvel::Outcome numbers;
    for (const auto& step : outcome.steps()) {
        using Kind = torvel::Step::Kind;
        if (step.kind == Kind::Write && step.target == "LabelDureeCorrigee") {
            for (const char* bad : {"inf", "nan", "-0"})
                if (step.text.find(bad) != std::string::npos) fuzz::fail("note", step.text);
            continue;
        }
        if (step.kind == Kind::Write) numbers.write(step.target, step.text);
        if (step.kind == Kind::Warning) numbers.warn(step.text);
        if (step.kind == Kind::Stop) numbers.stop(step.text);
    }
    fuzz::checkOutcome(numbers);
    const std::string* lnm = outcome.written("TextLnm");
    if (lnm && !lnm->empty() && !outcome.written("TextL10"))
        fuzz::fail("modified life without the basic life", *lnm);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider in(data, size);
    DutyState state;
    // Two runs on the same state: what one run keeps must not spoil the next.
    for (int run = 0; run < 2; ++run) {
        DutyEntries e;
        const int rows = in.ConsumeIntegralInRange(0, kDutyCases);
        for (int r = 0; r < rows; ++r)
            for (auto& cell : e.grid[static_cast<size_t>(r)]) cell = fuzz::entryText(in);
        e.element = fuzz::choice(in, dutyElementItems());
        e.c = fuzz::entryText(in);
        e.reliability = fuzz::choice(in, reliabilityItems());
        // The modified life's group, left at its opening texts now and then.
        if (in.ConsumeBool()) {
            e.modified = fuzz::modifiedLifeEntries(in);
            e.disposition = fuzz::choice(in, dispositionItems());
        }
        checkDutyOutcome(calculateDuty(state, e, in.ConsumeBool() ? ',' : '.'));
    }
    return 0;
}
