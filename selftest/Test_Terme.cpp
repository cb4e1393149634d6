// The test procedures that work on the term T of the f field, or on fixed terms.
#include <malloc.h>

#include "algebra/LineareGleichungssysteme.h"
#include "algebra/NormalFormen.h"
#include "algebra/PPolynome.h"
#include "algebra/PartialBrueche.h"
#include "algebra/PolTrigNormalform.h"
#include "algebra/PolynomNullstellen.h"
#include "algebra/RatTrigNormalform.h"
#include "algebra/Polynome.h"
#include "algebra/RationaleFunktion.h"
#include "algebra/RationaleNormalform.h"
#include "algebra/TrigNormalFormen.h"
#include "algebra/Vereinfachung.h"
#include "algebra/WurzelNormalformen.h"
#include "output/Ausgabe.h"
#include "plattform/Oberflaeche.h"
#include "selftest/Test.h"
#include "selftest/Test_Intern.h"
#include "steps/Allgemeines.h"
#include "steps/Integral.h"
#include "term/Fehler.h"
#include "term/Funktionen.h"
#include "term/KomplexeZahlen.h"
#include "term/Mengen.h"
#include "term/MengenParser.h"
#include "term/Punktlisten.h"
#include "term/TermManager.h"
#include "term/TermParser.h"
#include "term/Termarithmetik.h"
#include "term/Terme.h"
#include "term/Wurzeln.h"

namespace zol {

namespace {

// The term of T; a text that gives none raises the parser's message for a missing term.
TTerm* LiesTerm(const std::string& T) {
    TTerm* f = TermAusString(T);
    if (!f) throw ETermFehler("Term-Angabe fehlt.");
    return f;
}

// T1;T2 as the two branches of the piecewise term the parser builds; nil when T is not of that form.
TJoin* ZweiTeile(const std::string& T) {
    return AlsJoin(LiesTerm(T));
}

// The polynomial of the term T, or nil.
TPolynomTerm* PolynomVon(TTerm* T) {
    bool neu = false;
    return T ? TPolynomTermCreateT(T, neu) : nullptr;
}

// The parts of a polynomial-trigonometric form in the named constants s (sin) and c (cos): "P = ", "Q = " and
// "PolTrigNormalform: " P + c*Q.
void SchreibePTNFTeile(const TPTNF* F) {
    TTerm* s = BenannteKonstante("s");
    TTerm* P = PPEinsetzen(F->P, s);
    TTerm* Q = PPEinsetzen(F->Q, s);
    SchreibeTextTermZeile("P = ", P);
    SchreibeTextTermZeile("Q = ", Q);
    SchreibeTextTermZeile("PolTrigNormalform: ",
                          OperatorTerm(P, OperatorTerm(BenannteKonstante("c"), Q, '*'), '+'));
}

void SchreibeText(const std::string& s) {
    Schreibe(s);
}

// An accumulated antiderivative, replaced by its normal form's term when there is one.
void SchreibeStammfunktion(TTerm* T, TTerm* F) {
    Kumuliere(F);
    bool neu = false;
    if (TNormalform* nf = Normalform(F, neu); nf && nf->Kennung != "nil" && nf->Term) F = nf->Term;
    SchreibeTextTermText("Stammfunktion von f(x) = ", T, " ist F(x) = ");
    SchreibeTermZeile(F);
}

size_t BelegterSpeicher() {
    return mallinfo2().uordblks;
}

} // namespace

void TesteWurzelVereinfachung(const std::string& T) {
    TJoin* J = ZweiTeile(T);
    if (!J) return;
    auto* n = AlsRationaleKonstante(J->T2);
    if (!n || n->Bruch.Nenner != 1 || n->Bruch.Zaehler < 1 || n->Bruch.Zaehler > 1000) return;
    const Int32 index = Int32(n->Bruch.Zaehler);
    SchreibeTerm(WurzelTerm(J->T1, index));
    Schreibe(" = ");
    SchreibeTermZeile(ZieheWurzel(J->T1, index));
}

void TesteTrigTabelle() {
    SchreibeZeile("Winkel  -  Sinus  -  Cosinus  -  Tangens  -  Cotangens");
    for (Int64 k = 0; k <= 24; ++k) {
        if (k % 2 == 1 && k % 3 != 0) continue;
        TBruch r{k, 12};
        Brueche::Kuerze(r);
        SchreibeTerm(Produkt(RationaleKonstante(r), KonstantePi()));
        Schreibe("  ");
        SchreibeTerm(SinusVonPiVielfachem(r));
        Schreibe("  ");
        SchreibeTerm(KosinusVonPiVielfachem(r));
        bool definiert = false;
        TTerm* tangens = TangensVonPiVielfachem(r, definiert);
        Schreibe("  ");
        if (definiert)
            SchreibeTerm(tangens);
        else
            Schreibe("nicht def.");
        TTerm* kotangens = KotangensVonPiVielfachem(r, definiert);
        Schreibe("  ");
        if (definiert)
            SchreibeTermZeile(kotangens);
        else
            SchreibeZeile("nicht def.");
    }
}

void TesteArcusTabelle() {
    TTerm* w2 = WurzelTerm(Zwei, 2);
    TTerm* w3 = WurzelTerm(Drei, 2);
    TTerm* sinusArgumente[] = {
        EinHalb,
        WurzelTerm(EinHalb, 2),
        OperatorTerm(EinHalb, w2, '*'),
        OperatorTerm(w2, Zwei, '/'),
        OperatorTerm(Eins, w2, '/'),
        WurzelTerm(OperatorTerm(Drei, Vier, '/'), 2),
        OperatorTerm(EinHalb, w3, '*'),
        OperatorTerm(w3, Zwei, '/'),
        OperatorTerm(Drei, OperatorTerm(Zwei, w3, '*'), '/'),
        Null,
        Eins,
    };
    TTerm* tangensArgumente[] = {
        Null,
        Eins,
        w3,
        WurzelTerm(EinDrittel, 2),
        OperatorTerm(EinDrittel, w3, '*'),
        OperatorTerm(w3, Drei, '/'),
        OperatorTerm(Eins, w3, '/'),
    };
    SchreibeZeile("Verhältnis  -  ArcusSinus  -  ArcusCosinus");
    for (bool negiert : {false, true})
        for (TTerm* a : sinusArgumente) {
            TTerm* v = negiert ? a->Negation() : a;
            SchreibeTerm(v);
            Schreibe("  ");
            SchreibeTerm(ExakterArkussinus(v));
            Schreibe("  ");
            SchreibeTermZeile(ExakterArkuskosinus(v));
        }
    SchreibeZeile("Verhältnis  -  ArcusTangens");
    for (bool negiert : {false, true})
        for (TTerm* a : tangensArgumente) {
            TTerm* v = negiert ? a->Negation() : a;
            SchreibeTerm(v);
            Schreibe("  ");
            SchreibeTermZeile(ExakterArkustangens(v));
        }
}

void TesteKomplexeWurzeln(const std::string& T) {
    TJoin* J = ZweiTeile(T);
    if (!J) {
        Oberflaeche().Meldung(TMeldungsart::Information, "Real- und Imaginärteil durch \";\" trennen!");
        return;
    }
    Schreibe("Wurzeln von ");
    SchreibeTerm(J->T1);
    Schreibe("+");
    SchreibeTerm(J->T2);
    SchreibeZeile("i");
    const TKomplex z{J->T1, J->T2};
    for (Int32 n = 1; n <= 8; ++n) {
        TKomplex w;
        KWurzel(z, n, w);
        Schreibe(Int64(n));
        Schreibe("-te Wurzel : ");
        SchreibeTerm(w.Re);
        Schreibe("+");
        SchreibeTerm(w.Im);
        SchreibeZeile("i");
    }
}

void TesteKomplexePQFormel(const std::string& T) {
    TTerm* f = LiesTerm(T);
    SchreibeTextTermZeile("Nullstellen von ", f);
    if (TPolynomTerm* P = PolynomVon(f))
        KomplexeNullstellenQuadratisch(P->P);
    else
        SchreibeZeile("kein Polynom");
}

void TesteCardano(const std::string& T) {
    TTerm* f = LiesTerm(T);
    SchreibeTextTermZeile("Nullstellen von ", f);
    TPolynomTerm* P = PolynomVon(f);
    if (!P) {
        SchreibeZeile("kein Polynom");
        return;
    }
    TSListe* liste = NeueLeereListe();
    TPolynom quadFaktor;
    uint8_t status = unklar;
    Cardano(P->P, liste, quadFaktor, status, true, true);
}

void TesteLGS() {
    SchreibeUnterstrichenZeile("LGS-Test");
    TLGSMatrix A = NeueLGSMatrix(3, 3);
    TLGSMatrix b = NeueLGSMatrix(3, 1);
    for (Int32 i = 1; i <= 3; ++i) {
        for (Int32 j = 1; j <= 3; ++j) A.a[i][j] = RationaleKonstante(TBruch{(j - 1) * 3 + i, 1});
        b.a[i][1] = RationaleKonstante(TBruch{i, 1});
    }
    TLGSMatrix X;
    LoeseLGS(A, b, X, Kommentare);
}

void TestePartialbrueche(const std::string& T) {
    FTerm = LiesTerm(T);
    SchrittPartialbrueche();
}

void TestePartielleIntegration(const std::string& T) {
    TTerm* f = LiesTerm(T);
    TOperatorTerm* produkt = AlsOperatorTerm(f);
    if (!produkt || produkt->Operator != '*') {
        Oberflaeche().Meldung(TMeldungsart::Information, "Produkt-Term erwartet!");
        return;
    }
    // The factors in the given order as f' and g, and if that fails the other way round.
    for (bool getauscht : {false, true}) {
        TSuchknoten R;
        TTerm* f1 = getauscht ? produkt->T2 : produkt->T1;
        TTerm* g = getauscht ? produkt->T1 : produkt->T2;
        PartielleIntegration(f1, g, nullptr, R, nullptr);
        if (!R.Ersatzterm) continue;
        TTerm* rest = IntegralVon(R.Ersatzterm, nullptr, nullptr);
        if (!rest) continue;
        SchreibeStammfunktion(f, Differenz(R.Randterm, rest));
        return;
    }
    SchreibeZeile("kein Erfolg. ");
}

void TesteSubstitution(const std::string& T) {
    TTerm* f = LiesTerm(T);
    TTerm* u = TermAusFeld(TEingabefeld::GTerm);
    if (f && u) {
        TSuchknoten R;
        Substitution(f, u, nullptr, R, nullptr);
        if (R.Ersatzterm) {
            TTerm* F = IntegralVon(R.Ersatzterm, nullptr, nullptr);
            if (TTerm* Fu = F ? F->Ersetze(VariableX, u) : nullptr) {
                SchreibeStammfunktion(f, Fu);
                return;
            }
        }
    }
    SchreibeZeile("kein Erfolg. ");
}

void TesteTrigNormalform(const std::string& T) {
    TTerm* f = LiesTerm(T);
    SchreibeTextTerm("T = ", f);
    bool neu = false;
    if (TNormalform* nf = TTrigonometrischeNormalformCreateT(f, neu)) {
        SchreibeTextTermZeile(" = ", nf->Term);
    } else {
        NeueZeile();
        SchreibeZeile("keine trig. Normalform.");
    }
}

void TesteUmkehrfunktion(const std::string& T) {
    TTerm* f = LiesTerm(T);
    SchreibeTextTerm("Umkehrfunktion ", f);
    TTerm* U = f->Umkehrfunktion();
    if (!U) {
        SchreibeZeile(" existiert nicht");
        return;
    }
    SchreibeTextTerm(" = ", U);
    bool neu = false;
    if (TNormalform* nf = Normalform(U, neu); nf && nf->Term && nf->Term->Knotenzahl < U->Knotenzahl)
        SchreibeTextTerm(" = ", nf->Term);
    NeueZeile();
}

void TesteRationaleFunktion(const std::string& T) {
    TTerm* f = LiesTerm(T);
    SchreibeTermZeile(f);
    bool neu = false;
    TRationaleFunktion* RF = TRationaleFunktionCreateT(f, neu);
    if (!RF) {
        SchreibeZeile("keine rationale Funktion");
        return;
    }
    SchreibeTextTermZeile("ZPol = ", PolynomToTerm(RF->Zaehler));
    SchreibeTextTermZeile("NPol = ", PolynomToTerm(RF->Nenner));
    SchreibeTextTermZeile("Term = ", RF->Term);
    if (TestFenster.StrukturEintragen) TestFenster.StrukturEintragen(RF->Term, "RF-Test");
}

void TesteRationaleNormalform(const std::string& T) {
    TTerm* f = LiesTerm(T);
    SchreibeTermZeile(f);
    TRationaleNormalform* RNF = TRationaleNormalformCreateT(f);
    if (!RNF) {
        SchreibeZeile("keine RationaleNormalform");
        return;
    }
    SchreibeTextTermZeile("Z1 = ", PolynomToTerm(RNF->P1));
    SchreibeTextTerm("Z = ", PolynomToTerm(RNF->P2));
    Schreibe(" ,k = ");
    SchreibeZeile(Int64(RNF->k));
    SchreibeTextTerm("N = ", PolynomToTerm(RNF->P3));
    Schreibe(" ,m = ");
    SchreibeZeile(Int64(RNF->m));
    SchreibeTextTermZeile("Term = ", RNF->Term);
}

void TestePolTrigNormalform(const std::string& T) {
    TTerm* f = LiesTerm(T);
    SchreibeTermZeile(f);
    bool neu = false;
    auto* F = static_cast<TPTNF*>(TPolTrigNormalformCreateT(f, neu));
    if (!F) {
        SchreibeZeile("keine PolTrigNormalform");
        return;
    }
    SchreibePTNFTeile(F);
    SchreibeTextTermZeile("Term = ", F->Term);
}

void TesteWurzelNormalform(const std::string& T) {
    TTerm* f = LiesTerm(T);
    SchreibeTextTerm("f(x) = ", f);
    TTerm* w = BenannteKonstante("w");
    if (auto* RaNF = dynamic_cast<TRadikalNormalform*>(TRadikalNormformCreateT(f))) {
        SchreibeTextTerm(" = ", OperatorTerm(PPEinsetzen(RaNF->Z, w), PolynomToTerm(RaNF->N), '/'));
        SchreibeTextTerm(" mit w = ", WurzelTerm(PolynomToTerm(RaNF->R), RaNF->n));
        SchreibeZeile(" (RaNF)");
    } else if (auto* WNF = dynamic_cast<TWurzelNormalform*>(TWurzelNormformCreateT(f))) {
        SchreibeTextTerm(" = ", OperatorTerm(PPEinsetzen(WNF->Z, w), PPEinsetzen(WNF->N, w), '/'));
        SchreibeTextTerm(" mit w = ", WurzelTerm(PolynomToTerm(WNF->R), WNF->n));
        SchreibeZeile(" (WNF)");
    } else {
        NeueZeile();
        SchreibeZeile("keine Wurzel-Normalform");
    }
}

void TesteRatTrigNormalform(const std::string& T) {
    TTerm* f = LiesTerm(T);
    SchreibeTermZeile(f);
    bool neu = false;
    auto* nf = static_cast<TRatTrigNormalform*>(TRatTrigNormalformCreateT(f, neu));
    if (!nf) {
        SchreibeZeile("keine RatTrigNormalform");
        return;
    }
    TTerm* s = BenannteKonstante("s");
    TTerm* P = PPEinsetzen(nf->Zaehler->P, s);
    TTerm* Q = PPEinsetzen(nf->Zaehler->Q, s);
    TTerm* R = PPEinsetzen(nf->Nenner->P, s);
    TTerm* S = PPEinsetzen(nf->Nenner->Q, s);
    SchreibeTextTermZeile("P = ", P);
    SchreibeTextTermZeile("Q = ", Q);
    SchreibeTextTermZeile("R = ", R);
    SchreibeTextTermZeile("S = ", S);
    TTerm* c = BenannteKonstante("c");
    TTerm* zaehler = OperatorTerm(P, OperatorTerm(c, Q, '*'), '+');
    TTerm* nenner = OperatorTerm(R, OperatorTerm(c, S, '*'), '+');
    SchreibeTextTermZeile("RatTrigNormalform: ", OperatorTerm(zaehler, nenner, '/'));
    SchreibeTextTermZeile("Term = ", nf->Term);
}

void TesteNormalform(const std::string& T) {
    TTerm* f = LiesTerm(T);
    bool neu = false;
    TNormalform* nf = Normalform(f, neu);
    if (!nf || nf->Kennung == "nil" || !nf->Term) {
        SchreibeZeile("Normalform existiert nicht");
        return;
    }
    SchreibeTermZeile(nf->Term);
    if (TestFenster.StrukturEintragen) TestFenster.StrukturEintragen(nf->Term, "NF-Test");
}

void TesteVereinfachung(const std::string& T) {
    TTerm* f = LiesTerm(T);
    SchreibeTermZeile(f);
    auto stufe = [&f](void (*schritt)(TTerm*&), const char* name) {
        schritt(f);
        SchreibeTerm(f);
        SchreibeZeile(name);
    };
    stufe(Kumuliere, " = (nach Kumulieren)");
    stufe(VereinfacheTerm, " = (nach Vereinfachung)");
    stufe(VereinfacheTermDurchSubstitution, " = (nach Substitution)");
    stufe(VereinfacheTermRekursiv, " = (nach rekursiver Vereinfachung)");
    stufe(VereinfacheTermDurchTransformation, " = (nach Transformation:)");
}

void TesteFesterTerm() {
    TTerm* f = TermAusString("sqrt(1-x^2)*x^(-1)");
    SchreibeTerm(f);
    bool neu = false;
    if (TNormalform* nf = Normalform(f, neu); nf && nf->Term) SchreibeTextTerm(" = ", nf->Term);
    NeueZeile();
}

void TesteSpeicherbedarf(const std::string& T) {
    Kommentare = true;
    SetzeAnfrageZurueck();
    const size_t vorher = BelegterSpeicher();
    TTerm* f = LiesTerm(T);
    if (f) SchreibeTermZeile(f->Ableitung());
    const size_t erzeugt = BelegterSpeicher();
    SetzeAnfrageZurueck();
    const size_t zerstoert = BelegterSpeicher();
    Schreibe("vorher:");
    SchreibeZeile(Int64(vorher));
    Schreibe("erzeugt:");
    SchreibeZeile(Int64(erzeugt));
    Schreibe("zerstört:");
    SchreibeZeile(Int64(zerstoert));
}

void TesteOrdnung(const std::string& T) {
    TJoin* J = ZweiTeile(T);
    if (!J) {
        Oberflaeche().Meldung(TMeldungsart::Information, "Join erwartet!");
        return;
    }
    SchreibeTerm(J->T1);
    SchreibeText(J->T1->IstKleiner(J->T2) ? " < " : " ist nicht kleiner als ");
    SchreibeTermZeile(J->T2);
}

void TesteTermEintragen(const std::string& T) {
    TTerm* f = LiesTerm(T);
    if (f) TermEintragen(f);
    if (TestFenster.TermspeicherZeigen) TestFenster.TermspeicherZeigen();
}

void TesteMengenVereinfachung(const std::string& T) {
    TMenge* M = StrToMenge(T);
    SchreibeMenge(M);
    Schreibe(" = (nach Vereinfachung) ");
    MengenAuswerten(M);
    SchreibeMengeZeile(M);
}

void TestePTNF(const std::string& T) {
    TTerm* f = LiesTerm(T);
    SchreibeTermZeile(f);
    bool neu = false;
    auto* F = static_cast<TPTNF*>(TPolTrigNormalformCreateT(f, neu));
    if (!F) {
        SchreibeZeile("keine PTNF");
        return;
    }
    SchreibePTNFTeile(F);
    SchreibeTextTermZeile("PTNF: ", F->Term);
}

} // namespace zol
