// The rational normal form "RNF" P1 * P2^k / P3^m: its builder with the normalisation, and its symmetry,
// derivative, integral and zeros.
#include "algebra/RationaleNormalform.h"

#include <cstdint>
#include <string>

#include "algebra/PartialBrueche.h"
#include "algebra/PolynomNullstellen.h"
#include "algebra/Protokollblock.h"
#include "algebra/RationaleFunktion.h"
#include "algebra/VPolynome.h"
#include "output/Ausgabe.h"
#include "output/Protokoll.h"
#include "steps/Integral.h"
#include "steps/Nullstel.h"
#include "term/Fehler.h"
#include "term/Mengen.h"
#include "term/Punktlisten.h"
#include "term/TermManager.h"
#include "term/Termarithmetik.h"
#include "term/Terme.h"

namespace zol {

namespace {

constexpr uint8_t KeineRNFBits = FunktionsartExp | FunktionsartLn | FunktionsartTrig | FunktionsartWurzel;

bool IstEins(const TPolynom& P) {
    return PGleich(P, EinsPolynom);
}

[[noreturn]] void GradFehler() {
    throw EGradUeberschritten("Maximaler Grad von Polynomen überschritten.");
}

TPolynom Mal(const TPolynom& P, const TPolynom& Q) {
    TPolynom R;
    PMal(P, Q, R);
    return R;
}

TPolynom Hoch(const TPolynom& P, Int64 n) {
    TPolynom R;
    PHochBegrenzt(P, n, R);
    return R;
}

TPolynom Ganzzahlig(Int64 n) {
    TPolynom R;
    BruchPolynom(TBruch{n, 1}, R);
    return R;
}

// Q with P = Q * D exactly, when D divides P.
bool TeiltExakt(const TPolynom& P, const TPolynom& D, TPolynom& Q) {
    TPolynom rest;
    PDurch(P, D, Q, rest, false);
    return IstNullPolynom(rest);
}

// The fields while the builder works; the exponents are kept within the degree limit, so they never
// overflow.
struct TFelder {
    TPolynom P1 = EinsPolynom;
    TPolynom P2 = EinsPolynom;
    TPolynom P3 = EinsPolynom;
    Int64 k = 0;
    Int64 m = 0;
};

// P1 divided by c^n for the constant polynomial c.
void DividiereDurchKonstante(TPolynom& P1, const TPolynom& c, Int64 n) {
    TTerm* d = Hoch(c, n).Koeff[0];
    for (Int32 i = 0; i <= P1.Grad; ++i) P1.Koeff[i] = QuotientV(P1.Koeff[i], d);
}

// An exponent 0 goes with the polynomial 1 and the polynomial 1 with the exponent 0, so no product or
// derivative brings back a cancelled polynomial. A constant beyond the degree limit's exponent goes into P1;
// a non-constant one there has no form.
void Bereinige(TFelder& R) {
    if (R.k == 0 || IstEins(R.P2)) {
        R.k = 0;
        R.P2 = EinsPolynom;
    }
    if (R.m == 0 || IstEins(R.P3)) {
        R.m = 0;
        R.P3 = EinsPolynom;
    }
    if (R.k > MaxGrad) {
        if (R.P2.Grad > 0) GradFehler();
        R.P1 = Mal(R.P1, Hoch(R.P2, R.k));
        R.P2 = EinsPolynom;
        R.k = 0;
    }
    if (R.m > MaxGrad) {
        if (R.P3.Grad > 0) GradFehler();
        DividiereDurchKonstante(R.P1, R.P3, R.m);
        R.P3 = EinsPolynom;
        R.m = 0;
    }
}

// T's polynomial: its rational function when the denominator is a constant (also from a form that T caches).
bool PolynomVon(TTerm* T, TPolynom& P) {
    bool neu = false;
    TRationaleFunktion* F = TRationaleFunktionCreateT(T, neu);
    if (!F || F->Nenner.Grad != 0) return false;
    P = F->Zaehler;
    if (!IstEins(F->Nenner)) DividiereDurchKonstante(P, F->Nenner, 1);
    return true;
}

// A power with an integer exponent: its base and the exponent.
bool GanzzahligePotenz(TTerm* T, TTerm*& Basis, Int64& n) {
    auto* p = AlsPotenzTerm(T);
    if (!p || p->Exponent.Nenner != 1) return false;
    Basis = p->Argument;
    n = p->Exponent.Zaehler;
    return true;
}

// Numerator or denominator of U / V: a power of a polynomial with an exponent >= 0, or a polynomial.
bool PolynomPotenz(TTerm* T, TPolynom& P, Int64& n) {
    TTerm* basis = nullptr;
    if (GanzzahligePotenz(T, basis, n)) return n >= 0 && PolynomVon(basis, P);
    n = 1;
    return PolynomVon(T, P);
}

bool Baue(TTerm* T, TFelder& R);

// The builder's fields of T; a subterm that caches its rational normal form gives that form's fields.
bool FelderVon(TTerm* T, TFelder& R) {
    if (auto* form = dynamic_cast<TRationaleNormalform*>(T->Normalform)) {
        R = {form->P1, form->P2, form->P3, form->k, form->m};
        return true;
    }
    if (!(T->MoeglicheNormalformen & NormalformRNF) || (T->Funktionsarten & KeineRNFBits)) return false;
    return Baue(T, R);
}

bool QuotientFelder(TOperatorTerm* o, TFelder& R) {
    if (!PolynomPotenz(o->T1, R.P2, R.k)) return false;
    if (!PolynomPotenz(o->T2, R.P3, R.m)) return false;
    // A quotient by the zero polynomial has no value anywhere.
    if (IstNullPolynom(R.P3)) return false;
    return true;
}

// R = R1 * R2; false for denominators of different positive exponents (no form of this shape).
bool ProduktFelder(TFelder& R1, TFelder& R2, TFelder& R) {
    if (PGleich(R1.P1, R2.P2)) {
        R2.k += 1;
        R1.P1 = EinsPolynom;
    }
    if (PGleich(R2.P1, R1.P2)) {
        R1.k += 1;
        R2.P1 = EinsPolynom;
    }
    if (PGleich(R1.P1, R2.P3) && R2.m >= 1) {
        R2.m -= 1;
        R1.P1 = EinsPolynom;
    }
    if (PGleich(R2.P1, R1.P3) && R1.m >= 1) {
        R1.m -= 1;
        R2.P1 = EinsPolynom;
    }
    Bereinige(R1);
    Bereinige(R2);
    const bool nennerGleich = PGleich(R1.P3, R2.P3);
    if (nennerGleich) {
        R.P3 = R1.P3;
        R.m = R1.m + R2.m;
    } else if (R1.m != R2.m && R1.m != 0 && R2.m != 0) {
        return false;
    } else {
        R.P3 = Mal(R1.P3, R2.P3);
        R.m = R1.m != 0 ? R1.m : R2.m;
    }
    const TPolynom P1 = Mal(R1.P1, R2.P1);
    if (PGleich(R1.P2, R2.P2)) {
        R.P2 = R1.P2;
        R.k = R1.k + R2.k;
        R.P1 = P1;
    } else if (R1.k == R2.k) {
        R.P2 = Mal(R1.P2, R2.P2);
        R.k = R1.k;
        R.P1 = P1;
    } else {
        const TFelder& groesser = R1.k > R2.k ? R1 : R2;
        const TFelder& kleiner = R1.k > R2.k ? R2 : R1;
        R.P2 = groesser.P2;
        R.k = groesser.k;
        R.P1 = Mal(P1, Hoch(kleiner.P2, kleiner.k));
    }
    return true;
}

bool PotenzFelder(TTerm* basis, Int64 n, TFelder& R) {
    if (n < 0) {
        // 1 / basis^|n|: the base must be a polynomial.
        if (n == INT64_MIN) GradFehler();
        R = TFelder{};
        if (!PolynomVon(basis, R.P3)) return false;
        if (IstNullPolynom(R.P3)) return false;
        R.m = -n;
        Bereinige(R);
        return true;
    }
    TFelder B;
    if (!FelderVon(basis, B)) return false;
    // Constants go into P1 first, so that only non-constant polynomials carry the multiplied exponents.
    if (B.P2.Grad == 0) {
        B.P1 = Mal(B.P1, Hoch(B.P2, B.k));
        B.P2 = EinsPolynom;
        B.k = 0;
    }
    if (B.P3.Grad == 0) {
        DividiereDurchKonstante(B.P1, B.P3, B.m);
        B.P3 = EinsPolynom;
        B.m = 0;
    }
    if (n > MaxGrad && (B.k > 0 || B.m > 0)) GradFehler();
    R.P1 = Hoch(B.P1, n);
    R.P2 = B.P2;
    R.P3 = B.P3;
    R.k = B.k * n;
    R.m = B.m * n;
    return true;
}

// The fields of T, normalised; false when T has no rational normal form.
bool Baue(TTerm* T, TFelder& R) {
    R = TFelder{};
    TTerm* basis = nullptr;
    Int64 n = 0;
    if (T->IstKonstant) {
        if (!KonstantesPolynomVon(T, R.P1)) return false;
    } else if (auto* o = AlsOperatorTerm(T); o && o->Operator == '/') {
        if (!QuotientFelder(o, R)) return false;
    } else if (o && o->Operator == '*') {
        TFelder R1, R2;
        if (!FelderVon(o->T1, R1) || !FelderVon(o->T2, R2) || !ProduktFelder(R1, R2, R)) return false;
    } else if (GanzzahligePotenz(T, basis, n)) {
        if (!PotenzFelder(basis, n, R)) return false;
    } else {
        bool neu = false;
        TRationaleFunktion* F = TRationaleFunktionCreateT(T, neu);
        if (!F) return false;
        R.P2 = F->Zaehler;
        R.k = 1;
        R.P3 = F->Nenner;
        R.m = 1;
    }
    Bereinige(R);

    if (PGleich(R.P1, R.P2)) {
        R.P1 = EinsPolynom;
        R.k += 1;
    } else if (PGleich(R.P1, R.P3) && R.m >= 1) {
        R.P1 = EinsPolynom;
        R.m -= 1;
    }
    Bereinige(R);
    // Common factors of P2 and P3 cancelled, and P3 divided out of P2 while it divides it; each division
    // either ends with P3 = 1 or lowers m, so this ends.
    for (;;) {
        if (R.m <= R.k && R.P2.Grad > 0 && R.P3.Grad > 0) {
            TPolynom G;
            PGGT(R.P2, R.P3, G);
            if (G.Grad > 0) {
                TPolynom rest;
                PDurch(R.P2, G, R.P2, rest, false);
                PDurch(R.P3, G, R.P3, rest, false);
                R.P1 = Mal(R.P1, Hoch(G, R.k - R.m));
                Bereinige(R);
            }
        }
        TPolynom Q;
        if (R.k <= 0 || IstEins(R.P3) || !TeiltExakt(R.P2, R.P3, Q)) break;
        if (R.m > R.k) {
            R.P2 = Q;
            R.m -= R.k;
        } else {
            if (R.m <= R.k - R.m) {
                R.P1 = Mal(R.P1, Hoch(Q, R.m));
                R.k -= R.m;
            } else {
                R.P1 = Mal(R.P1, Hoch(R.P2, R.k - R.m));
                R.P2 = Q;
                R.k = R.m;
            }
            R.P3 = EinsPolynom;
            R.m = 0;
        }
        Bereinige(R);
    }
    // A constant P3 left over (with k = 0) goes into P1.
    if (R.P3.Grad == 0 && !IstEins(R.P3)) {
        DividiereDurchKonstante(R.P1, R.P3, R.m);
        R.P3 = EinsPolynom;
        R.m = 0;
    }
    // The form exists only where its numerator and denominator multiplied out stay within the degree limit.
    if (R.P1.Grad + R.k * R.P2.Grad > MaxGrad || R.m * R.P3.Grad > MaxGrad) GradFehler();
    return true;
}

TTerm* PotenzVon(TTerm* T, Int32 n) {
    return PotenzRadikal(T, TBruch{n, 1});
}

// Z = P1 * P2^k and N = P3^m multiplied out.
void ZaehlerUndNenner(const TRationaleNormalform& f, TPolynom& Z, TPolynom& N) {
    Z = Mal(f.P1, Hoch(f.P2, f.k));
    N = Hoch(f.P3, f.m);
}

// An antiderivative of G, the integrand after a substitution: its own integral or that of its monomial
// sum, or through the integration search.
TTerm* StammfunktionNachSubstitution(TTerm* G, Int32 Stufe, bool UeberSuche) {
    if (UeberSuche) return GetIntegralLokal(G, nullptr, nullptr, Stufe);
    TTerm* I = G->Integral(nullptr, nullptr);
    if (!I) {
        if (TNormalform* V = TVPolynomTermCreateT(G)) I = V->Integral(nullptr, nullptr, Stufe);
    }
    return I;
}

// An antiderivative of f by the substitution u: tried silently, repeated with comments on success; the result
// in x. nil when the substitution or the integration fails.
TTerm* DurchSubstitution(TTerm* f, TTerm* u, Int32 Stufe, bool UeberSuche) {
    TSuchknoten R;
    TTerm* I = nullptr;
    {
        TWechsel<bool> still(Kommentare, false);
        Substitution(f, u, nullptr, R, nullptr);
        if (R.Ersatzterm) I = StammfunktionNachSubstitution(R.Ersatzterm, Stufe, UeberSuche);
    }
    if (!I) return nullptr;
    if (Kommentare) {
        if (UeberSuche) PartialbruchVorhanden = false;
        TSuchknoten wieder;
        Substitution(f, u, nullptr, wieder, nullptr);
        TWechsel<char> buchstabe(Variablenbuchstabe, NaechsterVariablenname(Variablenbuchstabe));
        if (wieder.Ersatzterm) {
            TTerm* J = StammfunktionNachSubstitution(wieder.Ersatzterm, Stufe, UeberSuche);
            if (J) I = J;
        }
    }
    return I->Ersetze(VariableX, u);
}

} // namespace

void OhneNullstellenVon(TSListe* Liste, const TPolynom& P) {
    if (!Liste) return;
    Int32 j = 0;
    for (Int32 i = 1; i <= Liste->Anzahl; ++i) {
        TStelle* s = Liste->Stellen[i];
        if (!PolynomVerschwindetIn(P, s->Punkt)) Liste->Stellen[++j] = s;
    }
    for (Int32 i = j + 1; i <= Liste->Anzahl; ++i) Liste->Stellen[i] = nullptr;
    if (Liste->Anzahl > j) Liste->Anzahl = j;
}

// ---- The form ----

TRationaleNormalform::TRationaleNormalform(const TPolynom& p1, const TPolynom& p2, const TPolynom& p3,
                                           Int32 k, Int32 m)
    : TRationaleNormalform(p1, p2, p3, k, m, nullptr) {
    TTerm* zaehler = ArOp(PolynomToTerm(P1), PotenzVon(PolynomToTerm(P2), k), '*');
    if (m != 0 && !IstEins(P3))
        Term = ArOp(zaehler, PotenzVon(PolynomToFaktorTerm(P3), m), '/');
    else
        Term = zaehler;
}

TRationaleNormalform::TRationaleNormalform(const TPolynom& p1, const TPolynom& p2, const TPolynom& p3,
                                           Int32 k_, Int32 m_, TTerm* term)
    : P1(p1), P2(p2), P3(p3), k(k_), m(m_) {
    Term = term;
    Kennung = KennungRNF;
}

void TRationaleNormalform::Symmetrie(TWahrheitswert& Achsensymmetrisch, TWahrheitswert& Punktsymmetrisch,
                                     bool Kommentar) {
    TPolynom Z, N, P;
    try {
        ZaehlerUndNenner(*this, Z, N);
        TPolynom ZvonMinusX = Z;
        for (Int32 i = 1; i <= Z.Grad; i += 2) ZvonMinusX.Koeff[i] = Z.Koeff[i]->Negation();
        PMal(ZvonMinusX, N, P);
    } catch (const EGradUeberschritten&) {
        // The product lies beyond the degree limit: the symmetry is not decided here.
        Achsensymmetrisch = unklar;
        Punktsymmetrisch = unklar;
        return;
    }
    TWechsel<bool> kommentare(Kommentare, Kommentar);
    if (Kommentar) {
        TTerm* zaehler = ArOp(PolynomToTerm(P1), PotenzVon(PolynomToTerm(P2), k), '*');
        Schreibe("Die Symmetrie von ");
        SchreibeTerm(Term);
        Schreibe(" ist zu der des Polynoms ");
        SchreibeTerm(
            Produkt(zaehler->Ersetze(VariableX, VariableX->Negation()), PotenzVon(PolynomToTerm(P3), m)));
        SchreibeZeile(" äquivalent.");
    }
    PSymmetrie(P, Achsensymmetrisch, Punktsymmetrisch);
}

TNormalform* TRationaleNormalform::Ableitung() {
    TPolynom Q2 = EinsPolynom, Q3 = P3;
    Int32 k2 = 0, m2 = 0;
    if (k >= 2) {
        Q2 = P2;
        k2 = k - 1;
    }
    if (!IstEins(P3)) m2 = m + 1;
    TPolynom dP1, dP2, dP3, Q1;
    PAbleitung(P1, dP1);
    PAbleitung(P2, dP2);
    PAbleitung(P3, dP3);
    // (P1' * P2 + k * P1 * P2') * P3 - m * P1 * P2 * P3'
    TPolynom innen;
    PPlus(Mal(dP1, P2), Mal(Mal(Ganzzahlig(k), P1), dP2), innen);
    PMinus(Mal(innen, P3), Mal(Mal(Mal(Ganzzahlig(m), P1), P2), dP3), Q1);
    TTerm* term = ArOp(ArOp(PolynomToTerm(Q1), PotenzVon(PolynomToTerm(Q2), k2), '*'),
                       PotenzVon(PolynomToTerm(Q3), m2), '/');
    return Neu<TRationaleNormalform>(Q1, Q2, Q3, k2, m2, term);
}

TTerm* TRationaleNormalform::Integral(TTerm* a, TTerm* b, Int32 Stufe) {
    TProtokoll protokoll(ProtokollNormalform,
                         "TRationaleNormalformIntegral,Stufe" + std::to_string(Stufe) + ":", Term);
    TTerm* F = nullptr;
    // Over bounds a substitution is tried only where the integrand is defined throughout; the antiderivative
    // in x is then evaluated between the bounds. The integrand shows P2 and P3 as the polynomial terms that
    // are substituted.
    const bool grenzen = a && b;
    const bool substituieren = !grenzen || DefiniertZwischen(Term, a, b);
    TTerm* p2 = PolynomToTerm(P2);
    TTerm* p3 = PolynomToTerm(P3);
    TTerm* f = ArOp(ArOp(PolynomToTerm(P1), PotenzVon(p2, k), '*'), PotenzVon(p3, m), '/');
    if (substituieren && m >= 2 && !PGleich(P3, XPolynom)) F = DurchSubstitution(f, p3, Stufe, false);
    if (!F && substituieren && k >= 2 && !p2->IstKonstant && !IstVariable(p2))
        F = DurchSubstitution(f, p2, Stufe, true);
    if (F && grenzen) {
        F = IntegralAuswerten(F, a, b, VariableX);
    } else if (!F && Stufe != 2) {
        TPolynom Z, N;
        ZaehlerUndNenner(*this, Z, N);
        Int32 unveraendert = 1;
        PKuerze(Z, N, unveraendert);
        F = Neu<TRationaleFunktion>(Z, N)->Integral(a, b, Stufe);
    }
    protokoll.Ende("TRationaleNormalformIntegral=", F);
    return F;
}

void TRationaleNormalform::Nullstellen(TMenge* M, TSListe*& Liste, bool Kommentar, uint8_t& Status) {
    TSListe* eigene = nullptr;
    uint8_t S1 = wahr;
    if (P1.Grad > 0) {
        if (Kommentar) {
            Schreibe("Das sind die Nullstellen von ");
            SchreibeTerm(PolynomToTerm(P1));
            Schreibe(" und ");
            SchreibeTerm(PolynomToTerm(P2));
            SchreibeZeile(" zusammen.");
        }
        PNullstellen(P1, M, eigene, S1, Kommentar);
    }
    PNullstellen(P2, M, Liste, Status, Kommentar);
    if (k > 1 && Liste)
        for (Int32 i = 1; i <= Liste->Anzahl; ++i) Liste->Stellen[i]->Vielfachheit *= k;
    if (P1.Grad > 0) {
        if (eigene && eigene->Anzahl > 0) SListenVereinigen(eigene, Liste, false);
        Status = Und(Status, S1);
    }
    // A point where the denominator vanishes is a gap of f, not a zero.
    if (m > 0) OhneNullstellenVon(Liste, P3);
}

// ---- The builder ----

TRationaleNormalform* TRationaleNormalformCreateT(TTerm* T) {
    if (!T || (T->Funktionsarten & KeineRNFBits) || !(T->MoeglicheNormalformen & NormalformRNF))
        return nullptr;
    TProtokoll protokoll(ProtokollNormalform, "TRationaleNormalformCreateT:", T);
    TFelder R;
    if (!Baue(T, R)) {
        protokoll.Ende("TRationaleNormalformCreateT=", nullptr);
        return nullptr;
    }
    auto* form =
        Neu<TRationaleNormalform>(R.P1, R.P2, R.P3, static_cast<Int32>(R.k), static_cast<Int32>(R.m));
    protokoll.Ende("TRationaleNormalformCreateT=", form->Term);
    return form;
}

} // namespace zol
