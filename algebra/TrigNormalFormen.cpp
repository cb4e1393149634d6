// The trigonometric normal form "TNF": reduction, the term, multiple angles and angle addition, the
// arithmetic, the builder and the derivative.
#include "algebra/TrigNormalFormen.h"

#include "algebra/Protokollblock.h"
#include "algebra/TrigNormalFormen_Intern.h"
#include "output/Protokoll.h"
#include "term/Fehler.h"
#include "term/Funktionen.h"
#include "term/TermManager.h"
#include "term/Termarithmetik.h"
#include "term/Terme.h"

namespace zol {

// ---- Helpers shared by the unit's files ----

namespace tnf {

TPolynom Konstant(TTerm* c) {
    TPolynom R;
    KonstantesPolynom(c, R);
    return R;
}

TPolynom Mal(const TPolynom& P, const TPolynom& Q) {
    TPolynom R;
    PMal(P, Q, R);
    return R;
}

TPolynom Plus(const TPolynom& P, const TPolynom& Q) {
    TPolynom R;
    PPlus(P, Q, R);
    return R;
}

TPolynom Minus(const TPolynom& P, const TPolynom& Q) {
    TPolynom R;
    PMinus(P, Q, R);
    return R;
}

TTerm* SinX() {
    return StandardFunktionTerm("sin", VariableX);
}

TTerm* CosX() {
    return StandardFunktionTerm("cos", VariableX);
}

TTerm* InSinus(const TPolynom& P) {
    return PolynomToTerm(P)->Ersetze(VariableX, SinX());
}

TTerm* LinearInCos(const TPolynom& P, const TPolynom& Q) {
    TTerm* q = ArOp(InSinus(Q), CosX(), '*');
    if (!IstNullPolynom(P) && HatNegativesVorzeichen(q)) return ArOp(InSinus(P), q->Negation(), '-');
    return ArOp(InSinus(P), q, '+');
}

TLinear Produkt(const TLinear& x, const TLinear& y) {
    TLinear R;
    TNFProduktSinTeil(x.a, x.b, y.a, y.b, R.a);
    TNFProduktCosTeil(x.a, x.b, y.a, y.b, R.b);
    return R;
}

} // namespace tnf

using namespace tnf;

// ---- The form ----

TTrigonometrischeNormalform::TTrigonometrischeNormalform(const TPolynom& a, const TPolynom& b,
                                                         const TPolynom& c, const TPolynom& d, TTerm* term)
    : A(a), B(b), C(c), D(d) {
    Kennung = KennungTNF;
    Kuerze();
    if (term)
        Term = term;
    else
        BildeTerm();
}

TTNF* TNFCreate(const TPolynom& A, const TPolynom& B, const TPolynom& C, const TPolynom& D, TTerm* Term) {
    return Neu<TTNF>(A, B, C, D, Term);
}

void TTrigonometrischeNormalform::BildeTerm() {
    Term = ArOp(LinearInCos(A, B), LinearInCos(C, D), '/');
}

void TTrigonometrischeNormalform::Kuerze() {
    // The common factor of all four polynomials. Where Euclid's remainders leave 64-bit fractions the form
    // stays uncancelled: it keeps its values, only not its shortest shape.
    TPolynom g;
    try {
        if (IstNullPolynom(C))
            g = D;
        else if (IstNullPolynom(D))
            g = C;
        else
            PGGT(C, D, g);
        if (!IstNullPolynom(A)) PGGT(g, A, g);
        if (!IstNullPolynom(B)) PGGT(g, B, g);
    } catch (const ERessourcen&) {
        g = EinsPolynom;
    }
    if (g.Grad > 0) {
        TPolynom rest;
        for (TPolynom* P : {&A, &B, &C, &D}) PDurch(*P, g, *P, rest, false);
    }
    // A common factor cos x: A = (1 - s^2)*A', C = (1 - s^2)*C' turns the form into (B + A'c)/(D + C'c).
    TPolynom a1, ra, c1, rc;
    PDurch(A, EinsMinusXQuadratPolynom, a1, ra, false);
    PDurch(C, EinsMinusXQuadratPolynom, c1, rc, false);
    if (IstNullPolynom(ra) && IstNullPolynom(rc)) {
        A = B;
        B = a1;
        C = D;
        D = c1;
    }
    // The form is a polynomial q in s.
    TPolynom q, rest;
    bool polynom = false;
    if (!IstNullPolynom(C)) {
        PDurch(A, C, q, rest, false);
        polynom = IstNullPolynom(rest) && PGleich(B, Mal(q, D));
    } else if (!IstNullPolynom(D)) {
        PDurch(B, D, q, rest, false);
        polynom = IstNullPolynom(rest) && IstNullPolynom(A);
    }
    if (polynom) {
        A = q;
        B = NullPolynom;
        C = EinsPolynom;
        D = NullPolynom;
    }
}

// ---- Angle addition and multiple angles ----

void SinCosxPlusB(TTerm* b, TTNF*& SinForm, TTNF*& CosForm) {
    if (b->IstNull()) {
        SinForm = TNFCreate(XPolynom, NullPolynom, EinsPolynom, NullPolynom);
        CosForm = TNFCreate(NullPolynom, EinsPolynom, EinsPolynom, NullPolynom);
        return;
    }
    TTerm* sb = ExakterSinus(b);
    TTerm* cb = ExakterKosinus(b);
    SinForm = TNFCreate(Mal(Konstant(cb), XPolynom), Konstant(sb), EinsPolynom, NullPolynom);
    CosForm = TNFCreate(Mal(Konstant(sb->Negation()), XPolynom), Konstant(cb), EinsPolynom, NullPolynom);
}

void SinCoskx(Int64 k, TTNF*& SinForm, TTNF*& CosForm) {
    // sin(kx) and cos(kx) have degree |k| in s: beyond the limit at once, before any work.
    if (k > MaxGrad || k < -MaxGrad) throw EGradUeberschritten("Maximaler Grad von Polynomen überschritten.");
    const Int64 n = k < 0 ? -k : k;
    // sin(jx) = As + Bs*c, cos(jx) = Ac + Bc*c, from j = 1 up by the addition theorems.
    TPolynom As = XPolynom, Bs = NullPolynom, Ac = NullPolynom, Bc = EinsPolynom;
    if (n == 0) {
        As = NullPolynom;
        Ac = EinsPolynom;
        Bc = NullPolynom;
    }
    for (Int64 j = 2; j <= n; ++j) {
        const TPolynom as = Plus(Mal(XPolynom, Ac), Mal(EinsMinusXQuadratPolynom, Bs));
        const TPolynom bs = Plus(As, Mal(XPolynom, Bc));
        const TPolynom ac = Minus(Mal(EinsMinusXQuadratPolynom, Bc), Mal(XPolynom, As));
        const TPolynom bc = Minus(Ac, Mal(XPolynom, Bs));
        As = as;
        Bs = bs;
        Ac = ac;
        Bc = bc;
    }
    if (k < 0) {
        const TPolynom minusEins = Konstant(MinusEins);
        As = Mal(minusEins, As);
        Bs = Mal(minusEins, Bs);
    }
    SinForm = TNFCreate(As, Bs, EinsPolynom, NullPolynom);
    CosForm = TNFCreate(Ac, Bc, EinsPolynom, NullPolynom);
}

// ---- Arithmetic ----

void TNFProduktSinTeil(const TPolynom& a, const TPolynom& b, const TPolynom& e, const TPolynom& d,
                       TPolynom& R) {
    R = Plus(Mal(a, e), Mal(Mal(b, d), EinsMinusXQuadratPolynom));
}

void TNFProduktCosTeil(const TPolynom& a, const TPolynom& b, const TPolynom& e, const TPolynom& d,
                       TPolynom& R) {
    R = Plus(Mal(a, d), Mal(b, e));
}

namespace {

TLinear Zaehler(const TTNF* F) {
    return {F->A, F->B};
}

TLinear Nenner(const TTNF* F) {
    return {F->C, F->D};
}

TTNF* Form(const TLinear& Z, const TLinear& N) {
    return TNFCreate(Z.a, Z.b, N.a, N.b);
}

TTNF* Summe(TTNF* F, TTNF* G, bool minus) {
    const TLinear l = Produkt(Zaehler(F), Nenner(G));
    const TLinear r = Produkt(Zaehler(G), Nenner(F));
    const TLinear z =
        minus ? TLinear{tnf::Minus(l.a, r.a), tnf::Minus(l.b, r.b)} : TLinear{Plus(l.a, r.a), Plus(l.b, r.b)};
    return Form(z, Produkt(Nenner(F), Nenner(G)));
}

bool IstKonstanteForm(const TTNF* F) {
    return F->A.Grad == 0 && IstNullPolynom(F->B) && PGleich(F->C, EinsPolynom) && IstNullPolynom(F->D);
}

} // namespace

TTNF* TNFPlus(TTNF* F, TTNF* G) {
    return Summe(F, G, false);
}

TTNF* TNFMinus(TTNF* F, TTNF* G) {
    return Summe(F, G, true);
}

TTNF* TNFMal(TTNF* F, TTNF* G) {
    return Form(Produkt(Zaehler(F), Zaehler(G)), Produkt(Nenner(F), Nenner(G)));
}

TTNF* TNFDurch(TTNF* F, TTNF* G) {
    return Form(Produkt(Zaehler(F), Nenner(G)), Produkt(Nenner(F), Zaehler(G)));
}

TTNF* TNFHoch(TTNF* F, Int64 n) {
    if (n <= 0) return TNFCreate(EinsPolynom, NullPolynom, EinsPolynom, NullPolynom);
    // A constant is raised through its value, so a large n ends at once.
    if (IstKonstanteForm(F)) {
        TPolynom R;
        PHochBegrenzt(F->A, n, R);
        return TNFCreate(R, NullPolynom, EinsPolynom, NullPolynom);
    }
    // Square and multiply: the degrees pass the limit after a few squarings.
    TLinear z{EinsPolynom, NullPolynom}, m{EinsPolynom, NullPolynom};
    TLinear bz = Zaehler(F), bm = Nenner(F);
    for (uint64_t e = static_cast<uint64_t>(n); e != 0; e >>= 1) {
        if (e & 1) {
            z = Produkt(z, bz);
            m = Produkt(m, bm);
        }
        if (e > 1) {
            bz = Produkt(bz, bz);
            bm = Produkt(bm, bm);
        }
    }
    return Form(z, m);
}

// ---- The builder ----

namespace {

TTNF* BaueForm(TTerm* T);

// The form of a subterm: its cached form, else a new one; nil when it has none.
TTNF* FormVon(TTerm* T) {
    if (!T || !(T->MoeglicheNormalformen & NormalformTNF) || (T->Zustand & KeineNormalform)) return nullptr;
    if (auto* f = dynamic_cast<TTNF*>(T->Normalform)) return f;
    return BaueForm(T);
}

bool HatNenner(const TTNF* F) {
    return F && !(IstNullPolynom(F->C) && IstNullPolynom(F->D));
}

// sin, cos or tan of k*x with an integer k != 0.
TTNF* TrigFormVon(TStandardFunktion* f) {
    const std::string& name = f->Kennung;
    if (name != "sin" && name != "cos" && name != "tan") return nullptr;
    bool neu = false;
    TPolynomTerm* arg = TPolynomTermCreateT(f->Argument, neu);
    if (!arg || arg->P.Grad != 1 || !arg->P.Koeff[0]->IstNull()) return nullptr;
    auto* k = AlsRationaleKonstante(arg->P.Koeff[1]);
    if (!k || k->Bruch.Nenner != 1 || k->Bruch.Zaehler == 0) return nullptr;
    TTNF *s = nullptr, *c = nullptr;
    SinCoskx(k->Bruch.Zaehler, s, c);
    if (name == "sin") return s;
    if (name == "cos") return c;
    return TNFCreate(s->A, s->B, c->A, c->B);
}

TTNF* BaueForm(TTerm* T) {
    TProtokoll protokoll(ProtokollNormalform, "TTrigonometrischeNormalformCreateT:", T);
    TTNF* F = nullptr;
    if (T->IstKonstant) {
        TPolynom P;
        if (KonstantesPolynomVon(T, P)) F = TNFCreate(P, NullPolynom, EinsPolynom, NullPolynom, T);
    } else if (auto* o = AlsOperatorTerm(T)) {
        TTNF* F1 = FormVon(o->T1);
        TTNF* F2 = F1 ? FormVon(o->T2) : nullptr;
        if (F2) {
            switch (o->Operator) {
            case '*':
                F = TNFMal(F1, F2);
                break;
            case '+':
                F = TNFPlus(F1, F2);
                break;
            case '-':
                F = TNFMinus(F1, F2);
                break;
            case '/':
                F = TNFDurch(F1, F2);
                break;
            default:
                break;
            }
        }
    } else if (auto* p = AlsPotenzTerm(T)) {
        TTNF* basis = p->Exponent.Nenner == 1 ? FormVon(p->Argument) : nullptr;
        const Int64 n = p->Exponent.Zaehler;
        if (basis && n >= 0) {
            F = TNFHoch(basis, n);
        } else if (basis) {
            // |n| of the most negative exponent passes the degree limit as well as any other.
            const Int64 m = n == INT64_MIN ? INT64_MAX : -n;
            F = TNFDurch(TNFHoch(basis, 0), TNFHoch(basis, m));
        }
    } else if (auto* f = AlsStandardFunktion(T)) {
        F = TrigFormVon(f);
    }
    // A quotient by the zero form has no value anywhere: no form.
    if (!HatNenner(F)) F = nullptr;
    if (protokoll.Offen()) protokoll.Ende("TTrigonometrischeNormalformCreateT=", F ? F->Term : nullptr);
    return F;
}

} // namespace

TNormalform* TTrigonometrischeNormalformCreateT(TTerm* T, bool& NeuGebaut) {
    NeuGebaut = false;
    if (!T || !(T->MoeglicheNormalformen & NormalformTNF)) return nullptr;
    TTNF* F = nullptr;
    if (auto* f = dynamic_cast<TTNF*>(T->Normalform))
        F = TNFCreate(f->A, f->B, f->C, f->D, f->Term);
    else
        F = BaueForm(T);
    if (F) NeuGebaut = true;
    return F;
}

// ---- The derivative ----

TNormalform* TTrigonometrischeNormalform::Ableitung() {
    // d/dx P(s) = P'(s)*c and d/dx c = -s: (P + Q*c)' = (Q'*(1 - s^2) - s*Q) + P'*c.
    auto ableitung = [](const TPolynom& P, const TPolynom& Q) {
        TPolynom P1, Q1;
        PAbleitung(P, P1);
        PAbleitung(Q, Q1);
        return TLinear{tnf::Minus(Mal(Q1, EinsMinusXQuadratPolynom), Mal(XPolynom, Q)), P1};
    };
    const TLinear N{A, B}, M{C, D};
    const TLinear l = Produkt(ableitung(A, B), M);
    const TLinear r = Produkt(N, ableitung(C, D));
    return Form({tnf::Minus(l.a, r.a), tnf::Minus(l.b, r.b)}, Produkt(M, M));
}

} // namespace zol
