#include "Section.h"

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include "ui_helpers.h"

using namespace testing_ui;

namespace {

const QStringList kShapes = {"Rectangle Plein",   "Rectangle Creux", "Cylindre Plein",
                             "Cylindre Creux",    "Triangle Base",   "Triangle Centre",
                             "Hexagone Regulier", "Trapèze",         "Ellipse",
                             "Profilé L",         "Profilé T",       "Profilé U"};

const QStringList kResults = {"TextyG", "TextzG",   "TextS",    "TextIGy", "TextIGz",
                              "TextIG", "TextIGyv", "TextIGzv", "Textry",  "Textrz"};

QComboBox* combo(QWidget* w) { return child<QComboBox>(w, "ComboType"); }

QStringList results(QWidget* w) {
    QStringList out;
    for (const QString& name : kResults) out << text(w, name);
    return out;
}

// Picks a shape from the open list with the mouse, as a user does.
void choose(QWidget* w, const QString& shape) {
    QComboBox* box = combo(w);
    const int row = box->findText(shape);
    ASSERT_GE(row, 0) << shape.toStdString();
    box->showPopup();
    QAbstractItemView* view = box->view();
    const QRect item = view->visualRect(box->model()->index(row, 0));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, item.center());
    ASSERT_FALSE(view->isVisible());
}

bool shown(Section& w, const char* name) {
    return child<QWidget>(&w, name)->isVisibleTo(w.frame());
}

QImage picture(QWidget* w) { return child<QLabel>(w, "Picture1")->pixmap().toImage(); }

QImage drawingFile(const QString& file) {
    return QImage(Section::imagesFolder() + file).convertToFormat(QImage::Format_RGB32);
}

// Moves a drawing out of images/ for the life of the object, optionally putting
// unreadable bytes in its place.
class DrawingAway {
  public:
    DrawingAway(const QString& file, bool garbage) : path_(Section::imagesFolder() + file) {
        ok_ = QFile::rename(path_, path_ + ".away");
        if (ok_ && garbage) {
            QFile f(path_);
            ok_ = f.open(QIODevice::WriteOnly) && f.write("BM not a bitmap") > 0;
        }
    }
    ~DrawingAway() {
        QFile::remove(path_);
        QFile::rename(path_ + ".away", path_);
    }
    bool ok() const { return ok_; }
    QString path() const { return path_; }

  private:
    QString path_;
    bool ok_ = false;
};

}  // namespace

TEST(Section, OpensWithItsDesignContents) {
    Section w;
    EXPECT_EQ(w.objectName(), "Section");
    EXPECT_EQ(w.windowTitle(), "Section");
    EXPECT_EQ(w.frame()->title(), "Calcul de Section");
    EXPECT_EQ(w.findChildren<QGroupBox*>().size(), 12);
    const QList<QPair<const char*, const char*>> groups = {
        {"Frame2", "Résultats"},
        {"Frame3", "Position du barycentre G"},
        {"Frame4", "Aire de la Section"},
        {"Frame5", "Moment Quadratique Polaire"},
        {"Frame6", "Moment Quadratique"},
        {"Frame7", "Module de Flexion"},
        {"Frame8", "Données"},
        {"Frame9", "Choix de la Section"},
        {"Frame10", "Référence"},
        {"Frame11", "Rayon de Giration"},
        {"FrameAxesPrincipaux", "Axes Principaux"},
    };
    for (const auto& [name, title] : groups)
        EXPECT_EQ(child<QGroupBox>(&w, name)->title(), title) << name;
    for (const char* g : {"Frame3", "Frame4", "Frame5", "Frame6", "Frame7", "Frame11"})
        EXPECT_EQ(child<QWidget>(&w, g)->parentWidget()->objectName(), "Frame2") << g;

    struct Field {
        const char* box;
        const char* label;
        const char* caption;
        const char* tip;
        const char* value = "0";
    };
    const Field fields[] = {
        {"Texta", "Labela", "a (mm) =", ""},
        {"Textb", "Labelb", "b (mm) =", ""},
        {"Textc", "Labelc", "c (mm) =", ""},
        {"Textd", "Labeld", "d (mm) =", ""},
        {"TextyG", "LabelyG", "yG =", "( mm )"},
        {"TextzG", "LabelzG", "zG =", "( mm )"},
        {"TextS", "LabelS", "S =", "( mm 2 )"},
        {"TextIG", "LabelIG", "IG =", "( mm 4 )"},
        {"TextIGy", "LabelIGy", "IGy =", "( mm 4 )"},
        {"TextIGz", "LabelIGz", "IGz =", "( mm 4 )"},
        {"TextIGyv", "LabelIGyv", "IGy/v =", "( mm 3 )"},
        {"TextIGzv", "LabelIGzv", "IGz/v =", "( mm 3 )"},
        {"Textry", "Labelry", "r ( y ) =", "( mm )"},
        {"Textrz", "Labelrz", "r ( z ) =", "( mm )"},
        {"TextIu", "LabelIu", "Iu =", "( mm 4 )", ""},
        {"TextIv", "LabelIv", "Iv =", "( mm 4 )", ""},
        {"Textrmin", "Labelrmin", "r mini =", "( mm )", ""},
    };
    for (const Field& f : fields) {
        auto* box = child<QLineEdit>(&w, f.box);
        EXPECT_EQ(box->text(), f.value) << f.box;
        EXPECT_EQ(box->toolTip(), f.tip) << f.box;
        auto* label = child<QLabel>(&w, f.label);
        EXPECT_EQ(label->text(), f.caption) << f.label;
        EXPECT_EQ(label->buddy(), box) << f.label;
    }
    EXPECT_EQ(text(&w, "TextRef"), "");
    EXPECT_EQ(child<QLabel>(&w, "LabelType")->text(), "Type :");
    EXPECT_EQ(child<QLabel>(&w, "LabelType")->buddy(), combo(&w));

    QComboBox* box = combo(&w);
    EXPECT_TRUE(box->isEditable());
    EXPECT_EQ(box->currentText(), "Rectangle Plein");
    QStringList items;
    for (int i = 0; i < box->count(); ++i) items << box->itemText(i);
    EXPECT_EQ(items, kShapes);

    // The drawing stored with the window, at the size of the drawing files.
    const QImage stored = picture(&w);
    ASSERT_FALSE(stored.isNull());
    EXPECT_EQ(stored.size(), QSize(280, 240));
    EXPECT_EQ(child<QLabel>(&w, "Picture1")->contentsRect().size(), QSize(280, 240));
}

TEST(Section, EveryShapeShowsItsDrawingAndItsFields) {
    // Columns: entries a b c d, yG (with Frame3), zG, IGy/IGy/v/ry/IG (with Frame5).
    struct Row {
        const char* shape;
        const char* file;
        bool a, b, c, d, yG, zG, yBending;
    };
    const Row table[] = {
        {"Rectangle Plein", "Rectangle-Plein.bmp", 1, 1, 0, 0, 0, 0, 1},
        {"Rectangle Creux", "Rectangle-Creux.bmp", 1, 1, 1, 1, 0, 0, 1},
        {"Cylindre Plein", "Cylindre-Plein.bmp", 1, 0, 0, 0, 0, 0, 1},
        {"Cylindre Creux", "Cylindre-Creux.bmp", 1, 1, 0, 0, 0, 0, 1},
        {"Triangle Base", "Triangle-Base.bmp", 1, 1, 0, 0, 1, 0, 1},
        {"Triangle Centre", "Triangle-Centre.bmp", 1, 1, 0, 0, 1, 0, 1},
        {"Hexagone Regulier", "Hexagone-Regulier.bmp", 1, 1, 0, 0, 0, 0, 1},
        {"Trapèze", "Trapeze.bmp", 1, 1, 1, 0, 1, 0, 0},
        {"Ellipse", "Ellipse.bmp", 1, 1, 0, 0, 0, 0, 1},
        {"Profilé L", "Profile-L.bmp", 1, 1, 1, 0, 1, 1, 1},
        {"Profilé T", "Profile-T.bmp", 1, 1, 1, 0, 1, 0, 1},
        {"Profilé U", "Profile-U.bmp", 1, 1, 1, 1, 1, 0, 1},
    };
    Section w;
    w.show();
    QSet<QByteArray> seen;
    // Twice round, the second time in reverse, so every shape follows another.
    QList<Row> order(std::begin(table), std::end(table));
    for (auto it = std::rbegin(table); it != std::rend(table); ++it) order << *it;
    for (const Row& r : order) {
        SCOPED_TRACE(r.shape);
        EXPECT_TRUE(catchMessages([&] { choose(&w, QString::fromUtf8(r.shape)); }).isEmpty());
        const QImage file = drawingFile(r.file);
        ASSERT_FALSE(file.isNull()) << r.file;
        EXPECT_EQ(picture(&w).convertToFormat(QImage::Format_RGB32), file);
        seen.insert(
            QByteArray(reinterpret_cast<const char*>(file.constBits()), file.sizeInBytes()));
        const bool entry[] = {r.a, r.b, r.c, r.d};
        for (int i = 0; i < 4; ++i) {
            const char letter = "abcd"[i];
            EXPECT_EQ(shown(w, QByteArray("Text") + letter), entry[i]) << letter;
            EXPECT_EQ(shown(w, QByteArray("Label") + letter), entry[i]) << letter;
        }
        for (const char* name : {"Frame3", "TextyG", "LabelyG"})
            EXPECT_EQ(shown(w, name), r.yG) << name;
        for (const char* name : {"TextzG", "LabelzG"}) EXPECT_EQ(shown(w, name), r.zG) << name;
        for (const char* name : {"Frame5", "TextIG", "LabelIG", "TextIGy", "LabelIGy", "TextIGyv",
                                 "LabelIGyv", "Textry", "Labelry"})
            EXPECT_EQ(shown(w, name), r.yBending) << name;
        for (const char* name : {"TextS", "LabelS", "TextIGz", "LabelIGz", "TextIGzv", "LabelIGzv",
                                 "Textrz", "Labelrz", "Frame4", "Frame6", "Frame7", "Frame11"})
            EXPECT_TRUE(shown(w, name)) << name;
    }
    EXPECT_EQ(seen.size(), 12);  // twelve distinct drawings were read
}

TEST(Section, OpeningLayoutIsThatOfRectanglePlein) {
    Section fresh;
    Section chosen;
    choose(&chosen, "Profilé L");
    choose(&chosen, "Rectangle Plein");
    for (QWidget* c : fresh.frame()->findChildren<QWidget*>()) {
        if (c->objectName().isEmpty()) continue;
        QWidget* other = chosen.findChild<QWidget*>(c->objectName());
        ASSERT_NE(other, nullptr);
        EXPECT_EQ(c->isVisibleTo(fresh.frame()), other->isVisibleTo(chosen.frame()))
            << c->objectName().toStdString();
    }
}

TEST(Section, KeyboardChoiceCountsAsAChoice) {
    Section w;
    QTest::keyClick(combo(&w), Qt::Key_Down);
    EXPECT_EQ(combo(&w)->currentText(), "Rectangle Creux");
    EXPECT_TRUE(shown(w, "Textd"));
    EXPECT_EQ(picture(&w).convertToFormat(QImage::Format_RGB32),
              drawingFile("Rectangle-Creux.bmp"));
}

TEST(Section, TypedShapeChangesNeitherDrawingNorFieldsButIsComputed) {
    for (const char* locale : {"fr_FR", "en_US"}) {
        LocaleScope scope(locale);
        Section w;
        showActive(&w);
        choose(&w, "Rectangle Creux");
        set(&w, "Texta", "40");
        set(&w, "Textb", "20");
        set(&w, "Textc", "20");
        set(&w, "Textd", "10");
        choose(&w, "Rectangle Plein");
        const QImage before = picture(&w);
        EXPECT_FALSE(shown(w, "Textc"));
        EXPECT_EQ(text(&w, "Textc"), "20");  // hidden, kept

        QLineEdit* typed = combo(&w)->lineEdit();
        type(typed, "Rectangle Creux");
        QTest::keyClick(typed, Qt::Key_Return);
        child<QLineEdit>(&w, "Texta")->setFocus();  // and leave the selector
        EXPECT_EQ(combo(&w)->currentText(), "Rectangle Creux");
        EXPECT_EQ(combo(&w)->count(), 12);
        EXPECT_EQ(picture(&w), before);
        EXPECT_FALSE(shown(w, "Textc"));
        EXPECT_FALSE(shown(w, "Textd"));

        // The hidden c and d are read: S = 40·20 − 20·10.
        EXPECT_TRUE(catchMessages([&] { click(&w, "BtCalculer"); }).isEmpty());
        EXPECT_EQ(text(&w, "TextS"),
                  QString(locale == QStringLiteral("fr_FR") ? "600,000" : "600.000"));
    }
}

TEST(Section, HiddenEntriesKeepTheirText) {
    Section w;
    choose(&w, "Profilé U");
    set(&w, "Textd", "7.5");
    choose(&w, "Profilé T");
    EXPECT_FALSE(shown(w, "Textd"));
    EXPECT_EQ(text(&w, "Textd"), "7.5");
    choose(&w, "Profilé U");
    EXPECT_TRUE(shown(w, "Textd"));
    EXPECT_EQ(text(&w, "Textd"), "7.5");
}

TEST(Section, ResultsToTheDisplayedTextInBothLocales) {
    struct Case {
        const char* shape;
        QList<QPair<const char*, const char*>> entries;
        QStringList fr;  // yG zG S IGy IGz IG IGy/v IGz/v ry rz
    };
    const Case cases[] = {
        {"Rectangle Plein",
         {{"Texta", "40"}, {"Textb", "20"}},
         {"0,000", "0,000", "800,000", "26666,666", "106666,664", "133333,328", "2666,667",
          "5333,333", "5,774", "11,547"}},
        {"Profilé L",
         {{"Texta", "100"}, {"Textb", "100"}, {"Textc", "10"}},
         {"28,684", "28,684", "1900,000"}},
        {"Trapèze",
         {{"Texta", "30"}, {"Textb", "10"}, {"Textc", "12"}},
         {"5,000", "0,000", "240,000", "0,000", "2640,000", "2640,000", "0,000", "377,143", "0,000",
          "3,317"}},
    };
    for (const char* locale : {"fr_FR", "en_US"}) {
        LocaleScope scope(locale);
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(locale) + " " + c.shape);
            Section w;
            choose(&w, QString::fromUtf8(c.shape));
            for (const auto& [name, value] : c.entries) set(&w, name, value);
            EXPECT_TRUE(catchMessages([&] { click(&w, "BtCalculer"); }).isEmpty());
            QStringList expected = c.fr;
            if (QByteArray(locale) == "en_US") expected.replaceInStrings(",", ".");
            EXPECT_EQ(results(&w).mid(0, expected.size()), expected);
        }
    }
}

TEST(Section, PrincipalAxesOfTheLAndNoneForTheTrapeze) {
    LocaleScope locale("fr_FR");
    struct Case {
        const char *shape, *a, *b, *c;
        QStringList shown;  // Iu, Iv, r mini
    };
    const Case cases[] = {
        {"Profilé L", "100", "100", "10", {"2865833,333", "734254,386", "19,658"}},
        {"Trapèze", "30", "10", "12", {"", "", ""}},
        {"Profilé L", "100", "60", "10", {"1673133,520", "251866,480", "12,958"}},
    };
    Section w;
    w.show();
    auto shown = [&] {
        return QStringList{text(&w, "TextIu"), text(&w, "TextIv"), text(&w, "Textrmin")};
    };
    for (const Case& c : cases) {
        choose(&w, c.shape);
        for (const auto& [box, value] : {std::pair{"Texta", c.a}, {"Textb", c.b}, {"Textc", c.c}})
            set(&w, box, value);
        click(&w, "BtCalculer");
        EXPECT_EQ(shown(), c.shown) << c.shape;
    }
    set(&w, "Textc", "100");  // a stopped run leaves them
    EXPECT_EQ(catchMessages([&] { click(&w, "BtCalculer"); }).size(), 1);
    EXPECT_EQ(shown(), cases[2].shown);
}

TEST(Section, ZGOfTheLastProfileLStaysAfterAnotherShape) {
    LocaleScope locale("fr_FR");
    Section w;
    choose(&w, "Profilé L");
    set(&w, "Texta", "100");
    set(&w, "Textb", "100");
    set(&w, "Textc", "10");
    click(&w, "BtCalculer");
    choose(&w, "Rectangle Plein");
    set(&w, "Texta", "40");
    set(&w, "Textb", "20");
    click(&w, "BtCalculer");
    EXPECT_EQ(text(&w, "TextzG"), "28,684");
    EXPECT_EQ(text(&w, "TextyG"), "0,000");
    EXPECT_EQ(text(&w, "TextS"), "800,000");
    EXPECT_FALSE(shown(w, "TextzG"));
}

TEST(Section, StopMessagesLeaveEveryResultAsItWas) {
    LocaleScope locale("fr_FR");
    struct Case {
        const char* what;
        const char* shape;  // typed into the selector
        QList<QPair<const char*, const char*>> entries;
        const char* message;
    };
    const char* unknown = "Veuillez choisir une section dans la liste des sections proposées !";
    const Case cases[] = {
        {"empty b", "Rectangle Plein", {{"Textb", ""}}, "Veuillez entrer toutes les données !"},
        {"comma zero",
         "Rectangle Plein",
         {{"Texta", "0,0"}},
         "Veuillez entrer toutes les données !"},
        {"bore equals diameter",
         "Cylindre Creux",
         {{"Texta", "20"}, {"Textb", "20"}},
         "Calcul impossible !"},
        {"hexagon side and width across flats disagree",
         "Hexagone Regulier",
         {{"Texta", "10"}, {"Textb", "20"}},
         "Calcul impossible !"},
        {"beyond single precision", "Cylindre Plein", {{"Texta", "1E10"}}, "Calcul impossible !"},
        {"unknown name", "Carré", {}, unknown},
        {"case matters", "rectangle plein", {}, unknown},
        {"empty name", "", {}, unknown},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Section w;
        set(&w, "Texta", "40");
        set(&w, "Textb", "20");
        click(&w, "BtCalculer");
        const QStringList before = results(&w);
        ASSERT_EQ(before[2], "800,000");
        const QImage drawing = picture(&w);
        type(combo(&w)->lineEdit(), QString::fromUtf8(c.shape));
        // Set as if pasted: the keystroke filter would drop the comma and the E.
        for (const auto& [name, value] : c.entries)
            child<QLineEdit>(&w, name)->setText(QString::fromUtf8(value));
        const QStringList messages = catchMessages([&] { click(&w, "BtCalculer"); });
        EXPECT_EQ(messages, QStringList{QString::fromUtf8(c.message)});
        EXPECT_EQ(lastBoxLook().title, "Attention");
        EXPECT_EQ(results(&w), before);
        EXPECT_EQ(picture(&w), drawing);
        for (const QString& r : results(&w)) EXPECT_FALSE(r.contains("inf") || r.contains("nan"));
    }
}

TEST(Section, EntriesTakeOnlyNumbersResultsAreNotTyped) {
    Section w;
    showActive(&w);
    choose(&w, "Rectangle Creux");
    for (const char* name : {"Texta", "Textb", "Textc", "Textd"}) {
        auto* box = child<QLineEdit>(&w, name);
        type(box, "-1,2.5a é");
        EXPECT_EQ(box->text(), "1,2.5") << name;
        QTest::keyClick(box, Qt::Key_Return);
        EXPECT_TRUE(box->hasFocus()) << name;
    }
    for (const QString& name : kResults)
        EXPECT_TRUE(child<QLineEdit>(&w, name)->isReadOnly()) << name.toStdString();
}

TEST(Section, MissingOrUnreadableDrawingKeepsThePreviousOne) {
    for (const bool garbage : {false, true}) {
        SCOPED_TRACE(garbage ? "unreadable" : "missing");
        Section w;
        choose(&w, "Ellipse");
        const QImage ellipse = picture(&w);
        DrawingAway away("Trapeze.bmp", garbage);
        ASSERT_TRUE(away.ok());
        const QStringList messages = catchMessages([&] { choose(&w, "Trapèze"); });
        ASSERT_EQ(messages.size(), 1);
        EXPECT_TRUE(messages[0].contains(QDir::toNativeSeparators(away.path())))
            << messages[0].toStdString();
        EXPECT_EQ(lastBoxLook().title, "Attention");
        EXPECT_EQ(picture(&w), ellipse);
        // The shape is chosen all the same: its fields are shown and it computes.
        EXPECT_TRUE(shown(w, "Textc"));
        EXPECT_FALSE(shown(w, "Frame5"));
        set(&w, "Texta", "30");
        set(&w, "Textb", "10");
        set(&w, "Textc", "12");
        EXPECT_TRUE(catchMessages([&] { click(&w, "BtCalculer"); }).isEmpty());
        EXPECT_EQ(text(&w, "TextS"), "240,000");
    }
}

TEST(Section, PrintsTheWindowImageAndComesBackToScreen) {
    LocaleScope locale("fr_FR");
    QTemporaryDir dir;
    const QString pdf = reportPdfPath(dir, "section.pdf");
    Section w;
    w.show();
    choose(&w, "Trapèze");
    set(&w, "TextRef", "Poutre 7");
    set(&w, "Texta", "30");
    set(&w, "Textb", "10");
    set(&w, "Textc", "12");
    click(&w, "BtCalculer");
    const QStringList before = results(&w);
    const QImage look = w.grab().toImage();

    EXPECT_TRUE(answerPrintDialog([&] { click(&w, "BtImprimer"); }, pdf, 2).isEmpty());
    EXPECT_EQ(pdfPages(pdf), 2);
    const QString printed = pdfText(pdf);
    EXPECT_EQ(printed.count("Calcul de Section établi le "), 2) << printed.toStdString();
    for (const char* seen : {"Poutre 7", "Trapèze", "IGz =", "377,143", "2640,000", "Résultats",
                             "Axes Principaux", "r mini ="})
        EXPECT_TRUE(printed.contains(QString::fromUtf8(seen))) << seen;
    // What the shape hides stays off the paper, and so do the buttons.
    for (const char* unseen : {"IGy =", "zG =", "d (mm)", "Moment Quadratique Polaire", "r ( y )",
                               "Calculer", "Imprimer"})
        EXPECT_FALSE(printed.contains(QString::fromUtf8(unseen))) << unseen;

    EXPECT_EQ(w.frame()->title(), "Calcul de Section");
    for (const char* b : {"BtCalculer", "BtImprimer", "Coin"})
        EXPECT_TRUE(child<QWidget>(&w, b)->isVisible()) << b;
    const QColor face = QApplication::palette().color(QPalette::Button);
    for (const char* name :
         {"Frame1", "Frame2", "Frame11", "Textry", "Textrz", "Labelry", "LabelType"})
        EXPECT_EQ(child<QWidget>(&w, name)->palette().color(QPalette::Window), face) << name;
    EXPECT_EQ(results(&w), before);
    EXPECT_EQ(w.grab().toImage(), look);
}

TEST(Section, PrintRecoloursTheListedControlsOnly) {
    Section w;
    QStringList names;
    for (QWidget* c : w.printRecoloured()) names << c->objectName();
    // Frame1 and the window itself are recoloured by the frame.
    QStringList expected = {"Frame2", "Frame3", "Frame4",  "Frame5",  "Frame6",   "Frame7",
                            "Frame8", "Frame9", "Frame10", "Frame11", "LabelType"};
    expected << "FrameAxesPrincipaux";
    for (const char* letter : {"a", "b", "c", "d"})
        expected << QStringLiteral("Text") + letter << QStringLiteral("Label") + letter;
    for (const QString& r : kResults + QStringList{"TextIu", "TextIv", "Textrmin"})
        expected << r << "Label" + r.mid(4);
    names.sort();
    expected.sort();
    EXPECT_EQ(names, expected);
    EXPECT_EQ(names.size(), 11 + 17 + 18);
}

TEST(Section, CancelledPrintPrintsNothingAndRestores) {
    QTemporaryDir dir;
    Section w;
    w.show();
    const QImage look = w.grab().toImage();
    EXPECT_TRUE(answerPrintDialog([&] { click(&w, "BtImprimer"); }, QString()).isEmpty());
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
    EXPECT_TRUE(child<QWidget>(&w, "BtCalculer")->isVisible());
    EXPECT_EQ(w.frame()->title(), "Calcul de Section");
    EXPECT_EQ(w.grab().toImage(), look);
}

TEST(Section, CalculerBringsBackAWindowLeftInPrintAppearance) {
    Section w;
    w.show();
    const QColor paper = QApplication::palette().color(QPalette::HighlightedText);
    for (const char* name : {"Frame1", "Frame11", "Textrz", "Labelrz"}) {
        QWidget* c = child<QWidget>(&w, name);
        QPalette pal = c->palette();
        pal.setColor(QPalette::Window, paper);
        c->setPalette(pal);
    }
    child<QWidget>(&w, "BtImprimer")->hide();
    set(&w, "Texta", "40");
    set(&w, "Textb", "20");
    click(&w, "BtCalculer");
    const QColor face = QApplication::palette().color(QPalette::Button);
    for (const char* name : {"Frame1", "Frame11", "Textrz", "Labelrz"})
        EXPECT_EQ(child<QWidget>(&w, name)->palette().color(QPalette::Window), face) << name;
    EXPECT_TRUE(child<QWidget>(&w, "BtImprimer")->isVisible());
}

TEST(Section, PrintCaptionCarriesDateAndTime) {
    LocaleScope locale("fr_FR");
    const QString caption = Section::printCaption();
    EXPECT_TRUE(caption.startsWith("Calcul de Section établi le "));
    EXPECT_TRUE(caption.contains(QDate::currentDate().toString("dd/MM/yyyy")));
    EXPECT_TRUE(caption.contains(QRegularExpression(" à \\d\\d:\\d\\d:\\d\\d$")));
}
