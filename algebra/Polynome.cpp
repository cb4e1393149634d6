#include "algebra/Polynome.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <numeric>
#include <tuple>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "algebra/Ganzzahlpolynome.h"
#include "algebra/NormalFormen.h"
#include "algebra/Nullentscheidung.h"
#include "algebra/Vereinfachung.h"
#include "output/Ausgabe.h"
#include "output/Protokoll.h"
#include "plattform/Oberflaeche.h"
#include "term/Fehler.h"
#include "term/Funktionen.h"
#include "term/Parameter.h"
#include "term/Radikale.h"
#include "term/TermManager.h"
#include "term/Termarithmetik.h"
#include "term/Terme.h"
#include "term/Wurzeln.h"
#include "term/Wurzelzahlen.h"

namespace zol {

TPolynom NullPolynom;
TPolynom EinsPolynom;
TPolynom XPolynom;
TPolynom XQuadratPolynom;
TPolynom EinsMinusXQuadratPolynom;

namespace {

const char* const GradUeberschritten = "Maximaler Grad von Polynomen überschritten.";

[[noreturn]] void GradFehler() {
    throw EGradUeberschritten(GradUeberschritten);
}

TTerm* Ganzzahl(Int64 n) {
    return RationaleKonstante(TBruch{n, 1});
}

// Lowers the degree while the leading coefficient is zero, decided exactly (never below 0); what is cut off
// becomes the constant 0.
void Trimme(TPolynom& P) {
    while (P.Grad >= 1 && IstSicherNull(P.Koeff[P.Grad])) {
        P.Koeff[P.Grad] = Null;
        --P.Grad;
    }
}

void SchreibePolynom(const TPolynom& P) {
    SchreibeTerm(PolynomToTerm(P));
}

void SchreibePolynomZeile(const TPolynom& P) {
    SchreibeTermZeile(PolynomToTerm(P));
}

// A trace block of the output: opened on construction; should it be left by an exception, the indent
// and nesting depth are put back.
class TProtokollBlock {
public:
    TProtokollBlock(const std::string& s, TTerm* T) : Einrueckung0(Einrueckung), Tiefe0(Schachtelungstiefe) {
        BeginneSchritt(s, T);
    }
    void Beende(const std::string& s, TTerm* T) {
        Offen = false;
        BeendeSchritt(s, T);
    }
    ~TProtokollBlock() {
        if (Offen) {
            Einrueckung = Einrueckung0;
            Schachtelungstiefe = Tiefe0;
        }
    }
    TProtokollBlock(const TProtokollBlock&) = delete;
    TProtokollBlock& operator=(const TProtokollBlock&) = delete;

private:
    Int32 Einrueckung0;
    Int32 Tiefe0;
    bool Offen = true;
};

} // namespace

TPolynom::TPolynom() {
    // A copy of a row of Null (which the store of the shared constants may set after a first record was
    // made): many records are made, twenty-one in each polynomial in s.
    static TTerm* vorlage[MaxGrad + 1] = {};
    TTerm* const null = Null;
    if (vorlage[0] != null) std::fill(std::begin(vorlage), std::end(vorlage), null);
    std::memcpy(Koeff, vorlage, sizeof Koeff);
}

void InitialisierePolynome() {
    NullPolynom = TPolynom();
    EinsPolynom = TPolynom();
    EinsPolynom.Koeff[0] = Eins;
    XPolynom = TPolynom();
    XPolynom.Grad = 1;
    XPolynom.Koeff[1] = Eins;
    XQuadratPolynom = TPolynom();
    XQuadratPolynom.Grad = 2;
    XQuadratPolynom.Koeff[2] = Eins;
    EinsMinusXQuadratPolynom = TPolynom();
    EinsMinusXQuadratPolynom.Grad = 2;
    EinsMinusXQuadratPolynom.Koeff[0] = Eins;
    EinsMinusXQuadratPolynom.Koeff[2] = MinusEins;
}

// ---- Sum, difference, product ----

namespace {

void PSummeOderDifferenz(const TPolynom& P, const TPolynom& Q, TPolynom& R, bool Differenz) {
    const Int32 m = std::max(P.Grad, Q.Grad);
    TPolynom S;
    for (Int32 i = 0; i <= m; ++i)
        S.Koeff[i] = Differenz ? DifferenzV(P.Koeff[i], Q.Koeff[i]) : SummeV(P.Koeff[i], Q.Koeff[i]);
    S.Grad = m;
    Trimme(S);
    R = S;
}

} // namespace

void PPlus(const TPolynom& P, const TPolynom& Q, TPolynom& R) {
    PSummeOderDifferenz(P, Q, R, false);
}

void PMinus(const TPolynom& P, const TPolynom& Q, TPolynom& R) {
    PSummeOderDifferenz(P, Q, R, true);
}

void PMal(const TPolynom& P, const TPolynom& Q, TPolynom& R) {
    if (PGleich(P, NullPolynom) || PGleich(Q, NullPolynom)) {
        R = NullPolynom;
        return;
    }
    const Int32 d = P.Grad + Q.Grad;
    if (d > MaxGrad) {
        R = NullPolynom;
        GradFehler();
    }
    TPolynom S;
    for (Int32 i = 0; i <= d; ++i) {
        TTerm* s = Null;
        for (Int32 j = std::max(0, i - Q.Grad); j <= std::min(i, P.Grad); ++j)
            s = SummeV(s, ProduktV(P.Koeff[j], Q.Koeff[i - j]));
        S.Koeff[i] = s;
    }
    S.Grad = d;
    R = S;
}

// ---- Division with remainder ----

namespace {

// The long division itself. Each degree of the quotient is visited once, from the top: the leading
// coefficient of the remainder is divided by N's, the multiple of N is subtracted, and the coefficient it
// cancels is set to 0 exactly (whether or not the coefficient arithmetic could show that), so the loop
// ends after at most Z.Grad - N.Grad + 1 rounds for any coefficients.
void PDurchRechnen(TPolynom Z, TPolynom N, TPolynom& Quotient, TPolynom& Rest, bool Schema) {
    TPolynom Q;
    TPolynom R = Z;
    Int32 d = Z.Grad;
    const Int32 n = N.Grad;
    if (d >= n) Q.Grad = d - n;
    std::string einzug;
    bool weiter = true;
    PruefeTeiler(N.Koeff[n], "der Leitkoeffizient des Divisors");
    while (weiter && d >= n) {
        if (IstSicherNull(R.Koeff[d])) break;
        TTerm* q = QuotientV(R.Koeff[d], N.Koeff[n]);
        Q.Koeff[d - n] = q;
        TPolynom S;
        for (Int32 j = 0; j <= n; ++j) S.Koeff[d - n + j] = ProduktV(q, N.Koeff[j]);
        S.Grad = d;
        if (Schema) {
            Schreibe(einzug + "-(");
            SchreibePolynom(S);
            SchreibeZeile(")");
            // The rule under the subtracted multiple: one stroke per coefficient of its first run of
            // non-zero coefficients, counted from the lowest exponent.
            std::string striche = einzug;
            Int32 i = 0;
            while (i < S.Grad && S.Koeff[i]->IstNull()) ++i;
            for (; i <= S.Grad && !S.Koeff[i]->IstNull(); ++i) striche += "_____";
            SchreibeZeile(striche);
        }
        PMinus(R, S, R);
        R.Koeff[d] = Null;
        Trimme(R);
        if (d > 0) {
            --d;
            while (d >= 1 && IstSicherNull(R.Koeff[d])) --d;
        } else {
            weiter = false;
        }
        if (Schema) {
            einzug += "       ";
            Schreibe(einzug);
            SchreibePolynomZeile(R);
        }
    }
    R.Grad = std::max(d, 0);
    Trimme(R);
    Quotient = Q;
    Rest = R;
}

} // namespace

void PDurch(TPolynom Z, TPolynom N, TPolynom& Quotient, TPolynom& Rest, bool Schema) {
    Trimme(Z);
    Trimme(N);
    if (IstNullPolynom(N)) throw ETermFehler("Division durch Nullpolynom");
    const bool protokoll = ProtokollPolynom;
    if (!protokoll) {
        if (Schema) {
            TPolynom q, r;
            PDurchRechnen(Z, N, q, r, false);
            SchreibeZeile("Polynomdivision:");
            Schreibe("(");
            SchreibePolynom(Z);
            Schreibe(") : (");
            SchreibePolynom(N);
            Schreibe(") = ");
            SchreibePolynom(q);
            Schreibe("    Rest ");
            SchreibePolynomZeile(r);
        }
        PDurchRechnen(Z, N, Quotient, Rest, Schema);
        return;
    }
    TProtokollBlock block("PDurch:", nullptr);
    Schreibe("Z=");
    SchreibePolynom(Z);
    Schreibe(", N=");
    SchreibePolynomZeile(N);
    SchreibeZeile("Polynomdivision:");
    Schreibe("(");
    SchreibePolynom(Z);
    Schreibe(") : (");
    SchreibePolynom(N);
    SchreibeZeile(") = ");
    TPolynom q, r;
    PDurchRechnen(Z, N, q, r, true);
    Quotient = q;
    Rest = r;
    block.Beende("PDurch=", PolynomToTerm(q));
}

// ---- Power, gcd, lcm, cancelling ----

void PHoch(TPolynom P, Int32 n, TPolynom& R) {
    if (n < 0) {
        SchreibeZeile("Fehler: PHoch: n<0 !");
        R = NullPolynom;
        return;
    }
    if (n == 0 || PGleich(P, EinsPolynom)) {
        R = EinsPolynom;
        return;
    }
    TPolynom E = P;
    for (Int32 i = 1; i < n; ++i) PMal(E, P, E);
    R = E;
}

namespace {

// P divided by its leading coefficient.
void Normiert(TPolynom& P) {
    TTerm* leit = P.Koeff[P.Grad];
    PruefeTeiler(leit, "der Leitkoeffizient");
    for (Int32 i = 0; i <= P.Grad; ++i) P.Koeff[i] = QuotientV(P.Koeff[i], leit);
}

} // namespace

namespace {

// Arithmetic modulo a prime p below 2^31: residues below 2^31, so products fit in 64 bits.
constexpr uint64_t ModulP = 2147483647;

uint64_t ModMal(uint64_t a, uint64_t b, uint64_t p) {
    return a * b % p;
}

uint64_t ModPotenz(uint64_t a, uint64_t e, uint64_t p) {
    uint64_t r = 1;
    for (a %= p; e > 0; e >>= 1, a = ModMal(a, a, p))
        if (e & 1) r = ModMal(r, a, p);
    return r;
}

uint64_t ModInvers(uint64_t a, uint64_t p) {
    return ModPotenz(a, p - 2, p);
}

// The residue of a fraction of 128-bit integers; false when its denominator vanishes modulo p.
bool ModBruch(Int128 Zaehler, Int128 Nenner, uint64_t p, uint64_t& R) {
    const Int128 m = Int128(p);
    const uint64_t z = uint64_t((Zaehler % m + m) % m), n = uint64_t((Nenner % m + m) % m);
    if (n == 0) return false;
    R = ModMal(z, ModInvers(n, p), p);
    return true;
}

// The coefficients of P modulo the prime (index = exponent); false when a coefficient is not rational, a
// denominator is divisible by the prime, or the leading coefficient vanishes modulo it.
bool ModuloP(const TPolynom& P, std::vector<uint64_t>& R) {
    R.assign(size_t(P.Grad) + 1, 0);
    for (Int32 i = 0; i <= P.Grad; ++i) {
        if (!P.Koeff[i]->IstRational()) return false;
        TBruch b;
        BruchVonKonstante(P.Koeff[i], b);
        if (!ModBruch(b.Zaehler, b.Nenner, ModulP, R[size_t(i)])) return false;
    }
    return R.back() != 0;
}

Int32 GradModuloP(const std::vector<uint64_t>& A, Int32 d) {
    while (d >= 0 && A[size_t(d)] == 0) --d;
    return d;
}

// Polynomials modulo p (index = exponent, non-zero leading coefficients) whose gcd is constant.
bool TeilerfremdeReste(std::vector<uint64_t> A, std::vector<uint64_t> B, uint64_t p) {
    Int32 da = Int32(A.size()) - 1, db = Int32(B.size()) - 1;
    while (db >= 0) {
        const uint64_t inv = ModInvers(B[size_t(db)], p);
        while (da >= db) {
            const uint64_t q = ModMal(A[size_t(da)], inv, p);
            for (Int32 j = 0; j <= db; ++j) {
                uint64_t& a = A[size_t(da - db + j)];
                a = (a + p - ModMal(q, B[size_t(j)], p)) % p;
            }
            da = GradModuloP(A, da);
        }
        std::swap(A, B);
        std::swap(da, db);
    }
    return da == 0;
}

// P and Q have no common factor: their gcd modulo a prime that keeps their degrees is constant. (A common
// factor over the rationals would stay one of the same degree modulo such a prime.)
bool TeilerfremdModuloP(const TPolynom& P, const TPolynom& Q) {
    std::vector<uint64_t> A, B;
    return ModuloP(P, A) && ModuloP(Q, B) && TeilerfremdeReste(A, B, ModulP);
}

// Safe primes p = 2r + 1 (r prime) below 2^31. Every odd root index below r is invertible modulo p - 1, so
// each residue has exactly one root of that index; and p = 3 mod 4, so a square has a square root that is a
// square itself.
constexpr uint64_t SichereModuln[] = {2147483579, 2147483123, 2147482763, 2147481563,
                                      2147481143, 2147480927, 2147480327, 2147479823};

// A root t of a modulo the safe prime p with t^n = a; false when there is none.
bool ModWurzel(uint64_t a, uint64_t n, uint64_t p, uint64_t& t) {
    t = a % p;
    uint64_t m = n;
    for (; m % 2 == 0; m /= 2) t = ModPotenz(t, (p + 1) / 4, p);
    if (m > 1) {
        // t^(1/m) is t^k with k*m = 1 modulo p - 1 (m odd and below r, so prime to p - 1).
        Int64 a0 = Int64(p - 1), a1 = Int64(m), k0 = 0, k1 = 1;
        while (a1 != 0) {
            const Int64 q = a0 / a1;
            std::tie(a0, a1) = std::make_pair(a1, a0 - q * a1);
            std::tie(k0, k1) = std::make_pair(k1, k0 - q * k1);
        }
        if (a0 != 1) return false;
        t = ModPotenz(t, uint64_t((k0 % Int64(p - 1) + Int64(p - 1)) % Int64(p - 1)), p);
    }
    return ModPotenz(t, n, p) == a % p;
}

// A coefficient as numerator and denominator, numbers in the roots of primes without atoms.
struct TWurzelkoeffizient {
    TWurzelzahl Zaehler, Nenner{TGrossbruch{1, 1}};
};

// The coefficients of P as numbers in roots, with the least common root index of each prime entered in
// Indizes; false when a coefficient is no such number or an index exceeds 64.
bool AlsWurzelkoeffizienten(const TPolynom& P, std::vector<TWurzelkoeffizient>& K,
                            std::map<Int64, Int64>& Indizes) {
    K.assign(size_t(P.Grad) + 1, {});
    for (Int32 i = 0; i <= P.Grad; ++i) {
        TWurzelkoeffizient& k = K[size_t(i)];
        if (IstSicherNull(P.Koeff[i])) continue;
        if (!AlsWurzelbruch(P.Koeff[i], k.Zaehler, k.Nenner) || k.Zaehler.HatAtome() || k.Nenner.HatAtome())
            return false;
        for (const TWurzelzahl* w : {&k.Zaehler, &k.Nenner})
            for (const auto& [m, c] : w->Koeff)
                for (const auto& [q, e] : m.Wurzeln) {
                    Int64& n = Indizes.emplace(q, 1).first->second;
                    n = n / std::gcd(n, e.Nenner) * e.Nenner;
                    if (n > 64) return false;
                }
    }
    return true;
}

// The residue of a number in roots, each prime q's root q^(1/n) sent to Wurzeln[q] = (t, n); false when a
// denominator vanishes modulo p.
bool ModWurzelzahl(const TWurzelzahl& W, const std::map<Int64, std::pair<uint64_t, Int64>>& Wurzeln,
                   uint64_t p, uint64_t& R) {
    R = 0;
    for (const auto& [m, c] : W.Koeff) {
        uint64_t v;
        if (!ModBruch(c.Zaehler, c.Nenner, p, v)) return false;
        for (const auto& [q, e] : m.Wurzeln) {
            const auto& [t, n] = Wurzeln.at(q);
            v = ModMal(v, ModPotenz(t, uint64_t(e.Zaehler * (n / e.Nenner)), p), p);
        }
        R = (R + v) % p;
    }
    return true;
}

// The coefficients' residues (index = exponent); false when a denominator's residue or the leading
// coefficient's vanishes.
bool ModWurzelkoeffizienten(const std::vector<TWurzelkoeffizient>& K,
                            const std::map<Int64, std::pair<uint64_t, Int64>>& Wurzeln, uint64_t p,
                            std::vector<uint64_t>& R) {
    R.assign(K.size(), 0);
    for (size_t i = 0; i < K.size(); ++i) {
        uint64_t z, n;
        if (!ModWurzelzahl(K[i].Zaehler, Wurzeln, p, z) || !ModWurzelzahl(K[i].Nenner, Wurzeln, p, n) ||
            n == 0)
            return false;
        R[i] = ModMal(z, ModInvers(n, p), p);
    }
    return R.back() != 0;
}

// P and Q, with coefficients in the real roots of primes, have no common factor. The roots of distinct primes
// are independent: the coefficients lie in Q[X_q] / (X_q^n_q - q), so sending each X_q to a root t_q of q
// modulo a prime p is a ring homomorphism on the coefficients whose denominators do not vanish. Where the
// leading coefficients' images do not vanish either, a monic common divisor G of P and Q divides P/lc(P) and
// Q/lc(Q), so its coefficients are integral over that ring, and G's image (over an extension of the residue
// field) is a monic common divisor of the images of P and Q of G's degree. Coprime images prove G = 1.
bool TeilerfremdUeberWurzeln(const TPolynom& P, const TPolynom& Q) {
    std::vector<TWurzelkoeffizient> kp, kq;
    std::map<Int64, Int64> indizes;
    if (!AlsWurzelkoeffizienten(P, kp, indizes) || !AlsWurzelkoeffizienten(Q, kq, indizes) || indizes.empty())
        return false;
    for (const uint64_t p : SichereModuln) {
        std::map<Int64, std::pair<uint64_t, Int64>> wurzeln;
        bool gefunden = true;
        for (const auto& [q, n] : indizes) {
            uint64_t t = 0;
            gefunden = gefunden && ModWurzel(uint64_t(q) % p, uint64_t(n), p, t);
            wurzeln[q] = {t, n};
        }
        std::vector<uint64_t> A, B;
        if (gefunden && ModWurzelkoeffizienten(kp, wurzeln, p, A) &&
            ModWurzelkoeffizienten(kq, wurzeln, p, B))
            return TeilerfremdeReste(A, B, p);
    }
    return false;
}

// The monic polynomial with the zeros of the integer polynomial G.
TPolynom MonischAus(const TGanzPolynom& G) {
    TPolynom R;
    R.Grad = Int32(G.size()) - 1;
    for (size_t i = 0; i < G.size(); ++i) R.Koeff[i] = Bruchkonstante(G[i], G.back());
    return R;
}

TPolynom AusGanzzahlig(const TGanzPolynom& G) {
    TPolynom R;
    R.Grad = std::max(Int32(G.size()) - 1, 0);
    for (size_t i = 0; i < G.size(); ++i) R.Koeff[i] = Ganzzahl(G[i]);
    return R;
}

// A non-zero P with rational coefficients as the integer polynomial with its zeros (its primitive multiple);
// false for other coefficients or beyond 64 bits.
bool AlsGanzzahlig(const TPolynom& P, TGanzPolynom& G) {
    if (!IstRationalesPolynom(P)) return false;
    std::vector<TBruch> k(size_t(P.Grad) + 1);
    for (Int32 i = 0; i <= P.Grad; ++i) BruchVonKonstante(P.Koeff[i], k[size_t(i)]);
    return PrimitivesVielfaches(k, G);
}

// The coefficients of a non-zero P with integer coefficients, as they are.
bool GanzeKoeffizienten(const TPolynom& P, TGanzPolynom& G) {
    G.clear();
    for (Int32 i = 0; i <= P.Grad; ++i) {
        if (!P.Koeff[i]->IstRational()) return false;
        TBruch b;
        BruchVonKonstante(P.Koeff[i], b);
        if (b.Nenner != 1) return false;
        G.push_back(b.Zaehler);
    }
    while (!G.empty() && G.back() == 0) G.pop_back();
    return !G.empty();
}

bool Skaliert(TGanzPolynom& P, Int64 k) {
    for (Int64& c : P)
        if (__builtin_mul_overflow(c, k, &c)) return false;
    return true;
}

// Z/N with integer coefficients cancelled by their gcd G over the integers, made monic: Z and N become Z/G
// and N/G. False, with nothing changed, when a number leaves 64 bits on the way.
bool KuerzeGanzzahlig(TPolynom& Z, TPolynom& N, Int32& Flag) {
    TGanzPolynom z, n, g, zq, nq;
    if (!GanzeKoeffizienten(Z, z) || !GanzeKoeffizienten(N, n) || !GanzGGT(z, n, g)) return false;
    if (g.size() == 1) return true;
    if (!GanzDurch(z, g, zq) || !GanzDurch(n, g, nq)) return false;
    // Z/G is lc(g) * Z/g; where that leaves 64 bits, Z/g over N/g is the same quotient.
    TGanzPolynom zs = zq, ns = nq;
    if (Skaliert(zs, g.back()) && Skaliert(ns, g.back())) {
        zq = zs;
        nq = ns;
    }
    Z = AusGanzzahlig(zq);
    N = AusGanzzahlig(nq);
    Flag = 0;
    return true;
}

// P = sum over j of L^j * Teile[j] with polynomials Teile[j] of rational coefficients and one constant
// L = ln(a), a rational, positive and not 1. Such an L is transcendental: P is 0 only when every part is,
// and a polynomial with rational coefficients divides P only when it divides every part. L is nil when all
// of P's coefficients are rational.
struct TLogarithmusZerlegung {
    TTerm* L = nullptr;
    std::vector<TPolynom> Teile;
};

bool IstTranszendenterLogarithmus(TTerm* T) {
    auto* f = AlsStandardFunktion(T);
    if (!f || f->Kennung != "ln") return false;
    auto* r = AlsRationaleKonstante(f->Argument);
    return r && r->Bruch.Zaehler > 0 && !Brueche::Gleich(r->Bruch, BruchEins);
}

TPolynom& Teil(TLogarithmusZerlegung& Z, size_t j) {
    if (Z.Teile.size() <= j) Z.Teile.resize(j + 1, NullPolynom);
    return Z.Teile[j];
}

// Adds the coefficient c of x^i to the parts; false when c is not a polynomial in the one logarithm.
bool ZerlegeKoeffizient(TTerm* c, Int32 i, TLogarithmusZerlegung& Z) {
    if (c->IstRational()) {
        Teil(Z, 0).Koeff[i] = c;
        return true;
    }
    TWurzelzahl zaehler, nenner;
    if (!AlsWurzelbruch(c, zaehler, nenner) || !nenner.IstRational() || nenner.IstNull()) return false;
    try {
        for (const auto& [m, k] : zaehler.Koeff) {
            if (!m.Wurzeln.empty() || m.Atome.size() > 1) return false;
            Int32 j = 0;
            if (!m.Atome.empty()) {
                auto [atom, e] = m.Atome.front();
                if (!Z.L) {
                    if (!IstTranszendenterLogarithmus(atom)) return false;
                    Z.L = atom;
                } else if (atom != Z.L && !atom->IstGleich(Z.L)) {
                    return false;
                }
                j = e;
            }
            if (j > MaxGrad) return false;
            Teil(Z, size_t(j)).Koeff[i] =
                RationaleKonstante(Grossbrueche::AlsBruch(Grossbrueche::Durch(k, nenner.Rational())));
        }
    } catch (const ERessourcen&) {
        return false;
    }
    return true;
}

bool ZerlegeNachLogarithmus(const TPolynom& P, TLogarithmusZerlegung& Z) {
    Z = {};
    Teil(Z, 0);
    for (Int32 i = 0; i <= P.Grad; ++i)
        if (!IstSicherNull(P.Koeff[i]) && !ZerlegeKoeffizient(P.Koeff[i], i, Z)) return false;
    for (TPolynom& T : Z.Teile) {
        T.Grad = P.Grad;
        Trimme(T);
    }
    return true;
}

// c0 + c1*L + c2*L^2 + ... written from the highest power of L down, each later monomial with a negative
// coefficient subtracted. Where the highest coefficient is negative, the term is -1 times the negated sum:
// shown with a minus sign before it, and subtracted as a whole where the polynomial subtracts it.
TTerm* KoeffizientInLogarithmus(TTerm* L, std::vector<TBruch> c) {
    while (!c.empty() && c.back().Zaehler == 0) c.pop_back();
    if (c.size() <= 1) return c.empty() ? Null : RationaleKonstante(c[0]);
    if (c.back().Zaehler < 0) {
        for (TBruch& b : c) Brueche::Negativ(b, b);
        return OperatorTerm(MinusEins, KoeffizientInLogarithmus(L, c), '*');
    }
    TTerm* summe = nullptr;
    for (size_t j = c.size(); j-- > 0;) {
        if (c[j].Zaehler == 0) continue;
        const bool negativ = c[j].Zaehler < 0;
        TBruch betrag = c[j];
        if (negativ) Brueche::Negativ(betrag, betrag);
        TTerm* monom = RationaleKonstante(betrag);
        if (j > 0) {
            TTerm* potenz = j == 1 ? L : PotenzTerm(L, Int64(j));
            monom = Brueche::Gleich(betrag, BruchEins) ? potenz : OperatorTerm(monom, potenz, '*');
        }
        summe = summe ? OperatorTerm(summe, monom, negativ ? '-' : '+') : monom;
    }
    return summe;
}

// The polynomial of the parts.
TPolynom Zusammengesetzt(const TLogarithmusZerlegung& Z) {
    if (!Z.L) return Z.Teile[0];
    TPolynom R;
    for (const TPolynom& T : Z.Teile) R.Grad = std::max(R.Grad, T.Grad);
    for (Int32 i = 0; i <= R.Grad; ++i) {
        std::vector<TBruch> c(Z.Teile.size());
        for (size_t j = 0; j < Z.Teile.size(); ++j) BruchVonKonstante(Z.Teile[j].Koeff[i], c[j]);
        R.Koeff[i] = KoeffizientInLogarithmus(Z.L, c);
    }
    Trimme(R);
    return R;
}

// The gcd of the parts of P and Q, exact when one of them is free of the logarithm: over the field of
// L, a divisor of a polynomial with rational coefficients has rational coefficients itself. False when both
// or neither hold the logarithm, for different logarithms, or beyond 64 bits.
bool GGTDerTeile(const TLogarithmusZerlegung& P, const TLogarithmusZerlegung& Q, TGanzPolynom& G) {
    if ((P.L == nullptr) == (Q.L == nullptr)) return false;
    G.clear();
    for (const TLogarithmusZerlegung* Z : {&P, &Q})
        for (const TPolynom& T : Z->Teile) {
            if (IstNullPolynom(T)) continue;
            TGanzPolynom t;
            if (!AlsGanzzahlig(T, t)) return false;
            if (G.empty())
                G = t;
            else if (G.size() > 1 && !GanzGGT(G, t, G))
                return false;
        }
    // One part alone: its own gcd, with a positive leading coefficient.
    if (G.back() < 0)
        for (Int64& c : G) c = -c;
    return true;
}

// Z/N where one side holds one logarithm L and the other none: the common factor is divided out of every
// part, and each coefficient is written as c0 + c1*L + c2*L^2 + ... False, with nothing changed, for any
// other Z and N.
bool KuerzeUeberLogarithmus(TPolynom& Z, TPolynom& N, Int32& Flag) {
    TLogarithmusZerlegung z, n;
    TGanzPolynom g;
    if (!ZerlegeNachLogarithmus(Z, z) || !ZerlegeNachLogarithmus(N, n) || !GGTDerTeile(z, n, g)) return false;
    if (g.size() > 1) {
        const TPolynom G = MonischAus(g);
        TPolynom rest;
        for (TLogarithmusZerlegung* d : {&z, &n})
            for (TPolynom& T : d->Teile)
                if (!IstNullPolynom(T)) PDurch(T, G, T, rest, false);
        Flag = 0;
    }
    Z = Zusammengesetzt(z);
    N = Zusammengesetzt(n);
    return true;
}

} // namespace

void PGGT(TPolynom P, TPolynom Q, TPolynom& R) {
    Trimme(P);
    Trimme(Q);
    if (IstNullPolynom(P) || IstNullPolynom(Q)) {
        R = NullPolynom;
        return;
    }
    // Rational coefficients: the gcd over the integers, exact without growing fractions.
    TGanzPolynom a, b, g;
    if (AlsGanzzahlig(P, a) && AlsGanzzahlig(Q, b) && GanzGGT(a, b, g)) {
        R = MonischAus(g);
        return;
    }
    TLogarithmusZerlegung p, q;
    if (ZerlegeNachLogarithmus(P, p) && ZerlegeNachLogarithmus(Q, q) && GGTDerTeile(p, q, g)) {
        R = MonischAus(g);
        return;
    }
    // Coprime polynomials need not go through Euclid's chain, whose fractions overflow first on them.
    if (TeilerfremdModuloP(P, Q) || TeilerfremdUeberWurzeln(P, Q)) {
        R = EinsPolynom;
        return;
    }
    // Euclid's algorithm with each remainder made monic: the coefficients stay small, where the plain
    // remainders grow until the fractions overflow.
    TPolynom A = P, B = Q, quotient, rest;
    Normiert(B);
    PDurch(A, B, quotient, rest, false);
    while (!IstNullPolynom(rest)) {
        A = B;
        B = rest;
        Normiert(B);
        PDurch(A, B, quotient, rest, false);
    }
    R = B;
}

void PKGV(TPolynom P, TPolynom Q, TPolynom& R) {
    // The lcm with the zero polynomial is 0 (the division by the gcd would be one by 0).
    Trimme(P);
    Trimme(Q);
    if (IstNullPolynom(P) || IstNullPolynom(Q)) {
        R = NullPolynom;
        return;
    }
    TPolynom produkt, g, rest;
    PMal(P, Q, produkt);
    PGGT(P, Q, g);
    PDurch(produkt, g, R, rest, false);
}

namespace {

// The fraction of a rational coefficient (a rational constant or a radical constant of degree 0).
TBruch BruchVon(TTerm* T) {
    TBruch b;
    BruchVonKonstante(T, b);
    return b;
}
Int64 NennerVon(TTerm* T) {
    return BruchVon(T).Nenner;
}
Int64 ZaehlerVon(TTerm* T) {
    return BruchVon(T).Zaehler;
}
// Rational coefficients are required; ETermGoToStart otherwise.
void PruefeRational(const TPolynom& P) {
    for (Int32 k = 0; k <= P.Grad; ++k)
        if (!P.Koeff[k]->IstRational()) throw ETermGoToStart("Koeffizienten müssen rational sein!");
}

// Multiplies (Mal) or divides every coefficient of P by the integer k.
void SkaliereKoeffizienten(TPolynom& P, Int64 k, bool Mal) {
    TTerm* K = Ganzzahl(k);
    for (Int32 i = 0; i <= P.Grad; ++i) P.Koeff[i] = Mal ? Produkt(P.Koeff[i], K) : Quotient(P.Koeff[i], K);
}

} // namespace

void PKuerze(TPolynom& Z, TPolynom& N, Int32& Flag) {
    Flag = 1;
    if (PGleich(Z, EinsPolynom) || PGleich(N, EinsPolynom)) return;
    if (PGleich(Z, NullPolynom)) {
        N = EinsPolynom;
        Flag = 0;
        return;
    }
    std::unique_ptr<TWechsel<Int32>> eingerueckt;
    if (ProtokollPolynom) {
        Schreibe("PKuerze:");
        SchreibePolynom(Z);
        Schreibe(" , ");
        SchreibePolynomZeile(N);
        eingerueckt = std::make_unique<TWechsel<Int32>>(Einrueckung, Einrueckung + Einzug);
    }
    bool rational = IstRationalesPolynom(Z) && IstRationalesPolynom(N);
    if (!rational) {
        for (Int32 i = 0; i <= Z.Grad; ++i) VereinfacheKonstantenTerm(Z.Koeff[i]);
        for (Int32 i = 0; i <= N.Grad; ++i) VereinfacheKonstantenTerm(N.Koeff[i]);
        rational = IstRationalesPolynom(Z) && IstRationalesPolynom(N);
    }
    if (rational) {
        // Integer coefficients: multiply by the lcm of all denominators, then divide by the gcd of all
        // numerators.
        Int64 k = NennerVon(Z.Koeff[Z.Grad]);
        for (Int32 i = 0; i < Z.Grad; ++i) k = Brueche::kgV(k, NennerVon(Z.Koeff[i]));
        for (Int32 i = 0; i <= N.Grad; ++i) k = Brueche::kgV(k, NennerVon(N.Koeff[i]));
        SkaliereKoeffizienten(Z, k, true);
        SkaliereKoeffizienten(N, k, true);
        Int64 g = ZaehlerVon(Z.Koeff[Z.Grad]);
        for (Int32 i = 0; i < Z.Grad; ++i) g = Brueche::ggT(g, ZaehlerVon(Z.Koeff[i]));
        for (Int32 i = 0; i <= N.Grad; ++i) g = Brueche::ggT(g, ZaehlerVon(N.Koeff[i]));
        if (g > 1) {
            SkaliereKoeffizienten(Z, g, false);
            SkaliereKoeffizienten(N, g, false);
        }
    }
    if (Z.Grad != 0 && N.Grad != 0 && !(rational && KuerzeGanzzahlig(Z, N, Flag)) &&
        !KuerzeUeberLogarithmus(Z, N, Flag)) {
        TPolynom G, rest;
        PGGT(Z, N, G);
        if (G.Grad > 0) {
            PDurch(Z, G, Z, rest, false);
            PDurch(N, G, N, rest, false);
            Flag = 0;
        }
    }
    if (eingerueckt) {
        eingerueckt.reset();
        Schreibe("Kürzung = (");
        SchreibePolynom(Z);
        Schreibe(" , ");
        SchreibePolynom(N);
        SchreibeZeile(")");
    }
}

// ---- Derivative, antiderivative, values ----

void PAbleitung(TPolynom P, TPolynom& R) {
    TPolynom A;
    for (Int32 k = 1; k <= P.Grad; ++k) A.Koeff[k - 1] = Produkt(Ganzzahl(k), P.Koeff[k]);
    A.Grad = std::max(P.Grad - 1, 0);
    R = A;
}

void PStammfunktion(TPolynom P, TPolynom& R) {
    // A degree-20 polynomial would need a 22nd coefficient.
    if (P.Grad >= MaxGrad) GradFehler();
    TPolynom S;
    for (Int32 k = 0; k <= P.Grad; ++k) S.Koeff[k + 1] = Quotient(P.Koeff[k], Ganzzahl(k + 1));
    S.Grad = P.Grad + 1;
    // The antiderivative of the zero polynomial is the zero polynomial, not one of degree 1.
    Trimme(S);
    R = S;
}

Extended PWert(TPolynom P, Extended x) {
    bool definiert = true;
    Extended s = 0;
    for (Int32 k = P.Grad; k >= 1; --k) s = (s + P.Koeff[k]->Wert(x, definiert)) * x;
    return s + P.Koeff[0]->Wert(x, definiert);
}

void PWertRational(TPolynom P, const TBruch& x, TBruch& Wert) {
    PruefeRational(P);
    TBruch s = BruchNull;
    for (Int32 k = P.Grad; k >= 1; --k) {
        Brueche::Plus(s, BruchVon(P.Koeff[k]), s);
        Brueche::Mal(s, x, s);
    }
    Brueche::Plus(s, BruchVon(P.Koeff[0]), s);
    Wert = s;
}

void KonstantesPolynom(TTerm* T, TPolynom& R) {
    if (!T->IstKonstant) throw EZolFehler("konstanten Term erwartet");
    TPolynom K;
    K.Koeff[0] = KonstanteMoeglichstArithmetisch(T);
    R = K;
}

void BruchPolynom(const TBruch& b, TPolynom& R) {
    KonstantesPolynom(RationaleKonstante(b), R);
}

void PAusString(const std::string& Text, TPolynom& R) {
    TPolynom P;
    Int32 i = 0;
    size_t anfang = 0;
    while (true) {
        const size_t komma = Text.find(',', anfang);
        const std::string stueck =
            Text.substr(anfang, komma == std::string::npos ? std::string::npos : komma - anfang);
        if (i > MaxGrad) GradFehler();
        TBruch b;
        Int32 fehler = 0;
        Brueche::StrToBruch(stueck, b, fehler);
        if (fehler != 0) throw ETermFehler("Ungültiger Koeffizient \"" + stueck + "\" im Polynom " + Text);
        P.Koeff[i] = RationaleKonstante(b);
        if (komma == std::string::npos) break;
        anfang = komma + 1;
        ++i;
    }
    P.Grad = i;
    R = P;
}

// ---- Predicates ----

bool IstNullPolynom(const TPolynom& P) {
    return P.Grad == 0 && IstSicherNull(P.Koeff[0]);
}

bool IstMonom(const TPolynom& P) {
    for (Int32 i = 0; i < P.Grad; ++i)
        if (!P.Koeff[i]->IstNull()) return false;
    return true;
}

bool IstRationalesPolynom(const TPolynom& P) {
    for (Int32 i = 0; i <= P.Grad; ++i)
        if (!P.Koeff[i]->IstRational()) return false;
    return true;
}

bool PGleich(const TPolynom& P, const TPolynom& Q) {
    if (P.Grad != Q.Grad) return false;
    for (Int32 i = 0; i <= P.Grad; ++i)
        if (!P.Koeff[i]->IstGleich(Q.Koeff[i])) return false;
    return true;
}

// ---- Symmetry, normalising, scaling ----

void PSymmetrie(TPolynom P, TWahrheitswert& Gerade, TWahrheitswert& Ungerade) {
    // A coefficient with a parameter may be 0 for some value of it: its exponent then counts neither way.
    bool geradeSicher = false, ungeradeSicher = false, geradeMoeglich = false, ungeradeMoeglich = false;
    for (Int32 i = 0; i <= P.Grad; ++i) {
        TTerm* c = P.Koeff[i];
        if (c->IstNull()) continue;
        const bool sicher = !VielleichtNull(c);
        (i % 2 == 1 ? ungeradeMoeglich : geradeMoeglich) = true;
        if (sicher) (i % 2 == 1 ? ungeradeSicher : geradeSicher) = true;
    }
    Gerade = ungeradeSicher ? falsch : ungeradeMoeglich ? unklar : wahr;
    Ungerade = geradeSicher ? falsch : geradeMoeglich ? unklar : wahr;
    if (Kommentare && P.Grad >= 1) {
        Schreibe("Da das Polynom ");
        SchreibePolynom(P);
        if (Gerade == wahr)
            SchreibeZeile(" nur gerade Exponenten hat, ist es symmetrisch zur y-Achse.");
        else if (Ungerade == wahr)
            SchreibeZeile(" nur ungerade Exponenten hat, ist es symmetrisch zum Ursprung.");
        else if (Gerade == falsch && Ungerade == falsch)
            SchreibeZeile(" gerade und ungerade Exponenten hat, ist es weder zur y-Achse, noch zum Ursprung "
                          "symmetrisch.");
        else
            SchreibeNichtEntschieden(" Koeffizienten mit Parametern hat: ob es symmetrisch ist,",
                                     PolynomToTerm(P));
    }
}

void PSymmetrie(TPolynom P, bool& Gerade, bool& Ungerade) {
    TWahrheitswert g = unklar, u = unklar;
    PSymmetrie(P, g, u);
    Gerade = g == wahr;
    Ungerade = u == wahr;
}

void PNormiere(TPolynom& P, TTerm*& Faktor, bool& Geaendert) {
    Geaendert = false;
    Faktor = Eins;
    if (P.Grad <= 0 || !IstRationalesPolynom(P)) return;
    TBruch f;
    Brueche::Kehrwert(BruchVon(P.Koeff[P.Grad]), f);
    if (f.Zaehler < 0) Brueche::Negativ(f, f);
    Geaendert = !Brueche::Gleich(f, BruchEins);
    if (!Geaendert) return;
    Faktor = RationaleKonstante(f);
    for (Int32 i = 0; i <= P.Grad; ++i) P.Koeff[i] = ArOp(P.Koeff[i], Faktor, '*');
}

void PErweitere(TPolynom& P, bool Kommentar) {
    PruefeRational(P);
    Int64 k = 1;
    for (Int32 i = 0; i <= P.Grad; ++i) k = Brueche::kgV(k, NennerVon(P.Koeff[i]));
    if (k <= 1) return;
    const TBruch faktor{k, 1};
    for (Int32 i = 0; i <= P.Grad; ++i) {
        TBruch b;
        Brueche::Mal(BruchVon(P.Koeff[i]), faktor, b);
        P.Koeff[i] = RationaleKonstante(b);
    }
    if (Kommentar) {
        Schreibe(" Nach Erweitern mit ");
        Schreibe(k);
        Schreibe(" ist P(x) = ");
        SchreibePolynomZeile(P);
    }
}

// ---- Substitutions ----

void PvonIX(TPolynom P, TPolynom& R, TPolynom& I) {
    TPolynom re, im;
    for (Int32 k = 0; k <= P.Grad; ++k) {
        TTerm* a = P.Koeff[k];
        switch (k % 4) {
        case 0:
            re.Koeff[k / 2] = a;
            break;
        case 1:
            im.Koeff[(k - 1) / 2] = a;
            break;
        case 2:
            re.Koeff[k / 2] = a->Negation();
            break;
        default:
            im.Koeff[(k - 1) / 2] = a->Negation();
            break;
        }
    }
    re.Grad = P.Grad / 2;
    Trimme(re);
    im.Grad = std::max(P.Grad - 1, 0) / 2;
    Trimme(im);
    R = re;
    I = im;
}

bool PQuadratSubstitution(TPolynom P, TPolynom& Q, bool Kommentar) {
    if (P.Grad % 2 != 0) return false;
    for (Int32 i = 1; i <= P.Grad; i += 2)
        if (!P.Koeff[i]->IstNull()) return false;
    TPolynom S;
    S.Grad = P.Grad / 2;
    for (Int32 j = 0; j <= S.Grad; ++j) S.Koeff[j] = P.Koeff[2 * j];
    Q = S;
    if (Kommentar) {
        Schreibe("Das Polynom ist ");
        Schreibe(Int64(S.Grad));
        Schreibe("-fach quadratisch; ersetzen von ");
        SchreibeTerm(PotenzTerm(VariableX, Int64(2)));
        Schreibe(" durch x ergibt Q(x) = ");
        SchreibePolynomZeile(S);
    }
    return true;
}

Int32 PSubstitution(TPolynom P, TPolynom& Q, bool Kommentar) {
    Int32 k = 0;
    for (Int32 i = 1; i <= P.Grad && k == 0; ++i)
        if (!P.Koeff[i]->IstNull()) k = i;
    if (k == 0) k = 1;
    for (Int32 j = 1; j <= P.Grad && k > 1; ++j)
        if (j % k != 0 && !P.Koeff[j]->IstNull()) k = 1;
    if (k == 1) {
        Q = P;
        return 1;
    }
    TPolynom S;
    S.Grad = P.Grad / k;
    for (Int32 j = 0; j <= S.Grad; ++j) S.Koeff[j] = P.Koeff[k * j];
    Q = S;
    if (Kommentar) {
        Schreibe("Substitution von ");
        SchreibeTerm(PotenzTerm(VariableX, Int64(k)));
        Schreibe(" durch x ergibt Q(x) = ");
        SchreibePolynomZeile(S);
    }
    return k;
}

// ---- Powers of factors ----

void PLinearfaktorHoch(TTerm* a, Int32 n, TPolynom& R) {
    if (n < 0) {
        SchreibeZeile("Fehler: PLinearfaktorHoch: n<0 !");
        R = NullPolynom;
        return;
    }
    if (n > MaxGrad) GradFehler();
    TPolynom L;
    L.Grad = n;
    L.Koeff[n] = Eins;
    TTerm* minusA = a->Negation();
    // Binomial coefficients: C(n, i) = C(n, i-1) * (n - i + 1) / i.
    for (Int32 i = 1; i <= n; ++i)
        L.Koeff[n - i] = Produkt(Produkt(L.Koeff[n - i + 1], minusA), Bruchkonstante(n - i + 1, i));
    R = L;
}

void PQuadFaktorHoch(TTerm* p, TTerm* q, Int32 n, TPolynom& R) {
    TPolynom F;
    F.Grad = 2;
    F.Koeff[2] = Eins;
    F.Koeff[1] = p;
    F.Koeff[0] = q;
    PHoch(F, n, R);
}

// ---- Completing the square ----

void QuadratischeErgaenzung(TTerm* a, TTerm* b, TTerm* c, Extended& D, TTerm*& u, TTerm*& Q, TTerm*& S,
                            TTerm*& r, TTerm*& T) {
    TTerm* x = VariableX;
    bool definiert = true;

    // u = x + b/(2a), written as a difference when the shift is negative.
    TTerm* verschiebung = Quotient(b, Produkt(Zwei, a));
    TTerm* rest = nullptr;
    TBruch faktor;
    KMK(verschiebung, rest, faktor);
    if (faktor.Zaehler < 0) {
        TBruch betrag;
        Brueche::Negativ(faktor, betrag);
        u = Differenz(x, Produkt(RationaleKonstante(betrag), rest));
    } else {
        u = Summe(x, verschiebung);
    }

    // D = 4ac - b^2; the term keeps its magnitude.
    TTerm* vierA = Produkt(Vier, a);
    TTerm* bQuadrat = Produkt(b, b);
    TTerm* diskriminante = Differenz(Produkt(vierA, c), bQuadrat);
    D = diskriminante->Wert(0, definiert);
    if (D < 0) diskriminante = Differenz(bQuadrat, Produkt(vierA, c));

    // r = sqrt(|D| / (4a^2)).
    TTerm* vierAQuadrat = Produkt(Vier, Produkt(a, a));
    TTerm* E = Quotient(diskriminante, vierAQuadrat);
    r = ZieheWurzel(E, 2);

    const bool aPositiv = a->Wert(0, definiert) > 0;

    // v is x itself when there is no shift, else a new letter; k stands for r.
    TTerm* v =
        b->IstNull() ? x : BenannteKonstante(std::string(1, NaechsterVariablenname(Variablenbuchstabe)));
    TTerm* k = BenannteKonstante("k");
    const TBruch zwei{2, 1};
    TTerm* uQuadrat = Potenz(u, zwei);
    TTerm* vQuadrat = Potenz(v, zwei);
    TTerm* kQuadrat = Potenz(k, zwei);
    S = uQuadrat;
    T = vQuadrat;
    if (aPositiv) {
        if (D > 0) {
            S = Summe(uQuadrat, E);
            T = Summe(vQuadrat, kQuadrat);
        } else if (D < 0) {
            S = Differenz(uQuadrat, E);
            T = Differenz(vQuadrat, kQuadrat);
        }
    } else {
        if (D > 0) {
            S = Differenz(E->Negation(), uQuadrat);
            T = Differenz(kQuadrat->Negation(), vQuadrat);
        } else if (D < 0) {
            S = Differenz(E, uQuadrat);
            T = Differenz(kQuadrat, vQuadrat);
        } else {
            S = uQuadrat->Negation();
            T = vQuadrat->Negation();
        }
    }
    // The quadratic divided by |a|.
    TTerm* teiler = aPositiv ? a : a->Negation();
    TPolynom P;
    P.Grad = 2;
    P.Koeff[2] = aPositiv ? Eins : MinusEins;
    P.Koeff[1] = Quotient(b, teiler);
    P.Koeff[0] = Quotient(c, teiler);
    Q = PolynomToTerm(P);
}

// ---- List of quadratic factors ----

void FaktorEinfuegen(TTerm* p, TTerm* q, Int32 Vielfachheit, TQuadFaktorListe& Liste, Int32& Anzahl) {
    VereinfacheKonstantenTerm(p);
    VereinfacheKonstantenTerm(q);
    for (Int32 i = 1; i <= Anzahl; ++i)
        if (Liste[i].p->IstGleich(p) && Liste[i].q->IstGleich(q)) {
            Liste[i].Vielfachheit += Vielfachheit;
            return;
        }
    if (Anzahl < 0) {
        Anzahl = 1;
    } else if (Anzahl >= MaxQuadFaktoren) {
        Oberflaeche().Meldung(TMeldungsart::Information, "Liste voll. Einfügen nicht mehr möglich.");
        return;
    } else {
        ++Anzahl;
    }
    Liste[Anzahl] = TQuadFaktor{p, q, Vielfachheit};
}

void checkP(TPolynom P) {
    bool ok = true;
    for (Int32 i = P.Grad + 1; i <= MaxGrad; ++i)
        if (!P.Koeff[i]->IstNull()) ok = false;
    Schreibe(ok ? "checkP OK für " : "checkP nicht OK für ");
    SchreibePolynomZeile(P);
}

} // namespace zol
