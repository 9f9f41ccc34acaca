// Press fit: any entries give a refusal or results that are all shown numbers,
// and a fit called admissible has every safety at or over what is asked. The
// group's run from entry texts refuses by a stop that writes nothing, or writes
// every box; the fits it proposes lie inside the window it shows.
#include <cmath>

#include "fuzz_common.h"
#include "numbers.h"
#include "press_fit.h"
#include "press_fit_design.h"

using namespace torvel::fits;

namespace {

std::optional<Interference> someFit(FuzzedDataProvider& in, double diameter) {
    const auto& holes = classKeys(Side::Hole);
    const auto& shafts = classKeys(Side::Shaft);
    const auto hole =
        holeDeviations(holes[in.ConsumeIntegralInRange<size_t>(0, holes.size() - 1)], diameter);
    const auto shaft =
        shaftDeviations(shafts[in.ConsumeIntegralInRange<size_t>(0, shafts.size() - 1)], diameter);
    if (!hole || !shaft) return std::nullopt;
    return measuredInterference(*hole, *shaft);
}

void checkEngine(FuzzedDataProvider& in) {
    auto number = [&in] { return torvel::leadingNumber(fuzz::entryText(in)); };
    auto maybe = [&](bool given) -> std::optional<double> {
        if (!given) return std::nullopt;
        return number();
    };
    PressFitInput p;
    if (in.ConsumeBool()) {
        // A fit the window could show.
        p.diameter = in.ConsumeFloatingPointInRange<double>(1.001, 500);
        const auto fit = someFit(in, p.diameter);
        if (!fit) return;
        p.measured = *fit;
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
    p.torque = maybe(in.ConsumeBool());
    p.roomTemperature = number();
    p.applicationFactor = number();
    p.axialForce = maybe(in.ConsumeBool());
    p.slipRequired = number();
    p.yieldRequired = number();
    p.hubTemperature = maybe(in.ConsumeBool());
    p.shaftTemperature = maybe(in.ConsumeBool());
    p.shaftExpansion = number();
    p.speed = maybe(in.ConsumeBool());
    p.hubDensity = number();
    p.shaftDensity = number();

    const PressFitResult r = pressFit(p);
    const PressFitVerdict v = pressFitVerdict(r, in.ConsumeBool() ? ',' : '.');
    if (v.text.empty()) fuzz::fail("no verdict", "");
    for (const auto& [name, text] : pressFitTexts(r, ',')) {
        fuzz::checkShownNumber(text);
        if (!r.refusal.empty() && !text.empty()) fuzz::fail("refused but written", name);
    }
    if (v.admissible()) {
        for (const auto& s : {r.hubSafety, r.shaftSafety, r.hubSafetySpeed})
            if (s && !(*s >= p.yieldRequired)) fuzz::fail("admissible under SP", v.text);
        if (!r.slipSafety || !(*r.slipSafety >= p.slipRequired))
            fuzz::fail("admissible without the slip safety asked", v.text);
        if (!r.pressureMin) fuzz::fail("admissible without a holding pressure", v.text);
    }
    if (!r.refusal.empty()) return;
    // Every fit said to lie in the window does, and reaches what is asked.
    const FitSearch search = searchFits(p);
    for (const FitCandidate& c : search.inside) {
        if (c.measured.min < search.window.minRequired || c.measured.max > search.window.maxAllowed)
            fuzz::fail("candidate outside the window", c.name());
        if (c.slipReached && !(*c.slipReached >= p.slipRequired * (1 - 1e-9)))
            fuzz::fail("candidate under SR", c.name());
    }
    for (const std::string& line : candidateLines(search, ','))
        if (line.empty() || line.find("nan") != std::string::npos ||
            line.find("inf") != std::string::npos)
            fuzz::fail("candidate line", line);
}

// The group as the window runs it: entry texts, a diameter, maybe a fit.
void checkGroup(FuzzedDataProvider& in) {
    torvel::Fields fields;
    for (const PressFitEntry& e : pressFitEntries())
        fields.set(std::string(e.name), fuzz::entryText(in));
    std::optional<double> diameter;
    if (in.ConsumeBool()) diameter = in.ConsumeFloatingPointInRange<double>(1.001, 500);
    std::optional<ShownFit> fit;
    if (diameter && in.ConsumeBool())
        if (const auto u = someFit(in, *diameter)) fit = ShownFit{*diameter, *u};
    const PressFitRun run = runPressFit(fields, diameter, fit, in.ConsumeBool() ? ',' : '.');
    if (run.outcome.stopped()) {
        for (const auto& step : run.outcome.steps())
            if (step.kind == torvel::Step::Kind::Write)
                fuzz::fail("refused but written", step.target);
        return;
    }
    for (const auto& step : run.outcome.steps()) {
        if (step.kind != torvel::Step::Kind::Write) fuzz::fail("a message box", step.text);
        if (step.target.rfind("Label", 0) != 0) fuzz::checkShownNumber(step.text);
    }
    if (run.candidates.size() != run.candidateLines.size() ||
        run.candidateLines.size() > kListedFits)
        fuzz::fail("candidate list", std::to_string(run.candidateLines.size()));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider in(data, size);
    if (in.ConsumeBool())
        checkEngine(in);
    else
        checkGroup(in);
    return 0;
}
