#pragma once

// The files embedded in a PDF, measured before anything inflates them: a small
// PDF can hold a compressed stream that inflates to gigabytes.

#include <QByteArray>
#include <QString>

namespace torvel {

// "" when every file embedded in `pdf` (the /EF stream of each file dictionary)
// is found, stored plain or deflated, and inflates to at most `limit` bytes;
// otherwise why not, in French (also when no file dictionary is in plain
// sight). Only the first limit + 1 bytes of a stream are ever inflated.
QString checkEmbeddedFileSizes(const QByteArray& pdf, qint64 limit);

}  // namespace torvel
