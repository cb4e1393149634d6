// The search for an antiderivative over chains of integration by parts and substitution: best first by the
// node count of the integrand each rule leaves, in at most four expansion layers, until an integrand can be
// integrated directly. The chain found is then written with comments and its result composed.
#include <algorithm>
#include <array>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "algebra/NormalFormen.h"
#include "algebra/PartialBrueche.h"
#include "algebra/Protokollblock.h"
#include "algebra/Vereinfachung.h"
#include "output/Ausgabe.h"
#include "output/Protokoll.h"
#include "plattform/Oberflaeche.h"
#include "term/Arbeit.h"
#include "steps/Integral.h"
#include "term/Fehler.h"
#include "term/Punktlisten.h"
#include "term/TermManager.h"
#include "term/Termarithmetik.h"
#include "term/Terme.h"

namespace zol {

Int32 MaxSuchknoten = 1000;

namespace {

// The most steps of work that the simplifier's searches may take from the request's supply during one
// integration search: a search over many candidates must not leave the later steps of the request without.
constexpr Int64 Integrationsvorrat = 100000;
// The steps of work one integration search may take in all: past them it ends as one that found nothing.
constexpr Int64 Integrationsbudget = 1500000;

// While it lives, the simplifier's searches take their steps from a share of the request's supply of at most
// Integrationsvorrat steps; what they take is then taken from the request's supply.
class TSuchanteil {
public:
    TSuchanteil() : Anteil(std::min(Integrationsvorrat, Suchvorrat())), Eigener(std::in_place, Anteil) {}
    ~TSuchanteil() {
        const Int64 verbraucht = Anteil - Suchvorrat();
        Eigener.reset();
        VerbraucheSuchvorrat(verbraucht);
    }
    TSuchanteil(const TSuchanteil&) = delete;
    TSuchanteil& operator=(const TSuchanteil&) = delete;

private:
    Int64 Anteil;
    std::optional<TEigenerSuchvorrat> Eigener;
};

// True while a search runs: an integral reached from inside it (a term's own integral) starts none.
bool SucheLaeuft = false;

void Protokollzeile(const std::string& s) {
    if (ProtokollIntegral) SchreibeZeile(s);
}

// The message loop once; true when the user has aborted.
bool Abgebrochen() {
    Oberflaeche().VerarbeiteNachrichten();
    return BenutzerAbbruch;
}

struct TKnoten : TSuchknoten {
    // The Ersatzterm without its rational factor, and the factors of that rest.
    TTerm* Rest = nullptr;
    std::vector<TTerm*> Restfaktoren;
};

TKnoten* Knoten(TSuchknoten* k) {
    return static_cast<TKnoten*>(k);
}

// T without its rational factor (KMK), and the factors of what remains; T itself where the factor overflows.
void OhneFaktor(TTerm* T, TKnoten& K) {
    TTerm* t = T;
    TBruch f;
    K.Rest = T;
    if (!Versuche([&] { KMK(t, K.Rest, f); })) K.Rest = T;
    std::vector<TTerm*> offen{K.Rest};
    while (!offen.empty()) {
        TTerm* s = offen.back();
        offen.pop_back();
        if (auto* o = AlsOperatorTerm(s); o && o->Operator == '*') {
            offen.push_back(o->T2);
            offen.push_back(o->T1);
        } else {
            K.Restfaktoren.push_back(s);
        }
    }
}

// The two rests are equal, products factor by factor in any order: the simplifier keeps a product in the
// order it was built (e^x*cos(x) and -cos(x)*e^x differ only by the factor -1).
bool GleicherRest(const TKnoten& A, const TKnoten& B) {
    if (A.Rest->Knotenzahl != B.Rest->Knotenzahl || A.Restfaktoren.size() != B.Restfaktoren.size())
        return false;
    if (A.Rest->IstGleich(B.Rest)) return true;
    std::vector<bool> vergeben(B.Restfaktoren.size(), false);
    for (TTerm* f : A.Restfaktoren) {
        size_t j = 0;
        while (j < B.Restfaktoren.size() && (vergeben[j] || !f->IstGleich(B.Restfaktoren[j]))) ++j;
        if (j == B.Restfaktoren.size()) return false;
        vergeben[j] = true;
    }
    return true;
}

class TSuche {
public:
    TSuche(TTerm* T, TTerm* a, TTerm* b, Int32 stufe)
        : Stufe(stufe), Grenze(stufe >= 4 ? 4 : 1), MaxErsatzknoten(std::max<Int32>(200, 4 * T->Knotenzahl)) {
        auto wurzel = std::make_unique<TKnoten>();
        wurzel->Art = 't';
        wurzel->Ersatzterm = T;
        wurzel->UntereGrenze = wurzel->UntereGrenzeErsatz = a;
        wurzel->ObereGrenze = wurzel->ObereGrenzeErsatz = b;
        OhneFaktor(T, *wurzel);
        Wurzel = wurzel.get();
        Schicht[0] = Wurzel;
        Alle.push_back(std::move(wurzel));
    }

    // The search loop; the successful node, or nil.
    TKnoten* Suche();

    Int32 Stufe;
    TKnoten* Wurzel = nullptr;

private:
    void Expandiere(TKnoten* K);
    void Einhaengen(const TSuchknoten& R);
    TKnoten* Naechster();

    Int32 Grenze;
    Int32 MaxErsatzknoten;
    std::vector<std::unique_ptr<TKnoten>> Alle;
    std::array<TSuchknoten*, 5> Schicht{};
    Int32 AktuelleSchicht = 0;
    Int32 HoechsteSchicht = 0;
    TKnoten* Aktuell = nullptr;
    TKnoten* Erfolg = nullptr;
    bool Gefunden = false;
    bool Ende = false;
    Int64 Zaehler = 0;
};

TKnoten* TSuche::Suche() {
    Aktuell = Wurzel;
    AktuelleSchicht = 0;
    while (AktuelleSchicht < Grenze && !Ende && !BenutzerAbbruch) {
        Expandiere(Aktuell);
        if (Gefunden || Ende) break;
        Aktuell = Naechster();
        if (!Aktuell) Ende = true;
    }
    if (BenutzerAbbruch)
        Protokollzeile("Abbruch");
    else if (Ende)
        Protokollzeile("SFPartSub fertig");
    else
        Protokollzeile("Keine weiteren Schichten erlaubt");
    return Gefunden && !BenutzerAbbruch ? Erfolg : nullptr;
}

// The node not yet expanded with the smallest Ersatzterm; of equal ones the first in the lowest layer.
TKnoten* TSuche::Naechster() {
    TSuchknoten* bester = nullptr;
    for (Int32 L = 1; L <= HoechsteSchicht; ++L) {
        for (TSuchknoten* k = Schicht[L]; k; k = k->Naechster) {
            if (k->Expandiert) continue;
            if (!bester || k->Ersatzterm->Knotenzahl < bester->Ersatzterm->Knotenzahl) {
                bester = k;
                AktuelleSchicht = L;
            }
        }
    }
    return Knoten(bester);
}

void TSuche::Expandiere(TKnoten* K) {
    if (Abgebrochen()) return;
    TTerm* T = K->Ersatzterm;
    TProtokoll protokoll(ProtokollIntegral, "Expandiere:", T);
    TTerm* a = K->UntereGrenzeErsatz;
    TTerm* b = K->ObereGrenzeErsatz;
    TTerm* F[MaxFaktoren + 1] = {};
    TTerm* S[MaxTeilterme + 1] = {};
    Int32 n = 0, m = 0;
    Faktoren(T, F, n);
    SammleTeilterme(T, S, m, false);
    if (BenutzerAbbruch) return;
    auto teile = [&](TTerm* f1, TTerm* g) {
        if (Abgebrochen()) return false;
        Versuche([&] {
            TSuchknoten R;
            PartielleIntegration(f1, g, a, R, b);
            if (R.Ersatzterm) Einhaengen(R);
        });
        return !BenutzerAbbruch;
    };
    if (n >= 2) {
        for (Int32 i = 1; i <= n && !Ende; ++i) {
            TTerm* g = Eins;
            for (Int32 j = 1; j <= n; ++j)
                if (j != i) g = Produkt(g, F[j]);
            if (!teile(F[i], g)) return;
            if (n > 2 && !Ende && !teile(g, F[i])) return;
        }
    }
    for (Int32 i = 1; i <= m && !Ende; ++i) {
        if (Abgebrochen()) return;
        TTerm* s = S[i];
        if (IstVariable(s) || s->IstKonstant || s->Knotenzahl < 1) continue;
        Versuche([&] {
            TSuchknoten R;
            Substitution(T, s, a, R, b);
            if (R.Ersatzterm) Einhaengen(R);
        });
    }
    K->Expandiert = true;
    protokoll.Ende("Expansion beendet:", T);
}

void TSuche::Einhaengen(const TSuchknoten& R) {
    TTerm* E = R.Ersatzterm;
    // No integrand that has grown far beyond the root's.
    if (E->Knotenzahl > MaxErsatzknoten) return;
    auto neu = std::make_unique<TKnoten>();
    OhneFaktor(E, *neu);
    for (Int32 L = 0; L <= HoechsteSchicht; ++L)
        for (TSuchknoten* k = Schicht[L]; k; k = k->Naechster)
            if (GleicherRest(*Knoten(k), *neu)) return;
    static_cast<TSuchknoten&>(*neu) = R;
    neu->Naechster = nullptr;
    neu->Vorgaenger = Aktuell;
    neu->Expandiert = false;
    TKnoten* k = neu.get();
    Alle.push_back(std::move(neu));
    const Int32 L = AktuelleSchicht + 1;
    const Int32 z = E->Knotenzahl;
    if (!Schicht[L]) {
        Schicht[L] = k;
        HoechsteSchicht = std::max(HoechsteSchicht, L);
    } else if (Schicht[L]->Ersatzterm->Knotenzahl > z) {
        k->Naechster = Schicht[L];
        Schicht[L] = k;
    } else {
        TSuchknoten* p = Schicht[L];
        while (p->Naechster && p->Naechster->Ersatzterm->Knotenzahl < z) p = p->Naechster;
        k->Naechster = p->Naechster;
        p->Naechster = k;
    }
    ++Zaehler;
    if (ProtokollIntegral) SchreibeTextTermZeile("Einhängen,Schritt:" + std::to_string(Zaehler) + " ", E);
    TTerm* r = nullptr;
    Versuche([&] { r = GetIntegralLokal(E, nullptr, nullptr, Stufe); });
    if (r) {
        Gefunden = true;
        Ende = true;
        k->Ergebnis = r;
        Erfolg = k;
    }
    Oberflaeche().ZeigeSuchzaehler(Zaehler);
    if (Zaehler >= MaxSuchknoten) Ende = true;
}

// The successful chain from the root, linked through Naechster; the nodes after the root.
std::vector<TSuchknoten*> Kette(TSuchknoten* Erfolg) {
    std::vector<TSuchknoten*> kette;
    for (TSuchknoten* k = Erfolg; k && k->Vorgaenger; k = k->Vorgaenger) kette.push_back(k);
    std::reverse(kette.begin(), kette.end());
    for (size_t i = 0; i < kette.size(); ++i)
        kette[i]->Naechster = i + 1 < kette.size() ? kette[i + 1] : nullptr;
    if (!kette.empty()) kette.front()->Vorgaenger->Naechster = kette.front();
    return kette;
}

// T replaced by its normal form's term where that has fewer nodes; with comments " = " and the term.
void KuerzereNormalform(TTerm*& r) {
    bool neu = false;
    TNormalform* N = Normalform(r, neu);
    if (N && N->Term && N->Term->Knotenzahl < r->Knotenzahl) {
        r = N->Term;
        r->Freigeben();
        if (Kommentare) SchreibeTextTerm(" = ", r);
    }
}

// The documentation of the chain found and the composition of its result.
TTerm* Zusammensetzen(TKnoten* erfolg, bool grenzen, Int32 Stufe) {
    Protokollzeile("Dokumentation der Regelanwendungen");
    const std::vector<TSuchknoten*> kette = Kette(erfolg);
    // With bounds each integrand of the chain must have a value throughout its interval, and the last one a
    // definite integral; checked before anything is written.
    if (grenzen) {
        for (TSuchknoten* k : kette)
            if (!DefiniertZwischen(k->Ersatzterm, k->UntereGrenzeErsatz, k->ObereGrenzeErsatz))
                return nullptr;
        TWechsel<bool> still(Kommentare, false);
        if (!GetIntegralLokal(erfolg->Ersatzterm, erfolg->UntereGrenzeErsatz, erfolg->ObereGrenzeErsatz,
                              Stufe))
            return nullptr;
    }
    for (TSuchknoten* k : kette) {
        if (Kommentare) {
            Einruecken();
            TSuchknoten R;
            if (k->Art == 'p')
                PartielleIntegration(k->Teil1, k->Teil2, k->UntereGrenze, R, k->ObereGrenze);
            else
                Substitution(k->Teil1, k->Teil2, k->UntereGrenze, R, k->ObereGrenze);
        }
        if (k->Art == 's') Variablenbuchstabe = NaechsterVariablenname(Variablenbuchstabe);
    }
    if (Kommentare) Einruecken();
    TTerm* r = erfolg->Ergebnis;
    if (grenzen || Kommentare)
        r = GetIntegralLokal(erfolg->Ersatzterm, erfolg->UntereGrenzeErsatz, erfolg->ObereGrenzeErsatz,
                             Stufe);
    if (!r || BenutzerAbbruch) return nullptr;
    KuerzereNormalform(r);
    if (Kommentare) Ausruecken();

    Protokollzeile("Ergebnisse zusammensetzen");
    for (auto it = kette.rbegin(); it != kette.rend(); ++it) {
        TSuchknoten* k = *it;
        if (k->Art == 's') {
            const std::string eigener = VariablenText();
            Variablenbuchstabe = VorigerVariablenname(Variablenbuchstabe);
            if (Kommentare && !grenzen)
                SchreibeTextTermTextZeile("Mit " + eigener + " = ", k->Teil2, " erhält man: ");
        }
        if (Kommentare) {
            SchreibeIntegralzeichen(k->UntereGrenze, k->ObereGrenze);
            SchreibeTerm(k->Art == 'p' ? OperatorTerm(k->Teil1, k->Teil2, '*') : k->Teil1);
            Schreibe("d" + VariablenText() + " = ");
        }
        if (k->Art == 'p') {
            r = Differenz(k->Randterm, r);
            if (Kommentare) SchreibeTerm(r);
            const Int32 vorher = r->Knotenzahl;
            VereinfacheTerm(r);
            if (Kommentare && r->Knotenzahl < vorher) SchreibeTextTerm(" = ", r);
        } else {
            r = r->Ersetze(VariableX, k->Teil2);
            // A piecewise part without a value after the back-substitution leaves no antiderivative.
            if (!r) return nullptr;
            VereinfacheTermRekursiv(r);
            if (Kommentare) SchreibeTerm(r);
        }
        if (ProtokollIntegral) SchreibeTextTermZeile("Zwischenergebnis:", r);
        KuerzereNormalform(r);
        if (Kommentare) Ausruecken();
    }
    return r;
}

TTerm* Suchen(TTerm* T, TTerm* a, TTerm* b, Int32 Stufe) {
    // No definite integral over a part where the integrand has no value.
    if (a && !DefiniertZwischen(T, a, b)) return nullptr;
    if (TTerm* r = GetIntegralLokal(T, a, b, Stufe)) return r;
    if (SucheLaeuft || BenutzerAbbruch) return nullptr;
    TWechsel<bool> laeuft(SucheLaeuft, true);
    TSuchanteil anteil;
    TSuche suche(T, a, b, Stufe);
    TKnoten* erfolg = nullptr;
    {
        TWechsel<bool> still(Kommentare, false);
        TWechsel<bool> ueberlauf(KonstantenUeberlaufMelden, false);
        // The search's own partial fractions are not those a commented integral may reuse.
        struct TZuruecksetzen {
            ~TZuruecksetzen() { PartialbruchVorhanden = false; }
        } zuruecksetzen;
        TArbeitsbudget budget(Integrationsbudget);
        try {
            erfolg = suche.Suche();
        } catch (const EBudgetErschoepft&) {
            // A budget around the search (the step's) or the memory ends more than the search.
            if (!budget.SelbstErschoepft()) throw;
        }
    }
    return erfolg ? Zusammensetzen(erfolg, a, Stufe) : nullptr;
}

} // namespace

TTerm* SFPartSub(TTerm* T, TTerm* a, TTerm* b, Int32 Stufe) {
    if (!T || BenutzerAbbruch) return nullptr;
    if (!a || !b) a = b = nullptr;
    TWechsel<char> buchstabe(Variablenbuchstabe, Variablenbuchstabe);
    TWechsel<Int32> einrueckung(Einrueckung, Einrueckung);
    TWechsel<Int32> tiefe(Schachtelungstiefe, Schachtelungstiefe);
    TProtokoll protokoll(ProtokollIntegral, "SFPartSub:", T);
    TTerm* r = Suchen(T, a, b, Stufe);
    protokoll.Ende("SFPartSub=", r);
    return r;
}

} // namespace zol
