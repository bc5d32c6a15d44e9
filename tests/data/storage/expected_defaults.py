#!/usr/bin/env python3
"""Writes defaults_saved.txt: the configuration file that saving the start-up
defaults must give, computed here from the geometry alone (secondary mirror
only: 402 mm primary, 1809 mm focal length, 102 mm secondary at 350 mm, 44 mm
diagonal), independently of the program's code. Rerun it only when the file
format itself changes."""
import math

D, F, d2, T, diag = 402.0, 1809.0, 102.0, 350.0, 44.0


def beam_fraction(k, h):
    c = (h * h + 1 - k * k) / (2 * h)
    if c < -1:
        return 1.0
    if c > 1:
        return 0.0
    c2 = (h * h + k * k - 1) / (2 * h * k)
    return (math.acos(c) - h * math.sqrt(1 - c * c) + k * k * math.acos(c2)) * 0.3183098861837907


def magnitude_loss(x):
    if x == 1:
        return 0.0
    if x == 0:
        return 99.0
    m = -2.5 * math.log(x) / math.log(10)
    return m if m >= 0 else 0.0


a, b = d2 * F, D * T
k = a / b
field = (a - b) / (F - T)
rows = []
half = diag * 0.5
r_max = half if math.trunc(half) == half else math.trunc(half) + 1
for r in range(0, int(r_max) + 1):
    h = (F - T) * 0.0001 / b if r == 0 else (F - T) * 2 * r / b
    p = beam_fraction(k, h) * 100.0
    rows.append("%4.0f        %5.1f        %5.2f" % (r, p, magnitude_loss(p * 0.01)))

# The secondary offset, step by step from the geometry of the diagonal mirror.
sec_a = d2 - T / (F / D)
s = (D * D) / (F * 16)
Fp = F - s
n = Fp * sec_a + (D - sec_a) * T
offset = -0.5 * (n / ((D - sec_a) + 2 * Fp) - n / (2 * Fp - (D - sec_a)))

lines = [
    "402.000000   # diametre miroir primaire",
    "1809.000000   # focale miroir primaire",
    "1            # calcul ombrelune du miroir secondaire",
    "102.000000   # diametre miroir secondaire",
    "350.000000   # tirage (secondaire, plan focal)",
    "0            # pourcentage d'illumination affecté par l'obstruction",
    "0            # calcul ombrelune du porte oculaire",
    "50.800000   # diametre interne tube porte oculaire",
    "101.000000   # distance entree tube porte oculaire, plan focal",
    "0            # calcul ombrelune du correcteur de champ",
    "Televue Paracorr",
    "46.000000   # diametre premiere lentille correcteur de champ (la plus proche du miroir secondaire)",
    "110.000000   # distance premiere lentille correcteur de champ, plan focal",
    "1.150000   # Facteur de grossissement",
    "30.000000   # Allongement sortie",
    "0            # calcul ombrelune du filtre",
    "44.000000   # diametre interne du filtre",
    "26.000000   # distance filtre, plan focal",
    "44.000000   # diagonale capteur",
    "36.000000   # largeur du capteur",
    "24.000000   # hauteur du capteur",
    "24x36",
]
text = "\n".join(lines) + "\n"
text += "\n\nOffset  Illumination   Perte mag\n (mm)        (%)\n"
text += "".join(row + "\n" for row in rows)
text += "\n\nchamp pleine lumiere\n%5.1f mm\n%5.1f '\n\n" % (field, field * 57.3 / F * 60)
text += "\ndécalage secondaire : %5.2f mm" % offset
text += "\nObstruction : %4.1f %%" % (d2 * 100 / D)

with open("defaults_saved.txt", "wb") as out:
    out.write(text.replace("\n", "\r\n").encode("cp1252"))
