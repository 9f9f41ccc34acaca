#include "note_pdf.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QFile>
#include <QPainter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "ui_helpers.h"

using torvel::CalcNote;
using torvel::NoteDrawing;

namespace {

// A bearing study with French accents: `rows` extra rows in a second data group.
CalcNote note(int rows, std::vector<std::string> messages, std::string reference = "Arbre n°2") {
    CalcNote n;
    n.studyName = "Elément Roulant";
    n.reference = reference;
    n.fileName = "arbre à cames.torvel";
    n.dateTime = "09/12/2024 14:05";
    n.version = "1.4.1";
    n.data = {{"Charges appliquées",
               {{"Charge radiale Fr", "12,5", "kN"}, {"Vitesse", "1 500", "tr/min"}}}};
    torvel::NoteGroup dimensions{"Géométrie", {}};
    for (int i = 1; i <= rows; ++i)
        dimensions.rows.push_back({"Cote n° " + std::to_string(i), std::to_string(i) + ",5", "mm"});
    if (rows > 0) n.data.push_back(dimensions);
    n.method = {"Durée nominale selon ISO 281 : L10 = (C / P)^p, p = 3 pour les billes."};
    n.results = {{"Vie du roulement", {{"Durée L10", "1 234,5", "millions de tours"}}}};
    n.messages = std::move(messages);
    return n;
}

const NoteDrawing kDrawing{QSizeF(400, 200), [](QPainter& p, const QRectF& r) {
                               p.drawEllipse(r);
                               p.drawLine(r.topLeft(), r.bottomRight());
                               p.drawText(r, Qt::AlignBottom | Qt::AlignHCenter, "Jeu mini");
                           }};

QString run(const QString& program, const QStringList& args) {
    QProcess p;
    p.start(program, args);
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput()).normalized(QString::NormalizationForm_KC);
}

QString write(const QTemporaryDir& dir, const CalcNote& n, const NoteDrawing& d = {},
              const QString& name = "arbre à cames.torvel", const QByteArray& study = "{}") {
    const QString path = testing_ui::reportPdfPath(dir, "note.pdf");
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    EXPECT_TRUE(torvel::writeNotePdf(&file, n, d, name, study));
    return path;
}

QByteArray bytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Each text after the previous one in `text`; the first one missing, or "".
QString firstOutOfOrder(const QString& text, const QStringList& expected) {
    qsizetype at = 0;
    for (const QString& s : expected)
        if ((at = text.indexOf(s, at)) < 0) return s;
    return {};
}

// The words pdftotext finds, page by page: text and box in points.
struct Word {
    QString text;
    double xMin, yMin, xMax, yMax;
};
std::vector<std::vector<Word>> words(const QString& path) {
    std::vector<std::vector<Word>> pages;
    static const QRegularExpression tag(
        R"re(<page |<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)<)re");
    for (auto it = tag.globalMatch(run("pdftotext", {"-bbox", path, "-"})); it.hasNext();) {
        const auto m = it.next();
        if (m.captured(0) == "<page ")
            pages.emplace_back();
        else
            pages.back().push_back({m.captured(5), m.captured(1).toDouble(),
                                    m.captured(2).toDouble(), m.captured(3).toDouble(),
                                    m.captured(4).toDouble()});
    }
    return pages;
}

}  // namespace

// Also: text and drawing as vectors (no image), in embedded Liberation Sans.
TEST(NotePdf, ReadsBackWithItsTitleBlockOnEveryPageAndItsSectionsInOrder) {
    CalcNote unsaved = note(0, {}, "");
    unsaved.fileName.clear();
    CalcNote filled = note(2, {});
    filled.company = "Bureau d'études Lemaire";
    filled.project = "A-2024-117";
    filled.revision = "B";
    filled.author = "J. Martin";
    filled.checker = "P. Durand";
    filled.date = "09/12/2024";
    // An SVG logo is drawn as vectors: no image is added to the note.
    filled.logo =
        R"(<svg xmlns="http://www.w3.org/2000/svg" width="120" height="40" viewBox="0 0 120 40">)"
        R"(<rect width="120" height="40" fill="#002070"/>)"
        R"(<text x="8" y="28" font-size="20" fill="white">LEMX</text></svg>)";
    const struct {
        CalcNote note;
        NoteDrawing drawing;
        int pages;
        QStringList titleBlock, inOrder;
        QStringList absent = {};  // fields left empty take no room
    } cases[] = {
        {unsaved,
         {},
         1,
         {"Fichier : étude non enregistrée"},
         {"Title: Note de calcul – Elément Roulant\n",
          "Pages: 1\n",
          "Données",
          "Charges appliquées",
          "Charge radiale Fr",
          "12,5",
          "kN",
          "Vitesse",
          "1 500",
          "tr/min",
          "Méthode",
          "ISO 281 : L10",
          "Résultats",
          "Durée L10",
          "1 234,5",
          "millions de tours",
          "Messages",
          "Aucun",
          "Établi par",
          "Vérifié par",
          "Approuvé par"},
         {"Référence", "Affaire", "Indice", "Auteur", "Vérifié par :", "Bureau"}},
        {note(60, {"La charge dépasse Co.", "Durée hors domaine.\nVérifier la graisse."}),
         kDrawing,
         3,
         {"Référence : Arbre n°2", "Fichier : arbre à cames.torvel"},
         {"Title: Note de calcul – Elément Roulant – Arbre n°2\n", "Pages: 3\n", "Données",
          "Cote n° 1 ", "Cote n° 60 ", "60,5 mm", "Méthode", "Résultats", "Schéma", "Jeu mini",
          "Messages", "La charge dépasse Co.", "Durée hors domaine.", "Vérifier la graisse."}},
        {filled,
         {},
         1,
         {"Bureau d'études Lemaire", "Affaire : A-2024-117", "Référence : Arbre n°2", "Indice : B",
          "Auteur : J. Martin", "Vérifié par : P. Durand"},
         {"Pages: 1\n", "Données", "Messages", "Établi par", "Vérifié par", "Approuvé par",
          "Nom : J. Martin", "Nom : P. Durand", "Date : 09/12/2024", "Visa :"}},
    };
    QTemporaryDir dir;
    for (const auto& c : cases) {
        const QString path = write(dir, c.note, c.drawing);
        for (const QString& s : c.absent)
            EXPECT_FALSE(run("pdftotext", {path, "-"}).contains(s)) << qPrintable(s);
        const QString info = run("pdfinfo", {path}).replace(QRegularExpression(": +"), ": ");
        const QString text = info + run("pdftotext", {"-layout", path, "-"});
        EXPECT_EQ(firstOutOfOrder(text, c.inOrder), "") << qPrintable(text);
        EXPECT_TRUE(info.contains("Creator: TORVEL 1.4.1\n")) << qPrintable(info);
        EXPECT_TRUE(run("pdfinfo", {"-meta", path}).contains("Note de calcul TORVEL</rdf:li>"));
        EXPECT_EQ(text.contains("Schéma"), bool(c.drawing.paint));
        EXPECT_EQ(text.contains("\nAucun\n"), c.note.messages.empty());
        for (int page = 1; page <= c.pages; ++page) {
            const QString p = QString::number(page),
                          head = run("pdftotext", {"-f", p, "-l", p, path, "-"});
            const QStringList titleBlock = QStringList{"Note de calcul", "TORVEL 1.4.1",
                                                       "Elément Roulant", "09/12/2024 14:05"} +
                                               c.titleBlock
                                           << "page " + p + " / " + QString::number(c.pages);
            for (const QString& s : titleBlock) EXPECT_TRUE(head.contains(s)) << qPrintable(s);
        }
        EXPECT_EQ(run("pdfimages", {"-list", path}).count('\n'), 2);  // the header only
        const QStringList fonts = run("pdffonts", {path}).split('\n', Qt::SkipEmptyParts).mid(2);
        EXPECT_FALSE(fonts.isEmpty());
        for (const QString& font : fonts) {
            const QStringList columns = font.split(' ', Qt::SkipEmptyParts);
            EXPECT_TRUE(columns[0].startsWith("LiberationSans")) << qPrintable(font);
            EXPECT_EQ(columns.value(columns.size() - 5), "yes") << qPrintable(font);  // emb
        }
    }
}

TEST(NotePdf, FlowKeepsHeadingsWithTheirRowsAndEveryWordWithinTheMargins) {
    QTemporaryDir dir;
    const std::string longWord(90, '7');
    // Shifting the first group moves the page end across each heading that follows.
    for (int rows = 30; rows <= 42; ++rows) {
        CalcNote n = note(rows, {"Un message assez long pour passer à la ligne : " + longWord});
        n.data.push_back(
            {"Groupe court", {{"Légende très longue " + longWord, longWord, "N/mm²"}}});
        const auto pages = words(write(dir, n, kDrawing));
        ASSERT_GE(pages.size(), 2u);
        for (std::size_t i = 0; i < pages.size(); ++i) {
            double bottom = 0;
            for (const Word& w : pages[i]) {
                EXPECT_TRUE(w.xMin >= 56.2 && w.xMax <= 539.1 && w.yMax <= 797)
                    << qPrintable(w.text) << " at " << w.xMin << "," << w.yMax;
                bottom = std::max(bottom, w.yMin);
            }
            // The first word of the page's last line.
            const Word* last = nullptr;
            for (const Word& w : pages[i])
                if (w.yMin > bottom - 1 && (!last || w.xMin < last->xMin)) last = &w;
            static const QStringList headings = {"Données", "Charges", "Géométrie",
                                                 "Groupe",  "Méthode", "Résultats",
                                                 "Vie",     "Schéma",  "Messages"};
            if (i + 1 < pages.size()) {
                EXPECT_FALSE(headings.contains(last->text)) << rows << " rows, page " << i + 1;
            }
        }
    }
}

TEST(NotePdf, EmbedsTheStudyWithItsExactBytesUnderASafeName) {
    QByteArray everyByte;
    for (int b = 0; b < 256; ++b) everyByte += char(b);
    const struct {
        QString name, listed;
        QByteArray study;
    } cases[] = {
        {"arbre à cames.torvel", "arbre à cames.torvel", R"({"étude": "Elément Roulant"})"},
        {"copie (2).torvel", "copie [2].torvel", everyByte},
        {"cœur\\⌀20.torvel", "c_ur__20.torvel", QByteArray(20000, 'x')},
    };
    QTemporaryDir dir;
    for (const auto& c : cases) {
        const QString path = write(dir, note(2, {}), {}, c.name, c.study);
        EXPECT_EQ(run("pdfdetach", {"-list", path}), "1 embedded files\n1: " + c.listed + "\n");
        const QString saved = dir.filePath("saved.torvel");
        QFile::remove(saved);
        run("pdfdetach", {"-save", "1", "-o", saved, path});
        EXPECT_EQ(bytes(saved), c.study) << qPrintable(c.name);
        EXPECT_EQ(torvel::embeddedStudy(bytes(path)), c.study) << qPrintable(c.name);
        EXPECT_TRUE(bytes(path).contains("/application#2Fx-torvel-etude"));
    }
}

TEST(NotePdf, EmbeddedStudyIsNoneWithoutAWholePdfHoldingAStudy) {
    QTemporaryDir dir;
    const QByteArray pdf = bytes(write(dir, note(2, {})));
    const struct {
        const char* what;
        QByteArray bytes;
    } cases[] = {
        {"not a PDF", "{\"type\": \"Roulement\"}\n%%EOF"},
        {"empty", {}},
        {"no attachment", bytes(write(dir, note(2, {}), {}, ""))},
        {"other attachment", bytes(write(dir, note(2, {}), {}, "notes.txt"))},
        {"cut in half", pdf.left(pdf.size() / 2)},
        {"cut before its end mark", pdf.left(pdf.size() - 7)},
    };
    for (const auto& c : cases) EXPECT_EQ(torvel::embeddedStudy(c.bytes), std::nullopt) << c.what;
}

TEST(NotePdf, DrawingKeepsItsAspectWithinTheWidthAndAtMost120mmHigh) {
    const struct {
        QSizeF size;
        double aspect;
    } cases[] = {{{400, 100}, 0.25}, {{100, 400}, 4}, {{0, 0}, 0.75}, {{qInf(), 1}, 0.75}};
    QTemporaryDir dir;
    const double mm = 1200 / 25.4;
    for (const auto& c : cases) {
        QRectF target;
        write(dir, note(2, {}), {c.size, [&](QPainter&, const QRectF& r) { target = r; }});
        EXPECT_NEAR(target.height() / target.width(), c.aspect, 1e-9) << c.size.width();
        EXPECT_NEAR(target.center().x(), 105 * mm, 1);
        EXPECT_TRUE(target.width() <= 170 * mm + 1 && target.height() <= 120 * mm + 1);
    }
}

TEST(NotePdf, RefusesADeviceItCannotWrite) {
    QBuffer closed;
    QTemporaryDir dir;
    QFile readOnly(write(dir, note(2, {})));
    ASSERT_TRUE(readOnly.open(QIODevice::ReadOnly));
    for (QIODevice* device : {static_cast<QIODevice*>(nullptr), static_cast<QIODevice*>(&closed),
                              static_cast<QIODevice*>(&readOnly)})
        EXPECT_FALSE(torvel::writeNotePdf(device, note(2, {}), {}, "a.torvel", "{}"));
    EXPECT_TRUE(closed.data().isEmpty());

    QByteArray pdf;
    QBuffer buffer(&pdf);
    buffer.open(QIODevice::WriteOnly);
    ASSERT_TRUE(
        torvel::writeNotePdf(&buffer, note(60, {"Attention."}), kDrawing, "a.torvel", "{}"));
}
