// Projections against images worked out by hand, the points that have none, the visible part of a line in
// the window, and objects that keep their values when the terms they came from are freed.
#include <cmath>
#include <vector>

#include "geometry/Projektionen.h"
#include "geometry/Vektoren.h"
#include "output/Ausgabe.h"
#include "term/TermManager.h"
#include "tests/hilfe/TestLeinwand.h"
#include "tests/hilfe/ZolTest.h"

namespace zol {
namespace {

using Vektoren::TGerade;
using Vektoren::TVektor;
using P3 = Vektoren::TPunkt;

const std::string Parallel = "Warnung: Projektionsgerade parallel zur Bildebene!";

class GeometrieTest : public ZolTest {
protected:
    void SetUp() override {
        ZolTest::SetUp();
        AktuelleProjektion = VordefinierteProjektionen[0];
        Vektoren::InitialisiereGeometrie();
        Schriftgroesse = 10;
        SeitenY = 0;
    }
    void TearDown() override {
        AktuelleProjektion = VordefinierteProjektionen[0];
        ZolTest::TearDown();
    }
    P3* Punkt(const char* x, const char* y, const char* z, const char* name = "A") {
        return Vektoren::NeuesObjekt<P3>(name, Lies(x), Lies(y), Lies(z));
    }
    TVektor* Vektor(Extended x, Extended y, Extended z) {
        return Vektoren::NeuesObjekt<TVektor>("u", TRaumvektor{x, y, z}, true);
    }
    TTestLeinwandAktiv Bild{760, 600};
};

TEST_F(GeometrieTest, BilderBekannterPunkte) {
    const TProjektion zentral{Zentralprojektion, {0, 0, 10}, {0, 0, 0}, {1, 0, 0}, {0, 1, 0}};
    const TProjektion verschoben{Parallelprojektion, {0, 0, 3}, {1, 1, 0}, {2, 0, 0}, {0, 5, 0}};
    const Extended militaer = std::hypot(0.9239L, 0.3827L); // |yAchse| of the preset, normalised away
    const struct {
        TProjektion Projektion;
        TRaumvektor P;
        Extended X, Y;
    } faelle[] = {
        {VordefinierteProjektionen[0], {3, 4, 5}, 3, 4},
        {VordefinierteProjektionen[1], {3, 4, 5}, 4, 5},
        {VordefinierteProjektionen[2], {3, 4, 5}, 3, 5},
        // Along (0.707, -1, 0.707) onto the xz plane: (0, 1, 0) + 1 * d.
        {VordefinierteProjektionen[3], {0, 1, 0}, 0.707L, 0.707L},
        // Along (1, 0.707, 0.707) onto the yz plane: (1, 0, 0) - 1 * d.
        {VordefinierteProjektionen[4], {1, 0, 0}, -0.707L, -0.707L},
        // (0, 0, 1) - d is the preset's yAchse itself.
        {VordefinierteProjektionen[5], {0, 0, 1}, 0, militaer},
        // From (0, 0, 10) through (1, 2, 5) the ray meets z = 0 at (2, 4).
        {zentral, {1, 2, 5}, 2, 4},
        {zentral, {-3, 1, 0}, -3, 1},
        // The plane's own point and axis lengths do not matter, but the point is measured from it.
        {verschoben, {3, 4, 5}, 2, 3},
    };
    for (const auto& f : faelle) {
        AktuelleProjektion = f.Projektion;
        Extended x = 99, y = 99;
        ASSERT_TRUE(Projiziere(f.P, x, y)) << f.P[0] << "," << f.P[1] << "," << f.P[2];
        EXPECT_TRUE(Nahe(x, f.X, 1e-15L) && Nahe(y, f.Y, 1e-15L))
            << f.P[0] << "," << f.P[1] << "," << f.P[2] << " -> " << x << "," << y;
    }
    EXPECT_TRUE(Meldungen().empty());
}

TEST_F(GeometrieTest, OhneBildKeinePunkteUndEineWarnung) {
    // The direction lies in the image plane: no point has an image.
    AktuelleProjektion = {Parallelprojektion, {1, 1, 0}, {0, 0, 0}, {1, 0, 0}, {0, 1, 0}};
    Extended x = 7, y = 8;
    EXPECT_FALSE(Projiziere({3, 4, 5}, x, y));
    EXPECT_TRUE(x == 7 && y == 8);
    EXPECT_EQ(Meldungen(), std::vector<std::string>{Parallel});
    Oberflaeche.Host.Meldungen.clear();

    // One warning for a whole drawing, none for a silent one.
    for (bool melden : {true, false}) {
        TProjektionsmeldung zeichnung(melden);
        for (int i = 0; i < 3; ++i) Projiziere({Extended(i), 0, 0}, x, y);
        zeichnung.Abschliessen();
        EXPECT_EQ(Meldungen(), melden ? std::vector<std::string>{Parallel} : std::vector<std::string>{});
        Oberflaeche.Host.Meldungen.clear();
    }

    // Centre (0, 0, 5): the points of the plane z = 5 have no image; such a point is not drawn, nor is a
    // line through it; nothing else is drawn at (0, 0) in their place.
    AktuelleProjektion = {Zentralprojektion, {0, 0, 5}, {0, 0, 0}, {1, 0, 0}, {0, 1, 0}};
    P3* ohne = Punkt("1", "1", "5");
    P3* undefiniert = Punkt("1/0", "0", "0");
    EXPECT_FALSE(ohne->HatBild);
    EXPECT_FALSE(undefiniert->HatBild);
    Oberflaeche.Host.Meldungen.clear();
    ohne->Zeichne();
    undefiniert->Zeichne();
    TGerade("g", ohne, Vektor(1, 0, 0)).Zeichne();
    EXPECT_TRUE(Bild.Leinwand.Aufrufe.empty());
    EXPECT_TRUE(Meldungen().empty());

    // A null axis cannot be normalised.
    TRaumvektor n{0, 0, 0};
    Normiere(n);
    EXPECT_EQ(Meldungen(), std::vector<std::string>{"Warnung: Versuch,Nullvektor zu normieren!"});
}

TEST_F(GeometrieTest, SichtbarerAbschnittImFenster) {
    // The window is x from -10 to 10, y from -7 to 10; under the xy preset a point's image is its x and y.
    const struct {
        const char* Fall;
        TRaumvektor Stuetz, Richtung;
        bool Sichtbar;
        Extended X1, Y1, X2, Y2;
    } faelle[] = {
        {"parallel zur Projektion", {1, 1, 0}, {0, 0, 2}, false, 0, 0, 0, 0},
        {"senkrecht am linken Rand", {-10, 3, 0}, {0, 1, 0}, true, -10, -7, -10, 10},
        {"senkrecht abwaerts", {-10, 3, 0}, {0, -2, 1}, true, -10, 10, -10, -7},
        {"waagerecht nach links", {4, 10, 0}, {-3, 0, 0}, true, 10, 10, -10, 10},
        {"waagerecht darueber", {4, 10.5L, 0}, {1, 0, 0}, false, 0, 0, 0, 0},
        {"links hinein, unten hinaus", {-9, -6, 0}, {1, -1, 0}, true, -10, -5, -8, -7},
        {"links und rechts", {0, 1, 0}, {2, 1, 0}, true, -10, -4, 10, 6},
        {"unten und oben", {1, 0, 0}, {-1, 4, 0}, true, 2.75L, -7, -1.5L, 10},
        {"durch die Ecke", {-10, -7, 0}, {1, 1, 0}, true, -10, -7, 7, 10},
        {"beruehrt nur die Ecke", {-10, -7, 0}, {1, -1, 0}, false, 0, 0, 0, 0},
        {"am Fenster vorbei", {20, 0, 0}, {1, 1, 0}, false, 0, 0, 0, 0},
    };
    for (const auto& f : faelle) {
        auto* a = Vektoren::NeuesObjekt<P3>("A", K(0), K(0), K(0));
        // The support point's image, as a point made under this projection has it.
        a->BildX = f.Stuetz[0];
        a->BildY = f.Stuetz[1];
        a->HatBild = true;
        TGerade g("g", a, Vektor(f.Richtung[0], f.Richtung[1], f.Richtung[2]));
        Extended x1 = 0, y1 = 0, x2 = 0, y2 = 0;
        bool sichtbar = !f.Sichtbar;
        g.SichtbarerAbschnitt(x1, y1, x2, y2, sichtbar);
        EXPECT_EQ(sichtbar, f.Sichtbar) << f.Fall;
        if (sichtbar && f.Sichtbar) {
            EXPECT_TRUE(Nahe(x1, f.X1) && Nahe(y1, f.Y1) && Nahe(x2, f.X2) && Nahe(y2, f.Y2))
                << f.Fall << ": " << x1 << "," << y1 << " " << x2 << "," << y2;
        }
    }
}

TEST_F(GeometrieTest, ObjekteUeberlebenIhreTerme) {
    AktuelleProjektion = VordefinierteProjektionen[3];
    P3* a = Punkt("1/3", "sqrt(2)", "pi");
    TRaumvektor w;
    ASSERT_TRUE(a->Werte(w));
    EXPECT_TRUE(Nahe(w[0], 1.0L / 3) && Nahe(w[1], std::sqrt(2.0L)) && Nahe(w[2], M_PIl));
    TGerade* g = TGerade::CreateZweiPunkte("g", a, Punkt("-2", "exp(1)", "1/7"));
    auto zeichnung = [&] {
        Bild.Leinwand.Aufrufe.clear();
        a->Zeichne();
        g->Zeichne();
        return Bild.Leinwand.Aufrufe.size();
    };
    const size_t vorher = zeichnung();
    const auto aufrufe = Bild.Leinwand.Aufrufe;
    EXPECT_GT(vorher, 0u);
    // A new request frees the terms and builds others.
    AlleTermeFreigeben();
    Lies("x^2+17*x-sqrt(5)/3");
    ASSERT_EQ(zeichnung(), vorher);
    for (size_t i = 0; i < vorher; ++i) EXPECT_EQ(Bild.Leinwand.Aufrufe[i].Punkte, aufrufe[i].Punkte) << i;
}

} // namespace
} // namespace zol
