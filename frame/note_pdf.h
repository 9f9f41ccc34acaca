#pragma once

// The calculation note as a PDF: text as text, the drawing as vectors, the
// study file embedded so that the note opens again as its study.

#include <QByteArray>
#include <QSizeF>
#include <QString>
#include <functional>
#include <optional>

#include "calc_note.h"

class QIODevice;
class QPainter;
class QRectF;

namespace torvel {

// A drawing of the study, painted as vectors into `target` (keep its aspect
// ratio from `size`); none when `paint` is empty.
struct NoteDrawing {
    QSizeF size;
    std::function<void(QPainter&, const QRectF&)> paint;
};

// Writes the note as an A4 portrait PDF to `device` (already open for writing),
// with `attachment` embedded as the file `attachmentName` (MIME
// "application/x-torvel-etude"; in its name, brackets stand in for parentheses
// and "_" for a backslash or a character outside Latin-1; no attachment when
// the name is empty). False when the painter could not start or the device
// failed.
bool writeNotePdf(QIODevice* device, const CalcNote& note, const NoteDrawing& drawing,
                  const QString& attachmentName, const QByteArray& attachment);

// The study embedded in a PDF: the first embedded file whose name ends with
// ".torvel", read by the note reader in a child process (note_reading.h).
// nullopt, with the reason in French, when the bytes are not a whole PDF that
// holds such a file, when it holds more than a study file's limit or cannot be
// decoded, or when the reading exceeds its memory or time.
std::optional<QByteArray> embeddedStudy(const QByteArray& pdf, QString* reason = nullptr);

}  // namespace torvel
