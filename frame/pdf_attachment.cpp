#include "pdf_attachment.h"

#include <zlib.h>

#include <QRegularExpression>
#include <algorithm>
#include <array>
#include <optional>

namespace torvel {

namespace {

// The PDF is read as Latin-1 text once: a character stands for a byte, so
// positions in the text are positions in the file.

// Where the body of the object "number generation obj" starts (its last
// revision); nullopt when the PDF holds no such object in plain text.
std::optional<qsizetype> objectStart(const QString& text, const QString& number,
                                     const QString& generation) {
    const QRegularExpression header(
        QStringLiteral("(?<![0-9])%1\\s+%2\\s+obj\\b").arg(number, generation));
    qsizetype found = -1;
    for (auto it = header.globalMatch(text); it.hasNext();) found = it.next().capturedEnd();
    if (found < 0) return std::nullopt;
    return found;
}

// A direct integer, or an indirect one "n g R" whose object holds an integer.
std::optional<qint64> lengthOf(const QString& text, const QString& dictionary) {
    static const QRegularExpression length(
        QStringLiteral("/Length\\s+(\\d{1,12})(?:\\s+(\\d{1,5})\\s+R)?"));
    const auto match = length.match(dictionary);
    if (!match.hasMatch()) return std::nullopt;
    if (match.captured(2).isEmpty()) return match.captured(1).toLongLong();
    const auto start = objectStart(text, match.captured(1), match.captured(2));
    if (!start) return std::nullopt;
    static const QRegularExpression integer(QStringLiteral("^\\s*(\\d{1,12})\\s+endobj"));
    const auto value = integer.match(text.mid(*start, 40));
    if (!value.hasMatch()) return std::nullopt;
    return value.captured(1).toLongLong();
}

// How many bytes `data` inflates to, counting no further than limit + 1; nullopt when broken.
std::optional<qint64> inflatedSize(const QByteArray& data, qint64 limit) {
    z_stream z{};
    if (inflateInit(&z) != Z_OK) return std::nullopt;
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.constData()));
    z.avail_in = static_cast<uInt>(data.size());
    std::array<Bytef, 16384> chunk{};
    qint64 total = 0;
    int status = Z_OK;
    while (status == Z_OK && total <= limit) {
        z.next_out = chunk.data();
        z.avail_out = static_cast<uInt>(chunk.size());
        status = inflate(&z, Z_NO_FLUSH);
        total += static_cast<qint64>(chunk.size() - z.avail_out);
        if (status == Z_BUF_ERROR && z.avail_in == 0) break;  // truncated stream
    }
    inflateEnd(&z);
    if (status != Z_STREAM_END && total <= limit) return std::nullopt;
    return total;
}

}  // namespace

QString checkEmbeddedFileSizes(const QByteArray& pdf, qint64 limit) {
    const QString broken = QStringLiteral("la pièce jointe de ce PDF est illisible");
    const QString tooLarge =
        QStringLiteral("l'étude jointe à ce PDF dépasse %1 Mio").arg(limit >> 20);
    static const QRegularExpression fileSpec(
        QStringLiteral("/EF\\s*<<\\s*/F\\s+(\\d{1,10})\\s+(\\d{1,5})\\s+R"));
    const QString text = QString::fromLatin1(pdf);
    bool found = false;
    for (auto it = fileSpec.globalMatch(text); it.hasNext();) {
        const auto entry = it.next();
        found = true;
        const auto start = objectStart(text, entry.captured(1), entry.captured(2));
        if (!start) return broken;
        const qsizetype keyword = pdf.indexOf("stream", *start);
        const qsizetype end = pdf.indexOf("endobj", *start);
        if (keyword < 0 || (end >= 0 && end < keyword)) return broken;
        const QString dictionary = text.mid(*start, keyword - *start);
        qsizetype data = keyword + 6;
        if (pdf.mid(data, 2) == "\r\n")
            data += 2;
        else if (pdf.mid(data, 1) == "\n")
            data += 1;
        const auto length = lengthOf(text, dictionary);
        if (!length || *length < 0 || *length > pdf.size() - data) return broken;
        const QByteArray stream = pdf.mid(data, *length);
        const bool deflated = dictionary.contains(QStringLiteral("/FlateDecode"));
        if (!deflated && dictionary.contains(QStringLiteral("/Filter"))) return broken;
        const auto size = deflated ? inflatedSize(stream, limit) : std::optional<qint64>(*length);
        if (!size) return broken;
        if (*size > limit) return tooLarge;
    }
    // A file dictionary out of sight (in a compressed object stream) cannot be measured.
    return found ? QString() : broken;
}

}  // namespace torvel
