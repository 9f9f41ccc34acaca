#pragma once

// ISO fits study: a nominal diameter and four strips of tiles to pick a hole
// class and a shaft class; every tile click shows both classes with their
// deviations, the four limits and the maximum and minimum clearance, coloured
// by the kind of fit, and draws the two tolerance zones. A list of the usual
// fits sets all four tiles at once. Below the zones, an optional group tells
// what an interference fit holds (DIN 7190-1), in service too, and which fits
// of the catalogue carry its need, recomputed with the rest. No reference, no
// Calculer, no report.

#include <QHash>
#include <string>
#include <vector>

#include "StudyWindow.h"
#include "TileStrip.h"
#include "ZonePicture.h"
#include "fits_selection.h"
#include "press_fit_design.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;

class Ajustements : public torvel::StudyWindow {
    Q_OBJECT
  public:
    explicit Ajustements(QWidget* parent = nullptr);

    // Clearances from the shown values of both sides, with the fit colour.
    void Calcul_Jeu();

    torvel::fits::TileStrip* letterStrip(torvel::fits::Side side) const;
    torvel::fits::TileStrip* gradeStrip(torvel::fits::Side side) const;

    bool resultsCurrent() const override;
    bool bringResultsCurrent() override;
    // What the last tile click computed for the diameter shown: a side's class
    // and values while it is chosen and shown, the clearances while both are.
    bool writtenByLastRun(const QWidget* w) const override;

  private:
    struct SideFields {
        QLabel* name = nullptr;  // Aj_Ale / Aj_Arb
        QLabel* upper = nullptr;
        QLabel* lower = nullptr;
        QLabel* max = nullptr;
        QLabel* min = nullptr;
        torvel::fits::TileStrip* letters = nullptr;
        torvel::fits::TileStrip* grades = nullptr;
        bool shown = true;    // its values are in black, not hidden by a diameter change
        bool chosen = false;  // a tile of the side was clicked in this window
    };

    void buildPopup();
    void buildFrame2();
    void buildToolbars();
    void buildUsualFits();
    void buildZones();
    void keepTiles();
    void startAfresh();
    void chooseClass(torvel::fits::Side side, const std::string& letter, int grade);
    void Form_Load();

    void Diametre_Change();
    void Diametre_KeyDiscarded();
    void Controle_Diametre();
    void followDiameter();
    double clickDiameter() const;
    void markClearances();

    void letterClicked(torvel::fits::Side side, int index);
    void gradeClicked(torvel::fits::Side side, int index);
    void Choix_Qualites(torvel::fits::Side side);
    void finishClick(torvel::fits::Side side);
    void Ecarts(torvel::fits::Side side);
    void Affiche(torvel::fits::Side side);
    void focusSink();
    bool sideComputed(torvel::fits::Side side) const;
    QStringList sideMessages() const;
    void usualFitChosen(int index);
    // The four tile clicks a user would make for these classes, in order.
    void chooseClasses(const std::string& holeLetter, int holeGrade, const std::string& shaftLetter,
                       int shaftGrade);
    void tileClicked();
    void drawZones(bool computed);

    void setTextColour(QLabel* label, const QColor& colour);
    void setSideColour(torvel::fits::Side side, const QColor& colour);

    // The press-fit group (PressFitGroup.cpp).
    void buildPressFit();
    void declarePressFit();
    void computePressFit();
    bool pressFitUsed() const;
    bool pressFitHasFit() const;
    bool pressFitCurrent();
    void showCandidates(std::vector<std::string> lines,
                        std::vector<torvel::fits::FitCandidate> fits);
    void candidateChosen(int row);
    void pressFitMaterialChosen(torvel::fits::Side side);
    void pressFitMaterialTyped(torvel::fits::Side side);
    void restorePressFitMaterials(const QJsonObject& inputs);

    SideFields& fields(torvel::fits::Side side) {
        return side == torvel::fits::Side::Hole ? hole_ : shaft_;
    }

    QLineEdit* diametre_ = nullptr;
    QLineEdit* recupCurseur_ = nullptr;
    QLabel* jMax_ = nullptr;
    QLabel* jMin_ = nullptr;
    QComboBox* usualFits_ = nullptr;
    torvel::fits::ZonePicture* zones_ = nullptr;
    bool applyingUsualFit_ = false;
    bool fitComputed_ = false;  // the values shown come from a click, not the design captions
    QGroupBox* pressFit_ = nullptr;
    QLabel* pressFitVerdict_ = nullptr;
    bool fillingMaterial_ = false;
    QString pressFitRefusal_;  // why the group's entries are refused, as said
    QListWidget* candidateList_ = nullptr;
    QLabel* candidateSummary_ = nullptr;
    std::vector<torvel::fits::FitCandidate> candidates_;  // what the list's lines stand for
    SideFields hole_;
    SideFields shaft_;
    QHash<QLabel*, QString> designTexts_;  // the value labels' captions at design time
};
