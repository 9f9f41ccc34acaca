// Bearing life: any entries and selections end in a message or finite results,
// the modified life (ISO 281:2007) included.
#include <iterator>
#include <string>
#include <string_view>

#include "bearing_life.h"
#include "fuzz_common.h"
#include "modified_life_entries.h"

using namespace torvel::bearings;

namespace {

// The group's note is a text, not a number: its known notes in their order,
// joined by " ; ", or none; the rest of the outcome passes the common checks.
bool knownNote(std::string_view text) {
    const std::string_view kNotes[] = {kNoteWalther, kNoteKappaCapped, kNoteAIsoCapped};
    size_t next = 0;
    while (!text.empty()) {
        bool found = false;
        for (size_t i = next; i < std::size(kNotes) && !found; ++i)
            if (text.substr(0, kNotes[i].size()) == kNotes[i]) {
                text.remove_prefix(kNotes[i].size());
                if (text.substr(0, 3) == " ; ") text.remove_prefix(3);
                next = i + 1;
                found = true;
            }
        if (!found) return false;
    }
    return true;
}

void checkBearingOutcome(const torvel::Outcome& outcome) {
    torvel::Outcome numbers;
    for (const auto& step : outcome.steps()) {
        using Kind = torvel::Step::Kind;
        if (step.kind == Kind::Write && step.target == "LabelDureeCorrigee") {
            if (!knownNote(step.text)) fuzz::fail("unknown note", step.text);
            continue;
        }
        if (step.kind == Kind::Write) numbers.write(step.target, step.text);
        if (step.kind == Kind::Warning) numbers.warn(step.text);
        if (step.kind == Kind::Stop) numbers.stop(step.text);
    }
    fuzz::checkOutcome(numbers);
    // Lnm is shown only beside the basic life it corrects.
    if (outcome.written("TextLnm") && !outcome.written("TextL10"))
        fuzz::fail("modified life without the basic life", *outcome.written("TextLnm"));
}

}  // namespace

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
        // The modified life's group, left at its opening texts now and then.
        if (in.ConsumeBool()) e.modified = fuzz::modifiedLifeEntries(in);
        checkBearingOutcome(calculateBearing(state, e, in.ConsumeBool() ? ',' : '.'));
    }
    return 0;
}
