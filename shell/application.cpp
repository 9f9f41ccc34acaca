#include "application.h"

#include <QApplication>
#include <QFont>
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

}  // namespace torvel
