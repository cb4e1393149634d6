#include "term/Terme.h"

#include <utility>
#include <vector>

#include "algebra/LineareGleichungssysteme.h"
#include "algebra/NormalFormen.h"
#include "algebra/PPolynome.h"
#include "plattform/Strom.h"
#include "term/KomplexeZahlen.h"
#include "term/Mengen.h"
#include "term/Radikale.h"
#include "term/TermManager.h"
#include "term/Termarithmetik.h"
#include "term/Termstrom.h"

namespace zol {

TRationaleKonstante* Null = nullptr;
TRationaleKonstante* Eins = nullptr;
TRationaleKonstante* MinusEins = nullptr;
TRationaleKonstante* Zwei = nullptr;
TRationaleKonstante* Drei = nullptr;
TRationaleKonstante* Vier = nullptr;
TRationaleKonstante* EinHalb = nullptr;
TRationaleKonstante* MinusEinHalb = nullptr;
TRationaleKonstante* EinDrittel = nullptr;
TRationaleKonstante* MinusEinDrittel = nullptr;
TRationaleKonstante* EinViertel = nullptr;
TVariable* VariableX = nullptr;

const Int32 Primzahlen[169] = {
    0,   2,   3,   5,   7,   11,  13,  17,  19,  23,  29,  31,  37,  41,  43,  47,  53,  59,  61,
    67,  71,  73,  79,  83,  89,  97,  101, 103, 107, 109, 113, 127, 131, 137, 139, 149, 151, 157,
    163, 167, 173, 179, 181, 191, 193, 197, 199, 211, 223, 227, 229, 233, 239, 241, 251, 257, 263,
    269, 271, 277, 281, 283, 293, 307, 311, 313, 317, 331, 337, 347, 349, 353, 359, 367, 373, 379,
    383, 389, 397, 401, 409, 419, 421, 431, 433, 439, 443, 449, 457, 461, 463, 467, 479, 487, 491,
    499, 503, 509, 521, 523, 541, 547, 557, 563, 569, 571, 577, 587, 593, 599, 601, 607, 613, 617,
    619, 631, 641, 643, 647, 653, 659, 661, 673, 677, 683, 691, 701, 709, 719, 727, 733, 739, 743,
    751, 757, 761, 769, 773, 787, 797, 809, 811, 821, 823, 827, 829, 839, 853, 857, 859, 863, 877,
    881, 883, 887, 907, 911, 919, 929, 937, 941, 947, 953, 967, 971, 977, 983, 991, 997,
};

void TTerm::Freigeben() {
    if (!Normalform) return;
    if (Normalform->Kennung != "nil") Normalform->Referenzen -= 1;
    Normalform = nullptr;
}

void TTerm::SetzeText(std::initializer_list<std::string_view> Teile) {
    size_t laenge = 0;
    for (std::string_view t : Teile) laenge += t.size();
    if (Text.size() == laenge) {
        size_t stelle = 0;
        bool gleich = true;
        for (std::string_view t : Teile) {
            gleich = gleich && Text.compare(stelle, t.size(), t) == 0;
            stelle += t.size();
        }
        if (gleich) return;
    }
    std::string neu;
    neu.reserve(laenge);
    for (std::string_view t : Teile) neu += t;
    Text = std::move(neu);
    ++Textstand;
}

void TTerm::HoleNormalform() {
    if (Normalform) return;
    bool neu = false;
    MerkeCache(this);
    Normalform = zol::Normalform(this, neu);
    if (Normalform) Normalform->Referenzen = 1;
}

void TTerm::Symmetrie(TWahrheitswert& Achsensymmetrisch, TWahrheitswert& Punktsymmetrisch, bool) {
    if (IstKonstant) {
        Achsensymmetrisch = wahr;
        Punktsymmetrisch = IstNull() ? wahr : falsch;
    } else {
        Achsensymmetrisch = unklar;
        Punktsymmetrisch = unklar;
    }
}

TTerm* TTerm::Integral(TTerm*, TTerm*) {
    return nullptr;
}

TTerm* TTerm::Ersetze(TTerm* Alt, TTerm* Neu) {
    TTerm* ergebnis = IstGleich(Alt) ? Neu : this;
    if (ergebnis) ergebnis->Aktualisiere();
    return ergebnis;
}

TTerm* TTerm::Negation() {
    return Produkt(MinusEins, this);
}

void TTerm::SchreibeInStream(TStrom& S) {
    SchreibeGeschuetzt(TermSchreibfehlerText(Kennung), [&] { SchreibeKennung(S); });
}

void TTerm::SchreibeKennung(TStrom& S) {
    SchreibeKennungssatz(S, Kennung, Funktionsarten);
}

namespace {

struct TDauerzustand {
    TTerm* Term;
    TNormalform* Normalform;
    TTerm* Vereinfacht;
    uint8_t Zustand;
    // The count of the attached form: folding a shared constant during a request releases it.
    Int32 Referenzen;
};
std::vector<TDauerzustand> Dauerzustaende;

std::vector<TTerm*> GemeinsameTerme() {
    return {Null,         Eins,       MinusEins,       Zwei,       Drei,     Vier, EinHalb,
            MinusEinHalb, EinDrittel, MinusEinDrittel, EinViertel, VariableX};
}

} // namespace

void InitialisiereTerme() {
    if (Null) return;
    InitialisiereMengen();
    {
        DauerhaftAnlegen dauerhaft;
        Null = Neu<TRationaleKonstante>(TBruch{0, 1});
        Eins = Neu<TRationaleKonstante>(TBruch{1, 1});
        MinusEins = Neu<TRationaleKonstante>(TBruch{-1, 1});
        Zwei = Neu<TRationaleKonstante>(TBruch{2, 1});
        Drei = Neu<TRationaleKonstante>(TBruch{3, 1});
        Vier = Neu<TRationaleKonstante>(TBruch{4, 1});
        EinHalb = Neu<TRationaleKonstante>(TBruch{1, 2});
        MinusEinHalb = Neu<TRationaleKonstante>(TBruch{-1, 2});
        EinDrittel = Neu<TRationaleKonstante>(TBruch{1, 3});
        MinusEinDrittel = Neu<TRationaleKonstante>(TBruch{-1, 3});
        EinViertel = Neu<TRationaleKonstante>(TBruch{1, 4});
        VariableX = Neu<TVariable>('x');
        InitialisiereKomplexeZahlen();

        TRand nullOffen{Null, true};
        TRand nullGeschlossen{Null, false};
        IntervallPositiv = Neu<TIntervall>(nullOffen, UnendlichRand);
        IntervallNegativ = Neu<TIntervall>(UnendlichRand, nullOffen);
        IntervallNichtNegativ = Neu<TIntervall>(nullGeschlossen, UnendlichRand);
        PositiveMenge = Neu<TIMenge>(IntervallPositiv);
        NichtNegativeMenge = Neu<TIMenge>(IntervallNichtNegativ);
        RohneNull = Neu<TIMenge>(IntervallNegativ);
        RohneNull->Anhaengen(IntervallPositiv);
    }
    InitialisierePolynome();
    LGSVorzeichen = Eins;
    {
        // The polynomial forms of 0, 1 and x stay attached for the whole run (count 0: never released).
        DauerhaftAnlegen dauerhaft;
        Null->Normalform = Neu<TPolynomTerm>(NullPolynom);
        Eins->Normalform = Neu<TPolynomTerm>(EinsPolynom);
        VariableX->Normalform = Neu<TPolynomTerm>(XPolynom);
    }
    InitialisiereRadikale();
    InitialisierePPolynome();
    MerkeDauerhafteTerme();
}

void MerkeDauerhafteTerme() {
    Dauerzustaende.clear();
    for (TTerm* t : GemeinsameTerme())
        Dauerzustaende.push_back(
            {t, t->Normalform, t->Vereinfacht, t->Zustand, t->Normalform ? t->Normalform->Referenzen : 0});
}

void SetzeDauerhafteTermeZurueck() {
    for (const TDauerzustand& d : Dauerzustaende) {
        d.Term->Normalform = d.Normalform;
        d.Term->Vereinfacht = d.Vereinfacht;
        d.Term->Zustand = d.Zustand;
        if (d.Normalform) d.Normalform->Referenzen = d.Referenzen;
    }
}

} // namespace zol
