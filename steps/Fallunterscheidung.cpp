#include "steps/Fallunterscheidung.h"

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

// T where c has the sign Seite: every abs(c) replaced by -c or c, every piecewise term with the condition c
// by its branch for that side (a function of c). Where a part was replaced, the operations above it are
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
        if (j->Bedingung->IstGleich(c)) return (Seite < 0 ? j->T1 : j->T2)->Ersetze(VariableX, c);
        TTerm* b = Fallterm(j->Bedingung, c, Seite, Tiefe + 1);
        if (!b) return nullptr;
        return b == j->Bedingung ? T : Neu<TJoin>(j->T1, j->T2, b, j->Stetig);
    }
    if (auto* f = dynamic_cast<TFunktion*>(T)) {
        if (IstStandardFunktion(T, "abs") && f->Argument->IstGleich(c)) return Seite < 0 ? c->Negation() : c;
        return MitArgument(T, Fallterm(f->Argument, c, Seite, Tiefe + 1));
    }
    return T;
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
    for (const int seite : {-1, 1}) {
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
