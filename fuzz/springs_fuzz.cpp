// Compression springs: any entries, end type and material end in a message or
// finite results; the strength, when found, is finite too.
#include <cmath>

#include "fuzz_common.h"
#include "spring_strength.h"

using namespace torvel::springs;

namespace {

// Shown numbers everywhere but in the verdict labels and the buckling word.
void checkStudyOutcome(const torvel::Outcome& outcome) {
    bool wrote = false;
    for (const auto& step : outcome.steps()) {
        if (step.kind != torvel::Step::Kind::Write) continue;
        wrote = true;
        if (step.target.rfind("Text", 0) == 0 && step.text != kTextCannotBuckle)
            fuzz::checkShownNumber(step.text);
    }
    if (!wrote && outcome.messages().empty()) fuzz::fail("neither a message nor a result", "");
}

void checkStrength(const SpringStudyState& state) {
    if (!state.strength) return;
    const SpringStrength& s = *state.strength;
    for (float v : {s.Rm, s.tzul, s.tczul, s.S2.value_or(0), s.Sb.value_or(0)})
        if (!std::isfinite(v)) fuzz::fail("strength not finite", std::to_string(v));
    if (const auto& f = s.fatigue)
        for (float v : {f->tka, f->tkm, f->Sse.value_or(0), f->nf.value_or(0)})
            if (!std::isfinite(v)) fuzz::fail("fatigue not finite", std::to_string(v));
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
        checkStudyOutcome(calculateSpringStudy(study, entries, {material, Rm, load, peened}, sep));
        checkStrength(study);
    }
    return 0;
}
