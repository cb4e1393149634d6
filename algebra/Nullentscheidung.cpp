#include "algebra/Nullentscheidung.h"

#include <cmath>
#include <functional>
#include <limits>
#include <numbers>
#include <optional>
#include <unordered_map>

#include "algebra/Vereinfachung.h"
#include "output/Ausgabe.h"
#include "term/Fehler.h"
#include "term/Funktionen.h"
#include "term/Radikale.h"
#include "term/Terme.h"
#include "term/Wurzeln.h"
#include "term/Wurzelzahlen.h"

namespace zol {

namespace {

// ---- a value with a bound of its error ----

// The value v of a constant term and a bound e of |v - exact value|, from the rounding of every operation
// and the spread of each function over its argument's error.
struct TSchranke {
    Extended v = 0;
    Extended e = 0;
};

constexpr Extended Eps = std::numeric_limits<Extended>::epsilon();
// The rounding of one arithmetic operation and of one library function, in units of |value|.
constexpr Extended Rundung = 4 * Eps;
constexpr Extended Funktionsrundung = 64 * Eps;
constexpr Int32 MaxSchrankentiefe = 200;

bool Endlich(const TSchranke& s) {
    return std::isfinite(s.v) && std::isfinite(s.e);
}

// A function that is monotone on [u - e, u + e] inside its domain [Unten; Oben]: the exact value lies
// between the values at the ends.
bool Monoton(const std::function<Extended(Extended)>& f, const TSchranke& u, Extended Unten, Extended Oben,
             TSchranke& r) {
    const Extended a = u.v - u.e, b = u.v + u.e;
    if (!(a >= Unten && b <= Oben)) return false;
    r.v = f(u.v);
    const Extended fa = f(a), fb = f(b);
    r.e = std::max(std::fabs(fa - r.v), std::fabs(fb - r.v)) +
          Funktionsrundung * std::max({std::fabs(r.v), std::fabs(fa), std::fabs(fb)});
    return Endlich(r);
}

// The bounds of the subterms met so far (terms are shared, so a tree may hold one subterm many times), and
// the number of nodes still to visit.
struct TSchrankenLauf {
    std::unordered_map<TTerm*, std::optional<TSchranke>> Bekannt;
    Int32 Knoten = 20000;
};

bool Schranke(TTerm* T, TSchranke& r, TSchrankenLauf& L, Int32 Tiefe);

// b^e for e >= 0 by squaring.
Extended GanzePotenz(Extended b, Int64 e) {
    Extended r = 1;
    for (; e > 0; e >>= 1, b *= b)
        if (e & 1) r *= b;
    return r;
}

bool StandardSchranke(TStandardFunktion* F, TSchranke& r, TSchrankenLauf& L, Int32 Tiefe) {
    TSchranke u;
    if (!Schranke(F->Argument, u, L, Tiefe + 1)) return false;
    const std::string& name = F->Kennung;
    constexpr Extended inf = std::numeric_limits<Extended>::infinity();
    if (name == "abs") {
        r = {std::fabs(u.v), u.e};
        return true;
    }
    if (name == "sin" || name == "cos") {
        r.v = name == "sin" ? std::sin(u.v) : std::cos(u.v);
        r.e = u.e + Funktionsrundung * (1 + std::fabs(u.v) * Eps);
        return Endlich(r);
    }
    if (name == "sqrt") return Monoton([](Extended t) { return std::sqrt(t); }, u, 0, inf, r);
    if (name == "exp") return Monoton([](Extended t) { return std::exp(t); }, u, -inf, inf, r);
    if (name == "ln") return Monoton([](Extended t) { return std::log(t); }, u, 1e-4900L, inf, r);
    if (name == "arctan") return Monoton([](Extended t) { return std::atan(t); }, u, -inf, inf, r);
    if (name == "arcsin") return Monoton([](Extended t) { return std::asin(t); }, u, -1, 1, r);
    if (name == "arccos") return Monoton([](Extended t) { return std::acos(t); }, u, -1, 1, r);
    if (name == "tan" || name == "cot") {
        // Monotone between two poles: the argument's interval is narrower than the distance of the poles
        // and the denominator keeps its sign.
        auto nenner = [&](Extended t) { return name == "tan" ? std::cos(t) : std::sin(t); };
        if (!(u.e < 1) || std::signbit(nenner(u.v - u.e)) != std::signbit(nenner(u.v + u.e))) return false;
        if (name == "tan") return Monoton([](Extended t) { return std::tan(t); }, u, -inf, inf, r);
        return Monoton([](Extended t) { return 1 / std::tan(t); }, u, -inf, inf, r);
    }
    return false;
}

bool SchrankeKnoten(TTerm* T, TSchranke& r, TSchrankenLauf& L, Int32 Tiefe) {
    if (auto* rad = AlsRadikalKonstante(T)) {
        // The sum of the magnitudes of the terms bounds the rounding of Horner's scheme.
        const TRadikal& R = rad->Radikal;
        const Extended w = std::pow(static_cast<Extended>(R.Radikand), 1.0L / R.Wurzelexponent);
        Extended betrag = 0, potenz = 1;
        for (Int32 i = 0; i <= R.Polynom.Grad; ++i, potenz *= w) {
            bool d = true;
            betrag += std::fabs(R.Polynom.Koeff[i]->Wert(0, d)) * potenz;
        }
        bool d = true;
        r.v = T->Wert(0, d);
        r.e = Funktionsrundung * (R.Polynom.Grad + 2) * betrag;
        return d && Endlich(r);
    }
    if (IstRationaleKonstante(T) || T->Typrang == RangBenannt || T->Typrang == RangReell) {
        bool d = true;
        r.v = T->Wert(0, d);
        r.e = Rundung * std::fabs(r.v);
        return d && Endlich(r);
    }
    if (auto* o = AlsOperatorTerm(T)) {
        TSchranke a, b;
        if (!Schranke(o->T1, a, L, Tiefe + 1) || !Schranke(o->T2, b, L, Tiefe + 1)) return false;
        switch (o->Operator) {
        case '+':
        case '-':
            r.v = o->Operator == '+' ? a.v + b.v : a.v - b.v;
            r.e = a.e + b.e + Rundung * (std::fabs(a.v) + std::fabs(b.v));
            break;
        case '*':
            r.v = a.v * b.v;
            r.e = std::fabs(a.v) * b.e + std::fabs(b.v) * a.e + a.e * b.e + Rundung * std::fabs(r.v);
            break;
        case '/':
            if (!(std::fabs(b.v) > 2 * b.e)) return false;
            r.v = a.v / b.v;
            r.e = (std::fabs(a.v) * b.e + std::fabs(b.v) * a.e) / (std::fabs(b.v) * (std::fabs(b.v) - b.e)) +
                  Rundung * std::fabs(r.v);
            break;
        default:
            return false;
        }
        return Endlich(r);
    }
    if (auto* p = AlsPotenzTerm(T)) {
        TSchranke u;
        if (!Schranke(p->Argument, u, L, Tiefe + 1)) return false;
        const TBruch q = p->Exponent;
        const Extended exponent = static_cast<Extended>(q.Zaehler) / q.Nenner;
        if (q.Nenner == 1 && q.Zaehler > 0) {
            // |u^k - v^k| <= k * max(|u|, |v|)^(k-1) * |u - v|.
            r.v = GanzePotenz(u.v, q.Zaehler);
            r.e = exponent * GanzePotenz(std::fabs(u.v) + u.e, q.Zaehler - 1) * u.e +
                  Funktionsrundung * std::fabs(r.v);
            return Endlich(r);
        }
        if (q.Nenner == 1) {
            if (!(std::fabs(u.v) > 2 * u.e)) return false;
            const TSchranke betrag{std::fabs(u.v), u.e};
            if (!Monoton([exponent](Extended t) { return std::pow(t, exponent); }, betrag, 0, INFINITY, r))
                return false;
            if (u.v < 0 && q.Zaehler % 2 != 0) r.v = -r.v;
            return true;
        }
        return Monoton([exponent](Extended t) { return std::pow(t, exponent); }, u,
                       exponent > 0 ? 0 : 1e-4900L, INFINITY, r);
    }
    if (auto* w = AlsWurzel(T)) {
        TSchranke u;
        if (!Schranke(w->Argument, u, L, Tiefe + 1) || w->Grad < 1) return false;
        const Extended n = w->Grad;
        return Monoton([n](Extended t) { return std::pow(t, 1 / n); }, u, 0, INFINITY, r);
    }
    if (auto* a = AlsAllgemeineExponentialFunktion(T)) {
        TSchranke u;
        if (!Schranke(a->Argument, u, L, Tiefe + 1)) return false;
        const Extended basis = static_cast<Extended>(a->Basis.Zaehler) / a->Basis.Nenner;
        return Monoton([basis](Extended t) { return std::pow(basis, t); }, u, -INFINITY, INFINITY, r);
    }
    if (auto* f = AlsStandardFunktion(T)) return StandardSchranke(f, r, L, Tiefe);
    return false;
}

bool Schranke(TTerm* T, TSchranke& r, TSchrankenLauf& L, Int32 Tiefe) {
    if (!T || !T->IstKonstant || Tiefe > MaxSchrankentiefe || --L.Knoten < 0) return false;
    if (auto it = L.Bekannt.find(T); it != L.Bekannt.end()) {
        if (it->second) r = *it->second;
        return it->second.has_value();
    }
    const bool ok = SchrankeKnoten(T, r, L, Tiefe);
    L.Bekannt.emplace(T, ok ? std::optional<TSchranke>(r) : std::nullopt);
    return ok;
}

bool HatWert(TTerm* T) {
    bool definiert = false;
    const Extended v = T->Wert(0, definiert);
    return definiert && std::isfinite(v);
}

// Nullheit without the simplification.
TNullheit Entscheide(TTerm* T) {
    if (!T || !T->IstKonstant) return TNullheit::OhneWert;
    if (auto* r = AlsRationaleKonstante(T))
        return r->Bruch.Zaehler == 0 ? TNullheit::Null : TNullheit::NichtNull;
    if (SicherNichtNull(T)) return TNullheit::NichtNull;
    const bool wert = HatWert(T);
    TWurzelzahl Z, N;
    // Z/N: a number without atoms that is not the zero polynomial is not 0; a zero Z with a denominator
    // that has a value is 0 (a denominator without atoms has one: it is not the zero polynomial).
    if (AlsWurzelbruch(T, Z, N) && (wert || !N.HatAtome())) {
        if (Z.IstNull()) return TNullheit::Null;
        if (!Z.HatAtome()) return TNullheit::NichtNull;
    }
    return wert ? TNullheit::Unklar : TNullheit::OhneWert;
}

// The simplification may ask for the degree of polynomials again; it runs once, not inside itself.
bool ImVereinfachen = false;

} // namespace

bool SicherNichtNull(TTerm* T) {
    TSchranke s;
    TSchrankenLauf L;
    return Schranke(T, s, L, 0) && std::fabs(s.v) > 2 * s.e;
}

TNullheit NullheitOhneVereinfachung(TTerm* T) {
    if (!T) return TNullheit::OhneWert;
    if (T->Zustand & NullheitBekannt) return TNullheit((T->Zustand & NullheitWert) >> NullheitVerschiebung);
    const TNullheit n = Entscheide(T);
    T->Zustand =
        uint8_t((T->Zustand & ~NullheitWert) | NullheitBekannt | (uint8_t(n) << NullheitVerschiebung));
    return n;
}

TNullheit Nullheit(TTerm* T) {
    const TNullheit n = NullheitOhneVereinfachung(T);
    if (n != TNullheit::Unklar || ImVereinfachen) return n;
    TWechsel<bool> innen(ImVereinfachen, true);
    TWechsel<bool> melden(KonstantenUeberlaufMelden, false);
    TTerm* S = T;
    try {
        VereinfacheKonstantenTerm(S);
    } catch (const ERessourcen&) {
        return n;
    }
    return S == T ? n : NullheitOhneVereinfachung(S);
}

namespace {

const std::string UnklarObNullSchluss = " gleich 0 ist, lässt sich nicht entscheiden.";
// The most nodes a constant that the line shows typeset may have.
constexpr Int32 MaxGezeigteKnoten = 30;

} // namespace

std::string UnklarObNullText(const std::string& Name) {
    return "Ob " + Name + UnklarObNullSchluss;
}

void SchreibeUnklarObNull(TTerm* T, const std::string& Name) {
    if (!T || T->Knotenzahl > MaxGezeigteKnoten) {
        SchreibeZeile(UnklarObNullText(Name));
        return;
    }
    Schreibe("Ob ");
    SchreibeTerm(T);
    SchreibeZeile(UnklarObNullSchluss);
}

void PruefeTeiler(TTerm* T, const std::string& Name) {
    const TNullheit n = Nullheit(T);
    if (n == TNullheit::Null) throw ETermGoToStart("Division durch Null.");
    if (n == TNullheit::Unklar) throw ETermGoToStart(UnklarObNullText(Name));
}

} // namespace zol
