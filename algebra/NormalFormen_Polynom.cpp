// The polynomial normal form "PT": recognising polynomial terms, and writing polynomials back as terms.
#include <algorithm>

#include "algebra/NormalFormen.h"
#include "algebra/PolynomNullstellen.h"
#include "algebra/RationaleNormalform.h"
#include "algebra/Protokollblock.h"
#include "output/Ausgabe.h"
#include "output/Protokoll.h"
#include "term/Fehler.h"
#include "term/Mengen.h"
#include "term/Parameter.h"
#include "term/Punktlisten.h"
#include "term/Radikale.h"
#include "term/TermManager.h"
#include "term/Termarithmetik.h"
#include "term/Terme.h"

namespace zol {

// ---- The form and its slots ----

TPolynomTerm::TPolynomTerm(const TPolynom& p) : P(p) {
    Term = PolynomToTerm(P);
    Kennung = KennungPT;
}

void TPolynomTerm::Symmetrie(TWahrheitswert& Achsensymmetrisch, TWahrheitswert& Punktsymmetrisch,
                             bool Kommentar) {
    TWechsel<bool> kommentare(Kommentare, Kommentar);
    PSymmetrie(P, Achsensymmetrisch, Punktsymmetrisch);
}

TNormalform* TPolynomTerm::Ableitung() {
    TPolynom A;
    PAbleitung(P, A);
    return Neu<TPolynomTerm>(A);
}

TTerm* TPolynomTerm::Integral(TTerm* a, TTerm* b, Int32) {
    TPolynom S;
    PStammfunktion(P, S);
    return IntegralAuswerten(PolynomToTerm(S), a, b, VariableX);
}

void TPolynomTerm::Nullstellen(TMenge* M, TSListe*& Liste, bool Kommentar, uint8_t& Status) {
    PNullstellen(P, M, Liste, Status, Kommentar);
}

// ---- The builder ----

bool PolynomAusTerm(TTerm* T, TPolynom& P) {
    bool neu = false;
    TPolynomTerm* form = TPolynomTermCreateT(T, neu);
    if (!form) return false;
    P = form->P;
    return true;
}

bool KonstantesPolynomVon(TTerm* T, TPolynom& P) {
    // A constant without a value (1/0, 0^-1) is no polynomial; a parameter's value is merely unknown.
    bool definiert = false;
    T->Wert(0, definiert);
    if (!definiert && !EnthaeltParameter(T)) return false;
    try {
        KonstantesPolynom(T, P);
    } catch (const ENichtExistenz&) {
        return false;
    } catch (const ERessourcen&) {
        return false;
    }
    return P.Koeff[0] != nullptr;
}

void PHochBegrenzt(const TPolynom& P, Int64 n, TPolynom& R) {
    if (n > MaxGrad && P.Grad == 0) {
        KonstantesPolynom(Potenz(P.Koeff[0], TBruch{n, 1}), R);
        return;
    }
    PHoch(P, static_cast<Int32>(std::min<Int64>(n, MaxGrad + 1)), R);
}

namespace {

constexpr uint8_t KeinPolynomBits = FunktionsartExp | FunktionsartLn | FunktionsartTrig | FunktionsartWurzel;

bool PolynomVon(TTerm* T, TPolynom& P);

// The polynomial of a term that caches no normal form; false when it is none.
bool BauePolynom(TTerm* T, TPolynom& P) {
    TProtokoll protokoll(ProtokollNormalform, "TPolynomTermCreateT:", T);
    bool gefunden = false;
    if (T->IstKonstant) {
        gefunden = KonstantesPolynomVon(T, P);
    } else if (IstVariable(T)) {
        P = XPolynom;
        gefunden = true;
    } else if (auto* p = AlsPotenzTerm(T)) {
        TPolynom B;
        if (p->Exponent.Nenner == 1 && p->Exponent.Zaehler >= 0 && PolynomVon(p->Argument, B)) {
            PHochBegrenzt(B, p->Exponent.Zaehler, P);
            gefunden = true;
        }
    } else if (auto* o = AlsOperatorTerm(T)) {
        TPolynom A, B;
        if (PolynomVon(o->T1, A) && PolynomVon(o->T2, B)) {
            switch (o->Operator) {
            case '+':
                PPlus(A, B, P);
                gefunden = true;
                break;
            case '-':
                PMinus(A, B, P);
                gefunden = true;
                break;
            case '*':
                PMal(A, B, P);
                gefunden = true;
                break;
            default: {
                // Only an exact division is a polynomial.
                TPolynom Q, Rest;
                PDurch(A, B, Q, Rest, false);
                if (Rest.Grad == 0 && (Rest.Koeff[0]->IstNull() || Rest.Koeff[0]->HatWert(BruchNull))) {
                    P = Q;
                    gefunden = true;
                }
            }
            }
        }
    }
    if (protokoll.Offen()) protokoll.Ende("TPolynomTermCreateT=", gefunden ? PolynomToTerm(P) : nullptr);
    return gefunden;
}

// The polynomial of a cached form: that of a "PT" form, or of an "RNF" form with a constant denominator
// multiplied out (the rational normal form keeps a polynomial such as (x+1)^2 as a power).
bool PolynomDerForm(TNormalform* F, TPolynom& P) {
    if (auto* form = dynamic_cast<TPolynomTerm*>(F)) {
        P = form->P;
        return true;
    }
    auto* r = dynamic_cast<TRationaleNormalform*>(F);
    if (!r || r->P3.Grad != 0) return false;
    TPolynom potenz;
    PHochBegrenzt(r->P2, r->k, potenz);
    PMal(r->P1, potenz, P);
    if (r->m != 0 && !PGleich(r->P3, EinsPolynom)) {
        PHochBegrenzt(r->P3, r->m, potenz);
        for (Int32 i = 0; i <= P.Grad; ++i) P.Koeff[i] = QuotientV(P.Koeff[i], potenz.Koeff[0]);
    }
    return true;
}

// The polynomial that the builder finds for T, without creating a form: a cached form gives its polynomial
// as above, any other cached form none.
bool PolynomVon(TTerm* T, TPolynom& P) {
    if (!T || (T->Funktionsarten & KeinPolynomBits) || !(T->MoeglicheNormalformen & NormalformPT))
        return false;
    if (T->Normalform) return PolynomDerForm(T->Normalform, P);
    return BauePolynom(T, P);
}

} // namespace

TPolynomTerm* TPolynomTermCreateT(TTerm* T, bool& NeuGebaut) {
    NeuGebaut = false;
    if (!T || (T->Funktionsarten & KeinPolynomBits) || !(T->MoeglicheNormalformen & NormalformPT))
        return nullptr;
    TPolynom P;
    if (T->Normalform) {
        if (auto* form = dynamic_cast<TPolynomTerm*>(T->Normalform)) return form;
        if (!PolynomDerForm(T->Normalform, P)) return nullptr;
    } else if (!BauePolynom(T, P)) {
        return nullptr;
    }
    NeuGebaut = true;
    return Neu<TPolynomTerm>(P);
}

// ---- Polynomials as terms ----

TTerm* PolynomToTerm(TPolynom P) {
    TTerm* ergebnis = nullptr;
    bool alleVereinfacht = true;
    for (Int32 i = P.Grad; i >= 0; --i) {
        TTerm* c = P.Koeff[i];
        if (!(c->Zustand & TermVereinfacht)) alleVereinfacht = false;
        if (c->IstNull()) continue;
        char op = '+';
        // (Numbers, the most common coefficients, are not searched for a parameter.)
        if (!AlsRationaleKonstante(c) && !IstRadikalKonstante(c) && EnthaeltParameter(c)) {
            // The sign in front of the monomial, and none inside it: x - 1/a, not x - (-1·(-1/a)). The first
            // monomial keeps a sum as its coefficient: (-a+1)·x^2.
            TTerm* betrag = nullptr;
            const bool negativ = NegativesVorzeichen(c, betrag);
            if (!negativ)
                c = betrag;
            else if (ergebnis)
                c = betrag, op = '-';
            else if (!HatOperator(c, "+-"))
                c = Produkt(MinusEins, betrag);
        } else if (ergebnis && HatNegativesVorzeichen(c)) {
            c = c->Negation();
            op = '-';
        }
        TTerm* monom = c;
        if (i >= 1) {
            TTerm* potenz = i == 1 ? static_cast<TTerm*>(VariableX) : PotenzTerm(VariableX, Int64(i));
            monom = c->HatWert(BruchEins) ? potenz : OperatorTerm(c, potenz, '*');
        }
        ergebnis = ergebnis ? OperatorTerm(ergebnis, monom, op) : monom;
    }
    if (!ergebnis) ergebnis = Null;
    if (alleVereinfacht && !(ergebnis->Zustand & TermVereinfacht)) {
        ergebnis->Zustand |= TermVereinfacht;
        ergebnis->Vereinfacht = ergebnis;
    }
    return ergebnis;
}

namespace {

// The factor (x - a)^k.
TTerm* Linearfaktor(TTerm* a, Int32 k) {
    auto* r = AlsRationaleKonstante(a);
    TTerm* faktor;
    if (r->IstNull())
        faktor = VariableX;
    else if (r->Bruch.Zaehler > 0)
        faktor = OperatorTerm(VariableX, a, '-');
    else
        faktor = OperatorTerm(VariableX, Produkt(MinusEins, a), '+');
    return k != 1 ? PotenzTerm(faktor, TBruch{k, 1}) : faktor;
}

// The next rational zero of P (0 first), or nil; only the rational search runs, no formula.
TTerm* RationaleNullstelle(const TPolynom& P) {
    if (P.Grad < 1) return nullptr;
    if (P.Koeff[0]->IstNull()) return Null;
    if (!IstRationalesPolynom(P)) return nullptr;
    TTerm* a = nullptr;
    NullstelleRaten(P, a, false);
    return a;
}

} // namespace

TTerm* PolynomToFaktorTerm(TPolynom P) {
    TPolynom rest = P;
    TTerm* produkt = nullptr;
    // Each rational zero is divided out as often as it divides what remains.
    while (TTerm* a = RationaleNullstelle(rest)) {
        TPolynom linear, quotient, divisionsrest;
        PLinearfaktorHoch(a, 1, linear);
        Int32 k = 0;
        for (;;) {
            PDurch(rest, linear, quotient, divisionsrest, false);
            if (!IstNullPolynom(divisionsrest)) break;
            rest = quotient;
            ++k;
        }
        if (k == 0) break;
        TTerm* faktor = Linearfaktor(a, k);
        produkt = produkt ? OperatorTerm(produkt, faktor, '*') : faktor;
    }
    if (rest.Grad < 1 && rest.Koeff[0]->HatWert(BruchEins)) return produkt ? produkt : Eins;
    TTerm* restterm = PolynomToTerm(rest);
    return produkt ? OperatorTerm(produkt, restterm, '*') : restterm;
}

} // namespace zol
