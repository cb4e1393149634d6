// Antiderivatives and definite integrals of the standard functions: the basic antiderivatives, a linear
// argument by the substitution rule, and the square root of a quadratic by completing the square.
#include <cmath>
#include <numbers>

#include "algebra/NormalFormen.h"
#include "algebra/Polynome.h"
#include "algebra/Vereinfachung.h"
#include "output/Ausgabe.h"
#include "term/Funktionen.h"
#include "term/Punktlisten.h"
#include "term/TermManager.h"
#include "term/Termarithmetik.h"
#include "term/Wurzeln.h"

namespace zol {

namespace {

constexpr Extended Pi = std::numbers::pi_v<Extended>;

TTerm* F(const char* name, TTerm* u) {
    return StandardFunktionTerm(name, u);
}
TTerm* Quadrat(TTerm* u) {
    return Potenz(u, TBruch{2, 1});
}
// The value of a constant term; nothing where it has none.
bool WertVon(TTerm* T, Extended& w) {
    bool definiert = false;
    w = T->Wert(0, definiert);
    return definiert && std::isfinite(w);
}

[[noreturn]] void NichtAusfuehrbar() {
    throw ETermGoToStart("Arbeitsschritt nicht ausführbar");
}

void SchreibeNichtDefiniertAuf(TTerm* a, TTerm* b) {
    NeueZeile();
    Schreibe("Integrand nicht auf dem ganzen Intervall ");
    SchreibeIntervall(a, b);
    SchreibeZeile(" definiert.");
}

// q1 <= q2: an integer lies in [q1; q2] (only an odd one with NurUngerade); an end within the rounding of
// the pole tests counts as that integer.
bool GanzzahlZwischen(Extended q1, Extended q2, bool NurUngerade) {
    auto passt = [NurUngerade](Extended n) { return !NurUngerade || std::fmod(n, 2) != 0; };
    Extended n = 0;
    if ((LiegtAufGanzzahl(q1, n) && passt(n)) || (LiegtAufGanzzahl(q2, n) && passt(n))) return true;
    Extended erste = std::floor(q1) + 1;
    if (!passt(erste)) erste += 1;
    return erste < q2;
}

// tan or cot of u takes a pole for some x between the bounds (bounds included).
bool PolZwischen(const std::string& name, TTerm* u, Extended a, Extended b) {
    bool d1 = false, d2 = false;
    const Extended ua = u->Wert(a, d1), ub = u->Wert(b, d2);
    if (!d1 || !d2) return false;
    const Extended teiler = name == "tan" ? Pi / 2 : Pi;
    const Extended q1 = std::min(ua, ub) / teiler, q2 = std::max(ua, ub) / teiler;
    if (!std::isfinite(q1) || !std::isfinite(q2)) return false;
    return GanzzahlZwischen(q1, q2, name == "tan");
}

// The results of completing the square of A*x^2 + B*x + C and what the closed forms are built from.
struct TErgaenzung {
    Extended q = 0;      // the sign number 4AC - B^2
    TTerm* t = nullptr;  // the substitution term t(x) = x + B/(2A)
    TTerm* Q = nullptr;  // the radicand divided by |A|
    TTerm* Sx = nullptr; // the completed form in x
    TTerm* r = nullptr;  // the value of k
    TTerm* Su = nullptr; // the completed form in the substitution variable
    TTerm* u = nullptr;  // the substitution variable (x itself when B is 0)
    TTerm* k = nullptr;  // the named constant k
    TTerm* s = nullptr;  // sqrt(|A|)
    bool APositiv = false;
};

// The closed antiderivative in w with the root R and the constant kk (k or its value); Zweig2 the branch
// w <= -k of A > 0, q < 0. nil for A < 0 with q >= 0.
TTerm* GeschlosseneForm(const TErgaenzung& E, TTerm* w, TTerm* R, TTerm* kk, bool Zweig2) {
    if (E.APositiv && E.q == 0) {
        TTerm* halbesQuadrat = Produkt(EinHalb, Quadrat(VariableX));
        return Produkt(E.s, Neu<TJoin>(halbesQuadrat->Negation(), w, halbesQuadrat));
    }
    TTerm* kQuadrat = Quadrat(kk);
    TTerm* rest = nullptr;
    if (E.APositiv && E.q > 0) {
        rest = Summe(Produkt(w, R), Produkt(kQuadrat, F("ln", Summe(w, R))));
    } else if (E.APositiv && !Zweig2) {
        rest = Differenz(Produkt(w, R), Produkt(kQuadrat, F("ln", Summe(w, R))));
    } else if (E.APositiv) {
        rest = Summe(Produkt(w, R), Produkt(kQuadrat, F("ln", Summe(w->Negation(), R))));
    } else if (E.q < 0) {
        rest = Summe(Produkt(w, R), Produkt(kQuadrat, F("arcsin", Quotient(w, kk))));
    } else {
        return nullptr;
    }
    return Produkt(Quotient(E.s, Zwei), rest);
}

} // namespace

TTerm* TStandardFunktion::GrundintegralStandardfunktion() {
    TTerm* u = Argument;
    const std::string& n = Kennung;
    if (n == "abs") {
        TTerm* halbesQuadrat = Produkt(EinHalb, Quadrat(VariableX));
        return Neu<TJoin>(halbesQuadrat->Negation(), u, halbesQuadrat);
    }
    if (n == "sin") return F("cos", u)->Negation();
    if (n == "cos") return F("sin", u);
    if (n == "tan") return F("ln", F("abs", F("cos", u)))->Negation();
    if (n == "cot") return F("ln", F("abs", F("sin", u)));
    if (n == "exp") return F("exp", u);
    if (n == "ln") return Differenz(Produkt(u, F("ln", u)), u);
    if (n == "sqrt") return Produkt(Bruchkonstante(2, 3), ZieheWurzel(PotenzRadikal(u, TBruch{3, 1}), 2));
    if (n == "arcsin") return Summe(Produkt(u, F("arcsin", u)), ZieheWurzel(Differenz(Eins, Quadrat(u)), 2));
    if (n == "arccos")
        return Differenz(Produkt(u, F("arccos", u)), ZieheWurzel(Differenz(Eins, Quadrat(u)), 2));
    if (n == "arctan")
        return Differenz(Produkt(u, F("arctan", u)), Produkt(EinHalb, F("ln", Summe(Eins, Quadrat(u)))));
    return nullptr;
}

TTerm* TStandardFunktion::IntegriereStandardfunktion(TTerm* a, TTerm* b, char Buchstabe) {
    const bool grenzen = a && b;
    TTerm* Fx = nullptr;
    TTerm *m = nullptr, *n = nullptr;
    if (Argument->IstKonstant)
        Fx = Produkt(this, VariableX);
    else if (IstVariable(Argument))
        Fx = GrundintegralStandardfunktion();
    else if (IstLinear(Argument, m, n)) {
        TTerm* G = GrundintegralStandardfunktion();
        if (G) Fx = Quotient(G, m);
    } else if (Kennung == "ln" && IstStandardFunktion(Argument, "abs")) {
        // ln|u| with a linear u, as ln(u) but on both sides of u = 0: (u*ln|u| - u)/m. The antiderivative
        // has values at u = 0, the integrand not: no value across it.
        TTerm* u = static_cast<TFunktion*>(Argument)->Argument;
        if (IstVariable(u))
            Fx = Differenz(Produkt(u, this), u);
        else if (IstLinear(u, m, n))
            Fx = Quotient(Differenz(Produkt(u, this), u), m);
        if (Fx && grenzen && !DefiniertZwischen(this, a, b)) return nullptr;
    }
    if (Fx) {
        // The antiderivative of tan or cot has values on both sides of a pole: no value across one.
        Extended wa = 0, wb = 0;
        if (grenzen && (Kennung == "tan" || Kennung == "cot") && !Argument->IstKonstant && WertVon(a, wa) &&
            WertVon(b, wb) && PolZwischen(Kennung, Argument, wa, wb)) {
            if (Kommentare) {
                SchreibeIntegralzeichen(a, b);
                SchreibeTerm(this);
                Schreibe(" d" + VariablenText());
                SchreibeNichtDefiniertAuf(a, b);
            }
            NichtAusfuehrbar();
        }
        if (Kommentare) {
            SchreibeIntegralzeichen(a, b);
            SchreibeTerm(this);
            Schreibe(" d" + VariablenText() + " = ");
        }
        return IntegralAuswerten(Fx, a, b, VariableX);
    }
    if (Kennung != "sqrt") return nullptr;
    bool neu = false;
    TPolynomTerm* form = TPolynomTermCreateT(Argument, neu);
    if (!form || form->P.Grad != 2) return nullptr;
    return IntegriereWurzelAusQuadratischem(form->P.Koeff[2], form->P.Koeff[1], form->P.Koeff[0], a, b,
                                            Buchstabe);
}

TTerm* TStandardFunktion::IntegriereWurzelAusQuadratischem(TTerm* A, TTerm* B, TTerm* C, TTerm* a, TTerm* b,
                                                           char Buchstabe) {
    Extended wA = 0, wB = 0, wC = 0;
    // A coefficient without a value (a parameter) leaves the sign cases undecided.
    if (!WertVon(A, wA) || !WertVon(B, wB) || !WertVon(C, wC) || wA == 0) return nullptr;
    TErgaenzung E;
    QuadratischeErgaenzung(A, B, C, E.q, E.t, E.Q, E.Sx, E.r, E.Su);
    E.APositiv = wA > 0;
    const bool mitB = !B->IstNull();
    E.u = mitB ? BenannteKonstante(std::string(1, Buchstabe)) : VariableX;
    E.k = BenannteKonstante("k");
    E.s = ZieheWurzel(E.APositiv ? A : A->Negation(), 2);
    const bool sZeigen = !A->HatWert(BruchEins) && !A->HatWert(BruchMinusEins);
    TTerm* Rx = ZieheWurzel(E.Q, 2);
    TTerm* Ru = F("sqrt", E.Su);
    const std::string xText = VariablenText();
    const std::string uText = mitB ? E.u->Text : xText;

    const bool grenzen = a && b;
    TTerm *ta = nullptr, *tb = nullptr;
    Extended tUnten = 0, tOben = 0, K = 0;
    if (grenzen) {
        TTerm* verschiebung = Quotient(B, Produkt(Zwei, A));
        ta = SummeV(a, verschiebung);
        tb = SummeV(b, verschiebung);
        if (!WertVon(ta, tUnten) || !WertVon(tb, tOben) || !WertVon(E.r, K)) return nullptr;
    }

    if (Kommentare) {
        auto faktor = [&] {
            if (sZeigen) SchreibeTerm(E.s);
        };
        SchreibeIntegralzeichen(a, b);
        SchreibeTerm(this);
        Schreibe("d" + xText + " ");
        if (sZeigen) {
            SchreibeTextTerm(" = ", E.s);
            SchreibeIntegralzeichen(a, b);
            SchreibeTerm(Rx);
            Schreibe(" d" + xText + " ");
        }
        if (mitB) {
            Schreibe(" = (quadratische Ergänzung!) ");
            faktor();
            SchreibeIntegralzeichen(a, b);
            SchreibeTerm(F("sqrt", E.Sx));
            Schreibe(" d" + xText + " ");
            if (E.APositiv || E.q < 0) {
                NeueZeile();
                SchreibeTextTerm("Substitution von ", E.t);
                SchreibeTextTerm(" = ", E.u);
                Schreibe(", d" + xText + " = d" + uText + " " + " ergibt: ");
            }
        }
        Schreibe(" = ");
        faktor();
        SchreibeIntegralzeichen(ta, tb);
        SchreibeTerm(E.APositiv && E.q == 0 ? F("abs", E.u) : Ru);
        Schreibe(" d" + uText + " ");
        if (E.q != 0) SchreibeTextTermText(" (mit k = ", E.r, ") ");
    }

    const bool zweiZweige = E.APositiv && E.q < 0;
    if (!grenzen) {
        TTerm* Fx = GeschlosseneForm(E, E.t, Rx, E.r, false);
        if (!Fx) {
            if (Kommentare) {
                NeueZeile();
                SchreibeZeile("Integrand auf keinem echten Intervall definiert.");
            }
            NichtAusfuehrbar();
        }
        TTerm* Fu = GeschlosseneForm(E, E.u, Ru, E.k, false);
        TTerm* ergebnis = Fx;
        VereinfacheTerm(ergebnis);
        if (!Kommentare) return ergebnis;
        if (zweiZweige) {
            NeueZeile();
            TWechsel<Int32> einzug(Einrueckung, Einrueckung + Einzug);
            SchreibeTextTerm("Für ", E.u);
            SchreibeTextTerm(" >= ", E.r);
            SchreibeTextTerm(": F(" + uText + ") = ", Fu);
            SchreibeTextTermZeile(" = ", Fx);
            SchreibeTextTerm("Für ", E.u);
            SchreibeTextTerm(" <= ", E.r->Negation());
            SchreibeTextTerm(": F(" + uText + ") = ", GeschlosseneForm(E, E.u, Ru, E.k, true));
            SchreibeTextTermZeile(" = ", GeschlosseneForm(E, E.t, Rx, E.r, true));
        } else {
            SchreibeTextTerm(" = ", Fu);
            if (mitB || E.q != 0)
                SchreibeTextTermZeile(" = ", ergebnis);
            else
                NeueZeile();
        }
        return ergebnis;
    }

    const bool undefiniert = (zweiZweige && (tUnten > -K || tOben > -K) && (tUnten < K || tOben < K)) ||
                             (!E.APositiv && E.q >= 0) ||
                             (!E.APositiv && E.q < 0 && (std::fabs(tUnten) > K || std::fabs(tOben) > K));
    if (undefiniert) {
        if (Kommentare) SchreibeNichtDefiniertAuf(a, b);
        NichtAusfuehrbar();
    }
    const bool zweig2 = zweiZweige && (tUnten < K || tOben < K);
    TTerm* Fu = GeschlosseneForm(E, E.u, Ru, E.k, zweig2);
    if (Kommentare) {
        Schreibe(" = ");
        if (E.q != 0) {
            SchreibeAuswertung(Fu, ta, tb);
            Schreibe(" = ");
        }
    }
    // k never remains in the value: it is replaced by what it stands for before the evaluation.
    if (E.q != 0 && Fu) Fu = Fu->Ersetze(Quadrat(E.k), Quadrat(E.r));
    if (E.q != 0 && Fu) Fu = Fu->Ersetze(E.k, E.r);
    return IntegralAuswerten(Fu, ta, tb, E.u);
}

TTerm* TStandardFunktion::Integral(TTerm* a, TTerm* b) {
    // The integral is definite only with both bounds.
    if (!a || !b) a = b = nullptr;
    TWechsel<Int32> einzug(Einrueckung, Einrueckung);
    const char buchstabe = NaechsterVariablenname(Variablenbuchstabe);
    const bool mitKommentaren = Kommentare;
    TTerm* ergebnis = nullptr;
    try {
        // Silently first, so that only work that succeeds is shown.
        TWechsel<bool> still(Kommentare, false);
        ergebnis = IntegriereStandardfunktion(a, b, buchstabe);
    } catch (const ETermGoToStart&) {
        if (!mitKommentaren) throw;
        // Once more with comments: the explanation is written and the step ends again.
        IntegriereStandardfunktion(a, b, buchstabe);
        throw;
    }
    if (ergebnis && mitKommentaren) ergebnis = IntegriereStandardfunktion(a, b, buchstabe);
    return ergebnis;
}

} // namespace zol
