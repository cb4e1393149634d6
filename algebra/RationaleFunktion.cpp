// The rational function normal form "RF": recognising quotients of polynomials, their arithmetic, and the
// form's symmetry, derivative and zeros.
#include "algebra/RationaleFunktion.h"
#include "algebra/RationaleNormalform.h"

#include <limits>

#include "algebra/PolynomNullstellen.h"
#include "algebra/Protokollblock.h"
#include "output/Ausgabe.h"
#include "output/Protokoll.h"
#include "term/Fehler.h"
#include "term/Mengen.h"
#include "term/TermManager.h"
#include "term/Termarithmetik.h"
#include "term/Terme.h"

namespace zol {

namespace {

constexpr uint8_t KeineRFBits = FunktionsartExp | FunktionsartLn | FunktionsartTrig | FunktionsartWurzel;

bool IstEinsPolynom(const TPolynom& P) {
    return PGleich(P, EinsPolynom);
}

void Kuerze(TPolynom& Z, TPolynom& N) {
    Int32 flag = 0;
    PKuerze(Z, N, flag);
}

// A new form of the cancelled quotient Z/N.
TRationaleFunktion* GekuerzteForm(TPolynom Z, TPolynom N) {
    Kuerze(Z, N);
    return Neu<TRationaleFunktion>(Z, N);
}

// Z with x replaced by -x: the coefficients of odd exponents negated.
TPolynom ZvonMinusX(const TPolynom& Z) {
    TPolynom R = Z;
    for (Int32 i = 1; i <= R.Grad; i += 2) R.Koeff[i] = R.Koeff[i]->Negation();
    return R;
}

bool RationaleFunktionVon(TTerm* T, TPolynom& Z, TPolynom& N);

// The cancelled quotient of a term that caches no normal form; false when it is no rational function.
bool BaueRationaleFunktion(TTerm* T, TPolynom& Z, TPolynom& N) {
    TProtokoll protokoll(ProtokollNormalform, "TRationaleFunktionCreateT:", T);
    bool gefunden = false;
    N = EinsPolynom;
    if (T->IstKonstant) {
        gefunden = KonstantesPolynomVon(T, Z);
    } else if (IstVariable(T)) {
        Z = XPolynom;
        gefunden = true;
    } else if (auto* p = AlsPotenzTerm(T)) {
        const Int64 n = p->Exponent.Zaehler;
        if (p->Exponent.Nenner == 1 && n < 0) {
            if (n != std::numeric_limits<Int64>::min())
                gefunden = RationaleFunktionVon(Quotient(Eins, PotenzTerm(p->Argument, -n)), Z, N);
        } else if (p->Exponent.Nenner == 1) {
            TPolynom Zb, Nb;
            if (RationaleFunktionVon(p->Argument, Zb, Nb)) {
                PHochBegrenzt(Zb, n, Z);
                PHochBegrenzt(Nb, n, N);
                gefunden = true;
            }
        }
    } else if (auto* o = AlsOperatorTerm(T)) {
        TPolynom Z1, N1, Z2, N2;
        if (RationaleFunktionVon(o->T1, Z1, N1) && RationaleFunktionVon(o->T2, Z2, N2)) {
            gefunden = true;
            switch (o->Operator) {
            case '*':
                PMal(Z1, Z2, Z);
                PMal(N1, N2, N);
                break;
            case '/':
                PMal(Z1, N2, Z);
                PMal(N1, Z2, N);
                break;
            default: {
                TPolynom a, b;
                PMal(N1, N2, N);
                PMal(Z1, N2, a);
                PMal(Z2, N1, b);
                if (o->Operator == '+')
                    PPlus(a, b, Z);
                else
                    PMinus(a, b, Z);
            }
            }
        }
    }
    // A quotient by the zero polynomial has no value anywhere: no rational function.
    if (gefunden && IstNullPolynom(N)) gefunden = false;
    if (gefunden) {
        if (N.Grad == 0 && !N.Koeff[0]->IstGleich(Eins)) {
            TTerm* c = N.Koeff[0];
            for (Int32 i = 0; i <= Z.Grad; ++i) Z.Koeff[i] = QuotientV(Z.Koeff[i], c);
            N = EinsPolynom;
        } else {
            Kuerze(Z, N);
        }
        if (protokoll.Offen())
            protokoll.Ende("TRationaleFunktiomCreateT=", ArOp(PolynomToTerm(Z), PolynomToTerm(N), '/'));
    } else {
        protokoll.Ende("TRationaleFunktionCreateT=", nullptr);
    }
    return gefunden;
}

// Numerator and denominator of a cached "PT", "RF" or "RNF" form, taken as they are.
bool AusGespeicherterForm(TNormalform* F, TPolynom& Z, TPolynom& N) {
    if (auto* r = dynamic_cast<TRationaleFunktion*>(F)) {
        Z = r->Zaehler;
        N = r->Nenner;
        return true;
    }
    if (auto* p = dynamic_cast<TPolynomTerm*>(F)) {
        Z = p->P;
        N = EinsPolynom;
        return true;
    }
    if (auto* r = dynamic_cast<TRationaleNormalform*>(F)) {
        TPolynom potenz;
        PHoch(r->P2, r->k, potenz);
        PMal(r->P1, potenz, Z);
        PHoch(r->P3, r->m, N);
        return true;
    }
    return false;
}

// What the builder finds for T, without creating a form.
bool RationaleFunktionVon(TTerm* T, TPolynom& Z, TPolynom& N) {
    if (!T || (T->Funktionsarten & KeineRFBits) || !(T->MoeglicheNormalformen & NormalformRF)) return false;
    if (T->Normalform) return AusGespeicherterForm(T->Normalform, Z, N);
    return BaueRationaleFunktion(T, Z, N);
}

} // namespace

// ---- The form and its slots ----

TRationaleFunktion::TRationaleFunktion(const TPolynom& zaehler, const TPolynom& nenner)
    : Zaehler(zaehler), Nenner(nenner) {
    Term = RationaleFunktionToTerm(Zaehler, Nenner);
    Kennung = KennungRF;
}

void TRationaleFunktion::Symmetrie(TWahrheitswert& Achsensymmetrisch, TWahrheitswert& Punktsymmetrisch,
                                   bool Kommentar) {
    TWechsel<bool> kommentare(Kommentare, Kommentar);
    if (IstEinsPolynom(Nenner)) {
        PSymmetrie(Zaehler, Achsensymmetrisch, Punktsymmetrisch);
    } else {
        TPolynom P;
        PMal(ZvonMinusX(Zaehler), Nenner, P);
        if (Kommentar) {
            TTerm* minusX = VariableX->Negation();
            Schreibe("Die Symmetrie von ");
            SchreibeTerm(Term);
            Schreibe(" ist zu der des Polynoms ");
            SchreibeTerm(Produkt(PolynomToTerm(Zaehler)->Ersetze(VariableX, minusX), PolynomToTerm(Nenner)));
            SchreibeZeile(" äquivalent.");
        }
        TWechsel<Int32> eingerueckt(Einrueckung, Einrueckung + Einzug);
        PSymmetrie(P, Achsensymmetrisch, Punktsymmetrisch);
    }
}

TNormalform* TRationaleFunktion::Ableitung() {
    // (Z'N - ZN')/(N·N) with numerator and denominator first divided by g = gcd(N, N'): with N = g·h and
    // N' = g·k it is (Z'h - Zk)/(N·h). The smaller polynomials keep the fractions of the cancelling small.
    TPolynom dZ, dN, g, h = Nenner, k, rest, a, b, Z, N;
    PAbleitung(Zaehler, dZ);
    PAbleitung(Nenner, dN);
    k = dN;
    if (!IstNullPolynom(dN)) {
        PGGT(Nenner, dN, g);
        PDurch(Nenner, g, h, rest, false);
        PDurch(dN, g, k, rest, false);
    }
    PMal(dZ, h, a);
    PMal(Zaehler, k, b);
    PMinus(a, b, Z);
    PMal(Nenner, h, N);
    return GekuerzteForm(Z, N);
}

void TRationaleFunktion::Nullstellen(TMenge* M, TSListe*& Liste, bool Kommentar, uint8_t& Status) {
    if (Kommentar) SchreibeTextTermZeile("Das sind die Nullstellen von ", PolynomToTerm(Zaehler));
    PNullstellen(Zaehler, M, Liste, Status, Kommentar);
}

// ---- The builder ----

TRationaleFunktion* TRationaleFunktionCreateT(TTerm* T, bool& NeuGebaut) {
    NeuGebaut = false;
    if (!T || (T->Funktionsarten & KeineRFBits) || !(T->MoeglicheNormalformen & NormalformRF)) return nullptr;
    TPolynom Z, N;
    if (T->Normalform) {
        if (auto* r = dynamic_cast<TRationaleFunktion*>(T->Normalform)) return r;
        if (!AusGespeicherterForm(T->Normalform, Z, N)) return nullptr;
        NeuGebaut = true;
        return Neu<TRationaleFunktion>(Z, N);
    }
    if (!BaueRationaleFunktion(T, Z, N)) return nullptr;
    auto* form = Neu<TRationaleFunktion>(Z, N);
    form->Term = ArOp(PolynomToTerm(Z), PolynomToTerm(N), '/');
    NeuGebaut = true;
    return form;
}

TTerm* RationaleFunktionToTerm(TPolynom Z, TPolynom N) {
    if (N.Grad < 1) {
        TTerm* c = N.Koeff[0];
        if (c->IstNull()) return nullptr;
        for (Int32 i = 0; i <= Z.Grad; ++i) Z.Koeff[i] = Quotient(Z.Koeff[i], c);
        return PolynomToTerm(Z);
    }
    TTerm* z = PolynomToTerm(Z);
    TTerm* n = PolynomToTerm(N);
    TTerm* q = OperatorTerm(z, n, '/');
    if ((z->Zustand & TermVereinfacht) && (n->Zustand & TermVereinfacht)) q->Zustand |= TermVereinfacht;
    return q;
}

// ---- Arithmetic ----

TRationaleFunktion* RFNull() {
    return Neu<TRationaleFunktion>(NullPolynom, EinsPolynom);
}

TRationaleFunktion* RFEins() {
    return Neu<TRationaleFunktion>(EinsPolynom, EinsPolynom);
}

namespace {

TRationaleFunktion* SummeOderDifferenz(TRationaleFunktion* a, TRationaleFunktion* b, bool Differenz) {
    TPolynom s, t, Z, N;
    PMal(a->Zaehler, b->Nenner, s);
    PMal(a->Nenner, b->Zaehler, t);
    if (Differenz)
        PMinus(s, t, Z);
    else
        PPlus(s, t, Z);
    PMal(a->Nenner, b->Nenner, N);
    return GekuerzteForm(Z, N);
}

} // namespace

TRationaleFunktion* RFPlus(TRationaleFunktion* a, TRationaleFunktion* b) {
    return SummeOderDifferenz(a, b, false);
}

TRationaleFunktion* RFMinus(TRationaleFunktion* a, TRationaleFunktion* b) {
    return SummeOderDifferenz(a, b, true);
}

TRationaleFunktion* RFMal(TRationaleFunktion* a, TRationaleFunktion* b) {
    TPolynom Z, N;
    PMal(a->Zaehler, b->Zaehler, Z);
    PMal(a->Nenner, b->Nenner, N);
    return GekuerzteForm(Z, N);
}

TRationaleFunktion* RFDurch(TRationaleFunktion* a, TRationaleFunktion* b) {
    if (IstNullPolynom(b->Zaehler)) throw ETermFehler("Division durch Nullpolynom");
    TPolynom Z, N;
    PMal(a->Zaehler, b->Nenner, Z);
    PMal(a->Nenner, b->Zaehler, N);
    return GekuerzteForm(Z, N);
}

bool RFGleich(TRationaleFunktion* a, TRationaleFunktion* b) {
    TPolynom links, rechts;
    PMal(a->Zaehler, b->Nenner, links);
    PMal(a->Nenner, b->Zaehler, rechts);
    return PGleich(links, rechts);
}

} // namespace zol
