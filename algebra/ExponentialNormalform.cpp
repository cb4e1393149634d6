// The exponential normal forms "ENF" and "ANF" A * Basis^B: the builder over products, quotients, sums of
// equal exponentials and integer powers, and the forms' symmetry, derivative and zeros.
#include "algebra/ExponentialNormalform.h"

#include <cstdint>

#include "algebra/Protokollblock.h"
#include "algebra/RationaleNormalform.h"
#include "output/Ausgabe.h"
#include "output/Protokoll.h"
#include "plattform/Oberflaeche.h"
#include "term/Fehler.h"
#include "term/Funktionen.h"
#include "term/Mengen.h"
#include "term/TermManager.h"
#include "term/Termarithmetik.h"
#include "term/Terme.h"

namespace zol {

namespace {

// The fields while the builder works.
struct TExp {
    TBruch Basis{1, 1};
    TRationaleFunktion* A = nullptr;
    TRationaleFunktion* B = nullptr;
};

bool IstE(const TBruch& b) {
    return Brueche::Gleich(b, BruchEins);
}

// The factor alone: the exponent is 0.
bool IstRational(const TExp& E) {
    return IstNullPolynom(E.B->Zaehler);
}

TRationaleFunktion* Konstante(TTerm* c) {
    TPolynom P;
    KonstantesPolynom(c, P);
    return Neu<TRationaleFunktion>(P, EinsPolynom);
}

TRationaleFunktion* RationaleFunktionVon(TTerm* T) {
    bool neu = false;
    return TRationaleFunktionCreateT(T, neu);
}

// A^n for n >= 0 by repeated squaring.
TRationaleFunktion* Hoch(TRationaleFunktion* A, uint64_t n) {
    TRationaleFunktion* R = RFEins();
    while (n > 0) {
        if (n & 1) R = RFMal(R, A);
        n >>= 1;
        if (n > 0) A = RFMal(A, A);
    }
    return R;
}

bool Baue(TTerm* T, TExp& E);

// The builder's fields of T; a subterm that caches its exponential form gives that form's fields.
bool FelderVon(TTerm* T, TExp& E) {
    if (auto* form = dynamic_cast<TExponentialNormalform*>(T->Normalform)) {
        E = {form->Basis, form->A, form->B};
        return true;
    }
    if (!(T->MoeglicheNormalformen & NormalformENF)) return false;
    return Baue(T, E);
}

bool PotenzFelder(TPotenz* p, TExp& E) {
    const Int64 n = p->Exponent.Zaehler;
    TExp basis;
    if (n == INT64_MIN || !FelderVon(p->Argument, basis)) return false;
    const uint64_t betrag = n < 0 ? static_cast<uint64_t>(-n) : static_cast<uint64_t>(n);
    E.A = Hoch(basis.A, betrag);
    if (n < 0) {
        // A^n = 1 / A^|n|: a factor 0 has no such power.
        if (IstNullPolynom(E.A->Zaehler)) return false;
        E.A = RFDurch(RFEins(), E.A);
    }
    E.B = RFMal(Konstante(RationaleKonstante(TBruch{n, 1})), basis.B);
    E.Basis = basis.Basis;
    return true;
}

bool OperatorFelder(TOperatorTerm* o, TExp& E) {
    TExp E1, E2;
    if (!FelderVon(o->T1, E1) || !FelderVon(o->T2, E2)) return false;
    // A purely rational side takes the other side's base; different bases do not combine.
    if (IstRational(E1)) E1.Basis = E2.Basis;
    if (IstRational(E2)) E2.Basis = E1.Basis;
    if (!Brueche::Gleich(E1.Basis, E2.Basis)) return false;
    E.Basis = E1.Basis;
    switch (o->Operator) {
    case '+':
    case '-':
        if (!RFGleich(E1.B, E2.B)) return false;
        E.A = o->Operator == '+' ? RFPlus(E1.A, E2.A) : RFMinus(E1.A, E2.A);
        E.B = E1.B;
        return true;
    case '*':
        E.A = RFMal(E1.A, E2.A);
        E.B = RFPlus(E1.B, E2.B);
        return true;
    default:
        if (IstNullPolynom(E2.A->Zaehler)) return false;
        E.A = RFDurch(E1.A, E2.A);
        E.B = RFMinus(E1.B, E2.B);
        return true;
    }
}

// The first case that matches decides.
bool Baue(TTerm* T, TExp& E) {
    if (TRationaleFunktion* F = RationaleFunktionVon(T)) {
        E = {BruchEins, F, RFNull()};
        return true;
    }
    if (auto* s = AlsStandardFunktion(T); s && s->Kennung == "exp") {
        TRationaleFunktion* F = RationaleFunktionVon(s->Argument);
        if (!F) return false;
        E = {BruchEins, RFEins(), F};
        return true;
    }
    if (auto* g = AlsAllgemeineExponentialFunktion(T)) {
        TRationaleFunktion* F = RationaleFunktionVon(g->Argument);
        if (!F) return false;
        // 1^u is 1: the base 1/1 would stand for e.
        if (IstE(g->Basis))
            E = {BruchEins, RFEins(), RFNull()};
        else
            E = {g->Basis, RFEins(), F};
        return true;
    }
    if (auto* p = AlsPotenzTerm(T); p && p->Exponent.Nenner == 1) return PotenzFelder(p, E);
    if (auto* o = AlsOperatorTerm(T)) return OperatorFelder(o, E);
    return false;
}

} // namespace

// ---- The form ----

TExponentialNormalform::TExponentialNormalform(const TBruch& basis, TRationaleFunktion* a,
                                               TRationaleFunktion* b)
    : A(a), B(b), Basis(basis) {
    // Without an exponent the base plays no part: the form is the factor, with the base e.
    if (IstNullPolynom(B->Zaehler)) Basis = BruchEins;
    if (IstE(Basis)) {
        Kennung = KennungENF;
        Term =
            IstNullPolynom(B->Zaehler) ? A->Term : ArOp(A->Term, StandardFunktionTerm("exp", B->Term), '*');
    } else {
        Kennung = KennungANF;
        Term = ArOp(A->Term, Neu<TAllgemeineExponentialFunktion>(Basis, B->Term), '*');
    }
}

void TExponentialNormalform::Symmetrie(TWahrheitswert& Achsensymmetrisch, TWahrheitswert& Punktsymmetrisch,
                                       bool Kommentar) {
    if (IstNullPolynom(A->Zaehler)) {
        // f is 0 where it is defined: symmetric both ways when that is everywhere.
        Achsensymmetrisch = Punktsymmetrisch = B->Nenner.Grad == 0 ? wahr : unklar;
        return;
    }
    TWahrheitswert bAchse = unklar, bPunkt = unklar, aAchse = unklar, aPunkt = unklar;
    B->Symmetrie(bAchse, bPunkt, Kommentar);
    A->Symmetrie(aAchse, aPunkt, Kommentar);
    // Basis^B keeps its sign, so only an even exponent lets f be even or odd.
    Achsensymmetrisch = Und(bAchse, aAchse);
    Punktsymmetrisch = Und(bAchse, aPunkt);
}

TNormalform* TExponentialNormalform::Ableitung() {
    try {
        auto* dA = static_cast<TRationaleFunktion*>(A->Ableitung());
        auto* dB = static_cast<TRationaleFunktion*>(B->Ableitung());
        TRationaleFunktion* innen = RFMal(A, dB);
        if (!IstE(Basis))
            innen = RFMal(innen, Konstante(StandardFunktionTerm("ln", RationaleKonstante(Basis))));
        return Neu<TExponentialNormalform>(Basis, RFPlus(dA, innen), B);
    } catch (const EBenutzerAbbruch&) {
        throw;
    } catch (const EBudgetErschoepft&) {
        throw;
    } catch (const EZolFehler& fehler) {
        Oberflaeche().Meldung(TMeldungsart::Warnung,
                              std::string("Kann Exponential-Normalform nicht ableiten\r\n") + fehler.what());
        return nullptr;
    }
}

void TExponentialNormalform::Nullstellen(TMenge* M, TSListe*& Liste, bool Kommentar, uint8_t& Status) {
    if (Kommentar)
        SchreibeTextTermTextZeile("Das sind die Nullstellen von ", A->Term,
                                  " da Exponentialfunktionen stets >0 sind.");
    A->Nullstellen(M, Liste, Kommentar, Status);
    // Where A or the exponent is not defined, f has a gap, not a zero.
    if (A->Nenner.Grad > 0) OhneNullstellenVon(Liste, A->Nenner);
    if (B->Nenner.Grad > 0) OhneNullstellenVon(Liste, B->Nenner);
}

// ---- The builder ----

TNormalform* TExponentialNormalformCreateT(TTerm* T) {
    if (!T || !(T->MoeglicheNormalformen & NormalformENF)) return nullptr;
    TProtokoll protokoll(ProtokollNormalform, "TExponentialNormalformCreateT:", T);
    TExp E;
    if (!Baue(T, E)) {
        protokoll.Ende("TExponentialNormalformCreateT=", nullptr);
        return nullptr;
    }
    auto* form = Neu<TExponentialNormalform>(E.Basis, E.A, E.B);
    protokoll.Ende("TExponentialNormalformCreateT=", form->Term);
    return form;
}

} // namespace zol
