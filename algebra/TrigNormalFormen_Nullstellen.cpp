// Zeros of the trigonometric normal form: the numerator A(s) + B(s)*cos x through the factors cos x and
// sin x, the equation in cos x, or a polynomial in sin x or cos x, solved back over the set.
#include <algorithm>
#include <cmath>

#include "algebra/PolynomNullstellen.h"
#include "algebra/TrigNormalFormen.h"
#include "algebra/TrigNormalFormen_Intern.h"
#include "output/Ausgabe.h"
#include "steps/Nullstel.h"
#include "term/Fehler.h"
#include "term/Funktionen.h"
#include "term/Mengen.h"
#include "term/Punktlisten.h"
#include "term/TermManager.h"
#include "term/Termarithmetik.h"
#include "term/Terme.h"

namespace zol {

using namespace tnf;

namespace {

constexpr uint16_t CodePi = 1112;

// The search over one set: every zero found enters Liste where the denominator is not 0.
class TSuche {
public:
    TSuche(TTNF& F, TMenge* M, TSListe*& Liste, bool Kommentar, uint8_t& Status)
        : F(F), M(M), Liste(Liste), Kommentar(Kommentar), Status(Status),
          Nenner(PGleich(F.C, EinsPolynom) && IstNullPolynom(F.D) ? nullptr : LinearInCos(F.C, F.D)) {}

    // The solutions of f(x) = r over M (f is sin(x) or cos(x)), each with multiplicity m (halved when even
    // in the squared case); in the squared case only those that satisfy P_s = -Q_s*cos x. Returns the points
    // entered.
    std::vector<TTerm*> Loese(TTerm* f, TTerm* r, Int32 m, bool Kommentar, bool quadriert = false,
                              TTerm* Ps = nullptr, TTerm* Qs = nullptr) {
        TSListe* L = nullptr;
        uint8_t st = unklar;
        AlsTTTerm(f)->LoeseGleichung(r, M, Kommentar, st, L);
        Status = Und(Status, st);
        std::vector<TTerm*> eingetragen;
        for (Int32 i = 1; L && i <= L->Anzahl; ++i) {
            TTerm* x0 = L->Stellen[i]->Punkt;
            Int32 v = std::max<Int32>(L->Stellen[i]->Vielfachheit, 1) * m;
            if (quadriert) {
                if (v % 2 == 0) v /= 2;
                if (!Probe(x0, Ps, Qs)) continue;
            }
            if (Trage(x0, v)) eingetragen.push_back(x0);
        }
        return eingetragen;
    }

    TTNF& F;
    TMenge* M;
    TSListe*& Liste;
    bool Kommentar;
    uint8_t& Status;

private:
    // x0 solves P_s = -Q_s*cos x, not only its square.
    bool Probe(TTerm* x0, TTerm* Ps, TTerm* Qs) {
        ++Proben;
        bool d = false, dp = false, dq = false;
        const Extended x = x0->Wert(0, d);
        const Extended p = Ps->Wert(x, dp);
        const Extended q = -Qs->Wert(x, dq) * std::cos(x);
        // The square holds at x0, so |p| = |q|: the signs decide, and both near 0 count as equal.
        const bool erfuellt = d && dp && dq && std::fabs(p - q) <= 1e-9L * (1 + std::fabs(p) + std::fabs(q));
        if (Kommentar) {
            SchreibeUnterstrichen("Probe:");
            Schreibe("x*i<" + std::to_string(Proben) + "> = ");
            SchreibeTermMitNaeherung(x0);
            Schreibe(" erfüllt die Gleichung ");
            SchreibeZeile(erfuellt ? "." : " nicht.");
        }
        return erfuellt;
    }

    bool Trage(TTerm* x0, Int32 v) {
        if (Nenner && NennerVerschwindet(x0)) {
            if (Kommentar) {
                SchreibeTerm(x0);
                SchreibeZeile(" ist Definitionslücke von f und scheidet aus.");
            }
            return false;
        }
        StelleEinfuegen(Neu<TStelle>(x0, v), Liste, false);
        return true;
    }

    // An overflow while deciding leaves the point in: only a denominator known to be 0 excludes it.
    bool NennerVerschwindet(TTerm* x0) {
        try {
            return TermVerschwindetIn(Nenner, x0);
        } catch (const ERessourcen&) {
            return false;
        }
    }

    TTerm* Nenner;
    Int32 Proben = 0;
};

void SchreibePunkte(const std::vector<TTerm*>& punkte, const std::string& zwischen) {
    for (size_t i = 0; i < punkte.size(); ++i) {
        if (i > 0) Schreibe(zwischen);
        SchreibeTerm(punkte[i]);
    }
}

void SchreibeSubstitution() {
    SchreibeUnterstrichen("Substitution");
    Schreibe(" von ");
    SchreibeTerm(SinX());
    SchreibeZeile(" durch x ergibt:");
}

// The exponent of the lowest non-zero coefficient.
Int32 NiedrigsterExponent(const TPolynom& P) {
    Int32 i = 0;
    while (i < P.Grad && P.Koeff[i]->IstNull()) ++i;
    return i;
}

// P divided by s^k.
TPolynom Verschiebe(const TPolynom& P, Int32 k) {
    TPolynom R;
    R.Grad = P.Grad - k;
    for (Int32 i = 0; i <= R.Grad; ++i) R.Koeff[i] = P.Koeff[i + k];
    return R;
}

} // namespace

void TTrigonometrischeNormalform::Nullstellen(TMenge* M, TSListe*& Liste, bool Kommentar, uint8_t& Status) {
    TWechsel<Int32> einrueckung(Einrueckung, Einrueckung);
    if (!M) M = IntervallR;
    if (Kommentar) {
        SchreibeTerm(Term);
        SchreibeZeile(" = 0");
        Schreibe("f ist 2");
        SchreibeZeichen(CodePi);
        Schreibe("-periodisch;");
        Schreibe(" daher kann man sich auf das Intervall ");
        SchreibeIntervall(Produkt(MinusEins, KonstantePi()), KonstantePi(), true, false);
        SchreibeZeile(" beschränken.");
    }
    Liste = NeueLeereListe();
    Status = wahr;
    TSuche suche(*this, M, Liste, Kommentar, Status);
    TTerm* sinx = SinX();
    TTerm* cosx = CosX();

    // The polynomial p whose zeros r give the equations f(x) = r with f = Ueber.
    TPolynom p;
    TTerm* ueber = sinx;
    bool quadriert = false;
    TTerm *Ps = nullptr, *Qs = nullptr;
    if (IstNullPolynom(A) && IstNullPolynom(B)) {
        // The zero function: every x is a zero.
        TSListe* L = nullptr;
        TWechsel<Int32> tiefer(Einrueckung, Einrueckung + Einzug);
        PNullstellen(NullPolynom, IntervallR, L, Status, Kommentar);
        return;
    }
    if (IstNullPolynom(A)) {
        const auto punkte = suche.Loese(cosx, Null, 1, false);
        if (Kommentar) {
            Schreibe(" Ausklammern von cos(x) ergibt ");
            if (punkte.empty()) {
                SchreibeZeile(" keine Nullstelle im Intervall.");
            } else {
                Schreibe("einfache Nullstellen bei ");
                SchreibePunkte(punkte, " und ");
                NeueZeile();
            }
            SchreibeSubstitution();
        }
        p = B;
    } else if (IstNullPolynom(B)) {
        if (Kommentar) SchreibeSubstitution();
        p = A;
    } else {
        TPolynom a = A, b = B;
        // (a) The factor sin(x)^k.
        const Int32 k = std::min(NiedrigsterExponent(a), NiedrigsterExponent(b));
        if (k > 0) {
            const auto punkte = suche.Loese(sinx, Null, k, false);
            if (Kommentar) {
                Schreibe(" Ausklammern von sin(x) ergibt ");
                if (punkte.empty()) {
                    SchreibeZeile(" keine Nullstelle im Intervall.");
                } else {
                    Schreibe(" eine " + std::to_string(k) + "-fache Nullstelle bei x = ");
                    SchreibePunkte(punkte, " und bei x = ");
                    SchreibeZeile(".");
                }
            }
            a = Verschiebe(a, k);
            b = Verschiebe(b, k);
            if (Kommentar)
                SchreibeTextTermZeile("Noch zu bestimmen sind die Nullstellen von: ", LinearInCos(a, b));
        }
        Ps = InSinus(a);
        Qs = InSinus(b);
        if (a.Grad == 0 && b.Grad == 0) {
            // (b) cos x = -a/b.
            TWechsel<Int32> tiefer(Einrueckung, Einrueckung + Einzug);
            suche.Loese(cosx, QuotientV(a.Koeff[0], b.Koeff[0])->Negation(), 1, Kommentar);
            return;
        }
        TPolynom a2, b2;
        if (PQuadratSubstitution(a, a2, false) && PQuadratSubstitution(b, b2, false)) {
            // (c) sin^2 x = 1 - cos^2 x: a polynomial in x = cos x.
            TPolynom summeA = NullPolynom, summeB = NullPolynom, potenz;
            for (Int32 i = 0; i <= std::max(a2.Grad, b2.Grad); ++i) {
                PHoch(EinsMinusXQuadratPolynom, i, potenz);
                if (i <= a2.Grad) summeA = Plus(summeA, Mal(Konstant(a2.Koeff[i]), potenz));
                if (i <= b2.Grad) summeB = Plus(summeB, Mal(Konstant(b2.Koeff[i]), potenz));
            }
            p = Plus(summeA, Mal(XPolynom, summeB));
            ueber = cosx;
            if (Kommentar) {
                SchreibeTextTerm("Ersetzt man ", PotenzTerm(sinx, Int64(2)));
                SchreibeTextTerm(" durch 1 - ", PotenzTerm(cosx, Int64(2)));
                SchreibeTextTerm(" und substituiert anschließend  ", cosx);
                SchreibeTextTermTextZeile(" durch x, so sind zunächst die Nullstellen von ", PolynomToTerm(p),
                                          " zu bestimmen.");
            }
        } else {
            // (d) a = -b*cos x squared: a^2 = b^2*(1 - s^2); each solution is tested afterwards.
            const TPolynom a2q = Mal(a, a), b2q = Mal(b, b);
            p = Minus(a2q, Mal(b2q, EinsMinusXQuadratPolynom));
            quadriert = true;
            if (Kommentar) {
                SchreibeTerm(Ps);
                SchreibeTextTermTextZeile(" = ", Produkt(Qs, cosx)->Negation(), " | quadrieren");
                SchreibeTerm(Potenz(Ps, TBruch{2, 1}));
                SchreibeTextTermZeile(" = ", Produkt(Potenz(Qs, TBruch{2, 1}), PotenzTerm(cosx, Int64(2))));
                SchreibeSubstitution();
                SchreibeTerm(PolynomToTerm(a2q));
                SchreibeTextTermZeile(" = ",
                                      Produkt(PolynomToTerm(b2q), PolynomToTerm(EinsMinusXQuadratPolynom)));
                SchreibeTerm(PolynomToTerm(p));
                SchreibeZeile(" = 0");
            }
        }
    }
    TSListe* L = nullptr;
    uint8_t st = unklar;
    {
        TWechsel<Int32> tiefer(Einrueckung, Einrueckung + Einzug);
        PNullstellen(p, IntervallR, L, st, Kommentar);
    }
    Status = Und(Status, st);
    if (!L || L->Anzahl <= 0) return;
    if (Kommentar) SchreibeUnterstrichenZeile("Rücksubstitution");
    for (Int32 i = 1; i <= L->Anzahl; ++i) {
        suche.Loese(ueber, L->Stellen[i]->Punkt, std::max<Int32>(L->Stellen[i]->Vielfachheit, 1), Kommentar,
                    quadriert, Ps, Qs);
        if (Kommentar && !quadriert) NeueZeile();
    }
}

} // namespace zol
