#include "steps/Fallunterscheidung.h"

#include "algebra/NormalFormen.h"
#include "algebra/Nullentscheidung.h"
#include "algebra/Polynome.h"
#include "output/Ausgabe.h"
#include "steps/Nullstel.h"
#include "term/Fehler.h"
#include "term/Funktionen.h"
#include "term/Mengen.h"
#include "term/Parameter.h"
#include "term/Punktlisten.h"
#include "term/Rundungsschranke.h"
#include "term/TermManager.h"
#include "term/Termarithmetik.h"
#include "term/Terme.h"
#include "term/Wurzeln.h"

namespace zol {

namespace {

// The depth of the case distinctions running now, one inside the other.
Int32 Falltiefe = 0;
constexpr Int32 MaxFalltiefe = 3;
// Parts deeper in a term than this are not looked for.
constexpr Int32 MaxTermtiefe = 1000;

// The condition of the innermost first part of T that is abs(c) or a piecewise term whose condition c
// depends on x.
TTerm* Fallbedingung(TTerm* T, Int32 Tiefe = 0) {
    if (!T || T->IstKonstant || Tiefe > MaxTermtiefe) return nullptr;
    if (TOperatorTerm* o = AlsOperatorTerm(T)) {
        TTerm* c = Fallbedingung(o->T1, Tiefe + 1);
        return c ? c : Fallbedingung(o->T2, Tiefe + 1);
    }
    if (TJoin* j = AlsJoin(T)) {
        TTerm* c = Fallbedingung(j->Bedingung, Tiefe + 1);
        return c ? c : j->Bedingung;
    }
    if (auto* f = dynamic_cast<TFunktion*>(T)) {
        TTerm* c = Fallbedingung(f->Argument, Tiefe + 1);
        return c ? c : IstStandardFunktion(T, "abs") ? f->Argument : nullptr;
    }
    return nullptr;
}

// -T for a term with a negative sign in front (HatNegativesVorzeichen): the sign taken off its first factor.
TTerm* OhneVorzeichen(TTerm* T) {
    TOperatorTerm* o = AlsOperatorTerm(T);
    if (!o || o->Operator != '*') return T->Negation();
    if (IstRationaleKonstante(o->T1) && o->T1->HatWert(BruchMinusEins)) return o->T2;
    return ArOp(OhneVorzeichen(o->T1), o->T2, '*');
}

// +1 when b is the same function of x as c, -1 when it is -c, 0 otherwise (or undecided). The parts of one
// term build a condition in different shapes (the derivative writes 6 - 9x^2 as (-1)*(9*x^2) + 6, the
// argument of abs as (-9)*x^2 + 6); as polynomials they are equal, and a case of c is a case of b.
int Gleichlaufend(TTerm* b, TTerm* c) {
    if (b == c || b->IstGleich(c)) return 1;
    int r = 0;
    Versuche([&] {
        TPolynom P, Q, M;
        if (!PolynomAusTerm(b, P) || !PolynomAusTerm(c, Q)) return;
        PMinus(NullPolynom, Q, M);
        r = PGleich(P, Q) ? 1 : PGleich(P, M) ? -1 : 0;
    });
    return r;
}

// The root of an even power of c (or of -c), root(c^k, n) = |c|^(k/n): in the case of the sign Seite the
// power c^(k/n) or (-c)^(k/n), over the same radicand as the other powers of c in that case (the derivative
// of the cube root of c^2 writes |c|^(-1/3) beside it); nil for other terms.
TTerm* GeradePotenzUnterWurzel(TTerm* T, TTerm* c, int Seite) {
    auto* w = AlsWurzel(T);
    auto* p = w ? AlsPotenzTerm(w->Argument) : nullptr;
    if (!p || w->Grad < 1 || p->Exponent.Nenner != 1 || p->Exponent.Zaehler <= 0 ||
        p->Exponent.Zaehler % 2 != 0 || !Gleichlaufend(p->Argument, c))
        return nullptr;
    TBruch e;
    if (!Versuche([&] { Brueche::Durch(p->Exponent, TBruch{w->Grad, 1}, e); })) return nullptr;
    return PotenzTerm(Seite < 0 ? c->Negation() : c, e);
}

// T where c has the sign Seite: every abs(c) replaced by -c or c, every piecewise term with the condition c
// by its branch for that side (a function of c), every root of an even power of c by a power of c or -c
// (the condition in any shape, see Gleichlaufend). Where a part was replaced, the operations above it are
// built anew by the term arithmetic, so that a branch 0 or 1 leaves no factor 0 or 1 and a negative branch no
// "+ (-a)". Nil where a branch has no term in c.
TTerm* Fallterm(TTerm* T, TTerm* c, int Seite, Int32 Tiefe = 0) {
    if (!T || T->IstKonstant || Tiefe > MaxTermtiefe) return T;
    if (TOperatorTerm* o = AlsOperatorTerm(T)) {
        TTerm* t1 = Fallterm(o->T1, c, Seite, Tiefe + 1);
        TTerm* t2 = Fallterm(o->T2, c, Seite, Tiefe + 1);
        if (!t1 || !t2) return nullptr;
        if (t1 == o->T1 && t2 == o->T2) return T;
        char op = o->Operator;
        if ((op == '+' || op == '-') && HatNegativesVorzeichen(t2)) {
            t2 = OhneVorzeichen(t2);
            op = op == '+' ? '-' : '+';
        }
        return ArOp(t1, t2, op);
    }
    if (TJoin* j = AlsJoin(T)) {
        // The branches are functions of the condition's value b, here c or -c.
        if (const int r = Gleichlaufend(j->Bedingung, c))
            return (Seite * r < 0 ? j->T1 : j->T2)->Ersetze(VariableX, r > 0 ? c : c->Negation());
        TTerm* b = Fallterm(j->Bedingung, c, Seite, Tiefe + 1);
        if (!b) return nullptr;
        return b == j->Bedingung ? T : Neu<TJoin>(j->T1, j->T2, b, j->Stetig);
    }
    if (auto* f = dynamic_cast<TFunktion*>(T)) {
        if (IstStandardFunktion(T, "abs") && Gleichlaufend(f->Argument, c))
            return Seite < 0 ? c->Negation() : c;
        if (TTerm* p = GeradePotenzUnterWurzel(T, c, Seite)) return p;
        return MitArgument(T, Fallterm(f->Argument, c, Seite, Tiefe + 1));
    }
    return T;
}

// -1 or 1 when c is a polynomial without a zero in the interval Bereich (nil for the whole line): it keeps
// the sign it has at one point of Bereich, and the other case does not occur; 0 otherwise.
int EinzigeSeite(TTerm* c, TMenge* Bereich) {
    TIntervall* I = Bereich ? dynamic_cast<TIntervall*>(Bereich) : IntervallR;
    if (!I) return 0;
    TPolynom P;
    bool polynom = false;
    if (!Versuche([&] { polynom = PolynomAusTerm(c, P); }) || !polynom) return 0;
    TSListe* L = nullptr;
    uint8_t s = unklar;
    SucheNullstellen(c, Bereich, L, false, s);
    if (!L || L->Anzahl != 0 || s != wahr) return 0;
    TTerm* p = PunktImIntervall(I);
    TTerm* w = p ? c->Ersetze(VariableX, p) : nullptr;
    if (!w || !SicherNichtNull(w)) return 0;
    bool definiert = false;
    const Extended v = w->Wert(0, definiert);
    return !definiert ? 0 : v < 0 ? -1 : 1;
}

} // namespace

bool NullstellenNachFaellen(TTerm* T, TMenge* Bereich, TSListe*& Liste, bool Kommentar, uint8_t& Status) {
    TTerm* c = Fallbedingung(T);
    if (!c) return false;
    if (Falltiefe >= MaxFalltiefe) {
        Liste = NeueLeereListe();
        Status = unklar;
        return true;
    }
    TWechsel<Int32> tiefe(Falltiefe, Falltiefe + 1);
    TSListe* gefunden = NeueLeereListe();
    uint8_t status = wahr;
    auto uebernimm = [&](TSListe* L, uint8_t s, bool Vielfachheit, auto gilt) {
        bool aufSeite = false;
        for (Int32 i = 1; L && i <= L->Anzahl; ++i) {
            TStelle* p = L->Stellen[i];
            if (!gilt(p->Punkt)) continue;
            aufSeite = true;
            StelleEinfuegen(Neu<TStelle>(p->Punkt, Vielfachheit ? p->Vielfachheit : 0), gefunden, true);
        }
        // Infinitely many zeros (a case where T is 0) count only with a witness on their side.
        if (s != wahr && status != falsch) status = s == falsch && aufSeite ? falsch : unklar;
    };
    // A zero of a case with a parameter whose place is open may lie outside its case: none is named as a
    // zero of T.
    TOffeneLoesungen falloffen;
    const int einzige = EinzigeSeite(c, Bereich);
    for (const int seite : {-1, 1}) {
        if (einzige != 0 && seite != einzige) {
            if (Kommentar) {
                SchreibeTextTerm("Fall ", c);
                SchreibeTextTerm(seite < 0 ? " < 0 entfällt: " : " > 0 entfällt: ", c);
                SchreibeZeile(einzige < 0 ? " hat hier keine Nullstelle und ist überall < 0."
                                          : " hat hier keine Nullstelle und ist überall > 0.");
            }
            continue;
        }
        TTerm* fall = Fallterm(T, c, seite);
        // A case without a term (a piecewise part without a value on that side) leaves the answer open.
        if (!fall) {
            if (status != falsch) status = unklar;
            continue;
        }
        if (fall != T) Kumuliere(fall);
        if (Kommentar) {
            SchreibeTextTerm("Fall ", c);
            SchreibeTextTermZeile(seite < 0 ? " < 0: " : " > 0: ", fall);
        }
        TSListe* L = nullptr;
        uint8_t s = unklar;
        try {
            TWechsel<Int32> einzug(Einrueckung, Einrueckung + Einzug);
            SucheNullstellen(fall, Bereich, L, Kommentar, s);
        } catch (const EBenutzerAbbruch&) {
            throw;
        } catch (const EBudgetErschoepft&) {
            throw;
        } catch (const EZolFehler&) {
            // A case whose search fails leaves the answer open, not the request.
            L = nullptr;
            s = unklar;
        }
        uebernimm(L, s, true, [&](TTerm* p) {
            bool d = false, e = false;
            const Extended x = p->Wert(0, d), w = c->Wert(x, e);
            // A point where c is 0 belongs to the third case; exactly decided only where rounding may hide
            // it.
            return d && e && seite * w > 0 &&
                   !(IstRundungsnull(c, x, Rundungsfehler(x), w) && TermVerschwindetIn(c, p));
        });
    }
    // Where c is 0, T itself decides; it is not differentiable often enough there for a multiplicity.
    if (Kommentar) SchreibeTextTermTextZeile("Fall ", c, " = 0:");
    TSListe* L = nullptr;
    uint8_t s = unklar;
    SucheNullstellen(c, Bereich, L, false, s);
    uebernimm(L, s, false, [&](TTerm* p) { return HatWertIn(T, p) && TermVerschwindetIn(T, p); });
    SortiereSListe(gefunden, true);
    Liste = gefunden;
    Status = status;
    return true;
}

} // namespace zol
