// Constants in sin and cos of an angle with a known triple: the zeros of cubics with three real zeros put
// back into the cubic simplify to 0, other polynomials at them keep their value in the reduced form.
#include <cmath>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "algebra/Vereinfachung.h"
#include "algebra/Winkelkonstanten.h"
#include "term/Terme.h"
#include "term/Wurzelzahlen.h"
#include "tests/hilfe/ZolTest.h"

namespace zol {
namespace {

using Winkelkonstanten = ZolTest;

// Each cubic with its zeros written as the trigonometric solution gives them.
TEST_F(Winkelkonstanten, NullstellenEingesetztErgebenNull) {
    const struct {
        const char* P;
        const char* Phi;
        std::vector<const char*> Nullstellen;
    } faelle[] = {
        {"x^3-3x+1", "2pi/9", {"2*cos(P)", "-cos(P)-sqrt(3)*sin(P)", "sqrt(3)*sin(P)-cos(P)"}},
        {"8x^3-9x^2-6x+2", "pi/6+arctan(-7/24)/3", {"3/8+5/4*cos(P)", "3/8-5/8*cos(P)-5/8*sqrt(3)*sin(P)"}},
        {"x^3-x-1/5", "arccos(3*sqrt(3)/10)/3", {"2*sqrt(1/3)*cos(P)"}},
    };
    std::mt19937 zufall(53);
    std::uniform_int_distribution<int> koeffizient(-5, 5);
    for (const auto& f : faelle) {
        TTerm* phi = Lies(f.Phi);
        TWurzelzahl k;
        ASSERT_TRUE(KosinusDesDreifachen(phi, k)) << f.Phi;
        EXPECT_TRUE(Nahe(*Wert(k.AlsTerm()), std::cos(3 * *Wert(phi)))) << f.Phi;
        for (const char* n : f.Nullstellen) {
            std::string text = n;
            for (size_t i; (i = text.find('P')) != std::string::npos;)
                text.replace(i, 1, std::string("(") + f.Phi + ")");
            TTerm* x0 = Lies(text);
            TTerm* p = Lies(f.P)->Ersetze(X(), x0);
            ASSERT_LT(std::fabs(*Wert(p)), 1e-15L) << f.P << " in " << n;
            VereinfacheKonstantenTerm(p);
            EXPECT_TRUE(p->IstNull()) << f.P << " in " << n << ": " << p->Text;
            // A random quartic at the zero: the same value, at most c^2 and s^1 left.
            TTerm* q = K(koeffizient(zufall));
            for (int i = 0; i < 4; ++i) q = Op(Op(q, '*', x0), '+', K(koeffizient(zufall)));
            TTerm* r = Winkelnormalform(q);
            ASSERT_TRUE(r) << q->Text;
            EXPECT_TRUE(Nahe(*Wert(r), *Wert(q), 1e-12L)) << r->Text;
            TWurzelzahl Z, N;
            ASSERT_TRUE(AlsWurzelbruch(r, Z, N));
            for (const auto& [m, a] : Z.Koeff)
                for (const auto& [atom, e] : m.Atome) EXPECT_LE(e, atom->Text[0] == 's' ? 1 : 2) << r->Text;
        }
    }
    for (const char* ohne : {"1", "arctan(2)/2", "pi/6+arctan(1+sqrt(2))/3"}) {
        TWurzelzahl k;
        EXPECT_FALSE(KosinusDesDreifachen(Lies(ohne), k)) << ohne;
    }
    EXPECT_FALSE(Winkelnormalform(Lies("sin(1)^2+cos(1)^2")));
}

// The cheap test names a constant with a sine or cosine in it, and none whose only "sin(" or "cos(" stand in
// arcsin or arccos: the form's search for atoms would fail on those after all its work.
TEST_F(Winkelkonstanten, VortestSiehtSinusUndKosinusNichtImArkus) {
    const std::vector<std::pair<const char*, bool>> faelle = {
        {"arcsin(1/3)+1", false},
        {"2*arccos((sqrt(5)-1)/2)-pi", false},
        {"arcsin(1/3)*arccos(1/4)", false},
        {"sin(arcsin(1/3)/3)", true},
        {"2*arcsin(1/3)+cos(arctan(2)/3)", true},
        {"arccos(1/5)+sin(1)", true},
        {"cos(1)", true},
        {"x+sin(x)", false},
    };
    for (const auto& [text, erwartet] : faelle)
        EXPECT_EQ(MoeglicheWinkelkonstante(Lies(text)), erwartet) << text;
}

} // namespace
} // namespace zol
