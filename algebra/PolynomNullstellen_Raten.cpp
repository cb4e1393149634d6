// The rational root test: candidates p/q with p dividing the constant and q the leading coefficient,
// each decided exactly by dividing the polynomial by q*x - p in 128-bit integers.
#include <algorithm>
#include <cmath>
#include <numeric>
#include <vector>

#include "algebra/NormalFormen.h"
#include "algebra/PolynomNullstellen.h"
#include "algebra/PolynomNullstellen_Intern.h"
#include "output/Ausgabe.h"
#include "plattform/Oberflaeche.h"
#include "term/Mengen.h"
#include "term/Primfaktorzerlegung.h"
#include "term/Punktlisten.h"
#include "term/Radikale.h"
#include "term/TermManager.h"
#include "term/Terme.h"

namespace zol {

namespace {

using U64 = uint64_t;
using U128 = unsigned __int128;
using I128 = __int128;

U64 Betrag(Int64 a) {
    return a < 0 ? U64(0) - static_cast<U64>(a) : static_cast<U64>(a);
}

// Whether q*x - p divides the polynomial with integer coefficients a[0..n] (q divides a[n]): 1 yes,
// 0 no, -1 the division would leave 128 bits.
int TeiltLinearfaktor(const Int64* a, Int32 n, I128 p, I128 q) {
    I128 b = a[n] / q;
    for (Int32 i = n - 1; i >= 0; --i) {
        I128 t;
        if (__builtin_mul_overflow(p, b, &t) || __builtin_add_overflow(t, I128(a[i]), &t)) return -1;
        if (i == 0) return t == 0 ? 1 : 0;
        // q = 1 divides everything; numbers of 64 bits are divided in 64 bits.
        if (q == 1) {
            b = t;
        } else if (t >= INT64_MIN && t <= INT64_MAX && q <= INT64_MAX) {
            const Int64 t64 = Int64(t), q64 = Int64(q);
            if (t64 % q64 != 0) return 0;
            b = t64 / q64;
        } else {
            if (t % q != 0) return 0;
            b = t / q;
        }
    }
    return 0;
}

// The closing words of the guess line.
const char* Begruendung(bool positiv, bool ganz) {
    if (ganz) return positiv ? " (Teiler des Absolutglieds);" : " (Teiler des Absolutglieds;)";
    return positiv ? " (der Zähler teilt das Absolutglied und der Nenner den Leitterm);"
                   : " (der Zähler teilt das Absolutglied und der Nenner den Leitterm;";
}

void SchreibeGeraten(TTerm* r, bool positiv, bool ganz) {
    Schreibe("Nullstelle ");
    SchreibeTerm(r);
    Schreibe(" geraten ");
    SchreibeZeile(Begruendung(positiv, ganz));
}

} // namespace

std::vector<U64> Teiler(U64 n) {
    std::vector<U64> p;
    Primfaktorzerlegung(n, p);
    std::sort(p.begin(), p.end());
    std::vector<U64> teiler{1};
    for (size_t i = 0; i < p.size();) {
        size_t j = i;
        while (j < p.size() && p[j] == p[i]) ++j;
        const size_t alt = teiler.size();
        U64 potenz = 1;
        for (size_t e = i; e < j; ++e) {
            potenz *= p[i];
            for (size_t t = 0; t < alt; ++t) teiler.push_back(teiler[t] * potenz);
        }
        i = j;
    }
    std::sort(teiler.begin(), teiler.end());
    return teiler;
}

void NullstelleRaten(TPolynom P, TTerm*& Nullstelle, bool Kommentar) {
    Nullstelle = nullptr;
    SenkeGrad(P);
    if (!IstRationalesPolynom(P)) throw ETermGoToStart("Koeffizienten müssen rational sein!");
    if (P.Grad < 1) return;
    try {
        PErweitere(P, false);
    } catch (const ERessourcen&) {
        // The common denominator leaves 64 bits: no candidate can be decided.
        return;
    }
    Int64 a[MaxGrad + 1];
    const Int32 n = P.Grad;
    for (Int32 i = 0; i <= n; ++i) {
        TBruch b;
        BruchVonKonstante(P.Koeff[i], b);
        a[i] = b.Zaehler;
    }
    if (a[0] == 0) {
        Nullstelle = Null;
        if (Kommentar) SchreibeGeraten(Null, true, true);
        return;
    }
    // Cauchy's bound: every zero has |x| < 1 + max |a_i / a_n|, so p/q beyond it need not be tried.
    const Extended leit = static_cast<Extended>(Betrag(a[n]));
    Extended grenze = 0;
    for (Int32 i = 0; i < n; ++i) grenze = std::max(grenze, static_cast<Extended>(Betrag(a[i])) / leit);
    grenze = (1 + grenze) * (1 + 1e-9L) + 1e-9L;

    const std::vector<U64> nenner = Teiler(Betrag(a[n]));
    const std::vector<U64> zaehler = Teiler(Betrag(a[0]));
    constexpr U64 Int64Max = static_cast<U64>(INT64_MAX);
    Int64 versuche = 0;
    for (U64 q : nenner) {
        if (q > Int64Max) break;
        for (U64 p : zaehler) {
            if (static_cast<Extended>(p) > grenze * static_cast<Extended>(q)) break;
            for (bool positiv : {true, false}) {
                if (++versuche % 4096 == 0) {
                    Oberflaeche().VerarbeiteNachrichten();
                    if (BenutzerAbbruch) throw EBenutzerAbbruch("Abbruch durch Benutzer");
                }
                if (versuche > RatenBudget) return;
                // +p must fit into 64 bits as a numerator, -p may be -2^63.
                if (positiv && p > Int64Max) continue;
                const I128 z = positiv ? I128(p) : -I128(p);
                if (TeiltLinearfaktor(a, n, z, I128(q)) != 1) continue;
                Nullstelle = RationaleKonstante(TBruch{static_cast<Int64>(z), static_cast<Int64>(q)});
                if (Kommentar) SchreibeGeraten(Nullstelle, positiv, q == 1);
                return;
            }
        }
    }
}

bool NullstellenRational(TPolynom P, TMenge* Bereich, TSListe*& Liste, uint8_t& Status, bool Kommentar) {
    SenkeGrad(P);
    Liste = NeueLeereListe();
    try {
        PErweitere(P, Kommentar);
    } catch (const ERessourcen&) {
        return false;
    }
    TTerm* r = nullptr;
    NullstelleRaten(P, r, Kommentar);
    if (!r) return false;
    if (ImBereich(r, Bereich)) {
        Liste->FuegeHinzu(r, 1);
    } else if (Kommentar) {
        SchreibeZeile("Sie liegt aber nicht im Intervall ");
    }
    TPolynom linear;
    linear.Grad = 1;
    linear.Koeff[1] = Eins;
    linear.Koeff[0] = r->Negation();
    if (Kommentar) {
        Schreibe("Polynomdivision durch ");
        SchreibeTerm(PolynomToTerm(linear));
        SchreibeZeile(" ergibt: ");
    }
    TPolynom quotient, rest;
    PDurch(P, linear, quotient, rest, Kommentar);
    if (Kommentar) SchreibeTermZeile(PolynomToTerm(quotient));
    TSListe* weitere = nullptr;
    {
        TWechsel<Int32> einzug(Einrueckung, Einrueckung + Einzug);
        PNullstellen(quotient, Bereich, weitere, Status, Kommentar);
    }
    SListenVereinigen(weitere, Liste, false);
    return true;
}

} // namespace zol
