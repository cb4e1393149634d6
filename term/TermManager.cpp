#include "term/TermManager.h"

#include <algorithm>
#include <vector>

#include "plattform/Oberflaeche.h"
#include "term/Funktionen.h"
#include "term/Radikale.h"
#include "term/Terme.h"
#include "term/Wurzeln.h"

namespace zol {

TTermKnoten* Termspeicher = nullptr;

namespace {

enum class TRichtung { Gefunden, Links, Rechts };

// Follows the decisions of one kind of term from the root: nil with the node's term in Gefunden when
// an equal term is there, else the empty place where the search ends.
template <class Entscheidung> TTermKnoten** Platz(Entscheidung& entscheide, TTerm*& Gefunden) {
    Gefunden = nullptr;
    TTermKnoten** platz = &Termspeicher;
    while (*platz) {
        TRichtung r = entscheide(**platz);
        if (r == TRichtung::Gefunden) {
            Gefunden = (*platz)->Term;
            return nullptr;
        }
        platz = r == TRichtung::Links ? &(*platz)->Links : &(*platz)->Rechts;
    }
    return platz;
}

void Einhaengen(TTermKnoten** platz, TTerm* T) {
    TTermKnoten* knoten = Neu<TTermKnoten>();
    knoten->Term = T;
    knoten->Knotenzahl = T->Knotenzahl;
    knoten->Text = T->Text;
    *platz = knoten;
}

// The stored term that the decisions find, or a new one built and inserted at the end of the search.
// Building may itself use the store, so the place is looked up again afterwards; when the nested work
// inserted an equal term meanwhile, that one is the result.
template <class Entscheidung, class Bau> TTerm* Suche(Entscheidung entscheide, Bau baue) {
    TTerm* gefunden = nullptr;
    if (!Platz(entscheide, gefunden)) return gefunden;
    TTerm* neu = baue();
    TTermKnoten** platz = Platz(entscheide, gefunden);
    if (!platz) return gefunden;
    Einhaengen(platz, neu);
    return neu;
}

// The decision for a composite term with the key (knotenzahl, text); gleich tells whether the node's
// term has the very children (and own fields) asked for. A key hit with other children is passed by as
// a greater key, so a later search for it retraces the same path.
template <class Gleich>
auto ZusammengesetztEntscheidung(Int32 knotenzahl, const std::string& text, Gleich gleich) {
    return [knotenzahl, &text, gleich](const TTermKnoten& k) {
        if (k.Knotenzahl < knotenzahl) return TRichtung::Rechts;
        if (k.Knotenzahl > knotenzahl) return TRichtung::Links;
        int vergleich = k.Text.compare(text);
        if (vergleich == 0 && gleich(k.Term)) return TRichtung::Gefunden;
        return vergleich <= 0 ? TRichtung::Rechts : TRichtung::Links;
    };
}

TTerm* GemeinsameKonstante(const TBruch& B) {
    if (B.Nenner == 1) {
        switch (B.Zaehler) {
        case -1:
            return MinusEins;
        case 0:
            return Null;
        case 1:
            return Eins;
        case 2:
            return Zwei;
        case 3:
            return Drei;
        case 4:
            return Vier;
        default:
            return nullptr;
        }
    }
    if (B.Zaehler == 1) {
        switch (B.Nenner) {
        case 2:
            return EinHalb;
        case 3:
            return EinDrittel;
        case 4:
            return EinViertel;
        default:
            return nullptr;
        }
    }
    return nullptr;
}

// Frees the terms of the tree, each node's term before its left and then its right subtree. An error
// while freeing one term is reported to the debugger output and the walk goes on.
void FreigebenAlle(TTermKnoten* wurzel) {
    std::vector<TTermKnoten*> offen;
    if (wurzel) offen.push_back(wurzel);
    while (!offen.empty()) {
        TTermKnoten* knoten = offen.back();
        offen.pop_back();
        TTerm* T = knoten->Term;
        try {
            if (T) T->Freigeben();
        } catch (...) {
            Oberflaeche().DebugAusgabe("free:" + (T ? T->Text : std::string()));
        }
        if (knoten->Rechts) offen.push_back(knoten->Rechts);
        if (knoten->Links) offen.push_back(knoten->Links);
    }
}

} // namespace

TTerm* RationaleKonstante(const TBruch& B) {
    TBruch r = B;
    Brueche::Kuerze(r);
    if (TTerm* gemeinsam = GemeinsameKonstante(r)) return gemeinsam;
    auto entscheide = [&r](const TTermKnoten& k) {
        if (k.Knotenzahl >= 1) return TRichtung::Links;
        if (k.Term->HatWert(r)) return TRichtung::Gefunden;
        auto* q = AlsRationaleKonstante(k.Term);
        if (q && Brueche::Kleiner(r, q->Bruch)) return TRichtung::Links;
        return TRichtung::Rechts;
    };
    return Suche(entscheide, [&r]() -> TTerm* { return Neu<TRationaleKonstante>(r); });
}

TTerm* Bruchkonstante(Int64 Zaehler, Int64 Nenner) {
    return RationaleKonstante(TBruch{Zaehler, Nenner});
}

TTerm* RadikalKonstante(const TRadikal& R) {
    return RadikalKonstante(R, RadikalToStr(R));
}

TTerm* RadikalKonstante(const TRadikal& R, const std::string& Text) {
    auto entscheide = [&R, &Text](const TTermKnoten& k) {
        if (k.Knotenzahl >= 1) return TRichtung::Links;
        auto* rad = AlsRadikalKonstante(k.Term);
        if (rad && RGleich(rad->Radikal, R)) return TRichtung::Gefunden;
        if (rad && Text < rad->Text) return TRichtung::Links;
        return TRichtung::Rechts;
    };
    return Suche(entscheide, [&R]() -> TTerm* { return Neu<TRadikalKonstante>(R); });
}

TTerm* BenannteKonstante(const std::string& name) {
    const std::string n = Links(name, 6);
    auto entscheide = [&n](const TTermKnoten& k) {
        if (k.Knotenzahl >= 1) return TRichtung::Links;
        const TTerm* T = k.Term;
        if (T->Typrang == RangBenannt && T->Kennung == n) return TRichtung::Gefunden;
        if (T->Typrang == RangRadikal) return TRichtung::Links;
        if (T->Typrang == RangBenannt && T->Kennung > n) return TRichtung::Links;
        return TRichtung::Rechts;
    };
    return Suche(entscheide, [&n]() -> TTerm* { return Neu<TBenannteKonstante>(n); });
}

TTerm* ReelleKonstante(Extended wert) {
    auto entscheide = [wert](const TTermKnoten& k) {
        if (k.Knotenzahl >= 1) return TRichtung::Links;
        const TTerm* T = k.Term;
        if (T->Typrang == RangReell) {
            Extended z = static_cast<const TReelleKonstante*>(T)->Zahl;
            if (z == wert) return TRichtung::Gefunden;
            return z > wert ? TRichtung::Links : TRichtung::Rechts;
        }
        if (T->Typrang == RangRadikal || T->Typrang == RangBenannt) return TRichtung::Links;
        return TRichtung::Rechts;
    };
    return Suche(entscheide, [wert]() -> TTerm* { return Neu<TReelleKonstante>(wert); });
}

TTerm* OperatorTerm(TTerm* T1, TTerm* T2, char op) {
    if (!T1 || !T2) return nullptr;
    const Int32 knotenzahl = T1->Knotenzahl + T2->Knotenzahl + 1;
    const std::string text = "(" + T1->Text + op + T2->Text + ")";
    auto gleich = [T1, T2, op](TTerm* T) {
        auto* o = AlsOperatorTerm(T);
        return o && o->T1 == T1 && o->T2 == T2 && o->Operator == op;
    };
    return Suche(ZusammengesetztEntscheidung(knotenzahl, text, gleich),
                 [T1, T2, op]() -> TTerm* { return Neu<TOperatorTerm>(T1, op, T2); });
}

TTerm* PotenzTerm(TTerm* basis, const TBruch& exponent) {
    if (!basis) return nullptr;
    TBruch e = exponent;
    Brueche::Kuerze(e);
    const Int32 knotenzahl = basis->Knotenzahl + 1;
    const std::string text = "(" + basis->Text + "^" + Brueche::BruchToStr(e) + ")";
    auto gleich = [basis, &e](TTerm* T) {
        auto* p = AlsPotenzTerm(T);
        return p && p->Argument == basis && Brueche::Gleich(p->Exponent, e);
    };
    return Suche(ZusammengesetztEntscheidung(knotenzahl, text, gleich),
                 [basis, &e]() -> TTerm* { return Neu<TPotenz>(basis, e); });
}

TTerm* PotenzTerm(TTerm* basis, Int64 exponent) {
    return PotenzTerm(basis, TBruch{exponent, 1});
}

TTerm* WurzelTerm(TTerm* radikand, Int32 index) {
    if (!radikand) return nullptr;
    const Int32 knotenzahl = radikand->Knotenzahl + 1;
    const std::string text = "(" + radikand->Text + "\u00b0" + std::to_string(index) + ")";
    auto gleich = [radikand, index](TTerm* T) {
        auto* w = AlsWurzel(T);
        return w && w->Argument == radikand && w->Grad == index;
    };
    return Suche(ZusammengesetztEntscheidung(knotenzahl, text, gleich),
                 [radikand, index]() -> TTerm* { return Neu<TWurzel>(radikand, index); });
}

TTerm* StandardFunktionTerm(const std::string& name, TTerm* argument) {
    if (!argument) return nullptr;
    const std::string n = Links(name, 6);
    const Int32 knotenzahl = argument->Knotenzahl + 1;
    const std::string text = n + "(" + argument->Text + ")";
    auto gleich = [argument, &n](TTerm* T) {
        auto* f = AlsStandardFunktion(T);
        return f && f->Argument == argument && f->Kennung == n;
    };
    return Suche(ZusammengesetztEntscheidung(knotenzahl, text, gleich),
                 [argument, &n]() -> TTerm* { return Neu<TStandardFunktion>(n, argument); });
}

void TermEintragen(TTerm* T) {
    if (!T) return;
    TTermKnoten** platz = &Termspeicher;
    while (*platz) {
        TTerm* vorhanden = (*platz)->Term;
        if (vorhanden->IstKleiner(T))
            platz = &(*platz)->Rechts;
        else if (T->IstKleiner(vorhanden))
            platz = &(*platz)->Links;
        else
            return;
    }
    Einhaengen(platz, T);
}

namespace {

std::vector<TTermfreigabeBeobachter*>& Beobachter() {
    static std::vector<TTermfreigabeBeobachter*> liste;
    return liste;
}

} // namespace

TTermfreigabeBeobachter::TTermfreigabeBeobachter(std::function<void()> aktion) : Aktion(std::move(aktion)) {
    Beobachter().push_back(this);
}

TTermfreigabeBeobachter::~TTermfreigabeBeobachter() {
    std::erase(Beobachter(), this);
}

void AlleTermeFreigeben() {
    // Over a copy, asking each time: an action may end a watch.
    const std::vector<TTermfreigabeBeobachter*> beobachter = Beobachter();
    for (TTermfreigabeBeobachter* b : beobachter) {
        if (std::find(Beobachter().begin(), Beobachter().end(), b) == Beobachter().end()) continue;
        try {
            if (b->Aktion) b->Aktion();
        } catch (const std::exception& e) {
            Oberflaeche().DebugAusgabe(std::string("AlleTermeFreigeben: ") + e.what());
        } catch (...) {
        }
    }
    TTermKnoten* wurzel = Termspeicher;
    Termspeicher = nullptr;
    FreigebenAlle(wurzel);
    AnfrageArena().Leeren();
    SetzeDauerhafteTermeZurueck();
}

} // namespace zol
