#include "title_block_dialogs.h"

#include <QBuffer>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QImageReader>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QSvgRenderer>
#include <QVBoxLayout>

#include "ui_text.h"

namespace torvel {

namespace {

const QString kCompanyKey = QStringLiteral("cartouche/societe");
const QString kAuthorKey = QStringLiteral("cartouche/auteur");
const QString kLogoKey = QStringLiteral("cartouche/logo");

// A logo is a small picture: its file and its pixels are bounded.
constexpr qint64 kLogoMaxBytes = 2 << 20;
constexpr int kLogoMaxSide = 8000;
constexpr int kFieldMaxLength = 200;

QLineEdit* addField(QWidget* parent, QFormLayout* form, const char* name, const QString& caption,
                    const QString& text) {
    auto* box = new QLineEdit(text, parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setMaxLength(kFieldMaxLength);
    box->setMinimumWidth(320);
    form->addRow(caption, box);
    return box;
}

// OK and Cancel, in French whatever the translations installed.
QDialogButtonBox* addButtons(QDialog* dialog, QLayout* layout) {
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, dialog);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Annuler"));
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    layout->addWidget(buttons);
    return buttons;
}

}  // namespace

OfficeFields readOfficeFields(const QSettings& settings) {
    return {settings.value(kCompanyKey).toString(), settings.value(kAuthorKey).toString(),
            settings.value(kLogoKey).toString()};
}

void writeOfficeFields(QSettings& settings, const OfficeFields& fields) {
    settings.setValue(kCompanyKey, fields.company.trimmed());
    settings.setValue(kAuthorKey, fields.author.trimmed());
    settings.setValue(kLogoKey, fields.logo.trimmed());
}

QByteArray readLogo(const QString& path, QString* reason) {
    auto refuse = [reason](const QString& why) {
        if (reason) *reason = why;
        return QByteArray();
    };
    const auto bytes = readSmallFile(path, reason, kLogoMaxBytes);
    if (!bytes) return {};
    if (bytes->startsWith("\x89PNG\r\n\x1a\n")) {
        QBuffer buffer;
        buffer.setData(*bytes);
        buffer.open(QIODevice::ReadOnly);
        QImageReader reader(&buffer, "png");
        const QSize size = reader.size();
        if (!size.isValid() || size.isEmpty())
            return refuse(QStringLiteral("l'image PNG est illisible"));
        if (size.width() > kLogoMaxSide || size.height() > kLogoMaxSide)
            return refuse(QStringLiteral("l'image dépasse %1 × %1 pixels").arg(kLogoMaxSide));
        if (reader.read().isNull()) return refuse(QStringLiteral("l'image PNG est illisible"));
        return *bytes;
    }
    if (bytes->contains("<svg")) {
        const QSvgRenderer svg(*bytes);
        if (!svg.isValid() || svg.defaultSize().isEmpty())
            return refuse(QStringLiteral("le dessin SVG est illisible"));
        return *bytes;
    }
    return refuse(QStringLiteral("ce n'est pas une image PNG ni un dessin SVG"));
}

bool editOfficeFields(QWidget* parent, QSettings& settings) {
    const OfficeFields before = readOfficeFields(settings);
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("DialogCartouche"));
    dialog.setWindowTitle(QStringLiteral("Cartouche de la note"));
    auto* layout = new QVBoxLayout(&dialog);
    auto* form = new QFormLayout;
    layout->addLayout(form);
    QLineEdit* company =
        addField(&dialog, form, "TextSociete", QStringLiteral("Société :"), before.company);
    QLineEdit* author =
        addField(&dialog, form, "TextAuteur", QStringLiteral("Auteur :"), before.author);
    auto* logoRow = new QHBoxLayout;
    auto* logo = new QLineEdit(QDir::toNativeSeparators(before.logo), &dialog);
    logo->setObjectName(QStringLiteral("TextLogo"));
    logo->setPlaceholderText(QStringLiteral("aucun (image PNG ou dessin SVG)"));
    auto* choose = new QPushButton(QStringLiteral("Choisir…"), &dialog);
    choose->setObjectName(QStringLiteral("BtLogo"));
    auto* none = new QPushButton(QStringLiteral("Aucun"), &dialog);
    none->setObjectName(QStringLiteral("BtSansLogo"));
    for (QPushButton* b : {choose, none}) b->setAutoDefault(false);
    logoRow->addWidget(logo, 1);
    logoRow->addWidget(choose);
    logoRow->addWidget(none);
    form->addRow(QStringLiteral("Logo :"), logoRow);
    QObject::connect(none, &QPushButton::clicked, logo, &QLineEdit::clear);
    QObject::connect(choose, &QPushButton::clicked, &dialog, [&dialog, logo] {
        const QString path = QFileDialog::getOpenFileName(
            &dialog, QStringLiteral("Choisir le logo"), QFileInfo(logo->text()).absolutePath(),
            QStringLiteral("Images PNG ou SVG (*.png *.svg)"));
        if (!path.isEmpty()) logo->setText(QDir::toNativeSeparators(path));
    });
    addButtons(&dialog, layout);
    if (dialog.exec() != QDialog::Accepted) return false;

    OfficeFields after{company->text().trimmed(), author->text().trimmed(),
                       QDir::fromNativeSeparators(logo->text().trimmed())};
    // A logo that cannot be used is said, and left out; the other fields are kept.
    if (!after.logo.isEmpty()) {
        QString reason;
        if (readLogo(after.logo, &reason).isEmpty()) {
            showAttention(parent, QStringLiteral("Le logo « %1 » ne peut pas être utilisé :\n%2.\n"
                                                 "La note sera faite sans logo.")
                                      .arg(QDir::toNativeSeparators(after.logo), reason));
            // The logo stays as it was, unless it was that very file.
            after.logo = before.logo == after.logo ? QString() : before.logo;
        }
    }
    if (after.company == before.company && after.author == before.author &&
        after.logo == before.logo)
        return false;
    writeOfficeFields(settings, after);
    return true;
}

bool editStudyFields(QWidget* parent, StudyFields& fields, const QString& officeAuthor) {
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("DialogProprietesEtude"));
    dialog.setWindowTitle(QStringLiteral("Propriétés de l'étude"));
    auto* layout = new QVBoxLayout(&dialog);
    auto* form = new QFormLayout;
    layout->addLayout(form);
    QLineEdit* project =
        addField(&dialog, form, "TextAffaire", QStringLiteral("Affaire :"), fields.project);
    QLineEdit* revision =
        addField(&dialog, form, "TextIndice", QStringLiteral("Indice :"), fields.revision);
    QLineEdit* checker =
        addField(&dialog, form, "TextVerifiePar", QStringLiteral("Vérifié par :"), fields.checker);
    QLineEdit* author =
        addField(&dialog, form, "TextAuteurEtude", QStringLiteral("Auteur :"), fields.author);
    // Left empty, the study takes the office's author when it is saved.
    author->setPlaceholderText(officeAuthor);
    addButtons(&dialog, layout);
    if (dialog.exec() != QDialog::Accepted) return false;
    const StudyFields after{project->text().trimmed(), revision->text().trimmed(),
                            checker->text().trimmed(), author->text().trimmed()};
    if (after == fields) return false;
    fields = after;
    return true;
}

}  // namespace torvel
