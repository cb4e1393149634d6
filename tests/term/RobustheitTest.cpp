// Robustness of the term model: the store finds terms through its index without comparing with others,
// terms are limited in size, the folding passes answer the abort, and the empty complement chain is the
// empty set.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "output/Ausgabe.h"
#include "term/Fehler.h"
#include "term/Mengen.h"
#include "term/TermManager.h"
#include "term/Termarithmetik.h"
#include "term/Terme.h"
#include "tests/hilfe/NurTerm.h"
#include "tests/hilfe/ZolTest.h"

using namespace zol;

namespace {

using Robustheit = ZolTest;

// A stored term that counts how often a search for a rational constant compares with it.
class TZaehlterm : public TNurTerm {
public:
    int Vergleiche = 0;
    bool HatWert(const TBruch&) override { return ++Vergleiche, false; }
};

// Building a term looks it up by its key: no search walks past the other stored terms (before, a
// monotone run of constants formed a chain that every new one walked along).
TEST_F(Robustheit, SpeicherSuchtUeberDenSchluessel) {
    auto* zaehler = Neu<TZaehlterm>();
    TermEintragen(zaehler);
    std::vector<TTerm*> gebaut;
    for (Int64 i = 5; i < 3005; ++i) gebaut.push_back(Bruchkonstante(i, 7));
    for (Int64 i = 5; i < 3005; ++i) EXPECT_EQ(Bruchkonstante(2 * i, 14), gebaut[size_t(i - 5)]);
    EXPECT_EQ(zaehler->Vergleiche, 0);
}

TEST_F(Robustheit, TermeSindInDerGroesseBegrenzt) {
    TTerm* T = VariableX;
    while (2 * Int64{T->Knotenzahl} + 1 <= MaxKnotenzahl) T = OperatorTerm(T, T, '+');
    EXPECT_THROW(OperatorTerm(T, T, '+'), ERessourcen);
    EXPECT_THROW(OperatorTerm(T, OperatorTerm(T, VariableX, '*'), '-'), ERessourcen);
    // What stays below the limit is built as before.
    EXPECT_EQ(OperatorTerm(T, VariableX, '+')->Knotenzahl, T->Knotenzahl + 1);
}

// The folding passes poll the host while they work, so "Abbrechen" ends them (before, only the
// simplifier's list routines polled).
TEST_F(Robustheit, FaltungEndetNachAbbruch) {
    const std::vector<std::pair<const char*, std::function<void(TTerm*&)>>> faelle = {
        {"Kumuliere", [](TTerm*& T) { Kumuliere(T); }},
        {"KAK",
         [](TTerm*& T) {
             TTerm* rest = nullptr;
             TBruch c;
             KAK(T, rest, c);
         }},
        {"KMK",
         [](TTerm*& T) {
             TTerm* rest = nullptr;
             TBruch f;
             KMK(T, rest, f);
         }},
    };
    for (const auto& [name, falte] : faelle) {
        BenutzerAbbruch = false;
        Oberflaeche.Host.AbbruchNach = 0;
        Oberflaeche.Host.UhrTakt = 0;
        // 2 + 3x + 4x + ... as entered, not folded yet.
        TTerm* T = Zwei;
        for (Int64 k = 3; k < 1500; ++k) T = Op(T, '+', Op(K(k), '*', X()));
        Oberflaeche.Host.Nachrichtenaufrufe = 0;
        Oberflaeche.Host.AbbruchNach = 1;
        Oberflaeche.Host.UhrTakt = 1;
        EXPECT_THROW(falte(T), EBenutzerAbbruch) << name;
        EXPECT_GE(Oberflaeche.Host.Nachrichtenaufrufe, 1) << name;
        AlleTermeFreigeben();
    }
}

TEST_F(Robustheit, LeeresKomplementIstDieLeereMenge) {
    auto geschlossen = [](TTerm* a, TTerm* b) { return Iv(a, false, b, false); };
    TSListe* einsZwei = Liste({Eins, Zwei});
    struct Fall {
        const char* Name;
        std::function<TMenge*()> Menge;
    };
    const Fall faelle[] = {
        {"[0;1] \\ (IR\\{0} v [-1;1])",
         [&] {
             TMenge* alles = MengenOperation(RohneNull, geschlossen(K(-1), Eins), 'v');
             return MengenOperation(geschlossen(Null, Eins), alles, '\\');
         }},
        {"{1;2} \\ IR", [&] { return MengenOperation(einsZwei, Neu<TIMenge>(IntervallR), '\\'); }},
        {"[0;1] n (IR \\ IR)",
         [&] {
             return MengenOperation(geschlossen(Null, Eins),
                                    MengenOperation(IntervallR, Neu<TIMenge>(IntervallR), '\\'), 'n');
         }},
    };
    for (const auto& f : faelle) {
        TMenge* M = f.Menge();
        ASSERT_NE(M, nullptr) << f.Name;
        for (TTerm* t : std::vector<TTerm*>{K(-1), Null, K(1, 2), Eins, Zwei, K(7)})
            EXPECT_FALSE(M->Enthaelt(t)) << f.Name;
    }
}

} // namespace
