// Press fit: any entries give a refusal or results that are all shown numbers,
// and a fit called admissible has every safety at 1 or more.
#include <cmath>

#include "fuzz_common.h"
#include "numbers.h"
#include "press_fit.h"

using namespace torvel::fits;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider in(data, size);
    auto number = [&in] { return torvel::leadingNumber(fuzz::entryText(in)); };

    PressFitInput p;
    if (in.ConsumeBool()) {
        // A fit the window could show.
        p.diameter = in.ConsumeFloatingPointInRange<double>(1.001, 500);
        const auto& holes = classKeys(Side::Hole);
        const auto& shafts = classKeys(Side::Shaft);
        const auto hole = holeDeviations(
            holes[in.ConsumeIntegralInRange<size_t>(0, holes.size() - 1)], p.diameter);
        const auto shaft = shaftDeviations(
            shafts[in.ConsumeIntegralInRange<size_t>(0, shafts.size() - 1)], p.diameter);
        if (!hole || !shaft) return 0;
        p.measured = measuredInterference(*hole, *shaft);
    } else {
        p.diameter = number();
        p.measured = {number(), number()};
    }
    p.hubOuter = number();
    p.shaftBore = number();
    p.length = number();
    p.hub = {number(), number(), number()};
    p.shaft = {number(), number(), number()};
    p.hubExpansion = number();
    p.rzHub = number();
    p.rzShaft = number();
    p.friction = number();
    if (in.ConsumeBool()) p.torque = number();
    p.roomTemperature = number();

    const PressFitResult r = pressFit(p);
    const PressFitVerdict v = pressFitVerdict(r, in.ConsumeBool() ? ',' : '.');
    if (v.text.empty()) fuzz::fail("no verdict", "");
    for (const auto& [name, text] : pressFitTexts(r, ',')) {
        fuzz::checkShownNumber(text);
        if (!r.refusal.empty() && !text.empty()) fuzz::fail("refused but written", name);
    }
    if (v.admissible()) {
        for (const auto& s : {r.hubSafety, r.shaftSafety, r.slipSafety})
            if (s && !(*s >= 1)) fuzz::fail("admissible with a safety under 1", v.text);
        if (!r.pressureMin) fuzz::fail("admissible without a holding pressure", v.text);
    }
    return 0;
}
