#include "geometry/Projektionen.h"

#include <cmath>

#include "output/Weltzeichnung.h"
#include "plattform/Oberflaeche.h"

namespace zol {

namespace {

constexpr const char* ParallelMeldung = "Projektionsgerade parallel zur Bildebene!";

TProjektionsmeldung* OffeneMeldung = nullptr;

TRaumvektor Minus(const TRaumvektor& a, const TRaumvektor& b) {
    return {a[0] - b[0], a[1] - b[1], a[2] - b[2]};
}

} // namespace

// The decimal values as given (0.707, not the square root of 1/2), in Extended.
const std::array<TProjektion, 6> VordefinierteProjektionen = {{
    {Parallelprojektion, {0, 0, 1}, {0, 0, 0}, {1, 0, 0}, {0, 1, 0}},
    {Parallelprojektion, {1, 0, 0}, {0, 0, 0}, {0, 1, 0}, {0, 0, 1}},
    {Parallelprojektion, {0, 1, 0}, {0, 0, 0}, {1, 0, 0}, {0, 0, 1}},
    {Parallelprojektion, {0.707L, -1, 0.707L}, {0, 0, 0}, {1, 0, 0}, {0, 0, 1}},
    {Parallelprojektion, {1, 0.707L, 0.707L}, {0, 0, 0}, {0, 1, 0}, {0, 0, 1}},
    {Parallelprojektion, {0.9239L, 0.3827L, 1}, {0, 0, 0}, {-0.3827L, 0.9239L, 0}, {-0.9239L, -0.3827L, 0}},
}};

TProjektion AktuelleProjektion = VordefinierteProjektionen[0];
TProjektion SicherungsProjektion = VordefinierteProjektionen[0];

bool IstNullvektor(const TRaumvektor& v) {
    return v[0] == 0 && v[1] == 0 && v[2] == 0;
}

Extended Betrag(const TRaumvektor& v) {
    // hypot: no overflow of the squares for long vectors.
    return std::hypot(v[0], v[1], v[2]);
}

bool IstKollinear(const TRaumvektor& a, const TRaumvektor& b) {
    return a[2] * b[1] == a[1] * b[2] && a[0] * b[2] == a[2] * b[0] && a[1] * b[0] == a[0] * b[1];
}

Extended Determinante(const TRaumvektor& a, const TRaumvektor& b, const TRaumvektor& c) {
    return (a[1] * b[2] - a[2] * b[1]) * c[0] + (a[2] * b[0] - a[0] * b[2]) * c[1] +
           (a[0] * b[1] - a[1] * b[0]) * c[2];
}

bool IstKomplanar(const TRaumvektor& a, const TRaumvektor& b, const TRaumvektor& c) {
    return Determinante(a, b, c) == 0;
}

void Normiere(TRaumvektor& v) {
    const Extended b = Betrag(v);
    if (b == 0) {
        Oberflaeche().Meldung(TMeldungsart::Warnung, "Versuch,Nullvektor zu normieren!");
        return;
    }
    for (Extended& k : v) k /= b;
}

bool Projiziere(const TRaumvektor& P, Extended& x, Extended& y) {
    const TProjektion& p = AktuelleProjektion;
    // P = Stuetzpunkt + x e1 + y e2 - lambda d, solved by Cramer's rule.
    const TRaumvektor d = p.Typ == Zentralprojektion ? Minus(p.Richtung, P) : p.Richtung;
    const TRaumvektor q = Minus(P, p.Stuetzpunkt);
    TRaumvektor e1 = p.xAchse, e2 = p.yAchse;
    Normiere(e1);
    Normiere(e2);
    const Extended D = Determinante(d, e1, e2);
    if (D == 0) {
        if (OffeneMeldung != nullptr)
            OffeneMeldung->Gescheitert = true;
        else
            Oberflaeche().Meldung(TMeldungsart::Warnung, ParallelMeldung);
        return false;
    }
    const Extended bx = Determinante(d, q, e2) / D, by = Determinante(d, e1, q) / D;
    if (!std::isfinite(bx) || !std::isfinite(by)) return false;
    x = bx;
    y = by;
    return true;
}

TProjektionsmeldung::TProjektionsmeldung(bool Melden) : Melden(Melden), Aussen(OffeneMeldung) {
    OffeneMeldung = this;
}

TProjektionsmeldung::~TProjektionsmeldung() {
    OffeneMeldung = Aussen;
}

void TProjektionsmeldung::Abschliessen() {
    const bool melden = Melden && Gescheitert;
    Gescheitert = false;
    if (!melden) return;
    if (Aussen != nullptr)
        Aussen->Gescheitert = true;
    else
        Oberflaeche().Meldung(TMeldungsart::Warnung, ParallelMeldung);
}

void ZeichneStrecke(const TRaumvektor& A, const TRaumvektor& B) {
    Extended x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    if (Projiziere(A, x1, y1) && Projiziere(B, x2, y2)) Pfeil(x1, y1, x2, y2);
}

void ZeichneBeschriftung(const TRaumvektor& P, const std::string& Text) {
    Extended x = 0, y = 0;
    if (Projiziere(P, x, y)) Beschriftung(Text, x, y);
}

} // namespace zol
