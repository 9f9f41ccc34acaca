// torvel-note-reader LIMIT: reads a calculation note on standard input and
// writes the study it carries on standard output (at most LIMIT bytes); the
// exit code says what was found (note_reader.h). TORVEL runs it in a child
// process with its memory and time limited.
#include <cstdio>
#include <cstdlib>
#include <new>
#include <string>

#include "note_reader.h"

namespace {

using torvel::note_reader::Status;

int exitWith(Status status) { return static_cast<int>(status); }

// A limit in bytes: digits only, at most a note's size.
bool parseLimit(const char* text, std::size_t* limit) {
    if (!text || !*text) return false;
    std::size_t value = 0;
    for (const char* c = text; *c; ++c) {
        if (*c < '0' || *c > '9') return false;
        value = value * 10 + static_cast<std::size_t>(*c - '0');
        if (value > torvel::note_reader::kMaxPdfBytes) return false;
    }
    *limit = value;
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    std::size_t limit = 0;
    if (argc != 2 || !parseLimit(argv[1], &limit)) {
        std::fputs("usage: torvel-note-reader LIMIT < note.pdf > study.torvel\n", stderr);
        return exitWith(Status::Usage);
    }
    try {
        std::string pdf;
        pdf.reserve(1 << 16);
        char chunk[1 << 16];
        while (true) {
            const std::size_t got = std::fread(chunk, 1, sizeof chunk, stdin);
            if (got == 0) break;
            if (pdf.size() + got > torvel::note_reader::kMaxPdfBytes)
                return exitWith(Status::Usage);
            pdf.append(chunk, got);
        }
        if (std::ferror(stdin)) return exitWith(Status::Usage);
        const auto reading = torvel::note_reader::readNote(pdf, limit);
        if (reading.status == Status::Study &&
            (std::fwrite(reading.study.data(), 1, reading.study.size(), stdout) !=
                 reading.study.size() ||
             std::fflush(stdout) != 0))
            return exitWith(Status::Usage);
        return exitWith(reading.status);
    } catch (const std::bad_alloc&) {
        return exitWith(Status::OutOfMemory);
    }
}
