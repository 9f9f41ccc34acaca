#pragma once

// Reading a calculation note back: the program never parses PDF itself. The
// note goes to the note reader (torvel-note-reader) in a child process, with
// its address space, processor time and output limited and a wall-clock limit
// after which it is killed; what it answers becomes the study or a refusal.

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace torvel {

// The most a reading may take on the wall clock before its process is killed.
inline constexpr int kNoteReadingMs = 2000;
// The reader's address space, set in the child before it starts.
inline constexpr qint64 kNoteReaderMemoryBytes = qint64{256} << 20;

// Where the note reader is, as the installed program finds it: beside the
// running executable (the installed program, and tests and tools in the build's
// bin/), then in lib/torvel/ beside the bin/ folder of the executable (a tool
// installed in bin/), then in the folder the build installs to. "" when none.
QString noteReaderPath();

// How one run of a reader ended.
struct NoteReaderRun {
    enum class End { Exited, Crashed, TimedOut, OutputTooLong, NotStarted };
    End end = End::NotStarted;
    int exitCode = -1;
    QByteArray output;  // standard output, at most outputLimit bytes
};

// Runs `program` with `arguments`, `input` on its standard input, under the
// limits above (no memory limit in a sanitized build, whose shadow memory needs
// more), and waits for it at most `timeLimitMs`. The wait blocks the calling
// thread; it is bounded by the time limit. Its standard error is discarded.
NoteReaderRun runNoteReader(const QString& program, const QStringList& arguments,
                            const QByteArray& input, qint64 outputLimit,
                            int timeLimitMs = kNoteReadingMs);

// The refusal, in French, for a run that gave no study of at most `limit`
// bytes; "" when `run` holds the study.
QString noteReadingRefusal(const NoteReaderRun& run, qint64 limit);

}  // namespace torvel
