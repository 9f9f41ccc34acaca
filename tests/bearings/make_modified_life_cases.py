#!/usr/bin/env python3
"""Writes modified_life_cases.inc: the modified rating life of ISO 281:2007
(lubrication and cleanliness) for every bearing kind in every range of the
viscosity ratio, the aISO cap, every cleanliness level on both sides of
dm = 100 mm, speeds on both sides of 1000 r/min and every reliability.

An independent model of the formulas, written from the standard's equations
and not from the C++ engine. The basic life runs in "Manuel" mode with X = 1,
Y = 0, so that P is Fr rounded to single precision, as the engine keeps it."""
import math
import struct
from decimal import Decimal, ROUND_HALF_UP


def f32(v):
    return struct.unpack('f', struct.pack('f', v))[0]


def fmt(v, decimals, group3=False):
    d = Decimal(v).quantize(Decimal(1).scaleb(-decimals), rounding=ROUND_HALF_UP)
    s = f"{abs(d):.{decimals}f}"
    if group3:
        ip, dp = s.split('.')
        s = ip + '.' + dp[:3] + ' ' + dp[3:]
    return ('-' if d < 0 else '') + s


KINDS = {  # (element, type): (ball, thrust)
    ('Roulement', 'à billes'): (True, False),
    ('Roulement', 'à rotule (billes)'): (True, False),
    ('Roulement', 'à rouleaux'): (False, False),
    ('Roulement', 'à rotule (rouleaux)'): (False, False),
    ('Butée', 'à billes'): (True, True),
    ('Butée', 'à rouleaux'): (False, True),
}
# ISO 281:2007 Table 13, lower end of each range: dm < 100 mm, dm >= 100 mm.
EC = {'Propreté extrême': (1, 1), 'Haute propreté': (0.6, 0.8), 'Propreté normale': (0.5, 0.6),
      'Contamination légère': (0.3, 0.4), 'Contamination typique': (0.1, 0.2),
      'Contamination sévère': (0, 0), 'Contamination très sévère': (0, 0)}
A1 = {'90%': 1, '95%': 0.64, '96%': 0.55, '97%': 0.47, '98%': 0.37, '99%': 0.25}
TARGETS = ['Textdm', 'TextNu', 'TextNu1', 'TextKappa', 'TexteC', 'Texta1ISO', 'TextaISO',
           'TextLnm', 'TextLnmh', 'LabelDureeCorrigee']
KAPPA_LOW = ("Durée corrigée : κ < 0,1 : la méthode de l'ISO 281 ne s'applique pas "
             "(lubrification insuffisante).")
WALTHER = 'ν < 2 mm²/s à T : hors du domaine de la relation de Walther, valeur extrapolée'


def walther(nu40, nu100, t):
    """ASTM D341: log log (ν + 0.7) linear in log (T + 273.15), through two points."""
    def w(nu):
        return math.log10(math.log10(nu + 0.7))
    x40, x100, x = (math.log10(k + 273.15) for k in (40.0, 100.0, t))
    slope = (w(nu100) - w(nu40)) / (x100 - x40)
    return 10 ** (10 ** (w(nu40) + slope * (x - x40))) - 0.7


def kappa_range(k):
    return 'below 0.1' if k < 0.1 else '0.1-0.4' if k < 0.4 else '0.4-1' if k < 1 else \
        '1-4' if k <= 4 else 'above 4'


def a_iso(ball, thrust, kappa, x):
    """ISO 281:2007 aISO for radial and thrust ball and roller bearings, and what
    capped it at 50 ('bracket' at or under zero, 'value' over 50) or None."""
    g = 0.054381 if kappa < 0.4 else 0.19087 if kappa < 1 else 0.071739
    if ball:
        b = 2.2649 if kappa < 0.4 else 1.9987
        if thrust:
            x = x / 3
        inner = max(0.0, 2.5671 - b / kappa ** g)
        bracket = 1 - inner ** 0.83 * x ** (1 / 3)
        if bracket <= 0:
            return 50.0, 'bracket'
        a = 0.1 * bracket ** -9.3
    else:
        b = 1.3993 if kappa < 0.4 else 1.2348
        if thrust:
            x = x / 2.5
        bracket = 1 - (1.5859 - b / kappa ** g) * x ** 0.4
        if bracket <= 0:
            return 50.0, 'bracket'
        a = 0.1 * bracket ** -9.185
    return (50.0, 'value') if a > 50 else (a, None)


def model(element, typ, fr, c, n, d, dext, cu, nu40, nu100, t, level, reliability):
    ball, thrust = KINDS[(element, typ)]
    P, C, N = f32(float(fr)), f32(float(c)), f32(float(n))
    p = 3.0 if ball else f32(10 / 3)
    d, dext, cu, nu40, nu100, t = (float(v) for v in (d, dext, cu, nu40, nu100, t))
    dm = (d + dext) / 2
    nu = walther(nu40, nu100, t)
    nu1 = (45000 * N ** -0.83 if N < 1000 else 4500 * N ** -0.5) / math.sqrt(dm)
    kappa = nu / nu1
    shown = [fmt(dm, 2), fmt(nu, 2), fmt(nu1, 2), fmt(kappa, 3)]
    # Under 2 mm²/s the relation is extrapolated: said beside the results.
    notes = [WALTHER] if nu < 2 else []
    if kappa < 0.1:
        return ['W:' + KAPPA_LOW], shown + [''] * 5 + [' ; '.join(notes)], kappa, None
    if kappa > 4:
        notes.append('κ limité à 4')
    ec = EC[level][0 if dm < 100 else 1]
    a, capped = a_iso(ball, thrust, min(kappa, 4.0), ec * cu / P)
    if capped:
        notes.append('aISO limité à 50')
    lnm = A1[reliability] * a * (C / P) ** p
    lnmh = lnm * 1e6 / (60 * N)
    shown += [fmt(ec, 2), fmt(A1[reliability], 2), fmt(a, 3), fmt(lnm, 6, True), fmt(lnmh, 2),
              ' ; '.join(notes)]
    return [], shown, kappa, capped


OIL = ('68', '8.5')        # ISO VG 68 mineral oil
THIN = ('10', '2.6')       # a thin oil, to go under κ = 0.1
THICK = ('460', '31')      # ISO VG 460, for κ above 4


def cstr(s):
    return '"' + s.replace('\\', '\\\\').replace('"', '\\"') + '"'


def main():
    # element, type, Fr (= P), C, N, d, D, Cu, ν40, ν100, T, cleanliness, reliability
    cases = []
    for kind in KINDS:
        cases += [
            kind + ('5000', '60000', '1000', '40', '80', '900') + THIN + ('150', 'Propreté normale', '90%'),
            kind + ('5000', '60000', '3000', '40', '80', '900') + THIN + ('120', 'Propreté normale', '90%'),
            kind + ('5000', '60000', '3000', '40', '80', '900') + OIL + ('110', 'Haute propreté', '95%'),
            kind + ('5000', '60000', '1000', '40', '80', '900') + OIL + ('60', 'Propreté normale', '90%'),
            kind + ('5000', '60000', '500', '40', '80', '900') + THICK + ('40', 'Contamination légère', '99%'),
        ]
    # The cap: a bracket at or under zero (large eC·Cu/P at a high κ), and a value over 50.
    cases += [
        ('Roulement', 'à billes', '300', '60000', '1000', '40', '80', '900') + THICK + ('40', 'Propreté extrême', '90%'),
        ('Roulement', 'à billes', '2000', '60000', '1000', '40', '80', '900') + OIL + ('40', 'Propreté extrême', '90%'),
        ('Roulement', 'à rouleaux', '100', '60000', '1000', '40', '80', '900') + OIL + ('50', 'Propreté extrême', '90%'),
        ('Butée', 'à rouleaux', '200', '60000', '1000', '40', '80', '900') + OIL + ('40', 'Propreté extrême', '90%'),
    ]
    # Every cleanliness level under and at dm = 100 mm.
    for level in EC:
        for d, dext in (('60', '139.98'), ('50', '150')):
            cases.append(('Roulement', 'à rotule (rouleaux)', '5000', '60000', '1500', d, dext, '1200')
                         + OIL + ('70', level, '90%'))
    # Speeds on both sides of 1000 r/min, and every reliability.
    for n in ('10', '999', '1000', '20000'):
        cases.append(('Butée', 'à billes', '4000', '60000', n, '30', '62', '700') + OIL + ('65', 'Propreté normale', '90%'))
    for r in A1:
        cases.append(('Roulement', 'à billes', '6270.7', '30000', '1000', '40', '80', '800') + OIL + ('70', 'Propreté normale', r))

    seen = set()
    rows = []
    for case in cases:
        messages, shown, kappa, capped = model(*case)
        seen.add((case[:2], kappa_range(kappa)))
        seen.add(capped)
        seen.add((case[11], float(case[5]) + float(case[6]) < 200))
        seen.add(float(case[4]) < 1000)
        rows.append('{%s, {%s}, {%s}},' % (', '.join(cstr(v) for v in case),
                                         ', '.join(cstr(m) for m in messages),
                                         ', '.join(cstr(s) for s in shown)))
    for kind in KINDS:
        for r in ('below 0.1', '0.1-0.4', '0.4-1', '1-4', 'above 4'):
            assert (kind, r) in seen, (kind, r)
    assert {'bracket', 'value', True, False} <= seen
    for level in EC:
        assert (level, True) in seen and (level, False) in seen, level

    assert any(WALTHER in r for r in rows) and any(WALTHER not in r for r in rows)
    with open('modified_life_cases.inc', 'w') as out:
        out.write('// Generated by make_modified_life_cases.py. Manuel mode, X = 1, Y = 0: P = Fr.\n')
        out.write('// element, type, Fr, C, N, d, D, Cu, ν40, ν100, T, cleanliness, reliability,\n')
        out.write('// messages (W: warning), texts of ' + ', '.join(TARGETS) + '\n')
        out.write('// clang-format off\n')
        out.write('\n'.join(rows) + '\n')
        out.write('// clang-format on\n')
    print(len(rows))


if __name__ == '__main__':
    main()
