// The polynomial-trigonometric normal form "PTNF": the form and its term, the arithmetic, rewriting for a
// new argument, the builder and the derivative.
#include "algebra/PolTrigNormalform.h"

#include <algorithm>
#include <memory>

#include "algebra/Protokollblock.h"
#include "algebra/TrigNormalFormen_Intern.h"
#include "output/Protokoll.h"
#include "term/Fehler.h"
#include "term/Funktionen.h"
#include "term/TermManager.h"
#include "term/Termarithmetik.h"
#include "term/Terme.h"

namespace zol {

// ---- The form and its term ----

TPolTrigNormalform::TPolTrigNormalform(const TPPolynom& p, const TPPolynom& q, const TPolynom& argument,
                                       TTerm* term)
    : P(p), Q(q), Argument(argument) {
    Kennung = KennungPTNF;
    if (term)
        Term = term;
    else
        BildeTerm();
}

TTerm* PPolynomInSinToTerm(const TPPolynom& PP, TTerm* S) {
    TTerm* summe = nullptr;
    for (Int32 k = PP.Grad; k >= 0; --k) {
        if (IstNullPolynom(PP.Koeff[k])) continue;
        TTerm* potenz = k == 0 ? nullptr : k == 1 ? S : PotenzTerm(S, Int64(k));
        TTerm* c = PolynomToTerm(PP.Koeff[k]);
        TTerm* rest = nullptr;
        TBruch faktor;
        KMK(c, rest, faktor);
        const bool abziehen = summe && faktor.Zaehler < 0;
        if (abziehen) {
            TBruch betrag;
            Brueche::Negativ(faktor, betrag);
            c = Produkt(RationaleKonstante(betrag), rest);
        }
        TTerm* summand = !potenz ? c : c->HatWert(BruchEins) ? potenz : OperatorTerm(c, potenz, '*');
        summe = !summe ? summand : OperatorTerm(summe, summand, abziehen ? '-' : '+');
    }
    return summe ? summe : Null;
}

void TPolTrigNormalform::BildeTerm() {
    const bool trigonometrisch = P.Grad > 0 || !IstNullPPolynom(Q);
    TTerm* a = trigonometrisch ? PolynomToTerm(Argument) : nullptr;
    TTerm* S = trigonometrisch ? StandardFunktionTerm("sin", a) : nullptr;
    TTerm* Pt = PPolynomInSinToTerm(P, S);
    if (IstNullPPolynom(Q)) {
        Term = Pt;
        return;
    }
    TTerm* C = StandardFunktionTerm("cos", a);
    // The rational factor of the cos part, split off on a stand-in for sin: the folding must not reach the
    // argument inside sin.
    TTerm* s = BenannteKonstante("#sin");
    TTerm* q = PPolynomInSinToTerm(Q, s);
    TTerm* rest = nullptr;
    TBruch faktor;
    KMK(q, rest, faktor);
    if (faktor.Zaehler < 0) {
        TBruch betrag;
        Brueche::Negativ(faktor, betrag);
        TTerm* cosTeil = ArOp(Produkt(RationaleKonstante(betrag), rest)->Ersetze(s, S), C, '*');
        Term = IstNullPPolynom(P) ? cosTeil->Negation() : ArOp(Pt, cosTeil, '-');
    } else {
        TTerm* cosTeil = ArOp(PPolynomInSinToTerm(Q, S), C, '*');
        Term = IstNullPPolynom(P) ? cosTeil : ArOp(Pt, cosTeil, '+');
    }
}

// ---- Arithmetic on the parts ----

void PTNFProduktSinTeil(const TPPolynom& a, const TPPolynom& b, const TPPolynom& e, const TPPolynom& d,
                        TPPolynom& R) {
    TPPolynom ae, bd;
    PPMal(a, e, ae);
    PPMal(b, d, bd);
    PPMal(bd, EinsMinusSQuadratPPolynom, bd);
    PPPlus(ae, bd, R);
}

void PTNFProduktCosTeil(const TPPolynom& a, const TPPolynom& b, const TPPolynom& e, const TPPolynom& d,
                        TPPolynom& R) {
    TPPolynom ad, be;
    PPMal(a, d, ad);
    PPMal(b, e, be);
    PPPlus(ad, be, R);
}

namespace {

// The parts of a form while the builder combines them; nothing of it is a term yet.
struct TTeile {
    TPPolynom P;
    TPPolynom Q;
    TPolynom Argument;
};
using TTeilePtr = std::unique_ptr<TTeile>;

TTeilePtr Teile(const TPPolynom& P, const TPPolynom& Q, const TPolynom& Argument) {
    return TTeilePtr(new TTeile{P, Q, Argument});
}

// A polynomial in x: no trigonometric part and no argument.
[[gnu::noinline]] TTeilePtr Polynomteile(const TPolynom& A) {
    TPPolynom P;
    PPAusPolynomX(A, P);
    return Teile(P, NullPPolynom, NullPolynom);
}

// (P1 + Q1*c)*(P2 + Q2*c) with c^2 = 1 - s^2, into F1.
[[gnu::noinline]] void Multipliziere(TTeile& F1, const TTeile& F2) {
    TPPolynom p, q;
    PTNFProduktSinTeil(F1.P, F1.Q, F2.P, F2.Q, p);
    PTNFProduktCosTeil(F1.P, F1.Q, F2.P, F2.Q, q);
    F1.P = p;
    F1.Q = q;
}

// F^n by squaring, so that a large n passes the degree limit (or an overflow) after a few steps.
[[gnu::noinline]] TTeilePtr Hoch(const TTeile& F, Int64 n) {
    TTeilePtr R = Teile(EinsPPolynom, NullPPolynom, F.Argument);
    TTeilePtr basis = Teile(F.P, F.Q, F.Argument);
    for (uint64_t e = static_cast<uint64_t>(n); e != 0; e >>= 1) {
        if (e & 1) Multipliziere(*R, *basis);
        if (e > 1) Multipliziere(*basis, *basis);
    }
    return R;
}

// P and Q rewritten in sin and cos of a new argument: Sin and Cos are sin and cos of the old one as forms in
// the new one with denominator 1, so s^k becomes Sin^k and s^k*c becomes Cos*Sin^k.
[[gnu::noinline]] void Transformiere(TTeile& F, TTNF* Sin, TTNF* Cos) {
    TPPolynom RP, RQ;
    const tnf::TLinear sinus{Sin->A, Sin->B};
    auto addiere = [&](const TPPolynom& X, tnf::TLinear w) {
        for (Int32 k = 0; k <= X.Grad; ++k) {
            if (k > 0) w = tnf::Produkt(w, sinus);
            if (IstNullPolynom(X.Koeff[k])) continue;
            TPPolynom c, a, b;
            PPAusPolynomX(X.Koeff[k], c);
            PPAusPolynomS(w.a, a);
            PPAusPolynomS(w.b, b);
            PPMal(c, a, a);
            PPMal(c, b, b);
            PPPlus(RP, a, RP);
            PPPlus(RQ, b, RQ);
        }
    };
    addiere(F.P, tnf::TLinear{EinsPolynom, NullPolynom});
    addiere(F.Q, tnf::TLinear{Cos->A, Cos->B});
    F.P = RP;
    F.Q = RQ;
}

// F, whose argument is m*Ziel + b, rewritten for the argument Ziel.
[[gnu::noinline]] void Umschreiben(TTeile& F, TTerm* b, Int64 m, const TPolynom& Ziel) {
    TTNF *sinus = nullptr, *kosinus = nullptr;
    if (!b->IstNull()) {
        SinCosxPlusB(b, sinus, kosinus);
        Transformiere(F, sinus, kosinus);
    }
    if (m != 1) {
        SinCoskx(m, sinus, kosinus);
        Transformiere(F, sinus, kosinus);
    }
    F.Argument = Ziel;
}

// One argument for both operands: the other's when one has none, else the aligned one of arguments that
// differ by a constant and an integer factor (p1 - b1 = q*(p2 - b2) with q = m or 1/m). False when they
// cannot be aligned.
[[gnu::noinline]] bool Angleichen(TTeile& F1, TTeile& F2) {
    if (IstNullPolynom(F1.Argument)) {
        F1.Argument = F2.Argument;
        return true;
    }
    if (IstNullPolynom(F2.Argument) || PGleich(F1.Argument, F2.Argument)) {
        F2.Argument = F1.Argument;
        return true;
    }
    if (F1.Argument.Grad != F2.Argument.Grad) return false;
    TTerm* b1 = F1.Argument.Koeff[0];
    TTerm* b2 = F2.Argument.Koeff[0];
    TPolynom r1 = F1.Argument, r2 = F2.Argument, q, rest;
    r1.Koeff[0] = Null;
    r2.Koeff[0] = Null;
    PDurch(r1, r2, q, rest, false);
    auto* k = q.Grad == 0 && IstNullPolynom(rest) ? AlsRationaleKonstante(q.Koeff[0]) : nullptr;
    if (!k || k->IstNull()) return false;
    const TBruch v = k->Bruch;
    // p1 = m*p2' + b1 (or the roles exchanged for q = 1/m, also -1/m).
    const bool ganz = v.Nenner == 1;
    if (!ganz && v.Zaehler != 1 && v.Zaehler != -1) return false;
    TTeile& A = ganz ? F1 : F2;
    TTeile& B = ganz ? F2 : F1;
    TTerm* bA = ganz ? b1 : b2;
    TTerm* bB = ganz ? b2 : b1;
    const Int64 m = ganz ? v.Zaehler : v.Zaehler * v.Nenner;
    if (!bA->IstNull()) {
        Umschreiben(A, Differenz(bA, Produkt(RationaleKonstante(TBruch{m, 1}), bB)), m, B.Argument);
    } else {
        const TPolynom ziel = ganz ? r2 : r1;
        Umschreiben(A, Null, m, ziel);
        Umschreiben(B, bB, 1, ziel);
    }
    return true;
}

[[gnu::noinline]] TTeilePtr Verknuepfe(TTeilePtr F1, const TTeile& F2, char op) {
    switch (op) {
    case '*':
        Multipliziere(*F1, F2);
        return F1;
    case '+':
        PPPlus(F1->P, F2.P, F1->P);
        PPPlus(F1->Q, F2.Q, F1->Q);
        return F1;
    case '-':
        PPMinus(F1->P, F2.P, F1->P);
        PPMinus(F1->Q, F2.Q, F1->Q);
        return F1;
    default:
        return nullptr;
    }
}

// The parts of a polynomial form cached on T. Other cached forms are not read: the result must not depend on
// which subterms had their forms built before.
[[gnu::noinline]] TTeilePtr AusGespeicherterForm(TTerm* T) {
    auto* pt = dynamic_cast<TPolynomTerm*>(T->Normalform);
    return pt ? Polynomteile(pt->P) : nullptr;
}

[[gnu::noinline]] TTeilePtr Konstante(TTerm* T) {
    TPolynom c;
    if (!KonstantesPolynomVon(T, c)) return nullptr;
    return Polynomteile(c);
}

[[gnu::noinline]] TTeilePtr SinusOderKosinus(TStandardFunktion* f) {
    const bool sinus = f->Kennung == "sin";
    if (!sinus && f->Kennung != "cos") return nullptr;
    bool neu = false;
    TPolynomTerm* argument = TPolynomTermCreateT(f->Argument, neu);
    if (!argument) return nullptr;
    // An argument without x (sin(x - x)) makes a constant: the zero argument would mean "no sin and cos".
    if (argument->P.Grad == 0) {
        TPolynom c;
        if (!KonstantesPolynomVon(StandardFunktionTerm(f->Kennung, argument->P.Koeff[0]), c)) return nullptr;
        return Polynomteile(c);
    }
    return sinus ? Teile(SPPolynom, NullPPolynom, argument->P)
                 : Teile(NullPPolynom, EinsPPolynom, argument->P);
}

// x/c as the product x*(1/c), a term of its own, for a constant c with a non-zero value; nil for any other
// term. The quotient itself stays as it is: other terms may share it.
TTerm* MitKehrwert(TOperatorTerm* o) {
    if (o->Operator != '/' || !o->T2->IstKonstant) return nullptr;
    TPolynom c;
    if (!KonstantesPolynomVon(o->T2, c) || c.Koeff[0]->IstNull()) return nullptr;
    return OperatorTerm(o->T1, Quotient(Eins, o->T2), '*');
}

// The parts of T, or nil. The frame holds pointers only: the records are combined in the called functions.
TTeilePtr Baue(TTerm* T) {
    if (!T || (T->Funktionsarten & (FunktionsartExp | FunktionsartWurzel)) ||
        !(T->MoeglicheNormalformen & NormalformPTNF))
        return nullptr;
    if (TTeilePtr f = AusGespeicherterForm(T)) return f;
    if (T->IstKonstant) return Konstante(T);
    if (IstVariable(T)) return Polynomteile(XPolynom);
    if (auto* o = AlsOperatorTerm(T)) {
        if (TTerm* produkt = MitKehrwert(o)) return Baue(produkt);
        TTeilePtr F1 = Baue(o->T1);
        TTeilePtr F2 = F1 ? Baue(o->T2) : nullptr;
        if (!F2 || !Angleichen(*F1, *F2)) return nullptr;
        return Verknuepfe(std::move(F1), *F2, o->Operator);
    }
    if (auto* p = AlsPotenzTerm(T)) {
        if (p->Exponent.Nenner != 1 || p->Exponent.Zaehler < 0) return nullptr;
        TTeilePtr basis = Baue(p->Argument);
        return basis ? Hoch(*basis, p->Exponent.Zaehler) : nullptr;
    }
    if (auto* f = AlsStandardFunktion(T)) return SinusOderKosinus(f);
    return nullptr;
}

} // namespace

TPTNF* PTNFMinus(TPTNF* F, TPTNF* G) {
    if (!PGleich(F->Argument, G->Argument)) return nullptr;
    TPPolynom P, Q;
    PPMinus(F->P, G->P, P);
    PPMinus(F->Q, G->Q, Q);
    return Neu<TPTNF>(P, Q, F->Argument, nullptr);
}

TPTNF* PTNFMal(TPTNF* F, TPTNF* G) {
    if (!PGleich(F->Argument, G->Argument)) return nullptr;
    TTeilePtr R = Teile(F->P, F->Q, F->Argument);
    Multipliziere(*R, TTeile{G->P, G->Q, G->Argument});
    return Neu<TPTNF>(R->P, R->Q, R->Argument, nullptr);
}

TPTNF* PTNFTransformation(TPTNF* F, TTNF* SinForm, TTNF* CosForm, const TPolynom& T) {
    TTeilePtr R = Teile(F->P, F->Q, T);
    Transformiere(*R, SinForm, CosForm);
    return Neu<TPTNF>(R->P, R->Q, T, nullptr);
}

TPTNF* PTNFxPlusB(TPTNF* F, TTerm* b) {
    TTNF *sinus = nullptr, *kosinus = nullptr;
    SinCosxPlusB(b, sinus, kosinus);
    TPolynom c, T;
    KonstantesPolynom(b, c);
    PMinus(F->Argument, c, T);
    return PTNFTransformation(F, sinus, kosinus, T);
}

TPTNF* PTNFkx(TPTNF* F, Int64 k) {
    TTNF *sinus = nullptr, *kosinus = nullptr;
    SinCoskx(k, sinus, kosinus);
    TPolynom T = F->Argument;
    TTerm* divisor = RationaleKonstante(TBruch{k, 1});
    for (Int32 i = 0; i <= T.Grad; ++i) T.Koeff[i] = QuotientV(T.Koeff[i], divisor);
    return PTNFTransformation(F, sinus, kosinus, T);
}

// ---- The builder ----

TNormalform* TPolTrigNormalformCreateT(TTerm* T, bool& NeuGebaut) {
    NeuGebaut = false;
    if (!T || (T->Funktionsarten & (FunktionsartExp | FunktionsartWurzel)) ||
        !(T->MoeglicheNormalformen & NormalformPTNF))
        return nullptr;
    TProtokoll protokoll(ProtokollNormalform, "TPolTrigNormalformCreateT:", T);
    TPTNF* F = nullptr;
    // A degree beyond the limit, an overflow or a value that does not exist means no form.
    try {
        if (TTeilePtr teile = Baue(T)) {
            // Constants, x and cached polynomials are their own term.
            TTerm* term = nullptr;
            if (T->IstKonstant || IstVariable(T) || dynamic_cast<TPolynomTerm*>(T->Normalform)) term = T;
            F = Neu<TPTNF>(teile->P, teile->Q, teile->Argument, term);
        }
    } catch (const EGradUeberschritten&) {
        F = nullptr;
    } catch (const ERessourcen&) {
        F = nullptr;
    } catch (const ENichtExistenz&) {
        F = nullptr;
    }
    if (F) NeuGebaut = true;
    if (protokoll.Offen()) protokoll.Ende("TPolTrigNormalformCreateT=", F ? F->Term : nullptr);
    return F;
}

// ---- The derivative ----

namespace {

const TPolynom& KoeffizientOderNull(const TPPolynom& P, Int32 i) {
    return i < 0 || i > P.Grad ? NullPolynom : P.Koeff[i];
}

TPolynom MalZahl(Int64 n, const TPolynom& A) {
    TPolynom R, c;
    BruchPolynom(TBruch{n, 1}, c);
    PMal(c, A, R);
    return R;
}

} // namespace

TNormalform* TPolTrigNormalform::Ableitung() {
    // (s^k)' = k*p'*s^(k-1)*c and c' = -p'*s with c^2 = 1 - s^2.
    const Int32 n = std::max(P.Grad, Q.Grad) + 1;
    if (n > MaxGrad) throw EGradUeberschritten("Maximaler Grad von Polynomen überschritten.");
    TPolynom p1;
    PAbleitung(Argument, p1);
    TPPolynom RP, RQ;
    RP.Grad = n;
    RQ.Grad = n;
    for (Int32 i = 0; i <= n; ++i) {
        TPolynom a, b, c;
        PAbleitung(KoeffizientOderNull(P, i), a);
        PMinus(MalZahl(i + 1, KoeffizientOderNull(Q, i + 1)), MalZahl(i, KoeffizientOderNull(Q, i - 1)), b);
        PMal(p1, b, b);
        PPlus(a, b, RP.Koeff[i]);
        PAbleitung(KoeffizientOderNull(Q, i), a);
        PMal(p1, MalZahl(i + 1, KoeffizientOderNull(P, i + 1)), c);
        PPlus(a, c, RQ.Koeff[i]);
    }
    // The sums with the zero polynomial lower both degrees past zero leading coefficients.
    PPPlus(RP, NullPPolynom, RP);
    PPPlus(RQ, NullPPolynom, RQ);
    return Neu<TPTNF>(RP, RQ, Argument, nullptr);
}

} // namespace zol
