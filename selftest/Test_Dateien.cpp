// The test procedures that go through the cases of a test file and compare the results with the expected
// values written there. Numbers are compared at four decimals, whatever the option "Stellen" says.
#include <fstream>

#include "algebra/NormalFormen.h"
#include "algebra/PolynomZerlegungen.h"
#include "algebra/Polynome.h"
#include "algebra/Vereinfachung.h"
#include "output/Ausgabe.h"
#include "output/Protokoll.h"
#include "plattform/Oberflaeche.h"
#include "selftest/Test.h"
#include "selftest/Test_Intern.h"
#include "selftest/Testordner.h"
#include "steps/Allgemeines.h"
#include "steps/Gleichungen.h"
#include "steps/Integral.h"
#include "steps/Nullstel.h"
#include "steps/Symmetrien.h"
#include "term/Fehler.h"
#include "term/Mengen.h"
#include "term/Punktlisten.h"
#include "term/Radikale.h"
#include "term/TermManager.h"
#include "term/TermParser.h"
#include "term/Termarithmetik.h"
#include "term/Terme.h"
#include "term/Wurzeln.h"

namespace zol {

namespace {

constexpr uint8_t VergleichsStellen = 4;

// A field's term; nil when the field is empty.
TTerm* Feldterm(const std::string& Key, const std::string& Zeile) {
    std::string wert;
    HoleFeld(Key, Zeile, wert);
    return TermOderNil(wert);
}

std::string Feld(const std::string& Key, const std::string& Zeile) {
    std::string wert;
    HoleFeld(Key, Zeile, wert);
    return wert;
}

// A bound read from its text and simplified as a constant; nil for an empty text or "nil".
TTerm* Grenze(const std::string& Text) {
    if (Text == "nil") return nullptr;
    TTerm* T = TermOderNil(Text);
    if (T) VereinfacheKonstantenTerm(T);
    return T;
}

// [a; b] closed at the given bounds, unbounded where a bound is missing.
TIntervall* Intervall(TTerm* a, TTerm* b) {
    return Neu<TIntervall>(a ? TRand{a, false} : UnendlichRand, b ? TRand{b, false} : UnendlichRand);
}

// The number of a constant term as the output writes it ("" without a term).
std::string Zahltext(TTerm* T) {
    return T ? FormatiereZahl(ZahlWert(T)) : "";
}

// A computed number text and an expected one agree: both empty, or both numbers equal at four decimals.
bool ZahlGleich(const std::string& Berechnet, const std::string& Erwartet) {
    Extended a = 0, b = 0;
    const bool ha = LiesZahl(Berechnet, a);
    const bool hb = LiesZahl(Erwartet, b);
    if (!ha || !hb) return Berechnet == Erwartet;
    return GleichAufVierStellen(a, b);
}

// The parts of a list of zeros "value(m-fach),value(m-fach)": the values and the multiplicities.
bool LiesNullstellenliste(const std::string& Text, std::vector<Extended>& Werte,
                          std::vector<std::string>& Vielfachheiten) {
    size_t anfang = 0;
    while (anfang < Text.size()) {
        const size_t klammer = Text.find('(', anfang);
        const size_t ende = Text.find("-fach)", anfang);
        if (klammer == std::string::npos || ende == std::string::npos || ende < klammer) return false;
        Extended w = 0;
        if (!LiesZahl(Text.substr(anfang, klammer - anfang), w)) return false;
        Werte.push_back(w);
        Vielfachheiten.push_back(Text.substr(klammer + 1, ende - klammer - 1));
        anfang = ende + 6;
        if (anfang < Text.size()) {
            if (Text[anfang] != ',') return false;
            ++anfang;
        }
    }
    return true;
}

bool NullstellenGleich(const std::string& Berechnet, const std::string& Erwartet) {
    std::vector<Extended> w1, w2;
    std::vector<std::string> v1, v2;
    if (!LiesNullstellenliste(Berechnet, w1, v1) || !LiesNullstellenliste(Erwartet, w2, v2))
        return Berechnet == Erwartet;
    if (w1.size() != w2.size() || v1 != v2) return false;
    for (size_t i = 0; i < w1.size(); ++i)
        if (!GleichAufVierStellen(w1[i], w2[i])) return false;
    return true;
}

bool IstWahrheitstext(const std::string& s) {
    return s == "falsch" || s == "wahr" || s == "unklar";
}

// The leading coefficient times the linear factors (sorted by value) and the quadratic factors, each
// raised to its multiplicity.
TTerm* Faktorprodukt(TZerlegung& Z) {
    SortiereSListe(Z.Liste, true);
    return Produktterm(Z);
}

std::string OhneLeerzeichen(const std::string& s) {
    std::string r;
    for (char c : s)
        if (c != ' ') r += c;
    return r;
}

// Starts the total time of a file procedure and writes it at the end.
class TGesamtzeit {
public:
    TGesamtzeit() : Anfang(Oberflaeche().Millisekunden()) {}
    void Schreibe() {
        zol::Schreibe("GesamtZeit:");
        SchreibeZeile(" [" + std::to_string(Oberflaeche().Millisekunden() - Anfang) + " ms]");
    }

private:
    Int64 Anfang;
};

} // namespace

void TesteZerlegungDatei() {
    TWechsel<bool> kommentare(Kommentare, false);
    SchreibeUeberschrift(2, "ZerlegungTest");
    std::ofstream ergebnis(ImTestordner("Result.txt"), std::ios::binary | std::ios::trunc);
    if (!ergebnis) throw EZolFehler("Datei kann nicht angelegt werden: " + ImTestordner("Result.txt"));
    FuerJedenFall("ZerlegungTest", true, [&ergebnis](const std::string& zeile) {
        StarteZeitmessung();
        const std::string erwartet = OhneLeerzeichen(Feld("f=", zeile));
        TTerm* f = TermOderNil(erwartet);
        if (!f) return;
        bool neu = false;
        TPolynomTerm* P = TPolynomTermCreateT(f, neu);
        if (!P) {
            SchreibeZeile("kein Polynom");
            return;
        }
        SchreibeTerm(PolynomToTerm(P->P));
        TZerlegung Z;
        PZerlegung(P->P, Z, false);
        if (!Z.Vollstaendig) {
            SchreibeZeile(" konnte nicht zerlegt werden!");
            return;
        }
        TTerm* produkt = Faktorprodukt(Z);
        SchreibeTextTerm(" = ", f);
        if (produkt->Text != erwartet) {
            SchreibeTextTermText(" ergab ", produkt, " nicht OK!");
            ergebnis << "f=" << produkt->Text << ";\r\n";
        }
        SchreibeZeitmessung();
    });
}

void TesteStammfunktionAbleitung() {
    TWechsel<bool> kommentare(Kommentare, false);
    TGesamtzeit gesamt;
    FuerJedenFall("SFAblTest", false, [](const std::string& zeile) {
        StarteZeitmessung();
        TTerm* f = TermOderNil(zeile);
        if (!f) return;
        SchreibeTextTerm("f(x) = ", f);
        Schreibe(";  F(x) = ");
        SchreibeIntegralzeichen(nullptr, nullptr);
        SchreibeTerm(f);
        Schreibe(" d" + VariablenText() + " = ");
        TTerm* F = IntegralVon(f, nullptr, nullptr);
        if (!F) {
            Schreibe(" unbekannt");
        } else {
            SchreibeTerm(F);
            TTerm* D = F->Ableitung();
            AlleSubNormalformen(D);
            VereinfacheTerm(D);
            Kumuliere(D);
            SchreibeTextTerm(";  F'(x) = ", D);
        }
        SchreibeZeitmessung();
    });
    gesamt.Schreibe();
}

void TesteStammfunktionDatei() {
    FuerJedenFall("SFTest", true, [](const std::string& zeile) {
        const std::vector<std::string> teile = Werte(zeile);
        TTerm* f = TermOderNil(teile[0]);
        if (!f) return;
        f->HoleNormalform();
        TTerm* a = teile.size() >= 3 ? Grenze(teile[1]) : nullptr;
        TTerm* b = teile.size() >= 3 ? Grenze(teile[2]) : nullptr;
        IntegralVon(f, a, b);
        NeueZeile();
    });
}

void TesteNullstellenDatei() {
    TWechsel<bool> kommentare(Kommentare, false);
    TWechsel<uint8_t> stellen(Stellen, VergleichsStellen);
    try {
        FuerJedenFall("NSTest", true, [](const std::string& zeile) {
            TTerm* f = Feldterm("f=", zeile);
            if (!f) return;
            TTerm* a = Grenze(Feld("a=", zeile));
            TTerm* b = Grenze(Feld("b=", zeile));
            const std::string erwartet = OhneLeerzeichen(Feld("N=", zeile));
            TSListe* liste = NeueLeereListe();
            uint8_t status = unklar;
            SucheNullstellen(f, Intervall(a, b), liste, false, status);
            SortiereSListe(liste, true);
            std::string gefunden;
            for (Int32 i = 1; i <= liste->Anzahl; ++i) {
                if (i > 1) gefunden += ",";
                gefunden += Zahltext(liste->Stellen[i]->Punkt) + "(" +
                            std::to_string(liste->Stellen[i]->Vielfachheit) + "-fach)";
            }
            SchreibeTextTerm("Nullstellen von ", f);
            Schreibe(" in ");
            SchreibeIntervall(a, b);
            Schreibe(":" + gefunden);
            if (NullstellenGleich(gefunden, erwartet))
                SchreibeZeile(" OK");
            else
                SchreibeZeile(" statt " + erwartet + " nicht OK!");
        });
    } catch (const EBenutzerAbbruch&) {
        throw;
    } catch (const std::exception&) {
        Oberflaeche().Meldung(TMeldungsart::Warnung, "Test nicht OK");
    }
}

void TesteEigenschaftenDatei() {
    FuerJedenFall("EigenschaftenTest", false, [](const std::string& zeile) {
        const std::vector<std::string> teile = Werte(zeile);
        TTerm* f = TermOderNil(teile[0]);
        if (!f) return;
        TTerm* a = teile.size() > 1 ? Grenze(teile[1]) : nullptr;
        TTerm* b = teile.size() > 2 ? Grenze(teile[2]) : nullptr;
        TIntervall* I = Intervall(a, b);
        TWahrheitswert ungleichNull = unklar, nichtNegativ = unklar;
        UntersucheVorzeichen(f, I, ungleichNull, nichtNegativ);
        TTTerm* t = AlsTTTerm(f);
        const TWahrheitswert stetig = t ? t->IstDefiniertAuf(I) : unklar;
        SchreibeTextTerm("", f);
        Schreibe(" ist in ");
        SchreibeMenge(I);
        Schreibe(": <>0: " + Wahrheitstext(ungleichNull));
        Schreibe("; >=0: " + Wahrheitstext(nichtNegativ));
        SchreibeZeile("; stetig: " + Wahrheitstext(stetig));
    });
}

void TestePrimfaktorenDatei() {
    TWechsel<bool> kommentare(Kommentare, false);
    SchreibeUeberschrift(2, "ZerlegungTest");
    FuerJedenFall("PrimfaktorenTest", true, [](const std::string& zeile) {
        TTerm* f = Feldterm("f=", zeile);
        if (!f) return;
        TRationaleKonstante* n = AlsRationaleKonstante(f);
        TSListe* faktoren = nullptr;
        Int64 rest = 0;
        if (n && n->Bruch.Nenner == 1 && n->Bruch.Zaehler > 0) Primfaktoren(n->Bruch.Zaehler, faktoren, rest);
        if (!faktoren || rest != 1) {
            SchreibeTextTermText("", f, ": ");
            SchreibeZeile("Primfaktor-Zerlegung nicht erfolgreich");
            return;
        }
        TTerm* produkt = nullptr;
        for (Int32 i = 1; i <= faktoren->Anzahl; ++i) {
            TStelle* p = faktoren->Stellen[i];
            TTerm* potenz = p->Vielfachheit == 1 ? p->Punkt : PotenzTerm(p->Punkt, Int64(p->Vielfachheit));
            produkt = produkt ? OperatorTerm(produkt, potenz, '*') : potenz;
        }
        SchreibeTextTermText("", f, " = ");
        SchreibeTermZeile(produkt ? produkt : Eins);
    });
}

void TesteFlaechenDatei() {
    TWechsel<bool> kommentare(Kommentare, false);
    TWechsel<uint8_t> stellen(Stellen, VergleichsStellen);
    FuerJedenFall("FlaechenTest", true, [](const std::string& zeile) {
        TTerm* f = Feldterm("f=", zeile);
        if (!f) return;
        TTerm* g = Feldterm("g=", zeile);
        TTerm* a = Grenze(Feld("a=", zeile));
        TTerm* b = Grenze(Feld("b=", zeile));
        const std::string erwartetS = OhneLeerzeichen(Feld("S=", zeile));
        const std::string erwartetA = OhneLeerzeichen(Feld("A=", zeile));
        // Every case computes its own points of intersection.
        Schnittstellenliste = Neu<TSListe>();
        TTerm* A = Flaechenberechnung(f, g, a, b);
        SortiereSListe(Schnittstellenliste, true);
        std::string s;
        for (Int32 i = 1; i <= Schnittstellenliste->Anzahl; ++i) {
            if (i > 1) s += ",";
            s += Zahltext(Schnittstellenliste->Stellen[i]->Punkt);
        }
        const std::string flaeche = Zahltext(A);
        SchreibeTextTerm("Flächeninhalt zwischen dem Graphen von f(x) = ", f);
        Schreibe(" und ");
        if (g)
            SchreibeTextTerm("dem Graphen von g(x) = ", g);
        else
            Schreibe("der x-Achse ");
        Schreibe("  in   ");
        SchreibeIntervall(a, b);
        Schreibe(" S=" + s + " A=" + flaeche);
        if (s == erwartetS && ZahlGleich(flaeche, erwartetA))
            SchreibeZeile(" OK");
        else
            SchreibeZeile(" statt S=" + erwartetS + ", A=" + erwartetA + " nicht OK");
    });
}

void TesteIntegralDatei() {
    TWechsel<bool> kommentare(Kommentare, false);
    TWechsel<uint8_t> stellen(Stellen, VergleichsStellen);
    bool alleOK = true;
    FuerJedenFall("IntegralTest", true, [&alleOK](const std::string& zeile) {
        TTerm* f = Feldterm("f=", zeile);
        if (!f) return;
        TTerm* a = Grenze(Feld("a=", zeile));
        TTerm* b = Grenze(Feld("b=", zeile));
        const std::string erwartet = OhneLeerzeichen(Feld("I=", zeile));
        const std::string berechnet = Zahltext(IntegralVon(f, a, b));
        if (ZahlGleich(berechnet, erwartet)) return;
        alleOK = false;
        SchreibeIntegralzeichen(a, b);
        SchreibeTerm(f);
        Schreibe(" d" + VariablenText() + " = " + berechnet + " statt " + erwartet);
        SchreibeZeile(" nicht OK");
    });
    if (alleOK) SchreibeZeile("alle OK");
}

void TesteVereinfachungDatei() {
    TGesamtzeit gesamt;
    FuerJedenFall("Vereinfachen", false, [](const std::string& zeile) {
        TTerm* T = TermAusString(zeile);
        if (!T) throw ETermFehler("Term: " + zeile + " syntaktisch nicht OK");
        BeginneSchritt("Teste Vereinfachungen von:", T);
        NeueZeile();
        auto stufe = [T](void (*schritt)(TTerm*&), const char* name) {
            StarteZeitmessung();
            TTerm* S = T;
            schritt(S);
            SchreibeTextTerm(name, S);
            SchreibeZeitmessung();
            return S;
        };
        stufe(Kumuliere, "Kumulieren: ");
        stufe(VereinfacheTermDurchSubstitution, "VereinfacheTermDurchSubstitution: ");
        stufe(VereinfacheTermDurchTransformation, "VereinfacheTermDurchTransformation: ");
        stufe(VereinfacheTermRekursiv, "VereinfacheTermRekursiv: ");
        TTerm* ergebnis = stufe(VereinfacheTerm, "VereinfacheTerm: ");
        BeendeSchritt("VereinfacheTerm=", ergebnis);
    });
    gesamt.Schreibe();
}

void TesteSymmetrieDatei() {
    TWechsel<bool> kommentare(Kommentare, false);
    bool alleOK = true;
    FuerJedenFall("SymmetrieTest", true, [&alleOK](const std::string& zeile) {
        TTerm* f = Feldterm("f=", zeile);
        if (!f) return;
        TWahrheitswert achse = unklar, punkt = unklar;
        UntersucheSymmetrie(f, achse, punkt, false);
        auto vergleiche = [&](const char* art, TWahrheitswert berechnet, const std::string& erwartet) {
            if (IstWahrheitstext(erwartet) && Wahrheitstext(berechnet) == erwartet) return;
            alleOK = false;
            SchreibeTextTerm(art, f);
            SchreibeZeile(" ist angeblich " + Wahrheitstext(berechnet) + " statt " + erwartet);
        };
        vergleiche(" Achsensymmetrie von ", achse, OhneLeerzeichen(Feld("ASym=", zeile)));
        vergleiche(" Punktsymmetrie von ", punkt, OhneLeerzeichen(Feld("PSym=", zeile)));
    });
    if (alleOK) SchreibeZeile("Alles OK!");
}

void TesteWurzelDatei() {
    TWechsel<bool> kommentare(Kommentare, true);
    SchreibeUeberschrift(2, "WurzelTest");
    FuerJedenFall("WurzelTest", true, [](const std::string& zeile) {
        auto* r = AlsRationaleKonstante(Feldterm("r=", zeile));
        TTerm* g = Feldterm("g=", zeile);
        if (g) VereinfacheKonstantenTerm(g);
        auto* q = AlsRationaleKonstante(g);
        if (!r || !q || r->Bruch.Nenner != 1 || r->Bruch.Zaehler < 1 || r->Bruch.Zaehler > 1000) return;
        const Int32 n = Int32(r->Bruch.Zaehler);
        TTerm* W = WurzelAusRationalerZahl(q->Bruch, n);
        TTerm* potenz = Potenz(W, TBruch{n, 1});
        VereinfacheKonstantenTerm(potenz);
        SchreibeTextTerm("", WurzelTerm(g, n));
        SchreibeTextTerm(" = ", W);
        SchreibeTextTerm(" und ", PotenzTerm(W, Int64(n)));
        SchreibeTextTerm(" = ", potenz);
        SchreibeZeile(potenz->IstGleich(g) ? ", OK." : " gleich?");
    });
}

} // namespace zol
