// Constants and the variable: values, equality by class and value, the order over all classes, symmetry,
// zeros and equations, the standard sets, the primes and the three-valued helpers.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "term/Mengen.h"
#include "term/Terme.h"
#include "tests/hilfe/ZolTest.h"

using namespace zol;

namespace {

using Konstanten = ZolTest;

TEST_F(Konstanten, OrdnungUeberAlleKlassenIstStreng) {
    TRationaleKonstante r1(TBruch{-7, 2}), r2(TBruch{1, 3});
    TBenannteKonstante n1("a"), n2("e"), n3("pi");
    TReelleKonstante q1(-100), q2(0.25L);
    TTerm* folge[] = {&r1, Null, &r2, Eins, Vier, &n1, &n2, &n3, &q1, &q2, VariableX};
    for (size_t i = 0; i < std::size(folge); ++i) {
        EXPECT_FALSE(folge[i]->IstKleiner(folge[i])) << folge[i]->Text;
        for (size_t j = i + 1; j < std::size(folge); ++j)
            EXPECT_TRUE(folge[i]->IstKleiner(folge[j]) && !folge[j]->IstKleiner(folge[i]))
                << folge[i]->Text << " < " << folge[j]->Text;
    }
}

TEST_F(Konstanten, NullstellenUndGleichungen) {
    TSListe* liste = nullptr;
    uint8_t status = 9;
    // 0 = 0 and 3 = 3 everywhere (status falsch, no point listed: a constant is no zero), 3 = 0 nowhere.
    Null->Nullstellen(MengeR, liste, false, status);
    EXPECT_TRUE(status == falsch && liste->Anzahl == 0);
    Drei->Nullstellen(MengeR, liste, false, status);
    EXPECT_TRUE(status == wahr && liste->Anzahl == 0);
    Drei->LoeseGleichung(Drei, MengeR, false, status, liste);
    EXPECT_TRUE(status == falsch && liste->Anzahl == 0);
    Drei->LoeseGleichung(Vier, MengeR, false, status, liste);
    EXPECT_TRUE(status == wahr && liste->Anzahl == 0);
    // x = 0 only where 0 belongs to the set: not on the open end of ]0; inf[.
    VariableX->Nullstellen(IntervallPositiv, liste, false, status);
    EXPECT_EQ(liste->Anzahl, 0);
    VariableX->Nullstellen(IntervallNichtNegativ, liste, false, status);
    EXPECT_EQ(liste->Anzahl, 1);
    // Every solution of x = c in [0; 1[ substituted back gives c.
    TIntervall* nullBisEins = Iv(Null, false, Eins, true);
    for (TRationaleKonstante* c : {Null, EinHalb, Eins, MinusEinDrittel, EinViertel}) {
        VariableX->LoeseGleichung(c, nullBisEins, false, status, liste);
        const bool drin = !c->Bruch.Zaehler || (c->Bruch.Zaehler > 0 && c->Bruch.Zaehler < c->Bruch.Nenner);
        ASSERT_EQ(liste->Anzahl, drin ? 1 : 0) << c->Text;
        for (Extended x : Werte(liste)) EXPECT_EQ(Wert(VariableX, x), Wert(c));
    }
}

TEST_F(Konstanten, PrimzahlenSindDieErsten168) {
    EXPECT_EQ(Primzahlen[1], 2);
    EXPECT_EQ(Primzahlen[168], 997);
    for (int i = 1; i <= 168; ++i) {
        EXPECT_TRUE(i == 1 || Primzahlen[i - 1] < Primzahlen[i]);
        for (int d = 2; d * d <= Primzahlen[i]; ++d) EXPECT_NE(Primzahlen[i] % d, 0) << Primzahlen[i];
    }
}

} // namespace
