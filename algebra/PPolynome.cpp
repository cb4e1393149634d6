#include "algebra/PPolynome.h"

#include <algorithm>
#include <string>

#include "algebra/NormalFormen.h"
#include "algebra/Protokollblock.h"
#include "output/Ausgabe.h"
#include "output/Protokoll.h"
#include "term/Fehler.h"
#include "term/TermManager.h"
#include "term/Termarithmetik.h"
#include "term/Terme.h"

namespace zol {

TPPolynom NullPPolynom;
TPPolynom EinsPPolynom;
TPPolynom SPPolynom;
TPPolynom EinsMinusSQuadratPPolynom;

void InitialisierePPolynome() {
    NullPPolynom = TPPolynom();
    KonstantesPPolynom(Eins, EinsPPolynom);
    SPPolynom = TPPolynom();
    SPPolynom.Grad = 1;
    SPPolynom.Koeff[1] = EinsPolynom;
    EinsMinusSQuadratPPolynom = TPPolynom();
    EinsMinusSQuadratPPolynom.Grad = 2;
    EinsMinusSQuadratPPolynom.Koeff[0] = EinsPolynom;
    KonstantesPolynom(MinusEins, EinsMinusSQuadratPPolynom.Koeff[2]);
}

namespace {

// Lowers the degree while the leading coefficient is the zero polynomial (never below 0).
void Trimme(TPPolynom& P) {
    while (P.Grad >= 1 && IstNullPolynom(P.Koeff[P.Grad])) {
        P.Koeff[P.Grad] = NullPolynom;
        --P.Grad;
    }
}

// The trace block of an operation on P and Q, closed with its result.
class TPPProtokoll {
public:
    TPPProtokoll(const char* name, const TPPolynom& P, const TPPolynom& Q)
        : Name(name), Block(ProtokollPolynom, std::string(name) + ":", nullptr) {
        if (!Block.Offen()) return;
        SchreibeTextTerm("P=", PPAlsTerm(P));
        SchreibeTextTermZeile(", Q=", PPAlsTerm(Q));
    }
    void Ende(TTerm* Ergebnis) {
        if (Block.Offen()) Block.Ende(Name + "=", Ergebnis);
    }
    bool Offen() const { return Block.Offen(); }

private:
    std::string Name;
    TProtokoll Block;
};

void Summe(const TPPolynom& P, const TPPolynom& Q, TPPolynom& R, bool Differenz) {
    TPPProtokoll protokoll(Differenz ? "PPMinus" : "PPPlus", P, Q);
    TPPolynom S;
    S.Grad = std::max(P.Grad, Q.Grad);
    for (Int32 i = 0; i <= S.Grad; ++i) {
        if (Differenz)
            PMinus(P.Koeff[i], Q.Koeff[i], S.Koeff[i]);
        else
            PPlus(P.Koeff[i], Q.Koeff[i], S.Koeff[i]);
    }
    Trimme(S);
    R = S;
    if (protokoll.Offen()) protokoll.Ende(PPAlsTerm(R));
}

} // namespace

void PPPlus(const TPPolynom& P, const TPPolynom& Q, TPPolynom& R) {
    Summe(P, Q, R, false);
}

void PPMinus(const TPPolynom& P, const TPPolynom& Q, TPPolynom& R) {
    Summe(P, Q, R, true);
}

void PPMal(const TPPolynom& P, const TPPolynom& Q, TPPolynom& R) {
    TPPProtokoll protokoll("PPMal", P, Q);
    if (PPGleich(P, NullPPolynom) || PPGleich(Q, NullPPolynom)) {
        R = NullPPolynom;
        protokoll.Ende(Null);
        return;
    }
    const Int32 d = P.Grad + Q.Grad;
    if (d > MaxGrad) {
        R = NullPPolynom;
        throw EGradUeberschritten("Maximaler Grad von Polynomen überschritten.");
    }
    TPPolynom S;
    for (Int32 i = 0; i <= d; ++i) {
        for (Int32 j = std::max(0, i - Q.Grad); j <= std::min(i, P.Grad); ++j) {
            TPolynom produkt;
            PMal(P.Koeff[j], Q.Koeff[i - j], produkt);
            PPlus(S.Koeff[i], produkt, S.Koeff[i]);
        }
    }
    S.Grad = d;
    R = S;
    if (protokoll.Offen()) protokoll.Ende(PPAlsTerm(R));
}

void PPInhalt(const TPPolynom& P, TPolynom& R) {
    TPolynom inhalt = NullPolynom;
    bool erster = true;
    for (Int32 i = 0; i <= P.Grad; ++i) {
        if (IstNullPolynom(P.Koeff[i])) continue;
        if (erster)
            inhalt = P.Koeff[i];
        else
            PGGT(inhalt, P.Koeff[i], inhalt);
        erster = false;
    }
    R = inhalt;
}

void PPDurch(TPPolynom P, TPPolynom Q, bool& Teilt, TPolynom& Faktor) {
    TPPProtokoll protokoll("PPDurch", P, Q);
    Teilt = false;
    Faktor = NullPolynom;
    TPolynom cP, cQ;
    PPInhalt(P, cP);
    PPInhalt(Q, cQ);
    if (!IstNullPolynom(cP) && !IstNullPolynom(cQ)) {
        TPolynom q, rest;
        PDurch(cP, cQ, q, rest, false);
        if (IstNullPolynom(rest)) {
            TPPolynom qP, produkt;
            PPAusPolynomX(q, qP);
            PPMal(qP, Q, produkt);
            Teilt = PPGleich(P, produkt);
            Faktor = q;
        }
    }
    if (protokoll.Offen()) protokoll.Ende(Teilt ? PolynomToTerm(Faktor) : nullptr);
}

bool PPGleich(const TPPolynom& P, const TPPolynom& Q) {
    if (P.Grad != Q.Grad) return false;
    for (Int32 i = 0; i <= P.Grad; ++i)
        if (!PGleich(P.Koeff[i], Q.Koeff[i])) return false;
    return true;
}

bool IstNullPPolynom(const TPPolynom& P) {
    return P.Grad == 0 && IstNullPolynom(P.Koeff[0]);
}

bool IstPPMonom(const TPPolynom& P) {
    for (Int32 i = 0; i < P.Grad; ++i)
        if (!IstNullPolynom(P.Koeff[i])) return false;
    return true;
}

Int32 PPMinGrad(const TPPolynom& P) {
    if (IstNullPPolynom(P)) return MaxGrad;
    Int32 i = 0;
    while (i < P.Grad && IstNullPolynom(P.Koeff[i])) ++i;
    return i;
}

void KonstantesPPolynom(TTerm* T, TPPolynom& R) {
    TPPolynom S;
    KonstantesPolynom(T, S.Koeff[0]);
    R = S;
}

void PPAusPolynomX(TPolynom A, TPPolynom& R) {
    R = NullPPolynom;
    R.Koeff[0] = A;
}

void PPAusPolynomS(TPolynom A, TPPolynom& R) {
    TPPolynom S;
    S.Grad = A.Grad;
    for (Int32 i = 0; i <= A.Grad; ++i) S.Koeff[i].Koeff[0] = A.Koeff[i];
    R = S;
}

TTerm* PPAlsTerm(TPPolynom P) {
    // The coefficients are written in a stand-in "a" for x, so that x can then name s.
    TTerm* a = BenannteKonstante("a");
    TPolynom hilfe;
    hilfe.Grad = P.Grad;
    for (Int32 i = 0; i <= P.Grad; ++i) hilfe.Koeff[i] = PolynomToTerm(P.Koeff[i])->Ersetze(VariableX, a);
    TTerm* T = PolynomToTerm(hilfe)->Ersetze(VariableX, BenannteKonstante("s"));
    return T->Ersetze(a, VariableX);
}

TTerm* PPEinsetzen(TPPolynom P, TTerm* t) {
    TTerm* summe = nullptr;
    for (Int32 i = P.Grad; i >= 0; --i) {
        if (PGleich(P.Koeff[i], NullPolynom)) continue;
        TTerm* potenz = i == 0 ? nullptr : i == 1 ? t : PotenzTerm(t, Int64(i));
        const bool eins = PGleich(P.Koeff[i], EinsPolynom);
        TTerm* c = PolynomToTerm(P.Koeff[i]);
        TTerm* rest = nullptr;
        TBruch faktor;
        KMK(c, rest, faktor);
        if (summe && faktor.Zaehler < 0) {
            TBruch betrag;
            Brueche::Negativ(faktor, betrag);
            TTerm* b = Produkt(RationaleKonstante(betrag), rest);
            summe = OperatorTerm(summe, potenz ? OperatorTerm(b, potenz, '*') : b, '-');
            continue;
        }
        TTerm* summand = !potenz ? c : eins ? potenz : OperatorTerm(c, potenz, '*');
        summe = summe ? OperatorTerm(summe, summand, '+') : summand;
    }
    return summe ? summe : Null;
}

} // namespace zol
