#include "spring_strength.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "numbers.h"
#include "single.h"

namespace torvel::springs {

namespace {

constexpr double kPi = std::numbers::pi;

bool blank(std::string_view text) {
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; });
}

std::string number(double v, char sep) { return formatNumber(v, "0.000", sep); }
// A wire diameter as typed: "3", "2.5", "9.95".
std::string diameter(double v, char sep) {
    return formatNumber(v, v == std::floor(v) ? "0" : "0.0##", sep);
}

Outcome refused(const char* message) {
    Outcome out;
    out.stop(message);
    return out;
}

std::string surface(bool peened) { return peened ? "grenaillé" : "non grenaillé"; }

// "DH grenaillé (données de 1 à 10 mm)", or the unpeened diagram a peened wire
// is judged on.
std::string diagramName(const SpringFatigue& f, char sep) {
    const GoodmanDiagram& g = *f.diagram;
    return "EN 13906-1 " + std::string(g.family) + " " + surface(g.peened) + " (données de " +
           diameter(g.rows.front().d, sep) + " à " + diameter(g.rows.back().d, sep) + " mm)";
}

std::string noDiagramText(const SpringFatigue& f, const SpringStudyState& s, char sep) {
    std::string what;
    switch (f.why) {
        case NoDiagram::Typed:
            what = "un matériau saisi";
            break;
        case NoDiagram::Grade:
            what = "la nuance " + s.material;
            break;
        case NoDiagram::Diameter:
        case NoDiagram::None:
            what =
                "la nuance " + s.material + " au diamètre d = " + diameter(s.inputs.d, sep) + " mm";
            if (const GoodmanDiagram* g = f.outside)
                what += " (données de " + diameter(g->rows.front().d, sep) + " à " +
                        diameter(g->rows.back().d, sep) + " mm)";
            break;
    }
    return "pas de diagramme de fatigue EN 13906-1 pour " + what +
           " : la tenue en fatigue n'est pas évaluée";
}

std::string fatigueLine(const SpringFatigue& f, const SpringStudyState& s, char sep) {
    std::string text = kTextFatigue;
    if (!f.diagram) return text + ") : " + noDiagramText(f, s, sep);
    text += ", diagramme " + diagramName(f, sep);
    if (f.unpeenedDiagram) text += ", faute de diagramme du fil grenaillé à ce diamètre";
    text += ") : ";
    if (s.checks.beyondBlock)
        return text + "non évaluée, le ressort est à bloc avant d'atteindre " +
               pointForce(s.checks.loadedPoint);
    if (!f.nf) return text + "course de contrainte nulle, pas de vérification en fatigue";
    if (f.held()) return text + "τkh ≤ τkH et τk2 ≤ τkO, nf ≥ 1, tenue assurée";
    text += "τkh > τkH et τk2 > τkO, nf < 1, tenue non assurée";
    if (f.aboveCap) text += " ; τk2 dépasse le plafond τkO,max du diagramme";
    return text;
}

std::string verdict(const SpringStudyState& st, char sep) {
    const SpringStrength& s = *st.strength;
    const SpringChecks& c = st.checks;
    std::string text;
    if (c.beyondBlock) {
        text = beyondBlockText(c, st.spring.results.Lb, sep);
    } else {
        text = "Sous la charge maximale " + pointForce(c.loadedPoint) + " : ";
        text += s.heldAtMax ? "τ ≤ τzul, le fil tient"
                            : "τ > τzul, le fil ne tient pas (risque de tassement)";
    }
    text += '\n';
    // A spring that reaches block in service is not one that "may be" blocked.
    if (c.beyondBlock && s.heldAtBlock)
        text += "À bloc : τb ≤ τczul, le fil supporte la mise à bloc, mais " +
                pointForce(c.loadedPoint) + " n'est jamais atteint";
    else
        text += s.heldAtBlock ? kTextHeldAtBlock : kTextNotHeldAtBlock;
    if (s.fatigue) text += '\n' + fatigueLine(*s.fatigue, st, sep);
    return text;
}

Judgement judge(bool failed, bool allMade) {
    return failed ? Judgement::NotHeld : allMade ? Judgement::Held : Judgement::Unjudged;
}

// The fatigue diagram a grade is judged on at d: its family's for the wire's
// surface, the unpeened one for a peened wire that has none there.
void chooseDiagram(SpringFatigue& f, const WireGrade* grade, float d) {
    if (!grade) {
        f.why = NoDiagram::Typed;
        return;
    }
    const std::string_view family = fatigueFamily(grade->name);
    if (family.empty()) {
        f.why = NoDiagram::Grade;
        return;
    }
    for (bool peened : {f.peened, false}) {
        const GoodmanDiagram* g = findDiagram(family, peened);
        if (!g) continue;
        f.outside = g;
        if (const auto line = readDiagram(*g, d)) {
            f.diagram = g;
            f.line = *line;
            f.unpeenedDiagram = f.peened && !peened;
            return;
        }
    }
    f.why = NoDiagram::Diameter;
}

}  // namespace

std::optional<SpringFatigue> fatigueCheck(const WireGrade* grade, bool peened, float d, float tk1,
                                          float tk2) {
    Keep keep;
    SpringFatigue f;
    f.peened = peened;
    f.tk1 = tk1;
    f.tk2 = tk2;
    f.tkh = keep(static_cast<double>(tk2) - tk1);
    chooseDiagram(f, grade, d);
    if (f.diagram) {
        f.tkO = keep(f.line.upper(tk1));
        // Above the cap no stroke is permissible at all.
        f.tkH = keep(std::max(0.0, static_cast<double>(f.tkO) - tk1));
        if (f.tkh > 0) f.nf = keep(static_cast<double>(f.tkH) / f.tkh);
        f.aboveCap = tk2 > f.line.tkOmax;
    }
    if (!keep.ok()) return std::nullopt;
    return f;
}

StrengthEntries strengthEntries(const Fields& f) {
    return {f["ComboMateriau"], f["TextRm"], f["ComboSollicitation"], f["CheckGrenaille"]};
}

std::optional<SpringStrength> springStrength(float Rm, const SpringInputs& in,
                                             const SpringResults& r, const SpringChecks& c,
                                             bool dynamic, bool peened, const WireGrade* grade) {
    Keep keep;
    SpringStrength s;
    s.Rm = Rm;
    s.tzul = keep(kStaticShare * Rm);
    s.tczul = keep(kBlockShare * Rm);
    // As T2 is computed, so that the two points weigh alike.
    const double d = in.d, Dm = in.Dm;
    const float T1 = keep(8 * Dm * in.F1 / (kPi * d * d * d));
    s.Tmax = std::max(T1, r.T2);
    if (s.Tmax > 0) s.S2 = keep(static_cast<double>(s.tzul) / s.Tmax);
    if (r.Tb > 0) s.Sb = keep(static_cast<double>(s.tczul) / r.Tb);
    s.heldAtMax = s.Tmax <= s.tzul;
    s.heldAtBlock = r.Tb <= s.tczul;
    if (dynamic) {
        const double k = c.k;
        float tk1 = 0, tk2 = 0;
        if (!torvel::keep(tk1, k * std::min(T1, r.T2)) ||
            !torvel::keep(tk2, k * std::max(T1, r.T2)))
            return std::nullopt;
        s.fatigue = fatigueCheck(grade, peened, in.d, tk1, tk2);
        if (!s.fatigue) return std::nullopt;
    }
    // A force the spring never reaches, being at block before it, has no safety:
    // its checks are not evaluated and show none.
    if (c.beyondBlock) {
        s.S2.reset();
        if (s.fatigue) s.fatigue->nf.reset();
    }
    if (!keep.ok()) return std::nullopt;
    return s;
}

std::string diameterOutsideGradeMessage(const WireGrade& grade, float d, char sep) {
    auto mm = [sep](double v) { return formatNumber(v, "0.0##", sep); };
    return "Le diamètre de fil d = " + mm(d) + " mm sort du tableau de Rm de la nuance " +
           std::string(grade.name) + " (" + mm(grade.dMin) + " à " + mm(grade.rows.back().d) +
           " mm) :\nla résistance du fil n'est pas vérifiée. Pour la vérifier, choisissez « " +
           std::string(kTypedMaterial) + " » et entrez Rm.";
}

std::string staticGradeMessage(const WireGrade& grade) {
    return "La nuance " + std::string(grade.name) +
           " est destinée par l'EN 10270 aux charges statiques :\npour un ressort sollicité "
           "dynamiquement, préférez une nuance d'usage dynamique (DM, DH, TD ou VD). La tenue en "
           "fatigue n'est vérifiée que sur les diagrammes EN 13906-1 des nuances DH, FDC, TDC et "
           "VDC.";
}

std::string rmRangeMessage(float Rm, char sep) {
    return "Rm = " + formatNumber(Rm, "0.0##", sep) +
           " daN/mm² sort de la plage du fil à ressort (60 à 360 daN/mm², soit 600 à 3600 MPa) "
           ":\nvérifiez l'unité, Rm se saisit en daN/mm². Le calcul se poursuit avec cette valeur.";
}

Outcome calculateSpringStudy(SpringStudyState& state, const SpringEntries& entries,
                             const StrengthEntries& m, char sep) {
    const SpringInputs in = readSpringInputs(entries);
    SpringState spring = state.spring;
    Outcome out = calculateSpring(spring, in, entries.endType, sep);
    if (out.stopped()) return out;

    const WireGrade* grade = findGrade(m.material);
    if (!grade && m.material != kTypedMaterial) return refused(kMsgMaterial);
    const bool dynamic = m.loading == kLoadDynamic;
    const bool peened = m.peened == kPeened;
    if ((!dynamic && m.loading != kLoadStatic) || (!peened && m.peened != kNotPeened))
        return refused(kMsgLoading);

    std::optional<float> Rm;
    bool typedRmOdd = false;
    if (grade) {
        if (const auto mpa = minimumRm(*grade, in.d)) Rm = static_cast<float>(*mpa / 10.0);
    } else if (!blank(m.Rm)) {
        const float typed = readInput(m.Rm);
        if (!(typed > 0) || !std::isfinite(typed)) return refused(kMsgRm);
        Rm = typed;
        typedRmOdd = typed < kRmPlausibleMin || typed > kRmPlausibleMax;
    }
    const SpringResults& r = spring.results;
    const SpringChecks checks = checkSpring(in, r, dynamic);
    std::optional<SpringStrength> strength;
    if (Rm) {
        strength = springStrength(*Rm, in, r, checks, dynamic, peened, grade);
        if (!strength) return refused(kMsgOutOfRange);
    }

    writeChecks(out, r, checks, sep);
    if (grade) {
        out.write("TextRm", Rm ? formatNumber(*Rm, "0.0", sep) : std::string());
        if (!Rm) out.warn(diameterOutsideGradeMessage(*grade, in.d, sep));
        if (dynamic && grade->duty == WireDuty::Static) out.warn(staticGradeMessage(*grade));
    }
    if (typedRmOdd) out.warn(rmRangeMessage(*Rm, sep));

    SpringStudyState next;
    next.spring = spring;
    next.inputs = in;
    next.computed = true;
    next.dynamic = dynamic;
    next.material = std::string(m.material);
    next.checks = checks;
    next.strength = strength;

    const SpringFatigue* fatigue = strength && strength->fatigue ? &*strength->fatigue : nullptr;
    auto shown = [sep](const std::optional<float>& v) {
        return v ? number(*v, sep) : std::string();
    };
    auto ifStrength = [&](auto value) {
        return strength ? shown(value(*strength)) : std::string();
    };
    // The diagram's values only where a diagram was read.
    auto ifDiagram = [&](auto value) {
        return fatigue && fatigue->diagram ? shown(value(*fatigue)) : std::string();
    };
    auto ifFatigue = [&](float SpringFatigue::*value) {
        return fatigue ? number(fatigue->*value, sep) : std::string();
    };
    out.write("TextTzul",
              ifStrength([](const SpringStrength& s) { return std::optional(s.tzul); }));
    out.write("TextTczul",
              ifStrength([](const SpringStrength& s) { return std::optional(s.tczul); }));
    out.write("TextS2", ifStrength([](const SpringStrength& s) { return s.S2; }));
    out.write("TextSb", ifStrength([](const SpringStrength& s) { return s.Sb; }));
    out.write("TextTka", ifFatigue(&SpringFatigue::tk1));
    out.write("TextTkm", ifFatigue(&SpringFatigue::tk2));
    out.write("TextTkh", ifFatigue(&SpringFatigue::tkh));
    out.write("TextTse", ifDiagram([](const SpringFatigue& f) { return std::optional(f.tkH); }));
    out.write("TextTkO", ifDiagram([](const SpringFatigue& f) { return std::optional(f.tkO); }));
    out.write("TextNf", ifDiagram([](const SpringFatigue& f) { return f.nf; }));
    out.write("TextDiagramme",
              fatigue && fatigue->diagram ? diagramName(*fatigue, sep) : std::string());
    out.write("LabelResistance", strength ? verdict(next, sep) : std::string());

    // A spring that cannot be wound gets no green line.
    const bool windable = checks.windable();
    next.buckling = judge(checks.bucklingRisk, windable);
    next.block = judge(checks.beyondBlock || checks.coilsTouch, windable);
    next.domain = windable ? Judgement::None : Judgement::NotHeld;
    if (strength) {
        const SpringStrength& s = *strength;
        const bool fatigueFailed = fatigue && fatigue->evaluated() && !fatigue->held();
        next.resistance =
            judge(checks.beyondBlock || !s.heldAtMax || !s.heldAtBlock || fatigueFailed,
                  windable && (!fatigue || fatigue->evaluated()));
    }
    // The diagrams are results too: their descriptions say what they draw.
    out.write("PictureCaracteristique", characteristicDescription(next, sep));
    out.write("PictureGoodman", goodmanDescription(next, sep));
    state = std::move(next);
    return out;
}

std::string characteristicDescription(const SpringStudyState& s, char sep) {
    if (!s.computed) return "Caractéristique du ressort : pas encore calculée.";
    const SpringResults& r = s.spring.results;
    const SpringInputs& in = s.inputs;
    return "Caractéristique du ressort, effort en fonction de la longueur : droite de L0 = " +
           number(r.L0, sep) + " mm sous un effort nul à Lb = " + number(r.Lb, sep) +
           " mm sous Fb = " + number(r.Fb, sep) + " daN ; F1 = " + number(in.F1, sep) +
           " daN à L1 = " + number(in.L1, sep) + " mm ; F2 = " + number(in.F2, sep) +
           " daN à L2 = " + number(in.L2, sep) + " mm.";
}

std::string goodmanCaption(const SpringStudyState& s, char sep) {
    const SpringFatigue* f = s.strength && s.strength->fatigue ? &*s.strength->fatigue : nullptr;
    if (!f || !f->diagram) return {};
    return "EN 13906-1, 10^7 cycles : " + std::string(f->diagram->family) + " " +
           surface(f->diagram->peened) + ", d = " + diameter(s.inputs.d, sep) + " mm";
}

std::string goodmanDescription(const SpringStudyState& s, char sep) {
    if (!s.computed) return "Diagramme de Goodman : pas encore calculé.";
    const SpringFatigue* f = s.strength && s.strength->fatigue ? &*s.strength->fatigue : nullptr;
    if (!f) return "Diagramme de Goodman : tenue en fatigue non évaluée.";
    const std::string point = "point de fonctionnement τk1 = " + number(f->tk1, sep) +
                              " daN/mm², τk2 = " + number(f->tk2, sep) + " daN/mm²";
    if (!f->diagram)
        return "Diagramme de Goodman : " + noDiagramText(*f, s, sep) + " ; " + point + ".";
    const GoodmanLine& g = f->line;
    std::string text =
        "Diagramme de Goodman " + goodmanCaption(s, sep) +
        ", τkU en abscisse et τkO en ordonnée : droite de τkO = " + number(g.tkO0, sep) +
        " daN/mm² pour τkU nul au plafond τkO,max = " + number(g.tkOmax, sep) +
        " daN/mm² atteint à τkU = " + number(g.tkUcap, sep) + " daN/mm², droite à 45° ; " + point +
        " ; τkH = " + number(f->tkH, sep) + " daN/mm²";
    if (f->nf) text += " ; nf = " + number(*f->nf, sep);
    return text + ".";
}

double tickStep(double span, int maxTicks) {
    if (!(span > 0) || !std::isfinite(span) || maxTicks < 1) return 1;
    const double raw = span / maxTicks;
    const double magnitude = std::pow(10, std::floor(std::log10(raw)));
    for (double m : {1.0, 2.0, 5.0, 10.0})
        if (m * magnitude >= raw) return m * magnitude;
    return 10 * magnitude;
}

}  // namespace torvel::springs
