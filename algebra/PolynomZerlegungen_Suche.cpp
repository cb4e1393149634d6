// The searches of quadratic factors: the fit of a monic quartic to (x^2 + A*x + B)(x^2 + C*x + D) over the
// divisors B of its constant term, and the trial of x^2 + p*x + q for small integers p, q. A candidate is
// first screened by long double values (a test that no true factor fails) and then decided exactly by the
// term arithmetic; a candidate whose exact test leaves 64 bits counts as no fit.
#include <cmath>
#include <complex>
#include <optional>
#include <vector>

#include "algebra/PolynomNullstellen_Intern.h"
#include "algebra/PolynomZerlegungen.h"
#include "algebra/PolynomZerlegungen_Intern.h"
#include "output/Ausgabe.h"
#include "plattform/Oberflaeche.h"
#include "term/Fehler.h"
#include "term/TermManager.h"
#include "term/Termarithmetik.h"
#include "term/Terme.h"

namespace zol {

namespace {

using Komplex = std::complex<Extended>;

// Relative error allowed to the screening by values: far above long double rounding, far below what tells
// a wrong candidate from a factor.
constexpr Extended Toleranz = 1e-10L;

void PruefeAbbruch() {
    Oberflaeche().VerarbeiteNachrichten();
    if (BenutzerAbbruch) throw EBenutzerAbbruch("Abbruch durch Benutzer");
}

std::optional<Extended> WertVon(TTerm* T) {
    bool definiert = true;
    const Extended w = T->Wert(0, definiert);
    if (!definiert || !std::isfinite(w)) return std::nullopt;
    return w;
}

// The coefficient values of P, or nothing when one has no value.
std::optional<std::vector<Extended>> Werte(const TPolynom& P) {
    std::vector<Extended> a;
    for (Int32 i = 0; i <= P.Grad; ++i) {
        auto w = WertVon(P.Koeff[i]);
        if (!w) return std::nullopt;
        a.push_back(*w);
    }
    return a;
}

// a = b exactly, for simplified constants.
bool Gleich(TTerm* a, TTerm* b) {
    return KonstantVereinfacht(Differenz(a, b))->IstNull();
}

// The quartic's candidate B*D = a_0 with B = d1, D = d2: the entries of the fit, or none.
struct TPassung {
    TTerm *A, *B, *C, *D;
    Int32 Vielfachheit;
};

// d1 <> d2: A = (a1 - B*a3)/(D - B), C = a3 - A, and B + D + A*C = a2 must hold.
std::optional<TPassung> PasseVerschieden(const TPolynom& P, const std::optional<std::vector<Extended>>& a,
                                         Int64 d1, Int64 d2) {
    if (a) {
        const Extended B = Extended(d1), D = Extended(d2);
        const Extended a1 = (*a)[1], a2 = (*a)[2], a3 = (*a)[3];
        const Extended A = (a1 - B * a3) / (D - B), C = a3 - A;
        const Extended fehlerA = Toleranz * (std::fabs(a1) + std::fabs(B * a3)) / std::fabs(D - B);
        const Extended fehlerC = fehlerA + Toleranz * (std::fabs(a3) + std::fabs(A));
        const Extended schranke =
            Toleranz * (std::fabs(B) + std::fabs(D) + std::fabs(A * C) + std::fabs(a2)) +
            std::fabs(A) * fehlerC + std::fabs(C) * fehlerA + fehlerA * fehlerC;
        if (!(std::fabs(B + D + A * C - a2) <= schranke)) return std::nullopt;
    }
    TTerm* B = Bruchkonstante(d1, 1);
    TTerm* D = Bruchkonstante(d2, 1);
    TTerm* A = KonstantVereinfacht(Quotient(Differenz(P.Koeff[1], Produkt(B, P.Koeff[3])), Differenz(D, B)));
    TTerm* C = KonstantVereinfacht(Differenz(P.Koeff[3], A));
    if (!Gleich(Summe(Summe(B, D), Produkt(A, C)), P.Koeff[2])) return std::nullopt;
    return TPassung{A, B, C, D, 1};
}

// d1 = d2 = d: a1 = d*a3 must hold; A, C = h +- sqrt(e) with h = a3/2, e = h^2 + 2d - a2 >= 0.
std::optional<TPassung> PasseGleich(const TPolynom& P, const std::optional<std::vector<Extended>>& a,
                                    Int64 d) {
    if (a && !(std::fabs((*a)[1] - Extended(d) * (*a)[3]) <=
               Toleranz * (std::fabs((*a)[1]) + std::fabs(Extended(d) * (*a)[3]))))
        return std::nullopt;
    TTerm* dT = Bruchkonstante(d, 1);
    if (!Gleich(P.Koeff[1], Produkt(dT, P.Koeff[3]))) return std::nullopt;
    TTerm* h = KonstantVereinfacht(Quotient(P.Koeff[3], Zwei));
    TTerm* e = KonstantVereinfacht(Differenz(Summe(Produkt(h, h), Produkt(Zwei, dT)), P.Koeff[2]));
    const TVorzeichen vz = VorzeichenVon(e);
    if (vz == TVorzeichen::Null) return TPassung{h, dT, nullptr, nullptr, 2};
    if (vz != TVorzeichen::Positiv) return std::nullopt;
    TTerm* s = ReelleWurzel(e, 2);
    return TPassung{KonstantVereinfacht(Summe(h, s)), dT, KonstantVereinfacht(Differenz(h, s)), dT, 1};
}

// Whether x^2 + p*x + q may divide the polynomial with the coefficient values a: its zeros must be zeros of
// the polynomial, up to the rounding of the evaluation.
bool KannTeilen(const std::vector<Extended>& a, Int32 p, Int32 q) {
    const Komplex wurzel = std::sqrt(Komplex(Extended(p) * p / 4 - q, 0));
    for (const Komplex z : {Komplex(-Extended(p) / 2) + wurzel, Komplex(-Extended(p) / 2) - wurzel}) {
        Komplex wert = 0;
        Extended skala = 0;
        for (size_t i = a.size(); i-- > 0;) {
            wert = wert * z + a[i];
            skala = skala * std::abs(z) + std::fabs(a[i]);
        }
        if (!(std::abs(wert) <= Toleranz * skala)) return false;
    }
    return true;
}

// R = F * quotient exactly: true and R := quotient.
bool TeileAb(TPolynom& R, const TPolynom& F) {
    TPolynom quotient, rest;
    try {
        PDurch(R, F, quotient, rest, false);
    } catch (const ERessourcen&) {
        return false;
    }
    if (!IstNullPolynom(rest)) return false;
    R = quotient;
    return true;
}

} // namespace

bool ZerlegeViertenGrad(TPolynom P, TZerlegung& Z, bool Kommentar) {
    SenkeGrad(P);
    if (P.Grad != 4 || !P.Koeff[4]->HatWert(BruchEins)) return false;
    auto* a0 = AlsRationaleKonstante(P.Koeff[0]);
    if (!a0 || a0->Bruch.Nenner != 1 || a0->Bruch.Zaehler == 0) return false;
    const Int64 c = a0->Bruch.Zaehler;
    const auto a = Werte(P);
    const uint64_t betrag = c < 0 ? uint64_t(0) - uint64_t(c) : uint64_t(c);
    std::optional<TPassung> passung;
    Int64 versuche = 0;
    for (const uint64_t d1 : Teiler(betrag)) {
        if (++versuche % 4096 == 0) PruefeAbbruch();
        if (d1 > uint64_t(INT64_MAX)) break;
        const Int64 d2 = c / Int64(d1);
        try {
            auto neu = Int64(d1) == d2 ? PasseGleich(P, a, d2) : PasseVerschieden(P, a, Int64(d1), d2);
            // A later fit replaces an earlier one.
            if (neu) passung = neu;
        } catch (const ERessourcen&) {
        }
    }
    if (!passung) return false;
    QuadFaktorAufnehmen(passung->A, passung->B, passung->Vielfachheit, Z, Kommentar);
    if (passung->C) QuadFaktorAufnehmen(passung->C, passung->D, passung->Vielfachheit, Z, Kommentar);
    return true;
}

bool ZerlegeQuadFaktorSuche(TPolynom P, TZerlegung& Z, bool Kommentar) {
    SenkeGrad(P);
    struct TFund {
        Int32 p, q, m;
    };
    std::vector<TFund> funde;
    TPolynom R = P;
    auto werte = Werte(R);
    for (Int32 p = -10; p <= 10; ++p) {
        PruefeAbbruch();
        for (Int32 q = -10; q <= 10; ++q) {
            if (R.Grad < 2) break;
            TPolynom F;
            F.Grad = 2;
            F.Koeff[2] = Eins;
            F.Koeff[1] = Bruchkonstante(p, 1);
            F.Koeff[0] = Bruchkonstante(q, 1);
            if (werte && !KannTeilen(*werte, p, q)) continue;
            while (R.Grad >= 2 && TeileAb(R, F)) {
                werte = Werte(R);
                if (funde.empty() || funde.back().p != p || funde.back().q != q)
                    funde.push_back({p, q, 1});
                else
                    ++funde.back().m;
            }
        }
    }
    if (funde.empty()) return false;
    for (const TFund& f : funde)
        QuadFaktorAufnehmen(Bruchkonstante(f.p, 1), Bruchkonstante(f.q, 1), f.m, Z, Kommentar);
    Uebernimm(Verschachtelt(R, Kommentar), Z);
    return true;
}

} // namespace zol
