// Exact numbers of the elimination: polynomials in prime roots with rational coefficients of any length.
#include <algorithm>

#include "algebra/LineareGleichungssysteme_Intern.h"
#include "term/Arbeit.h"
#include "term/Fehler.h"
#include "term/Terme.h"

namespace zol {

namespace {

mpz_class Lang(Int128 v) {
    mpz_class r(static_cast<long>(Int64(v >> 64)));
    r <<= 64;
    r += static_cast<unsigned long>(uint64_t(v));
    return r;
}

mpq_class Lang(const TGrossbruch& b) {
    mpq_class q(Lang(b.Zaehler), Lang(b.Nenner));
    q.canonicalize();
    return q;
}

bool IstEins(const TGrossbruch& b) {
    return b.Zaehler == 1 && b.Nenner == 1;
}

void Addiere(std::map<TWurzelmonom, mpq_class>& K, const TWurzelmonom& m, const mpq_class& c) {
    if (sgn(c) == 0) return;
    auto [it, neu] = K.emplace(m, c);
    if (!neu) {
        it->second += c;
        if (sgn(it->second) == 0) K.erase(it);
    }
    if (K.size() > MaxWurzelmonome) throw ERessourcen("Zu viele Summanden.");
}

size_t Bits(const mpz_class& z) {
    return mpz_sizeinbase(z.get_mpz_t(), 2);
}

} // namespace

TLGSZahl::TLGSZahl(const mpq_class& c) {
    if (sgn(c) != 0) Koeff.emplace(TWurzelmonom{}, c);
}

TLGSZahl::TLGSZahl(const TWurzelzahl& w) {
    for (const auto& [m, c] : w.Koeff) Koeff.emplace(m, Lang(c));
}

bool TLGSZahl::IstRational() const {
    return Koeff.empty() || (Koeff.size() == 1 && Koeff.begin()->first.IstEins());
}

mpq_class TLGSZahl::Rational() const {
    return Koeff.empty() ? mpq_class(0) : Koeff.begin()->second;
}

TLGSZahl TLGSZahl::operator+(const TLGSZahl& b) const {
    TLGSZahl r = *this;
    for (const auto& [m, c] : b.Koeff) Addiere(r.Koeff, m, c);
    return r;
}

TLGSZahl TLGSZahl::operator-(const TLGSZahl& b) const {
    TLGSZahl r = *this;
    for (const auto& [m, c] : b.Koeff) Addiere(r.Koeff, m, mpq_class(-c));
    return r;
}

TLGSZahl TLGSZahl::operator*(const TLGSZahl& b) const {
    TLGSZahl r;
    for (const auto& [ma, ca] : Koeff)
        for (const auto& [mb, cb] : b.Koeff) {
            // Each product of two monomials is a step of work: long products poll the host.
            Arbeitsschritt();
            TGrossbruch f{1, 1};
            const TWurzelmonom m = MonomProdukt(ma, mb, f);
            mpq_class c = ca * cb;
            if (!IstEins(f)) c *= Lang(f);
            Addiere(r.Koeff, m, c);
        }
    return r;
}

TLGSZahl TLGSZahl::Mal(const mpq_class& c) const {
    TLGSZahl r;
    if (sgn(c) == 0) return r;
    for (const auto& [m, k] : Koeff) r.Koeff.emplace(m, k * c);
    return r;
}

bool TLGSZahl::Kehrwert(TLGSZahl& Inverse) const {
    return KehrwertDurchKonjugierte(
        *this, Inverse, TLGSZahl(mpq_class(1)), [](const mpq_class& c) { return mpq_class(-c); },
        [](const mpq_class& c) { return mpq_class(1 / c); },
        [](const mpq_class& c, Int64 p) { return mpq_class(c * static_cast<long>(p)); });
}

bool TLGSZahl::HoechstensBits(size_t Grenze) const {
    return Laenge() <= Grenze;
}

size_t TLGSZahl::Laenge() const {
    size_t n = 0;
    for (const auto& [m, c] : Koeff) n = std::max({n, Bits(c.get_num()), Bits(c.get_den())});
    return n;
}

TTerm* TLGSZahl::AlsTerm() const {
    if (!Passt()) return nullptr;
    TWurzelzahl w;
    for (const auto& [m, c] : Koeff)
        w.Koeff.emplace(m, TGrossbruch{mpz_get_si(c.get_num_mpz_t()), mpz_get_si(c.get_den_mpz_t())});
    try {
        return w.AlsTerm();
    } catch (const ERessourcen&) {
        return nullptr;
    }
}

} // namespace zol
