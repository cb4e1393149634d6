#include "selftest/TestSuite.h"

#include <cstdio>
#include <filesystem>
#include <system_error>
#include <vector>

#include "algebra/NormalFormen.h"
#include "output/Ausgabe.h"
#include "output/Seiten.h"
#include "plattform/Oberflaeche.h"
#include "plattform/Strom.h"
#include "plattform/Textdatei.h"
#include "selftest/Testordner.h"
#include "steps/Allgemeines.h"
#include "term/Fehler.h"
#include "term/Mengen.h"
#include "term/TermManager.h"
#include "term/TermParser.h"
#include "term/Termarithmetik.h"
#include "term/Terme.h"
#include "term/Termstrom.h"

namespace zol {

namespace {

// The labels of a differing item (items 4, 8 and 12 are zero lists: the label of a differing point).
const char* const Bezeichnungen[16] = {
    "",
    "Termkonstruktion differeriert: ",
    "vereinfachter Term differeriert: ",
    "Normalform differeriert: ",
    "Nullstelle differeriert: ",
    "1.Ableitung differeriert: ",
    "Vereinfachung der 1.Ableitung differeriert: ",
    "1.Ableitung der Normalform differeriert: ",
    "Nullstelle der 1.Ableitung differeriert: ",
    "2.Ableitung differeriert: ",
    "Vereinfachung der 2.Ableitung differeriert: ",
    "2.Ableitung der Normalform differeriert: ",
    "Nullstelle der 2.Ableitung differeriert: ",
    "3.Ableitung differeriert: ",
    "Vereinfachung der 3.Ableitung differeriert: ",
    "3.Ableitung der Normalform differeriert: ",
};

// Where the items of the pipeline go: into the stream, or into the comparison with it.
class TAblage {
public:
    virtual ~TAblage() = default;
    virtual void Term(int Nr, TTerm* T) = 0;
    virtual void Liste(int Nr, TSListe* L) = 0;
};

// The zeros of T on the whole real line, without comments; nil for a missing T.
TSListe* NullstellenVon(TTerm* T) {
    TTTerm* t = AlsTTTerm(T);
    if (!t) return nullptr;
    TSListe* liste = nullptr;
    uint8_t status = 0;
    t->Nullstellen(IntervallR, liste, false, status);
    return liste;
}

// The derivative of a normal form; nil when there is none, also where it would pass the limits.
TNormalform* AbgeleiteteForm(TNormalform* N) {
    if (!N) return nullptr;
    try {
        TNormalform* A = N->Ableitung();
        return A && A->Kennung != "nil" ? A : nullptr;
    } catch (const EGradUeberschritten&) {
        return nullptr;
    } catch (const ERessourcen&) {
        return nullptr;
    }
}

// The 15 items of one term string, in order.
void Durchlauf(const std::string& s, TAblage& A) {
    TTerm* T = nullptr;
    try {
        T = TermAusString(s);
    } catch (const ETermFehler&) {
        T = nullptr;
    }
    if (!T) throw ETestMisslungen("Termstring s = " + s + " ungültig.");
    A.Term(1, T);
    Kumuliere(T);
    A.Term(2, T);
    T->HoleNormalform();
    TNormalform* N = T->Normalform;
    if (!N || N->Kennung == "nil") throw ETestMisslungen("Normalform nicht erzeugt.");
    TTerm* Tk = N->Term;
    A.Term(3, Tk);
    A.Liste(4, NullstellenVon(Tk));
    for (int k = 1; k <= 3; ++k) {
        const int nr = 1 + 4 * k;
        TTerm* D = Tk ? Tk->Ableitung() : nullptr;
        A.Term(nr, D);
        Kumuliere(D);
        A.Term(nr + 1, D);
        N = AbgeleiteteForm(N);
        Tk = N ? N->Term : nullptr;
        A.Term(nr + 2, Tk);
        if (k < 3) A.Liste(nr + 3, NullstellenVon(Tk));
    }
}

class TSchreiber : public TAblage {
public:
    explicit TSchreiber(TStrom& s) : S(s) {}
    void Term(int, TTerm* T) override { SchreibeTermInStream(T, S); }
    void Liste(int, TSListe* L) override { SchreibeNullstellenListe(L, S); }

private:
    TStrom& S;
};

bool Gleich(TTerm* a, TTerm* b) {
    return a ? (b && a->IstGleich(b)) : !b;
}

void SchreibeTermOderNil(TTerm* T) {
    if (T)
        SchreibeTerm(T);
    else
        Schreibe("nil");
}

class TVergleicher : public TAblage {
public:
    explicit TVergleicher(TStrom& s) : S(s) {}
    bool AllesOK = true;

    void Term(int Nr, TTerm* T) override {
        TTerm* gespeichert = LiesTermAusStream(S);
        if (Gleich(T, gespeichert)) return;
        AllesOK = false;
        Schreibe(Bezeichnungen[Nr]);
        SchreibeTermOderNil(T);
        Schreibe(" statt ");
        SchreibeTermOderNil(gespeichert);
        NeueZeile();
    }

    void Liste(int Nr, TSListe* L) override {
        TSListe* gespeichert = nullptr;
        LiesNullstellenListe(gespeichert, S);
        const Int32 anzahl = L ? L->Anzahl : -1;
        if (anzahl != gespeichert->Anzahl) {
            AllesOK = false;
            Schreibe("Anzahl der Nullstellen differiert: ");
            Schreibe(Int64(anzahl));
            Schreibe(" statt ");
            Schreibe(Int64(gespeichert->Anzahl));
            NeueZeile();
            return;
        }
        // After any difference of the run only the first point of a list is compared.
        for (Int32 i = 1; i <= anzahl && (i == 1 || AllesOK); ++i) {
            TStelle* neu = L->Stellen[i];
            TStelle* alt = gespeichert->Stellen[i];
            if (Gleich(neu->Punkt, alt->Punkt) && neu->Vielfachheit == alt->Vielfachheit) continue;
            AllesOK = false;
            Schreibe(Bezeichnungen[Nr]);
            Stelle(neu);
            Schreibe(" statt ");
            Stelle(alt);
        }
    }

private:
    static void Stelle(TStelle* P) {
        SchreibeTermOderNil(P->Punkt);
        Schreibe(" Vielfachheit:");
        Schreibe(Int64(P->Vielfachheit));
        NeueZeile();
    }
    TStrom& S;
};

// The state of a suite run: no comments, no indent, a fresh abort flag.
struct TSuitelauf {
    TWechsel<bool> KeineKommentare{Kommentare, false};
    TWechsel<Int32> KeinEinzug{Einrueckung, 0};
    TSuitelauf() { BenutzerAbbruch = false; }
};

// Each term string is computed as a request of its own would be: in an empty store with a full supply
// for its searches, so its results do not depend on the lines before it.
void NeuerFall() {
    AlleTermeFreigeben();
    SetzeAnalyseZurueck();
}

} // namespace

void SchreibeNullstellenListe(TSListe* Liste, TStrom& S) {
    const Int32 anzahl = Liste ? Liste->Anzahl : -1;
    S.SchreibeInt32(anzahl);
    for (Int32 i = 1; i <= anzahl; ++i) {
        TStelle* p = Liste->Stellen[i];
        SchreibeTermInStream(p->Punkt, S);
        S.SchreibeInt32(p->Vielfachheit);
    }
}

void LiesNullstellenListe(TSListe*& Liste, TStrom& S) {
    const Int32 anzahl = S.LiesInt32();
    if (anzahl < -1 || anzahl > MaxStellen) throw EZolFehler("Lesefehler im Datenstrom.");
    if (!Liste) Liste = Neu<TSListe>();
    Liste->Anzahl = anzahl;
    for (Int32 i = 1; i <= anzahl; ++i) {
        TTerm* punkt = LiesTermAusStream(S);
        Liste->Stellen[i] = Neu<TStelle>(punkt, S.LiesInt32());
    }
}

void UebernehmeTestSuite(const std::string& Termdatei, const std::string& Resultatdatei) {
    TSuitelauf lauf;
    const std::string ziel = ImTestordner(Resultatdatei);
    const std::string neu = ziel + ".neu";
    std::string s;
    try {
        const std::vector<std::string> zeilen = LiesTextzeilen(ImTestordner(Termdatei));
        TDateiStrom strom(neu, TDateiModus::Schreiben);
        TSchreiber schreiber(strom);
        for (const std::string& zeile : zeilen) {
            s = zeile;
            NeuerFall();
            Durchlauf(s, schreiber);
        }
        strom.Schliesse();
        std::error_code fehler;
        std::filesystem::rename(neu, ziel, fehler);
        if (fehler) throw EZolFehler("Datei kann nicht geschrieben werden: " + ziel);
    } catch (const std::exception& e) {
        std::remove(neu.c_str());
        Oberflaeche().Meldung(TMeldungsart::Warnung, "TestSuite mit s = " + s + " misslungen:" + e.what());
    }
}

void TesteTestSuite(const std::string& Termdatei, const std::string& Resultatdatei) {
    TSuitelauf lauf;
    try {
        const std::vector<std::string> zeilen = LiesTextzeilen(ImTestordner(Termdatei));
        TDateiStrom strom(ImTestordner(Resultatdatei), TDateiModus::Lesen);
        TVergleicher vergleicher(strom);
        for (const std::string& s : zeilen) {
            NeuerFall();
            Durchlauf(s, vergleicher);
        }
        if (!strom.AmEnde()) throw ETestMisslungen("Resultatdatei enthält weitere Einträge.");
        ZeichneSeite(0);
        if (vergleicher.AllesOK) Oberflaeche().Meldung(TMeldungsart::Information, "Testergebnisse OK");
    } catch (const std::exception& e) {
        try {
            ZeichneSeite(0);
        } catch (const std::exception&) {
        }
        Oberflaeche().Meldung(TMeldungsart::Warnung, std::string("TestSuite misslungen:") + e.what());
    }
}

} // namespace zol
