#include "application.h"

#include <QApplication>
#include <QFont>
#include <QLabel>
#include <QLibraryInfo>
#include <QTranslator>

#include "version.h"

namespace torvel {

void initApplication(QApplication& app) {
    QApplication::setApplicationName(QStringLiteral("Torvel"));
    QApplication::setApplicationVersion(QString::fromLatin1(kVersion));
    // The windows were designed with MS Sans Serif, which Linux does not have.
    for (const char* family : {"MS Sans Serif", "Arial"})
        QFont::insertSubstitutions(QString::fromLatin1(family), {QStringLiteral("Liberation Sans"),
                                                                 QStringLiteral("DejaVu Sans")});
    auto* translator = new QTranslator(&app);
    if (translator->load(QStringLiteral("qtbase_fr"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(translator);
}

QLabel* identityLabel(QWidget* parent, const char* name, const QString& text, double points,
                      bool bold, const QRect& geometry) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(QString::fromLatin1(name));
    QFont font(QStringLiteral("Arial"));
    if (points > 0) font.setPointSizeF(points);
    font.setBold(bold);
    l->setFont(font);
    l->setGeometry(geometry);
    return l;
}

}  // namespace torvel
