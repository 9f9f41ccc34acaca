#pragma once

// What a calculation note's title block names: the office's fields, kept in the
// user's settings ("Cartouche de la note…"), and the study's own, kept in its
// file ("Propriétés de l'étude…"), each edited in a dialog.

#include <QByteArray>
#include <QString>

#include "study_file.h"

class QSettings;
class QWidget;

namespace torvel {

struct OfficeFields {
    QString company;  // "Société"
    QString author;   // "Auteur": the author of the studies this user makes
    QString logo;     // path of a PNG or SVG file, "" for none
};

OfficeFields readOfficeFields(const QSettings& settings);
void writeOfficeFields(QSettings& settings, const OfficeFields& fields);

// The bytes of a logo file, or "" with why it cannot be used (unreadable, too
// large, not a PNG or SVG picture).
QByteArray readLogo(const QString& path, QString* reason);

// The dialogs, modal on `parent`: true when the user confirmed with changes made.
bool editOfficeFields(QWidget* parent, QSettings& settings);
bool editStudyFields(QWidget* parent, StudyFields& fields, const QString& officeAuthor);

}  // namespace torvel
