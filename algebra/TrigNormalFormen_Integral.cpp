// Integrals of the trigonometric normal form: the special cases, then the substitution t = tan(x/2) into a
// rational function.
#include <cmath>
#include <numbers>

#include "algebra/PartialBrueche.h"
#include "algebra/RationaleFunktion.h"
#include "algebra/TrigNormalFormen.h"
#include "algebra/TrigNormalFormen_Intern.h"
#include "output/Ausgabe.h"
#include "term/Funktionen.h"
#include "term/Punktlisten.h"
#include "term/TermManager.h"
#include "term/Termarithmetik.h"
#include "term/Terme.h"

namespace zol {

using namespace tnf;

namespace {

bool IstNullTerm(TTerm* c) {
    return c->IstNull();
}

bool IstNegation(TTerm* a, TTerm* b) {
    return SummeV(a, b)->IstNull();
}

TTerm* Sin2x() {
    return StandardFunktionTerm("sin", Produkt(Zwei, VariableX));
}

TTerm* LnBetrag(TTerm* f) {
    return StandardFunktionTerm("ln", StandardFunktionTerm("abs", f));
}

// The antiderivative of a special case, nil when none fits. A denominator 1, or a numerator 1 over a
// polynomial in s, excludes the later shapes.
TTerm* Sonderfall(const TTNF& F) {
    const TPolynom &A = F.A, &B = F.B, &C = F.C, &D = F.D;
    if (PGleich(C, EinsPolynom) && IstNullPolynom(D)) {
        // a2*sin^2 x, a0*cos^2 x and b1*sin x*cos x.
        if (IstNullPolynom(B) && A.Grad == 2 && IstNullTerm(A.Koeff[1])) {
            TTerm* halbX = Produkt(EinHalb, VariableX);
            TTerm* viertelSin = Produkt(EinViertel, Sin2x());
            if (IstNullTerm(A.Koeff[0])) return Produkt(A.Koeff[2], Differenz(halbX, viertelSin));
            if (IstNegation(A.Koeff[0], A.Koeff[2])) return Produkt(A.Koeff[0], Summe(halbX, viertelSin));
        }
        if (IstNullPolynom(A) && B.Grad == 1 && IstNullTerm(B.Koeff[0]))
            return Produkt(B.Koeff[1], Produkt(EinHalb, PotenzTerm(SinX(), Int64(2))));
        return nullptr;
    }
    if (PGleich(A, EinsPolynom) && IstNullPolynom(B) && IstNullPolynom(D)) {
        // 1/(c2*sin^2 x) and 1/(c0*cos^2 x).
        if (C.Grad == 2 && IstNullTerm(C.Koeff[1])) {
            if (IstNullTerm(C.Koeff[0]))
                return Quotient(StandardFunktionTerm("cot", VariableX), C.Koeff[2])->Negation();
            if (IstNegation(C.Koeff[0], C.Koeff[2]))
                return Quotient(StandardFunktionTerm("tan", VariableX), C.Koeff[0]);
        }
        return nullptr;
    }
    // a1*sin x/(d0*cos x) and b0*cos x/(c1*sin x).
    if (IstNullPolynom(B) && IstNullPolynom(C) && A.Grad == 1 && IstNullTerm(A.Koeff[0]) && D.Grad == 0)
        return Produkt(Quotient(A.Koeff[1], D.Koeff[0]), LnBetrag(CosX())->Negation());
    if (IstNullPolynom(A) && IstNullPolynom(D) && C.Grad == 1 && IstNullTerm(C.Koeff[0]) && B.Grad == 0)
        return Produkt(Quotient(B.Koeff[0], C.Koeff[1]), LnBetrag(SinX()));
    return nullptr;
}

// The substitution t = tan(x/2) makes the integrand a rational function of t.
struct TSubstitution {
    TTerm* t = nullptr;
    TTerm* SinT = nullptr;
    TTerm* CosT = nullptr;
    TTerm* DxT = nullptr;
    // The integrand in x standing for t.
    TTerm* Integrand = nullptr;
};

TSubstitution Substituiere(const TTNF& F, TTerm* t) {
    TSubstitution s;
    s.t = t;
    TTerm* x = VariableX;
    TTerm* nenner = Summe(Eins, PotenzTerm(x, Int64(2)));
    TTerm* sinT = Quotient(Produkt(Zwei, x), nenner);
    TTerm* cosT = Quotient(Differenz(Eins, PotenzTerm(x, Int64(2))), nenner);
    TTerm* dxT = Quotient(Zwei, nenner);
    auto inT = [sinT](const TPolynom& P) { return PolynomToTerm(P)->Ersetze(VariableX, sinT); };
    s.Integrand = Produkt(
        Quotient(Summe(inT(F.A), Produkt(inT(F.B), cosT)), Summe(inT(F.C), Produkt(inT(F.D), cosT))), dxT);
    s.SinT = sinT->Ersetze(x, t);
    s.CosT = cosT->Ersetze(x, t);
    s.DxT = dxT->Ersetze(x, t);
    return s;
}

void SchreibeBuchstabe(const std::string& vor, char c, const std::string& nach) {
    Schreibe(vor + std::string(1, c) + nach);
}

} // namespace

TTerm* TTrigonometrischeNormalform::Integral(TTerm* a, TTerm* b, Int32 Stufe) {
    TWechsel<char> buchstabe(Variablenbuchstabe, Variablenbuchstabe);
    TWechsel<bool> kommentare(Kommentare, Kommentare);
    const bool grenzen = a && b;
    if (!grenzen) a = b = nullptr;
    // A value needs the integrand on the whole closed interval: no value across a pole.
    if (grenzen && !DefiniertZwischen(Term, a, b)) return nullptr;
    if (TTerm* S = Sonderfall(*this)) return grenzen ? IntegralAuswerten(S, a, b, VariableX) : S;
    if (Stufe < 5) return nullptr;

    const char X = Variablenbuchstabe;
    const char tb = NaechsterVariablenname(X);
    TTerm* t = BenannteKonstante(std::string(1, tb));
    TTerm *ta = nullptr, *tbg = nullptr;
    if (grenzen) {
        bool da = false, db = false;
        const Extended wa = a->Wert(0, da), wb = b->Wert(0, db);
        const Extended pi = std::numbers::pi_v<Extended>;
        if (!da || !db || !(std::fabs(wa) < pi) || !(std::fabs(wb) < pi)) return nullptr;
        bool d1 = false, d2 = false;
        ta = ExakterTangens(QuotientV(a, Zwei), d1);
        tbg = ExakterTangens(QuotientV(b, Zwei), d2);
        if (!ta || !tbg || !d1 || !d2) return nullptr;
    }
    const TSubstitution s = Substituiere(*this, t);
    bool neu = false;
    TRationaleFunktion* R = TRationaleFunktionCreateT(s.Integrand, neu);
    if (!R) return nullptr;
    TTerm* J = nullptr;
    {
        TWechsel<bool> still(Kommentare, false);
        J = R->Integral(ta, tbg, Stufe);
    }
    if (!J) return nullptr;
    TTerm* tanHalb = StandardFunktionTerm("tan", Quotient(VariableX, Zwei));
    TTerm* ergebnis = J->Ersetze(VariableX, tanHalb);
    if (!Kommentare) return ergebnis;

    SchreibeBuchstabe("Substitution: ", X, " = 2arctan(");
    SchreibeTerm(t);
    Schreibe(") bzw. ");
    SchreibeTerm(t);
    Schreibe(" = ");
    SchreibeTerm(tanHalb);
    SchreibeZeile(" ergibt:");
    SchreibeBuchstabe(" sin(", X, ") = ");
    SchreibeTerm(s.SinT);
    SchreibeBuchstabe(" , cos(", X, ") = ");
    SchreibeTerm(s.CosT);
    SchreibeBuchstabe(" und d", X, " = ");
    SchreibeTerm(s.DxT);
    SchreibeBuchstabe("d", tb, ", und führt auf:");
    NeueZeile();
    SchreibeIntegralzeichen(a, b);
    SchreibeTerm(Term);
    SchreibeBuchstabe(" d", X, " = ");
    SchreibeIntegralzeichen(ta, tbg);
    SchreibeTerm(s.Integrand->Ersetze(VariableX, t));
    SchreibeBuchstabe(" d", tb, " = ");
    SchreibeIntegralzeichen(ta, tbg);
    SchreibeTerm(R->Term->Ersetze(VariableX, t));
    SchreibeBuchstabe(" d", tb, ".");
    NeueZeile();
    {
        TWechsel<char> inT(Variablenbuchstabe, tb);
        PartialbruchVorhanden = false;
        R->Integral(ta, tbg, Stufe);
    }
    NeueZeile();
    if (!grenzen) {
        Schreibe("Rücksubstitution von ");
        SchreibeTerm(t);
        Schreibe(" durch ");
        SchreibeTerm(tanHalb);
        Schreibe(" in ");
        SchreibeTerm(J->Ersetze(VariableX, t));
        SchreibeZeile(" ergibt:");
        SchreibeTermZeile(ergebnis);
    }
    return ergebnis;
}

} // namespace zol
