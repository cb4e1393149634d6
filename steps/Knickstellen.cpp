#include "steps/Knickstellen.h"

#include <algorithm>
#include <cmath>
#include <unordered_set>
#include <vector>

#include "steps/Extremstellen.h"
#include "steps/Gleichungen.h"
#include "steps/Nullstel.h"
#include "term/Funktionen.h"
#include "term/Mengen.h"
#include "term/Punktlisten.h"
#include "term/Terme.h"
#include "term/Wurzeln.h"

namespace zol {

namespace {

constexpr Int32 MaxTiefe = 1000;

// The walk through a term: each subterm once, the points found in one list.
struct TSammler {
    TMenge* Bereich;
    TSListe* Punkte = NeueLeereListe();
    uint8_t Status = wahr;
    std::unordered_set<TTerm*> Besucht = {};

    void Uebernimm(TSListe* L, uint8_t s) {
        if (s != wahr) Status = unklar;
        for (Int32 i = 1; L && i <= L->Anzahl; ++i) {
            TTerm* p = L->Stellen[i]->Punkt;
            if (Punkte->Index(p) >= 1) continue;
            if (Punkte->Anzahl >= MaxStellen) {
                Status = unklar;
                return;
            }
            Punkte->Stellen[++Punkte->Anzahl] = Neu<TStelle>(p, 0);
        }
    }

    void Nullstellen(TTerm* u) {
        TSListe* L = nullptr;
        uint8_t s = unklar;
        SucheNullstellen(u, Bereich, L, false, s);
        Uebernimm(L, s);
    }

    // The x of Bereich with u(x) = c.
    void Loesungen(TTerm* u, TTerm* c) {
        TSListe* L = nullptr;
        uint8_t s = unklar;
        LoeseTermgleichung(u, c, Bereich, false, s, L);
        Uebernimm(L, s);
    }

    // A piecewise term's own points: where its condition c is 0, and where c reaches a point of a branch
    // (a function of c) on that branch's side of 0.
    void Verzweigung(TJoin* J) {
        Nullstellen(J->Bedingung);
        for (TTerm* zweig : {J->T1, J->T2}) {
            TSammler innen{IntervallR};
            innen.Sammle(zweig);
            if (innen.Status != wahr) Status = unklar;
            for (Int32 i = 1; i <= innen.Punkte->Anzahl; ++i) {
                TTerm* c = innen.Punkte->Stellen[i]->Punkt;
                Extended w = 0;
                if (WertBei(c, 0, w) && (zweig == J->T1 ? w < 0 : w > 0)) Loesungen(J->Bedingung, c);
            }
        }
    }

    // Deeper than MaxTiefe the walk stops, and the list is not called complete.
    void Sammle(TTerm* T, Int32 Tiefe = 0) {
        if (!T || T->IstKonstant || IstVariable(T) || !Besucht.insert(T).second) return;
        if (Tiefe > MaxTiefe) {
            Status = unklar;
            return;
        }
        if (TOperatorTerm* o = AlsOperatorTerm(T)) {
            Sammle(o->T1, Tiefe + 1);
            Sammle(o->T2, Tiefe + 1);
        } else if (TJoin* j = AlsJoin(T)) {
            Sammle(j->Bedingung, Tiefe + 1);
            Verzweigung(j);
        } else if (auto* f = dynamic_cast<TFunktion*>(T)) {
            TTerm* u = f->Argument;
            Sammle(u, Tiefe + 1);
            const TPotenz* p = AlsPotenzTerm(T);
            // A power u^e with 0 < e < 1 has the derivative e*u^(e-1), which has no value where u is 0.
            if (IstWurzel(T) || IstStandardFunktion(T, "abs") || IstStandardFunktion(T, "sqrt") ||
                (p && p->Exponent.Zaehler > 0 && p->Exponent.Zaehler < p->Exponent.Nenner))
                Nullstellen(u);
            if (IstStandardFunktion(T, "arcsin") || IstStandardFunktion(T, "arccos")) {
                Loesungen(u, Eins);
                Loesungen(u, MinusEins);
            }
        }
    }
};

// The distances from x at which the helpers below look at a term: from 1e-4 down to 1e-10 of x's size.
std::vector<Extended> Abstaende(Extended x) {
    const Extended s = std::max<Extended>(1, std::fabs(x));
    return {s * 1e-4L, s * 1e-6L, s * 1e-8L, s * 1e-10L};
}

} // namespace

void SucheKnickstellen(TTerm* F, TMenge* Bereich, TSListe*& Liste, uint8_t& Status) {
    TSammler sammler{Bereich};
    sammler.Sammle(F);
    Liste = sammler.Punkte;
    Status = sammler.Status;
}

bool BeidseitigDefiniert(TTerm* T, Extended x) {
    Extended w = 0;
    return WertBei(T, x, w) && BeidseitsNaheDefiniert(T, x);
}

bool BeidseitsNaheDefiniert(TTerm* T, Extended x) {
    Extended w = 0;
    for (Extended h : Abstaende(x))
        if (!WertBei(T, x - h, w) || !WertBei(T, x + h, w)) return false;
    return true;
}

bool HatBeidseitigenGrenzwert(TTerm* T, Extended x) {
    Extended groesste = 0, letzte = 0, links = 0, rechts = 0;
    for (Extended h : Abstaende(x)) {
        if (!WertBei(T, x - h, links) || !WertBei(T, x + h, rechts)) return false;
        letzte = std::fabs(rechts - links);
        groesste = std::max(groesste, letzte);
    }
    // A jump keeps its height as the points close in; a continuous T loses nearly all of it.
    return letzte <= 1e-6L * (1 + std::fabs(rechts)) || letzte <= groesste / 10;
}

} // namespace zol
