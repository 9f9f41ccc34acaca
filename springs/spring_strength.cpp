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

SpringInputs readInputs(const SpringEntries& e) {
    return {readInput(e.d),  readInput(e.Dm), readInput(e.G),  readInput(e.mV),
            readInput(e.F1), readInput(e.L1), readInput(e.F2), readInput(e.L2)};
}

std::string number(double v, char sep) { return formatNumber(v, "0.000", sep); }

Outcome refused(const char* message) {
    Outcome out;
    out.stop(message);
    return out;
}

std::string verdict(const SpringStrength& s) {
    std::string text = s.heldAtF2 ? kTextHeldAtF2 : kTextNotHeldAtF2;
    text += '\n';
    text += s.heldAtBlock ? kTextHeldAtBlock : kTextNotHeldAtBlock;
    if (s.fatigue && s.fatigue->nf) {
        text += '\n';
        text += *s.fatigue->nf >= 1 ? kTextFatigueHeld : kTextFatigueNotHeld;
    }
    return text;
}

}  // namespace

StrengthEntries strengthEntries(const Fields& f) {
    return {f["ComboMateriau"], f["TextRm"], f["ComboSollicitation"], f["CheckGrenaille"]};
}

std::optional<SpringStrength> springStrength(float Rm, const SpringInputs& in,
                                             const SpringResults& r, float k, bool dynamic,
                                             bool peened) {
    Keep keep;
    SpringStrength s;
    s.Rm = Rm;
    s.tzul = keep(kStaticShare * Rm);
    s.tczul = keep(kBlockShare * Rm);
    if (r.T2 > 0) s.S2 = keep(static_cast<double>(s.tzul) / r.T2);
    if (r.Tb > 0) s.Sb = keep(static_cast<double>(s.tczul) / r.Tb);
    s.heldAtF2 = r.T2 <= s.tzul;
    s.heldAtBlock = r.Tb <= s.tczul;
    if (dynamic) {
        SpringFatigue f;
        f.peened = peened;
        const double d = in.d;
        f.T1 = keep(8 * static_cast<double>(in.Dm) * in.F1 / (kPi * d * d * d));
        // F2 is the larger force as a rule; the amplitude holds either way.
        f.tka = keep(k * std::fabs(static_cast<double>(r.T2) - f.T1) / 2);
        f.tkm = keep(k * (static_cast<double>(r.T2) + f.T1) / 2);
        const Endurance e = peened ? kZimmerliPeened : kZimmerli;
        const double Ssu = kUltimateShearShare * Rm;
        // Below Ssm the Goodman line through Zimmerli's point does not exist.
        if (in.d < kZimmerliMaxWire && Ssu > e.Ssm) {
            f.Ssu = keep(Ssu);
            f.Sse = keep(e.Ssa / (1 - e.Ssm / static_cast<double>(*f.Ssu)));
            const double load = f.tka / static_cast<double>(*f.Sse) + f.tkm / *f.Ssu;
            if (load > 0) f.nf = keep(1 / load);
        }
        s.fatigue = f;
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
           "dynamiquement, préférez une nuance DM, DH, TD ou VD.";
}

Outcome calculateSpringStudy(SpringStudyState& state, const SpringEntries& entries,
                             const StrengthEntries& m, char sep) {
    SpringState spring = state.spring;
    Outcome out = calculateSpringWithChecks(spring, entries, sep);
    if (out.stopped()) return out;

    const WireGrade* grade = findGrade(m.material);
    if (!grade && m.material != kTypedMaterial) return refused(kMsgMaterial);
    const bool dynamic = m.loading == kLoadDynamic;
    const bool peened = m.peened == kPeened;
    if ((!dynamic && m.loading != kLoadStatic) || (!peened && m.peened != kNotPeened))
        return refused(kMsgLoading);
    const SpringInputs in = readInputs(entries);

    std::optional<float> Rm;
    if (grade) {
        if (const auto mpa = minimumRm(*grade, in.d)) Rm = static_cast<float>(*mpa / 10.0);
    } else if (!blank(m.Rm)) {
        const float typed = readInput(m.Rm);
        if (!(typed > 0) || !std::isfinite(typed)) return refused(kMsgRm);
        Rm = typed;
    }
    const SpringChecks checks = checkSpring(in, spring.results);
    std::optional<SpringStrength> strength;
    if (Rm) {
        strength = springStrength(*Rm, in, spring.results, checks.k, dynamic, peened);
        if (!strength) return refused(kMsgOutOfRange);
    }

    if (grade) {
        out.write("TextRm", Rm ? formatNumber(*Rm, "0.0", sep) : std::string());
        if (!Rm) out.warn(diameterOutsideGradeMessage(*grade, in.d, sep));
        if (dynamic && grade->duty == WireDuty::Static) out.warn(staticGradeMessage(*grade));
    }
    const SpringFatigue* fatigue = strength && strength->fatigue ? &*strength->fatigue : nullptr;
    if (fatigue && !fatigue->Sse)
        out.warn(in.d >= kZimmerliMaxWire ? kMsgFatigueDiameter : kMsgGoodmanUndefined);

    auto shown = [sep](const std::optional<float>& v) {
        return v ? number(*v, sep) : std::string();
    };
    auto ifStrength = [&](auto value) {
        return strength ? shown(value(*strength)) : std::string();
    };
    auto ifFatigue = [&](auto value) { return fatigue ? shown(value(*fatigue)) : std::string(); };
    out.write("TextTzul",
              ifStrength([](const SpringStrength& s) { return std::optional(s.tzul); }));
    out.write("TextTczul",
              ifStrength([](const SpringStrength& s) { return std::optional(s.tczul); }));
    out.write("TextS2", ifStrength([](const SpringStrength& s) { return s.S2; }));
    out.write("TextSb", ifStrength([](const SpringStrength& s) { return s.Sb; }));
    out.write("TextTka", ifFatigue([](const SpringFatigue& f) { return std::optional(f.tka); }));
    out.write("TextTkm", ifFatigue([](const SpringFatigue& f) { return std::optional(f.tkm); }));
    out.write("TextTse", ifFatigue([](const SpringFatigue& f) { return f.Sse; }));
    out.write("TextNf", ifFatigue([](const SpringFatigue& f) { return f.nf; }));
    out.write("LabelResistance", strength ? verdict(*strength) : std::string());

    state.spring = spring;
    state.inputs = in;
    state.computed = true;
    state.bucklingRisk = checks.bucklingRisk;
    state.strength = strength;
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

std::string goodmanDescription(const SpringStudyState& s, char sep) {
    const SpringFatigue* f = s.strength && s.strength->fatigue ? &*s.strength->fatigue : nullptr;
    if (!f || !f->Sse) return "Diagramme de Goodman : tenue en fatigue non évaluée.";
    std::string text = std::string("Diagramme de Goodman (données de Zimmerli, fil ") +
                       (f->peened ? "grenaillé" : "non grenaillé") +
                       ") : droite de Sse = " + number(*f->Sse, sep) +
                       " daN/mm² pour τkm nul à Ssu = " + number(*f->Ssu, sep) +
                       " daN/mm² pour τka nul ; point de fonctionnement " +
                       "τkm = " + number(f->tkm, sep) + " daN/mm², τka = " + number(f->tka, sep) +
                       " daN/mm²";
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
