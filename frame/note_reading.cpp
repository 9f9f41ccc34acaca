#include "note_reading.h"

#include <sys/resource.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <algorithm>
#include <csignal>
#include <optional>

#include "note_pdf.h"
#include "note_reader.h"
#include "study_file.h"

#ifndef TORVEL_INSTALLED_READER_DIR
#define TORVEL_INSTALLED_READER_DIR ""
#endif

#if defined(__SANITIZE_ADDRESS__)
#define TORVEL_SANITIZED_BUILD 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define TORVEL_SANITIZED_BUILD 1
#endif
#endif

namespace torvel {

namespace {

using note_reader::Status;

QString executableFolder() {
    if (QCoreApplication::instance()) return QCoreApplication::applicationDirPath();
    return QFileInfo(QStringLiteral("/proc/self/exe"))
        .canonicalFilePath()
        .section(QLatin1Char('/'), 0, -2);
}

bool isProgram(const QString& path) {
    const QFileInfo info(path);
    return info.isFile() && info.isExecutable();
}

// In the child, between fork and exec: nothing but system calls.
void limitChild() {
    const auto set = [](int resource, rlim_t soft, rlim_t hard) {
        rlimit limit{soft, hard};
        setrlimit(resource, &limit);
    };
#ifndef TORVEL_SANITIZED_BUILD
    set(RLIMIT_AS, static_cast<rlim_t>(kNoteReaderMemoryBytes),
        static_cast<rlim_t>(kNoteReaderMemoryBytes));
#endif
    // Processor time: a signal at the wall-clock limit, the end a second later.
    const rlim_t seconds = static_cast<rlim_t>((kNoteReadingMs + 999) / 1000);
    set(RLIMIT_CPU, seconds, seconds + 1);
    set(RLIMIT_CORE, 0, 0);
    set(RLIMIT_FSIZE, 0, 0);  // it writes no file
}

}  // namespace

QString noteReaderPath() {
    const QString name = QString::fromLatin1(note_reader::kProgramName);
    const QString here = executableFolder();
    QStringList candidates;
    if (!here.isEmpty()) {
        candidates << here + QLatin1Char('/') + name;
        candidates << QDir::cleanPath(here + QStringLiteral("/../lib/torvel/") + name);
    }
    if (const QString installed = QString::fromUtf8(TORVEL_INSTALLED_READER_DIR);
        !installed.isEmpty())
        candidates << installed + QLatin1Char('/') + name;
    for (const QString& path : candidates)
        if (isProgram(path)) return path;
    return {};
}

NoteReaderRun runNoteReader(const QString& program, const QStringList& arguments,
                            const QByteArray& input, qint64 outputLimit, int timeLimitMs) {
    NoteReaderRun run;
    const QDeadlineTimer deadline(timeLimitMs);
    QProcess process;
    process.setProgram(program);
    process.setArguments(arguments);
    process.setStandardErrorFile(QProcess::nullDevice());
    process.setChildProcessModifier(limitChild);
    process.start(QIODevice::ReadWrite);
    if (!process.waitForStarted(static_cast<int>(deadline.remainingTime()))) {
        process.kill();
        process.waitForFinished(-1);
        return run;
    }
    process.write(input);
    process.closeWriteChannel();
    const auto stop = [&](NoteReaderRun::End end) {
        process.kill();
        process.waitForFinished(-1);
        run.end = end;
        return run;
    };
    // Read as it comes: a reader that writes more than it may is stopped there.
    while (process.state() != QProcess::NotRunning) {
        if (deadline.hasExpired()) return stop(NoteReaderRun::End::TimedOut);
        process.waitForReadyRead(static_cast<int>(std::max<qint64>(deadline.remainingTime(), 1)));
        run.output += process.read(outputLimit + 1 - run.output.size());
        if (run.output.size() > outputLimit) {
            run.output.truncate(outputLimit);
            return stop(NoteReaderRun::End::OutputTooLong);
        }
    }
    run.output += process.read(outputLimit + 1 - run.output.size());
    if (run.output.size() > outputLimit) {
        run.output.truncate(outputLimit);
        run.end = NoteReaderRun::End::OutputTooLong;
        return run;
    }
    run.exitCode = process.exitCode();
    run.end = process.exitStatus() == QProcess::NormalExit ? NoteReaderRun::End::Exited
                                                           : NoteReaderRun::End::Crashed;
    return run;
}

QString noteReadingRefusal(const NoteReaderRun& run, qint64 limit) {
    const QString none = QStringLiteral("ce PDF ne contient pas d'étude TORVEL");
    const QString tooLarge =
        QStringLiteral("l'étude jointe à ce PDF dépasse %1 Mio").arg(limit >> 20);
    const QString unreadable = QStringLiteral("la pièce jointe de ce PDF est illisible");
    const QString exhausted = QStringLiteral(
        "la lecture de ce PDF demande plus de mémoire ou de temps qu'une note de "
        "calcul n'en demande : elle a été arrêtée");
    const QString damaged =
        QStringLiteral("ce PDF est endommagé ou trop lourd à lire : sa lecture a échoué");
    switch (run.end) {
        case NoteReaderRun::End::NotStarted:
            return QStringLiteral(
                       "le lecteur de notes de calcul « %1 » est introuvable ou ne démarre pas ; "
                       "réinstallez TORVEL")
                .arg(QString::fromLatin1(note_reader::kProgramName));
        case NoteReaderRun::End::TimedOut:
            return QStringLiteral("la lecture de ce PDF a été arrêtée au bout de %1 s")
                .arg(kNoteReadingMs / 1000);
        case NoteReaderRun::End::OutputTooLong:
            return tooLarge;
        case NoteReaderRun::End::Crashed:
            // Ended by its processor-time limit, or by a signal: most often its
            // memory ran out (Poppler aborts then), or Poppler met a fault.
            return run.exitCode == SIGXCPU || run.exitCode == SIGKILL ? exhausted : damaged;
        case NoteReaderRun::End::Exited:
            break;
    }
    switch (static_cast<Status>(run.exitCode)) {
        case Status::Study:
            return run.output.size() > limit ? tooLarge : QString();
        case Status::NoStudy:
            return none;
        case Status::TooLarge:
            return tooLarge;
        case Status::Unreadable:
            return unreadable;
        case Status::OutOfMemory:
            return exhausted;
        case Status::Usage:
            break;
    }
    return damaged;
}

std::optional<QByteArray> embeddedStudy(const QByteArray& pdf, QString* reason) {
    const QString program = noteReaderPath();
    const NoteReaderRun run = program.isEmpty()
                                  ? NoteReaderRun{}
                                  : runNoteReader(program, {QString::number(kStudyFileMaxBytes)},
                                                  pdf, kStudyFileMaxBytes);
    const QString refusal = noteReadingRefusal(run, kStudyFileMaxBytes);
    if (refusal.isEmpty()) return run.output;
    if (reason) *reason = refusal;
    return std::nullopt;
}

}  // namespace torvel
