// The radical normal form: a root form whose denominator is free of the root, its arithmetic with the
// rationalised quotient, derivative, zeros and builder.
#include <algorithm>
#include <string>
#include <unordered_set>

#include "algebra/LineareGleichungssysteme.h"
#include "algebra/Protokollblock.h"
#include "algebra/RationaleFunktion.h"
#include "algebra/WurzelNormalformen.h"
#include "algebra/WurzelNormalformen_Intern.h"
#include "output/Ausgabe.h"
#include "output/Protokoll.h"
#include "plattform/Oberflaeche.h"
#include "term/Fehler.h"
#include "term/TermManager.h"
#include "term/Termarithmetik.h"
#include "term/Terme.h"
#include "term/Wurzeln.h"

namespace zol {

using namespace wurzelform;

TRadikalNormalform::TRadikalNormalform(const TPPolynom& z, const TPolynom& nenner, const TPolynom& r,
                                       Int32 index, TTerm* term)
    : Z(z), N(nenner), R(r), n(index) {
    Kennung = KennungRaNF;
    Term = term ? term : BildeTerm();
}

TTerm* TRadikalNormalform::BildeTerm() {
    return ArOp(PPEinsetzen(Z, WurzelTerm(R, n)), PolynomToTerm(N), '/');
}

namespace {

// Cancels the common content of Z and N, divides Z by a constant N, and replaces w^i (i >= n).
void KuerzeRadikalform(TPPolynom& Z, TPolynom& N, const TPolynom& R, Int32 n) {
    if (IstNullPPolynom(Z)) {
        N = EinsPolynom;
        return;
    }
    TPolynom cZ, G;
    PPInhalt(Z, cZ);
    PGGT(cZ, N, G);
    if (G.Grad > 0) {
        DividiereKoeffizienten(Z, G);
        TPolynom rest;
        PDurch(N, G, N, rest, false);
    }
    if (ProtokollRadikal) SchreibeTextTermZeile("G:", PolynomToTerm(G));
    if (N.Grad == 0 && !N.Koeff[0]->IstGleich(Eins)) {
        for (Int32 i = 0; i <= Z.Grad; ++i)
            for (Int32 j = 0; j <= Z.Koeff[i].Grad; ++j)
                Z.Koeff[i].Koeff[j] = ArOp(Z.Koeff[i].Koeff[j], N.Koeff[0], '/');
        N = EinsPolynom;
    }
    if (ProtokollRadikal) SchreibeTextTermZeile("Z vor der Ersetzung:", PPAlsTerm(Z));
    ErsetzeHohePotenzen(Z, R, n);
    if (ProtokollRadikal) SchreibeTextTermZeile("Z nach der Ersetzung=", PPAlsTerm(Z));
}

[[gnu::noinline]] void VereinfacheRadikalform(TPPolynom& Z, TPolynom& N, TPolynom& R, Int32 n,
                                              bool RReduziert) {
    if (!RReduziert) {
        TPolynom F;
        KlammerePAusWurzel(R, n, F);
        if (!PGleich(F, EinsPolynom)) TransformiereDurchAusklammern(Z, F);
    }
    KuerzeRadikalform(Z, N, R, n);
}

TRadikalNormalform* Form(const TPPolynom& Z, const TPolynom& N, const TPolynom& R, Int32 n) {
    return Neu<TRadikalNormalform>(Z, N, R, n);
}

// The form of the constant c.
TRadikalNormalform* Konstante(TTerm* c, Int32 n, const TPolynom& R) {
    TPPolynom Z;
    KonstantesPPolynom(c, Z);
    return Form(Z, EinsPolynom, R, n);
}

// Zb * w^j reduced by w^n = R, for j = 0..n-1: the columns of the system for 1/Zb.
TLGSMatrix Spalten(const TPPolynom& Zb, const TPolynom& R, Int32 n) {
    TLGSMatrix A = NeueLGSMatrix(n, n);
    for (Int32 j = 0; j < n; ++j) {
        TPPolynom P = NullPPolynom;
        P.Grad = Zb.Grad + j;
        for (Int32 i = 0; i <= Zb.Grad; ++i) P.Koeff[i + j] = Zb.Koeff[i];
        ErsetzeHohePotenzen(P, R, n);
        for (Int32 i = 0; i <= P.Grad; ++i) A.a[i + 1][j + 1] = PolynomToTerm(P.Koeff[i]);
    }
    return A;
}

} // namespace

void TRadikalNormalform::Vereinfache() {
    VereinfacheRadikalform(Z, N, R, n, false);
    Term = BildeTerm();
}

void TRadikalNormalform::KuerzeUndErsetze() {
    KuerzeRadikalform(Z, N, R, n);
    Term = BildeTerm();
}

[[gnu::noinline]] TRadikalNormalform* RaNFDurch(TRadikalNormalform* a, TRadikalNormalform* b, bool& ok) {
    ok = false;
    if (IstNullPPolynom(b->Z)) return nullptr;
    TPolynom R;
    Int32 n = 1;
    TTerm *ga = nullptr, *gb = nullptr;
    if (GleicheWurzelnAb(a->R, a->n, b->R, b->n, R, n, ga, gb) != TAbgleich::Gemeinsam) return nullptr;
    TPPolynom Za = a->Z, Zb = b->Z;
    if (ga) {
        TransformiereDurchEinklammern(Za, ga);
        TransformiereDurchEinklammern(Zb, gb);
    }
    // 1/Zb = Q/D with Q a polynomial in w and D one in x.
    TPPolynom Q = NullPPolynom;
    TPolynom D;
    if (Zb.Grad == 0) {
        Q = EinsPPolynom;
        D = Zb.Koeff[0];
    } else {
        TLGSMatrix eins = NeueLGSMatrix(n, 1), X;
        eins.a[1][1] = Eins;
        LoeseLGS(Spalten(Zb, R, n), eins, X, false);
        if (X.Spalten == 0) {
            Oberflaeche().Meldung(TMeldungsart::Warnung,
                                  "Quotient der Radikal-Normalformen existiert nicht\r\n");
            return nullptr;
        }
        TRationaleFunktion* q[MaxWurzelindex] = {};
        D = EinsPolynom;
        for (Int32 i = 0; i < n; ++i) {
            bool neu = false;
            q[i] = TRationaleFunktionCreateT(X.a[i + 1][1], neu);
            if (!q[i]) return nullptr;
            PKGV(D, q[i]->Nenner, D);
        }
        Q.Grad = n - 1;
        for (Int32 i = 0; i < n; ++i) {
            TPolynom faktor, rest;
            PDurch(D, q[i]->Nenner, faktor, rest, false);
            PMal(q[i]->Zaehler, faktor, Q.Koeff[i]);
        }
        Trimme(Q);
        // Zb * Q must be free of w.
        TPPolynom probe;
        PPMal(Zb, Q, probe);
        ErsetzeHohePotenzen(probe, R, n);
        if (probe.Grad != 0) return nullptr;
    }
    TPPolynom Z, Nb;
    PPAusPolynomX(b->N, Nb);
    PPMal(Za, Nb, Z);
    PPMal(Z, Q, Z);
    TPolynom N;
    PMal(a->N, D, N);
    ErsetzeHohePotenzen(Z, R, n);
    VereinfacheRadikalform(Z, N, R, n, true);
    ok = true;
    return Form(Z, N, R, n);
}

[[gnu::noinline]] TRadikalNormalform* RaOp(TRadikalNormalform* a, TRadikalNormalform* b, char op, bool& ok) {
    ok = false;
    TProtokoll protokoll(ProtokollRadikal, std::string("RaOp(") + op + ")", nullptr);
    if (protokoll.Offen()) {
        SchreibeTextTermZeile("a=", a->Term);
        SchreibeTextTermZeile("b=", b->Term);
    }
    if (op == '/') {
        TRadikalNormalform* q = RaNFDurch(a, b, ok);
        protokoll.Ende("RaOp=", q ? q->Term : nullptr);
        return q;
    }
    TPolynom R;
    Int32 n = 1;
    TTerm *ga = nullptr, *gb = nullptr;
    if (GleicheWurzelnAb(a->R, a->n, b->R, b->n, R, n, ga, gb) != TAbgleich::Gemeinsam) return nullptr;
    TPPolynom Za = a->Z, Zb = b->Z, Z, Na, Nb;
    if (ga) {
        TransformiereDurchEinklammern(Za, ga);
        TransformiereDurchEinklammern(Zb, gb);
    }
    TPolynom N;
    PMal(a->N, b->N, N);
    switch (op) {
    case '*':
        PPMal(Za, Zb, Z);
        break;
    case '+':
    case '-': {
        PPAusPolynomX(a->N, Na);
        PPAusPolynomX(b->N, Nb);
        PPMal(Za, Nb, Za);
        PPMal(Zb, Na, Zb);
        if (op == '+')
            PPPlus(Za, Zb, Z);
        else
            PPMinus(Za, Zb, Z);
        break;
    }
    default:
        return nullptr;
    }
    VereinfacheRadikalform(Z, N, R, n, true);
    ok = true;
    TRadikalNormalform* e = Form(Z, N, R, n);
    protokoll.Ende("RaOp=", e->Term);
    return e;
}

TNormalform* TRadikalNormalform::Ableitung() {
    TPPolynom Nw;
    PPAusPolynomX(N, Nw);
    auto* A = static_cast<TWurzelNormalform*>(Neu<TWurzelNormalform>(Z, Nw, R, n, Term)->Ableitung());
    if (A->N.Grad == 0) {
        TPPolynom z = A->Z;
        TPolynom nenner = A->N.Koeff[0], r = R;
        VereinfacheRadikalform(z, nenner, r, n, true);
        return Form(z, nenner, r, n);
    }
    // The root form of the radicand x may keep w in its denominator: it is rationalised.
    bool ok = false;
    TRadikalNormalform* D = RaNFDurch(Form(A->Z, EinsPolynom, R, n), Form(A->N, EinsPolynom, R, n), ok);
    return D ? static_cast<TNormalform*>(D) : A;
}

void TRadikalNormalform::Nullstellen(TMenge* M, TSListe*& Liste, bool Kommentar, uint8_t& Status) {
    TPPolynom Nw;
    PPAusPolynomX(N, Nw);
    wurzelform::Nullstellen(Neu<TWurzelNormalform>(Z, Nw, R, n, Term), M, Liste, Kommentar, Status,
                            N.Grad > 0);
}

// ---- The builder ----

namespace {

// The terms of the request that have no radical form. The forms of larger terms ask for them again; they
// answer at once, so a quotient without solution is reported once per request.
std::unordered_set<TTerm*>& OhneRadikalform() {
    static std::unordered_set<TTerm*> terme;
    static TTermfreigabeBeobachter leeren([] { terme.clear(); });
    return terme;
}

TRadikalNormalform* RadikalformVon(TTerm* T);

// The root of a polynomial radicand, its radicand divided by the absolute value of its leading coefficient.
[[gnu::noinline]] TRadikalNormalform* Wurzelform(TTerm* T) {
    TPolynom R;
    Int32 n = 1;
    TPPolynom Z, Nw;
    if (IstPotenz(T) || !WurzelVon(T, R, n, Z, Nw)) return nullptr;
    TTerm* faktor = nullptr;
    bool geaendert = false;
    if (IstRationalesPolynom(R)) PNormiere(R, faktor, geaendert);
    if (geaendert) TransformiereDurchEinklammern(Z, ZieheWurzel(faktor, n));
    TPolynom N = EinsPolynom;
    VereinfacheRadikalform(Z, N, R, n, false);
    return Form(Z, N, R, n);
}

[[gnu::noinline]] TRadikalNormalform* Potenzform(TRadikalNormalform* B, Int64 k) {
    if (k < 0) {
        bool ok = false;
        B = RaNFDurch(Konstante(Eins, 1, NullPolynom), B, ok);
        if (!B) return nullptr;
        k = -k;
    }
    TPPolynom Z = EinsPPolynom;
    TPolynom N = EinsPolynom;
    for (Int64 i = 0; i < k; ++i) {
        PPMal(Z, B->Z, Z);
        ErsetzeHohePotenzen(Z, B->R, B->n);
        PMal(N, B->N, N);
    }
    TPolynom R = B->R;
    VereinfacheRadikalform(Z, N, R, B->n, true);
    return Form(Z, N, R, B->n);
}

// A constant or x.
[[gnu::noinline]] TRadikalNormalform* Blatt(TTerm* T) {
    TPPolynom Z;
    if (IstVariable(T)) {
        PPAusPolynomX(XPolynom, Z);
    } else if (!KonstantesPolynomVon(T, Z.Koeff[0])) {
        return nullptr;
    }
    return Form(Z, EinsPolynom, NullPolynom, 1);
}

// The recursion over the term keeps its frames small: the forms are combined in the functions it calls.
[[gnu::noinline]] TRadikalNormalform* BaueRadikalform(TTerm* T) {
    if (!(T->MoeglicheNormalformen & NormalformRaNF)) return nullptr;
    if (T->IstKonstant || IstVariable(T)) return Blatt(T);
    if (auto* o = AlsOperatorTerm(T)) {
        TRadikalNormalform* a = RadikalformVon(o->T1);
        TRadikalNormalform* b = a ? RadikalformVon(o->T2) : nullptr;
        if (!b) return nullptr;
        bool ok = false;
        TRadikalNormalform* e = RaOp(a, b, o->Operator, ok);
        return ok ? e : nullptr;
    }
    if (auto* p = AlsPotenzTerm(T)) {
        const Int64 k = p->Exponent.Zaehler;
        if (p->Exponent.Nenner != 1 || k > MaxGrad || k < -MaxGrad) return nullptr;
        TRadikalNormalform* B = RadikalformVon(p->Argument);
        return B ? Potenzform(B, k) : nullptr;
    }
    return Wurzelform(T);
}

// The form of a subterm: one that caches a radical form gives it.
TRadikalNormalform* RadikalformVon(TTerm* T) {
    if (auto* r = dynamic_cast<TRadikalNormalform*>(T->Normalform)) return r;
    if (OhneRadikalform().contains(T)) return nullptr;
    TRadikalNormalform* r = BaueRadikalform(T);
    if (!r) OhneRadikalform().insert(T);
    return r;
}

} // namespace

TNormalform* TRadikalNormformCreateT(TTerm* T) {
    if (!T || !(T->MoeglicheNormalformen & NormalformRaNF)) return nullptr;
    TProtokoll protokoll(ProtokollNormalform, "TRadikalNormformCreateT:", T);
    TRadikalNormalform* r = nullptr;
    try {
        r = RadikalformVon(T);
    } catch (const ENichtExistenz&) {
        r = nullptr;
    } catch (const EGradUeberschritten&) {
        r = nullptr;
    } catch (const ERessourcen&) {
        r = nullptr;
    }
    if (r)
        protokoll.Ende("TRadikalNormformCreateT=", r->Term);
    else
        protokoll.Ende("TRadikalNormformCreateT=nil", nullptr);
    return r;
}

} // namespace zol
