#pragma once

// Reading the study embedded in a calculation note. The only code of TORVEL
// that parses PDF; the program runs it in a child process of its own
// (torvel-note-reader, reader_main.cpp) under memory and time limits, so that
// a hostile or damaged PDF can neither freeze nor exhaust the program. Qt-free:
// this header names no Poppler type either, so the program can include it for
// the exit codes alone.

#include <cstddef>
#include <string>
#include <string_view>

namespace torvel::note_reader {

// The outcome of one reading; the reader's exit code.
enum class Status : int {
    Study = 0,         // the study's bytes, written on standard output
    NoStudy = 10,      // not a whole PDF, locked, or no embedded file named "*.torvel"
    TooLarge = 11,     // the study holds more than the limit
    Unreadable = 12,   // the study's embedded file is there but cannot be decoded
    OutOfMemory = 13,  // the reading needed more memory than it is given
    Usage = 14,        // no limit on the command line, or more input than a note may have
};

struct Reading {
    Status status = Status::NoStudy;
    std::string study;  // with Status::Study only
};

inline constexpr const char* kProgramName = "torvel-note-reader";
// The most a note may weigh; the program never sends more.
inline constexpr std::size_t kMaxPdfBytes = std::size_t{64} << 20;

// The study embedded in `pdf`: the first file of the document's embedded-file
// list whose name ends with ".torvel". Whatever its filters (stages of deflate
// included), at most limit + 1 bytes of it are ever decoded, and its bytes are
// returned only when they number at most `limit`.
Reading readNote(std::string_view pdf, std::size_t limit);

}  // namespace torvel::note_reader
