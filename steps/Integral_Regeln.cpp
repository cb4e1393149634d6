// The two rules of the integration search: integration by parts and substitution. Each fills the record of
// its attempt and, with comments, writes its work.
#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "algebra/NormalFormen.h"
#include "algebra/Protokollblock.h"
#include "algebra/Vereinfachung.h"
#include "output/Ausgabe.h"
#include "output/Protokoll.h"
#include "steps/Allgemeines.h"
#include "steps/Integral.h"
#include "term/Punktlisten.h"
#include "term/TermManager.h"
#include "term/Termarithmetik.h"
#include "term/Terme.h"

namespace zol {

namespace {

// The bounds of a definite integral, or none.
void NurBeideGrenzen(TTerm*& a, TTerm*& b) {
    if (!a || !b) a = b = nullptr;
}

bool WertVon(TTerm* T, Extended x, Extended& w) {
    bool definiert = false;
    w = T->Wert(x, definiert);
    return definiert && std::isfinite(w);
}

// T holds the term S somewhere (a parameter of the same name as the substitution letter, say).
bool Enthaelt(TTerm* T, TTerm* S) {
    std::vector<TTerm*> offen{T};
    while (!offen.empty()) {
        TTerm* t = offen.back();
        offen.pop_back();
        if (!t) continue;
        if (t->IstGleich(S)) return true;
        if (auto* o = AlsOperatorTerm(t)) {
            offen.push_back(o->T1);
            offen.push_back(o->T2);
        } else if (auto* j = AlsJoin(t)) {
            offen.push_back(j->T1);
            offen.push_back(j->T2);
            offen.push_back(j->Bedingung);
        } else if (t->Typrang >= RangPotenz) {
            offen.push_back(static_cast<TFunktion*>(t)->Argument);
        }
    }
    return false;
}

// The substituted integrand E (in the letter t) gives T back: E(u(x)) * u'(x) = T(x) at sample points of
// [a, b], or without bounds at fixed sample points, wherever T and u have a value (at least at one of them).
// This decides an inverse of u as well: sqrt(t) stands for x only where x is not negative, which matters
// unless x occurs in E as x^2 alone.
bool GibtIntegrandenZurueck(TTerm* T, TTerm* u, TTerm* du, TTerm* E, TTerm* t, TTerm* a, TTerm* b) {
    std::vector<Extended> stellen = {-3.1L, -1.7L, -0.8L, -0.35L, 0.3L, 0.65L, 1.2L, 2.3L, 3.7L};
    if (a && b) {
        Extended wa = 0, wb = 0;
        if (!WertVon(a, 0, wa) || !WertVon(b, 0, wb)) return false;
        stellen.clear();
        for (int k = 0; k <= 8; ++k) stellen.push_back(wa + (wb - wa) * k / 8);
    }
    TTerm* Et = E->Ersetze(t, VariableX);
    if (!Et) return false;
    int geprueft = 0;
    for (Extended x : stellen) {
        Extended tx = 0, ux = 0, dx = 0, ex = 0;
        if (!WertVon(T, x, tx) || !WertVon(u, x, ux)) continue;
        if (!WertVon(du, x, dx) || !WertVon(Et, ux, ex) ||
            std::fabs(ex * dx - tx) > 1e-9L * std::max<Extended>(1, std::fabs(tx)))
            return false;
        ++geprueft;
    }
    return geprueft > 0;
}

// F * name, for the typesetting of the substitution's lines only.
TTerm* MalName(TTerm* F, const std::string& name) {
    return OperatorTerm(F, BenannteKonstante(name), '*');
}

} // namespace

void PartielleIntegration(TTerm* f1, TTerm* g, TTerm* a, TSuchknoten& R, TTerm* b) {
    NurBeideGrenzen(a, b);
    const bool grenzen = a;
    TTerm* produkt = OperatorTerm(f1, g, '*');
    TProtokoll protokoll(ProtokollIntegral, "Partielle Integration:", produkt);
    R = TSuchknoten{};
    R.Art = 'p';
    R.Teil1 = f1;
    R.Teil2 = g;
    R.UntereGrenze = R.UntereGrenzeErsatz = a;
    R.ObereGrenze = R.ObereGrenzeErsatz = b;
    if (BenutzerAbbruch) return;
    TTerm* F = nullptr;
    {
        TWechsel<bool> still(Kommentare, false);
        F = f1->Integral(nullptr, nullptr);
    }
    const std::string v = VariablenText();
    if (Kommentare) {
        SchreibeIntegralzeichen(a, b);
        SchreibeTerm(produkt);
        Schreibe("d" + v + " : ");
        SchreibeTextTerm("Partielle Integration mit f '(" + v + ") = ", f1);
        SchreibeTextTerm(" und g(" + v + ") = ", g);
        if (!F)
            SchreibeZeile(" scheitert.");
        else
            Schreibe("  liefert: ");
    }
    if (!F) {
        protokoll.Ende("Partielle Integration=", nullptr);
        return;
    }
    TTerm* fg = Produkt(F, g);
    if (Kommentare) SchreibeTextTerm("f(" + v + ")g(" + v + ") = ", fg);
    const Int32 vorher = fg->Knotenzahl;
    Kumuliere(fg);
    if (Kommentare && fg->Knotenzahl < vorher) SchreibeTextTerm(" = ", fg);
    fg->HoleNormalform();
    if (fg->Normalform && fg->Normalform->Term && fg->Normalform->Term->Knotenzahl < fg->Knotenzahl) {
        fg = fg->Normalform->Term;
        if (Kommentare) SchreibeTextTerm(" = ", fg);
    }
    TTerm* E = Produkt(F, g->Ableitung());
    VereinfacheTerm(E);
    if (Kommentare) SchreibeTextTermZeile(" und f(x)g '(" + v + ") = ", E);
    R.Ersatzterm = E;
    if (Kommentare) {
        Schreibe("also: ");
        SchreibeIntegralzeichen(a, b);
        SchreibeTerm(produkt);
        Schreibe("d" + v + " = ");
        if (grenzen)
            SchreibeAuswertung(fg, a, b);
        else
            SchreibeTerm(fg);
        Schreibe(" - ");
        SchreibeIntegralzeichen(a, b);
        SchreibeTerm(E);
        Schreibe("d" + v);
        if (grenzen)
            Schreibe(", wobei ");
        else
            NeueZeile();
    }
    R.Randterm = grenzen ? IntegralAuswerten(fg, a, b, VariableX) : fg;
    // A boundary term without a value leaves no integral to go on with.
    if (!R.Randterm) R.Ersatzterm = nullptr;
    protokoll.Ende("Partielle Integration=", R.Ersatzterm);
}

void Substitution(TTerm* T, TTerm* u, TTerm* a, TSuchknoten& R, TTerm* b) {
    NurBeideGrenzen(a, b);
    const bool grenzen = a;
    TProtokoll protokoll(ProtokollIntegral, "Substitution:g=", u);
    const char V = NaechsterVariablenname(Variablenbuchstabe);
    const std::string v(1, V), X = VariablenText();
    TTerm* t = BenannteKonstante(v);
    R = TSuchknoten{};
    R.Art = 's';
    R.Teil1 = T;
    R.Teil2 = u;
    R.UntereGrenze = a;
    R.ObereGrenze = b;
    if (BenutzerAbbruch) return;
    TTerm* du = u->Ableitung();
    Kumuliere(du);
    // The letter must not stand for something else in T already; u' = 0 leaves nothing to divide by.
    TTerm* fu = nullptr;
    if (!du->IstNull() && !Enthaelt(T, t) && !Enthaelt(u, t)) fu = Quotient(T, du)->Ersetze(u, t);
    if (fu && !fu->IstKonstant) {
        ++Substitutionszaehler;
        fu->HoleNormalform();
        if (fu->Normalform && fu->Normalform->Term && fu->Normalform->Term->Knotenzahl < fu->Knotenzahl)
            fu = fu->Normalform->Term;
    }
    if (fu && !fu->IstKonstant) {
        // x left over is written through an inverse of u; whether that is right is checked below.
        TTerm* G = u->Umkehrfunktion();
        TTerm* Gt = G ? G->Ersetze(VariableX, t) : nullptr;
        if (Gt) fu = fu->Ersetze(VariableX, Gt);
    }
    if (fu && !fu->IstKonstant) {
        fu->HoleNormalform();
        if (fu->Normalform && fu->Normalform->Kennung != KennungTNF && fu->Normalform->Term)
            fu = fu->Normalform->Term;
        else if (!fu->Normalform && (fu->Funktionsarten & FunktionsartExp))
            VereinfacheTerm(fu);
    }
    TTerm *ua = nullptr, *ub = nullptr;
    bool erfolg = fu && fu->IstKonstant && GibtIntegrandenZurueck(T, u, du, fu, t, a, b);
    if (erfolg && grenzen) {
        ua = u->Ersetze(VariableX, a);
        ub = u->Ersetze(VariableX, b);
        Extended w = 0;
        erfolg = ua && ub && WertVon(ua, 0, w) && WertVon(ub, 0, w);
        if (erfolg) {
            VereinfacheKonstantenTerm(ua);
            VereinfacheKonstantenTerm(ub);
            R.UntereGrenzeErsatz = ua;
            R.ObereGrenzeErsatz = ub;
        }
    }
    if (!erfolg) {
        if (Kommentare) SchreibeZeile(" scheitert.");
        protokoll.Ende("Substitution=", nullptr);
        return;
    }
    TTerm* E = fu->Ersetze(t, VariableX);
    if (!E) {
        if (Kommentare) SchreibeZeile(" scheitert.");
        protokoll.Ende("Substitution=", nullptr);
        return;
    }
    VereinfacheTerm(E);
    R.Ersatzterm = E;
    if (Kommentare) {
        SchreibeTextTerm("Substitution von ", u);
        SchreibeTextTerm(" = " + v + " in ", T);
        Schreibe(" liefert: d" + v + "/d" + X + " = " + v + "'(" + X + ") = ");
        SchreibeTerm(du);
        SchreibeTextTerm(", d.h. ", T);
        SchreibeTextTerm(" = ", MalName(fu, v + "'(" + X + ")"));
        SchreibeTextTerm(", d.h. ", T);
        SchreibeTextTermZeile("d" + X + " = ", MalName(fu, "d" + v));
        Schreibe("also: ");
        SchreibeIntegralzeichen(a, b);
        SchreibeTerm(T);
        Schreibe("d" + X + " = ");
        SchreibeIntegralzeichen(ua, ub);
        SchreibeTerm(fu);
        Schreibe("d" + v);
        if (!grenzen)
            SchreibeTextTermZeile(" mit " + v + " = ", u);
        else
            NeueZeile();
    }
    protokoll.Ende("Substitution=", E);
}

} // namespace zol
