#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "term/Mengen.h"
#include "term/Terme.h"
#include "tests/hilfe/ZolTest.h"

using namespace zol;

namespace {

class Konstanten : public ZolTest {};

TEST_F(Konstanten, GemeinsameKonstantenHabenIhreFelder) {
    struct Fall {
        TRationaleKonstante* t;
        Int64 z, n;
        const char* text;
    };
    const Fall faelle[] = {
        {Null, 0, 1, "0"},           {Eins, 1, 1, "1"},
        {MinusEins, -1, 1, "(-1)"},  {Zwei, 2, 1, "2"},
        {Drei, 3, 1, "3"},           {Vier, 4, 1, "4"},
        {EinHalb, 1, 2, "(1/2)"},    {MinusEinHalb, -1, 2, "(-1/2)"},
        {EinDrittel, 1, 3, "(1/3)"}, {MinusEinDrittel, -1, 3, "(-1/3)"},
        {EinViertel, 1, 4, "(1/4)"},
    };
    for (const auto& f : faelle) {
        ASSERT_NE(f.t, nullptr);
        EXPECT_EQ(f.t->Bruch.Zaehler, f.z);
        EXPECT_EQ(f.t->Bruch.Nenner, f.n);
        EXPECT_EQ(f.t->Text, f.text);
        EXPECT_EQ(f.t->Kennung, f.text);
        EXPECT_EQ(f.t->Typrang, RangRational);
        EXPECT_EQ(f.t->Knotenzahl, 0);
        EXPECT_TRUE(f.t->IstKonstant);
        EXPECT_TRUE(f.t->IstRational());
        EXPECT_EQ(f.t->Zustand, TermVereinfacht | TermKumuliert);
        EXPECT_EQ(f.t->MoeglicheNormalformen, AlleNormalformen);
        EXPECT_EQ(f.t->Funktionsarten, 0);
        EXPECT_EQ(f.t->Vereinfacht, f.t);
        bool definiert = false;
        EXPECT_DOUBLE_EQ(static_cast<double>(f.t->Wert(17, definiert)), double(f.z) / double(f.n));
        EXPECT_TRUE(definiert);
    }
    EXPECT_EQ(VariableX->Text, "x");
    EXPECT_EQ(VariableX->Kennung, "x");
    EXPECT_EQ(VariableX->Typrang, RangVariable);
    EXPECT_FALSE(VariableX->IstKonstant);
    EXPECT_EQ(VariableX->MoeglicheNormalformen, 0x37f);
    EXPECT_EQ(VariableX->Zustand, TermVereinfacht | TermKumuliert | FaktorAbgespalten);
}

TEST_F(Konstanten, KennungIstDerGekuerzteText) {
    TRationaleKonstante lang(TBruch{-123456, 7});
    EXPECT_EQ(lang.Text, "(-123456/7)");
    EXPECT_EQ(lang.Kennung, "(-1234");
    TBenannteKonstante name("abcdefgh");
    EXPECT_EQ(name.Kennung, "abcdef");
    EXPECT_EQ(name.Text, "abcdef");
    EXPECT_EQ(name.Typrang, RangBenannt);
    TReelleKonstante reell(2.5L);
    EXPECT_EQ(reell.Text, "2,5");
    EXPECT_EQ(reell.Kennung, "2,5");
    TReelleKonstante drittel(1.0L / 3);
    EXPECT_EQ(drittel.Kennung, drittel.Text.substr(0, 5));
    EXPECT_EQ(drittel.Typrang, RangReell);
}

TEST_F(Konstanten, WerteBenannterKonstanten) {
    bool definiert = false;
    TBenannteKonstante pi("pi"), e("e"), a("a");
    EXPECT_EQ(pi.Wert(0, definiert), std::numbers::pi_v<Extended>);
    EXPECT_TRUE(definiert);
    EXPECT_NEAR(static_cast<double>(e.Wert(0, definiert)), std::exp(1.0), 1e-15);
    EXPECT_TRUE(definiert);
    a.Wert(0, definiert);
    EXPECT_FALSE(definiert);
    EXPECT_EQ(VariableX->Wert(-3.5L, definiert), -3.5L);
    EXPECT_TRUE(definiert);
}

TEST_F(Konstanten, GleichheitNachKlasseUndWert) {
    TRationaleKonstante zweiVierteln(TBruch{2, 4});
    TReelleKonstante reellHalb(0.5L), reellHalb2(0.5L);
    TBenannteKonstante a1("a"), a2("a"), b("b");
    EXPECT_TRUE(zweiVierteln.IstGleich(EinHalb));
    EXPECT_TRUE(EinHalb->IstGleich(&zweiVierteln));
    EXPECT_FALSE(EinHalb->IstGleich(&reellHalb));
    EXPECT_FALSE(reellHalb.IstGleich(EinHalb));
    EXPECT_TRUE(reellHalb.IstGleich(&reellHalb2));
    EXPECT_TRUE(a1.IstGleich(&a2));
    EXPECT_FALSE(a1.IstGleich(&b));
    EXPECT_TRUE(VariableX->IstGleich(VariableX));
    EXPECT_FALSE(VariableX->IstGleich(Null));
    EXPECT_FALSE(Null->IstGleich(VariableX));
    EXPECT_TRUE(EinHalb->HatWert(TBruch{3, 6}));
    EXPECT_FALSE(EinHalb->HatWert(TBruch{1, 3}));
}

TEST_F(Konstanten, OrdnungUeberAlleKlassen) {
    // Listed in strictly ascending order.
    TRationaleKonstante r1(TBruch{-7, 2}), r2(TBruch{1, 3});
    TBenannteKonstante n1("a"), n2("e"), n3("pi");
    TReelleKonstante q1(-100), q2(0.25L);
    TTerm* folge[] = {&r1, Null, &r2, Eins, Vier, &n1, &n2, &n3, &q1, &q2, VariableX};
    const size_t anzahl = std::size(folge);
    for (size_t i = 0; i < anzahl; ++i) {
        EXPECT_FALSE(folge[i]->IstKleiner(folge[i])) << folge[i]->Text;
        for (size_t j = i + 1; j < anzahl; ++j) {
            EXPECT_TRUE(folge[i]->IstKleiner(folge[j])) << folge[i]->Text << " < " << folge[j]->Text;
            EXPECT_FALSE(folge[j]->IstKleiner(folge[i])) << folge[j]->Text << " < " << folge[i]->Text;
        }
    }
}

TEST_F(Konstanten, Symmetrie) {
    struct Fall {
        TTerm* t;
        TWahrheitswert achse, punkt;
    };
    const Fall faelle[] = {{Null, wahr, wahr}, {Drei, wahr, falsch}, {MinusEinHalb, wahr, falsch},
                           {VariableX, falsch, wahr}};
    for (const auto& f : faelle) {
        TWahrheitswert a = 9, p = 9;
        f.t->Symmetrie(a, p, false);
        EXPECT_EQ(a, f.achse) << f.t->Text;
        EXPECT_EQ(p, f.punkt) << f.t->Text;
    }
}

TEST_F(Konstanten, AbleitungenUndErsetzen) {
    EXPECT_EQ(Drei->Ableitung(), Null);
    EXPECT_EQ(VariableX->Ableitung(), Eins);
    EXPECT_EQ(Drei->Einsetzen(VariableX), Drei);
    EXPECT_EQ(VariableX->Einsetzen(Drei), Drei);
    EXPECT_EQ(VariableX->Ersetze(VariableX, Zwei), Zwei);
    EXPECT_EQ(Drei->Ersetze(VariableX, Zwei), Drei);
    EXPECT_EQ(Drei->Ersetze(Drei, VariableX), VariableX);
    EXPECT_EQ(VariableX->Umkehrfunktion(), VariableX);
    EXPECT_EQ(Drei->Umkehrfunktion(), nullptr);
    EXPECT_EQ(Null->Integral(nullptr, nullptr), Null);
}

TEST_F(Konstanten, NullstellenVonKonstantenUndX) {
    TSListe* liste = nullptr;
    uint8_t status = 9;
    Null->Nullstellen(MengeR, liste, false, status);
    EXPECT_EQ(status, falsch);
    ASSERT_EQ(liste->Anzahl, 1);
    EXPECT_EQ(liste->Stellen[1]->Punkt, Null);
    EXPECT_EQ(liste->Stellen[1]->Vielfachheit, 1);

    Drei->Nullstellen(MengeR, liste, false, status);
    EXPECT_EQ(status, wahr);
    EXPECT_EQ(liste->Anzahl, 0);

    VariableX->Nullstellen(IntervallR, liste, false, status);
    EXPECT_EQ(status, wahr);
    ASSERT_EQ(liste->Anzahl, 1);
    EXPECT_TRUE(liste->Stellen[1]->Punkt->IstNull());

    TIntervall einsBisZwei(TRand{Eins, false}, TRand{Zwei, false});
    VariableX->Nullstellen(&einsBisZwei, liste, false, status);
    EXPECT_EQ(status, wahr);
    EXPECT_EQ(liste->Anzahl, 0);

    // 0 on the open end of ]0; inf[ is not a zero there.
    VariableX->Nullstellen(IntervallPositiv, liste, false, status);
    EXPECT_EQ(liste->Anzahl, 0);
    VariableX->Nullstellen(IntervallNichtNegativ, liste, false, status);
    EXPECT_EQ(liste->Anzahl, 1);
}

TEST_F(Konstanten, GleichungenVonKonstantenUndX) {
    TSListe* liste = nullptr;
    uint8_t status = 9;
    Drei->LoeseGleichung(Drei, MengeR, false, status, liste);
    EXPECT_EQ(status, falsch);
    EXPECT_EQ(liste->Anzahl, 1);
    Drei->LoeseGleichung(Vier, MengeR, false, status, liste);
    EXPECT_EQ(status, wahr);
    EXPECT_EQ(liste->Anzahl, 0);

    // Every solution of x = c substituted back gives c.
    TIntervall nullBisEins(TRand{Null, false}, TRand{Eins, true});
    TRationaleKonstante* rechteSeiten[] = {Null, EinHalb, Eins, MinusEinDrittel, EinViertel};
    for (TRationaleKonstante* c : rechteSeiten) {
        VariableX->LoeseGleichung(c, &nullBisEins, false, status, liste);
        EXPECT_EQ(status, wahr);
        bool erwartet = !c->Bruch.Zaehler || (c->Bruch.Zaehler > 0 && c->Bruch.Zaehler < c->Bruch.Nenner);
        ASSERT_EQ(liste->Anzahl, erwartet ? 1 : 0) << c->Text;
        for (Int32 i = 1; i <= liste->Anzahl; ++i) {
            bool definiert;
            Extended x = liste->Stellen[i]->Punkt->Wert(0, definiert);
            EXPECT_EQ(VariableX->Wert(x, definiert), c->Wert(0, definiert));
        }
    }
}

TEST_F(Konstanten, DefinitionsbereichIstGanzR) {
    TMenge* menge = nullptr;
    uint8_t status = 0;
    Drei->BestimmeDefinitionsbereich(menge, status, false);
    EXPECT_EQ(menge, MengeR);
    EXPECT_EQ(status, wahr);
    VariableX->BestimmeDefinitionsbereich(menge, status, false);
    EXPECT_EQ(menge, MengeR);
    EXPECT_EQ(VariableX->IstDefiniertAuf(IntervallR), wahr);
}

TEST_F(Konstanten, StandardintervalleUndMengen) {
    struct Fall {
        TMenge* m;
        TTerm* t;
        bool drin;
    };
    TRationaleKonstante minusZwei(TBruch{-2, 1});
    const Fall faelle[] = {
        {IntervallPositiv, Null, false},      {IntervallPositiv, EinHalb, true},
        {IntervallNegativ, Null, false},      {IntervallNegativ, &minusZwei, true},
        {IntervallNichtNegativ, Null, true},  {IntervallNichtNegativ, &minusZwei, false},
        {RohneNull, Null, false},             {RohneNull, &minusZwei, true},
        {RohneNull, Vier, true},              {PositiveMenge, Vier, true},
        {NichtNegativeMenge, Null, true},     {MengeN, Null, false},
        {MengeN, Drei, true},                 {MengeZ, &minusZwei, true},
        {MengeZ, EinHalb, false},             {MengeQ, EinHalb, true},
        {MengeR, VariableX, true},            {LeereMenge, Null, false},
    };
    for (const auto& f : faelle) EXPECT_EQ(f.m->Enthaelt(f.t), f.drin) << f.t->Text;
}

TEST_F(Konstanten, Primzahlen) {
    EXPECT_EQ(Primzahlen[1], 2);
    EXPECT_EQ(Primzahlen[168], 997);
    for (int i = 1; i <= 168; ++i) {
        if (i > 1) {
            EXPECT_LT(Primzahlen[i - 1], Primzahlen[i]);
        }
        for (int d = 2; d * d <= Primzahlen[i]; ++d) EXPECT_NE(Primzahlen[i] % d, 0) << Primzahlen[i];
    }
}

TEST(Dreiwertig, Hilfsfunktionen) {
    struct Fall {
        TWahrheitswert a, b, und, beide, eines;
    };
    const Fall faelle[] = {
        {falsch, falsch, falsch, unklar, unklar}, {falsch, wahr, falsch, unklar, wahr},
        {wahr, falsch, falsch, unklar, wahr},     {wahr, wahr, wahr, wahr, wahr},
        {unklar, falsch, unklar, unklar, unklar}, {falsch, unklar, unklar, unklar, unklar},
        {unklar, wahr, unklar, unklar, wahr},     {wahr, unklar, unklar, unklar, wahr},
        {unklar, unklar, unklar, unklar, unklar},
    };
    for (const auto& f : faelle) {
        EXPECT_EQ(Und(f.a, f.b), f.und) << int(f.a) << int(f.b);
        EXPECT_EQ(WahrWennBeide(f.a, f.b), f.beide);
        EXPECT_EQ(WahrWennEines(f.a, f.b), f.eines);
    }
    EXPECT_STREQ(WahrheitswertNamen[falsch], "falsch");
    EXPECT_STREQ(WahrheitswertNamen[wahr], "wahr");
    EXPECT_STREQ(WahrheitswertNamen[unklar], "unklar");
}

} // namespace
