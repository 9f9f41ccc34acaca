#include "chain_note.h"

#include "chain_statistics.h"
#include "dimension_chain.h"

namespace torvel {

const NoteDescription& chainesDeCotesNote() {
    static const NoteDescription note = [] {
        NoteDescription d{
            .method =
                {
                    "Chaînes de cotes unidirectionnelles : méthode arithmétique (au pire des cas) "
                    "et méthode statistique quadratique de la NF E 04-008:2013. Les deux jeux sont "
                    "calculés de la même façon, chacun sur six cotes extérieures (A à F) et six "
                    "cotes intérieures (M à R) d'écarts supérieur es et inférieur ei.",
                    "Jeu nominal : J = Σ cotes extérieures − Σ cotes intérieures.",
                    "Au pire des cas : Tol maxi = Σ es(ext) − Σ ei(int), "
                    "Tol mini = Σ ei(ext) − Σ es(int) ; jeu maxi = J + Tol maxi, "
                    "jeu mini = J + Tol mini.",
                    "Statistique (quadratique), cotes indépendantes centrées dans leur "
                    "tolérance : jeu moyen Jm = J + (Tol maxi + Tol mini)/2, "
                    "jeu maxi = Jm + √Σ((es − ei)/2)², jeu mini = Jm − √Σ((es − ei)/2)², "
                    "somme sur les douze cotes.",
                    "Tolérancement statistique : chaque cote utilisée prend ses écarts de sa "
                    "classe (ISO 286-2, ou tolérance générale ISO 2768-1 f, m, c, v) et suit sa "
                    "loi "
                    "centrée au milieu de sa tolérance IT : normale d'écart type IT/(6·Cp), "
                    "uniforme IT/√12, triangulaire IT/√24. Jeu moyen μ = Σ moyennes extérieures − "
                    "Σ moyennes intérieures, σ = √Σσᵢ² ; Cp = (Jmax requis − Jmin requis)/(6σ), "
                    "Cpk = min(Jmax requis − μ, μ − Jmin requis)/(3σ).",
                    "Hors tolérance : lois toutes normales, calcul exact 10⁶·[Φ((Jmin requis − "
                    "μ)/σ) "
                    "+ Φ((μ − Jmax requis)/σ)] ; sinon Monte Carlo (mt19937_64, graine et nombre "
                    "de tirages donnés, intervalle de confiance à 95 % de Wilson, « < 3/N » sans "
                    "tirage hors limites). Part (variance) = σᵢ²/σ², Part (IT) = ITᵢ/ΣIT.",
                },
            .units = {},
        };
        for (int chain = 1; chain <= 2; ++chain) {
            for (bool outer : {true, false})
                for (const char* part : {"", "Max", "min"})
                    for (int row = 0; row < 6; ++row)
                        d.units.emplace_back(chainBoxName(outer, chain, part, row), "mm");
            for (int i = 0; i < 7; ++i) d.units.emplace_back(chainResultName(chain, i), "mm");
            for (const char* base :
                 {"TextJminRequis", "TextJmaxRequis", "TextMoyenne", "TextSigma"})
                d.units.emplace_back(statName(base, chain), "mm");
            d.units.emplace_back(statName("TextPpm", chain), "ppm");
            d.units.emplace_back(statName("TextIntervalle", chain), "ppm");
            for (const char* base :
                 {"TextTirages", "TextGraine", "TextCp", "TextCpk", "TextMethode"})
                d.units.emplace_back(statName(base, chain), "");
            // The deviation boxes and the worst-case results have no label of their own.
            const std::string prime = chain == 2 ? "'" : "";
            for (bool outer : {true, false})
                for (int row = 0; row < 6; ++row) {
                    const std::string letter =
                        std::string(1, (outer ? "ABCDEF" : "MNOPQR")[row]) + prime;
                    d.captions.emplace_back(chainBoxName(outer, chain, "Max", row),
                                            letter + " : écart supérieur");
                    d.captions.emplace_back(chainBoxName(outer, chain, "min", row),
                                            letter + " : écart inférieur");
                }
            for (int i = 1; i < 5; ++i) {
                std::string caption = kChainIdle[i];
                if (caption.front() == ' ') caption.erase(0, 1);
                d.captions.emplace_back(chainResultName(chain, i),
                                        caption + " " + std::to_string(chain));
            }
        }
        d.units.emplace_back("Text1", "");
        d.captions.emplace_back("Text1", "Référence");
        return d;
    }();
    return note;
}

}  // namespace torvel
