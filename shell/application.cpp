#include "application.h"

#include <QApplication>
#include <QFont>
#include <QLabel>
#include <QLibraryInfo>
#include <QTranslator>

#include "version.h"

namespace torvel {

namespace {

// Qt 6 moved some of its file dialog's words (the "Folder" of the type column,
// "Drive", "Shortcut") to a class of their own, and the French catalogue still
// files them under the dialog: they are looked up there, so the dialog reads
// French throughout. Installed first, it is asked last.
class QtFrenchFallback : public QTranslator {
  public:
    QtFrenchFallback(const QTranslator* qtbase, QObject* parent)
        : QTranslator(parent), qtbase_(qtbase) {}

    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* sourceText, const char* disambiguation,
                      int n) const override {
        static const char* const kMoved[][2] = {{"QAbstractFileIconProvider", "QFileDialog"},
                                                {"QFileIconProvider", "QFileDialog"}};
        for (const auto& [now, before] : kMoved) {
            if (qstrcmp(context, now) != 0) continue;
            QString text = qtbase_->translate(before, sourceText, disambiguation, n);
            if (text.isEmpty()) text = qtbase_->translate(before, sourceText, nullptr, n);
            return text;
        }
        return {};
    }

  private:
    const QTranslator* qtbase_;
};

}  // namespace

void initApplication(QApplication& app) {
    QApplication::setApplicationName(QStringLiteral("Torvel"));
    QApplication::setApplicationVersion(QString::fromLatin1(kVersion));
    // The windows were designed with MS Sans Serif, which Linux does not have.
    for (const char* family : {"MS Sans Serif", "Arial"})
        QFont::insertSubstitutions(QString::fromLatin1(family), {QStringLiteral("Liberation Sans"),
                                                                 QStringLiteral("DejaVu Sans")});
    auto* translator = new QTranslator(&app);
    if (translator->load(QStringLiteral("qtbase_fr"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QApplication::installTranslator(new QtFrenchFallback(translator, &app));
        QApplication::installTranslator(translator);
    }
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
