#!/usr/bin/env python3
"""Writes duty_modified_cases.inc: the modified rating life of ISO 281:2007
under a duty cycle, case by case and combined, for ball and roller bearings,
radial and thrust, at two cleanliness levels and more, with standstills, a case
without load, κ out of range at either end and the aISO cap.

An independent evaluation, phase by phase, on the formulas of the model in
make_modified_life_cases.py (written from the standard, not from the C++
engine); the duty cycle's cells are kept in single precision as the engine
keeps them, and so are its total time, its Σ t·n and its mean speed."""
import math

from make_modified_life_cases import A1, EC, WALTHER, a_iso, cstr, f32, fmt, walther

BALL, ROLLER = 'Roulement ou Butée à Billes', 'Roulement ou Butée à Rouleaux'
RADIAL, THRUST = 'Radial', 'Axial (butée)'
NO_SPEED = 'Aucun cas ne tourne : la durée corrigée demande une vitesse'
KAPPA_LOW = ("la méthode de l'ISO 281 ne s'applique pas (lubrification insuffisante), "
             "pas de durée corrigée")


def cases_of(numbers):
    return ' (cas ' + ', '.join(str(j) for j in numbers) + ')'


def model(element, disposition, reliability, c, phases, d, dext, cu, nu40, nu100, t, level):
    """The texts the modified life writes (name=text, empty ones left out)."""
    ball, thrust = element == BALL, disposition == THRUST
    p = 3.0 if ball else f32(10 / 3)
    C = f32(float(c))
    cells = [tuple(f32(float(v or 0)) for v in phase) for phase in phases]
    T = TN = 0.0
    for tj, nj, _ in cells:
        T = f32(T + tj)
        if nj != 0:
            TN = f32(TN + tj * nj)
    Nm = f32(TN / T)
    dm = (float(d) + float(dext)) / 2
    nu = walther(float(nu40), float(nu100), float(t))
    ec = EC[level][0 if dm < 100 else 1]
    x_cu = ec * float(cu)
    notes = [WALTHER] if nu < 2 else []
    texts = {}
    if TN == 0:
        return {'LabelDureeCorrigee': NO_SPEED}, None
    low, capped_kappa, capped_a = [], [], []
    turns = damage = 0.0
    for j, (tj, nj, Pj) in enumerate(cells, start=1):
        if nj == 0:
            continue
        turns += tj * nj
        nu1 = (45000 * nj ** -0.83 if nj < 1000 else 4500 * nj ** -0.5) / math.sqrt(dm)
        kappa = nu / nu1
        texts[f'TextKappa{j}'] = fmt(kappa, 3)
        if kappa < 0.1:
            low.append(j)
            continue
        if kappa > 4:
            capped_kappa.append(j)
        if Pj == 0:
            continue
        a, capped = a_iso(ball, thrust, min(kappa, 4.0), x_cu / Pj)
        if capped:
            capped_a.append(j)
        lnm = A1[reliability] * a * (C / Pj) ** p
        texts[f'TextaISO{j}'] = fmt(a, 3)
        texts[f'TextLnm{j}'] = fmt(lnm, 6, True)
        damage += tj * nj / lnm
    lnm = None
    if not low:
        lnm = turns / damage
        texts['TextLnm'] = fmt(lnm, 6, True)
        texts['TextLnmh'] = fmt(lnm * 1e6 / (60 * Nm), 2)
    else:
        notes.append('κ < 0,1' + cases_of(low) + ' : ' + KAPPA_LOW)
    if capped_kappa:
        notes.append('κ limité à 4' + cases_of(capped_kappa))
    if capped_a:
        notes.append('aISO limité à 50' + cases_of(capped_a))
    if notes:
        texts['LabelDureeCorrigee'] = ' ; '.join(notes)
    return texts, lnm


OIL = ('68', '8.5')       # ISO VG 68
THIN = ('10', '2.6')      # under κ = 0.1 when slow and hot
THICK = ('460', '31')     # over κ = 4 when fast and cool
GEARBOX = [('3600', '1500', '2000'), ('1800', '1000', '3500'), ('600', '500', '5000')]
WITH_STOP = GEARBOX[:2] + [('900', '', '')] + GEARBOX[2:]

# element, disposition, reliability, C, phases, d, D, Cu, ν40, ν100, T, cleanliness
SCENARIOS = []
for element in (BALL, ROLLER):
    for disposition in (RADIAL, THRUST):
        for level in ('Propreté normale', 'Contamination typique'):
            SCENARIOS.append((element, disposition, '90%', '30000', GEARBOX, '40', '80', '800')
                             + OIL + ('70', level))
SCENARIOS += [
    # A standstill between turning cases: the same Lnm as without it, a lower Lnmh.
    (BALL, RADIAL, '90%', '30000', WITH_STOP, '40', '80', '800') + OIL + ('70', 'Propreté normale'),
    (ROLLER, THRUST, '95%', '30000', WITH_STOP, '40', '80', '800') + OIL + ('70', 'Haute propreté'),
    # Every case at a standstill: no revolution, no modified life.
    (BALL, RADIAL, '90%', '30000', [('100', '', '2000'), ('100', '0', '1000')], '40', '80', '800')
    + OIL + ('70', 'Propreté normale'),
    # A slow, hot case under κ = 0.1 with a thin oil out of Walther's range: no combined life.
    (ROLLER, RADIAL, '90%', '60000', [('100', '3000', '5000'), ('100', '50', '9000')], '40', '80',
     '900') + THIN + ('120', 'Propreté normale'),
    # Fast and cool with a thick oil: κ above 4 in two cases, aISO capped in one.
    (BALL, RADIAL, '99%', '60000', [('10', '3000', '300'), ('10', '200', '20000'),
                                    ('10', '6000', '2000')], '40', '80', '900')
    + THICK + ('40', 'Propreté extrême'),
    # A case that turns without load, and dm over 100 mm.
    (ROLLER, RADIAL, '97%', '250000', [('50', '300', '40000'), ('50', '900', '0')], '90', '160',
     '12000') + OIL + ('60', 'Contamination légère'),
]


def main():
    rows, lnm = [], {}
    kinds, levels = set(), set()
    for s in SCENARIOS:
        texts, lnm[id(s)] = model(*s)
        kinds.add(s[:2])
        levels.add(s[11])
        phases = ', '.join('{%s}' % ', '.join(cstr(v) for v in ph) for ph in s[4])
        rows.append('{%s, {%s}, %s, {%s}},' % (
            ', '.join(cstr(v) for v in s[:4]), phases, ', '.join(cstr(v) for v in s[5:]),
            ', '.join(cstr(f'{k}={v}') for k, v in texts.items())))
    assert len(kinds) == 4 and len(levels) >= 2
    # The standstill leaves Lnm as it was.
    assert fmt(lnm[id(SCENARIOS[0])], 6, True) == fmt(lnm[id(SCENARIOS[8])], 6, True)
    with open('duty_modified_cases.inc', 'w') as out:
        out.write('// Generated by make_duty_modified_cases.py.\n')
        out.write('// element, disposition, reliability, C, cases (t, N, P), d, D, Cu, ν40, ν100, T,\n')
        out.write('// cleanliness, the non-empty texts the modified life writes (name=text)\n')
        out.write('// clang-format off\n')
        out.write('\n'.join(rows) + '\n')
        out.write('// clang-format on\n')
    print(len(rows))


if __name__ == '__main__':
    main()
