// The simplifier's searches end on every input and keep the value; an overflowing candidate is dropped; the
// gcd does not overflow; the polynomial loops answer the abort.
#include <functional>
#include <string>
#include <vector>

#include "algebra/NormalFormen.h"
#include "algebra/Polynome.h"
#include "algebra/Vereinfachung.h"
#include "output/Ausgabe.h"
#include "term/Arbeit.h"
#include "term/Fehler.h"
#include "term/Termarithmetik.h"
#include "tests/algebra/PolynomTesthilfe.h"

namespace zol {
namespace {

using Budget = PolynomTest;

// Inputs on which the substitution and transformation searches once ran away (exponential work, nested
// searches) or failed with an overflow in one candidate: the simplification ends within a bounded amount
// of work and keeps the value.
TEST_F(Budget, SucheEndetUndBehaeltDenWert) {
    const char* const eingaben[] = {
        "(6x^3-5x^2+5)^7", // degree 21: no normal form, the searches run
        "x^21+x+2+e/t",    // parameters in a term beyond the degree limit
        "8*x*x^20-x^22",   // a transformation candidate overflows
        "x/(-27)/x^22",    // the same
    };
    for (const char* e : eingaben) {
        AlleTermeFreigeben();
        TTerm* t = Lies(e);
        const Int64 vorher = Arbeitsschritte();
        TTerm* r = t;
        ASSERT_NO_THROW(VereinfacheTerm(r)) << e;
        EXPECT_LT(Arbeitsschritte() - vorher, 20 * Anfragevorrat) << e;
        EXPECT_TRUE(WertGleich(t, r)) << e << " -> " << r->Text;
    }
    // The fold of the base before ^x while parsing ends as well (with the parser's verdict on ^x).
    const Int64 vorher = Arbeitsschritte();
    EXPECT_THROW(Lies("(x(1+z)-h/r)^7^x"), ETermFehler);
    EXPECT_LT(Arbeitsschritte() - vorher, 20 * Anfragevorrat);
}

// Euclid's algorithm on moderate integer polynomials: with monic remainders the fractions stay small.
TEST_F(Budget, GGTOhneUeberlauf) {
    const TPolynom P = PolZ({7, 2, 0, 0, 0, -3, 1});     // x^6 - 3x^5 + 2x + 7
    const TPolynom Q = PolZ({5, -1, 3, 0, 0, 0, -2, 1}); // x^7 - 2x^6 + 3x^2 - x + 5
    const TPolynom L = PolZ({-2, 1});                    // x - 2
    TPolynom PL, QL;
    PMal(P, L, PL);
    PMal(Q, L, QL);
    struct Fall {
        TPolynom A, B, Soll;
    };
    const Fall faelle[] = {{P, Q, EinsPolynom}, {Q, P, EinsPolynom}, {PL, QL, L}, {QL, PL, L}};
    for (const auto& f : faelle) {
        TPolynom G;
        ASSERT_NO_THROW(PGGT(f.A, f.B, G));
        EXPECT_TRUE(PGleich(G, f.Soll)) << PolynomToTerm(G)->Text;
    }
}

// The polynomial loops build terms and so poll the host: "Abbrechen" ends them promptly.
TEST_F(Budget, PolynomschleifenEndenNachAbbruch) {
    TZufallsPolynome z(3);
    const TPolynom A = z.Polynom(10), B = z.Polynom(9);
    TPolynom AB, wurzelZwei, B2;
    PMal(A, B, AB);
    // Rational coefficients take the gcd modulo primes, which builds no terms; with an irrational factor the
    // gcd runs Euclid's algorithm on the coefficient terms.
    KonstantesPolynom(Lies("sqrt(2)"), wurzelZwei);
    PMal(B, wurzelZwei, B2);
    const std::vector<std::pair<const char*, std::function<void()>>> faelle = {
        {"PHoch",
         [&] {
             TPolynom R;
             PHoch(B, 2, R);
         }},
        {"PMal",
         [&] {
             TPolynom R;
             PMal(A, B, R);
         }},
        // With a common factor (coprime polynomials need no division).
        {"PGGT",
         [&] {
             TPolynom R;
             PGGT(AB, B2, R);
         }},
        {"PDurch",
         [&] {
             TPolynom Q, R;
             PDurch(AB, A, Q, R, false);
         }},
    };
    for (const auto& [name, schleife] : faelle) {
        BenutzerAbbruch = false;
        Oberflaeche.Host.Nachrichtenaufrufe = 0;
        Oberflaeche.Host.AbbruchNach = 1;
        Oberflaeche.Host.UhrTakt = 1000;
        EXPECT_THROW(schleife(), EBenutzerAbbruch) << name;
    }
}

} // namespace
} // namespace zol
