// Compression springs: any entries, end type and material end in a message or
// finite results; the strength, when found, is finite too.
#include <cmath>

#include "fuzz_common.h"
#include "spring_strength.h"

using namespace torvel::springs;

namespace {

// Shown numbers everywhere but in the verdict labels, the pictures' descriptions,
// the buckling word and the diagram's name.
void checkStudyOutcome(const torvel::Outcome& outcome) {
    bool wrote = false;
    for (const auto& step : outcome.steps()) {
        if (step.kind != torvel::Step::Kind::Write) continue;
        wrote = true;
        if (step.target.rfind("Text", 0) == 0 && step.text != kTextCannotBuckle &&
            step.target != "TextDiagramme")
            fuzz::checkShownNumber(step.text);
    }
    if (!wrote && outcome.messages().empty()) fuzz::fail("neither a message nor a result", "");
}

void checkStrength(const SpringStudyState& state) {
    if (!state.strength) return;
    const SpringStrength& s = *state.strength;
    for (float v : {s.Rm, s.tzul, s.tczul, s.S2.value_or(0), s.Sb.value_or(0)})
        if (!std::isfinite(v)) fuzz::fail("strength not finite", std::to_string(v));
    if (const auto& f = s.fatigue) {
        for (float v : {f->tk1, f->tk2, f->tkh, f->tkO, f->tkH, f->nf.value_or(0)})
            if (!std::isfinite(v)) fuzz::fail("fatigue not finite", std::to_string(v));
        // The order of the points is gone: τk1 is the lower stress, and a
        // verdict is given only on a diagram read inside its rows.
        if (f->tk1 > f->tk2) fuzz::fail("tk1 above tk2", std::to_string(f->tk1));
        if (f->diagram && !(state.inputs.d >= f->diagram->rows.front().d &&
                            state.inputs.d <= f->diagram->rows.back().d))
            fuzz::fail("diagram extrapolated", std::to_string(state.inputs.d));
    }
    // Beyond block nothing is green.
    if (state.checks.beyondBlock && state.resistance == Judgement::Held)
        fuzz::fail("green beyond block", "");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider in(data, size);
    SpringState state;
    SpringStudyState study;
    std::vector<std::string_view> ends(endTypeNames().begin(), endTypeNames().end());
    std::vector<std::string_view> materials{kTypedMaterial};
    for (const WireGrade& g : wireGrades()) materials.push_back(g.name);
    const std::vector<std::string_view> loads{kLoadStatic, kLoadDynamic},
        states{kNotPeened, kPeened};
    for (int run = 0; run < 2; ++run) {
        std::string t[8];
        for (auto& s : t) s = fuzz::entryText(in);
        const std::string end = fuzz::choice(in, ends);
        const char sep = in.ConsumeBool() ? ',' : '.';
        const SpringEntries entries{t[0], t[1], t[2], t[3], t[4], t[5], t[6], t[7], end};
        fuzz::checkOutcome(calculateSpring(state, entries, sep));
        const std::string material = fuzz::choice(in, materials);
        const std::string Rm = in.ConsumeBool() ? std::string() : fuzz::entryText(in);
        const std::string load = fuzz::choice(in, loads), peened = fuzz::choice(in, states);
        const StrengthEntries wire{material, Rm, load, peened};
        const torvel::Outcome outcome = calculateSpringStudy(study, entries, wire, sep);
        checkStudyOutcome(outcome);
        checkStrength(study);
    }
    return 0;
}
