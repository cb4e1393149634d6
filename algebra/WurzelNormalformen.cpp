// The root normal form: the transformations of the radicand that the root and radical forms share, the
// form's term, simplification and derivative, and its builder.
#include "algebra/WurzelNormalformen.h"

#include <algorithm>

#include "algebra/PolynomZerlegungen.h"
#include "algebra/Protokollblock.h"
#include "algebra/WurzelNormalformen_Intern.h"
#include "output/Ausgabe.h"
#include "output/Protokoll.h"
#include "term/Fehler.h"
#include "term/Funktionen.h"
#include "term/Mengen.h"
#include "term/TermManager.h"
#include "term/Termarithmetik.h"
#include "term/Terme.h"
#include "term/Wurzeln.h"

namespace zol {

using namespace wurzelform;

// ---- Shared helpers ----

namespace wurzelform {

bool WurzelVon(TTerm* T, TPolynom& R, Int32& n, TPPolynom& Z, TPPolynom& N) {
    Int64 p = 1, q = 0;
    TTerm* radikand = nullptr;
    if (auto* w = AlsWurzel(T)) {
        radikand = w->Argument;
        q = w->Grad;
    } else if (IstStandardFunktion(T, "sqrt")) {
        radikand = static_cast<TFunktion*>(T)->Argument;
        q = 2;
    } else if (auto* pot = AlsPotenzTerm(T); pot && pot->Exponent.Nenner != 1) {
        radikand = pot->Argument;
        p = pot->Exponent.Zaehler;
        q = pot->Exponent.Nenner;
    }
    if (!radikand || q < 2 || q > MaxWurzelindex || p > MaxGrad || p < -MaxGrad) return false;
    if (!PolynomAusTerm(radikand, R) || IstNullPolynom(R)) return false;
    n = static_cast<Int32>(q);
    Z = NullPPolynom;
    N = NullPPolynom;
    TPPolynom& potenz = p > 0 ? Z : N;
    (p > 0 ? N : Z) = EinsPPolynom;
    potenz.Grad = static_cast<Int32>(p > 0 ? p : -p);
    potenz.Koeff[potenz.Grad] = EinsPolynom;
    ErsetzeHohePotenzen(Z, R, n);
    ErsetzeHohePotenzen(N, R, n);
    return true;
}

namespace {

// The leading coefficient of R as a fraction; false when it is not rational.
bool Leitbruch(const TPolynom& R, TBruch& b) {
    auto* r = AlsRationaleKonstante(R.Koeff[R.Grad]);
    if (!r) return false;
    b = r->Bruch;
    return true;
}

TPolynom MalKonstante(TPolynom P, TTerm* c) {
    for (Int32 i = 0; i <= P.Grad; ++i) P.Koeff[i] = Produkt(c, P.Koeff[i]);
    return P;
}

} // namespace

TAbgleich GleicheWurzelnAb(TPolynom R1, Int32 n1, TPolynom R2, Int32 n2, TPolynom& R, Int32& n, TTerm*& g1,
                           TTerm*& g2) {
    g1 = g2 = nullptr;
    // A form of index 1 holds no root.
    if (n1 == 1) R1 = NullPolynom;
    if (n2 == 1) R2 = NullPolynom;
    if (n1 != 1 && n2 != 1 && n1 != n2) return TAbgleich::Unmoeglich;
    n = std::max(n1, n2);
    if (IstNullPolynom(R1) || PGleich(R1, R2)) {
        R = IstNullPolynom(R1) ? R2 : R1;
        return TAbgleich::Gemeinsam;
    }
    if (IstNullPolynom(R2)) {
        R = R1;
        return TAbgleich::Gemeinsam;
    }
    // q*R1 = p*R2 with p/q the quotient of the leading coefficients; a negative p/q would need the root of a
    // negative number.
    TBruch l1, l2, pq;
    if (R1.Grad != R2.Grad || !Leitbruch(R1, l1) || !Leitbruch(R2, l2)) return TAbgleich::Fremd;
    Brueche::Durch(l1, l2, pq);
    if (pq.Zaehler <= 0) return TAbgleich::Fremd;
    TTerm* p = RationaleKonstante(TBruch{pq.Zaehler, 1});
    TTerm* q = RationaleKonstante(TBruch{pq.Nenner, 1});
    const TPolynom S = MalKonstante(R1, q);
    if (!PGleich(S, MalKonstante(R2, p))) return TAbgleich::Fremd;
    R = S;
    g1 = ZieheWurzel(q, n);
    g2 = ZieheWurzel(p, n);
    return TAbgleich::Gemeinsam;
}

void Trimme(TPPolynom& P) {
    while (P.Grad >= 1 && IstNullPolynom(P.Koeff[P.Grad])) {
        P.Koeff[P.Grad] = NullPolynom;
        --P.Grad;
    }
}

void ErsetzeHohePotenzen(TPPolynom& P, const TPolynom& R, Int32 n) {
    if (n < 1) return;
    for (Int32 i = P.Grad; i >= n; --i) {
        if (IstNullPolynom(P.Koeff[i])) continue;
        TPolynom potenz, produkt;
        PHoch(R, i / n, potenz);
        PMal(P.Koeff[i], potenz, produkt);
        PPlus(P.Koeff[i % n], produkt, P.Koeff[i % n]);
        P.Koeff[i] = NullPolynom;
    }
    Trimme(P);
}

void DividiereKoeffizienten(TPPolynom& P, const TPolynom& G) {
    for (Int32 i = 0; i <= P.Grad; ++i) {
        TPolynom rest;
        PDurch(P.Koeff[i], G, P.Koeff[i], rest, false);
    }
}

TTerm* WurzelTerm(const TPolynom& R, Int32 n) {
    return ZieheWurzel(PolynomToTerm(R), n);
}

} // namespace wurzelform

// ---- The transformations ----

void TransformiereDurchEinklammern(TPPolynom& P, TTerm* g) {
    TProtokoll protokoll(ProtokollPolynom,
                         "TransformiereDurchEinklammern:", ProtokollPolynom ? PPAlsTerm(P) : nullptr);
    TTerm* potenz = Eins;
    for (Int32 i = 1; i <= P.Grad; ++i) {
        potenz = ProduktV(potenz, g);
        for (Int32 j = 0; j <= P.Koeff[i].Grad; ++j)
            P.Koeff[i].Koeff[j] = QuotientV(P.Koeff[i].Koeff[j], potenz);
    }
    if (protokoll.Offen()) protokoll.Ende("TransformiereDurchEinklammern=", PPAlsTerm(P));
}

void TransformiereDurchAusklammern(TPPolynom& P, TPolynom F) {
    TProtokoll protokoll(ProtokollPolynom,
                         "TransformiereDurchAusklammern:", ProtokollPolynom ? PPAlsTerm(P) : nullptr);
    if (protokoll.Offen()) SchreibeTextTermZeile("Faktor:", PolynomToTerm(F));
    TPolynom potenz = EinsPolynom;
    for (Int32 i = 1; i <= P.Grad; ++i) {
        PMal(potenz, F, potenz);
        PMal(P.Koeff[i], potenz, P.Koeff[i]);
    }
    if (protokoll.Offen()) protokoll.Ende("TransformationDurchAusklammern=", PPAlsTerm(P));
}

void KlammerePAusWurzel(TPolynom& R, Int32 n, TPolynom& F) {
    F = EinsPolynom;
    if (n >= R.Grad) return;
    // A factor of multiplicity n >= 2 divides R and R'; without a common factor nothing leaves the root, and
    // the factorisation is spared.
    TPolynom ableitung, ggt;
    PAbleitung(R, ableitung);
    PGGT(R, ableitung, ggt);
    if (ggt.Grad == 0) return;
    TProtokoll protokoll(ProtokollPolynom,
                         "KlammerePAusWurzel:", ProtokollPolynom ? PolynomToTerm(R) : nullptr);
    TZerlegung zerlegung;
    PZerlegung(R, zerlegung, false);
    if (!zerlegung.Vollstaendig) {
        if (protokoll.Offen()) protokoll.Ende("KlammerePAusWurzel=", PolynomToTerm(R));
        return;
    }
    TPolynom rest;
    KonstantesPolynom(zerlegung.Leitkoeffizient, rest);
    // A factor leaves the root with e div n; a linear one only when that is even, since the root of an even
    // power of x - a is a power of |x - a|.
    auto aufnehmen = [&](const TPolynom& faktor, Int32 e, bool linear) {
        TPolynom potenz;
        if (e >= n && (!linear || (e / n) % 2 == 0)) {
            PHoch(faktor, e / n, potenz);
            PMal(F, potenz, F);
            e %= n;
        }
        PHoch(faktor, e, potenz);
        PMal(rest, potenz, rest);
    };
    for (Int32 i = 1; zerlegung.Liste && i <= zerlegung.Liste->Anzahl; ++i) {
        TPolynom linear;
        PLinearfaktorHoch(zerlegung.Liste->Stellen[i]->Punkt, 1, linear);
        aufnehmen(linear, zerlegung.Liste->Stellen[i]->Vielfachheit, true);
    }
    for (Int32 i = 1; i <= zerlegung.Anzahl; ++i) {
        const TQuadFaktor& f = zerlegung.QuadListe[i];
        TPolynom quadratisch;
        PQuadFaktorHoch(f.p, f.q, 1, quadratisch);
        // Only a factor without a real zero is positive everywhere.
        bool d = false;
        const Extended diskriminante = Differenz(Quotient(Produkt(f.p, f.p), Vier), f.q)->Wert(0, d);
        aufnehmen(quadratisch, f.Vielfachheit, !d || diskriminante >= 0);
    }
    R = rest;
    if (protokoll.Offen()) {
        SchreibeTextTermZeile("g=", PolynomToTerm(F));
        protokoll.Ende("KlammerePAusWurzel=", PolynomToTerm(R));
    }
}

// ---- The form ----

TWurzelNormalform::TWurzelNormalform(const TPPolynom& z, const TPPolynom& nenner, const TPolynom& r,
                                     Int32 index, TTerm* term)
    : Z(z), N(nenner), R(r), n(index) {
    Kennung = KennungWNF;
    Term = term ? term : BildeTerm();
}

TTerm* TWurzelNormalform::BildeTerm() {
    TTerm* w = WurzelTerm(R, n);
    TTerm* z = PPEinsetzen(Z, w);
    TTerm* d = PPEinsetzen(N, w);
    TTerm *restZ = nullptr, *restD = nullptr;
    TBruch qz, qd, q;
    KMK(z, restZ, qz);
    KMK(d, restD, qd);
    Brueche::Durch(qz, qd, q);
    return Quotient(Produkt(RationaleKonstante(TBruch{q.Zaehler, 1}), restZ),
                    Produkt(RationaleKonstante(TBruch{q.Nenner, 1}), restD));
}

namespace {

// Z/N cancelled: the common power of w, the common content, the powers w^i with i >= n; a zero Z over 1.
void KuerzeWurzelform(TPPolynom& Z, TPPolynom& N, const TPolynom& R, Int32 n) {
    if (IstNullPPolynom(Z)) {
        N = EinsPPolynom;
        return;
    }
    const Int32 g = std::min(PPMinGrad(Z), PPMinGrad(N));
    if (g > 0) {
        for (TPPolynom* P : {&Z, &N}) {
            for (Int32 i = g; i <= P->Grad; ++i) P->Koeff[i - g] = P->Koeff[i];
            for (Int32 i = P->Grad - g + 1; i <= P->Grad; ++i) P->Koeff[i] = NullPolynom;
            P->Grad -= g;
        }
    }
    TPolynom cZ, cN, G;
    PPInhalt(Z, cZ);
    PPInhalt(N, cN);
    PGGT(cZ, cN, G);
    if (G.Grad > 0) {
        DividiereKoeffizienten(Z, G);
        DividiereKoeffizienten(N, G);
    }
    ErsetzeHohePotenzen(Z, R, n);
    ErsetzeHohePotenzen(N, R, n);
}

// Z(x, w) with x = w^n as a polynomial in w alone; false beyond degree 20.
bool InW(const TPPolynom& P, Int32 n, TPolynom& S) {
    S = NullPolynom;
    for (Int32 i = 0; i <= P.Grad; ++i)
        for (Int32 j = 0; j <= P.Koeff[i].Grad; ++j) {
            if (P.Koeff[i].Koeff[j]->IstNull()) continue;
            const Int64 grad = Int64(n) * j + i;
            if (grad > MaxGrad) return false;
            S.Koeff[grad] = SummeV(S.Koeff[grad], P.Koeff[i].Koeff[j]);
            S.Grad = std::max(S.Grad, static_cast<Int32>(grad));
        }
    return true;
}

// Simplifies the fields of a root form; RReduziert: R is a radicand that no factor can leave.
[[gnu::noinline]] void VereinfacheWurzelform(TPPolynom& Z, TPPolynom& N, TPolynom& R, Int32 n,
                                             bool RReduziert) {
    if (!RReduziert) {
        TPolynom F;
        KlammerePAusWurzel(R, n, F);
        if (!PGleich(F, EinsPolynom)) {
            TransformiereDurchAusklammern(Z, F);
            TransformiereDurchAusklammern(N, F);
        }
    }
    KuerzeWurzelform(Z, N, R, n);
    // For the radicand x the form is a rational function of w: cancelled as such.
    TPolynom zs, ns;
    if (n != 1 && PGleich(R, XPolynom) && InW(Z, n, zs) && InW(N, n, ns)) {
        Int32 flag = 0;
        PKuerze(zs, ns, flag);
        if (ns.Grad == 0 && !ns.Koeff[0]->IstGleich(Eins)) {
            for (Int32 i = 0; i <= zs.Grad; ++i) zs.Koeff[i] = QuotientV(zs.Koeff[i], ns.Koeff[0]);
            ns = EinsPolynom;
        }
        PPAusPolynomS(zs, Z);
        PPAusPolynomS(ns, N);
        KuerzeWurzelform(Z, N, R, n);
    }
}

} // namespace

void TWurzelNormalform::Kuerze() {
    KuerzeWurzelform(Z, N, R, n);
    Term = BildeTerm();
}

void TWurzelNormformVereinfache(TWurzelNormalform* W) {
    TProtokoll protokoll(ProtokollNormalform, "TWurzelNormformVereinfache:", W->Term);
    VereinfacheWurzelform(W->Z, W->N, W->R, W->n, false);
    W->Term = W->BildeTerm();
    protokoll.Ende("TWurzelNormformVereinfache=", W->Term);
}

TNormalform* TWurzelNormalform::Ableitung() {
    TProtokoll protokoll(ProtokollNormalform, "TWurzelNormalForm.Ableitung:", Term);
    // Without a root the coefficients are the whole derivative (n*R counts as 1, R' as 0).
    const bool ohneWurzel = IstNullPolynom(R);
    TPolynom nR, dR;
    if (ohneWurzel) {
        nR = EinsPolynom;
    } else {
        KonstantesPolynom(RationaleKonstante(TBruch{n, 1}), nR);
        PMal(nR, R, nR);
        PAbleitung(R, dR);
    }
    // P1 = sum of (n*R*P_i' + i*P_i*R') * w^i, the derivative of P times n*R.
    auto abgeleitet = [&](const TPPolynom& P) {
        TPPolynom P1;
        P1.Grad = P.Grad;
        for (Int32 i = 0; i <= P.Grad; ++i) {
            TPolynom a, b, c;
            PAbleitung(P.Koeff[i], a);
            PMal(nR, a, a);
            if (!ohneWurzel && i > 0) {
                KonstantesPolynom(RationaleKonstante(TBruch{i, 1}), c);
                PMal(c, P.Koeff[i], b);
                PMal(b, dR, b);
                PPlus(a, b, a);
            }
            P1.Koeff[i] = a;
        }
        Trimme(P1);
        return P1;
    };
    const TPPolynom Z1 = abgeleitet(Z), N1 = abgeleitet(N);
    TPPolynom ZA, NA, zaehler, nenner;
    PPMal(N, Z1, ZA);
    PPMal(Z, N1, NA);
    PPMinus(ZA, NA, zaehler);
    PPMal(N, N, nenner);
    for (Int32 i = 0; i <= nenner.Grad; ++i) PMal(nenner.Koeff[i], nR, nenner.Koeff[i]);
    if (protokoll.Offen()) {
        SchreibeTextTermZeile("Z:", PPAlsTerm(Z));
        SchreibeTextTermZeile("N:", PPAlsTerm(N));
        SchreibeTextTermZeile("Z1=", PPAlsTerm(Z1));
        SchreibeTextTermZeile("N1=", PPAlsTerm(N1));
        SchreibeTextTermZeile("ZA=", PPAlsTerm(ZA));
        SchreibeTextTermZeile("NA=", PPAlsTerm(NA));
        SchreibeTextTermZeile("Zähler der Ableitung=", PPAlsTerm(zaehler));
        SchreibeTextTermZeile("Nenner der Ableitung=", PPAlsTerm(nenner));
    }
    TPolynom r = R;
    VereinfacheWurzelform(zaehler, nenner, r, n, true);
    auto* A = Neu<TWurzelNormalform>(zaehler, nenner, r, n);
    protokoll.Ende("TWurzelNormalForm.Ableitung=", A->Term);
    return A;
}

// ---- The builder ----

namespace {

// The fields of a form while it is built (the term only at the end).
struct TWurzelDaten : public TArenaObjekt {
    TPPolynom Z;
    TPPolynom N;
    TPolynom R;
    Int32 n = 1;
    // No factor can leave the root of R.
    bool Reduziert = true;
};

TWurzelDaten* Daten() {
    TWurzelDaten* d = Neu<TWurzelDaten>();
    d->N = EinsPPolynom;
    return d;
}

TWurzelDaten* WurzelDatenVon(TTerm* T);

// W1 op W2 over the common root; nil where they do not combine.
[[gnu::noinline]] TWurzelDaten* Verknuepfe(TWurzelDaten* W1, TWurzelDaten* W2, char op) {
    TWurzelDaten* E = Daten();
    TTerm *g1 = nullptr, *g2 = nullptr;
    const TAbgleich abgleich = GleicheWurzelnAb(W1->R, W1->n, W2->R, W2->n, E->R, E->n, g1, g2);
    if (abgleich == TAbgleich::Unmoeglich) return nullptr;
    TPPolynom Z1 = W1->Z, N1 = W1->N, Z2 = W2->Z, N2 = W2->N;
    if (op == '/' && IstNullPPolynom(Z2)) return nullptr;
    if (abgleich == TAbgleich::Fremd) {
        // Other radicands of one index: a product or quotient of single powers of the roots, under one root.
        if (op != '*' && op != '/') return nullptr;
        if (!IstPPMonom(Z1) || !IstPPMonom(N1) || !IstPPMonom(Z2) || !IstPPMonom(N2)) return nullptr;
        const TPPolynom& Z2k = op == '*' ? Z2 : N2;
        const TPPolynom& N2j = op == '*' ? N2 : Z2;
        const Int32 k = Z1.Grad, j = N1.Grad;
        if (Z2k.Grad != k || N2j.Grad != j) return nullptr;
        E->Z = NullPPolynom;
        E->N = NullPPolynom;
        E->Z.Grad = k;
        E->N.Grad = j;
        PMal(Z1.Koeff[k], Z2k.Koeff[k], E->Z.Koeff[k]);
        PMal(N1.Koeff[j], N2j.Koeff[j], E->N.Koeff[j]);
        PMal(W1->R, W2->R, E->R);
        E->Reduziert = false;
        return E;
    }
    if (g1) {
        TransformiereDurchEinklammern(Z1, g1);
        TransformiereDurchEinklammern(N1, g1);
        TransformiereDurchEinklammern(Z2, g2);
        TransformiereDurchEinklammern(N2, g2);
    }
    E->Reduziert = W1->Reduziert && W2->Reduziert;
    switch (op) {
    case '+':
    case '-': {
        TPPolynom a, b;
        PPMal(Z1, N2, a);
        PPMal(N1, Z2, b);
        if (op == '+')
            PPPlus(a, b, E->Z);
        else
            PPMinus(a, b, E->Z);
        PPMal(N1, N2, E->N);
        break;
    }
    case '*':
        PPMal(Z1, Z2, E->Z);
        PPMal(N1, N2, E->N);
        break;
    case '/':
        PPMal(Z1, N2, E->Z);
        PPMal(N1, Z2, E->N);
        break;
    default:
        return nullptr;
    }
    return E;
}

// W^k for an integer k with |k| <= 20; for k <= 0 the power of the reciprocal.
[[gnu::noinline]] TWurzelDaten* Hoch(TWurzelDaten* W, Int64 k) {
    if (k < 0 && IstNullPPolynom(W->Z)) return nullptr;
    TWurzelDaten* E = Daten();
    E->R = W->R;
    E->n = W->n;
    E->Reduziert = W->Reduziert;
    const TPPolynom& Z = k >= 0 ? W->Z : W->N;
    const TPPolynom& N = k >= 0 ? W->N : W->Z;
    E->Z = EinsPPolynom;
    for (Int64 i = 0; i < (k >= 0 ? k : -k); ++i) {
        PPMal(E->Z, Z, E->Z);
        PPMal(E->N, N, E->N);
        ErsetzeHohePotenzen(E->Z, E->R, E->n);
        ErsetzeHohePotenzen(E->N, E->R, E->n);
    }
    return E;
}

// The form of a leaf or the combination of the subterms' forms, simplified; nil where T has none. The
// recursion over the term keeps its frames small: the forms are combined in the functions it calls.
[[gnu::noinline]] TWurzelDaten* BaueWurzelDaten(TTerm* T) {
    if (!(T->MoeglicheNormalformen & NormalformWNF)) return nullptr;
    TWurzelDaten* E = nullptr;
    if (T->IstKonstant) {
        E = Daten();
        if (!KonstantesPolynomVon(T, E->Z.Koeff[0])) return nullptr;
    } else if (IstVariable(T)) {
        E = Daten();
        E->Z.Koeff[0] = XPolynom;
    } else if (auto* o = AlsOperatorTerm(T)) {
        TWurzelDaten* W1 = WurzelDatenVon(o->T1);
        TWurzelDaten* W2 = W1 ? WurzelDatenVon(o->T2) : nullptr;
        if (!W2) return nullptr;
        E = Verknuepfe(W1, W2, o->Operator);
    } else if (auto* p = AlsPotenzTerm(T); p && p->Exponent.Nenner == 1) {
        const Int64 k = p->Exponent.Zaehler;
        if (k > MaxGrad || k < -MaxGrad) return nullptr;
        TWurzelDaten* W = WurzelDatenVon(p->Argument);
        if (W) E = Hoch(W, k);
    } else {
        E = Daten();
        if (!WurzelVon(T, E->R, E->n, E->Z, E->N)) return nullptr;
        E->Reduziert = false;
    }
    if (!E) return nullptr;
    VereinfacheWurzelform(E->Z, E->N, E->R, E->n, E->Reduziert);
    E->Reduziert = true;
    return E;
}

// The form of a subterm: one that caches a root or radical form gives its fields.
TWurzelDaten* WurzelDatenVon(TTerm* T) {
    TWurzelDaten* E = nullptr;
    if (auto* w = dynamic_cast<TWurzelNormalform*>(T->Normalform)) {
        E = Daten();
        E->Z = w->Z;
        E->N = w->N;
        E->R = w->R;
        E->n = w->n;
    } else if (auto* r = dynamic_cast<TRadikalNormalform*>(T->Normalform)) {
        E = Daten();
        E->Z = r->Z;
        PPAusPolynomX(r->N, E->N);
        E->R = r->R;
        E->n = r->n;
    }
    return E ? E : BaueWurzelDaten(T);
}

} // namespace

TNormalform* TWurzelNormformCreateT(TTerm* T) {
    if (!T || !(T->MoeglicheNormalformen & NormalformWNF)) return nullptr;
    TProtokoll protokoll(ProtokollNormalform, "TWurzelNormformCreateT:", T);
    TWurzelNormalform* W = nullptr;
    try {
        if (TWurzelDaten* E = BaueWurzelDaten(T)) W = Neu<TWurzelNormalform>(E->Z, E->N, E->R, E->n);
    } catch (const ENichtExistenz&) {
        W = nullptr;
    } catch (const EGradUeberschritten&) {
        W = nullptr;
    } catch (const ERessourcen&) {
        W = nullptr;
    }
    protokoll.Ende("TWurzelNormformCreateT=", W ? W->Term : nullptr);
    return W;
}

} // namespace zol
