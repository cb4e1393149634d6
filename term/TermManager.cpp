#include "term/TermManager.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <functional>
#include <numeric>
#include <tuple>
#include <unordered_map>
#include <vector>

#include "plattform/Oberflaeche.h"
#include "term/Arbeit.h"
#include "term/Fehler.h"
#include "term/Funktionen.h"
#include "term/OffenerIndex.h"
#include "term/Radikale.h"
#include "term/Terme.h"
#include "term/Wurzeln.h"

namespace zol {

const TTermspeicherWurzel Termspeicher;

namespace {

// The nodes with one key, in the order of insertion (linked through GleicherSchluessel).
struct TKette {
    TTermKnoten* Erster = nullptr;
    TTermKnoten* Letzter = nullptr;

    void Anhaengen(TTermKnoten* k) {
        if (Letzter)
            Letzter->GleicherSchluessel = k;
        else
            Erster = k;
        Letzter = k;
    }
};

// Mixes the bits of integer keys (the standard hash of an integer is the integer itself).
uint64_t Mische(uint64_t h) {
    h ^= h >> 33;
    h *= 0xff51afd7ed558ccdULL;
    h ^= h >> 33;
    return h;
}

struct TBruchHash {
    size_t operator()(const std::pair<Int64, Int64>& b) const {
        return Mische(static_cast<uint64_t>(b.first) * 0x9e3779b97f4a7c15ULL +
                      static_cast<uint64_t>(b.second));
    }
};

// The key of a composite term: its kind with what the kind needs besides the children (the operator, the
// exponent, the index, the name), and its children. A stored term never changes its children, so the key
// tells its text apart as well as the text itself would, without building it. Terms over distinct but equal
// children (a general exponential is never shared, for one) are distinct terms; keyed without the children,
// their chain, and with it every search, would grow with each of them.
struct TVerbundSchluessel {
    char Art;
    Int64 A, B;
    const TTerm* Kind1;
    const TTerm* Kind2;
    bool operator==(const TVerbundSchluessel&) const = default;
};
struct TVerbundHash {
    size_t operator()(const TVerbundSchluessel& s) const {
        return Mische((static_cast<uint64_t>(s.A) * 31 + static_cast<uint64_t>(s.B)) * 0x9e3779b97f4a7c15ULL +
                      static_cast<uint64_t>(s.Art)) ^
               Mische(reinterpret_cast<uintptr_t>(s.Kind1) * 0x9e3779b97f4a7c15ULL +
                      reinterpret_cast<uintptr_t>(s.Kind2));
    }
};

// Radicand, index, degree and the coefficients' fractions mixed into one number.
using TRadikalSchluessel = std::tuple<Int64, Int32, Int32, uint64_t>;
struct TRadikalHash {
    size_t operator()(const TRadikalSchluessel& r) const {
        return Mische(static_cast<uint64_t>(std::get<0>(r)) * 0x9e3779b97f4a7c15ULL +
                      static_cast<uint64_t>(std::get<1>(r)) * 31 + static_cast<uint64_t>(std::get<2>(r))) ^
               std::get<3>(r);
    }
};

// The store: its tree, its nodes in the order of creation (the first Eingeordnet of them placed in the
// tree), and one index per kind of term. The composite index is keyed by the text each node keeps and the
// children.
struct TSpeicher {
    TTermKnoten* Wurzel = nullptr;
    std::vector<TTermKnoten*> Knoten;
    size_t Eingeordnet = 0;
    TOffenerIndex<TVerbundSchluessel, TKette, TVerbundHash> Zusammengesetzt;
    TOffenerIndex<std::pair<Int64, Int64>, TKette, TBruchHash> Rational;
    TOffenerIndex<TRadikalSchluessel, TKette, TRadikalHash> Radikal;
    std::unordered_map<std::string, TTermKnoten*> Benannt;
    std::unordered_map<Extended, TTermKnoten*> Reell;
};

TSpeicher Speicher;

// While a TVorlaeufigeTerme is active: the caches of terms as they were before they changed, and how to take
// the new nodes out of the index again, both in the order they came.
struct TCachezustand {
    TTerm* Term;
    TTerm* Vereinfacht;
    TNormalform* Normalform;
    uint8_t Zustand;
};
struct TVorlaeufig {
    bool Aktiv = false;
    std::vector<TCachezustand> Caches;
    std::vector<std::function<void()>> Austragen;
};
TVorlaeufig Vorlaeufig;

// Appends k to the chain of its key.
template <class Index, class Schluessel> void Anhaengen(Index& index, const Schluessel& s, TTermKnoten* k) {
    index[s].Anhaengen(k);
    if (!Vorlaeufig.Aktiv) return;
    // Taken out newest first, k is then the last of its chain.
    Vorlaeufig.Austragen.push_back([&index, s, k] {
        auto it = index.find(s);
        if (it == index.end()) return;
        TKette& kette = it->second;
        if (kette.Erster == k) {
            index.erase(it);
            return;
        }
        TTermKnoten* v = kette.Erster;
        while (v && v->GleicherSchluessel != k) v = v->GleicherSchluessel;
        if (!v) return;
        v->GleicherSchluessel = nullptr;
        kette.Letzter = v;
    });
}

// Enters k as the one node of its key.
template <class Index, class Schluessel> void Eintragen(Index& index, const Schluessel& s, TTermKnoten* k) {
    if (index.emplace(s, k).second && Vorlaeufig.Aktiv)
        Vorlaeufig.Austragen.push_back([&index, s] { index.erase(s); });
}

std::pair<Int64, Int64> Schluessel(const TBruch& b) {
    return {b.Zaehler, b.Nenner};
}

// Equal radicals have equal coefficients' fractions, so radicals that differ in their coefficients only (the
// entries a + b*sqrt(2) of an elimination) do not make one chain that every search walks.
TRadikalSchluessel Schluessel(const TRadikal& R) {
    // Coefficients are compared by value: each fraction reduced, with its sign.
    auto betrag = [](Int64 v) { return v < 0 ? 0 - static_cast<uint64_t>(v) : static_cast<uint64_t>(v); };
    uint64_t koeff = 0;
    for (Int32 i = 0; i <= R.Polynom.Grad; ++i) {
        TBruch b = BruchNull;
        if (R.Polynom.Koeff[i]) BruchVonKonstante(R.Polynom.Koeff[i], b);
        uint64_t z = betrag(b.Zaehler), n = betrag(b.Nenner);
        const uint64_t g = std::gcd(z, n);
        if (g > 1) z /= g, n /= g;
        const bool negativ = z != 0 && (b.Zaehler < 0) != (b.Nenner < 0);
        koeff = Mische(koeff * 0x9e3779b97f4a7c15ULL + z * 31 + n * 2 + negativ);
    }
    return {R.Radikand, R.Wurzelexponent, R.Polynom.Grad, koeff};
}

TTermKnoten* Erster(auto& index, const auto& schluessel) {
    auto it = index.find(schluessel);
    return it == index.end() ? nullptr : it->second.Erster;
}

// ---- The tree ----

enum class TRichtung { Links, Rechts };

// Where the search for the node `neu` goes at the node k: the decisions of neu's builder, for a node
// whose term is not equal to neu's (the builder found none when it made neu).
TRichtung Richtung(const TTermKnoten& neu, const TTermKnoten& k) {
    constexpr TRichtung L = TRichtung::Links, R = TRichtung::Rechts;
    if (neu.Knotenzahl >= 1) {
        if (k.Knotenzahl != neu.Knotenzahl) return k.Knotenzahl < neu.Knotenzahl ? R : L;
        return k.Text.compare(neu.Text) <= 0 ? R : L;
    }
    // Every composite term is greater than every constant.
    if (k.Knotenzahl >= 1) return L;
    TTerm* T = k.Term;
    switch (neu.Term->Typrang) {
    case RangRational: {
        const TBruch& r = AlsRationaleKonstante(neu.Term)->Bruch;
        auto* q = AlsRationaleKonstante(T);
        return q && Brueche::Kleiner(r, q->Bruch) ? L : R;
    }
    case RangRadikal:
        return IstRadikalKonstante(T) && neu.Term->Text < T->Text ? L : R;
    case RangBenannt:
        if (T->Typrang == RangRadikal) return L;
        return T->Typrang == RangBenannt && T->Kennung > neu.Term->Kennung ? L : R;
    case RangReell:
        if (T->Typrang == RangReell)
            return static_cast<const TReelleKonstante*>(T)->Zahl >
                           static_cast<const TReelleKonstante*>(neu.Term)->Zahl
                       ? L
                       : R;
        return T->Typrang == RangRadikal || T->Typrang == RangBenannt ? L : R;
    default:
        return R;
    }
}

void Einordnen(TTermKnoten* neu) {
    TTermKnoten** platz = &Speicher.Wurzel;
    while (*platz) platz = Richtung(*neu, **platz) == TRichtung::Links ? &(*platz)->Links : &(*platz)->Rechts;
    *platz = neu;
}

// Places every node built since the tree was last read.
void OrdneAlleEin() {
    while (Speicher.Eingeordnet < Speicher.Knoten.size()) Einordnen(Speicher.Knoten[Speicher.Eingeordnet++]);
}

TTermKnoten* NeuerKnoten(TTerm* T) {
    TTermKnoten* knoten = Neu<TTermKnoten>();
    knoten->Term = T;
    knoten->Knotenzahl = T->Knotenzahl;
    knoten->Text = T->Text;
    // The term's text and the node's copy of it: for large terms they hold more than the objects.
    AktuelleArena().Zaehle(T->Text.capacity() + knoten->Text.capacity());
    Speicher.Knoten.push_back(knoten);
    return knoten;
}

// The stored term that `finde` gives, or a new one built by `baue` and entered by `eintragen`. Building
// may itself use the store, so the index is asked again afterwards; when the nested work stored an equal
// term meanwhile, that one is the result. Every search counts as one step of work.
template <class Finde, class Bau, class Eintrag> TTerm* Suche(Finde finde, Bau baue, Eintrag eintragen) {
    Arbeitsschritt();
    if (TTerm* T = finde()) return T;
    TTerm* neu = baue();
    if (TTerm* T = finde()) return T;
    eintragen(NeuerKnoten(neu));
    return neu;
}

// A composite term with the key schluessel and the node count knotenzahl; gleich tells whether a stored term
// has the very children (and own fields) asked for.
template <class Gleich, class Bau>
TTerm* Zusammengesetzt(Int32 knotenzahl, const TVerbundSchluessel& schluessel, Gleich gleich, Bau baue) {
    auto finde = [&]() -> TTerm* {
        for (TTermKnoten* k = Erster(Speicher.Zusammengesetzt, schluessel); k; k = k->GleicherSchluessel)
            if (k->Knotenzahl == knotenzahl && gleich(k->Term)) return k->Term;
        return nullptr;
    };
    auto eintragen = [&schluessel](TTermKnoten* k) { Anhaengen(Speicher.Zusammengesetzt, schluessel, k); };
    return Suche(finde, baue, eintragen);
}

// The node count of a composite term over children of the given counts; a term beyond the limit is not
// built.
Int32 Knotenzahl(Int64 kinder) {
    if (kinder + 1 > MaxKnotenzahl)
        throw ERessourcen("Der Term wird zu groß (mehr als " + std::to_string(MaxKnotenzahl) + " Knoten).");
    return static_cast<Int32>(kinder + 1);
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

// Frees the terms of the store in the order they were made. An error while freeing one term is reported
// to the debugger output and the walk goes on.
void FreigebenAlle(const std::vector<TTermKnoten*>& knoten) {
    for (TTermKnoten* k : knoten) {
        TTerm* T = k->Term;
        try {
            if (T) T->Freigeben();
        } catch (...) {
            Oberflaeche().DebugAusgabe("free:" + (T ? T->Text : std::string()));
        }
    }
}

} // namespace

TTermspeicherWurzel::operator TTermKnoten*() const {
    OrdneAlleEin();
    return Speicher.Wurzel;
}

TTerm* RationaleKonstante(const TBruch& B) {
    TBruch r = B;
    Brueche::Kuerze(r);
    if (TTerm* gemeinsam = GemeinsameKonstante(r)) return gemeinsam;
    // A radical constant of that value counts as well.
    auto finde = [&r]() -> TTerm* {
        for (TTermKnoten* k = Erster(Speicher.Rational, Schluessel(r)); k; k = k->GleicherSchluessel)
            if (k->Term->HatWert(r)) return k->Term;
        return nullptr;
    };
    auto eintragen = [&r](TTermKnoten* k) { Anhaengen(Speicher.Rational, Schluessel(r), k); };
    return Suche(
        finde, [&r]() -> TTerm* { return Neu<TRationaleKonstante>(r); }, eintragen);
}

TTerm* Bruchkonstante(Int64 Zaehler, Int64 Nenner) {
    return RationaleKonstante(TBruch{Zaehler, Nenner});
}

TTerm* RadikalKonstante(const TRadikal& R) {
    return RadikalKonstante(R, RadikalToStr(R));
}

TTerm* RadikalKonstante(const TRadikal& R, const std::string&) {
    auto finde = [&R]() -> TTerm* {
        for (TTermKnoten* k = Erster(Speicher.Radikal, Schluessel(R)); k; k = k->GleicherSchluessel)
            if (RGleich(AlsRadikalKonstante(k->Term)->Radikal, R)) return k->Term;
        return nullptr;
    };
    auto eintragen = [&R](TTermKnoten* k) {
        Anhaengen(Speicher.Radikal, Schluessel(R), k);
        // A rational number as a radical is found by the rational builder too.
        if (R.Polynom.Grad == 0)
            if (auto* q = AlsRationaleKonstante(R.Polynom.Koeff[0]))
                if (!Erster(Speicher.Rational, Schluessel(q->Bruch)))
                    Anhaengen(Speicher.Rational, Schluessel(q->Bruch), k);
    };
    return Suche(
        finde, [&R]() -> TTerm* { return Neu<TRadikalKonstante>(R); }, eintragen);
}

TTerm* BenannteKonstante(const std::string& name) {
    const std::string n = Links(name, 6);
    auto finde = [&n]() -> TTerm* {
        auto it = Speicher.Benannt.find(n);
        return it == Speicher.Benannt.end() ? nullptr : it->second->Term;
    };
    auto eintragen = [&n](TTermKnoten* k) { Eintragen(Speicher.Benannt, n, k); };
    return Suche(
        finde, [&n]() -> TTerm* { return Neu<TBenannteKonstante>(n); }, eintragen);
}

TTerm* ReelleKonstante(Extended wert) {
    // -0 is the same value as 0; a value that equals nothing (NaN) is never found.
    const Extended w = wert == 0 ? 0.0L : wert;
    auto finde = [w]() -> TTerm* {
        auto it = Speicher.Reell.find(w);
        return it == Speicher.Reell.end() ? nullptr : it->second->Term;
    };
    auto eintragen = [w](TTermKnoten* k) {
        if (!std::isnan(w)) Eintragen(Speicher.Reell, w, k);
    };
    return Suche(
        finde, [wert]() -> TTerm* { return Neu<TReelleKonstante>(wert); }, eintragen);
}

TTerm* OperatorTerm(TTerm* T1, TTerm* T2, char op) {
    if (!T1 || !T2) return nullptr;
    const Int32 knotenzahl = Knotenzahl(Int64{T1->Knotenzahl} + T2->Knotenzahl);
    auto gleich = [T1, T2, op](TTerm* T) {
        auto* o = AlsOperatorTerm(T);
        return o && o->T1 == T1 && o->T2 == T2 && o->Operator == op;
    };
    return Zusammengesetzt(knotenzahl, TVerbundSchluessel{'o', op, 0, T1, T2}, gleich,
                           [T1, T2, op]() -> TTerm* { return Neu<TOperatorTerm>(T1, op, T2); });
}

TTerm* PotenzTerm(TTerm* basis, const TBruch& exponent) {
    if (!basis) return nullptr;
    TBruch e = exponent;
    Brueche::Kuerze(e);
    const Int32 knotenzahl = Knotenzahl(basis->Knotenzahl);
    auto gleich = [basis, &e](TTerm* T) {
        auto* p = AlsPotenzTerm(T);
        return p && p->Argument == basis && Brueche::Gleich(p->Exponent, e);
    };
    return Zusammengesetzt(knotenzahl, TVerbundSchluessel{'^', e.Zaehler, e.Nenner, basis, nullptr}, gleich,
                           [basis, &e]() -> TTerm* { return Neu<TPotenz>(basis, e); });
}

TTerm* PotenzTerm(TTerm* basis, Int64 exponent) {
    return PotenzTerm(basis, TBruch{exponent, 1});
}

TTerm* WurzelTerm(TTerm* radikand, Int32 index) {
    if (!radikand) return nullptr;
    const Int32 knotenzahl = Knotenzahl(radikand->Knotenzahl);
    auto gleich = [radikand, index](TTerm* T) {
        auto* w = AlsWurzel(T);
        return w && w->Argument == radikand && w->Grad == index;
    };
    return Zusammengesetzt(knotenzahl, TVerbundSchluessel{'w', index, 0, radikand, nullptr}, gleich,
                           [radikand, index]() -> TTerm* { return Neu<TWurzel>(radikand, index); });
}

TTerm* StandardFunktionTerm(const std::string& name, TTerm* argument) {
    if (!argument) return nullptr;
    const std::string n = Links(name, 6);
    const Int32 knotenzahl = Knotenzahl(argument->Knotenzahl);
    // The name (at most 6 bytes) as a number.
    Int64 zahl = 0;
    for (char c : n) zahl = zahl << 8 | static_cast<unsigned char>(c);
    auto gleich = [argument, &n](TTerm* T) {
        auto* f = AlsStandardFunktion(T);
        return f && f->Argument == argument && f->Kennung == n;
    };
    return Zusammengesetzt(knotenzahl, TVerbundSchluessel{'f', zahl, 0, argument, nullptr}, gleich,
                           [argument, &n]() -> TTerm* { return Neu<TStandardFunktion>(n, argument); });
}

TTerm* MitOperanden(TTerm* T, TTerm* t1, TTerm* t2) {
    if (!t1 || !t2) return nullptr;
    if (auto* o = AlsOperatorTerm(T))
        return t1 == o->T1 && t2 == o->T2 ? o : OperatorTerm(t1, t2, o->Operator);
    auto* j = AlsJoin(T);
    if (!j || (t1 == j->T1 && t2 == j->T2)) return T;
    auto* neu = Neu<TJoin>(t1, t2, j->Bedingung, false);
    neu->Stetig = j->Stetig;
    neu->AktualisiereKnoten();
    return neu;
}

TTerm* MitArgument(TTerm* T, TTerm* a) {
    if (!a) return nullptr;
    auto* f = dynamic_cast<TFunktion*>(T);
    if (!f || a == f->Argument) return T;
    if (auto* p = AlsPotenzTerm(f)) return PotenzTerm(a, p->Exponent);
    if (auto* w = AlsWurzel(f)) return WurzelTerm(a, w->Grad);
    if (auto* s = AlsStandardFunktion(f)) return StandardFunktionTerm(s->Kennung, a);
    if (auto* e = AlsAllgemeineExponentialFunktion(f))
        return Neu<TAllgemeineExponentialFunktion>(e->Basis, a);
    return T;
}

void TermEintragen(TTerm* T) {
    if (!T) return;
    OrdneAlleEin();
    TTermKnoten** platz = &Speicher.Wurzel;
    while (*platz) {
        TTerm* vorhanden = (*platz)->Term;
        if (vorhanden->IstKleiner(T))
            platz = &(*platz)->Rechts;
        else if (T->IstKleiner(vorhanden))
            platz = &(*platz)->Links;
        else
            return;
    }
    *platz = NeuerKnoten(T);
    Speicher.Eingeordnet = Speicher.Knoten.size();
}

namespace {

std::vector<TTermfreigabeBeobachter*>& Beobachter() {
    static std::vector<TTermfreigabeBeobachter*> liste;
    return liste;
}

void BenachrichtigeBeobachter() {
    // Over a copy, asking each time: an action may end a watch.
    const std::vector<TTermfreigabeBeobachter*> beobachter = Beobachter();
    for (TTermfreigabeBeobachter* b : beobachter) {
        if (std::find(Beobachter().begin(), Beobachter().end(), b) == Beobachter().end()) continue;
        try {
            b->Melde();
        } catch (const std::exception& e) {
            Oberflaeche().DebugAusgabe(std::string("AlleTermeFreigeben: ") + e.what());
        } catch (...) {
        }
    }
}

void BeendeVorlaeufig() {
    Vorlaeufig.Aktiv = false;
    Vorlaeufig.Caches.clear();
    Vorlaeufig.Austragen.clear();
}

} // namespace

TTermfreigabeBeobachter::TTermfreigabeBeobachter(std::function<void()> aktion) : Aktion(std::move(aktion)) {
    Beobachter().push_back(this);
}

TTermfreigabeBeobachter::~TTermfreigabeBeobachter() {
    std::erase(Beobachter(), this);
}

void MerkeCache(TTerm* T) {
    if (Vorlaeufig.Aktiv && T) Vorlaeufig.Caches.push_back({T, T->Vereinfacht, T->Normalform, T->Zustand});
}

TVorlaeufigeTerme::TVorlaeufigeTerme()
    : Aktiv(!Vorlaeufig.Aktiv && !DauerhaftAktiv()), Knoten(Speicher.Knoten.size()),
      Arena(AnfrageArena().Marke()) {
    if (Aktiv) Vorlaeufig.Aktiv = true;
}

TVorlaeufigeTerme::~TVorlaeufigeTerme() {
    if (Aktiv && Vorlaeufig.Aktiv) BeendeVorlaeufig();
}

void TVorlaeufigeTerme::Verwerfen() {
    // Nothing to do when the store was emptied meanwhile (which ends the guard's work).
    if (!Aktiv || !Vorlaeufig.Aktiv) return;
    Aktiv = false;
    // Terms placed in the tree stay.
    if (Speicher.Eingeordnet > Knoten) return BeendeVorlaeufig();
    Vorlaeufig.Aktiv = false;
    BenachrichtigeBeobachter();
    for (auto c = Vorlaeufig.Caches.rbegin(); c != Vorlaeufig.Caches.rend(); ++c) {
        c->Term->Vereinfacht = c->Vereinfacht;
        c->Term->Normalform = c->Normalform;
        c->Term->Zustand = c->Zustand;
    }
    for (auto a = Vorlaeufig.Austragen.rbegin(); a != Vorlaeufig.Austragen.rend(); ++a) (*a)();
    Speicher.Knoten.resize(Knoten);
    AnfrageArena().LeerenBis(Arena);
    BeendeVorlaeufig();
}

void AlleTermeFreigeben() {
    BeendeVorlaeufig();
    BenachrichtigeBeobachter();
    std::vector<TTermKnoten*> knoten;
    knoten.swap(Speicher.Knoten);
    Speicher.Wurzel = nullptr;
    Speicher.Eingeordnet = 0;
    // Fresh indexes: a cleared one would keep the buckets of the largest request, and clearing them costs
    // every later request their number.
    Speicher.Zusammengesetzt = {};
    Speicher.Rational = {};
    Speicher.Radikal = {};
    Speicher.Benannt = {};
    Speicher.Reell = {};
    FreigebenAlle(knoten);
    AnfrageArena().Leeren();
    FuelleSuchvorrat();
    SetzeDauerhafteTermeZurueck();
}

} // namespace zol
