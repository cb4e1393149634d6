#include "term/Mengen.h"

#include <algorithm>
#include <cmath>

#include "algebra/Nullentscheidung.h"
#include "plattform/Oberflaeche.h"
#include "term/Fehler.h"
#include "term/Termarithmetik.h"
#include "term/Terme.h"

namespace zol {

TRand UnendlichRand;
TStandardMenge* MengeN = nullptr;
TStandardMenge* MengeZ = nullptr;
TStandardMenge* MengeQ = nullptr;
TStandardMenge* MengeR = nullptr;
TStandardMenge* LeereMenge = nullptr;
TIntervall* IntervallR = nullptr;
TIntervall* IntervallPositiv = nullptr;
TIntervall* IntervallNegativ = nullptr;
TIntervall* IntervallNichtNegativ = nullptr;
TIMenge* PositiveMenge = nullptr;
TIMenge* NichtNegativeMenge = nullptr;
TIMenge* RohneNull = nullptr;

void InitialisiereMengen() {
    if (MengeR) return;
    DauerhaftAnlegen dauerhaft;
    UnendlichRand = TRand{nullptr, true};
    MengeN = Neu<TStandardMenge>("N");
    MengeZ = Neu<TStandardMenge>("Z");
    MengeQ = Neu<TStandardMenge>("Q");
    MengeR = Neu<TStandardMenge>("R");
    LeereMenge = Neu<TStandardMenge>("L");
    IntervallR = Neu<TIntervall>(UnendlichRand, UnendlichRand);
}

TStelle::TStelle(TTerm* punkt, Int32 vielfachheit) : Punkt(punkt), Vielfachheit(vielfachheit) {
    Kennung = punkt ? punkt->Kennung : "nil";
}

bool TStelle::Enthaelt(TTerm* T) {
    return Punkt && T && Punkt->IstGleich(T);
}

TSListe::TSListe() {
    Kennung = "TSList";
}

TSListe* NeueLeereListe() {
    TSListe* liste = Neu<TSListe>();
    liste->Anzahl = 0;
    return liste;
}

Int32 TSListe::Index(TTerm* T) {
    for (Int32 i = 1; i <= Anzahl; ++i)
        if (Stellen[i]->Punkt->IstGleich(T)) return i;
    return -1;
}

void TSListe::FuegeHinzu(TTerm* T, Int32 n) {
    Int32 i = Index(T);
    if (i >= 1) {
        Stellen[i]->Vielfachheit = Vielfachheitssumme(Stellen[i]->Vielfachheit, n);
        return;
    }
    if (Anzahl < 0) Anzahl = 0;
    if (Anzahl >= MaxStellen) {
        Oberflaeche().Meldung(TMeldungsart::Information, "Liste voll. Einfügen nicht mehr möglich.");
        return;
    }
    Stellen[++Anzahl] = Neu<TStelle>(T, n);
}

void OhneVielfachheit(TSListe* Liste) {
    for (Int32 i = 1; Liste && i <= Liste->Anzahl; ++i) Liste->Stellen[i]->Vielfachheit = 0;
}

bool TSListe::Enthaelt(TTerm* T) {
    return Index(T) >= 1;
}

TIntervall::TIntervall(const TRand& links, const TRand& rechts) : LinkerRand(links), RechterRand(rechts) {
    Kennung = "Inter";
}

bool TIntervall::Enthaelt(TTerm* T) {
    return ImIntervall(T, this);
}

TStandardMenge::TStandardMenge(const std::string& name) {
    Kennung = name;
}

bool TStandardMenge::Enthaelt(TTerm* T) {
    if (Kennung == "R") return true;
    auto* r = AlsRationaleKonstante(T);
    if (!r) return false;
    if (Kennung == "Q") return true;
    if (Kennung == "Z") return r->Bruch.Nenner == 1;
    if (Kennung == "N") return r->Bruch.Nenner == 1 && r->Bruch.Zaehler > 0;
    return false;
}

TOperatorMenge::TOperatorMenge(TMenge* links, char op, TMenge* rechts)
    : Links(links), Rechts(rechts), Operator(op) {}

bool TOperatorMenge::Enthaelt(TTerm* T) {
    // A missing side is the empty set.
    if (!Links) return Operator == 'v' && Rechts && Rechts->Enthaelt(T);
    if (!Rechts) return Operator != 'n' && Links->Enthaelt(T);
    switch (Operator) {
    case '\\':
        return Links->Enthaelt(T) && !Rechts->Enthaelt(T);
    case 'n':
        return Links->Enthaelt(T) && Rechts->Enthaelt(T);
    case 'v':
        return Links->Enthaelt(T) || Rechts->Enthaelt(T);
    default:
        return false;
    }
}

TIMenge::TIMenge(TMenge* menge) : Menge(menge) {}

void TIMenge::Anhaengen(TMenge* M) {
    TIMenge* letzte = this;
    while (letzte->Naechste) letzte = letzte->Naechste;
    letzte->Naechste = Neu<TIMenge>(M);
}

bool TIMenge::Enthaelt(TTerm* T) {
    for (TIMenge* e = this; e; e = e->Naechste)
        if (e->Menge && e->Menge->Enthaelt(T)) return true;
    return false;
}

namespace {

Extended RandWert(const TRand& R) {
    bool definiert = true;
    return R.Wert->Wert(0, definiert);
}

// The order of two bounds' values: -1, 1, 0 for the same number, 2 when no order is known (no value). Values
// that agree up to rounding are the same number when the terms are equal or their difference is 0 (-2·π and
// -(2·π)); otherwise the values decide.
int Vergleich(const TRand& A, const TRand& B) {
    if (A.Wert->IstGleich(B.Wert)) return 0;
    const Extended a = RandWert(A), b = RandWert(B);
    const int nachWert = a < b ? -1 : b < a ? 1 : 2;
    const Extended schranke = 1e-12L * std::max({Extended(1), std::fabs(a), std::fabs(b)});
    if (!(std::fabs(a - b) <= schranke) || !A.Wert->IstKonstant || !B.Wert->IstKonstant) return nachWert;
    try {
        return Nullheit(Differenz(A.Wert, B.Wert)) == TNullheit::Null ? 0 : nachWert;
    } catch (const ERessourcen&) {
        return nachWert;
    }
}

} // namespace

bool LinkerRandVor(const TRand& A, const TRand& B) {
    if (!A.Wert && B.Wert) return true;
    if (!A.Wert || !B.Wert) return false;
    const int v = Vergleich(A, B);
    return v < 0 || (v == 0 && !A.Offen && B.Offen);
}

bool RechterRandNach(const TRand& A, const TRand& B) {
    if (A.Wert && !B.Wert) return true;
    if (!A.Wert || !B.Wert) return false;
    const int v = Vergleich(A, B);
    return v < 0 || (v == 0 && A.Offen && !B.Offen);
}

bool ImIntervall(TTerm* T, TIntervall* I) {
    TRand P{T, true};
    return LinkerRandVor(I->LinkerRand, P) && RechterRandNach(P, I->RechterRand);
}

} // namespace zol
