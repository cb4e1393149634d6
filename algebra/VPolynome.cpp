#include "algebra/VPolynome.h"

#include "output/Ausgabe.h"
#include "term/Fehler.h"
#include "term/Funktionen.h"
#include "term/Punktlisten.h"
#include "term/TermManager.h"
#include "term/Termarithmetik.h"
#include "term/Terme.h"
#include "term/Wurzeln.h"

namespace zol {

// ---- The monomial lists ----

namespace {

TMonom* NeuesMonom(TTerm* c, const TBruch& r, TMonom* naechster) {
    TMonom* m = Neu<TMonom>();
    m->Koeffizient = c;
    m->Exponent = r;
    m->Naechster = naechster;
    return m;
}

[[noreturn]] void Zuviele() {
    throw EGradUeberschritten("Maximaler Grad von Polynomen überschritten.");
}

} // namespace

void VPolynomEinfuegen(TMonom*& Liste, TTerm* c, const TBruch& r) {
    if (c->IstNull()) return;
    TMonom** stelle = &Liste;
    while (*stelle && Brueche::Kleiner((*stelle)->Exponent, r)) stelle = &(*stelle)->Naechster;
    if (*stelle && Brueche::Gleich((*stelle)->Exponent, r))
        (*stelle)->Koeffizient = Summe((*stelle)->Koeffizient, c);
    else
        *stelle = NeuesMonom(c, r, *stelle);
}

TMonom* VPolynomNull() {
    return NeuesMonom(Null, BruchNull, nullptr);
}

TMonom* VPolynomEins() {
    return NeuesMonom(Eins, BruchNull, nullptr);
}

Int32 VPolynomLaenge(TMonom* a) {
    Int32 n = 0;
    for (; a; a = a->Naechster) ++n;
    return n;
}

TMonom* VPolynomPlus(TMonom* a, TMonom* b) {
    TMonom* liste = nullptr;
    for (TMonom* m = a; m; m = m->Naechster) VPolynomEinfuegen(liste, m->Koeffizient, m->Exponent);
    for (TMonom* m = b; m; m = m->Naechster) VPolynomEinfuegen(liste, m->Koeffizient, m->Exponent);
    return liste;
}

TMonom* VPolynomMinus(TMonom* a, TMonom* b) {
    TMonom* liste = nullptr;
    for (TMonom* m = a; m; m = m->Naechster) VPolynomEinfuegen(liste, m->Koeffizient, m->Exponent);
    for (TMonom* m = b; m; m = m->Naechster)
        VPolynomEinfuegen(liste, m->Koeffizient->Negation(), m->Exponent);
    return liste;
}

TMonom* VPolynomMal(TMonom* a, TMonom* b) {
    if (Int64(VPolynomLaenge(a)) * VPolynomLaenge(b) > MaxMonomprodukte) Zuviele();
    TMonom* liste = nullptr;
    for (TMonom* m = a; m; m = m->Naechster)
        for (TMonom* k = b; k; k = k->Naechster) {
            TBruch r;
            Brueche::Plus(m->Exponent, k->Exponent, r);
            VPolynomEinfuegen(liste, Produkt(m->Koeffizient, k->Koeffizient), r);
        }
    return liste;
}

TMonom* VPolynomDurchMonom(TMonom* a, TTerm* c, const TBruch& r) {
    TMonom* liste = nullptr;
    TMonom** ende = &liste;
    for (TMonom* m = a; m; m = m->Naechster) {
        TBruch e;
        Brueche::Minus(m->Exponent, r, e);
        *ende = NeuesMonom(Quotient(m->Koeffizient, c), e, nullptr);
        ende = &(*ende)->Naechster;
    }
    return liste;
}

TMonom* VPolynomHoch(TMonom* a, Int64 n) {
    if (n < 1) return VPolynomEins();
    if (a && !a->Naechster) {
        TBruch r;
        Brueche::Mal(a->Exponent, TBruch{n, 1}, r);
        TMonom* liste = nullptr;
        VPolynomEinfuegen(liste, PotenzRadikal(a->Koeffizient, TBruch{n, 1}), r);
        return liste;
    }
    if (!a) return nullptr;
    if (n > MaxGrad) Zuviele();
    TMonom* liste = VPolynomEins();
    for (Int64 i = 0; i < n; ++i) liste = VPolynomMal(liste, a);
    return liste;
}

TTerm* VPolynomAlsTerm(TMonom* Liste) {
    TTerm* T = Null;
    for (TMonom* m = Liste; m; m = m->Naechster)
        T = Summe(T, Produkt(m->Koeffizient, PotenzRadikal(VariableX, m->Exponent)));
    return T;
}

// ---- The form ----

TVPolynomTerm::TVPolynomTerm(TMonom* liste, TTerm* term) : Liste(liste) {
    Kennung = KennungVPT;
    Term = term ? term : VPolynomAlsTerm(Liste);
}

TVPolynomTerm* TVPolynomTerm::CreateAusPolynom(const TPolynom& P) {
    TMonom* liste = nullptr;
    for (Int32 i = 0; i <= P.Grad; ++i) VPolynomEinfuegen(liste, P.Koeff[i], TBruch{i, 1});
    return Neu<TVPolynomTerm>(liste, PolynomToTerm(P));
}

TNormalform* TVPolynomTerm::Ableitung() {
    TMonom* liste = nullptr;
    for (TMonom* m = Liste; m; m = m->Naechster) {
        TBruch r;
        Brueche::Minus(m->Exponent, BruchEins, r);
        VPolynomEinfuegen(liste, Produkt(RationaleKonstante(m->Exponent), m->Koeffizient), r);
    }
    return Neu<TVPolynomTerm>(liste);
}

TTerm* TVPolynomTerm::Integral(TTerm* a, TTerm* b, Int32) {
    TMonom* liste = nullptr;
    for (TMonom* m = Liste; m; m = m->Naechster) {
        if (m->Koeffizient->IstNull()) continue;
        TBruch r;
        Brueche::Plus(m->Exponent, BruchEins, r);
        // The antiderivative of c/x is a logarithm, which this form does not hold.
        if (r.Zaehler == 0) return nullptr;
        VPolynomEinfuegen(liste, Quotient(m->Koeffizient, RationaleKonstante(r)), r);
    }
    if (a && b && !DefiniertZwischen(Term, a, b)) return nullptr;
    if (Kommentare) {
        SchreibeIntegralzeichen(a, b);
        SchreibeTerm(Term);
        Schreibe("d" + VariablenText() + " =");
    }
    return IntegralAuswerten(VPolynomAlsTerm(liste), a, b, VariableX);
}

// ---- The builder ----

namespace {

bool ListeVon(TTerm* T, TMonom*& L);

// (c*x^r)^e for an exponent e that is not an integer: c^e * x^(r*e) where that has the values of the power.
// For x < 0 the power has a value only when c*x^r is positive there (r even); then x^(r*e) must agree with
// |x|^(r*e), so r*e must be even.
bool MonomHoch(TMonom* m, const TBruch& e, TMonom*& L) {
    TBruch r;
    Brueche::Mal(m->Exponent, e, r);
    const TBruch& alt = m->Exponent;
    if (alt.Nenner == 1 && alt.Zaehler % 2 == 0 && !(r.Nenner == 1 && r.Zaehler % 2 == 0)) return false;
    TTerm* c = PotenzRadikal(m->Koeffizient, e);
    bool definiert = false;
    c->Wert(0, definiert);
    if (!definiert) return false;
    L = nullptr;
    VPolynomEinfuegen(L, c, r);
    return true;
}

bool PotenzListe(TPotenz* p, TMonom*& L) {
    TMonom* V = nullptr;
    if (!ListeVon(p->Argument, V)) return false;
    const TBruch& e = p->Exponent;
    if (e.Nenner == 1 && e.Zaehler > 0) {
        L = VPolynomHoch(V, e.Zaehler);
        return true;
    }
    if (!V || V->Naechster) return false;
    if (e.Nenner == 1) {
        TBruch r;
        Brueche::Mal(V->Exponent, e, r);
        L = nullptr;
        VPolynomEinfuegen(L, PotenzRadikal(V->Koeffizient, e), r);
        return true;
    }
    return MonomHoch(V, e, L);
}

bool OperatorListe(TOperatorTerm* o, TMonom*& L) {
    TMonom *A = nullptr, *B = nullptr;
    if (!ListeVon(o->T1, A) || !ListeVon(o->T2, B)) return false;
    switch (o->Operator) {
    case '+':
        L = VPolynomPlus(A, B);
        return true;
    case '-':
        L = VPolynomMinus(A, B);
        return true;
    case '*':
        L = VPolynomMal(A, B);
        return true;
    case '/':
        // Only by one monomial that is not zero.
        if (!B || B->Naechster || B->Koeffizient->IstNull()) return false;
        L = VPolynomDurchMonom(A, B->Koeffizient, B->Exponent);
        return true;
    default:
        return false;
    }
}

// The list of T; false when T has no such form.
bool ListeOhneCache(TTerm* T, TMonom*& L) {
    if (!(T->Funktionsarten & (FunktionsartExp | FunktionsartTrig | FunktionsartWurzel))) {
        bool neu = false;
        if (TPolynomTerm* P = TPolynomTermCreateT(T, neu)) {
            L = nullptr;
            for (Int32 i = 0; i <= P->P.Grad; ++i) VPolynomEinfuegen(L, P->P.Koeff[i], TBruch{i, 1});
            return true;
        }
    }
    TTerm* U = T;
    if (auto* w = AlsWurzel(T))
        U = PotenzRadikal(w->Argument, TBruch{1, w->Grad});
    else if (IstStandardFunktion(T, "sqrt"))
        U = PotenzRadikal(static_cast<TFunktion*>(T)->Argument, BruchEinHalb);
    if (auto* o = AlsOperatorTerm(U)) return OperatorListe(o, L);
    if (auto* p = AlsPotenzTerm(U)) return PotenzListe(p, L);
    if (U != T) return ListeVon(U, L);
    return false;
}

// The same for a subterm: one that caches a form of this kind gives its list at once.
bool ListeVon(TTerm* T, TMonom*& L) {
    if (auto* v = dynamic_cast<TVPolynomTerm*>(T->Normalform)) {
        L = v->Liste;
        return true;
    }
    return ListeOhneCache(T, L);
}

} // namespace

TVPolynomTerm* TVPolynomTermCreateT(TTerm* T) {
    if (!T) return nullptr;
    try {
        if (!(T->Funktionsarten & (FunktionsartExp | FunktionsartTrig | FunktionsartWurzel))) {
            bool neu = false;
            if (TPolynomTerm* P = TPolynomTermCreateT(T, neu)) return TVPolynomTerm::CreateAusPolynom(P->P);
        }
        TMonom* L = nullptr;
        if (!ListeOhneCache(T, L)) return nullptr;
        return Neu<TVPolynomTerm>(L);
    } catch (const ENichtExistenz&) {
        return nullptr;
    } catch (const EGradUeberschritten&) {
        return nullptr;
    } catch (const ERessourcen&) {
        return nullptr;
    }
}

} // namespace zol
