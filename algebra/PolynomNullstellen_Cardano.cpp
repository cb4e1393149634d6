// Cardano's formulas for the real zeros of a cubic x^3 + a*x^2 + b*x + c, with the complex pair when
// there is one real zero.
#include "algebra/NormalFormen.h"
#include "algebra/PolynomNullstellen.h"
#include "algebra/PolynomNullstellen_Intern.h"
#include "output/Ausgabe.h"
#include "term/Funktionen.h"
#include "term/KomplexeZahlen.h"
#include "term/Mengen.h"
#include "term/TermManager.h"
#include "term/Termarithmetik.h"
#include "term/Terme.h"
#include "term/Wurzeln.h"

namespace zol {

namespace {

// The stored terms of the displayed formulas, built without simplification.
TTerm* Op(TTerm* a, char op, TTerm* b) {
    return OperatorTerm(a, b, op);
}
TTerm* Zahl(Int64 n) {
    return Bruchkonstante(n, 1);
}
TTerm* Hoch(TTerm* b, Int64 n) {
    return PotenzTerm(b, n);
}

// The named constants of the formulas.
struct TNamen {
    TTerm* a = BenannteKonstante("a");
    TTerm* b = BenannteKonstante("b");
    TTerm* c = BenannteKonstante("c");
    TTerm* s = BenannteKonstante("s");
    TTerm* t = BenannteKonstante("t");
    TTerm* d = BenannteKonstante("d");
    TTerm* p = BenannteKonstante("p");
    TTerm* u = BenannteKonstante("u");
    TTerm* v = BenannteKonstante("v");
    TTerm* w = BenannteKonstante("w");
};

// x with the index i.
std::string XIndex(const char* i) {
    return std::string("x*i<") + i + ">";
}

void SchreibeX(const char* i, TTerm* x) {
    SchreibeMitIndex("x", i);
    Schreibe(" = ");
    SchreibeTerm(x);
}

// re "+(" im ")i".
void SchreibeKomplex(TTerm* re, TTerm* im) {
    SchreibeTerm(re);
    Schreibe("+(");
    SchreibeTerm(im);
    SchreibeZeile(")i");
}

// d > 0: one real zero x1 = u - v - a/3 with u, v the real cube roots of (sqrt(d) -+ s)/54; the complex
// pair w*u + conj(w)*(-v) - a/3 with w = -1/2 + (sqrt(3)/2)i gives the quadratic factor.
void EineReelleNullstelle(TTerm* s, TTerm* d, TTerm* a3, const TNamen& N, TSListe* Liste,
                          TPolynom& QuadFaktor, bool Kommentar, bool KomplexZeigen) {
    if (Kommentar) Schreibe("Aus d > 0 folgt: P(x) hat genau eine reelle Nullstelle ");
    TTerm* wd = ZieheWurzel(d, 2);
    TTerm* u = ReelleWurzel(KonstantVereinfacht(Quotient(Differenz(wd, s), Zahl(54))), 3);
    TTerm* v = ReelleWurzel(KonstantVereinfacht(Quotient(Summe(wd, s), Zahl(54))), 3);
    TTerm* x1 = Differenz(Differenz(u, v), a3);
    TTerm* wurzelD = WurzelTerm(N.d, 2);
    TTerm* formel = Op(Op(WurzelTerm(Op(Op(wurzelD, '-', N.s), '/', Zahl(54)), 3), '-',
                          WurzelTerm(Op(Op(wurzelD, '+', N.s), '/', Zahl(54)), 3)),
                       '-', Op(N.a, '/', Drei));
    SchreibeZuweisung(XIndex("1"), formel, x1, Kommentar);
    Liste->FuegeHinzu(x1, 1);

    TTerm* halbeWurzel3 = Quotient(ZieheWurzel(Drei, 2), Zwei);
    const TKomplex w{MinusEinHalb, halbeWurzel3};
    const TKomplex wQuer{MinusEinHalb, halbeWurzel3->Negation()};
    TKomplex t1, t2, summe, x2;
    KMal(w, TKomplex{u, Null}, t1);
    KMal(wQuer, TKomplex{v->Negation(), Null}, t2);
    KPlus(t1, t2, summe);
    KMinus(summe, TKomplex{a3, Null}, x2);
    TTerm* re = KonstantVereinfacht(x2.Re);
    TTerm* im = KonstantVereinfacht(x2.Im);
    QuadFaktor = TPolynom();
    QuadFaktor.Grad = 2;
    QuadFaktor.Koeff[2] = Eins;
    QuadFaktor.Koeff[1] = KonstantVereinfacht(Produkt(Zahl(-2), re));
    QuadFaktor.Koeff[0] = KonstantVereinfacht(Summe(Produkt(re, re), Produkt(im, im)));
    if (Kommentar && KomplexZeigen) {
        Schreibe("komplexe Nullstelle: ");
        SchreibeMitIndex("x", "2");
        Schreibe(" = ");
        SchreibeKomplex(re, im);
        Schreibe("konjugierte Nullstelle: ");
        SchreibeMitIndex("x", "3");
        Schreibe(" = ");
        SchreibeKomplex(re, KonstantVereinfacht(im->Negation()));
        Schreibe("Duch Abspalten des Linearfaktors erhält man das quadratische Polynom ");
        SchreibeTerm(PolynomToTerm(QuadFaktor));
        SchreibeZeile(" ohne reelle Nullstellen.");
    }
}

// d < 0: three simple zeros through the angle p = arctan(s/sqrt(-d))/3 + pi/6.
void DreiReelleNullstellen(TTerm* s, TTerm* t, TTerm* d, TTerm* a3, const TNamen& N, TSListe* Liste,
                           bool Kommentar) {
    if (Kommentar)
        SchreibeZeile("Aus d < 0 folgt: P(x) hat drei einfache Nullstellen. Man bildet die Hilfs-Terme:");
    TTerm* p =
        Summe(Produkt(EinDrittel,
                      ExakterArkustangens(KonstantVereinfacht(Quotient(s, ZieheWurzel(d->Negation(), 2))))),
              Produkt(Bruchkonstante(1, 6), KonstantePi()));
    TTerm* pFormel =
        Op(Op(EinDrittel, '*',
              StandardFunktionTerm("arctan", Op(N.s, '/', WurzelTerm(Op(MinusEins, '*', N.d), 2)))),
           '+', Op(KonstantePi(), '/', Zahl(6)));
    SchreibeZuweisung("p", pFormel, p, Kommentar);
    TTerm* u = Quotient(ZieheWurzel(t, 2), Drei);
    SchreibeZuweisung("u", Op(WurzelTerm(N.t, 2), '/', Drei), u, Kommentar);
    TTerm* v = ExakterKosinus(p);
    SchreibeZuweisung("v", StandardFunktionTerm("cos", N.p), v, Kommentar);
    TTerm* w = Produkt(ZieheWurzel(Drei, 2), ExakterSinus(p));
    SchreibeZuweisung("w", Op(WurzelTerm(Drei, 2), '*', StandardFunktionTerm("sin", N.p)), w, Kommentar);
    if (Kommentar) SchreibeZeile("Dann ergeben sich die Lösungen als:");
    TTerm* aDrittel = Op(N.a, '/', Drei);
    TTerm* x[3] = {
        Differenz(Produkt(Zwei, Produkt(u, v)), a3),
        Differenz(Produkt(u->Negation(), Summe(v, w)), a3),
        Differenz(Produkt(u, Differenz(w, v)), a3),
    };
    TTerm* formeln[3] = {
        Op(Op(Op(Zwei, '*', N.u), '*', N.v), '-', aDrittel),
        Op(Op(Op(MinusEins, '*', N.u), '*', Op(N.v, '+', N.w)), '-', aDrittel),
        Op(Op(N.u, '*', Op(N.w, '-', N.v)), '-', aDrittel),
    };
    const char* indizes[3] = {"1", "2", "3"};
    for (Int32 i = 0; i < 3; ++i) {
        SchreibeZuweisung(XIndex(indizes[i]), formeln[i], x[i], Kommentar);
        Liste->FuegeHinzu(x[i], 1);
    }
}

} // namespace

void Cardano(TPolynom P, TSListe*& Liste, TPolynom& QuadFaktor, uint8_t& Status, bool Kommentar,
             bool KomplexZeigen) {
    QuadFaktor = NullPolynom;
    Status = unklar;
    SenkeGrad(P);
    if (P.Grad != 3) return;
    Liste = NeueLeereListe();
    if (!P.Koeff[3]->HatWert(BruchEins)) {
        TTerm* leit = P.Koeff[3];
        for (Int32 i = 0; i < 3; ++i) P.Koeff[i] = KonstantVereinfacht(Quotient(P.Koeff[i], leit));
        P.Koeff[3] = Eins;
        if (Kommentar) {
            Schreibe("Normieren ergibt P(x) = ");
            SchreibeTermZeile(PolynomToTerm(P));
        }
    }
    TTerm* a = P.Koeff[2];
    TTerm* b = P.Koeff[1];
    TTerm* c = P.Koeff[0];
    const TNamen N;
    if (Kommentar) {
        TTerm* x = VariableX;
        Schreibe("Anwendung der Formeln von Cardano auf P(x) = ");
        SchreibeTerm(Op(Op(Op(Hoch(x, 3), '+', Op(N.a, '*', Hoch(x, 2))), '+', Op(N.b, '*', x)), '+', N.c));
        Schreibe(" mit a = ");
        SchreibeTerm(a);
        Schreibe(", b = ");
        SchreibeTerm(b);
        Schreibe(" und c = ");
        SchreibeTerm(c);
        SchreibeZeile(".");
        SchreibeZeile("Man bildet die Terme:");
    }
    TWechsel<Int32> einzug(Einrueckung, Einrueckung + Einzug);

    TTerm* s = Summe(Differenz(Produkt(Zwei, Produkt(a, Produkt(a, a))), Produkt(Zahl(9), Produkt(a, b))),
                     Produkt(Zahl(27), c));
    SchreibeZuweisung("s",
                      Op(Op(Op(Zwei, '*', Hoch(N.a, 3)), '-', Op(Op(Zahl(9), '*', N.a), '*', N.b)), '+',
                         Op(Zahl(27), '*', N.c)),
                      s, Kommentar);
    TTerm* t = Differenz(Produkt(a, a), Produkt(Drei, b));
    SchreibeZuweisung("t", Op(Hoch(N.a, 2), '-', Op(Drei, '*', N.b)), t, Kommentar);
    TTerm* d = Differenz(Produkt(s, s), Produkt(Vier, Produkt(t, Produkt(t, t))));
    SchreibeZuweisung("d", Op(Hoch(N.s, 2), '-', Op(Vier, '*', Hoch(N.t, 3))), d, Kommentar);

    const TVorzeichen vd = VorzeichenVon(d);
    const TVorzeichen vs = VorzeichenVon(s);
    if (vd == TVorzeichen::Unbekannt || vs == TVorzeichen::Unbekannt) return;
    TTerm* a3 = Quotient(a, Drei);
    if (vd == TVorzeichen::Positiv) {
        EineReelleNullstelle(s, d, a3, N, Liste, QuadFaktor, Kommentar, KomplexZeigen);
    } else if (vd == TVorzeichen::Null && vs == TVorzeichen::Null) {
        TTerm* x1 = KonstantVereinfacht(a3->Negation());
        if (Kommentar) {
            Schreibe("Aus d = 0 und s = 0 folgt: P(x) hat bei ");
            SchreibeX("1", x1);
            SchreibeZeile(" eine dreifache Nullstelle.");
        }
        Liste->FuegeHinzu(x1, 3);
    } else if (vd == TVorzeichen::Null) {
        TTerm* k = ReelleWurzel(KonstantVereinfacht(Quotient(s, Zahl(54))), 3);
        TTerm* x1 = KonstantVereinfacht(Differenz(Produkt(Zahl(-2), k), a3));
        TTerm* x2 = KonstantVereinfacht(Differenz(k, a3));
        if (Kommentar) {
            Schreibe("Aus d = 0 folgt: P(x) hat bei ");
            SchreibeX("1", x1);
            Schreibe(" eine einfache Nullstelle, und bei ");
            SchreibeX("2", x2);
            SchreibeZeile(" eine doppelte Nullstelle.");
        }
        Liste->FuegeHinzu(x1, 1);
        Liste->FuegeHinzu(x2, 2);
    } else {
        DreiReelleNullstellen(s, t, d, a3, N, Liste, Kommentar);
    }
    Status = wahr;
}

} // namespace zol
