#include "study_file.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QRegularExpression>
#include <QSaveFile>
#include <algorithm>
#include <array>
#include <cmath>

#include "version.h"

namespace torvel {

namespace {

const QString kFormatKey = QStringLiteral("format");
const QString kVersionKey = QStringLiteral("version");
const QString kProgramKey = QStringLiteral("program");
const QString kStudyKey = QStringLiteral("study");
const QString kReferenceKey = QStringLiteral("reference");
const QString kInputsKey = QStringLiteral("inputs");
const QString kFieldsKey = QStringLiteral("cartouche");

// The study fields by their names in a file.
const struct {
    const char* key;
    QString StudyFields::*field;
} kFieldKeys[] = {
    {"affaire", &StudyFields::project},
    {"indice", &StudyFields::revision},
    {"verifiePar", &StudyFields::checker},
    {"auteur", &StudyFields::author},
};

QString quoted(const QString& text) { return QStringLiteral("« %1 »").arg(text); }

std::optional<StudyFile> refuse(QString* reason, const QString& why) {
    if (reason) *reason = why;
    return std::nullopt;
}

// "TORVEL 9.0.0" later than this version; false for any other text.
bool isLaterProgram(const QString& program) {
    static const QRegularExpression pattern(
        QStringLiteral("^TORVEL (\\d{1,9})\\.(\\d{1,9})\\.(\\d{1,9})"));
    const auto match = pattern.match(program);
    if (!match.hasMatch()) return false;
    const std::array<long long, 3> theirs{match.captured(1).toLongLong(),
                                          match.captured(2).toLongLong(),
                                          match.captured(3).toLongLong()};
    const std::array<long long, 3> ours{kVersionMajor, kVersionMinor, kVersionPatch};
    return theirs > ours;
}

}  // namespace

QString writtenByNote(const QString& program) {
    const QString name = program.simplified().left(40);
    if (name.isEmpty()) return {};
    if (!isLaterProgram(name)) return QStringLiteral(" ; étude écrite par %1").arg(name);
    return QStringLiteral(
               " ; étude écrite par %1, plus récent que TORVEL %2 : mettez TORVEL à jour")
        .arg(name, QString::fromLatin1(kVersion));
}

bool isGridValue(const QJsonValue& value) {
    if (!value.isArray()) return false;
    for (const QJsonValue& row : value.toArray()) {
        if (!row.isArray()) return false;
        for (const QJsonValue& cell : row.toArray())
            if (!cell.isString()) return false;
    }
    return true;
}

QJsonObject studyFieldsObject(const StudyFields& fields) {
    QJsonObject o;
    for (const auto& [key, field] : kFieldKeys) o[QString::fromLatin1(key)] = fields.*field;
    return o;
}

QByteArray studyFileBytes(const StudyFile& study) {
    QJsonObject root;
    root[kFormatKey] = QString::fromLatin1(kStudyFormat);
    root[kVersionKey] = kStudyFormatVersion;
    root[kProgramKey] = study.program;
    root[kStudyKey] = study.type;
    root[kReferenceKey] = study.reference;
    root[kInputsKey] = study.inputs;
    // Left out while empty, so that a study without them reads in earlier versions.
    if (study.fields != StudyFields{}) root[kFieldsKey] = studyFieldsObject(study.fields);
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

std::optional<StudyFile> parseStudyFile(const QByteArray& bytes, QString* reason) {
    if (bytes.size() > kStudyFileMaxBytes)
        return refuse(reason, QStringLiteral("le fichier dépasse 1 Mio"));
    QJsonParseError error{};
    const QJsonDocument doc = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError || !doc.isObject())
        return refuse(reason, QStringLiteral("ce n'est pas une étude TORVEL (le fichier n'est pas "
                                             "un document JSON valide)"));
    const QJsonObject root = doc.object();
    const QString writer = writtenByNote(root.value(kProgramKey).toString());
    if (root.value(kFormatKey) != QJsonValue(QString::fromLatin1(kStudyFormat)))
        return refuse(reason, QStringLiteral("ce n'est pas une étude TORVEL"));

    const QJsonValue version = root.value(kVersionKey);
    const double v = version.toDouble(-1);
    if (!version.isDouble() || v < 1 || v != std::floor(v))
        return refuse(reason, QStringLiteral("le champ %1 manque ou n'est pas un numéro de version")
                                  .arg(quoted(kVersionKey)));
    if (v > kStudyFormatVersion)
        return refuse(reason, QStringLiteral("ce fichier a été créé par une version plus récente "
                                             "de TORVEL (format %1)%2")
                                  .arg(static_cast<qint64>(std::min(v, 1e15)))
                                  .arg(writer));

    for (const QString& key : root.keys())
        if (key != kFormatKey && key != kVersionKey && key != kProgramKey && key != kStudyKey &&
            key != kReferenceKey && key != kInputsKey && key != kFieldsKey)
            return refuse(reason,
                          QStringLiteral("le champ %1 est inconnu%2").arg(quoted(key), writer));
    for (const QString& key : {kProgramKey, kStudyKey, kReferenceKey})
        if (!root.value(key).isString())
            return refuse(
                reason,
                QStringLiteral("le champ %1 manque ou n'est pas un texte").arg(quoted(key)));
    if (!root.value(kInputsKey).isObject())
        return refuse(reason,
                      QStringLiteral("le champ %1 manque ou n'est pas une liste de valeurs nommées")
                          .arg(quoted(kInputsKey)));

    StudyFile study;
    study.program = root.value(kProgramKey).toString();
    study.type = root.value(kStudyKey).toString();
    study.reference = root.value(kReferenceKey).toString();
    study.inputs = root.value(kInputsKey).toObject();
    for (auto it = study.inputs.constBegin(); it != study.inputs.constEnd(); ++it)
        if (!it.value().isString() && !isGridValue(it.value()))
            return refuse(reason, QStringLiteral("la valeur de %1 n'est ni un texte ni un tableau "
                                                 "de textes")
                                      .arg(quoted(it.key())));
    // Written since the title block has them: an older file has none.
    if (root.contains(kFieldsKey)) {
        const QJsonValue fields = root.value(kFieldsKey);
        if (!fields.isObject())
            return refuse(reason, QStringLiteral("le champ %1 n'est pas une liste de textes nommés")
                                      .arg(quoted(kFieldsKey)));
        const QJsonObject o = fields.toObject();
        for (const QString& key : o.keys()) {
            const auto* known = std::find_if(std::begin(kFieldKeys), std::end(kFieldKeys),
                                             [&](const auto& k) { return key == k.key; });
            if (known == std::end(kFieldKeys))
                return refuse(reason, QStringLiteral("le champ %1 du cartouche est inconnu%2")
                                          .arg(quoted(key), writer));
            if (!o.value(key).isString())
                return refuse(
                    reason,
                    QStringLiteral("le champ %1 du cartouche n'est pas un texte").arg(quoted(key)));
            study.fields.*(known->field) = o.value(key).toString();
        }
    }
    return study;
}

std::optional<QByteArray> readSmallFile(const QString& path, QString* reason, qint64 limit) {
    const QFileInfo info(path);
    if (info.isDir()) {
        if (reason) *reason = QStringLiteral("c'est un dossier, pas un fichier");
        return std::nullopt;
    }
    if (!info.exists()) {
        if (reason) *reason = QStringLiteral("le fichier n'existe pas");
        return std::nullopt;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (reason)
            *reason = QStringLiteral("le fichier ne peut pas être lu (%1)").arg(file.errorString());
        return std::nullopt;
    }
    // One byte more than the limit tells a larger file without reading it all.
    QByteArray bytes = file.read(limit + 1);
    if (bytes.size() > limit) {
        if (reason) *reason = QStringLiteral("le fichier dépasse %1 Mio").arg(limit >> 20);
        return std::nullopt;
    }
    if (file.error() != QFileDevice::NoError) {
        if (reason)
            *reason = QStringLiteral("le fichier ne peut pas être lu (%1)").arg(file.errorString());
        return std::nullopt;
    }
    return bytes;
}

bool writeFileAtomically(const QString& path, const QByteArray& bytes, QString* reason) {
    if (QFileInfo(path).isDir()) {
        if (reason) *reason = QStringLiteral("un dossier porte ce nom");
        return false;
    }
    QSaveFile file(path);
    // Unbuffered, so that a short write (a full disk) shows in write()'s count:
    // a buffered QSaveFile commits a truncated file as a success.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        if (reason) *reason = file.errorString();
        return false;
    }
    if (file.write(bytes) != bytes.size()) {
        if (reason)
            *reason =
                file.error() != QFileDevice::NoError
                    ? file.errorString()
                    : QStringLiteral("le fichier n'a pas pu être écrit en entier (disque plein ?)");
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        if (reason) *reason = file.errorString();
        return false;
    }
    return true;
}

}  // namespace torvel
