// The set algebra: intersection, union, difference and complement of intervals, chains and point lists;
// a simple point inside an interval; the preimage.
#include <cmath>

#include "output/Ausgabe.h"
#include "term/Mengen.h"
#include "term/Punktlisten.h"
#include "term/TermManager.h"
#include "term/Termarithmetik.h"
#include "term/Terme.h"

namespace zol {

namespace {

Extended WertBei0(TTerm* T, bool& definiert) {
    return T->Wert(0, definiert);
}

Extended WertBei0(TTerm* T) {
    bool definiert = true;
    return T->Wert(0, definiert);
}

TRand Umgekehrt(const TRand& R) {
    return TRand{R.Wert, !R.Offen};
}

bool IstStandard(TMenge* M, const char* name) {
    auto* s = dynamic_cast<TStandardMenge*>(M);
    return s && s->Kennung == name;
}

TIntervall* AlsIntervall(TMenge* M) {
    return dynamic_cast<TIntervall*>(M);
}
TIMenge* AlsKette(TMenge* M) {
    return dynamic_cast<TIMenge*>(M);
}
TSListe* AlsListe(TMenge* M) {
    return dynamic_cast<TSListe*>(M);
}

// Appends M as a new element at the end of the chain that starts at kopf (a new chain when kopf is nil).
void KetteAnhaengen(TIMenge*& kopf, TMenge* M) {
    if (!kopf)
        kopf = Neu<TIMenge>(M);
    else
        kopf->Anhaengen(M);
}

TMenge* KetteOderLeer(TIMenge* kette) {
    return kette ? static_cast<TMenge*>(kette) : LeereMenge;
}

} // namespace

bool IstOperatorMenge(TMenge* M, const std::string& ops) {
    auto* o = dynamic_cast<TOperatorMenge*>(M);
    return o && ops.find(o->Operator) != std::string::npos;
}

bool IstLeeresIntervall(TIntervall* I) {
    if (!I->LinkerRand.Wert || !I->RechterRand.Wert) return false;
    if (WertBei0(I->LinkerRand.Wert) > WertBei0(I->RechterRand.Wert)) return true;
    return I->LinkerRand.Wert->IstGleich(I->RechterRand.Wert) &&
           (I->LinkerRand.Offen || I->RechterRand.Offen);
}

TIntervall* IntervallSchnitt(TIntervall* A, TIntervall* B) {
    const TRand& links = LinkerRandVor(A->LinkerRand, B->LinkerRand) ? B->LinkerRand : A->LinkerRand;
    const TRand& rechts = RechterRandNach(A->RechterRand, B->RechterRand) ? A->RechterRand : B->RechterRand;
    return Neu<TIntervall>(links, rechts);
}

TMenge* IntervallKomplement(TIntervall* I) {
    TIntervall* links = nullptr;
    TIntervall* rechts = nullptr;
    if (I->LinkerRand.Wert) links = Neu<TIntervall>(UnendlichRand, Umgekehrt(I->LinkerRand));
    if (I->RechterRand.Wert) rechts = Neu<TIntervall>(Umgekehrt(I->RechterRand), UnendlichRand);
    if (links && rechts) {
        TIMenge* kette = Neu<TIMenge>(links);
        kette->Anhaengen(rechts);
        return kette;
    }
    if (links) return links;
    if (rechts) return rechts;
    return LeereMenge;
}

TIMenge* IMengenKomplement(TIMenge* M) {
    if (!M) return Neu<TIMenge>(IntervallR);
    TIMenge* ergebnis = nullptr;
    TRand laufend = UnendlichRand;
    for (TIMenge* e = M; e; e = e->Naechste) {
        auto* I = AlsIntervall(e->Menge);
        if (!I) continue;
        if (I->LinkerRand.Wert) KetteAnhaengen(ergebnis, Neu<TIntervall>(laufend, Umgekehrt(I->LinkerRand)));
        laufend = I->RechterRand.Wert ? Umgekehrt(I->RechterRand) : UnendlichRand;
    }
    if (laufend.Wert) KetteAnhaengen(ergebnis, Neu<TIntervall>(laufend, UnendlichRand));
    return ergebnis;
}

bool LiegtVor(TIntervall* A, TIntervall* B) {
    if (!A->RechterRand.Wert || !B->LinkerRand.Wert) return false;
    Extended a = WertBei0(A->RechterRand.Wert), b = WertBei0(B->LinkerRand.Wert);
    return a < b || (a == b && A->RechterRand.Offen && B->LinkerRand.Offen);
}

TIntervall* IntervallHuelle(TIntervall* A, TIntervall* B) {
    const TRand& links = LinkerRandVor(A->LinkerRand, B->LinkerRand) ? A->LinkerRand : B->LinkerRand;
    const TRand& rechts = RechterRandNach(A->RechterRand, B->RechterRand) ? B->RechterRand : A->RechterRand;
    return Neu<TIntervall>(links, rechts);
}

TSListe* SListenVereinigung(TSListe* A, TSListe* B) {
    // The points are copied, so that merging multiplicities leaves A and B as they were.
    TSListe* ergebnis = NeueLeereListe();
    for (Int32 i = 1; i <= A->Anzahl; ++i)
        ergebnis->Stellen[++ergebnis->Anzahl] =
            Neu<TStelle>(A->Stellen[i]->Punkt, A->Stellen[i]->Vielfachheit);
    for (Int32 i = 1; i <= B->Anzahl; ++i)
        StelleEinfuegen(Neu<TStelle>(B->Stellen[i]->Punkt, B->Stellen[i]->Vielfachheit), ergebnis, true);
    return ergebnis;
}

TIMenge* IMengenSchnitt(TIMenge* A, TIMenge* B) {
    TIMenge* ergebnis = nullptr;
    for (TIMenge* a = A; a; a = a->Naechste)
        for (TIMenge* b = B; b; b = b->Naechste) {
            auto* ia = AlsIntervall(a->Menge);
            auto* ib = AlsIntervall(b->Menge);
            if (!ia || !ib) continue;
            TIntervall* s = IntervallSchnitt(ia, ib);
            if (!IstLeeresIntervall(s)) KetteAnhaengen(ergebnis, s);
        }
    return ergebnis;
}

TIMenge* IMengenVereinigung(TIntervall* I, TIMenge* M) {
    TIMenge* ergebnis = nullptr;
    TIMenge* e = M;
    while (e && AlsIntervall(e->Menge) && LiegtVor(AlsIntervall(e->Menge), I)) {
        KetteAnhaengen(ergebnis, e->Menge);
        e = e->Naechste;
    }
    while (e && AlsIntervall(e->Menge) && !LiegtVor(I, AlsIntervall(e->Menge))) {
        I = IntervallHuelle(I, AlsIntervall(e->Menge));
        e = e->Naechste;
    }
    KetteAnhaengen(ergebnis, I);
    for (; e; e = e->Naechste) KetteAnhaengen(ergebnis, e->Menge);
    return ergebnis;
}

TIMenge* IMengenVereinigungAlle(TIMenge* A, TIMenge* B) {
    TIMenge* ergebnis = B;
    for (TIMenge* a = A; a; a = a->Naechste)
        if (auto* I = AlsIntervall(a->Menge)) ergebnis = IMengenVereinigung(I, ergebnis);
    return ergebnis;
}

namespace {

TMenge* MengenSchnitt(TMenge* A, TMenge* B) {
    if (IstStandard(A, "L") || IstStandard(B, "L")) return LeereMenge;
    if (IstStandard(A, "R")) return B;
    if (IstStandard(B, "R")) return A;
    auto *ia = AlsIntervall(A), *ib = AlsIntervall(B);
    auto *ka = AlsKette(A), *kb = AlsKette(B);
    if (ia && ib) return IntervallSchnitt(ia, ib);
    if (ia && kb) return KetteOderLeer(IMengenSchnitt(Neu<TIMenge>(ia), kb));
    if (ka && ib) return KetteOderLeer(IMengenSchnitt(ka, Neu<TIMenge>(ib)));
    if (ka && kb) return KetteOderLeer(IMengenSchnitt(ka, kb));
    return nullptr;
}

TMenge* MengenVereinigung(TMenge* A, TMenge* B) {
    if (IstStandard(A, "L")) return B;
    if (IstStandard(B, "L")) return A;
    if (IstStandard(A, "R") || IstStandard(B, "R")) return MengeR;
    auto *ia = AlsIntervall(A), *ib = AlsIntervall(B);
    auto *ka = AlsKette(A), *kb = AlsKette(B);
    if (ia && ib) {
        if (LiegtVor(ia, ib) || LiegtVor(ib, ia)) return IMengenVereinigung(ia, Neu<TIMenge>(ib));
        return IntervallHuelle(ia, ib);
    }
    if (ia && kb) return IMengenVereinigung(ia, kb);
    if (ka && ib) return IMengenVereinigung(ib, ka);
    if (ka && kb) return IMengenVereinigungAlle(ka, kb);
    auto *la = AlsListe(A), *lb = AlsListe(B);
    if (la && lb) return SListenVereinigung(la, lb);
    return nullptr;
}

TMenge* MengenDifferenz(TMenge* A, TMenge* B) {
    if (IstStandard(A, "L") || IstStandard(B, "R")) return LeereMenge;
    if (IstStandard(B, "L")) return A;
    if (auto* ib = AlsIntervall(B)) return MengenOperation(A, IntervallKomplement(ib), 'n');
    if (auto* kb = AlsKette(B)) return MengenOperation(A, KetteOderLeer(IMengenKomplement(kb)), 'n');
    return nullptr;
}

// A point list on one side: the points are sorted into those that belong to the result.
TMenge* MitPunktliste(TMenge* A, TMenge* B, char op) {
    TSListe* la = AlsListe(A);
    TSListe* P = la ? la : AlsListe(B);
    TMenge* Q = la ? B : A;
    TSListe* N = NeueLeereListe();
    for (Int32 i = 1; i <= P->Anzahl; ++i) {
        TStelle* s = P->Stellen[i];
        bool nehmen = false;
        switch (op) {
        case 'v':
            nehmen = !Q->Enthaelt(s->Punkt);
            break;
        case 'n':
            nehmen = Q->Enthaelt(s->Punkt);
            break;
        case '\\':
            // With two lists every point of A is kept: those not in B and those in B.
            if (la)
                nehmen = AlsListe(B) || !B->Enthaelt(s->Punkt);
            else
                nehmen = A->Enthaelt(s->Punkt);
            break;
        }
        if (nehmen) N->Stellen[++N->Anzahl] = s;
    }
    if (N->Anzahl <= 0) {
        switch (op) {
        case '\\':
            return la ? static_cast<TMenge*>(LeereMenge) : A;
        case 'n':
            return LeereMenge;
        default:
            return Q;
        }
    }
    switch (op) {
    case 'n':
        return N;
    case 'v':
        return Neu<TOperatorMenge>(N, 'v', Q);
    default:
        return la ? Neu<TOperatorMenge>(N, '\\', B) : Neu<TOperatorMenge>(A, '\\', N);
    }
}

TSListe* AlsEinpunktliste(TMenge* M) {
    auto* s = dynamic_cast<TStelle*>(M);
    if (!s) return nullptr;
    TSListe* l = NeueLeereListe();
    l->Anzahl = 1;
    l->Stellen[1] = s;
    return l;
}

} // namespace

TMenge* MengenOperation(TMenge* A, TMenge* B, char Operator) {
    // The empty chain (nil) is the empty set.
    if (!A) A = LeereMenge;
    if (!B) B = LeereMenge;
    if (TSListe* l = AlsEinpunktliste(A)) A = l;
    if (TSListe* l = AlsEinpunktliste(B)) B = l;
    TMenge* ergebnis = nullptr;
    switch (Operator) {
    case 'n':
        ergebnis = MengenSchnitt(A, B);
        break;
    case 'v':
        ergebnis = MengenVereinigung(A, B);
        break;
    case '\\':
        ergebnis = MengenDifferenz(A, B);
        break;
    default:
        break;
    }
    if (ergebnis) return ergebnis;
    if (!AlsListe(A) && !AlsListe(B)) return Neu<TOperatorMenge>(A, Operator, B);
    return MitPunktliste(A, B, Operator);
}

TIntervall* HuelleVon(TMenge* M) {
    if (!M) return IntervallR;
    if (auto* I = AlsIntervall(M)) return IstLeeresIntervall(I) ? nullptr : I;
    if (auto* s = dynamic_cast<TStandardMenge*>(M)) return s->Kennung == "L" ? nullptr : IntervallR;
    if (auto* p = dynamic_cast<TStelle*>(M))
        return Neu<TIntervall>(TRand{p->Punkt, false}, TRand{p->Punkt, false});
    auto vereinigt = [](TIntervall* A, TIntervall* B) { return !A ? B : !B ? A : IntervallHuelle(A, B); };
    if (auto* L = AlsListe(M)) {
        TIntervall* H = nullptr;
        for (Int32 i = 1; i <= L->Anzahl; ++i) H = vereinigt(H, HuelleVon(L->Stellen[i]));
        return H;
    }
    if (auto* k = AlsKette(M)) {
        TIntervall* H = nullptr;
        for (TIMenge* e = k; e; e = e->Naechste) H = vereinigt(H, HuelleVon(e->Menge));
        return H;
    }
    if (auto* o = dynamic_cast<TOperatorMenge*>(M)) {
        TIntervall* links = HuelleVon(o->Links);
        if (o->Operator == 'v') return vereinigt(links, HuelleVon(o->Rechts));
        if (o->Operator == 'n' && links) {
            TIntervall* rechts = HuelleVon(o->Rechts);
            if (!rechts) return nullptr;
            TIntervall* schnitt = IntervallSchnitt(links, rechts);
            return IstLeeresIntervall(schnitt) ? nullptr : schnitt;
        }
        return links;
    }
    return IntervallR;
}

void MengenAuswerten(TMenge*& M) {
    auto* o = dynamic_cast<TOperatorMenge*>(M);
    if (!o) return;
    TMenge* links = o->Links;
    TMenge* rechts = o->Rechts;
    MengenAuswerten(links);
    MengenAuswerten(rechts);
    M = MengenOperation(links, rechts, o->Operator);
}

TTerm* PunktImIntervall(TIntervall* I) {
    if (IstLeeresIntervall(I)) return nullptr;
    if (ImIntervall(Null, I)) return Null;
    TTerm* unten = I->LinkerRand.Wert;
    TTerm* oben = I->RechterRand.Wert;
    // A half-bounded interval without 0: the integer next to its bound inside it, or, for a bound beyond the
    // integers of 64 bits, twice the bound (the bound is negative when the interval reaches -∞, positive when
    // it reaches ∞, so twice the bound lies inside, and far enough to be told apart by its value).
    // Schritt is the direction from the bound into the interval.
    auto beiDerGrenze = [I](TTerm* grenze, Int64 schritt) -> TTerm* {
        constexpr Extended GanzzahlGrenze = 1e15L;
        const Extended w = WertBei0(grenze);
        if (!(std::fabs(w) < GanzzahlGrenze)) return Produkt(Zwei, grenze);
        auto n = static_cast<Int64>(std::trunc(w));
        TTerm* kandidat = RationaleKonstante(TBruch{n, 1});
        return ImIntervall(kandidat, I) ? kandidat : RationaleKonstante(TBruch{n + schritt, 1});
    };
    if (!unten) return beiDerGrenze(oben, -1);
    if (!oben) return beiDerGrenze(unten, 1);
    Extended a = WertBei0(unten), b = WertBei0(oben);
    if (unten->IstGleich(oben) || a == b) return unten;
    // Integers first, then halves, thirds and so on; for each denominator q the smallest numerator p
    // with p/q in I. Candidates are tested numerically before any term is built.
    constexpr Int64 GroessterNenner = 1000000;
    if (std::fabs(a) < 1e12L && std::fabs(b) < 1e12L) {
        for (Int64 q = 1; q <= GroessterNenner; ++q) {
            auto p = static_cast<Int64>(std::floor(a * q));
            for (; static_cast<Extended>(p) <= b * q; ++p) {
                Extended w = static_cast<Extended>(p) / static_cast<Extended>(q);
                if (w < a || w > b) continue;
                TTerm* kandidat = RationaleKonstante(TBruch{p, q});
                if (ImIntervall(kandidat, I)) return kandidat;
            }
        }
    }
    return Quotient(Summe(unten, oben), Zwei);
}

TMenge* Urbild(TTerm* T, TMenge* M, TMenge* D, bool Kommentar, TWahrheitswert& Status) {
    SchreibeZeile("Urbild noch nicht implementiert.");
    Status = unklar;
    TMenge* ergebnis = LeereMenge;
    auto* t = dynamic_cast<TTTerm*>(T);
    if (!t) return ergebnis;
    if (IstStandard(D, "L")) {
        uint8_t s = unklar;
        t->BestimmeDefinitionsbereich(D, s, Kommentar);
    }
    if (auto* o = dynamic_cast<TOperatorMenge*>(M)) {
        TWahrheitswert s1 = unklar, s2 = unklar;
        TMenge* links = Urbild(T, o->Links, D, Kommentar, s1);
        TMenge* rechts = Urbild(T, o->Rechts, D, Kommentar, s2);
        Status = Und(s1, s2);
        return Neu<TOperatorMenge>(links, o->Operator, rechts);
    }
    TTerm *m = nullptr, *n = nullptr;
    auto* I = AlsIntervall(M);
    if (I && IstLinear(T, m, n)) {
        auto abbilden = [&](const TRand& r) {
            if (!r.Wert) return UnendlichRand;
            return TRand{Quotient(Differenz(r.Wert, n), m), r.Offen};
        };
        TRand links = abbilden(I->LinkerRand), rechts = abbilden(I->RechterRand);
        bool definiert = true;
        if (!(WertBei0(m, definiert) > 0)) std::swap(links, rechts);
        ergebnis = Neu<TIntervall>(links, rechts);
    }
    return ergebnis;
}

void MengeDefinitionsbereich(TTerm* T, TMenge*& Ergebnis, uint8_t& Status, bool Kommentar) {
    auto* t = dynamic_cast<TTTerm*>(T);
    if (!t) {
        Ergebnis = LeereMenge;
        Status = unklar;
        return;
    }
    t->BestimmeDefinitionsbereich(Ergebnis, Status, Kommentar);
}

} // namespace zol
