#pragma once

// The modified life's group of a bearing window, as fuzzed entries give it.
#include "fuzz_common.h"
#include "modified_life.h"

namespace fuzz {

inline torvel::bearings::ModifiedLifeEntries modifiedLifeEntries(FuzzedDataProvider& in) {
    torvel::bearings::ModifiedLifeEntries m;
    m.d = entryText(in);
    m.dExt = entryText(in);
    m.cu = entryText(in);
    m.nu40 = entryText(in);
    m.nu100 = entryText(in);
    m.t = entryText(in);
    m.cleanliness = choice(in, torvel::bearings::cleanlinessItems());
    return m;
}

}  // namespace fuzz
