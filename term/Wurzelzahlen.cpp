#include "term/Wurzelzahlen.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <string>
#include <unordered_map>

#include "term/Arbeit.h"
#include "term/Fehler.h"
#include "term/Funktionen.h"
#include "term/Primfaktorzerlegung.h"
#include "term/Radikale.h"
#include "term/TermManager.h"
#include "term/Termarithmetik.h"
#include "term/Terme.h"
#include "term/Wurzeln.h"

namespace zol {

namespace {

[[noreturn]] void Ueberlauf() {
    throw EUeberlauf("Überlauf in der Bruchrechnung.");
}

Int128 MalGeprueft(Int128 a, Int128 b) {
    Int128 r;
    if (__builtin_mul_overflow(a, b, &r)) Ueberlauf();
    return r;
}

Int128 PlusGeprueft(Int128 a, Int128 b) {
    Int128 r;
    if (__builtin_add_overflow(a, b, &r)) Ueberlauf();
    return r;
}

constexpr Int128 Int128Min = Int128(static_cast<unsigned __int128>(1) << 127);

TGrossbruch Normiert(Int128 z, Int128 n) {
    if (n == 0) throw ENichtExistenz("Division durch Null.");
    if (z == Int128Min || n == Int128Min) Ueberlauf();
    if (n < 0) {
        z = -z;
        n = -n;
    }
    const Int128 g = Grossbrueche::ggT(z, n);
    return {z / g, n / g};
}

} // namespace

namespace Grossbrueche {

Int128 ggT(Int128 a, Int128 b) {
    if (a < 0) a = -a;
    if (b < 0) b = -b;
    const Int128 g =
        Int128(Brueche::ggTBetraege(static_cast<unsigned __int128>(a), static_cast<unsigned __int128>(b)));
    return g == 0 ? 1 : g;
}

TGrossbruch Plus(const TGrossbruch& a, const TGrossbruch& b) {
    if (a.IstNull()) return b;
    if (b.IstNull()) return a;
    const Int128 g = ggT(a.Nenner, b.Nenner);
    const Int128 z = PlusGeprueft(MalGeprueft(a.Zaehler, b.Nenner / g), MalGeprueft(b.Zaehler, a.Nenner / g));
    return Normiert(z, MalGeprueft(a.Nenner / g, b.Nenner));
}

TGrossbruch Negativ(const TGrossbruch& a) {
    if (a.Zaehler == Int128Min) Ueberlauf();
    return {-a.Zaehler, a.Nenner};
}

TGrossbruch Minus(const TGrossbruch& a, const TGrossbruch& b) {
    return Plus(a, Negativ(b));
}

TGrossbruch Mal(const TGrossbruch& a, const TGrossbruch& b) {
    if (a.IstNull() || b.IstNull()) return {};
    const Int128 g1 = ggT(a.Zaehler, b.Nenner), g2 = ggT(b.Zaehler, a.Nenner);
    return Normiert(MalGeprueft(a.Zaehler / g1, b.Zaehler / g2), MalGeprueft(a.Nenner / g2, b.Nenner / g1));
}

TGrossbruch Durch(const TGrossbruch& a, const TGrossbruch& b) {
    if (b.IstNull()) throw ENichtExistenz("Division durch Null.");
    return Mal(a, Normiert(b.Nenner, b.Zaehler));
}

TBruch AlsBruch(const TGrossbruch& a) {
    constexpr Int128 grenze = std::numeric_limits<Int64>::max();
    if (a.Zaehler > grenze || a.Zaehler < -grenze || a.Nenner > grenze) Ueberlauf();
    return TBruch{Int64(a.Zaehler), Int64(a.Nenner)};
}

} // namespace Grossbrueche

using namespace Grossbrueche;

bool TWurzelmonom::operator<(const TWurzelmonom& m) const {
    auto wurzelKleiner = [](const std::pair<Int64, TBruch>& a, const std::pair<Int64, TBruch>& b) {
        if (a.first != b.first) return a.first < b.first;
        return Brueche::Kleiner(a.second, b.second);
    };
    if (std::lexicographical_compare(Wurzeln.begin(), Wurzeln.end(), m.Wurzeln.begin(), m.Wurzeln.end(),
                                     wurzelKleiner))
        return true;
    if (std::lexicographical_compare(m.Wurzeln.begin(), m.Wurzeln.end(), Wurzeln.begin(), Wurzeln.end(),
                                     wurzelKleiner))
        return false;
    return Atome < m.Atome;
}

TWurzelmonom MonomProdukt(const TWurzelmonom& a, const TWurzelmonom& b, TGrossbruch& Faktor) {
    TWurzelmonom r;
    size_t i = 0, j = 0;
    while (i < a.Wurzeln.size() || j < b.Wurzeln.size()) {
        if (j == b.Wurzeln.size() || (i < a.Wurzeln.size() && a.Wurzeln[i].first < b.Wurzeln[j].first)) {
            r.Wurzeln.push_back(a.Wurzeln[i++]);
        } else if (i == a.Wurzeln.size() || b.Wurzeln[j].first < a.Wurzeln[i].first) {
            r.Wurzeln.push_back(b.Wurzeln[j++]);
        } else {
            TBruch e;
            Brueche::Plus(a.Wurzeln[i].second, b.Wurzeln[j].second, e);
            const Int64 p = a.Wurzeln[i].first;
            ++i;
            ++j;
            if (!Brueche::Kleiner(e, BruchEins)) {
                Faktor = Grossbrueche::Mal(Faktor, TGrossbruch{p, 1});
                Brueche::Minus(e, BruchEins, e);
            }
            if (e.Zaehler != 0) r.Wurzeln.emplace_back(p, e);
        }
    }
    r.Atome = a.Atome;
    // Each pair by name: a lambda may not capture a structured binding (clang 14 refuses it).
    for (const auto& paar : b.Atome) {
        auto it = std::find_if(r.Atome.begin(), r.Atome.end(),
                               [&paar](const auto& x) { return x.first == paar.first; });
        if (it != r.Atome.end()) {
            if (__builtin_add_overflow(it->second, paar.second, &it->second)) Ueberlauf();
        } else {
            r.Atome.push_back(paar);
        }
    }
    std::sort(r.Atome.begin(), r.Atome.end());
    return r;
}

namespace {

void Addiere(TSortierteAbbildung<TWurzelmonom, TGrossbruch>& K, const TWurzelmonom& m, const TGrossbruch& c) {
    if (c.IstNull()) return;
    auto [it, neu] = K.emplace(m, c);
    if (!neu) {
        it->second = Plus(it->second, c);
        if (it->second.IstNull()) K.erase(it);
    }
    if (K.size() > MaxWurzelmonome) throw ERessourcen("Zu viele Summanden.");
}

} // namespace

TWurzelzahl::TWurzelzahl(const TGrossbruch& c) {
    if (!c.IstNull()) Koeff.emplace(TWurzelmonom{}, c);
}

bool TWurzelzahl::IstRational() const {
    return Koeff.empty() || (Koeff.size() == 1 && Koeff.begin()->first.IstEins());
}

bool TWurzelzahl::HatAtome() const {
    for (const auto& [m, c] : Koeff)
        if (!m.Atome.empty()) return true;
    return false;
}

TGrossbruch TWurzelzahl::Rational() const {
    return Koeff.empty() ? TGrossbruch{} : Koeff.begin()->second;
}

TWurzelzahl TWurzelzahl::operator+(const TWurzelzahl& b) const {
    TWurzelzahl r = *this;
    for (const auto& [m, c] : b.Koeff) Addiere(r.Koeff, m, c);
    return r;
}

TWurzelzahl TWurzelzahl::operator-(const TWurzelzahl& b) const {
    TWurzelzahl r = *this;
    for (const auto& [m, c] : b.Koeff) Addiere(r.Koeff, m, Negativ(c));
    return r;
}

TWurzelzahl TWurzelzahl::operator*(const TWurzelzahl& b) const {
    TWurzelzahl r;
    for (const auto& [ma, ca] : Koeff)
        for (const auto& [mb, cb] : b.Koeff) {
            // Each product of two monomials is a step of work: long products poll the host.
            Arbeitsschritt();
            TGrossbruch f = Grossbrueche::Mal(ca, cb);
            const TWurzelmonom m = MonomProdukt(ma, mb, f);
            Addiere(r.Koeff, m, f);
        }
    return r;
}

TWurzelzahl TWurzelzahl::Mal(const TGrossbruch& c) const {
    TWurzelzahl r;
    if (c.IstNull()) return r;
    for (const auto& [m, k] : Koeff) r.Koeff.emplace(m, Grossbrueche::Mal(k, c));
    return r;
}

bool TWurzelzahl::Kehrwert(TWurzelzahl& Inverse) const {
    return KehrwertDurchKonjugierte(
        *this, Inverse, TWurzelzahl(TGrossbruch{1, 1}), [](const TGrossbruch& c) { return Negativ(c); },
        [](const TGrossbruch& c) {
            return Durch(TGrossbruch{1, 1}, c);
        },
        [](const TGrossbruch& c, Int64 p) {
            return Grossbrueche::Mal(c, TGrossbruch{p, 1});
        });
}

namespace {

TTerm* Konstante(const TGrossbruch& c) {
    return RationaleKonstante(AlsBruch(c));
}

// The roots of a monomial under one root sign: the index n is the lcm of the exponents' denominators, the
// radicand R the product of the primes to their exponents times n (0 when it leaves 64 bits or n is beyond
// the radicals' limit).
struct TWurzelsatz {
    Int64 n = 1;
    Int64 R = 1;
};

TWurzelsatz Wurzelsatz(const std::vector<std::pair<Int64, TBruch>>& Wurzeln) {
    TWurzelsatz w;
    for (const auto& [p, e] : Wurzeln) w.n = Brueche::kgV(w.n, e.Nenner);
    bool passt = w.n <= MaxWurzelexponent;
    for (const auto& [p, e] : Wurzeln)
        for (Int64 k = 0; passt && k < e.Zaehler * (w.n / e.Nenner); ++k)
            passt = !__builtin_mul_overflow(w.R, p, &w.R);
    if (!passt) w.R = 0;
    return w;
}

TTerm* WurzelTerm(const std::vector<std::pair<Int64, TBruch>>& Wurzeln, const TWurzelsatz& w) {
    if (Wurzeln.empty()) return Eins;
    if (w.R != 0)
        if (TTerm* t = WurzelAusRationalerZahl(TBruch{w.R, 1}, Int32(w.n))) return t;
    TTerm* r = Eins;
    for (const auto& [p, e] : Wurzeln) r = Produkt(r, PotenzTerm(RationaleKonstante(TBruch{p, 1}), e));
    return r;
}

} // namespace

TTerm* TWurzelzahl::AlsTerm() const {
    // The terms by index and radicand (the rational part first), then by the texts of their atoms (not by
    // the atoms' addresses, which differ from run to run), each negative one subtracted.
    struct TSummand {
        TWurzelsatz Satz;
        const TWurzelmonom* Monom;
        TGrossbruch c;
        std::vector<std::pair<std::string, size_t>> Atome;
    };
    std::vector<TSummand> summanden;
    for (const auto& [m, c] : Koeff) {
        TSummand s{Wurzelsatz(m.Wurzeln), &m, c, {}};
        for (size_t i = 0; i < m.Atome.size(); ++i) s.Atome.emplace_back(m.Atome[i].first->Text, i);
        std::sort(s.Atome.begin(), s.Atome.end());
        summanden.push_back(std::move(s));
    }
    std::stable_sort(summanden.begin(), summanden.end(), [](const TSummand& a, const TSummand& b) {
        if (a.Satz.n != b.Satz.n) return a.Satz.n < b.Satz.n;
        if (a.Satz.R != b.Satz.R) return a.Satz.R < b.Satz.R;
        return a.Atome < b.Atome;
    });
    TTerm* summe = Null;
    for (const TSummand& s : summanden) {
        const bool negativ = s.c.Zaehler < 0 && summe != Null;
        TTerm* t = Produkt(Konstante(negativ ? Negativ(s.c) : s.c), WurzelTerm(s.Monom->Wurzeln, s.Satz));
        for (const auto& [text, i] : s.Atome) {
            const auto& [atom, k] = s.Monom->Atome[i];
            t = Produkt(t, k == 1 ? atom : PotenzTerm(atom, Int64(k)));
        }
        summe = summe == Null ? t : negativ ? Differenz(summe, t) : Summe(summe, t);
    }
    return summe;
}

// ---- conversion of terms ----

namespace {

constexpr Int32 MaxTiefe = 200;
constexpr Int32 MaxGanzerExponent = 64;

// A root u = X^(1/q) of a positive irrational number X without atoms (the cube roots of Cardano's formula)
// is an atom with the relation u^q = X. Two cube roots u and v whose radicands have a product that is a
// cube (Cardano's pair: u*v = -t/9) are partners with the relations u*v = P, u^2 = (X/P)*v and
// v^2 = (Y/P)*u, so numbers in them keep the monomials 1, u and v, whose coefficients stay small.
struct TWurzelatom {
    TTerm* Atom;
    Int64 q;
    TWurzelzahl X;
    TWurzelzahl KehrwertX;
    // The index of the partner, or -1; u*v = Produkt.
    Int32 Partner = -1;
    TWurzelzahl Produkt;
    TWurzelzahl KehrwertProdukt;
};

// The atoms met so far, and the numbers of the subterms (terms are shared, so a tree may hold one subterm
// many times); the number of nodes still to convert.
struct TUmwandlung {
    std::vector<TTerm*> Atome;
    std::vector<TWurzelatom> Wurzelatome;
    std::unordered_map<TTerm*, std::pair<TWurzelzahl, TWurzelzahl>> Bekannt;
    Int32 Tiefe = 0;
    Int32 Knoten = 5000;
};

struct TNichtUmwandelbar {};

[[noreturn]] void Abbrechen() {
    throw TNichtUmwandelbar{};
}

TTerm* Atom(TUmwandlung& U, TTerm* T) {
    for (TTerm* a : U.Atome)
        if (a == T || a->IstGleich(T)) return a;
    U.Atome.push_back(T);
    return T;
}

TWurzelzahl AtomZahl(TTerm* A) {
    TWurzelzahl r;
    TWurzelmonom m;
    m.Atome.emplace_back(A, 1);
    r.Koeff.emplace(m, TGrossbruch{1, 1});
    return r;
}

Int128 HochGanz(Int128 b, Int64 e) {
    Int128 r = 1;
    for (Int64 i = 0; i < e; ++i) r = MalGeprueft(r, b);
    return r;
}

// m^e for an integer m >= 1 and 0 < e: the whole part of each prime's exponent goes into the coefficient.
TWurzelzahl GanzeZahlHoch(Int64 m, const TBruch& e) {
    std::vector<uint64_t> faktoren;
    Primfaktorzerlegung(uint64_t(m), faktoren);
    std::sort(faktoren.begin(), faktoren.end());
    TWurzelmonom mon;
    TGrossbruch c{1, 1};
    for (size_t i = 0; i < faktoren.size();) {
        size_t j = i;
        while (j < faktoren.size() && faktoren[j] == faktoren[i]) ++j;
        const Int64 p = Int64(faktoren[i]);
        TBruch k;
        Brueche::Mal(TBruch{Int64(j - i), 1}, e, k);
        const Int64 ganz = k.Zaehler / k.Nenner;
        c = Grossbrueche::Mal(c, TGrossbruch{HochGanz(p, ganz), 1});
        const TBruch rest{k.Zaehler % k.Nenner, k.Nenner};
        if (rest.Zaehler != 0) mon.Wurzeln.emplace_back(p, rest);
        i = j;
    }
    TWurzelzahl r;
    r.Koeff.emplace(mon, c);
    return r;
}

// Z/N with N rational or invertible is folded into Z; a zero N has no value.
void Kuerze(TWurzelzahl& Z, TWurzelzahl& N) {
    if (N.IstNull()) Abbrechen();
    if (N.HatAtome()) return;
    TWurzelzahl inverse;
    if (N.IstRational()) {
        if (N.Rational().Zaehler == 1 && N.Rational().Nenner == 1) return;
        Z = Z.Mal(Durch(TGrossbruch{1, 1}, N.Rational()));
    } else if (N.Kehrwert(inverse)) {
        Z = Z * inverse;
    } else {
        return;
    }
    N = TWurzelzahl(TGrossbruch{1, 1});
}

// r^e for a rational r, as a fraction; a negative r with a fractional exponent has no value.
void RationalHoch(const TBruch& r, const TBruch& e, TWurzelzahl& Z, TWurzelzahl& N) {
    if (r.Zaehler == 0) {
        if (e.Zaehler <= 0) Abbrechen();
        Z = TWurzelzahl();
        N = TWurzelzahl(TGrossbruch{1, 1});
        return;
    }
    const bool ganz = e.Nenner == 1;
    if (r.Zaehler < 0 && !ganz) Abbrechen();
    const TBruch betrag{e.Zaehler < 0 ? -e.Zaehler : e.Zaehler, e.Nenner};
    if (r.Zaehler == std::numeric_limits<Int64>::min()) Abbrechen();
    const Int64 zaehler = r.Zaehler < 0 ? -r.Zaehler : r.Zaehler;
    Z = GanzeZahlHoch(zaehler, betrag);
    N = GanzeZahlHoch(r.Nenner, betrag);
    if (r.Zaehler < 0 && betrag.Zaehler % 2 == 1) Z = Z.Negation();
    if (e.Zaehler < 0) std::swap(Z, N);
    Kuerze(Z, N);
}

void Wandle(TUmwandlung& U, TTerm* T, TWurzelzahl& Z, TWurzelzahl& N);

Int32 Wurzelatom(const TUmwandlung& U, TTerm* A) {
    for (size_t i = 0; i < U.Wurzelatome.size(); ++i)
        if (U.Wurzelatome[i].Atom == A) return Int32(i);
    return -1;
}

// u^k for k >= 0.
TWurzelzahl AtomHoch(TTerm* A, Int64 k) {
    if (k == 0) return TWurzelzahl(TGrossbruch{1, 1});
    TWurzelzahl r;
    TWurzelmonom m;
    m.Atome.emplace_back(A, Int32(k));
    r.Koeff.emplace(m, TGrossbruch{1, 1});
    return r;
}

// 1/u: v/P for a partner v, u^(q-1)/X otherwise.
TWurzelzahl AtomKehrwert(const TUmwandlung& U, const TWurzelatom& w) {
    if (w.Partner >= 0) return AtomHoch(U.Wurzelatome[size_t(w.Partner)].Atom, 1) * w.KehrwertProdukt;
    return AtomHoch(w.Atom, w.q - 1) * w.KehrwertX;
}

// The monomial m with the exponent of its i-th atom lowered by k.
void Senke(TWurzelmonom& m, size_t i, Int32 k) {
    if (m.Atome[i].second == k)
        m.Atome.erase(m.Atome.begin() + std::ptrdiff_t(i));
    else
        m.Atome[i].second -= k;
}

// One relation that lowers the atom degree of m: m = Rest * Faktor. False when none applies.
bool Relation(const TUmwandlung& U, const TWurzelmonom& m, TWurzelmonom& Rest, TWurzelzahl& Faktor) {
    for (size_t i = 0; i < m.Atome.size(); ++i) {
        const Int32 a = Wurzelatom(U, m.Atome[i].first);
        if (a < 0) continue;
        const TWurzelatom& w = U.Wurzelatome[size_t(a)];
        const Int32 k = m.Atome[i].second;
        Rest = m;
        if (w.Partner < 0) {
            if (k < w.q) continue;
            Senke(Rest, i, Int32(w.q));
            Faktor = w.X;
            return true;
        }
        TTerm* partner = U.Wurzelatome[size_t(w.Partner)].Atom;
        for (size_t j = 0; j < m.Atome.size(); ++j)
            if (m.Atome[j].first == partner) {
                // u*v = P: the higher index is lowered first, so i stays valid.
                Senke(Rest, std::max(i, j), 1);
                Senke(Rest, std::min(i, j), 1);
                Faktor = w.Produkt;
                return true;
            }
        if (k < 2) continue;
        Senke(Rest, i, 2);
        Faktor = w.X * w.KehrwertProdukt * AtomHoch(partner, 1);
        return true;
    }
    return false;
}

// Z with the relations of the root atoms applied until none applies.
void Reduziere(const TUmwandlung& U, TWurzelzahl& Z) {
    if (U.Wurzelatome.empty()) return;
    TWurzelmonom rest;
    TWurzelzahl faktor;
    for (bool weiter = true; weiter;) {
        weiter = false;
        for (auto it = Z.Koeff.begin(); it != Z.Koeff.end(); ++it)
            if (Relation(U, it->first, rest, faktor)) {
                TWurzelzahl glied;
                glied.Koeff.emplace(rest, it->second);
                Z.Koeff.erase(it);
                Z = Z + glied * faktor;
                weiter = true;
                break;
            }
    }
}

// The inverse of Z = c0 + c1*u (+ c2*u^2) for one root atom u of index 2 (3), or of Z = a + b*u + e*v for
// partners u and v, with coefficients without atoms: Z times its adjugate is the norm, a number without
// atoms. False when the norm is 0 or has no inverse, or Z has another form.
bool WurzelatomKehrwert(const TUmwandlung& U, const TWurzelzahl& Z, TWurzelzahl& Inverse) {
    Int32 erstes = -1;
    std::array<TWurzelzahl, 3> c;
    for (const auto& [m, k] : Z.Koeff) {
        if (m.Atome.size() > 1) return false;
        size_t stelle = 0;
        if (!m.Atome.empty()) {
            const Int32 a = Wurzelatom(U, m.Atome[0].first);
            if (a < 0) return false;
            const TWurzelatom& w = U.Wurzelatome[size_t(a)];
            if (erstes < 0) erstes = a;
            if (a != erstes && w.Partner != erstes) return false;
            const Int32 e = m.Atome[0].second;
            if (w.Partner >= 0 ? e != 1 : (w.q > 3 || e >= w.q)) return false;
            stelle = a == erstes ? size_t(e) : 2;
        }
        c[stelle].Koeff.emplace(TWurzelmonom{m.Wurzeln, {}}, k);
    }
    if (erstes < 0) return false;
    const TWurzelatom& w = U.Wurzelatome[size_t(erstes)];
    const TWurzelzahl& X = w.X;
    TWurzelzahl norm, kehrNorm;
    std::array<TWurzelzahl, 3> adj;
    std::array<TWurzelzahl, 3> basis{TWurzelzahl(TGrossbruch{1, 1}), AtomHoch(w.Atom, 1), TWurzelzahl()};
    const TGrossbruch drei{3, 1};
    if (w.Partner >= 0) {
        // (a + b*u + e*v)(a^2 - b*e*P + (e^2*Y/P - a*b)*u + (b^2*X/P - a*e)*v) = a^3 + b^3*X + e^3*Y - 3abeP.
        const TWurzelatom& v = U.Wurzelatome[size_t(w.Partner)];
        const TWurzelzahl &a = c[0], &b = c[1], &e = c[2];
        basis[2] = AtomHoch(v.Atom, 1);
        norm = a * a * a + b * b * b * X + e * e * e * v.X - (a * b * e * w.Produkt).Mal(drei);
        adj = {a * a - b * e * w.Produkt, e * e * v.X * w.KehrwertProdukt - a * b,
               b * b * X * w.KehrwertProdukt - a * e};
    } else if (w.q == 2) {
        norm = c[0] * c[0] - c[1] * c[1] * X;
        adj = {c[0], c[1].Negation(), TWurzelzahl()};
    } else {
        norm = c[0] * c[0] * c[0] + c[1] * c[1] * c[1] * X + c[2] * c[2] * c[2] * X * X -
               (c[0] * c[1] * c[2] * X).Mal(drei);
        adj = {c[0] * c[0] - c[1] * c[2] * X, c[2] * c[2] * X - c[0] * c[1], c[1] * c[1] - c[0] * c[2]};
        basis[2] = AtomHoch(w.Atom, 2);
    }
    if (!norm.Kehrwert(kehrNorm)) return false;
    Inverse = TWurzelzahl();
    for (size_t i = 0; i < 3; ++i) Inverse = Inverse + adj[i] * kehrNorm * basis[i];
    Reduziere(U, Inverse);
    return true;
}

// Kuerze, and a denominator in root atoms that WurzelatomKehrwert inverts goes into the numerator.
void KuerzeMitWurzelatomen(const TUmwandlung& U, TWurzelzahl& Z, TWurzelzahl& N) {
    Reduziere(U, Z);
    Reduziere(U, N);
    Kuerze(Z, N);
    if (!N.HatAtome()) return;
    // The inverse may leave 128 bits where the fraction does not: then the fraction stays.
    try {
        TWurzelzahl inverse;
        if (!WurzelatomKehrwert(U, N, inverse)) return;
        TWurzelzahl z = Z * inverse;
        Reduziere(U, z);
        Z = z;
        N = TWurzelzahl(TGrossbruch{1, 1});
    } catch (const ERessourcen&) {
    }
}

// c^(1/q) for a rational c > 0 (Wurzel) and its inverse, as numbers without denominators.
bool RationaleWurzel(const TGrossbruch& c, Int64 q, TWurzelzahl& Wurzel, TWurzelzahl& Kehrwert) {
    if (c.Zaehler <= 0) return false;
    TWurzelzahl z, n;
    RationalHoch(AlsBruch(c), TBruch{1, q}, z, n);
    if (!n.IstRational() || !z.Kehrwert(Kehrwert)) return false;
    Wurzel = z.Mal(Durch(TGrossbruch{1, 1}, n.Rational()));
    Kehrwert = Kehrwert.Mal(n.Rational());
    return true;
}

// The gcd of the numerators over the lcm of the denominators of X's coefficients (positive; 1 for 0).
TGrossbruch Inhalt(const TWurzelzahl& X) {
    Int128 g = 0, l = 1;
    for (const auto& [m, c] : X.Koeff) {
        g = g == 0 ? (c.Zaehler < 0 ? -c.Zaehler : c.Zaehler) : ggT(g, c.Zaehler);
        l = MalGeprueft(l / ggT(l, c.Nenner), c.Nenner);
    }
    return g == 0 ? TGrossbruch{1, 1} : Normiert(g, l);
}

// X = (s/b)^q * X' with X' of integer coefficients: the content a/b of X (a/b > 0) is a*b^(q-1) / b^q, and
// the q-th powers of small primes in a*b^(q-1) go into s. Radicands of integers keep the products of
// Cardano's pair rational cubes and the arithmetic in the roots' field within 128 bits. False when
// a*b^(q-1) does not fit.
bool NormiereRadikand(const TWurzelzahl& X, Int64 q, TGrossbruch& Faktor, TWurzelzahl& Klein) {
    const TGrossbruch c = Inhalt(X);
    Int128 g = c.Zaehler, s = 1;
    for (Int64 i = 1; i < q; ++i)
        if (__builtin_mul_overflow(g, c.Nenner, &g)) return false;
    for (Int32 p : Primzahlen) {
        if (p <= 0) continue;
        Int128 pq = 1;
        bool passt = true;
        for (Int64 i = 0; i < q && passt; ++i) passt = !__builtin_mul_overflow(pq, Int128(p), &pq);
        if (!passt || pq > g) break;
        while (g % pq == 0) {
            g /= pq;
            s *= p;
        }
    }
    Faktor = Normiert(s, c.Nenner);
    Klein = X.Mal(Durch(TGrossbruch{g, 1}, c));
    return true;
}

// X^(p/q) (T, with the base Basis) for a base with the value X > 0 without atoms that is not rational: a
// power of a root atom. X = f^q * X' (NormiereRadikand) gives f * X'^(1/q); equal radicands X' share an
// atom, a radicand with a rational quotient c by the radicand of an atom u gives c^(1/q)*u, and a cube root
// whose radicand's product with that of an atom u without partner is a rational cube becomes u's partner.
// False where the base does not fit.
bool WurzelatomPotenz(TUmwandlung& U, TTerm* T, TTerm* Basis, const TWurzelzahl& zb, const TWurzelzahl& nb,
                      const TBruch& e, TWurzelzahl& Z) {
    const Int64 q = e.Nenner;
    if (q > MaxGanzerExponent || e.Zaehler > MaxGanzerExponent || e.Zaehler < -MaxGanzerExponent ||
        zb.HatAtome() || nb.HatAtome())
        return false;
    bool definiert = false;
    const Extended wert = Basis->Wert(0, definiert);
    if (!definiert || !(wert > 0)) return false;
    TWurzelzahl kehrNb, kehrX, X;
    TGrossbruch faktor;
    if (!nb.Kehrwert(kehrNb) || !NormiereRadikand(zb * kehrNb, q, faktor, X) || !X.Kehrwert(kehrX))
        return false;
    // The root R = X'^(1/q) and its inverse.
    TWurzelzahl R, RKehr, F, FKehr;
    for (const TWurzelatom& w : U.Wurzelatome) {
        if (w.q != q) continue;
        const TWurzelzahl quotient = X * w.KehrwertX;
        if (quotient.IstRational() && RationaleWurzel(quotient.Rational(), q, F, FKehr)) {
            R = F * AtomHoch(w.Atom, 1);
            RKehr = FKehr * AtomKehrwert(U, w);
            break;
        }
    }
    const size_t n = U.Wurzelatome.size();
    if (R.IstNull()) {
        // The atom's term has its value: X'^(1/q) = Basis^(1/q) / f.
        TTerm* atom = e.Zaehler == 1 ? T : PotenzTerm(Basis, TBruch{1, q});
        if (faktor.Zaehler != faktor.Nenner) atom = OperatorTerm(atom, Konstante(faktor), '/');
        U.Wurzelatome.push_back({atom, q, X, kehrX, -1, {}, {}});
        for (size_t i = 0; q == 3 && i < n; ++i) {
            TWurzelatom& w = U.Wurzelatome[i];
            const TWurzelzahl produkt = X * w.X;
            if (w.q != 3 || w.Partner >= 0 || !produkt.IstRational() ||
                !RationaleWurzel(produkt.Rational(), 3, F, FKehr))
                continue;
            w.Partner = Int32(n);
            w.Produkt = F;
            w.KehrwertProdukt = FKehr;
            U.Wurzelatome[n].Partner = Int32(i);
            U.Wurzelatome[n].Produkt = F;
            U.Wurzelatome[n].KehrwertProdukt = FKehr;
            break;
        }
        R = AtomHoch(atom, 1);
        RKehr = AtomKehrwert(U, U.Wurzelatome[n]);
    }
    const TWurzelzahl& b = e.Zaehler < 0 ? RKehr.Mal(Durch(TGrossbruch{1, 1}, faktor)) : R.Mal(faktor);
    Z = TWurzelzahl(TGrossbruch{1, 1});
    for (Int64 i = 0; i < (e.Zaehler < 0 ? -e.Zaehler : e.Zaehler); ++i) {
        Z = Z * b;
        Reduziere(U, Z);
    }
    return true;
}

// (Basis)^e: rational bases exactly, other bases for integer exponents by repeated products; a root of a
// positive irrational number without atoms is a power of a root atom, any other irrational base with a
// fractional exponent is an atom.
void Potenz(TUmwandlung& U, TTerm* T, TTerm* Basis, const TBruch& e, TWurzelzahl& Z, TWurzelzahl& N) {
    TWurzelzahl zb, nb;
    Wandle(U, Basis, zb, nb);
    if (zb.IstRational() && nb.IstRational()) {
        const TGrossbruch b = Durch(zb.Rational(), nb.Rational());
        RationalHoch(AlsBruch(b), e, Z, N);
        return;
    }
    N = TWurzelzahl(TGrossbruch{1, 1});
    if (e.Nenner != 1 && WurzelatomPotenz(U, T, Basis, zb, nb, e, Z)) return;
    if (e.Nenner != 1 || e.Zaehler > MaxGanzerExponent || e.Zaehler < -MaxGanzerExponent) {
        Z = AtomZahl(Atom(U, T));
        return;
    }
    Z = TWurzelzahl(TGrossbruch{1, 1});
    for (Int64 i = 0; i < (e.Zaehler < 0 ? -e.Zaehler : e.Zaehler); ++i) {
        Z = Z * zb;
        N = N * nb;
        Reduziere(U, Z);
        Reduziere(U, N);
    }
    if (e.Zaehler < 0) std::swap(Z, N);
    KuerzeMitWurzelatomen(U, Z, N);
}

void WandleKnoten(TUmwandlung& U, TTerm* T, TWurzelzahl& Z, TWurzelzahl& N);

void Wandle(TUmwandlung& U, TTerm* T, TWurzelzahl& Z, TWurzelzahl& N) {
    if (auto it = U.Bekannt.find(T); it != U.Bekannt.end()) {
        Z = it->second.first;
        N = it->second.second;
        return;
    }
    WandleKnoten(U, T, Z, N);
    U.Bekannt.emplace(T, std::make_pair(Z, N));
}

void WandleKnoten(TUmwandlung& U, TTerm* T, TWurzelzahl& Z, TWurzelzahl& N) {
    if (!T || !T->IstKonstant || ++U.Tiefe > MaxTiefe || --U.Knoten < 0) Abbrechen();
    struct TTiefe {
        Int32& t;
        ~TTiefe() { --t; }
    } tiefe{U.Tiefe};
    N = TWurzelzahl(TGrossbruch{1, 1});
    if (auto* r = AlsRationaleKonstante(T)) {
        Z = TWurzelzahl(TGrossbruch::Aus(r->Bruch));
        return;
    }
    if (auto* rad = AlsRadikalKonstante(T)) {
        const TRadikal& R = rad->Radikal;
        Z = TWurzelzahl();
        for (Int32 i = 0; i <= R.Polynom.Grad; ++i) {
            TBruch c;
            BruchVonKonstante(R.Polynom.Koeff[i], c);
            if (c.Zaehler == 0) continue;
            TWurzelzahl z, n;
            RationalHoch(TBruch{R.Radikand, 1}, TBruch{i, R.Wurzelexponent}, z, n);
            Z = Z + z.Mal(TGrossbruch::Aus(c));
        }
        return;
    }
    if (auto* o = AlsOperatorTerm(T)) {
        TWurzelzahl z1, n1, z2, n2;
        Wandle(U, o->T1, z1, n1);
        Wandle(U, o->T2, z2, n2);
        switch (o->Operator) {
        case '+':
        case '-': {
            const TWurzelzahl a = z1 * n2, b = z2 * n1;
            Z = o->Operator == '+' ? a + b : a - b;
            N = n1 * n2;
            break;
        }
        case '*':
            Z = z1 * z2;
            N = n1 * n2;
            break;
        case '/':
            if (z2.IstNull()) Abbrechen();
            Z = z1 * n2;
            N = n1 * z2;
            break;
        default:
            Abbrechen();
        }
        KuerzeMitWurzelatomen(U, Z, N);
        return;
    }
    if (auto* p = AlsPotenzTerm(T)) return Potenz(U, T, p->Argument, p->Exponent, Z, N);
    if (auto* w = AlsWurzel(T)) return Potenz(U, T, w->Argument, TBruch{1, w->Grad}, Z, N);
    if (IstStandardFunktion(T, "sqrt"))
        return Potenz(U, T, static_cast<TStandardFunktion*>(T)->Argument, BruchEinHalb, Z, N);
    Z = AtomZahl(Atom(U, T));
}

} // namespace

namespace {

bool Wurzelbruch(TTerm* T, TWurzelzahl& Zaehler, TWurzelzahl& Nenner) {
    TUmwandlung U;
    try {
        Wandle(U, T, Zaehler, Nenner);
        return true;
    } catch (const TNichtUmwandelbar&) {
    } catch (const ERessourcen&) {
    } catch (const ENichtExistenz&) {
    }
    return false;
}

bool Gleich(const TWurzelzahl& a, const TWurzelzahl& b) {
    if (a.Koeff.size() != b.Koeff.size()) return false;
    for (auto i = a.Koeff.begin(), j = b.Koeff.begin(); i != a.Koeff.end(); ++i, ++j) {
        const TWurzelmonom &m = i->first, &n = j->first;
        if (m.Atome != n.Atome || m.Wurzeln.size() != n.Wurzeln.size()) return false;
        for (size_t k = 0; k < m.Wurzeln.size(); ++k)
            if (m.Wurzeln[k].first != n.Wurzeln[k].first ||
                m.Wurzeln[k].second.Zaehler != n.Wurzeln[k].second.Zaehler ||
                m.Wurzeln[k].second.Nenner != n.Wurzeln[k].second.Nenner)
                return false;
        if (i->second.Zaehler != j->second.Zaehler || i->second.Nenner != j->second.Nenner) return false;
    }
    return true;
}

// The numbers of the constants converted in a request, kept as TRechenmerker keeps its results: the degree
// of a polynomial and the gcd ask for its coefficients' numbers again and again. The steps of work that the
// second conversion took are counted again at each later one, so that every budget ends where it did.
struct TWurzelbruchEintrag {
    bool Ok = false;
    TWurzelzahl Z, N;
    // The steps of the second conversion; -1 before it.
    Int64 Schritte = -1;
};

std::unordered_map<const TTerm*, TWurzelbruchEintrag>& Wurzelbrueche() {
    static std::unordered_map<const TTerm*, TWurzelbruchEintrag> eintraege;
    static TTermfreigabeBeobachter leeren([] { eintraege.clear(); });
    return eintraege;
}

} // namespace

bool AlsWurzelbruch(TTerm* T, TWurzelzahl& Zaehler, TWurzelzahl& Nenner) {
    auto& eintraege = Wurzelbrueche();
    if (auto it = eintraege.find(T); it != eintraege.end() && it->second.Schritte >= 0) {
        for (Int64 i = 0; i < it->second.Schritte; ++i) Arbeitsschritt();
        Zaehler = it->second.Z;
        Nenner = it->second.N;
        return it->second.Ok;
    }
    const Int64 anfang = Arbeitsschritte();
    const bool ok = Wurzelbruch(T, Zaehler, Nenner);
    const Int64 schritte = Arbeitsschritte() - anfang;
    // Looked up again: the conversion may have changed the map.
    auto it = eintraege.find(T);
    if (it == eintraege.end()) {
        eintraege.emplace(T, TWurzelbruchEintrag{ok, Zaehler, Nenner, -1});
    } else if (it->second.Ok == ok && Gleich(it->second.Z, Zaehler) && Gleich(it->second.N, Nenner)) {
        it->second.Schritte = schritte;
    } else {
        it->second = TWurzelbruchEintrag{ok, Zaehler, Nenner, -1};
    }
    return ok;
}

bool AlsWurzelzahl(TTerm* T, TWurzelzahl& Z) {
    TWurzelzahl N;
    if (!AlsWurzelbruch(T, Z, N) || Z.HatAtome() || N.HatAtome()) return false;
    if (N.IstRational() && N.Rational().Zaehler == 1 && N.Rational().Nenner == 1) return true;
    TWurzelzahl inverse;
    try {
        if (!N.Kehrwert(inverse)) return false;
        Z = Z * inverse;
    } catch (const ERessourcen&) {
        return false;
    }
    return true;
}

bool GleicherWert(TTerm* T, TTerm* R) {
    bool dT = false, dR = false;
    const Extended wT = T->Wert(0, dT), wR = R->Wert(0, dR);
    return dT && dR && std::fabs(wT - wR) <= 1e-12L * (1 + std::fabs(wT));
}

} // namespace zol
