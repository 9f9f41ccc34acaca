#include "studies.h"

#include <QString>

#include "Ajustements.h"
#include "CasVariables.h"
#include "ChainesDeCotes.h"
#include "ContactOblique.h"
#include "RessortCompression.h"
#include "Roulement.h"
#include "Section.h"
#include "bearing_notes.h"
#include "chain_note.h"
#include "fits_note.h"
#include "section_note.h"
#include "spring_note.h"

namespace torvel {

namespace {

template <class W>
StudyWindow* make() {
    return new W;
}

using enum StudyMenu;

}  // namespace

std::span<const StudyEntry> studyEntries() {
    // clang-format off
    static const StudyEntry entries[] = {
        {.type = "Roulement", .create = &make<Roulement>, .menu = Roulements,
         .menuItem = "MNU_ElementRoulant", .menuText = "Elément Roulant : Roulement, Butée", .key = Qt::Key_F1,
         .button = "BT_Roulements", .buttonTooltip = " Elément Roulant : Roulement, Butée", .buttonIcon = "roulement.svg",
         .captionPrefix = "Elément Roulant - Etude ",
         .example = {{"TextRef", "Réducteur 3"}, {"TextFr", "4000"}, {"TextFa", "3000"}, {"TextCo", "20000"},
                     {"TextC", "30000"}, {"TextN", "1000"}, {"Textd", "40"}, {"TextDext", "80"}, {"TextCu", "800"},
                     {"TextNu40", "68"}, {"TextNu100", "8.5"}, {"TextT", "70"}, {"ComboPollution", "Propreté normale"}},
         .screenshot = "roulement.png", .note = &bearings::roulementNote},
        {.type = "ContactOblique", .create = &make<ContactOblique>, .menu = Roulements,
         .menuItem = "MNU_ContactsObliques", .menuText = "Contacts Obliques : Charges Induites", .key = Qt::Key_F2,
         .captionPrefix = "Contacts Obliques - Etude ",
         .example = {{"TextRef", "Broche B2"}, {"TextFaE", "500"}, {"TextFrA", "3000"}, {"TextFrB", "2000"},
                     {"TexteA", "0.37"}, {"TexteB", "0.37"}, {"TextYA", "1.6"}, {"TextYB", "1.6"}},
         .screenshot = "contact-oblique.png", .note = &bearings::contactObliqueNote},
        {.type = "CasVariables", .create = &make<CasVariables>, .menu = Roulements,
         .menuItem = "MNU_CasVariables", .menuText = "Cas Variables", .key = Qt::Key_F3,
         .captionPrefix = "Cas Variables - Etude ",
         .example = {{"TextRef", "Convoyeur"}, {"TextC", "30000"}, {"Textd", "40"}, {"TextDext", "80"},
                     {"TextCu", "800"}, {"TextNu40", "68"}, {"TextNu100", "8.5"}, {"TextTemperature", "70"},
                     {"ComboPollution", "Propreté normale"}},
         .screenshot = "cas-variables.png", .note = &bearings::casVariablesNote},
        {.type = "Ajustements", .create = &make<Ajustements>, .menu = Cotation,
         .menuItem = "MNU_Ajustements", .menuText = "Ajustements", .key = Qt::Key_F4,
         .button = "BT_Ajustements", .buttonTooltip = " Ajustements", .buttonIcon = "ajustements.svg",
         .example = {{"Diametre", "25"}, {"ComboAjustementsUsuels", "H7/p6 (serré)"}},
         .screenshot = "ajustements.png", .note = &fits::ajustementsNote},
        {.type = "ChainesDeCotes", .create = &make<ChainesDeCotes>, .menu = Cotation,
         .menuItem = "MNU_ChaineDeCotes", .menuText = "Cotation Fonctionnelle", .key = Qt::Key_F5,
         .captionPrefix = "Cotation Fonctionnelle - Etude ",
         .example = {{"TextRef", "Carter"}, {"Text1", "Arbre"}, {"TextJe1A", "50"}, {"TextJe1MaxA", "0.1"}, {"TextJi1A", "49.8"},
                     {"TextJi1minA", "-0.05"}},
         .screenshot = "chaines-de-cotes.png", .note = &chainesDeCotesNote},
        {.type = "Section", .create = &make<Section>, .menu = Divers,
         .menuItem = "MNU_Section", .menuText = "Section", .key = Qt::Key_F6,
         .button = "BT_Sections", .buttonTooltip = "Sections", .buttonIcon = "section.svg",
         .captionPrefix = "Section - Etude ",
         .example = {{"TextRef", "Poutre P1"}, {"Texta", "40"}, {"Textb", "20"}},
         .screenshot = "section.png", .note = &sections::sectionNote},
        {.type = "RessortCompression", .create = &make<RessortCompression>, .menu = Divers,
         .menuItem = "MNU_RessortCompression", .menuText = "Ressort de Compression", .key = Qt::Key_F7,
         .button = "BT_RessortCompression", .buttonTooltip = "Ressort de Compression", .buttonIcon = "ressort.svg",
         .captionPrefix = "RessortCompression - Etude ",
         .example = {{"TextRef", "Ressort R5"}, {"Textd", "2"}, {"Textdm", "20"}, {"TextF1", "5"}, {"TextL1", "50"},
                     {"TextF2", "10"}, {"TextL2", "40"}},
         .screenshot = "ressort.png", .note = &springs::ressortCompressionNote},
    };
    // clang-format on
    return entries;
}

const StudyEntry* findStudy(const QString& type) {
    for (const auto& e : studyEntries())
        if (type == QLatin1String(e.type)) return &e;
    return nullptr;
}

}  // namespace torvel
