#pragma once

// The study file: one study per file, UTF-8 JSON. It names its format and
// version, the program that wrote it, the study type (the window type), the
// reference and every input as typed or chosen (a grid as rows of cell texts).
// Results are never kept: opening computes them again. Reading checks the
// whole file before anything uses it; the reasons it gives are French, for the
// message that names the file.

#include <QByteArray>
#include <QJsonObject>
#include <QString>
#include <optional>

namespace torvel {

inline constexpr char kStudyFormat[] = "TORVEL-etude";
inline constexpr int kStudyFormatVersion = 1;
inline constexpr qint64 kStudyFileMaxBytes = 1024 * 1024;
inline constexpr char kStudySuffix[] = ".torvel";

// What the study's note names in its title block beside the reference: the
// project, the revision, who checks it and who made it ("" when not given).
struct StudyFields {
    QString project;   // "Affaire"
    QString revision;  // "Indice"
    QString checker;   // "Vérifié par"
    QString author;    // who saved the study first: a colleague's study keeps its author
    bool operator==(const StudyFields&) const = default;
};

struct StudyFile {
    QString type;             // window type, e.g. "Roulement"
    QString program;          // "TORVEL 1.4.1"
    QString reference;        // "" when the study has none
    QJsonObject inputs;       // control name -> text, or grid -> array of rows of texts
    StudyFields fields = {};  // absent from a file older than them: all ""
};

// The study fields as a file keeps them, and back.
QJsonObject studyFieldsObject(const StudyFields& fields);

QByteArray studyFileBytes(const StudyFile& study);

// The program that wrote a file, for a refusal: " ; étude écrite par TORVEL
// 9.0.0, plus récent que TORVEL 1.4.1 : mettez TORVEL à jour" when it is a
// later version than this one, " ; étude écrite par <program>" otherwise, ""
// when the file names none.
QString writtenByNote(const QString& program);

// The file's study, or nullopt with the reason in `reason`.
std::optional<StudyFile> parseStudyFile(const QByteArray& bytes, QString* reason);

// Reads a file of at most `limit` bytes: a folder, a missing or unreadable
// file and a larger one give nullopt and the reason.
std::optional<QByteArray> readSmallFile(const QString& path, QString* reason,
                                        qint64 limit = kStudyFileMaxBytes);

// Writes `bytes` atomically: the file is whole or unchanged. False with the
// system's reason when it cannot be written.
bool writeFileAtomically(const QString& path, const QByteArray& bytes, QString* reason);

// An input value is a text or a grid (rows of cell texts).
bool isGridValue(const QJsonValue& value);

}  // namespace torvel
