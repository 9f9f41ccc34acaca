#include "Ajustements.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QScopedValueRollback>
#include <algorithm>
#include <cmath>
#include <functional>

#include "identity.h"
#include "numbers.h"
#include "twips.h"
#include "ui_text.h"
#include "usual_fits.h"

using torvel::fits::Side;
using torvel::fits::SideSelection;
using torvel::fits::TileStrip;
using torvel::fits::ZonePicture;

namespace {

const QColor kBlack(0, 0, 0);
const QColor kWhite(255, 255, 255);
const QColor kRed(255, 0, 0);   // interference fit
const QColor kBlue(0, 0, 255);  // clearance fit

const QString kDiameterSign = QStringLiteral("\u2300");

torvel::fits::FitsSelection& state() { return torvel::fits::fitsSelection(); }

// A value as the fields show it: the shortest decimal form with up to 15
// significant digits, with the locale's decimal separator.
QString valueText(double value) {
    if (value == 0.0) value = 0.0;  // no "-0"
    QString text = QString::number(value, 'g', 15);
    text.replace(QLatin1Char('.'), torvel::decimalSeparator());
    return text;
}

QFont signFont(const QFont& base) {
    QFont f = base;
    // A font that has the diameter sign; Qt falls back further if none is installed.
    f.setFamilies({QStringLiteral("DejaVu Sans"), QStringLiteral("Segoe UI Symbol"),
                   QStringLiteral("Cambria Math")});
    f.setPointSizeF(9.75);
    f.setBold(true);
    return f;
}

// Key filter of Diametre: digits, ".", "," and Backspace pass; every other typed
// character (Enter included, Tab excepted) is dropped, after which the diameter is read
// again from the box text.
class DiameterFilter : public QObject {
  public:
    DiameterFilter(QObject* parent, std::function<void()> onDiscard)
        : QObject(parent), onDiscard_(std::move(onDiscard)) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const QString text = torvel::typedText(event);
        if (text.isEmpty() || torvel::isNumericText(text))
            return QObject::eventFilter(watched, event);
        onDiscard_();
        return true;
    }

  private:
    std::function<void()> onDiscard_;
};

// Whether a letter offers that grade at some diameter.
bool offeredSomewhere(Side side, const std::string& letter, int grade) {
    for (const auto& band : torvel::fits::availabilityBands(side, letter))
        if (std::find(band.grades.begin(), band.grades.end(), grade) != band.grades.end())
            return true;
    return false;
}

}  // namespace

// clang-format off
Ajustements::Ajustements(QWidget* parent) : StudyWindow({.typeName = QStringLiteral("Ajustements"),
        .caption = QStringLiteral("Ajustements"),
        .clientWidth = 9900, .clientHeight = 8500, .frameWidth = 9300, .frameHeight = 20700,
        .frameCaption = QStringLiteral("Ajustements")}, parent) {
    // clang-format on
    buildPopup();
    buildFrame2();
    buildToolbars();
    buildUsualFits();
    buildZones();
    buildPressFit();

    // Only takes the focus, so that no tile or bar keeps a caret; it is handed
    // the focus by a tile click or a scroll bar, never reached by Tab.
    recupCurseur_ = addEdit(frame(), QStringLiteral("recup_curseur"), QStringLiteral("Text1"), 150,
                            4500, 30, 30);
    recupCurseur_->setFocusPolicy(Qt::NoFocus);
    recupCurseur_->setReadOnly(true);
    recupCurseur_->setFrame(false);
    recupCurseur_->setStyleSheet(QStringLiteral("background: transparent; color: transparent;"));
    setFocusSink(recupCurseur_);

    for (QLabel* l : {hole_.name, hole_.upper, hole_.lower, hole_.max, hole_.min, shaft_.name,
                      shaft_.upper, shaft_.lower, shaft_.max, shaft_.min, jMax_, jMin_})
        designTexts_.insert(l, l->text());
    Form_Load();
    keepTiles();
    declarePressFit();
    setNoteDrawing({.painted = zones_});
    // Beside the clearances, which a new diameter leaves from the previous one.
    addOutOfDateMark(jMax_->parentWidget(), QRect(2900, 1290, 1450, 480));
}

// A study file keeps the diameter, the list, the class of each side the user
// chose and whether a diameter typed since hides the side. Opening starts from
// a fresh window, types the diameter and makes the same choices again; a side
// the diameter leaves hidden (typed since its click, out of range) comes back
// chosen and hidden, to show again at the next tile click, and nothing is
// computed from it.
void Ajustements::keepTiles() {
    static const QString kList = QStringLiteral("ComboAjustementsUsuels");
    static const QString kDiameter = QStringLiteral("Diametre");
    static const QString kYes = QStringLiteral("Oui");
    auto key = [](Side side, const char* what) {
        return QString::fromLatin1(side == Side::Hole ? "Alesage" : "Arbre") +
               QString::fromLatin1(what);
    };
    KeptState kept;
    kept.save = [this, key] {
        QJsonObject o;
        o[kDiameter] = diametre_->text();
        o[kList] = usualFits_->currentText();
        for (Side side : {Side::Hole, Side::Shaft}) {
            const SideFields& f = fields(side);
            const SideSelection& s = state().side(side);
            o[key(side, "Lettre")] = f.chosen ? torvel::fromStd(s.Lettre) : QString();
            o[key(side, "Qualite")] = f.chosen ? torvel::fromStd(s.Qualite) : QString();
            // A side nobody chose is hidden too, by the first diameter typed.
            o[key(side, "Masque")] = !f.shown ? kYes : QString();
        }
        return o;
    };
    kept.check = [this, key](const QJsonObject& o) -> QString {
        const QString diameter = o.value(kDiameter).toString();
        if (diameter.size() > diametre_->maxLength())
            return QStringLiteral("le texte de « %1 » est trop long").arg(kDiameter);
        // What the box takes from the keyboard, or a number written otherwise.
        if (!torvel::isNumericText(diameter) && !torvel::holdsNumber(torvel::toStd(diameter)))
            return QStringLiteral("le diamètre « %1 » n'est pas un nombre").arg(diameter);
        const int fit = usualFits_->findText(o.value(kList).toString());
        for (Side side : {Side::Hole, Side::Shaft}) {
            const QString letter = o.value(key(side, "Lettre")).toString();
            const QString grade = o.value(key(side, "Qualite")).toString();
            const QString masked = o.value(key(side, "Masque")).toString();
            if (!masked.isEmpty() && masked != kYes)
                return QStringLiteral("le champ « %1 » ne vaut ni « Oui » ni rien")
                    .arg(key(side, "Masque"));
            if (letter.isEmpty() && grade.isEmpty()) continue;
            bool number = false;
            const int g = grade.toInt(&number);
            const QString sideName =
                side == Side::Hole ? QStringLiteral("l'alésage") : QStringLiteral("l'arbre");
            if (torvel::fits::letterTileIndex(side, torvel::toStd(letter)) < 0 || !number ||
                grade != QString::number(g) || torvel::fits::gradeTileIndex(side, g) < 0)
                return QStringLiteral("%1 « %2 » ne désigne pas une classe de tolérance")
                    .arg(sideName, letter + grade);
            // A class offered at no diameter was never chosen in a window; one
            // the file's diameter does not offer is kept, as the window keeps it.
            if (!offeredSomewhere(side, torvel::toStd(letter), g))
                return QStringLiteral("la classe %1 n'existe à aucun diamètre")
                    .arg(torvel::fromStd(torvel::fits::classKey(side, torvel::toStd(letter), g)));
            // The list names the classes its fit chose, never others.
            if (fit > 0) {
                const auto& f = torvel::fits::usualFits()[static_cast<size_t>(fit - 1)];
                const bool hole = side == Side::Hole;
                if (torvel::toStd(letter) != (hole ? f.holeLetter : f.shaftLetter) ||
                    g != (hole ? f.holeGrade : f.shaftGrade))
                    return QStringLiteral(
                               "le nom d'ajustement usuel « %1 » ne correspond pas aux classes")
                        .arg(o.value(kList).toString());
            }
        }
        return {};
    };
    kept.restore = [this, key](const QJsonObject& o) {
        startAfresh();
        restorePressFitMaterials(o);
        const QString diameter = o.value(kDiameter).toString();
        diametre_->setText(diameter);
        state().Diametre_Nom = torvel::readNumber(diametre_->text());
        followDiameter();
        const bool inRange = torvel::fits::checkDiameter(state().Diametre_Nom).accepted;
        // A file that names a usual fit but no tiles (written by hand) takes the fit's classes.
        const int fit = std::max(0, usualFits_->findText(o.value(kList).toString()));
        const auto fits = torvel::fits::usualFits();
        for (Side side : {Side::Hole, Side::Shaft}) {
            std::string letter = torvel::toStd(o.value(key(side, "Lettre")).toString());
            int grade = o.value(key(side, "Qualite")).toString().toInt();
            if (letter.empty() && fit > 0) {
                const auto& f = fits[static_cast<size_t>(fit - 1)];
                letter = side == Side::Hole ? f.holeLetter : f.shaftLetter;
                grade = side == Side::Hole ? f.holeGrade : f.shaftGrade;
            }
            if (!letter.empty()) chooseClass(side, letter, grade);
        }
        usualFits_->setCurrentIndex(fit);
        // Hidden as in the window that saved: a side said so, any side out of
        // range, a side nobody chose once a diameter was typed (older files say
        // nothing of it); the window opens at "2" without a diameter typed.
        bool anyShown = false;
        bool anyHidden = false;
        for (Side side : {Side::Hole, Side::Shaft}) {
            const bool chosen = fields(side).chosen;
            const bool hidden = o.value(key(side, "Masque")).toString() == kYes || !inRange ||
                                (!chosen && diameter != QStringLiteral("2"));
            setSideColour(side, hidden ? kWhite : kBlack);
            anyShown = anyShown || (chosen && !hidden);
            anyHidden = anyHidden || hidden;
        }
        if (anyShown) {
            // Both sides looked up at this diameter, as the click that showed one did.
            showResultsOutOfDate({jMax_, jMin_}, false);
            for (Side side : {Side::Hole, Side::Shaft}) {
                Ecarts(side);
                Affiche(side);
            }
        } else if (anyHidden && (hole_.chosen || shaft_.chosen)) {
            // The clearances of a diameter before this one are not in the file: none
            // is shown, only the mark; the design captions stay while nothing is chosen.
            jMax_->clear();
            jMin_->clear();
        }
        drawZones(anyShown || anyHidden);
        // Marked, then the press fit run again, in the order the window that saved
        // them met an entry typed: its refusal is said in its own colour.
        markClearances();
        computePressFit();
        if (anyShown || anyHidden) setShownMessages(sideMessages());
    };
    setKeptState(std::move(kept));
    connect(diametre_, &QLineEdit::textChanged, this, [this] { keptStateChanged(); });
}

// The side's class chosen as its two tiles would choose it, nothing computed.
void Ajustements::chooseClass(Side side, const std::string& letter, int grade) {
    SideSelection& s = state().side(side);
    SideFields& f = fields(side);
    s.Lettre = letter;
    s.Qualite = std::to_string(grade);
    s.Sel_Cl = torvel::fits::letterTileIndex(side, letter);
    s.Sel_Ql = torvel::fits::gradeTileIndex(side, grade);
    f.letters->Selectionne_Tuile(s.Sel_Cl);
    f.letters->setSelected(s.Sel_Cl);
    followDiameter();
    f.grades->Selectionne_Tuile(s.Sel_Ql);
    f.grades->setSelected(s.Sel_Ql);
    s.Classe = torvel::fits::classKey(side, letter, grade);
    f.name->setText(torvel::fromStd(s.Classe));
    f.chosen = true;
}

void Ajustements::buildPopup() {
    QGroupBox* popup = addGroup(frame(), QStringLiteral("Popup"),
                                QStringLiteral("Choix du diamètre"), 150, 300, 4400, 1800);
    QLabel* sign = addLabel(popup, QStringLiteral("Label5"), kDiameterSign, 150, 390, 300, 315);
    sign->setFont(signFont(font()));
    diametre_ =
        addEdit(popup, QStringLiteral("Diametre"), QStringLiteral("Text1"), 450, 390, 1100, 315);
    sign->setBuddy(diametre_);
    diametre_->installEventFilter(
        new DiameterFilter(diametre_, [this] { Diametre_KeyDiscarded(); }));
    connect(diametre_, &QLineEdit::textChanged, this, [this] { Diametre_Change(); });

    QFont nameFont = font();
    nameFont.setPointSizeF(9.75);
    nameFont.setBold(true);
    struct SideDesign {
        Side side;
        const char* name;
        const char* text;
        const char* upper;
        const char* upperText;
        const char* lower;
        const char* lowerText;
        int left;
    };
    const SideDesign designs[] = {
        {Side::Hole, "Aj_Ale", "H7", "Af_Ec_Sup_Al", "0.01", "Af_Ec_Inf_Al", "0", 150},
        {Side::Shaft, "Aj_Arb", "g6", "Af_Ec_Sup_Ar", "-0.002", "Af_Ec_Inf_Ar", "-0.008", 2250},
    };
    for (const SideDesign& s : designs) {
        SideFields& f = fields(s.side);
        f.name = addLabel(popup, QString::fromLatin1(s.name), QString::fromLatin1(s.text), s.left,
                          1020, 850, 330);
        f.name->setFont(nameFont);
        f.upper = addLabel(popup, QString::fromLatin1(s.upper), QString::fromLatin1(s.upperText),
                           s.left + 900, 900, 1150, 255);
        f.lower = addLabel(popup, QString::fromLatin1(s.lower), QString::fromLatin1(s.lowerText),
                           s.left + 900, 1200, 1150, 255);
    }
}

void Ajustements::buildFrame2() {
    QGroupBox* frame2 = addGroup(frame(), QStringLiteral("Frame2"),
                                 QStringLiteral("Calcul des jeux"), 4700, 300, 4450, 1800);
    struct Row {
        const char* label;
        const char* caption;
        const char* sign;  // empty for the clearances
        const char* value;
        const char* design;
    };
    const Row rows[] = {
        {"Label7", "Alésage maxi :", "Label11", "Res_Al_Max", "2.01"},
        {"Label8", "Alésage mini :", "Label6", "Res_Al_Min", "2"},
        {"Label9", "Arbre maxi :", "Label4", "Res_Ar_Max", "1.998"},
        {"Label10", "Arbre mini :", "Label3", "Res_Ar_Min", "1.992"},
        {"Label1", "Jeu Maxi :", "", "J_Max", "0.0180"},
        {"Label2", "Jeu mini :", "", "J_Min", "0.0020"},
    };
    int top = 270;
    QList<QLabel*> values;
    for (const Row& r : rows) {
        if (values.size() == 4) top += 60;
        QLabel* caption = addLabel(frame2, QString::fromLatin1(r.label),
                                   QString::fromUtf8(r.caption), 150, top, 1550, 255);
        if (*r.sign) {
            QLabel* sign = addLabel(frame2, QString::fromLatin1(r.sign), kDiameterSign, 1700,
                                    top - 30, 300, 285);
            sign->setFont(signFont(font()));
        }
        QLabel* value = addLabel(frame2, QString::fromLatin1(r.value),
                                 QString::fromLatin1(r.design), 2000, top, 1500, 255);
        value->setTextInteractionFlags(Qt::TextSelectableByMouse);
        caption->setBuddy(value);
        values << value;
        top += 240;
    }
    hole_.max = values[0];
    hole_.min = values[1];
    shaft_.max = values[2];
    shaft_.min = values[3];
    jMax_ = values[4];
    jMin_ = values[5];
}

void Ajustements::buildToolbars() {
    QGroupBox* toolbars = addGroup(frame(), QStringLiteral("Toolbars"),
                                   QStringLiteral("Choix de l'ajustement"), 150, 2250, 9000, 2150);
    auto texts = [](Side side, bool grades) {
        QStringList out;
        if (grades) {
            for (int i = 0; i < torvel::fits::gradeTileCount(side); ++i)
                out << QString::number(torvel::fits::gradeOfTile(side, i));
        } else {
            for (const std::string& l : torvel::fits::letters(side)) out << torvel::fromStd(l);
        }
        return out;
    };
    hole_.letters =
        new TileStrip(toolbars, QStringLiteral("Lbl_TB_Cl_Al"), texts(Side::Hole, false), 200, 330);
    hole_.grades =
        new TileStrip(toolbars, QStringLiteral("Lbl_TB_Ql_Al"), texts(Side::Hole, true), 200, 730);
    shaft_.letters = new TileStrip(toolbars, QStringLiteral("Lbl_TB_Cl_Ar"),
                                   texts(Side::Shaft, false), 200, 1230);
    shaft_.grades = new TileStrip(toolbars, QStringLiteral("Lbl_TB_Ql_Ar"),
                                  texts(Side::Shaft, true), 200, 1630);
    for (Side side : {Side::Hole, Side::Shaft}) {
        connect(fields(side).letters, &TileStrip::clicked, this,
                [this, side](int i) { letterClicked(side, i); });
        connect(fields(side).grades, &TileStrip::clicked, this,
                [this, side](int i) { gradeClicked(side, i); });
    }
}

void Ajustements::buildUsualFits() {
    QLabel* caption = addLabel(frame(), QStringLiteral("Label12"),
                               QStringLiteral("Ajustements usuels :"), 150, 4605, 2100, 255);
    usualFits_ = new QComboBox(frame());
    usualFits_->setObjectName(QStringLiteral("ComboAjustementsUsuels"));
    usualFits_->setGeometry(torvel::pxRect(2250, 4530, 2400, 330));
    usualFits_->addItem(QString());
    for (const auto& fit : torvel::fits::usualFits())
        usualFits_->addItem(torvel::fromStd(torvel::fits::usualFitText(fit)));
    caption->setBuddy(usualFits_);
    connect(usualFits_, &QComboBox::activated, this, &Ajustements::usualFitChosen);
}

void Ajustements::buildZones() {
    QGroupBox* group = addGroup(frame(), QStringLiteral("FrameZones"),
                                QStringLiteral("Zones de tolérance"), 150, 4950, 9000, 2850);
    zones_ = new ZonePicture(group);
    zones_->setObjectName(QStringLiteral("PictureZones"));
    zones_->setGeometry(torvel::pxRect(150, 300, 8700, 2400));
}

// A window as newly opened: no side chosen, the design captions, no usual fit named.
void Ajustements::startAfresh() {
    showResultsOutOfDate({jMax_, jMin_}, false);
    for (Side side : {Side::Hole, Side::Shaft}) {
        fields(side).chosen = false;
        fields(side).shown = true;
        state().side(side).Classe.clear();
    }
    for (auto it = designTexts_.cbegin(); it != designTexts_.cend(); ++it)
        it.key()->setText(it.value());
    setShownMessages({});
    Form_Load();
}

// The values shown belong to the diameter shown while no chosen side has been
// hidden by a change of diameter since its last click.
bool Ajustements::resultsCurrent() const {
    return !(hole_.chosen && !hole_.shown) && !(shaft_.chosen && !shaft_.shown) &&
           pressFitRefusal_.isEmpty();
}

// Computed again as a tile click would, the usual fit still named; a class
// that does not exist at this diameter leaves its side empty, and says why.
bool Ajustements::bringResultsCurrent() {
    QStringList said;
    if (!resultsCurrent()) {
        const QScopedValueRollback keepList(applyingUsualFit_, true);
        // The note is made at the diameter the click corrects to, and says why.
        if (!torvel::fits::checkDiameter(state().Diametre_Nom).accepted)
            said << QString::fromUtf8(torvel::fits::kDiameterMessage);
        Controle_Diametre();
        for (Side side : {Side::Hole, Side::Shaft}) {
            if (!fields(side).chosen) continue;
            setSideColour(side, kBlack);
            finishClick(side);
        }
    }
    setShownMessages(said + sideMessages());
    return pressFitCurrent();
}

// Why a side shows no values: not chosen in this window, or a class that
// does not exist at the diameter shown. A side a diameter hides waits for the
// next click, which looks it up again.
QStringList Ajustements::sideMessages() const {
    QStringList said;
    for (Side side : {Side::Hole, Side::Shaft}) {
        const SideSelection& s = state().side(side);
        const SideFields& f = side == Side::Hole ? hole_ : shaft_;
        if (!f.chosen)
            said
                << (side == Side::Hole
                        ? QStringLiteral("Pas de résultat : aucune classe d'alésage n'est choisie.")
                        : QStringLiteral("Pas de résultat : aucune classe d'arbre n'est choisie."));
        else if (f.shown && !s.EcartsTrouves)
            said << QStringLiteral("Pas de résultat : la classe %1 n'existe pas pour ⌀ %2 mm.")
                        .arg(torvel::fromStd(s.Classe), diametre_->text().trimmed());
    }
    return said;
}

bool Ajustements::sideComputed(Side side) const {
    const SideFields& f = side == Side::Hole ? hole_ : shaft_;
    const SideSelection& s = state().side(side);
    return fitComputed_ && f.chosen && f.shown && !s.Classe.empty() && s.EcartsTrouves;
}

bool Ajustements::writtenByLastRun(const QWidget* w) const {
    for (Side side : {Side::Hole, Side::Shaft}) {
        const SideFields& f = side == Side::Hole ? hole_ : shaft_;
        if (w == f.name) return f.chosen && f.shown;
        if (w == f.upper || w == f.lower || w == f.max || w == f.min) return sideComputed(side);
    }
    if (w == jMax_ || w == jMin_)
        return sideComputed(Side::Hole) && sideComputed(Side::Shaft) && !resultsOutOfDate();
    // The press fit's results are emptied, then written, by each computation.
    if (pressFit_ && pressFit_->isAncestorOf(w))
        if (auto* box = qobject_cast<const QLineEdit*>(w); box && box->isReadOnly())
            return pressFitHasFit();
    return StudyWindow::writtenByLastRun(w);
}

TileStrip* Ajustements::letterStrip(Side side) const {
    return side == Side::Hole ? hole_.letters : shaft_.letters;
}
TileStrip* Ajustements::gradeStrip(Side side) const {
    return side == Side::Hole ? hole_.grades : shaft_.grades;
}

void Ajustements::Form_Load() {
    auto& st = state();
    {
        const QSignalBlocker quiet(diametre_);
        diametre_->setText(QStringLiteral("2"));
    }
    st.Diametre_Nom = 2.0;
    for (QLabel* l : {hole_.upper, hole_.lower, hole_.max, hole_.min, shaft_.upper, shaft_.lower,
                      shaft_.max, shaft_.min, jMax_, jMin_, hole_.name, shaft_.name}) {
        setTextColour(l, kBlack);
        // The design captions (H7 / g6 at 2 mm) are numbers like the others.
        if (l != hole_.name && l != shaft_.name)
            l->setText(l->text().replace(QLatin1Char('.'), torvel::decimalSeparator()));
    }

    // The letters and grades start again; a class key that survives from an
    // earlier opening follows the class the window now shows, so that no
    // lookup runs on a class other than the one named on screen.
    const torvel::fits::FitsSelection initial;
    for (Side side : {Side::Hole, Side::Shaft}) {
        SideSelection& s = st.side(side);
        const SideSelection& init = side == Side::Hole ? initial.Al : initial.Ar;
        s.Lettre = init.Lettre;
        s.Qualite = init.Qualite;
        s.Sel_Cl = init.Sel_Cl;
        s.Sel_Ql = init.Sel_Ql;
        if (!s.Classe.empty())
            s.Classe = torvel::fits::classKey(side, s.Lettre, std::stoi(s.Qualite));

        SideFields& f = fields(side);
        f.name->setText(torvel::fromStd(s.Lettre + s.Qualite));
        f.letters->Selectionne_Tuile(s.Sel_Cl);
        f.letters->setSelected(s.Sel_Cl);
        f.grades->Selectionne_Tuile(s.Sel_Ql);
        f.grades->setSelected(s.Sel_Ql);
    }
    followDiameter();
    usualFits_->setCurrentIndex(0);
    // The design captions are not a computation: the zones wait for a click.
    drawZones(false);
}

// ---- diameter ----

void Ajustements::Diametre_KeyDiscarded() {
    state().Diametre_Nom = torvel::readNumber(diametre_->text());
}

void Ajustements::Diametre_Change() {
    state().Diametre_Nom = torvel::readNumber(diametre_->text());
    followDiameter();
    // The results stay hidden until the next tile click; the clearances, left
    // from the previous diameter, are marked out of date.
    for (Side side : {Side::Hole, Side::Shaft}) setSideColour(side, kWhite);
    drawZones(true);
    markClearances();
    setShownMessages(sideMessages());
}

// The clearances stand for both sides: while a diameter typed since the last
// tile click hides both, they are out of date, shown or not; so are the
// results while the press fit refuses its entries. Said again after each
// press-fit run, which marks its own results as current.
void Ajustements::markClearances() {
    showResultsOutOfDate({jMax_, jMin_},
                         (!hole_.shown && !shaft_.shown) || !pressFitRefusal_.isEmpty());
}

// The diameter the next tile click computes at: the one shown, or the one the
// range check will put in its place.
double Ajustements::clickDiameter() const {
    const double d = state().Diametre_Nom;
    const auto check = torvel::fits::checkDiameter(d);
    return check.accepted ? d : torvel::readNumber(torvel::fromStd(check.correctedText));
}

// The T / t letter tiles and the grade tiles of the current letters follow the
// diameter; the selected grade is kept even when it is no longer offered. Out of
// range, the tiles offer what the diameter the next click brings offers, so that
// no click chooses a class that diameter has not (T / t up to 24 mm).
void Ajustements::followDiameter() {
    const double offeredAt = clickDiameter();
    for (Side side : {Side::Hole, Side::Shaft}) {
        const auto& letters = torvel::fits::letters(side);
        TileStrip* strip = letterStrip(side);
        for (int i = 0; i < strip->count(); ++i)
            strip->tile(i)->setEnabled(
                torvel::fits::letterTileEnabled(side, letters[static_cast<size_t>(i)], offeredAt));
        if (const auto offer =
                torvel::fits::offeredGrades(side, state().side(side).Lettre, offeredAt))
            gradeStrip(side)->setEnabledFlags(offer->tileEnabled);
    }
}

void Ajustements::Controle_Diametre() {
    const auto check = torvel::fits::checkDiameter(state().Diametre_Nom);
    if (check.accepted) return;
    QMessageBox box(QMessageBox::Warning, torvel::identity().title,
                    QString::fromUtf8(torvel::fits::kDiameterMessage), QMessageBox::Ok, this);
    box.exec();
    diametre_->setText(torvel::fromStd(check.correctedText));  // raises Diametre_Change
}

// ---- tile clicks ----

void Ajustements::letterClicked(Side side, int index) {
    // A letter that offers no grade where the click computes is no choice.
    const auto& letters = torvel::fits::letters(side);
    if (index < 0 || index >= static_cast<int>(letters.size()) ||
        !torvel::fits::letterTileEnabled(side, letters[static_cast<size_t>(index)],
                                         clickDiameter()))
        return;
    tileClicked();
    Controle_Diametre();
    // Blackened after the range check, so that a corrected diameter does not
    // hide what this click computes.
    setSideColour(side, kBlack);
    SideSelection& s = state().side(side);
    SideFields& f = fields(side);
    f.letters->Selectionne_Tuile(index);
    f.letters->setSelected(index);
    s.Sel_Cl = index;
    focusSink();
    f.name->clear();
    s.Lettre = torvel::fits::letters(side)[static_cast<size_t>(index)];
    Choix_Qualites(side);
    finishClick(side);
}

void Ajustements::gradeClicked(Side side, int index) {
    tileClicked();
    Controle_Diametre();
    setSideColour(side, kBlack);
    SideSelection& s = state().side(side);
    SideFields& f = fields(side);
    f.grades->Selectionne_Tuile(index);
    f.grades->setSelected(index);
    s.Sel_Ql = index;
    focusSink();
    f.name->clear();
    s.Qualite = std::to_string(torvel::fits::gradeOfTile(side, index));
    finishClick(side);
}

// Choix_Qualites_Al / Choix_Qualites_Ar.
void Ajustements::Choix_Qualites(Side side) {
    SideSelection& s = state().side(side);
    const auto offer = torvel::fits::offeredGrades(side, s.Lettre, state().Diametre_Nom);
    if (!offer) return;
    TileStrip* strip = gradeStrip(side);
    strip->Efface_Tuiles();
    if (offer->defaultGrade) {
        const int tile = torvel::fits::gradeTileIndex(side, *offer->defaultGrade);
        strip->Marque_Tuile(tile);
        strip->setSelected(tile);
        s.Sel_Ql = tile;
        s.Qualite = std::to_string(*offer->defaultGrade);
    }
    strip->setEnabledFlags(offer->tileEnabled);
}

void Ajustements::finishClick(Side side) {
    // Computed again below, in their fit colour.
    showResultsOutOfDate({jMax_, jMin_}, false);
    fields(side).chosen = true;
    SideSelection& s = state().side(side);
    s.Classe = torvel::fits::classKey(side, s.Lettre, std::stoi(s.Qualite));
    fields(side).name->setText(torvel::fromStd(s.Classe));
    Ecarts(Side::Hole);
    Affiche(Side::Hole);
    Ecarts(Side::Shaft);
    Affiche(Side::Shaft);
    drawZones(true);
    setShownMessages(sideMessages());
    keptStateChanged();
}

// Ecarts_Al / Ecarts_Ar. A class the window does not offer at this diameter
// counts as having no entry, like a class the tables do not hold.
void Ajustements::Ecarts(Side side) {
    SideSelection& s = state().side(side);
    const double d = state().Diametre_Nom;
    if (s.Classe.empty()) return;
    const bool offered = torvel::fits::isOffered(side, s.Lettre, std::stoi(s.Qualite), d);
    s.EcartsTrouves = offered && torvel::fits::updateDeviations(side, s.Classe, d, s.Ecarts);
}

// Affiche_Al / Affiche_Ar. A side that has no class yet keeps its fields; a
// class without an entry empties them rather than show another class's values.
void Ajustements::Affiche(Side side) {
    const SideSelection& s = state().side(side);
    SideFields& f = fields(side);
    if (!s.Classe.empty()) {
        const double d = state().Diametre_Nom;
        const bool ok = s.EcartsTrouves;
        f.upper->setText(ok ? valueText(s.Ecarts.upper) : QString());
        f.lower->setText(ok ? valueText(s.Ecarts.lower) : QString());
        f.max->setText(ok ? valueText(d + s.Ecarts.upper) : QString());
        f.min->setText(ok ? valueText(d + s.Ecarts.lower) : QString());
    }
    // Until both sides have a class there is no clearance to show.
    if (!state().Al.Classe.empty() && !state().Ar.Classe.empty()) {
        Calcul_Jeu();
    } else {
        jMax_->clear();
        jMin_->clear();
    }
}

void Ajustements::Calcul_Jeu() {
    const SideSelection& al = state().Al;
    const SideSelection& ar = state().Ar;
    if (!al.EcartsTrouves || !ar.EcartsTrouves) {
        jMax_->clear();
        jMin_->clear();
        return;
    }
    const torvel::fits::Fit fit = torvel::fits::fitOf(al.Ecarts, ar.Ecarts);
    jMax_->setText(torvel::displayNumber(fit.maxClearance, "##0.0000"));
    jMin_->setText(torvel::displayNumber(fit.minClearance, "##0.0000"));
    const QColor colour = fit.kind == torvel::fits::FitKind::Interference ? kRed
                          : fit.kind == torvel::fits::FitKind::Clearance  ? kBlue
                                                                          : kBlack;
    setTextColour(jMax_, colour);
    setTextColour(jMin_, colour);
}

// ---- usual fits and zones ----

// The list names the four tiles last chosen through it; a tile of the user's
// own choosing makes that name stale.
void Ajustements::tileClicked() {
    if (!applyingUsualFit_) usualFits_->setCurrentIndex(0);
}

void Ajustements::usualFitChosen(int index) {
    const auto list = torvel::fits::usualFits();
    if (index < 1 || index > static_cast<int>(list.size())) return;
    const auto& fit = list[static_cast<size_t>(index - 1)];
    {
        const QScopedValueRollback applying(applyingUsualFit_, true);
        chooseClasses(fit.holeLetter, fit.holeGrade, fit.shaftLetter, fit.shaftGrade);
    }
    // The tile clicks hand the focus to recup_curseur; a list chosen from the
    // keyboard keeps it, so that the arrows go on browsing the fits.
    usualFits_->setFocus(Qt::OtherFocusReason);
}

// A tile the diameter does not offer ignores the choice as it ignores the mouse.
void Ajustements::chooseClasses(const std::string& holeLetter, int holeGrade,
                                const std::string& shaftLetter, int shaftGrade) {
    auto press = [](TileStrip* strip, int tile, const std::function<void(int)>& click) {
        if (const auto* t = strip->tile(tile); t && t->isEnabled()) click(tile);
    };
    using torvel::fits::gradeTileIndex;
    using torvel::fits::letterTileIndex;
    press(hole_.letters, letterTileIndex(Side::Hole, holeLetter),
          [this](int i) { letterClicked(Side::Hole, i); });
    press(hole_.grades, gradeTileIndex(Side::Hole, holeGrade),
          [this](int i) { gradeClicked(Side::Hole, i); });
    press(shaft_.letters, letterTileIndex(Side::Shaft, shaftLetter),
          [this](int i) { letterClicked(Side::Shaft, i); });
    press(shaft_.grades, gradeTileIndex(Side::Shaft, shaftGrade),
          [this](int i) { gradeClicked(Side::Shaft, i); });
}

// A side is drawn while its values are shown: a class, a table entry, and not
// hidden by a diameter change. `computed` is false until the first click.
void Ajustements::drawZones(bool computed) {
    auto shown = [&](Side side) -> std::optional<torvel::fits::ShownClass> {
        const SideSelection& s = state().side(side);
        if (!computed || !fields(side).shown || s.Classe.empty() || !s.EcartsTrouves)
            return std::nullopt;
        return torvel::fits::ShownClass{s.Classe, s.Ecarts};
    };
    const auto zones = torvel::fits::fitZones(shown(Side::Hole), shown(Side::Shaft));
    const double d = state().Diametre_Nom;
    zones_->setZones(zones,
                     std::isfinite(d) ? QStringLiteral("\u00f8 ") + valueText(d) : QString());
    zones_->setAccessibleDescription(torvel::fromStd(
        torvel::fits::fitZonesDescription(zones, torvel::toStd(torvel::decimalSeparator()))));
    // The press fit follows the fit the window shows, as the drawing does.
    fitComputed_ = computed;
    computePressFit();
}

void Ajustements::focusSink() {
    recupCurseur_->setFocus(Qt::MouseFocusReason);
    recupCurseur_->setCursorPosition(0);
}

// ---- colours ----

void Ajustements::setTextColour(QLabel* label, const QColor& colour) {
    QPalette p = label->palette();
    p.setColor(QPalette::WindowText, colour);
    label->setPalette(p);
}

void Ajustements::setSideColour(Side side, const QColor& colour) {
    SideFields& f = fields(side);
    f.shown = colour != kWhite;
    for (QLabel* l : {f.upper, f.lower, f.max, f.min, f.name}) setTextColour(l, colour);
}
