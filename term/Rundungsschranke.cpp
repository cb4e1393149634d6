#include "term/Rundungsschranke.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "output/Ausgabe.h"
#include "term/TermManager.h"
#include "term/Terme.h"

namespace zol {

namespace {

constexpr Extended Ulp = std::numeric_limits<Extended>::epsilon();
constexpr Extended Unendlich = std::numeric_limits<Extended>::infinity();

struct TGrenzwert {
    Extended Wert = 0;
    Extended Schranke = 0;
};

bool Abschaetzung(TTerm* T, Extended x, Extended Fehler, TGrenzwert& r);

// g(a), a off by up to e: the largest change of g between a and the ends of [a - e, a + e] (each at least
// one unit in the last place away), with g's own rounding. An end where g has no value does not count;
// neither end having one leaves the bound open.
bool Funktionswert(TTerm* g, Extended a, Extended e, TGrenzwert& r) {
    bool definiert = false;
    r.Wert = g->Wert(a, definiert);
    if (!definiert || !std::isfinite(r.Wert)) return false;
    Extended unten = a - e, oben = a + e;
    if (!(unten < a)) unten = std::nextafter(a, -Unendlich);
    if (!(oben > a)) oben = std::nextafter(a, Unendlich);
    const Extended eigen = 4 * Ulp * std::fabs(r.Wert);
    bool gemessen = false;
    r.Schranke = eigen;
    for (Extended t : {unten, oben}) {
        bool d = false;
        const Extended w = g->Wert(t, d);
        if (!d || !std::isfinite(w)) continue;
        gemessen = true;
        r.Schranke = std::max(r.Schranke, std::fabs(w - r.Wert) + eigen);
    }
    if (!gemessen) r.Schranke = Unendlich;
    return true;
}

bool Operatorwert(TOperatorTerm* T, Extended x, Extended Fehler, TGrenzwert& r) {
    TGrenzwert a, b;
    if (!Abschaetzung(T->T1, x, Fehler, a) || !Abschaetzung(T->T2, x, Fehler, b)) return false;
    switch (T->Operator) {
    case '+':
    case '-':
        r.Wert = T->Operator == '+' ? a.Wert + b.Wert : a.Wert - b.Wert;
        r.Schranke = a.Schranke + b.Schranke;
        break;
    case '*':
        r.Wert = a.Wert * b.Wert;
        r.Schranke =
            std::fabs(a.Wert) * b.Schranke + std::fabs(b.Wert) * a.Schranke + a.Schranke * b.Schranke;
        break;
    case '/':
        if (b.Wert == 0) return false;
        r.Wert = a.Wert / b.Wert;
        r.Schranke = std::fabs(b.Wert) > b.Schranke
                         ? (a.Schranke + std::fabs(r.Wert) * b.Schranke) / (std::fabs(b.Wert) - b.Schranke)
                         : Unendlich;
        break;
    default:
        return false;
    }
    if (!std::isfinite(r.Wert)) return false;
    r.Schranke += Ulp * std::fabs(r.Wert);
    return true;
}

// A piecewise term: its branch at the condition's value c, the branch as a function of c off by c's
// bound. A c that rounding may have put on the wrong side of 0 leaves the bound open.
bool Joinwert(TJoin* J, Extended x, Extended Fehler, TGrenzwert& r) {
    TGrenzwert c;
    if (!Abschaetzung(J->Bedingung, x, Fehler, c)) return false;
    if (c.Wert == 0) {
        bool definiert = false;
        r.Wert = J->Wert(x, definiert);
        r.Schranke = Unendlich;
        return definiert;
    }
    if (!Abschaetzung(c.Wert < 0 ? J->T1 : J->T2, c.Wert, c.Schranke, r)) return false;
    if (std::fabs(c.Wert) <= c.Schranke) r.Schranke = Unendlich;
    return true;
}

// How deep the walk is now; deeper than MaxTiefe a term gives its value without a bound.
Int32 Tiefe = 0;
constexpr Int32 MaxTiefe = 1000;

bool Abschaetzung(TTerm* T, Extended x, Extended Fehler, TGrenzwert& r) {
    if (!T) return false;
    bool definiert = false;
    if (Tiefe >= MaxTiefe) {
        r.Wert = T->Wert(x, definiert);
        r.Schranke = Unendlich;
        return definiert && std::isfinite(r.Wert);
    }
    TWechsel<Int32> tiefer(Tiefe, Tiefe + 1);
    if (IstVariable(T)) {
        r = {x, Fehler};
        return true;
    }
    if (TOperatorTerm* o = AlsOperatorTerm(T)) return Operatorwert(o, x, Fehler, r);
    if (TJoin* j = AlsJoin(T)) return Joinwert(j, x, Fehler, r);
    if (auto* f = dynamic_cast<TFunktion*>(T)) {
        TGrenzwert a;
        if (!Abschaetzung(f->Argument, x, Fehler, a)) return false;
        TTerm* g = MitArgument(T, VariableX);
        if (g == T && !IstVariable(f->Argument)) {
            // No function of x to evaluate on its own: the value without a bound.
            r.Wert = T->Wert(x, definiert);
            r.Schranke = Unendlich;
            return definiert && std::isfinite(r.Wert);
        }
        return Funktionswert(g, a.Wert, a.Schranke, r);
    }
    // A constant: exact rationals are exact, every other one is rounded once.
    r.Wert = T->Wert(x, definiert);
    r.Schranke = IstRationaleKonstante(T) ? Ulp * std::fabs(r.Wert) : Rundungsfehler(r.Wert);
    return definiert && std::isfinite(r.Wert);
}

} // namespace

Extended Rundungsfehler(Extended x) {
    return 4 * Ulp * std::fabs(x);
}

bool WertMitSchranke(TTerm* T, Extended x, Extended Fehler, Extended& Wert, Extended& Schranke) {
    TGrenzwert r;
    if (!Abschaetzung(T, x, Fehler, r)) return false;
    Wert = r.Wert;
    Schranke = r.Schranke;
    return true;
}

bool IstRundungsnull(TTerm* T, Extended x, Extended Fehler, Extended w) {
    Extended v = 0, s = 0;
    return WertMitSchranke(T, x, Fehler, v, s) && std::isfinite(s) && std::fabs(w) <= s;
}

} // namespace zol
