// The rational-trigonometric normal form "RTNF": the form and its reduction, the builder, the derivative and
// the zeros.
#include "algebra/RatTrigNormalform.h"

#include <memory>

#include "algebra/Protokollblock.h"
#include "algebra/RationaleFunktion.h"
#include "algebra/TrigNormalFormen.h"
#include "algebra/Vereinfachung.h"
#include "output/Ausgabe.h"
#include "output/Protokoll.h"
#include "steps/Nullstel.h"
#include "term/Fehler.h"
#include "term/Funktionen.h"
#include "term/Mengen.h"
#include "term/Punktlisten.h"
#include "term/TermManager.h"
#include "term/Termarithmetik.h"
#include "term/Terme.h"

namespace zol {

namespace {

// The four polynomials of a quotient while they are reduced or combined; nothing of it is a term yet.
struct TQuotient {
    TPPolynom P, Q; // numerator P + Q*c
    TPPolynom R, S; // denominator R + S*c
    TPolynom Argument;
};
using TQuotientPtr = std::unique_ptr<TQuotient>;

// Divides every coefficient of P by s^k.
void SenkeGrad(TPPolynom& P, Int32 k) {
    if (IstNullPPolynom(P)) return;
    TPPolynom R;
    R.Grad = P.Grad - k;
    for (Int32 i = 0; i <= R.Grad; ++i) R.Koeff[i] = P.Koeff[i + k];
    P = R;
}

// Divides every coefficient of P by g (g divides them all).
void TeileKoeffizienten(TPPolynom& P, const TPolynom& g) {
    TPolynom rest;
    for (Int32 i = 0; i <= P.Grad; ++i) PDurch(P.Koeff[i], g, P.Koeff[i], rest, false);
}

// The gcd of the contents of the non-zero parts.
TPolynom GemeinsamerInhalt(const TQuotient& F) {
    TPolynom g = NullPolynom;
    for (const TPPolynom* X : {&F.P, &F.Q, &F.R, &F.S}) {
        if (IstNullPPolynom(*X)) continue;
        TPolynom inhalt;
        PPInhalt(*X, inhalt);
        if (IstNullPolynom(g))
            g = inhalt;
        else
            PGGT(g, inhalt, g);
    }
    return g;
}

// The numerator is q(x) times the denominator: true with that q.
bool GanzerQuotient(const TQuotient& F, TPolynom& q) {
    bool teilt = false;
    if (!IstNullPPolynom(F.R)) {
        if (IstNullPPolynom(F.P)) {
            q = NullPolynom;
            return IstNullPPolynom(F.Q);
        }
        PPDurch(F.P, F.R, teilt, q);
        if (!teilt) return false;
        TPPolynom qS;
        PPAusPolynomX(q, qS);
        PPMal(qS, F.S, qS);
        return PPGleich(F.Q, qS);
    }
    if (!IstNullPPolynom(F.P)) return false;
    if (IstNullPPolynom(F.Q)) {
        q = NullPolynom;
        return true;
    }
    PPDurch(F.Q, F.S, teilt, q);
    return teilt;
}

void Kuerzen(TQuotient& F) {
    // The common power of s; a zero part counts as the highest degree.
    Int32 k = MaxGrad;
    for (const TPPolynom* X : {&F.P, &F.Q, &F.R, &F.S}) k = std::min(k, PPMinGrad(*X));
    if (k > 0)
        for (TPPolynom* X : {&F.P, &F.Q, &F.R, &F.S}) SenkeGrad(*X, k);
    // The common polynomial factor of every coefficient and a quotient that is a polynomial in x. Where the
    // arithmetic overflows (Euclid's remainders beyond 64-bit fractions, a product past the degree limit),
    // the quotient stays as it is: it keeps its values, only not its shortest shape.
    try {
        const TPolynom g = GemeinsamerInhalt(F);
        if (g.Grad > 0) {
            auto G = std::make_unique<TQuotient>(F);
            for (TPPolynom* X : {&G->P, &G->Q, &G->R, &G->S}) TeileKoeffizienten(*X, g);
            F = *G;
        }
        TPolynom q;
        if (GanzerQuotient(F, q)) {
            PPAusPolynomX(q, F.P);
            F.Q = NullPPolynom;
            F.R = EinsPPolynom;
            F.S = NullPPolynom;
        }
    } catch (const ERessourcen&) {
    } catch (const EGradUeberschritten&) {
    }
}

} // namespace

// ---- The form ----

TRatTrigNormalform::TRatTrigNormalform(TPTNF* zaehler, TPTNF* nenner, const TPolynom& argument)
    : Zaehler(zaehler), Nenner(nenner), Argument(argument) {
    Kennung = KennungRTNF;
    Term = ArOp(Zaehler->Term, Nenner->Term, '/');
}

TRTNF* TRatTrigNormalform::CreateAusPPolynomen(const TPPolynom& P, const TPPolynom& Q, const TPPolynom& R,
                                               const TPPolynom& S, const TPolynom& Argument, TTerm* Term) {
    // Reduced before the parts exist, so that each part builds its term once.
    auto F = std::make_unique<TQuotient>(TQuotient{P, Q, R, S, Argument});
    Kuerzen(*F);
    auto* form = Neu<TRTNF>(Neu<TPTNF>(F->P, F->Q, Argument, nullptr),
                            Neu<TPTNF>(F->R, F->S, Argument, nullptr), Argument);
    if (Term) form->Term = Term;
    return form;
}

void TRatTrigNormalform::BildeTerm() {
    Zaehler->BildeTerm();
    Nenner->BildeTerm();
    Term = ArOp(Zaehler->Term, Nenner->Term, '/');
}

void TRatTrigNormalform::Kuerze() {
    auto F = std::make_unique<TQuotient>(TQuotient{Zaehler->P, Zaehler->Q, Nenner->P, Nenner->Q, Argument});
    Kuerzen(*F);
    Zaehler->P = F->P;
    Zaehler->Q = F->Q;
    Nenner->P = F->R;
    Nenner->Q = F->S;
    BildeTerm();
}

// ---- The builder ----

namespace {

TQuotientPtr NeuerQuotient(const TPPolynom& P, const TPPolynom& Q, const TPPolynom& R, const TPPolynom& S,
                           const TPolynom& Argument) {
    return TQuotientPtr(new TQuotient{P, Q, R, S, Argument});
}

// Z/N with polynomials in x: no trigonometric part and no argument.
[[gnu::noinline]] TQuotientPtr Polynomquotient(const TPolynom& Z, const TPolynom& N) {
    TPPolynom P, R;
    PPAusPolynomX(Z, P);
    PPAusPolynomX(N, R);
    return NeuerQuotient(P, NullPPolynom, R, NullPPolynom, NullPolynom);
}

// (a + b*c)*(e + d*c) with c^2 = 1 - s^2, into a and b.
void Multipliziere(TPPolynom& a, TPPolynom& b, const TPPolynom& e, const TPPolynom& d) {
    TPPolynom p, q;
    PTNFProduktSinTeil(a, b, e, d, p);
    PTNFProduktCosTeil(a, b, e, d, q);
    a = p;
    b = q;
}

bool ZaehlerNull(const TQuotient& F) {
    return IstNullPPolynom(F.P) && IstNullPPolynom(F.Q);
}

// F1 op F2 into F1 over the common argument; nil for a quotient by a zero numerator.
[[gnu::noinline]] TQuotientPtr Verknuepfe(TQuotientPtr F1, const TQuotient& F2, char op) {
    TQuotient& F = *F1;
    switch (op) {
    case '*':
        Multipliziere(F.P, F.Q, F2.P, F2.Q);
        Multipliziere(F.R, F.S, F2.R, F2.S);
        return F1;
    case '+':
    case '-': {
        TPPolynom p = F2.P, q = F2.Q;
        Multipliziere(p, q, F.R, F.S);
        Multipliziere(F.P, F.Q, F2.R, F2.S);
        Multipliziere(F.R, F.S, F2.R, F2.S);
        if (op == '+') {
            PPPlus(F.P, p, F.P);
            PPPlus(F.Q, q, F.Q);
        } else {
            PPMinus(F.P, p, F.P);
            PPMinus(F.Q, q, F.Q);
        }
        return F1;
    }
    case '/':
        if (ZaehlerNull(F2)) return nullptr;
        Multipliziere(F.P, F.Q, F2.R, F2.S);
        Multipliziere(F.R, F.S, F2.P, F2.Q);
        return F1;
    default:
        return nullptr;
    }
}

// F^n by squaring, so that a large |n| passes the degree limit (or an overflow) after a few steps; for n < 0
// numerator and denominator change places, and a zero numerator gives nil.
[[gnu::noinline]] TQuotientPtr Hoch(const TQuotient& F, Int64 n) {
    if (n < 0 && ZaehlerNull(F)) return nullptr;
    TQuotientPtr R = NeuerQuotient(EinsPPolynom, NullPPolynom, EinsPPolynom, NullPPolynom, F.Argument);
    TQuotientPtr B = NeuerQuotient(F.P, F.Q, F.R, F.S, F.Argument);
    const uint64_t m = n < 0 ? uint64_t(0) - static_cast<uint64_t>(n) : static_cast<uint64_t>(n);
    for (uint64_t e = m; e != 0; e >>= 1) {
        if (e & 1) {
            Multipliziere(R->P, R->Q, B->P, B->Q);
            Multipliziere(R->R, R->S, B->R, B->S);
        }
        if (e > 1) {
            TPPolynom p = B->P, q = B->Q, r = B->R, s = B->S;
            Multipliziere(B->P, B->Q, p, q);
            Multipliziere(B->R, B->S, r, s);
        }
    }
    if (n < 0) {
        std::swap(R->P, R->R);
        std::swap(R->Q, R->S);
    }
    return R;
}

// One argument for both: the other's where one has none, else the common one; false for two different
// ones (no alignment).
bool GemeinsamesArgument(TQuotient& F1, TQuotient& F2) {
    if (IstNullPolynom(F1.Argument)) {
        F1.Argument = F2.Argument;
        return true;
    }
    if (IstNullPolynom(F2.Argument) || PGleich(F1.Argument, F2.Argument)) {
        F2.Argument = F1.Argument;
        return true;
    }
    return false;
}

// sin or cos of a polynomial argument: of k*x with an integer k through the multiple angles (argument x),
// of any other through s and c of that argument itself.
[[gnu::noinline]] TQuotientPtr SinusOderKosinus(TStandardFunktion* f) {
    const bool sinus = f->Kennung == "sin";
    if (!sinus && f->Kennung != "cos") return nullptr;
    bool neu = false;
    TPolynomTerm* argument = TPolynomTermCreateT(f->Argument, neu);
    if (!argument) return nullptr;
    const TPolynom& p = argument->P;
    // An argument without x (sin(x - x)) makes the whole a constant.
    if (p.Grad == 0) {
        TPolynom c;
        if (!KonstantesPolynomVon(StandardFunktionTerm(f->Kennung, p.Koeff[0]), c)) return nullptr;
        return Polynomquotient(c, EinsPolynom);
    }
    auto* k = p.Grad == 1 && p.Koeff[0]->IstNull() ? AlsRationaleKonstante(p.Koeff[1]) : nullptr;
    if (k && k->Bruch.Nenner == 1) {
        TTNF *sinForm = nullptr, *cosForm = nullptr;
        SinCoskx(k->Bruch.Zaehler, sinForm, cosForm);
        TTNF* form = sinus ? sinForm : cosForm;
        TPPolynom P, Q;
        PPAusPolynomS(form->A, P);
        PPAusPolynomS(form->B, Q);
        return NeuerQuotient(P, Q, EinsPPolynom, NullPPolynom, XPolynom);
    }
    return sinus ? NeuerQuotient(SPPolynom, NullPPolynom, EinsPPolynom, NullPPolynom, p)
                 : NeuerQuotient(NullPPolynom, EinsPPolynom, EinsPPolynom, NullPPolynom, p);
}

// The polynomial or the rational function cached on T.
[[gnu::noinline]] TQuotientPtr AusGespeicherterForm(TTerm* T) {
    if (auto* pt = dynamic_cast<TPolynomTerm*>(T->Normalform)) return Polynomquotient(pt->P, EinsPolynom);
    if (auto* rf = dynamic_cast<TRationaleFunktion*>(T->Normalform))
        return Polynomquotient(rf->Zaehler, rf->Nenner);
    return nullptr;
}

[[gnu::noinline]] TQuotientPtr Konstante(TTerm* T) {
    TPolynom c;
    if (!KonstantesPolynomVon(T, c)) return nullptr;
    return Polynomquotient(c, EinsPolynom);
}

// The quotient of T, or nil. The frame holds pointers only: the records are combined in the called
// functions.
TQuotientPtr Baue(TTerm* T) {
    if (!T || !(T->MoeglicheNormalformen & NormalformRTNF)) return nullptr;
    if (TQuotientPtr f = AusGespeicherterForm(T)) return f;
    if (T->IstKonstant) return Konstante(T);
    if (IstVariable(T)) return Polynomquotient(XPolynom, EinsPolynom);
    if (auto* o = AlsOperatorTerm(T)) {
        TQuotientPtr F1 = Baue(o->T1);
        TQuotientPtr F2 = F1 ? Baue(o->T2) : nullptr;
        if (!F2 || !GemeinsamesArgument(*F1, *F2)) return nullptr;
        return Verknuepfe(std::move(F1), *F2, o->Operator);
    }
    if (auto* p = AlsPotenzTerm(T)) {
        if (p->Exponent.Nenner != 1) return nullptr;
        TQuotientPtr basis = Baue(p->Argument);
        return basis ? Hoch(*basis, p->Exponent.Zaehler) : nullptr;
    }
    if (auto* f = AlsStandardFunktion(T)) return SinusOderKosinus(f);
    return nullptr;
}

} // namespace

TNormalform* TRatTrigNormalformCreateT(TTerm* T, bool& NeuGebaut) {
    NeuGebaut = false;
    if (!T || !(T->MoeglicheNormalformen & NormalformRTNF)) return nullptr;
    TProtokoll protokoll(ProtokollNormalform, "TRatTrigNormalformCreateT:", T);
    TRTNF* F = nullptr;
    // A degree beyond the limit, an overflow or a value that does not exist means no form.
    try {
        if (TQuotientPtr q = Baue(T)) {
            // Cached polynomials and rational functions, constants and x are their own term.
            const bool eigenerTerm = T->IstKonstant || IstVariable(T) ||
                                     dynamic_cast<TPolynomTerm*>(T->Normalform) ||
                                     dynamic_cast<TRationaleFunktion*>(T->Normalform);
            F = TRTNF::CreateAusPPolynomen(q->P, q->Q, q->R, q->S, q->Argument, eigenerTerm ? T : nullptr);
        }
    } catch (const EGradUeberschritten&) {
        F = nullptr;
    } catch (const ERessourcen&) {
        F = nullptr;
    } catch (const ENichtExistenz&) {
        F = nullptr;
    }
    if (F) NeuGebaut = true;
    if (protokoll.Offen()) protokoll.Ende("TRatTrigNormalformCreateT=", F ? F->Term : nullptr);
    return F;
}

// ---- The derivative ----

TNormalform* TRatTrigNormalform::Ableitung() {
    auto* Z1 = static_cast<TPTNF*>(Zaehler->Ableitung());
    auto* N1 = static_cast<TPTNF*>(Nenner->Ableitung());
    auto* F =
        Neu<TRTNF>(PTNFMinus(PTNFMal(Z1, Nenner), PTNFMal(Zaehler, N1)), PTNFMal(Nenner, Nenner), Argument);
    F->Kuerze();
    return F;
}

// ---- The zeros ----

void TRatTrigNormalform::Nullstellen(TMenge* M, TSListe*& Liste, bool Kommentar, uint8_t& Status) {
    // A numerator without sin and cos is a polynomial: its zeros do not go through the argument.
    TPTNF* Z = Zaehler;
    if (Z->P.Grad == 0 && IstNullPPolynom(Z->Q) && !IstNullPolynom(Argument))
        Z = Neu<TPTNF>(Z->P, Z->Q, NullPolynom, Z->Term);
    Z->Nullstellen(M, Liste, Kommentar, Status);
    if (!Liste || (Nenner->P.Grad == 0 && IstNullPPolynom(Nenner->Q) && Nenner->P.Koeff[0].Grad == 0)) return;
    // A zero of the denominator is no zero of the quotient. An overflow while deciding keeps the point
    // silently: only a denominator known to be 0 excludes it.
    TWechsel<bool> melden(KonstantenUeberlaufMelden, false);
    Int32 n = 0;
    for (Int32 i = 1; i <= Liste->Anzahl; ++i) {
        TStelle* z = Liste->Stellen[i];
        bool luecke = false;
        try {
            luecke = TermVerschwindetIn(Nenner->Term, z->Punkt);
        } catch (const ERessourcen&) {
        } catch (const ENichtExistenz&) {
        }
        if (!luecke) {
            Liste->Stellen[++n] = z;
        } else if (Kommentar) {
            SchreibeTerm(z->Punkt);
            SchreibeZeile(" ist Definitionslücke von f und scheidet aus.");
        }
    }
    for (Int32 i = n + 1; i <= Liste->Anzahl; ++i) Liste->Stellen[i] = nullptr;
    Liste->Anzahl = n;
}

} // namespace zol
