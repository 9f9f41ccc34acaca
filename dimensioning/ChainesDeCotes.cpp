#include "ChainesDeCotes.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <utility>

#include "ui_text.h"

namespace {

const char* const kRows = "ABCDEF";
const char* const kInnerLabels = "MNOPQR";

QString resultName(int chain, int index) {
    return torvel::fromStd(torvel::chainResultName(chain, index));
}

QString boxName(bool outer, int chain, const char* part, int row) {
    return torvel::fromStd(torvel::chainBoxName(outer, chain, part, row));
}

}  // namespace

// clang-format off
ChainesDeCotes::ChainesDeCotes(QWidget* parent) : StudyWindow({.typeName = QStringLiteral("ChainesDeCotes"),
        .caption = QStringLiteral("Cotation Fonctionnelle"), .captionPrefix = QStringLiteral("Cotation Fonctionnelle - Etude "),
        .clientWidth = 11370, .clientHeight = 7605, .frameWidth = 13000, .frameHeight = 9700,
        .frameCaption = QStringLiteral("Chaîne de cotes")}, parent) {
    // clang-format on
    groups_ << frame();
    QGroupBox* frame2 = addGroup(frame(), QStringLiteral("Frame2"),
                                 QStringLiteral("Calcul du Jeu 1"), 150, 300, 6250, 7400);
    QGroupBox* frame3 = addGroup(frame(), QStringLiteral("Frame3"),
                                 QStringLiteral("Calcul du Jeu 2"), 6600, 300, 6250, 7400);
    groups_ << frame2 << frame3;
    buildChain(1, frame2);
    buildChain(2, frame3);
    buildStatistical(1, 150);
    buildStatistical(2, 6600);

    addCalculer(frame(), 3800, 8000, 1800, 500);
    addImprimer(frame(), 7400, 8000, 1800, 500);
    setImageReport({groups_,
                    {findChild<QWidget*>(QStringLiteral("BT_RAZ1")),
                     findChild<QWidget*>(QStringLiteral("BT_RAZ2"))},
                    &ChainesDeCotes::printCaption});
    QStringList inputs;
    for (int chain = 1; chain <= 2; ++chain)
        for (bool outer : {true, false})
            for (const char* part : {"", "Max", "min"})
                for (int row = 0; row < 6; ++row) inputs << boxName(outer, chain, part, row);
    declareInputs(inputs);
    // The second chain's free note is the study's as much as its reference.
    keepInputs({QStringLiteral("Text1")});
}

void ChainesDeCotes::buildChain(int chain, QGroupBox* group) {
    const QString n = QString::number(chain);
    QGroupBox* ref = addGroup(group, QStringLiteral("FrameRef%1").arg(chain),
                              QStringLiteral("Référence"), 120, 240, 4600, 720);
    if (chain == 1)
        addReference(ref, 120, 300, 4360, 315);
    else
        addEdit(ref, QStringLiteral("Text1"), QString(), 120, 300, 4360, 315);
    QPushButton* raz = addButton(group, QStringLiteral("BT_RAZ%1").arg(chain),
                                 QStringLiteral("RAZ"), 4900, 380, 1200, 420);
    connect(raz, &QPushButton::clicked, this, [this, chain] { reset(chain); });

    const QString prime = chain == 2 ? QStringLiteral("'") : QString();
    for (const bool outer : {true, false}) {
        QGroupBox* side = addGroup(
            group, QStringLiteral("Frame%1%2").arg(outer ? "Ext" : "Int").arg(chain),
            outer ? QStringLiteral("Cotes Extérieures") : QStringLiteral("Cotes Intérieures"),
            outer ? 120 : 3180, 1080, 2950, 5400);
        groups_ << side;
        for (int row = 0; row < 6; ++row) {
            const int y = 600 + 840 * row;
            const QChar letter = QChar::fromLatin1(outer ? kRows[row] : kInnerLabels[row]);
            QLabel* label =
                addLabel(side,
                         QStringLiteral("Label%1%2%3")
                             .arg(outer ? "e" : "i")
                             .arg(n)
                             .arg(QChar::fromLatin1(kRows[row])),
                         QStringLiteral("%1%2 =").arg(letter).arg(prime), 100, y + 30, 480, 255);
            QLineEdit* nominal = addEdit(side, boxName(outer, chain, "", row), QStringLiteral("0"),
                                         580, y, 1150, 315);
            QLineEdit* upper = addEdit(side, boxName(outer, chain, "Max", row), QStringLiteral("0"),
                                       1820, y - 240, 1000, 315);
            QLineEdit* lower = addEdit(side, boxName(outer, chain, "min", row), QStringLiteral("0"),
                                       1820, y + 120, 1000, 315);
            // The two boxes have no caption of their own: their role is named.
            for (auto [box, role] :
                 {std::pair{upper, "écart supérieur"}, std::pair{lower, "écart inférieur"}}) {
                box->setAccessibleName(QString::fromUtf8(role));
                box->setToolTip(QString::fromUtf8(role));
            }
            label->setBuddy(nominal);
        }
    }

    QLabel* jeu = addLabel(group, QStringLiteral("LabelJeu%1").arg(chain),
                           QStringLiteral("Jeu %1 =").arg(chain), 120, 6880, 900, 255);
    const int x[] = {1000, 2500, 2500, 4250, 4250};
    const int y[] = {6880, 6640, 7000, 6640, 7000};
    for (int i = 0; i < 5; ++i) {
        QLabel* result = addLabel(group, resultName(chain, i),
                                  QString::fromUtf8(torvel::kChainIdle[i]), x[i], y[i], 1450, 255);
        result->setTextInteractionFlags(Qt::TextSelectableByMouse);
        if (i == 0) jeu->setBuddy(result);
    }
    addLabel(group, QStringLiteral("LabelEgal%1Max").arg(chain), QStringLiteral("="), 3980, 6640,
             200, 255);
    addLabel(group, QStringLiteral("LabelEgal%1min").arg(chain), QStringLiteral("="), 3980, 7000,
             200, 255);
    // Design captions differ from the idle ones by a trailing space.
    if (chain == 2) findChild<QLabel*>(resultName(2, 3))->setText(QStringLiteral(" Jeu Maxi "));
    findChild<QLabel*>(resultName(chain, 4))->setText(QStringLiteral(" Jeu mini "));
    groups_ << ref;
}

// Below its chain, under the buttons, so that the chains keep their design places.
void ChainesDeCotes::buildStatistical(int chain, int left) {
    QGroupBox* group =
        addGroup(frame(), QStringLiteral("FrameRSS%1").arg(chain),
                 QStringLiteral("Jeu statistique (quadratique)"), left, 8650, 6250, 780);
    groups_ << group;
    const struct {
        int index;
        const char* caption;
        int left;
    } rows[] = {{5, "Jeu Maxi :", 120}, {6, "Jeu mini :", 3180}};
    for (const auto& row : rows) {
        const QString name = resultName(chain, row.index);
        QLabel* label = addLabel(group, QStringLiteral("Label") + name.mid(4),
                                 QString::fromUtf8(row.caption), row.left, 360, 1000, 255);
        QLabel* result = addLabel(group, name, QString(), row.left + 1050, 360, 1450, 255);
        result->setTextInteractionFlags(Qt::TextSelectableByMouse);
        label->setBuddy(result);
    }
}

void ChainesDeCotes::showIdle(int chain) {
    for (int i = 0; i < 7; ++i)
        findChild<QLabel*>(resultName(chain, i))
            ->setText(i < 5 ? QString::fromUtf8(torvel::kChainIdle[i]) : QString());
}

void ChainesDeCotes::calculate() {
    const torvel::Fields fields = readFields();
    play(torvel::calculateChains(torvel::chainFromFields(fields, 1),
                                 torvel::chainFromFields(fields, 2),
                                 torvel::engineDecimalSeparator()));
}

void ChainesDeCotes::reset(int chain) {
    for (QLineEdit* box : findChildren<QLineEdit*>()) {
        const QString name = box->objectName();
        if (name.startsWith(QStringLiteral("TextJe%1").arg(chain)) ||
            name.startsWith(QStringLiteral("TextJi%1").arg(chain)))
            box->setText(QStringLiteral("0"));
    }
    showIdle(chain);
}

QString ChainesDeCotes::printCaption() {
    return QStringLiteral("Chaîne de cotes établie le %1 à %2")
        .arg(torvel::shortDate(), torvel::shortTime());
}
