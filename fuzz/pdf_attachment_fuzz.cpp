// The measure of embedded files on any bytes: it ends, and says "" or why.
#include <QByteArray>
#include <QString>

#include "fuzz_common.h"
#include "pdf_attachment.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    constexpr qint64 kLimit = 4096;
    const QString reason = torvel::checkEmbeddedFileSizes(bytes, kLimit);
    if (!reason.isEmpty() && !reason.contains(QStringLiteral("pièce jointe")) &&
        !reason.contains(QStringLiteral("dépasse")))
        fuzz::fail("an unexpected reason", reason.toStdString());
    return 0;
}
