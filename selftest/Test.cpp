#include "selftest/Test.h"

#include <cmath>
#include <exception>

#include "output/Ausgabe.h"
#include "output/Protokoll.h"
#include "plattform/Oberflaeche.h"
#include "plattform/Textdatei.h"
#include "selftest/Test_Intern.h"
#include "selftest/Testordner.h"
#include "steps/Allgemeines.h"
#include "term/Arena.h"
#include "term/Mengen.h"
#include "term/TermParser.h"
#include "term/Terme.h"

namespace zol {

const char* const TestBeschriftungen[TestprozedurAnzahl] = {
    "Vereinfachte Wurzel von T",
    "Sinus, Cosinus, Tangens und Cotangens von k*pi/12",
    "Arcussinus, -cosinus und -tangens typischer Argumente",
    "1. - 8. komplexe Wurzel von T1+i*T2",
    "Komplexe pq-Formel von T",
    "Formel von Cardano von T",
    "Produktzerlegung von  Polynomen aus ZerlegungTest.txt",
    "Einfaches 3x3-LGS",
    "Partialbruchzerlegung der rationalen Funktion T",
    "Partielle Integration von T1*T2",
    "Integration von f durch Substitution von g",
    "Trigonometrische Normalform von T",
    "Umkehrfunktion von T",
    "T als rationale Funktion",
    "Rationale Normalform von T",
    "PolTrigNormalform von T",
    "Radikal- bzw. Wurzel-Normalform von T",
    "Rational-Trigonometrische Normalform von T",
    "Normalform von T",
    "Vereinfachung von T",
    "Terme aus SFAblTest.txt integrieren und wieder ableiten",
    "Terme aus SFTest.txt integrieren",
    "Nullstellen derTerme aus NSTest.txt bestimmen",
    "Vorzeichen der Terme aus EigenschaftenTest.txt bestimmen",
    "ZeigeTermBaum von T",
    "AllocMemSize vor und nach Erzeugen des Term-Baums und nach seiner Freigabe",
    "Die Ordnung von T1 zu T2",
    "Erfasse T und zeige Root",
    "Zerlege Terme aus PrimfaktorenTest.txt in Primfaktoren",
    "Teste Flächeninhalte",
    "bestimmte Integrale",
    "Vereinfache Terme aus Vereinfachung.txt",
    "Vereinfachung der Menge M",
    "Symmetrien aus SymmetrieTest",
    "Wurzel aus  WurzelTest.txt testen",
    "TempTest",
};

Int32 TestAuswahl = 0;
TTestFenster TestFenster;

void HoleFeld(const std::string& Key, const std::string& Zeile, std::string& Wert) {
    Wert.clear();
    if (Key.empty()) return;
    const size_t anfang = Zeile.find(Key);
    if (anfang == std::string::npos) return;
    Int32 tiefe = 0;
    size_t ende = anfang;
    for (; ende < Zeile.size(); ++ende) {
        if (Zeile[ende] == '(')
            ++tiefe;
        else if (Zeile[ende] == ')')
            --tiefe;
        else if (Zeile[ende] == ';' && tiefe == 0)
            break;
    }
    const std::string feld = Zeile.substr(anfang, ende - anfang);
    const size_t gleich = feld.find('=');
    Wert = gleich == std::string::npos ? feld : feld.substr(gleich + 1);
}

std::vector<std::string> LiesTestdatei(const std::string& Name) {
    return LiesTextzeilen(ImTestordner(Name + ".txt"));
}

void FuerJedenFall(const std::string& Name, bool MitUeberschriften,
                   const std::function<void(const std::string&)>& Fall) {
    for (const std::string& zeile : LiesTestdatei(Name)) {
        if (!zeile.empty() && zeile.front() == '"') {
            if (MitUeberschriften) SchreibeZeile(zeile.substr(1));
            continue;
        }
        if (zeile.empty() || zeile.front() == ' ') continue;
        Fall(zeile);
    }
}

std::vector<std::string> Werte(const std::string& Zeile) {
    std::vector<std::string> teile;
    size_t anfang = 0;
    while (true) {
        const size_t ende = Zeile.find(';', anfang);
        teile.push_back(Zeile.substr(anfang, ende == std::string::npos ? std::string::npos : ende - anfang));
        if (ende == std::string::npos) return teile;
        anfang = ende + 1;
    }
}

TTerm* TermOderNil(const std::string& Text) {
    for (char c : Text)
        if (c != ' ') return TermAusString(Text);
    return nullptr;
}

Extended ZahlWert(TTerm* T) {
    bool definiert = false;
    const Extended w = T ? T->Wert(0, definiert) : 0;
    return definiert && std::isfinite(w) ? w : NAN;
}

bool LiesZahl(const std::string& Text, Extended& Wert) {
    std::string s;
    for (char c : Text)
        if (c != ' ') s += c == ',' ? '.' : c;
    if (s.empty()) return false;
    size_t gelesen = 0;
    try {
        Wert = std::stold(s, &gelesen);
    } catch (const std::exception&) {
        return false;
    }
    return gelesen == s.size() && std::isfinite(Wert);
}

bool GleichAufVierStellen(Extended a, Extended b) {
    return std::fabs(a - b) <= 0.5e-4L + 1e-12L * std::max<Extended>(1, std::fabs(a));
}

std::string Wahrheitstext(TWahrheitswert w) {
    return w == falsch ? "falsch" : w == wahr ? "wahr" : "unklar";
}

void TesteProzedur(const std::string& T) {
    try {
        Schnittstellenliste = Neu<TSListe>();
        StarteZeitmessung();
        switch (TestAuswahl) {
        case 0:
            TesteWurzelVereinfachung(T);
            break;
        case 1:
            TesteTrigTabelle();
            break;
        case 2:
            TesteArcusTabelle();
            break;
        case 3:
            TesteKomplexeWurzeln(T);
            break;
        case 4:
            TesteKomplexePQFormel(T);
            break;
        case 5:
            TesteCardano(T);
            break;
        case 6:
            TesteZerlegungDatei();
            break;
        case 7:
            TesteLGS();
            break;
        case 8:
            TestePartialbrueche(T);
            break;
        case 9:
            TestePartielleIntegration(T);
            break;
        case 10:
            TesteSubstitution(T);
            break;
        case 11:
            TesteTrigNormalform(T);
            break;
        case 12:
            TesteUmkehrfunktion(T);
            break;
        case 13:
            TesteRationaleFunktion(T);
            break;
        case 14:
            TesteRationaleNormalform(T);
            break;
        case 15:
            TestePolTrigNormalform(T);
            break;
        case 16:
            TesteWurzelNormalform(T);
            break;
        case 17:
            TesteRatTrigNormalform(T);
            break;
        case 18:
            TesteNormalform(T);
            break;
        case 19:
            TesteVereinfachung(T);
            break;
        case 20:
            TesteStammfunktionAbleitung();
            break;
        case 21:
            TesteStammfunktionDatei();
            break;
        case 22:
            TesteNullstellenDatei();
            break;
        case 23:
            TesteEigenschaftenDatei();
            break;
        case 24:
            TesteFesterTerm();
            break;
        case 25:
            TesteSpeicherbedarf(T);
            break;
        case 26:
            TesteOrdnung(T);
            break;
        case 27:
            TesteTermEintragen(T);
            break;
        case 28:
            TestePrimfaktorenDatei();
            break;
        case 29:
            TesteFlaechenDatei();
            break;
        case 30:
            TesteIntegralDatei();
            break;
        case 31:
            TesteVereinfachungDatei();
            break;
        case 32:
            TesteMengenVereinfachung(T);
            break;
        case 33:
            TesteSymmetrieDatei();
            break;
        case 34:
            TesteWurzelDatei();
            break;
        case 35:
            TesteFesterTerm();
            break;
        default:
            TestePTNF(T);
            break;
        }
        SchreibeZeitmessung();
    } catch (const std::exception& e) {
        Oberflaeche().Meldung(TMeldungsart::Warnung, std::string("Test misslungen! ") + e.what());
    }
}

} // namespace zol
