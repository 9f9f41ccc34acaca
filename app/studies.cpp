#include "studies.h"

#include "Ajustements.h"
#include "CasVariables.h"
#include "ChainesDeCotes.h"
#include "ContactOblique.h"
#include "RessortCompression.h"
#include "Roulement.h"
#include "Section.h"

namespace torvel {

namespace {
template <class W>
StudyWindow* make() {
    return new W;
}
}  // namespace

const std::array<StudyEntry, 7>& studyEntries() {
    static const std::array<StudyEntry, 7> entries{{
        {"Roulement", &make<Roulement>},
        {"ContactOblique", &make<ContactOblique>},
        {"CasVariables", &make<CasVariables>},
        {"Ajustements", &make<Ajustements>},
        {"ChainesDeCotes", &make<ChainesDeCotes>},
        {"Section", &make<Section>},
        {"RessortCompression", &make<RessortCompression>},
    }};
    return entries;
}

const StudyEntry* findStudy(const QString& type) {
    for (const auto& e : studyEntries())
        if (type == QLatin1String(e.type)) return &e;
    return nullptr;
}

}  // namespace torvel
