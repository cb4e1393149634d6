// Operator terms: two operands and one of the operators + - * /.
#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

#include "algebra/NormalFormen.h"
#include "algebra/Nullentscheidung.h"
#include "algebra/Polynome.h"
#include "algebra/RationaleFunktion.h"
#include "algebra/Vereinfachung.h"
#include "output/Ausgabe.h"
#include "plattform/Oberflaeche.h"
#include "plattform/Strom.h"
#include "steps/Nullstel.h"
#include "steps/Symmetrien.h"
#include "term/Funktionen.h"
#include "term/Mengen.h"
#include "term/Parameter.h"
#include "term/Punktlisten.h"
#include "term/TermManager.h"
#include "term/Wertprogramm.h"
#include "term/Termarithmetik.h"
#include "term/Terme.h"
#include "term/Termstrom.h"
#include "term/Wurzeln.h"

namespace zol {

namespace {

bool IstKonstantenklasse(const TTerm* T) {
    return T->Typrang >= RangRational && T->Typrang <= RangRadikal;
}

// A constant whose value is 0, also when it is not written as the constant 0.
bool HatWertNull(TTerm* T) {
    if (T->IstNull()) return true;
    if (!T->IstKonstant) return false;
    bool definiert = false;
    Extended w = T->Wert(0, definiert);
    return definiert && w == 0;
}

// Whether the zero P of a factor or numerator is one of the whole term: where T (the other factor, the
// quotient) has a value. Where that depends on a parameter, the line says so and the zero is left out.
bool DefiniertIn(TTerm* T, TTerm* P, bool Kommentar, uint8_t& Status, const std::string& Name) {
    const TWahrheitswert d = DefiniertBei(T, P);
    if (d == unklar) {
        Status = unklar;
        if (Kommentar) {
            if (Name.empty())
                SchreibeTextTerm("Ob ", T);
            else
                Schreibe("Ob " + Name);
            SchreibeTextTerm(" in ", P);
            SchreibeNichtEntschieden(" definiert ist,", T, P);
        }
    } else if (d == falsch && Kommentar) {
        if (Name.empty()) SchreibeTerm(T);
        SchreibeTextTermTextZeile(Name.empty() ? " in " : "In ", P,
                                  Name.empty() ? " nicht definiert." : " ist " + Name + " nicht definiert.");
    }
    return d == wahr;
}

// Indents the output by one step while it lives.
class TEinzugsschritt {
public:
    TEinzugsschritt() { Einrueckung += Einzug; }
    ~TEinzugsschritt() { Einrueckung -= Einzug; }
    TEinzugsschritt(const TEinzugsschritt&) = delete;
    TEinzugsschritt& operator=(const TEinzugsschritt&) = delete;
};

// Switches the option Kommentare off while it lives.
class TOhneKommentare {
public:
    TOhneKommentare() : Vorher(Kommentare) { Kommentare = false; }
    ~TOhneKommentare() { Kommentare = Vorher; }
    TOhneKommentare(const TOhneKommentare&) = delete;
    TOhneKommentare& operator=(const TOhneKommentare&) = delete;

private:
    bool Vorher;
};

void SchreibeDx() {
    Schreibe(" d" + VariablenText());
}

TTerm* Ln(TTerm* u) {
    return StandardFunktionTerm("ln", u);
}

TTerm* Negation(TTerm* T) {
    return T->Negation();
}

// The piecewise logarithm of |c|: -ln(-x) for a negative and ln(x) for a positive condition value c.
TTerm* BetragsLogarithmus(TTerm* Bedingung) {
    return Neu<TJoin>(Negation(Ln(VariableX->Negation())), Bedingung, Ln(VariableX));
}

// An antiderivative of 1/v for the denominators the operator terms integrate; nil for any other. The
// integral of c / sqrt of a quadratic comes back already taken between a and b (Fertig true).
TTerm* KehrwertStammfunktion(TTerm* Term, TTerm* v, TTerm* a, TTerm* b, bool& Fertig) {
    Fertig = false;
    TTerm *m = nullptr, *n = nullptr;
    if (TPotenz* p = AlsPotenzTerm(v)) {
        TTerm* w = p->Argument;
        if (!IstLinear(w, m, n)) return nullptr;
        const TBruch& e = p->Exponent;
        // For w^1 the power rule would divide by e - 1 = 0; it is the linear case.
        if (Brueche::Gleich(e, BruchEins)) return Quotient(Ln(StandardFunktionTerm("abs", w)), m);
        TBruch eMinusEins;
        Brueche::Minus(e, BruchEins, eMinusEins);
        TTerm* nenner = Produkt(Produkt(RationaleKonstante(eMinusEins), PotenzRadikal(w, eMinusEins)), m);
        return Negation(Quotient(Eins, nenner));
    }
    if (IstStandardFunktion(v, "abs")) {
        TTerm* w = static_cast<TFunktion*>(v)->Argument;
        if (!IstLinear(w, m, n)) return nullptr;
        return Quotient(BetragsLogarithmus(w), m);
    }
    TWurzel* wurzel = AlsWurzel(v);
    if (wurzel && wurzel->Grad >= 3) {
        if (!IstLinear(wurzel->Argument, m, n)) return nullptr;
        const Int64 grad = wurzel->Grad;
        return Produkt(Quotient(Bruchkonstante(grad, grad - 1), m), Potenz(v, TBruch{grad - 1, 1}));
    }
    if (IstStandardFunktion(v, "sqrt") || (wurzel && wurzel->Grad == 2)) {
        TTerm* w = static_cast<TFunktion*>(v)->Argument;
        if (IstLinear(w, m, n)) return Produkt(Quotient(Zwei, m), v);
        bool neu = false;
        TPolynomTerm* polynom = TPolynomTermCreateT(w, neu);
        if (!polynom || polynom->P.Grad != 2) return nullptr;
        Fertig = true;
        const TPolynom& P = polynom->P;
        return IntegriereOperatorTerm(Term, P.Koeff[2], P.Koeff[1], P.Koeff[0], a, b);
    }
    if (IstLinear(v, m, n)) return Quotient(Ln(StandardFunktionTerm("abs", v)), m);
    return nullptr;
}

} // namespace

// ---- construction and derived fields ----

TOperatorTerm::TOperatorTerm(TTerm* t1, char op, TTerm* t2) : T1(t1), T2(t2), Operator(op) {
    Kennung = "OpTerm";
    Knotenzahl = T1->Knotenzahl + T2->Knotenzahl + 1;
    AktualisiereKnoten();
    Typrang = RangOperator;
    if (IstKonstantenklasse(T1) && !T2->IstKonstant && !IstOperatorTerm(T2) &&
        (IstVariable(T2) || T2->Knotenzahl == 1)) {
        Zustand |= TermVereinfacht;
        Vereinfacht = this;
    }
}

void TOperatorTerm::Aktualisiere() {
    T1->Aktualisiere();
    T2->Aktualisiere();
    AktualisiereKnoten();
}

void TOperatorTerm::AktualisiereKnoten() {
    IstKonstant = T1->IstKonstant && T2->IstKonstant;
    if (IstKonstant) {
        Funktionsarten = 0;
        MoeglicheNormalformen = AlleNormalformen;
    } else {
        Funktionsarten = T1->Funktionsarten | T2->Funktionsarten;
        MoeglicheNormalformen = T1->MoeglicheNormalformen & T2->MoeglicheNormalformen;
        if (Operator == '/' && !T2->IstKonstant)
            MoeglicheNormalformen &= static_cast<uint16_t>(~(Normalform040 | NormalformPTNF));
        if ((T1->Zustand | T2->Zustand) & KeineNormalform) Zustand |= KeineNormalform;
    }
    if (TextAktuell(T1, T2)) return;
    SetzeText({"(", T1->Text, std::string_view(&Operator, 1), T2->Text, ")"});
    MerkeTextquelle(T1, T2);
}

// ---- value, substitution, comparison ----

Extended TOperatorTerm::Wert(Extended x, bool& Definiert) {
    Definiert = false;
    if (!T1 || !T2) return 0;
    bool d1 = false, d2 = false;
    const Extended w1 = T1->Wert(x, d1);
    const Extended w2 = T2->Wert(x, d2);
    Extended w = 0;
    if (!d1 || !d2 || !OperatorWert(Operator, w1, w2, w)) return 0;
    Definiert = true;
    return w;
}

TTerm* TOperatorTerm::Einsetzen(TTerm* T) {
    if (!T1 || !T2) return nullptr;
    TTerm* E1 = T1->Einsetzen(T);
    TTerm* E2 = T2->Einsetzen(T);
    if (!E1 || !E2) return nullptr;
    if (Operator == '/' && E2->IstNull()) return nullptr;
    return ArOpVereinfacht(E1, E2, Operator);
}

void TOperatorTerm::Symmetrie(TWahrheitswert& Achse, TWahrheitswert& Punkt, bool Kommentar) {
    std::optional<TEinzugsschritt> einzug;
    if (Kommentar) {
        SchreibeTextTerm("Dazu müssen die Graphen der Operanden ", T1);
        SchreibeTextTermTextZeile(" und ", T2, " auf Symmetrie untersucht werden");
        einzug.emplace();
    }
    Achse = unklar;
    Punkt = unklar;
    TWahrheitswert A1 = unklar, P1 = unklar, A2 = unklar, P2 = unklar;
    UntersucheSymmetrie(T1, A1, P1, Kommentar);
    UntersucheSymmetrie(T2, A2, P2, Kommentar);
    const bool multiplikativ = Operator == '*' || Operator == '/';
    const bool additiv = Operator == '+' || Operator == '-';
    auto verschieden = [](TWahrheitswert a, TWahrheitswert b) {
        return (a == wahr && b == falsch) || (a == falsch && b == wahr);
    };

    if ((A1 == wahr && A2 == wahr) || (P1 == wahr && P2 == wahr && multiplikativ))
        Achse = wahr;
    else if (verschieden(A1, A2) || (verschieden(P1, P2) && multiplikativ))
        Achse = falsch;

    if (P1 == wahr && P2 == wahr && additiv)
        Punkt = wahr;
    else if (((P1 == wahr && A2 == wahr) || (A1 == wahr && P2 == wahr)) && multiplikativ)
        Punkt = wahr;
    else if (verschieden(P1, P2) && additiv)
        Punkt = falsch;
    else if (((A1 == wahr && P2 == falsch) || (P1 == falsch && A2 == wahr) || (A1 == falsch && P2 == wahr) ||
              (P1 == wahr && A2 == falsch)) &&
             multiplikativ)
        Punkt = falsch;
}

bool TOperatorTerm::IstGleich(TTerm* T) {
    if (!T || Knotenzahl != T->Knotenzahl) return false;
    T1->Aktualisiere();
    T2->Aktualisiere();
    IstKonstant = T1->IstKonstant && T2->IstKonstant;
    const uint8_t arten = IstKonstant ? 0 : Funktionsarten;
    if (arten != T->Funktionsarten) return false;
    auto* o = AlsOperatorTerm(T);
    if (!o || o->Operator != Operator) return false;
    return T1->IstGleich(o->T1) && T2->IstGleich(o->T2);
}

bool TOperatorTerm::IstKleiner(TTerm* T) {
    if (T->Typrang > RangOperator) return true;
    if (T->Typrang < RangOperator) return false;
    auto* o = static_cast<TOperatorTerm*>(T);
    const auto eigener = static_cast<unsigned char>(Operator);
    const auto anderer = static_cast<unsigned char>(o->Operator);
    if (anderer > eigener) return true;
    if (anderer < eigener) return false;
    if (T1->IstKleiner(o->T1)) return true;
    if (!T1->IstGleich(o->T1)) return false;
    return T2->IstKleiner(o->T2);
}

// ---- derivative ----

TTerm* TOperatorTerm::Ableitung() {
    if (Operator == '*' && T1->IstKonstant)
        return IstVariable(T2) ? T1 : OperatorTerm(T1, T2->Ableitung(), '*');
    if (Operator == '*' && T2->IstKonstant)
        return IstVariable(T1) ? T2 : OperatorTerm(T2, T1->Ableitung(), '*');
    if (Operator == '/' && T2->IstKonstant) return OperatorTerm(T1->Ableitung(), T2, '/');
    if (Operator == '/' && T1->IstKonstant) {
        TTerm* c = T1;
        TTerm* v = T2;
        if (IstVariable(v)) return OperatorTerm(Produkt(MinusEins, c), PotenzTerm(VariableX, 2), '/');
        if (TPotenz* p = AlsPotenzTerm(v)) {
            // (c * (-e) * w') / w^(e+1)
            TTerm* w = p->Argument;
            TBruch minusE, ePlusEins;
            Brueche::Negativ(p->Exponent, minusE);
            Brueche::Plus(p->Exponent, BruchEins, ePlusEins);
            TTerm* zaehler = Produkt(c, RationaleKonstante(minusE));
            if (!IstVariable(w)) zaehler = OperatorTerm(zaehler, w->Ableitung(), '*');
            return OperatorTerm(zaehler, PotenzTerm(w, ePlusEins), '/');
        }
        return OperatorTerm(OperatorTerm(Produkt(MinusEins, c), v->Ableitung(), '*'), PotenzTerm(v, 2), '/');
    }
    TTerm* du = T1->Ableitung();
    TTerm* dv = T2->Ableitung();
    switch (Operator) {
    case '+':
    case '-':
        return OperatorTerm(du, dv, Operator);
    case '*':
        return OperatorTerm(OperatorTerm(du, T2, '*'), OperatorTerm(T1, dv, '*'), '+');
    case '/':
        return OperatorTerm(OperatorTerm(OperatorTerm(du, T2, '*'), OperatorTerm(T1, dv, '*'), '-'),
                            PotenzTerm(T2, 2), '/');
    default:
        return nullptr;
    }
}

// ---- integral ----

TTerm* TOperatorTerm::Integral(TTerm* a, TTerm* b) {
    const bool grenzen = a && b;
    TTerm* ergebnis = nullptr;
    // False while the result is an antiderivative that still has to be taken between the bounds.
    bool fertig = true;
    if (Operator == '*' && T1->IstKonstant) {
        TTerm* I = T2->Integral(a, b);
        if (!I) return nullptr;
        ergebnis = Produkt(T1, I);
    } else if ((Operator == '*' || Operator == '/') && T2->IstKonstant) {
        TTerm* I = T1->Integral(a, b);
        if (!I) return nullptr;
        ergebnis = Operator == '*' ? Produkt(T2, I) : Quotient(I, T2);
    } else if (Operator == '+' || Operator == '-') {
        TTerm *I1 = nullptr, *I2 = nullptr;
        {
            TOhneKommentare still;
            I1 = T1->Integral(a, b);
            if (!I1) return nullptr;
            I2 = T2->Integral(a, b);
            if (!I2) return nullptr;
        }
        if (Kommentare) {
            SchreibeIntegralzeichen(a, b);
            SchreibeTerm(this);
            Schreibe(" d" + VariablenText() + " = ");
            SchreibeIntegralzeichen(a, b);
            SchreibeTerm(T1);
            Schreibe(" d" + VariablenText() + " " + Operator + " ");
            SchreibeIntegralzeichen(a, b);
            SchreibeTerm(T2);
            SchreibeDx();
            NeueZeile();
            TEinzugsschritt einzug;
            I1 = T1->Integral(a, b);
            I2 = T2->Integral(a, b);
            if (!I1 || !I2) return nullptr;
        }
        ergebnis = OperatorTerm(I1, I2, Operator);
    } else if (Operator == '/' && T1->IstKonstant) {
        bool bereitsGenommen = false;
        TTerm* F = KehrwertStammfunktion(this, T2, a, b, bereitsGenommen);
        if (!F) return nullptr;
        // No value for an integral over a gap of the integrand.
        if (grenzen && !bereitsGenommen && !DefiniertZwischen(this, a, b)) return nullptr;
        ergebnis = Produkt(T1, F);
        fertig = bereitsGenommen;
    } else {
        return nullptr;
    }

    if (Kommentare) {
        SchreibeIntegralzeichen(a, b);
        SchreibeTerm(this);
        Schreibe(" d" + VariablenText() + " = ");
        // Without bounds every result is the antiderivative itself.
        if (fertig || !grenzen) SchreibeTerm(ergebnis);
    }
    if (grenzen && fertig) {
        if (ergebnis->IstKonstant) {
            const Int32 vorher = ergebnis->Knotenzahl;
            VereinfacheKonstantenTerm(ergebnis);
            if (Kommentare && ergebnis->Knotenzahl < vorher) SchreibeTextTerm(" = ", ergebnis);
        }
    } else if (grenzen) {
        // The evaluation writes the rest of the line and closes it.
        return IntegralAuswerten(ergebnis, a, b, VariableX);
    }
    if (Kommentare) NeueZeile();
    return ergebnis;
}

TTerm* IntegriereOperatorTerm(TTerm* Term, TTerm* A, TTerm* B, TTerm* C, TTerm* a, TTerm* b) {
    Extended q = 0;
    TTerm *t = nullptr, *Q = nullptr, *S = nullptr, *r = nullptr, *T = nullptr;
    QuadratischeErgaenzung(A, B, C, q, t, Q, S, r, T);
    TTerm* R1 = ZieheWurzel(Q, 2);
    TTerm* Rx = StandardFunktionTerm("sqrt", S);
    TTerm* Rv = StandardFunktionTerm("sqrt", T);

    const std::string xText = VariablenText();
    const bool mitB = !B->IstNull();
    TTerm* v =
        mitB ? BenannteKonstante(std::string(1, NaechsterVariablenname(Variablenbuchstabe))) : VariableX;
    const std::string vText = mitB ? v->Text : xText;
    TTerm* k = BenannteKonstante("k");

    const bool grenzen = a && b;
    TTerm *ta = nullptr, *tb = nullptr;
    Extended tUnten = 0, tOben = 0, K = 0;
    bool definiert = false;
    if (grenzen) {
        TTerm* verschiebung = Quotient(B, Produkt(Zwei, A));
        ta = SummeV(a, verschiebung);
        tb = SummeV(b, verschiebung);
        tUnten = ta->Wert(0, definiert);
        tOben = tb->Wert(0, definiert);
        K = r->Wert(0, definiert);
    }
    const bool aPositiv = A->Wert(0, definiert) > 0;
    TTerm* s = Quotient(Eins, ZieheWurzel(aPositiv ? A : A->Negation(), 2));
    const bool sZeigen = !A->HatWert(aPositiv ? BruchEins : BruchMinusEins);

    if (Kommentare) {
        SchreibeIntegralzeichen(a, b);
        SchreibeTerm(Term);
        Schreibe("d" + xText + " ");
        if (sZeigen) {
            Schreibe(" = ");
            SchreibeTerm(s);
            SchreibeIntegralzeichen(a, b);
            SchreibeTerm(Quotient(Eins, R1));
            Schreibe("d" + xText + " ");
        }
        if (mitB) {
            Schreibe(" = (quadratische Ergänzung!) ");
            if (sZeigen) SchreibeTerm(s);
            SchreibeIntegralzeichen(a, b);
            SchreibeTerm(Quotient(Eins, Rx));
            Schreibe("d" + xText + " ");
            if (aPositiv || q < 0) {
                NeueZeile();
                SchreibeTextTerm("Substitution von ", t);
                SchreibeTextTerm(" = ", v);
                Schreibe(", d" + xText + " = d" + vText + " " + " ergibt: ");
            }
        }
        Schreibe(" = ");
        if (sZeigen) SchreibeTerm(s);
        SchreibeIntegralzeichen(ta, tb);
        SchreibeTerm(Quotient(Eins, aPositiv && q == 0 ? StandardFunktionTerm("abs", v) : Rv));
        Schreibe(" d" + vText + " ");
        if (q != 0) SchreibeTextTermText(" (mit k = ", r, ") ");
    }

    // The closed forms in the substitution variable (Fv) and in x (Fx); for A > 0 and q < 0 a second
    // branch (Fv2, Fx2) for v <= -k.
    TTerm *Fv = nullptr, *Fx = nullptr, *Fv2 = nullptr, *Fx2 = nullptr;
    if (aPositiv && q == 0) {
        Fv = Produkt(s, BetragsLogarithmus(v));
        Fx = Produkt(s, BetragsLogarithmus(t));
    } else if (aPositiv) {
        Fv = Produkt(s, Ln(Summe(v, Rv)));
        Fx = Produkt(s, Ln(Summe(t, R1)));
        if (q < 0) {
            Fv2 = Produkt(s->Negation(), Ln(Summe(v->Negation(), Rv)));
            Fx2 = Produkt(s->Negation(), Ln(Summe(t->Negation(), R1)));
        }
    } else if (q < 0) {
        Fv = Produkt(s, StandardFunktionTerm("arcsin", Quotient(v, k)));
        Fx = Produkt(s, StandardFunktionTerm("arcsin", Quotient(t, r)));
    }

    if (!grenzen) {
        if (!Fx) {
            if (Kommentare) {
                NeueZeile();
                SchreibeZeile("Integrand auf keinem echten Intervall definiert.");
            }
            throw ETermGoToStart("Arbeitsschritt nicht ausführbar");
        }
        TTerm* ergebnis = Fx;
        VereinfacheTerm(ergebnis);
        if (Kommentare) {
            if (Fv2) {
                TEinzugsschritt einzug;
                NeueZeile();
                SchreibeTextTerm("Für ", v);
                SchreibeTextTerm(" >= ", r);
                SchreibeTextTerm(": F(" + xText + ") = ", Fv);
                SchreibeTextTermZeile(" = ", Fx);
                SchreibeTextTerm("Für ", v);
                SchreibeTextTerm(" <= ", r->Negation());
                SchreibeTextTerm(": F(" + xText + ") = ", Fv2);
                SchreibeTextTermZeile(" = ", Fx2);
            } else {
                SchreibeTextTerm(" = ", Fv);
                if (!mitB && q == 0)
                    NeueZeile();
                else
                    SchreibeTextTermZeile(" = ", ergebnis);
            }
        }
        return ergebnis;
    }

    TTerm* F = Fv;
    if (Fv2 && (tUnten < K || tOben < K)) F = Fv2;
    if (F && q != 0) {
        F = F->Ersetze(PotenzTerm(k, 2), Potenz(r, TBruch{2, 1}));
        if (F) F = F->Ersetze(k, r);
    }
    const bool undefiniert =
        (aPositiv && q == 0 && tUnten * tOben <= 0) ||
        (aPositiv && q < 0 && !((tUnten < -K && tOben < -K) || (tUnten > K && tOben > K))) ||
        (!aPositiv && q >= 0) || (!aPositiv && q < 0 && (std::fabs(tUnten) >= K || std::fabs(tOben) >= K));
    if (undefiniert) {
        if (Kommentare) {
            NeueZeile();
            Schreibe("Integrand nicht auf dem ganzen Intervall ");
            SchreibeIntervall(a, b);
            SchreibeZeile(" definiert.");
        }
        throw ETermGoToStart("Arbeitsschritt nicht ausführbar");
    }
    if (Kommentare && q != 0) {
        Schreibe(" = ");
        SchreibeAuswertung(F, ta, tb);
        Schreibe(" = ");
    }
    return IntegralAuswerten(F, ta, tb, v);
}

// ---- inverse, replacement, negation ----

TTerm* TOperatorTerm::Umkehrfunktion() {
    TTerm* x = VariableX;
    TTerm* u = nullptr;
    TTerm* ersatz = nullptr;
    const bool k1 = T1->IstKonstant, k2 = T2->IstKonstant;
    switch (Operator) {
    case '*':
        if (k1 && !T1->IstNull()) {
            u = T2;
            ersatz = OperatorTerm(x, T1, '/');
        } else if (k2 && !T2->IstNull()) {
            u = T1;
            ersatz = OperatorTerm(x, T2, '/');
        }
        break;
    case '/':
        if (k1 && !T1->IstNull()) {
            u = T2;
            ersatz = OperatorTerm(T1, x, '/');
        } else if (k2 && !T2->IstNull()) {
            u = T1;
            ersatz = OperatorTerm(T2, x, '*');
        }
        break;
    case '+':
        if (k1) {
            u = T2;
            ersatz = OperatorTerm(x, T1, '-');
        } else if (k2) {
            u = T1;
            ersatz = OperatorTerm(x, T2, '-');
        }
        break;
    case '-':
        if (k1) {
            u = T2;
            ersatz = OperatorTerm(T1, x, '-');
        } else if (k2) {
            u = T1;
            ersatz = OperatorTerm(x, T2, '+');
        }
        break;
    default:
        break;
    }
    if (!u) return nullptr;
    TTerm* G = u->Umkehrfunktion();
    if (!G) return nullptr;
    TTerm* ergebnis = G->Ersetze(VariableX, ersatz);
    // Leaves keep their fixed fields (the shared x among them).
    if (ergebnis && ergebnis->Knotenzahl > 0) ergebnis->Funktionsarten = Funktionsarten;
    return ergebnis;
}

TTerm* TOperatorTerm::Ersetze(TTerm* Alt, TTerm* Neu) {
    TTerm* ergebnis = nullptr;
    if (IstGleich(Alt)) {
        ergebnis = Neu;
    } else {
        TTerm* E2 = T2->Ersetze(Alt, Neu);
        TTerm* E1 = T1->Ersetze(Alt, Neu);
        ergebnis = OperatorTerm(E1, E2, Operator);
    }
    if (ergebnis) ergebnis->Aktualisiere();
    return ergebnis;
}

TTerm* TOperatorTerm::Negation() {
    if (Operator == '*' && T1->HatWert(BruchMinusEins)) return T2;
    if ((Operator == '*' || Operator == '/') && T2->HatWert(BruchMinusEins)) return T1;
    return Produkt(MinusEins, this);
}

// ---- zeros and equations ----

namespace {

// The numerator of the rational function Q (with numerator Z) after cancelling, when that lowered its
// degree; nil otherwise.
TTerm* GekuerzterZaehler(TTerm* Q, TTerm* Z) {
    try {
        bool neu = false;
        TRationaleFunktion* q = TRationaleFunktionCreateT(Q, neu);
        TRationaleFunktion* z = TRationaleFunktionCreateT(Z, neu);
        if (!q || !z || z->Nenner.Grad != 0) return nullptr;
        TPolynom zaehler = q->Zaehler, nenner = q->Nenner;
        Int32 unveraendert = 1;
        PKuerze(zaehler, nenner, unveraendert);
        return zaehler.Grad < z->Zaehler.Grad ? PolynomToTerm(zaehler) : nullptr;
    } catch (const EBenutzerAbbruch&) {
        throw;
    } catch (const EZolFehler&) {
        return nullptr;
    }
}

} // namespace

void TOperatorTerm::Nullstellen(TMenge* M, TSListe*& Liste, bool Kommentar, uint8_t& Status) {
    Liste = NeueLeereListe();
    Status = unklar;
    for (TTerm* operand : {T1, T2}) {
        if (!AlsTTTerm(operand)) {
            Oberflaeche().Meldung(TMeldungsart::Warnung,
                                  "Term: " + (operand ? operand->Kennung : std::string("nil")) +
                                      " kann keine Nullstellen suchen.");
            return;
        }
    }
    switch (Operator) {
    case '*':
        ProduktNullstellen(T1, T2, M, Liste, Kommentar, Status);
        break;
    case '/': {
        if (Kommentar) SchreibeZeile("Dafür kommen nur die Nullstellen des Zählers infrage.");
        TSListe* zaehler = nullptr;
        {
            TEinzugsschritt einzug;
            SucheNullstellen(T1, M, zaehler, Kommentar, Status);
            // A factor that the numerator shares with the denominator holds no zero of the quotient; without
            // it the numerator may be solvable ((x^2+x+1)*(x^2-2) over (x^2+x+1)^2).
            if (zaehler->Anzahl == 0 && Status != wahr)
                if (TTerm* rest = GekuerzterZaehler(this, T1))
                    SucheNullstellen(rest, M, zaehler, Kommentar, Status);
        }
        for (Int32 i = 1; zaehler && i <= zaehler->Anzahl; ++i) {
            TStelle* stelle = zaehler->Stellen[i];
            if (DefiniertIn(this, stelle->Punkt, Kommentar, Status, "f"))
                StelleEinfuegen(stelle, Liste, false);
        }
        break;
    }
    case '+':
    case '-': {
        TEinzugsschritt einzug;
        LoeseGleichung(Null, M, Kommentar, Status, Liste);
        break;
    }
    default:
        break;
    }
    if (!Liste) Liste = NeueLeereListe();
    // A product's factors have been searched each: splitting a factor off them again finds nothing new.
    if (Liste->Anzahl > 0 || Status != unklar || Operator == '*') return;

    // Nothing found: try to split off a subterm as a factor, each base once with the highest power of it
    // that divides the term (x^4*cos(x)-x^2 = x^2*(x^2*cos(x)-1)), so that the cofactor does not split by
    // the same base again.
    TTerm* teilterme[MaxTeilterme + 1] = {};
    Int32 anzahl = 0;
    SammleTeilterme(this, teilterme, anzahl, false);
    std::vector<TTerm*> basen;
    for (Int32 i = 1; i <= anzahl && Liste->Anzahl <= 0 && Status == unklar; ++i) {
        auto* p = AlsPotenzTerm(AlsPotenz(teilterme[i]));
        TTerm* basis = p->Argument;
        // Only a base with a positive exponent: dividing by a negative power (x^(-25)) raises the other
        // exponents, and the cofactor splits again without end.
        if (basis->IstKonstant || !Brueche::Kleiner(BruchNull, p->Exponent)) continue;
        if (std::any_of(basen.begin(), basen.end(), [basis](TTerm* b) { return b->IstGleich(basis); }))
            continue;
        basen.push_back(basis);
        const TBruch r = HoechsterFaktorexponent(this, basis);
        if (!Brueche::Kleiner(BruchNull, r)) continue;
        TTerm* F = PotenzRadikal(basis, r);
        TTerm* Q = DividiereDurchFaktor(this, F);
        if (!Q) {
            F = teilterme[i];
            Q = DividiereDurchFaktor(this, F);
        }
        // Only a proper split: a constant cofactor leaves F, which is this term up to the constant. The
        // cofactor may be as large as this term (x^3*e^x-x = x*(x^2*e^x-1)); the zero search ends any chain
        // of splits, as it searches no term inside its own search and nests only so deep.
        if (!Q || Q->IstKonstant || Q->IstGleich(this)) continue;
        if (Kommentar) SchreibeTextTermZeile("Dieser Term lässt sich zerlegen in ", Produkt(F, Q));
        ProduktNullstellen(F, Q, M, Liste, Kommentar, Status);
        if (!Liste) Liste = NeueLeereListe();
    }
}

void TOperatorTerm::ProduktNullstellen(TTerm* F1, TTerm* F2, TMenge* M, TSListe*& Liste, bool Kommentar,
                                       uint8_t& Status) {
    if (F1->IstKonstant || F2->IstKonstant) {
        TTerm* faktor = F1->IstKonstant ? F1 : F2;
        TTerm* anderer = F1->IstKonstant ? F2 : F1;
        if (HatWertNull(faktor)) {
            // A factor 0 makes the product 0 for every x: no point is listed.
            Liste = NeueLeereListe();
            Status = falsch;
            if (Kommentar) SchreibeZeile("Konstante ist Null, d.h. Gleichung allgmeingültig.");
            return;
        }
        // A factor with a parameter may be 0 for some value of it: then every x is a zero.
        const bool vielleichtNull = VielleichtNull(faktor);
        if (Kommentar && vielleichtNull) {
            SchreibeTextTerm("Falls ", faktor);
            SchreibeTextTermZeile(" ungleich 0 ist, sind das die Nullstellen von ", anderer);
        } else if (Kommentar) {
            SchreibeTextTermZeile("Das sind die Nullstellen von ", anderer);
        }
        TEinzugsschritt einzug;
        SucheNullstellen(anderer, M, Liste, Kommentar, Status);
        if (vielleichtNull && Status == wahr) Status = unklar;
        return;
    }
    if (Kommentar)
        SchreibeZeile("Die Nullstellen sind die Nullstellen der Faktoren zusammengenommen, soweit sie im "
                      "gemeinsamen Definitionsbereich liegen).");
    TEinzugsschritt einzug;
    if (!Liste) Liste = NeueLeereListe();
    uint8_t status1 = unklar, status2 = unklar;
    auto uebernimm = [&](TTerm* faktor, TTerm* anderer, uint8_t& status) {
        TSListe* nullstellen = nullptr;
        SucheNullstellen(faktor, M, nullstellen, Kommentar, status);
        for (Int32 i = 1; nullstellen && i <= nullstellen->Anzahl; ++i) {
            TStelle* stelle = nullstellen->Stellen[i];
            if (DefiniertIn(anderer, stelle->Punkt, Kommentar, status, ""))
                StelleEinfuegen(stelle, Liste, false);
        }
    };
    uebernimm(F1, F2, status1);
    uebernimm(F2, F1, status2);
    Status = WahrWennBeide(status1, status2);
}

void TOperatorTerm::LoeseGleichung(TTerm* C, TMenge* M, bool Kommentar, uint8_t& Status, TSListe*& Liste) {
    if (Kommentar) {
        SchreibeTerm(this);
        SchreibeTextTermZeile(" = ", C);
    }
    // An equation that holds for every x (Status 0, no point listed) or for none.
    auto allgemeingueltig = [&](bool gilt) {
        Liste = NeueLeereListe();
        if (gilt) {
            Status = falsch;
            if (Kommentar) SchreibeZeile("Gleichung allgemeingültig.");
        } else {
            Status = wahr;
            if (Kommentar) SchreibeZeile("Gleichung unerfüllbar.");
        }
    };
    const bool k1 = T1->IstKonstant, k2 = T2->IstKonstant;
    TTerm* u = nullptr;
    TTerm* rechts = nullptr;
    // A factor with a parameter that may be 0 is divided by for its other values only (a·x = a).
    bool teilerOffen = false;
    switch (Operator) {
    case '*':
        if (k1 || k2) {
            TTerm* c = k1 ? T1 : T2;
            u = k1 ? T2 : T1;
            if (HatWertNull(c)) {
                allgemeingueltig(HatWertNull(C));
                return;
            }
            teilerOffen = VielleichtNull(c);
            if (teilerOffen && Kommentar) {
                SchreibeTextTerm("Division durch ", c);
                SchreibeTextTerm(", falls ", c);
                SchreibeZeile(" ungleich 0 ist:");
            }
            rechts = Quotient(C, c);
            if (rechts && rechts->IstKonstant) VereinfacheKonstantenTerm(rechts);
        }
        break;
    case '+':
        if (k1) {
            u = T2;
            rechts = Differenz(C, T1);
        } else if (k2) {
            u = T1;
            rechts = Differenz(C, T2);
        }
        break;
    case '-':
        if (k1) {
            u = T2;
            rechts = Differenz(T1, C);
        } else if (k2) {
            u = T1;
            rechts = Summe(C, T2);
        }
        break;
    case '/':
        if (k1) {
            u = T2;
            if (HatWertNull(C)) {
                // c / u = 0: for every x when c is 0 (no point listed), else for none.
                Liste = NeueLeereListe();
                Status = HatWertNull(T1) ? falsch : wahr;
                if (Kommentar)
                    SchreibeZeile(Status == falsch ? "Gleichung allgemeingültig." : "Gleichung unerfüllbar.");
                return;
            }
            rechts = Quotient(T1, C);
        } else if (k2) {
            u = T1;
            if (HatWertNull(T2)) {
                allgemeingueltig(false);
                return;
            }
            rechts = Produkt(C, T2);
        }
        break;
    default:
        break;
    }
    TTTerm* operand = AlsTTTerm(u);
    if (!operand || !rechts) {
        Liste = NeueLeereListe();
        Status = unklar;
        return;
    }
    operand->LoeseGleichung(rechts, M, Kommentar, Status, Liste);
    if (teilerOffen && Status == wahr) Status = unklar;
}

// ---- definition range ----

void TOperatorTerm::BestimmeDefinitionsbereich(TMenge*& Menge, uint8_t& Status, bool Kommentar) {
    const bool k1 = T1->IstKonstant, k2 = T2->IstKonstant;
    TMenge *D1 = nullptr, *D2 = nullptr;
    uint8_t S1 = unklar, S2 = unklar, S3 = unklar;
    TSListe* nennerNullstellen = nullptr;
    if (Operator == '/') {
        if (!k1) {
            if (Kommentar) {
                SchreibeTextTerm("Das ist der gemeinsame Definitionsbereich von ", T1);
                SchreibeTextTermTextZeile(" und ", T2, " ausgenommen die Nullstellen des Nenners.");
            }
            MengeDefinitionsbereich(T1, D1, S1, Kommentar);
            MengeDefinitionsbereich(T2, D2, S2, Kommentar);
            SucheNullstellen(T2, IntervallR, nennerNullstellen, Kommentar, S3);
            Menge = MengenOperation(MengenOperation(D1, D2, 'n'), nennerNullstellen, '\\');
            Status = Und(Und(S1, S2), S3);
        } else {
            if (Kommentar)
                SchreibeTextTermTextZeile("Das ist der Definitionsbereich von ", T2,
                                          " , ausgenommen seine Nullstellen.");
            MengeDefinitionsbereich(T2, D2, S2, Kommentar);
            SucheNullstellen(T2, IntervallR, nennerNullstellen, Kommentar, S3);
            Menge = MengenOperation(D2, nennerNullstellen, '\\');
            Status = Und(S2, S3);
        }
        return;
    }
    if (k1 || k2) {
        TTerm* anderer = k1 ? T2 : T1;
        if (Kommentar) SchreibeTextTermZeile("Das ist der Definitionsbereich von ", anderer);
        MengeDefinitionsbereich(anderer, Menge, Status, Kommentar);
        return;
    }
    if (Kommentar) {
        SchreibeTextTerm("Das ist der gemeinsame Definitionsbereich von ", T1);
        SchreibeTextTermZeile(" und ", T2);
    }
    MengeDefinitionsbereich(T1, D1, S1, Kommentar);
    MengeDefinitionsbereich(T2, D2, S2, Kommentar);
    Menge = MengenOperation(D1, D2, 'n');
    Status = Und(S1, S2);
}

TWahrheitswert TOperatorTerm::IstDefiniertAuf(TMenge* M) {
    TTTerm* t1 = AlsTTTerm(T1);
    TTTerm* t2 = AlsTTTerm(T2);
    if (!t1 || !t2) return unklar;
    const TWahrheitswert D1 = t1->IstDefiniertAuf(M);
    const TWahrheitswert D2 = t2->IstDefiniertAuf(M);
    if ((D1 == wahr && D2 == falsch) || (D1 == falsch && D2 == wahr)) return falsch;
    if (D1 != wahr || D2 != wahr) return unklar;
    if (Operator != '/') return wahr;
    // The zeros of the divisor in M decide.
    return IstUngleichNullAuf(T2, M);
}

void TOperatorTerm::SchreibeInStream(TStrom& S) {
    SchreibeGeschuetzt("Operatorterm konnte nicht in einen Stream geschrieben werden", [&] {
        TTerm::SchreibeInStream(S);
        S.SchreibeByte(static_cast<uint8_t>(Operator));
        SchreibeTermInStream(T1, S);
        SchreibeTermInStream(T2, S);
    });
}

} // namespace zol
