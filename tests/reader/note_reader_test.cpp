#include "note_reader.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <QString>
#include <string>

#include "note_pdf.h"
#include "note_reading.h"

using torvel::NoteReaderRun;
using torvel::note_reader::Status;

namespace {

const std::string kStudy =
    "{\"format\": \"TORVEL-etude\", \"version\": 1, \"etude\": \"Ressort\"}\n";
const QString kNone = "ce PDF ne contient pas d'étude TORVEL";
const QString kTooLarge = "l'étude jointe à ce PDF dépasse 1 Mio";
const QString kUnreadable = "la pièce jointe de ce PDF est illisible";

QByteArray seed(const char* name) {
    QFile file(QStringLiteral(TORVEL_NOTE_SEEDS "/") + QString::fromLatin1(name));
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll();
}

}  // namespace

// Crafted and damaged notes (written by tools/note_seeds.py, also the fuzz
// corpus), read by the reader itself and through the program's child process:
// the study or the refusal the user is shown, never more than the limit.
TEST(NoteReader, EachCraftedNoteGivesItsStudyOrItsRefusal) {
    const std::string atLimit(std::size_t{1} << 20, 'x');
    const struct {
        const char* name;
        Status status;
        std::string study;
    } cases[] = {
        {"study-plain.pdf", Status::Study, kStudy},
        {"study-deflated.pdf", Status::Study, kStudy},
        {"study-hex-deflated.pdf", Status::Study, kStudy},
        {"study-at-limit.pdf", Status::Study, atLimit},
        {"over-limit.pdf", Status::TooLarge, {}},
        // Deflate bombs: 64 MiB in one stage, 1 GiB in two, 4 GiB in three.
        {"bomb-1-stage.pdf", Status::TooLarge, {}},
        {"bomb-2-stages.pdf", Status::TooLarge, {}},
        {"bomb-3-stages.pdf", Status::TooLarge, {}},
        // File specifications of other forms.
        {"filespec-indirect-ef.pdf", Status::TooLarge, {}},
        {"filespec-uf-only.pdf", Status::Unreadable, {}},
        {"filespec-direct-stream.pdf", Status::Unreadable, {}},
        {"filespec-string.pdf", Status::NoStudy, {}},
        {"filespec-direct.pdf", Status::Study, kStudy},
        {"filespec-unicode-name.pdf", Status::Study, kStudy},
        {"filespec-other-name.pdf", Status::NoStudy, {}},
        // One object number twice: the file's table says which one is read.
        {"duplicate-object-bomb-listed.pdf", Status::TooLarge, {}},
        {"duplicate-object-study-listed.pdf", Status::Study, kStudy},
        {"duplicate-object-no-table.pdf", Status::Study, kStudy},
        {"many-ef-entries.pdf", Status::Study, kStudy},
        // Damaged files.
        {"damaged-cut-in-half.pdf", Status::NoStudy, {}},
        {"damaged-no-end-mark.pdf", Status::NoStudy, {}},
        {"damaged-table.pdf", Status::Study, kStudy},
        {"damaged-stream.pdf", Status::Unreadable, {}},
        {"damaged-stream-cut.pdf", Status::Unreadable, {}},
        {"damaged-filter.pdf", Status::Unreadable, {}},
        // A length past the end of the file, an unknown filter.
        {"damaged-length.pdf", Status::Unreadable, {}},
        {"damaged-nesting.pdf", Status::NoStudy, {}},
        {"not-a-pdf.pdf", Status::NoStudy, {}},
    };
    for (const auto& c : cases) {
        const QByteArray pdf = seed(c.name);
        ASSERT_FALSE(pdf.isEmpty()) << c.name;
        const auto reading = torvel::note_reader::readNote(pdf.toStdString(), std::size_t{1} << 20);
        EXPECT_EQ(reading.status, c.status) << c.name;
        EXPECT_EQ(reading.study, c.study) << c.name;

        QString reason;
        torvel::embeddedStudy(pdf, &reason);
        const QString expected = c.status == Status::Study      ? QString()
                                 : c.status == Status::TooLarge ? kTooLarge
                                 : c.status == Status::NoStudy  ? kNone
                                                                : kUnreadable;
        EXPECT_EQ(reason, expected) << c.name;
        EXPECT_EQ(torvel::embeddedStudy(pdf).value_or("-").toStdString(),
                  c.status == Status::Study ? c.study : "-")
            << c.name;
    }
}

// However the reader ends, the program gets the study or one French refusal;
// a reader that runs too long, writes too much or falls is stopped, never waited on.
TEST(NoteReader, EveryEndOfTheReaderBecomesTheStudyOrARefusal) {
    const QString exhausted =
        "la lecture de ce PDF demande plus de mémoire ou de temps qu'une note de calcul n'en "
        "demande : elle a été arrêtée";
    const QString damaged = "ce PDF est endommagé ou trop lourd à lire : sa lecture a échoué";
    const struct {
        const char* what;
        QString program;
        QString script;
        NoteReaderRun::End end;
        QString refusal;
        QByteArray output;
        QByteArray input = "%PDF-1.7 input";
    } cases[] = {
        {"study", "/bin/sh", "cat", NoteReaderRun::End::Exited, "", "%PDF-1.7 input"},
        {"study at its limit", "/bin/sh", "head -c 1048576 /dev/zero", NoteReaderRun::End::Exited,
         "", QByteArray(1 << 20, '\0')},
        {"no study", "/bin/sh", "exit 10", NoteReaderRun::End::Exited, kNone, ""},
        {"too large", "/bin/sh", "exit 11", NoteReaderRun::End::Exited, kTooLarge, ""},
        {"unreadable", "/bin/sh", "exit 12", NoteReaderRun::End::Exited, kUnreadable, ""},
        {"out of memory", "/bin/sh", "exit 13", NoteReaderRun::End::Exited, exhausted, ""},
        {"usage", "/bin/sh", "exit 14", NoteReaderRun::End::Exited, damaged, ""},
        {"other code", "/bin/sh", "exit 1", NoteReaderRun::End::Exited, damaged, ""},
        {"a study and a refusal", "/bin/sh", "echo x; exit 10", NoteReaderRun::End::Exited, kNone,
         "x\n"},
        {"fault", "/bin/sh", "kill -SEGV $$", NoteReaderRun::End::Crashed, damaged, ""},
        {"processor time", "/bin/sh", "while :; do :; done", NoteReaderRun::End::TimedOut,
         "la lecture de ce PDF a été arrêtée au bout de 2 s", ""},
        {"processor limit", "/bin/sh", "kill -XCPU $$", NoteReaderRun::End::Crashed, exhausted, ""},
        {"never ends", "/bin/sh", "exec sleep 30", NoteReaderRun::End::TimedOut,
         "la lecture de ce PDF a été arrêtée au bout de 2 s", ""},
        {"writes without end", "/bin/sh", "exec cat /dev/zero", NoteReaderRun::End::OutputTooLong,
         kTooLarge, QByteArray(1 << 20, '\0')},
        {"writes one byte more", "/bin/sh", "head -c 1048577 /dev/zero",
         NoteReaderRun::End::OutputTooLong, kTooLarge, QByteArray(1 << 20, '\0')},
        // A note of 8 MiB: more than a pipe holds, written while the reader runs.
        {"reads a large note", "/bin/sh", "cat >/dev/null; exit 10", NoteReaderRun::End::Exited,
         kNone, "", QByteArray(8 << 20, 'p')},
        {"reads nothing of it", "/bin/sh", "exec 0<&-; exit 10", NoteReaderRun::End::Exited, kNone,
         "", QByteArray(8 << 20, 'p')},
        {"missing", "/nonexistent/torvel-note-reader", "", NoteReaderRun::End::NotStarted,
         "le lecteur de notes de calcul « torvel-note-reader » est introuvable ou ne démarre "
         "pas ; réinstallez TORVEL",
         ""},
    };
    for (const auto& c : cases) {
        const auto run = torvel::runNoteReader(c.program, {"-c", c.script}, c.input, 1 << 20);
        // A reader that only computes meets its 2 s of processor time and the 2 s
        // of the clock together: whichever stops it first, it is stopped and said so.
        if (c.end == NoteReaderRun::End::TimedOut && run.end == NoteReaderRun::End::Crashed &&
            QByteArray(c.what) == "processor time") {
            EXPECT_EQ(torvel::noteReadingRefusal(run, 1 << 20), exhausted) << c.what;
            continue;
        }
        EXPECT_EQ(run.end, c.end) << c.what;
        EXPECT_EQ(torvel::noteReadingRefusal(run, 1 << 20), c.refusal) << c.what;
        EXPECT_EQ(run.output, c.output) << c.what;
    }
}

// The reader starts with its address space (256 MiB, not in a sanitized build)
// and processor time (2 s) limited, and is found beside the tests as the
// installed program finds it beside itself.
TEST(NoteReader, TheReaderRunsWithItsMemoryLimited) {
#if !defined(__SANITIZE_ADDRESS__)
    const auto run = torvel::runNoteReader("/bin/sh", {"-c", "ulimit -v; ulimit -t"}, {}, 1 << 20);
    EXPECT_EQ(run.end, NoteReaderRun::End::Exited);
    EXPECT_EQ(run.output, "262144\n2\n");
#endif
    EXPECT_TRUE(QFileInfo(torvel::noteReaderPath()).isExecutable());
    EXPECT_EQ(QFileInfo(torvel::noteReaderPath()).fileName(), "torvel-note-reader");
}
