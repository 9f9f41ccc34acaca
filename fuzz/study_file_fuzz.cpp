// The study-file reader on any bytes: it refuses with a reason or gives a study
// that writes back to a file it reads the same.
#include <QByteArray>
#include <QString>

#include "fuzz_common.h"
#include "study_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    QString reason;
    const auto study = torvel::parseStudyFile(bytes, &reason);
    if (!study) {
        if (reason.isEmpty()) fuzz::fail("refused without a reason", bytes.left(200).toStdString());
        return 0;
    }
    const auto again = torvel::parseStudyFile(torvel::studyFileBytes(*study), &reason);
    if (!again || again->type != study->type || again->reference != study->reference ||
        again->inputs != study->inputs || again->program != study->program)
        fuzz::fail("a study does not read back as written", bytes.left(200).toStdString());
    return 0;
}
