#include "tests/hilfe/ZolTest.h"

#include <cmath>
#include <vector>

#include "output/Ausgabe.h"
#include "output/Grafikdaten.h"
#include "steps/Allgemeines.h"
#include "term/Funktionen.h"
#include "term/Mengen.h"
#include "term/TermManager.h"
#include "term/TermParser.h"
#include "term/Terme.h"
#include "term/Wurzeln.h"

namespace zol {

void ZolTest::SetUp() {
    InitialisiereTerme();
    AlleTermeFreigeben();
    SetzeAnalyseZurueck();
    BenutzerAbbruch = false;
    Kommentare = false;
    KartenDaten = TKartenDaten{};
    Grafikpunkte = TGrafikpunktliste{};
}

void ZolTest::TearDown() {
    AlleTermeFreigeben();
    SetzeAnalyseZurueck();
    BenutzerAbbruch = false;
    KartenDaten = TKartenDaten{};
    Grafikpunkte = TGrafikpunktliste{};
    // No line written by one test stands on the page that the next one reads.
    InitialisiereAusgabe();
}

std::vector<std::string> ZolTest::Meldungen() const {
    std::vector<std::string> m;
    for (const auto& [art, text] : Oberflaeche.Host.Meldungen)
        m.push_back((art == TMeldungsart::Warnung ? "Warnung: " : "Information: ") + text);
    return m;
}

TTerm* K(Int64 z, Int64 n) {
    return RationaleKonstante(TBruch{z, n});
}
TTerm* X() {
    return VariableX;
}
TTerm* Op(TTerm* a, char op, TTerm* b) {
    return OperatorTerm(a, b, op);
}
TTerm* Pot(TTerm* b, Int64 z, Int64 n) {
    return PotenzTerm(b, TBruch{z, n});
}
TTerm* Lies(const std::string& text) {
    return TermAusString(text);
}

TIntervall* Iv(TTerm* a, bool aOffen, TTerm* b, bool bOffen) {
    return Neu<TIntervall>(a ? TRand{a, aOffen} : UnendlichRand, b ? TRand{b, bOffen} : UnendlichRand);
}

TSListe* Liste(std::initializer_list<TTerm*> punkte) {
    TSListe* l = NeueLeereListe();
    for (TTerm* p : punkte) l->FuegeHinzu(p, 1);
    return l;
}

std::optional<Extended> Wert(TTerm* T, Extended x) {
    bool d = false;
    const Extended w = T->Wert(x, d);
    if (!d) return std::nullopt;
    return w;
}

std::optional<Extended> Differenzenquotient(TTerm* T, Extended x) {
    const Extended h = 1e-6L;
    auto rechts = Wert(T, x + h), links = Wert(T, x - h);
    if (!rechts || !links) return std::nullopt;
    return (*rechts - *links) / (2 * h);
}

std::vector<Extended> Werte(TSListe* L) {
    std::vector<Extended> w;
    for (Int32 i = 1; L && i <= L->Anzahl; ++i) w.push_back(Wert(L->Stellen[i]->Punkt).value_or(NAN));
    return w;
}

::testing::AssertionResult Nahe(Extended a, Extended b, Extended rel) {
    if (std::fabs(a - b) <= rel * (1 + std::fabs(a) + std::fabs(b))) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << double(a) << " != " << double(b);
}

::testing::AssertionResult WertGleich(TTerm* t, TTerm* r) {
    for (Extended x : {-2.5L, -0.75L, 0.0L, 0.4L, 1.0L, 2.25L, 5.0L}) {
        auto wt = Wert(t, x);
        if (!wt) continue;
        auto wr = Wert(r, x);
        if (!wr) return ::testing::AssertionFailure() << r->Text << " ohne Wert bei " << double(x);
        auto n = Nahe(*wr, *wt);
        if (!n) return n << " bei x = " << double(x) << ": " << t->Text << " -> " << r->Text;
    }
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult SymmetrieWieWerte(TTerm* f) {
    TWahrheitswert achse = unklar, punkt = unklar;
    f->Symmetrie(achse, punkt, false);
    return SymmetrieWieWerte(f, achse, punkt);
}

::testing::AssertionResult SymmetrieWieWerte(TTerm* f, TWahrheitswert Achse, TWahrheitswert Punkt) {
    const TWahrheitswert urteil[2] = {Achse, Punkt};
    for (int i = 0; i < 2; ++i) {
        bool verletzt = false;
        for (Extended s = 0.11L; s < 4; s += 0.29L) {
            const auto a = Wert(f, s), b = Wert(f, -s);
            verletzt |= a.has_value() != b.has_value() || (a && !Nahe(*b, (i ? -1 : 1) * *a, 1e-12L));
        }
        if (urteil[i] != unklar && verletzt != (urteil[i] == falsch))
            return ::testing::AssertionFailure() << f->Text << (i ? " punkt" : " achsen")
                                                 << "symmetrisch: " << WahrheitswertNamen[urteil[i]];
    }
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult IstAbleitung(TTerm* d, TTerm* f, const std::vector<Extended>& stellen,
                                        Extended rel) {
    for (Extended x : stellen) {
        auto dq = Differenzenquotient(f, x);
        if (!dq || !Wert(f, x)) continue;
        auto w = Wert(d, x);
        if (!w) return ::testing::AssertionFailure() << d->Text << " ohne Wert bei " << double(x);
        auto n = Nahe(*w, *dq, rel);
        if (!n) return n << " bei x = " << double(x) << ": (" << f->Text << ")' = " << d->Text;
    }
    return ::testing::AssertionSuccess();
}

std::optional<Extended> Simpsonsumme(TTerm* f, Extended a, Extended b, int n) {
    const Extended h = (b - a) / n;
    Extended s = 0;
    for (int i = 0; i <= n; ++i) {
        auto w = Wert(f, a + i * h);
        if (!w) return std::nullopt;
        s += (i == 0 || i == n ? 1 : i % 2 ? 4 : 2) * *w;
    }
    return s * h / 3;
}

namespace {

// Simpson on [a, b] with the values at a, m, b known; halves where the two halves disagree.
bool Simpson(TTerm* f, Extended a, Extended b, Extended fa, Extended fm, Extended fb, Extended ganz,
             Extended eps, int tiefe, Extended& summe) {
    const Extended m = (a + b) / 2;
    const auto fl = Wert(f, (a + m) / 2), fr = Wert(f, (m + b) / 2);
    if (!fl || !fr) return false;
    const Extended l = (m - a) / 6 * (fa + 4 * *fl + fm), r = (b - m) / 6 * (fm + 4 * *fr + fb);
    if (tiefe == 0 || std::fabs(l + r - ganz) <= 15 * eps) return summe += l + r + (l + r - ganz) / 15, true;
    return Simpson(f, a, m, fa, *fl, fm, l, eps / 2, tiefe - 1, summe) &&
           Simpson(f, m, b, fm, *fr, fb, r, eps / 2, tiefe - 1, summe);
}

} // namespace

std::optional<Extended> Quadratur(TTerm* f, Extended a, Extended b) {
    const auto fa = Wert(f, a), fm = Wert(f, (a + b) / 2), fb = Wert(f, b);
    Extended summe = 0;
    if (!fa || !fm || !fb ||
        !Simpson(f, a, b, *fa, *fm, *fb, (b - a) / 6 * (*fa + 4 * *fm + *fb), 1e-12L, 40, summe))
        return std::nullopt;
    return summe;
}

::testing::AssertionResult SpeicherStimmig() {
    std::vector<TTermKnoten*> offen;
    if (TTermKnoten* w = Termspeicher) offen.push_back(w);
    while (!offen.empty()) {
        TTermKnoten* k = offen.back();
        offen.pop_back();
        for (TTermKnoten* kind : {k->Links, k->Rechts})
            if (kind) offen.push_back(kind);
        TTerm *T = k->Term, *R = T;
        if (auto* o = AlsOperatorTerm(T)) R = OperatorTerm(o->T1, o->T2, o->Operator);
        if (auto* p = AlsPotenzTerm(T)) R = PotenzTerm(p->Argument, p->Exponent);
        if (auto* w = AlsWurzel(T)) R = WurzelTerm(w->Argument, w->Grad);
        if (auto* f = AlsStandardFunktion(T)) R = StandardFunktionTerm(f->Kennung, f->Argument);
        if (T->Text != k->Text || T->Knotenzahl != k->Knotenzahl || R != T)
            return ::testing::AssertionFailure() << "entered as " << k->Text << ", now " << T->Text;
    }
    return ::testing::AssertionSuccess();
}

} // namespace zol
