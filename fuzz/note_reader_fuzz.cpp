// The note reader on any bytes: the whole reading, from the PDF's bytes through
// Poppler to the study. It ends, says one of its outcomes, and never returns
// more than its limit.
#include <string_view>

#include "fuzz_common.h"
#include "note_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using torvel::note_reader::Status;
    constexpr std::size_t kLimit = 4096;
    const auto reading = torvel::note_reader::readNote(
        std::string_view(reinterpret_cast<const char*>(data), size), kLimit);
    switch (reading.status) {
        case Status::Study:
            if (reading.study.size() > kLimit) fuzz::fail("a study over its limit", "");
            break;
        case Status::NoStudy:
        case Status::TooLarge:
        case Status::Unreadable:
            if (!reading.study.empty()) fuzz::fail("a study with a refusal", reading.study);
            break;
        default:
            fuzz::fail("an outcome a reading never gives", "");
    }
    return 0;
}
