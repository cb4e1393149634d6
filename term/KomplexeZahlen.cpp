#include "term/KomplexeZahlen.h"

#include <cmath>

#include "algebra/Polynome.h"
#include "algebra/Vereinfachung.h"
#include "output/Ausgabe.h"
#include "term/Fehler.h"
#include "term/Funktionen.h"
#include "term/TermManager.h"
#include "term/Termarithmetik.h"
#include "term/Terme.h"
#include "term/Wurzeln.h"

namespace zol {

TKomplex KNull;
TKomplex KEins;
TKomplex KI;

void InitialisiereKomplexeZahlen() {
    KNull = TKomplex{Null, Null};
    KEins = TKomplex{Eins, Null};
    KI = TKomplex{Null, Eins};
}

namespace {

// T is 0: the constant 0 itself, or a term whose value is 0.
bool IstWertNull(TTerm* T) {
    if (T->IstNull()) return true;
    bool definiert = false;
    const Extended w = T->Wert(0, definiert);
    return definiert && w == 0;
}

TTerm* Gefaltet(TTerm* T) {
    Kumuliere(T);
    return T;
}

} // namespace

bool KGleich(TKomplex a, TKomplex b) {
    return a.Re->IstGleich(b.Re) && a.Im->IstGleich(b.Im);
}

void KPlus(TKomplex a, TKomplex b, TKomplex& c) {
    c = TKomplex{Summe(a.Re, b.Re), Summe(a.Im, b.Im)};
}

void KMinus(TKomplex a, TKomplex b, TKomplex& c) {
    c = TKomplex{Differenz(a.Re, b.Re), Differenz(a.Im, b.Im)};
}

void KMal(TKomplex a, TKomplex b, TKomplex& c) {
    c = TKomplex{Differenz(Produkt(a.Re, b.Re), Produkt(a.Im, b.Im)),
                 Summe(Produkt(a.Re, b.Im), Produkt(a.Im, b.Re))};
}

TTerm* KBetrag(TKomplex z) {
    TTerm* re = Gefaltet(z.Re);
    TTerm* im = Gefaltet(z.Im);
    return ZieheWurzel(Summe(Produkt(re, re), Produkt(im, im)), 2);
}

void KPolarform(TKomplex z, TTerm*& r, TTerm*& phi) {
    // The argument of 0 is taken as 0 (there is no modulus to divide by).
    if (IstWertNull(z.Re) && IstWertNull(z.Im)) {
        r = Null;
        phi = Null;
        return;
    }
    r = KBetrag(z);
    phi = ExakterArkuskosinus(Quotient(z.Re, r));
    // Re/r lies in [-1, 1]; only a rounded value can leave it.
    if (!phi) throw ENichtExistenz("Argument der komplexen Zahl nicht bestimmbar.");
    bool definiert = false;
    const Extended im = z.Im->Wert(0, definiert);
    if (definiert && im < 0) phi = phi->Negation();
}

void KWurzel(TKomplex z, Int32 n, TKomplex& w) {
    if (KGleich(z, KNull)) {
        w = KNull;
        return;
    }
    if (n == 1) {
        w = z;
        return;
    }
    TTerm *r = nullptr, *phi = nullptr;
    KPolarform(z, r, phi);
    TTerm* wurzel = ZieheWurzel(r, n);
    TTerm* winkel = Quotient(phi, Bruchkonstante(n, 1));
    w = TKomplex{Gefaltet(Produkt(wurzel, ExakterKosinus(winkel))),
                 Gefaltet(Produkt(wurzel, ExakterSinus(winkel)))};
}

void KomplexeNullstellenQuadratisch(TPolynom P) {
    if (P.Grad != 2) return;
    TTerm* p = P.Koeff[1];
    TTerm* q = P.Koeff[0];
    if (!P.Koeff[2]->HatWert(BruchEins)) {
        p = Quotient(p, P.Koeff[2]);
        q = Quotient(q, P.Koeff[2]);
    }
    TTerm* d = Differenz(Quotient(Produkt(p, p), Vier), q);
    if (IstWertNull(d)) {
        TTerm* x0 = Produkt(MinusEinHalb, p);
        VereinfacheKonstantenTerm(x0);
        SchreibeTextTermZeile("Doppelte Nullstelle bei ", x0);
        return;
    }
    TTerm* m = Produkt(MinusEins, Quotient(p, Zwei));
    TTerm* D = Differenz(Quotient(PotenzTerm(p, 2), Vier), q);
    TKomplex w;
    KWurzel(TKomplex{D, Null}, 2, w);
    for (const char* zeichen : {"+(", "-("}) {
        SchreibeMitIndex("x", zeichen[0] == '+' ? "1" : "2");
        Schreibe(" = ");
        SchreibeTerm(m);
        Schreibe(zeichen);
        SchreibeTerm(w.Re);
        Schreibe("+i");
        SchreibeTerm(w.Im);
        SchreibeZeile(")");
    }
}

} // namespace zol
