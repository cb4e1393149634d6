#include "geometry/Vektoren.h"

#include <cmath>
#include <exception>
#include <vector>

#include "output/Weltzeichnung.h"
#include "plattform/Leinwand.h"
#include "term/Terme.h"

namespace zol::Vektoren {

namespace {

constexpr size_t Namenslaenge = 6;

std::vector<std::unique_ptr<TGeometrischesObjekt>>& Objekte() {
    static std::vector<std::unique_ptr<TGeometrischesObjekt>> objekte;
    return objekte;
}

// The value of a coordinate term; false where it has none.
bool Koordinate(TTerm* T, Extended& Wert) {
    if (T == nullptr) return false;
    try {
        bool definiert = false;
        const Extended w = T->Wert(0, definiert);
        if (!definiert || !std::isfinite(w)) return false;
        Wert = w;
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

} // namespace

std::string KurzName(const std::string& Name) {
    std::string kurz;
    size_t n = 0;
    for (const std::string& zeichen : ZerlegeInZeichen(Name)) {
        if (n++ == Namenslaenge) break;
        kurz += zeichen;
    }
    return kurz;
}

TGeometrischesObjekt* Behalte(std::unique_ptr<TGeometrischesObjekt> Objekt) {
    Objekte().push_back(std::move(Objekt));
    return Objekte().back().get();
}

// ---- vectors and points ----

TVektor::TVektor(const std::string& Name, TTerm* X, TTerm* Y, TTerm* Z) : TGeometrischesObjekt(Name) {
    // All three are evaluated, so that a term that fails cannot leave the others unread.
    const bool x = Koordinate(X, Koordinaten[0]);
    const bool y = Koordinate(Y, Koordinaten[1]);
    const bool z = Koordinate(Z, Koordinaten[2]);
    Definiert = x && y && z;
}

TVektor::TVektor(const std::string& Name, const TRaumvektor& Koordinaten, bool Definiert)
    : TGeometrischesObjekt(Name), Koordinaten(Koordinaten), Definiert(Definiert) {}

bool TVektor::Werte(TRaumvektor& Punkt) const {
    Punkt = Koordinaten;
    return Definiert;
}

TPunkt::TPunkt(const std::string& Name, TTerm* X, TTerm* Y, TTerm* Z) : TVektor(Name, X, Y, Z) {
    TRaumvektor p;
    if (Werte(p)) HatBild = Projiziere(p, BildX, BildY);
}

void TPunkt::HolePunktDaten(TGrafikPunkt& P) const {
    P.X = static_cast<Double>(BildX);
    P.Y = static_cast<Double>(BildY);
    P.Name = Name;
    P.Winkel = 0;
}

void TPunkt::Zeichne() {
    if (!HatBild) return;
    TGrafikPunkt P;
    HolePunktDaten(P);
    MarkierePunkt(P);
}

// ---- lines ----

TGerade::TGerade(const std::string& Name, TPunkt* Punkt, TVektor* Richtung)
    : TGeometrischesObjekt(Name), Punkt(Punkt), Richtung(Richtung) {}

TGerade* TGerade::CreateZweiPunkte(const std::string& Name, TPunkt* P, TPunkt* Q) {
    TRaumvektor p, q;
    // Both points are read, whether or not the first has values.
    const bool dp = P->Werte(p), dq = Q->Werte(q);
    const bool definiert = dp && dq;
    auto* u = NeuesObjekt<TVektor>(KurzName(Name) + ".u", TRaumvektor{p[0] - q[0], p[1] - q[1], p[2] - q[2]},
                                   definiert);
    return NeuesObjekt<TGerade>(Name, P, u);
}

void TGerade::SichtbarerAbschnitt(Extended& x1, Extended& y1, Extended& x2, Extended& y2,
                                  bool& Sichtbar) const {
    Sichtbar = false;
    TRaumvektor r;
    Extended dx = 0, dy = 0;
    if (!Punkt->HatBild || !Richtung->Werte(r) || !Projiziere(r, dx, dy)) return;
    const Extended px = Punkt->BildX, py = Punkt->BildY;
    const TKartenDaten& K = KartenDaten;
    if (dx == 0 && dy == 0) return;
    if (dx == 0) {
        if (!(K.XVon <= px && px <= K.XBis)) return;
        x1 = x2 = px;
        y1 = K.YVon;
        y2 = K.YBis;
    } else if (dy == 0) {
        if (!(K.YVon <= py && py <= K.YBis)) return;
        x1 = K.XVon;
        x2 = K.XBis;
        y1 = y2 = py;
    } else {
        // The crossings with the left and right edges count within the closed range of y, those with the
        // bottom and top edges strictly inside the range of x (a corner counts once).
        Extended ex[2], ey[2];
        int n = 0;
        for (const Extended x : {K.XVon, K.XBis}) {
            const Extended y = py + dy * (x - px) / dx;
            if (K.YVon <= y && y <= K.YBis && n < 2) ex[n] = x, ey[n++] = y;
        }
        for (const Extended y : {K.YVon, K.YBis}) {
            const Extended x = px + dx * (y - py) / dy;
            if (K.XVon < x && x < K.XBis && n < 2) ex[n] = x, ey[n++] = y;
        }
        if (n != 2) return;
        x1 = ex[0], y1 = ey[0], x2 = ex[1], y2 = ey[1];
    }
    Sichtbar = true;
    if ((x2 - x1) * dx + (y2 - y1) * dy < 0) {
        std::swap(x1, x2);
        std::swap(y1, y2);
    }
}

void TGerade::Zeichne() {
    Extended x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    bool sichtbar = false;
    SichtbarerAbschnitt(x1, y1, x2, y2, sichtbar);
    if (!sichtbar) return;
    Linie(x1, y1, x2, y2);
    Punkt->Zeichne();
}

void TAchse::Zeichne() {
    Extended x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    bool sichtbar = false;
    SichtbarerAbschnitt(x1, y1, x2, y2, sichtbar);
    if (!sichtbar) return;
    Pfeil(x1, y1, x2, y2);
    Punkt->Zeichne();
}

// ---- the coordinate system ----

TPunkt* Ursprung = nullptr;
TVektor* EinheitsvektorX = nullptr;
TVektor* EinheitsvektorY = nullptr;
TVektor* EinheitsvektorZ = nullptr;
TAchse* AchseX = nullptr;
TAchse* AchseY = nullptr;
TAchse* AchseZ = nullptr;

void InitialisiereGeometrie() {
    if (Ursprung != nullptr) return;
    Ursprung = NeuesObjekt<TPunkt>("0", Null, Null, Eins);
    EinheitsvektorX = NeuesObjekt<TVektor>("i", Eins, Null, Null);
    EinheitsvektorY = NeuesObjekt<TVektor>("i", Null, Eins, Null);
    EinheitsvektorZ = NeuesObjekt<TVektor>("i", Null, Null, Eins);
    AchseX = NeuesObjekt<TAchse>("x", Ursprung, EinheitsvektorX);
    AchseY = NeuesObjekt<TAchse>("y", Ursprung, EinheitsvektorY);
    AchseZ = NeuesObjekt<TAchse>("z", Ursprung, EinheitsvektorZ);
}

void ZeichneAchsen() {
    for (TAchse* a : {AchseX, AchseY, AchseZ})
        if (a != nullptr) a->Zeichne();
}

} // namespace zol::Vektoren
