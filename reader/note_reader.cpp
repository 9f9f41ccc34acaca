#include "note_reader.h"

#include <Catalog.h>
#include <Error.h>
#include <FileSpec.h>
#include <GlobalParams.h>
#include <Object.h>
#include <PDFDoc.h>
#include <Stream.h>

#include <algorithm>
#include <array>
#include <memory>

namespace torvel::note_reader {

namespace {

// Poppler reports what it works around through one callback: counted while the
// study's stream is decoded (a damaged stream only ends early otherwise), and
// never printed.
int decodeErrors = 0;
bool countingErrors = false;
void onPopplerError(ErrorCategory category, Goffset, const char*) {
    if (countingErrors && (category == errSyntaxError || category == errSyntaxWarning ||
                           category == errIO || category == errUnimplemented))
        ++decodeErrors;
}

void startPoppler() {
    static const bool started = [] {
        setErrorCallback(onPopplerError);
        globalParams = std::make_unique<GlobalParams>();
        return true;
    }();
    (void)started;
}

// A note cut short loses its end-of-file mark, which readers look for in the
// last kilobyte; Poppler would otherwise rebuild what is left and open it.
bool wholePdf(std::string_view pdf) {
    return pdf.substr(0, 1024).find("%PDF-") != std::string_view::npos &&
           pdf.substr(pdf.size() > 1024 ? pdf.size() - 1024 : 0).find("%%EOF") !=
               std::string_view::npos;
}

// A name as the PDF keeps it: UTF-16BE after its byte-order mark, otherwise one
// byte a character (ASCII is the same in PDFDocEncoding).
bool isStudyName(const GooString* name) {
    if (!name) return false;
    const std::string& s = name->toStr();
    static constexpr std::string_view suffix = ".torvel";
    if (s.size() >= 2 && static_cast<unsigned char>(s[0]) == 0xFE &&
        static_cast<unsigned char>(s[1]) == 0xFF) {
        if ((s.size() - 2) % 2 != 0 || s.size() - 2 < 2 * suffix.size()) return false;
        const std::size_t at = s.size() - 2 * suffix.size();
        for (std::size_t i = 0; i < suffix.size(); ++i)
            if (s[at + 2 * i] != '\0' || s[at + 2 * i + 1] != suffix[i]) return false;
        return true;
    }
    return s.size() >= suffix.size() &&
           s.compare(s.size() - suffix.size(), suffix.size(), suffix.data(), suffix.size()) == 0;
}

// Decodes at most limit + 1 bytes of the embedded file's stream.
Reading readStream(Stream* stream, std::size_t limit) {
    Reading reading;
    stream->reset();
    std::array<unsigned char, 16384> chunk{};
    std::string data;
    while (data.size() <= limit) {
        const std::size_t want = std::min(chunk.size(), limit + 1 - data.size());
        const int got = stream->doGetChars(static_cast<int>(want), chunk.data());
        if (got <= 0) break;
        data.append(reinterpret_cast<const char*>(chunk.data()), static_cast<std::size_t>(got));
    }
    stream->close();
    countingErrors = false;
    if (data.size() > limit) {
        reading.status = Status::TooLarge;
    } else if (decodeErrors > 0) {
        reading.status = Status::Unreadable;
    } else {
        reading.status = Status::Study;
        reading.study = std::move(data);
    }
    return reading;
}

}  // namespace

Reading readNote(std::string_view pdf, std::size_t limit) {
    if (!wholePdf(pdf)) return {};
    startPoppler();
    // Poppler reads the bytes in place; they outlive the document.
    auto* bytes = new MemStream(pdf.data(), 0, static_cast<Goffset>(pdf.size()), Object(objNull));
    const auto document = std::make_unique<PDFDoc>(bytes);
    if (!document->isOk()) return {};
    Catalog* catalog = document->getCatalog();
    if (!catalog || !catalog->isOk()) return {};
    const int count = catalog->numEmbeddedFiles();
    for (int i = 0; i < count; ++i) {
        const std::unique_ptr<FileSpec> file = catalog->embeddedFile(i);
        if (!file || !isStudyName(file->getFileName())) continue;
        // From the fetch of its stream on: a filter Poppler does not know is
        // reported there, and the stream then reads as empty.
        decodeErrors = 0;
        countingErrors = true;
        EmbFile* embedded = file->isOk() ? file->getEmbeddedFile() : nullptr;
        Stream* stream = embedded && embedded->isOk() ? embedded->stream() : nullptr;
        if (!stream) {
            countingErrors = false;
            return {Status::Unreadable, {}};
        }
        return readStream(stream, limit);
    }
    return {};
}

}  // namespace torvel::note_reader
