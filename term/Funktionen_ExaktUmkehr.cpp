// Exact values of arcsin, arccos, arctan, exp, ln and abs, and the exact evaluation of an outermost
// function node.
#include <cmath>
#include <vector>

#include "algebra/RationaleFunktion.h"
#include "algebra/Vereinfachung.h"
#include "steps/Gleichungen.h"
#include "term/Funktionen.h"
#include "term/Mengen.h"
#include "term/Radikale.h"
#include "term/Rechenmerker.h"
#include "term/TermManager.h"
#include "term/Termarithmetik.h"
#include "term/Wurzeln.h"

namespace zol {

namespace {

// A special value of arcsin or arctan and its angle as a multiple of pi.
struct TRationalerWert {
    TBruch Wert;
    TBruch Winkel;
};
struct TRadikalWert {
    const TRadikal* Radikal;
    TBruch Winkel;
};
// f * root(w, 2) with |f| and w.
struct TWurzelWert {
    TBruch f;
    TBruch w;
    TBruch Winkel;
};
// R with the root of Radikand replaced by x is a*x (ImNenner false) or 1/(a*x) (ImNenner true).
struct TFormWert {
    Int64 Radikand;
    bool ImNenner;
    TBruch a;
    TBruch Winkel;
};
struct TSonderwerte {
    std::vector<TRationalerWert> Rational;
    std::vector<TRadikalWert> Radikale;
    std::vector<TWurzelWert> Wurzeln;
    std::vector<TFormWert> Formen;
};

const TSonderwerte& ArkussinusWerte() {
    static const TSonderwerte w = {
        {{{0, 1}, {0, 1}}, {{1, 1}, {1, 2}}, {{-1, 1}, {-1, 2}}, {{1, 2}, {1, 6}}, {{-1, 2}, {-1, 6}}},
        {{&RadikalHalbeWurzel2, {1, 4}},
         {&RadikalMinusHalbeWurzel2, {-1, 4}},
         {&RadikalHalbeWurzel3, {1, 3}},
         {&RadikalMinusHalbeWurzel3, {-1, 3}}},
        {{{1, 2}, {2, 1}, {1, 4}},
         {{1, 1}, {1, 2}, {1, 4}},
         {{1, 2}, {3, 1}, {1, 3}},
         {{1, 1}, {3, 4}, {1, 3}}},
        {{2, true, {1, 1}, {1, 4}}, {2, false, {1, 2}, {1, 4}}},
    };
    return w;
}

const TSonderwerte& ArkustangensWerte() {
    static const TSonderwerte w = {
        {{{0, 1}, {0, 1}}, {{1, 1}, {1, 4}}, {{-1, 1}, {-1, 4}}},
        {{&RadikalDrittelWurzel3, {1, 6}},
         {&RadikalMinusDrittelWurzel3, {-1, 6}},
         {&RadikalWurzel3, {1, 3}},
         {&RadikalMinusWurzel3, {-1, 3}}},
        {{{1, 3}, {3, 1}, {1, 6}}, {{1, 1}, {1, 3}, {1, 6}}, {{1, 1}, {3, 1}, {1, 3}}},
        {{3, false, {1, 3}, {1, 6}},
         {3, false, {1, 1}, {1, 3}},
         {3, true, {1, 1}, {1, 6}},
         {3, true, {1, 3}, {1, 3}}},
    };
    return w;
}

bool Gleich(const TBruch& a, const TBruch& b) {
    return Brueche::Gleich(a, b);
}

TBruch Betrag(const TBruch& a) {
    TBruch r = a;
    if (r.Zaehler < 0) Brueche::Negativ(a, r);
    return r;
}

// The radicand w of R = root(w, 2), sqrt(w) or w^(1/2); nil otherwise.
TTerm* Quadratwurzelradikand(TTerm* R) {
    if (auto* w = AlsWurzel(R); w && w->Grad == 2) return w->Argument;
    if (IstStandardFunktion(R, "sqrt")) return static_cast<TFunktion*>(R)->Argument;
    if (auto* p = AlsPotenzTerm(R); p && Gleich(p->Exponent, BruchEinHalb)) return p->Argument;
    return nullptr;
}

// The fraction of a rational constant.
bool BruchVon(TTerm* T, TBruch& b) {
    auto* r = AlsRationaleKonstante(T);
    if (r) b = r->Bruch;
    return r != nullptr;
}

// R with root(Radikand, 2) replaced by x as a*x or 1/(a*x); false for any other form.
bool LinearInWurzel(TTerm* R, Int64 Radikand, bool& ImNenner, TBruch& a) {
    TTerm* Rx = R->Ersetze(ZieheWurzel(RationaleKonstante(TBruch{Radikand, 1}), 2), VariableX);
    if (!Rx || Rx->IstKonstant) return false;
    bool neu = false;
    TRationaleFunktion* F = TRationaleFunktionCreateT(Rx, neu);
    if (!F) return false;
    const TPolynom &Z = F->Zaehler, &N = F->Nenner;
    TBruch z, n;
    if (Z.Grad == 1 && N.Grad == 0 && Z.Koeff[0]->IstNull() && BruchVon(Z.Koeff[1], z) &&
        BruchVon(N.Koeff[0], n)) {
        ImNenner = false;
        Brueche::Durch(z, n, a);
        return true;
    }
    if (Z.Grad == 0 && N.Grad == 1 && N.Koeff[0]->IstNull() && BruchVon(Z.Koeff[0], z) &&
        BruchVon(N.Koeff[1], n)) {
        ImNenner = true;
        Brueche::Durch(n, z, a);
        return true;
    }
    return false;
}

// The angle of the special value K (a simplified constant) as a multiple of pi; false when K is none.
bool Sonderwinkel(TTerm* K, const TSonderwerte& S, TBruch& Winkel) {
    TBruch b;
    if (BruchVon(K, b)) {
        for (const auto& w : S.Rational)
            if (Gleich(w.Wert, b)) return Winkel = w.Winkel, true;
        return false;
    }
    if (TRadikalKonstante* rad = RadikalKonstanteAusTerm(K); rad && rad->Radikal.Wurzelexponent == 2) {
        for (const auto& w : S.Radikale)
            if (RGleich(rad->Radikal, *w.Radikal)) return Winkel = w.Winkel, true;
    }
    // K = f * R with the rational factor f giving the sign.
    TTerm* T = K;
    TTerm* R = nullptr;
    TBruch f;
    KMK(T, R, f);
    const bool negativ = f.Zaehler < 0;
    const TBruch fb = Betrag(f);
    bool gefunden = false;
    if (TTerm* w = Quadratwurzelradikand(R)) {
        for (const auto& s : S.Wurzeln)
            if (!gefunden && Gleich(s.f, fb) && w->HatWert(s.w)) gefunden = true, Winkel = s.Winkel;
    } else if (Gleich(fb, BruchEins)) {
        for (const auto& s : S.Formen) {
            bool imNenner = false;
            TBruch a;
            if (!gefunden && LinearInWurzel(R, s.Radikand, imNenner, a) && imNenner == s.ImNenner &&
                Gleich(a, s.a))
                gefunden = true, Winkel = s.Winkel;
        }
    }
    if (gefunden && negativ) Brueche::Negativ(Winkel, Winkel);
    return gefunden;
}

// The constant T simplified and written arithmetically.
TTerm* Aufbereitet(TTerm* T) {
    VereinfacheKonstantenTerm(T);
    return KonstanteMoeglichstArithmetisch(T);
}

// A constant whose value lies outside [-1; 1]: exactly for a rational, else beyond rounding.
bool AusserhalbEins(TTerm* T) {
    if (!T->IstKonstant) return false;
    TBruch b;
    if (BruchVon(T, b)) return b.Zaehler > b.Nenner || -b.Zaehler > b.Nenner;
    bool d = false;
    const Extended v = T->Wert(0, d);
    return d && std::fabs(v) > 1 + 1e-15L;
}

// The angle w*pi; +-pi/2 and pi/4 in the written forms of the tables.
TTerm* PiTerm(const TBruch& w) {
    TTerm* pi = KonstantePi();
    if (w.Zaehler == 0) return Null;
    if (Gleich(w, BruchEinHalb)) return Quotient(pi, Zwei);
    if (Gleich(w, TBruch{-1, 2})) return Produkt(MinusEins, Quotient(pi, Zwei));
    return Produkt(RationaleKonstante(w), pi);
}

constexpr Extended HalbPi = 1.57079632679489661923132169163975144L;

// w for T = Umkehrung(w) with a constant w in [Unten; Oben]. The inverse of a periodic function gives a
// variable argument back only on part of the line (arcsin(sin(x)) = x only for |x| <= pi/2), so it gives
// none.
TTerm* KonstantesArgumentDerUmkehrung(TTerm* T, const char* Umkehrung, Extended Unten, Extended Oben) {
    if (!IstStandardFunktion(T, Umkehrung)) return nullptr;
    TTerm* w = static_cast<TFunktion*>(T)->Argument;
    if (!w || !w->IstKonstant) return nullptr;
    return ArgumentDerUmkehrung(T, Umkehrung, Unten, Oben);
}

// The exact inverse name(T) through its special values; Umkehrung is the function it inverts.
TTerm* Exakt(TTerm* T, const char* name, const char* Umkehrung, const TSonderwerte& S, Extended Unten,
             Extended Oben) {
    if (TTerm* w = KonstantesArgumentDerUmkehrung(T, Umkehrung, Unten, Oben)) return w;
    if (T->IstNull()) return Null;
    if (T->IstKonstant) {
        T = Aufbereitet(T);
        TBruch winkel;
        try {
            if (Sonderwinkel(T, S, winkel)) {
                if (Umkehrung[0] == 't' && Gleich(winkel, TBruch{1, 4})) return Quotient(KonstantePi(), Vier);
                return PiTerm(winkel);
            }
        } catch (const ERessourcen&) {
        } catch (const ENichtExistenz&) {
        } catch (const EGradUeberschritten&) {
        }
    }
    return StandardFunktionTerm(name, T);
}

// The exact inverses at constants: the function ('s', 'c', 't'), the constant, and whether a search may
// start (a constant may be simplified further then).
struct TUmkehrSchluessel {
    char Art;
    TTerm* T;
    bool Suche;
    auto operator<=>(const TUmkehrSchluessel&) const = default;
};
TRechenmerker<TUmkehrSchluessel> Umkehrwerte;

// f(T) for a constant T from Umkehrwerte.
template <class F> TTerm* Gemerkt(char Art, TTerm* T, F&& f) {
    if (!T || !T->IstKonstant) return f();
    return Umkehrwerte.Hole({Art, T, SucheMoeglich()}, f);
}

TTerm* Arkussinus(TTerm* T);
TTerm* Arkuskosinus(TTerm* T);
TTerm* Arkustangens(TTerm* T);

} // namespace

TTerm* ExakterArkussinus(TTerm* T) {
    return Gemerkt('s', T, [T] { return Arkussinus(T); });
}

TTerm* ExakterArkuskosinus(TTerm* T) {
    return Gemerkt('c', T, [T] { return Arkuskosinus(T); });
}

TTerm* ExakterArkustangens(TTerm* T) {
    return Gemerkt('t', T, [T] { return Arkustangens(T); });
}

namespace {

TTerm* Arkussinus(TTerm* T) {
    if (!T) return nullptr;
    if (AusserhalbEins(T)) return nullptr;
    if (T->IstKonstant) {
        // Exactly, once the constant is simplified.
        T = Aufbereitet(T);
        if (AusserhalbEins(T)) return nullptr;
    }
    return Exakt(T, "arcsin", "sin", ArkussinusWerte(), -HalbPi, HalbPi);
}

TTerm* Arkuskosinus(TTerm* T) {
    if (!T) return nullptr;
    if (AusserhalbEins(T)) return nullptr;
    if (TTerm* w = KonstantesArgumentDerUmkehrung(T, "cos", 0, 2 * HalbPi)) return w;
    TTerm* a = ExakterArkussinus(ArOp(MinusEins, T, '*'));
    if (!a) return nullptr;
    if (IstStandardFunktion(a, "arcsin")) return StandardFunktionTerm("arccos", T);
    // arccos(t) = pi/2 + arcsin(-t).
    TTerm* s = ArOp(Quotient(KonstantePi(), Zwei), a, '+');
    VereinfacheKonstantenTerm(s);
    return s;
}

TTerm* Arkustangens(TTerm* T) {
    if (!T) return nullptr;
    return Exakt(T, "arctan", "tan", ArkustangensWerte(), -HalbPi, HalbPi);
}

} // namespace

TTerm* ExakteExponentialfunktion(TTerm* T, bool RadikaleErlaubt) {
    if (!T) return nullptr;
    if (T->IstNull()) return Eins;
    if (T->HatWert(BruchEins)) return BenannteKonstante("e");
    // exp(f * ln(w)) = w^f; for a constant w only where ln(w) has a value.
    TTerm* t = T;
    TTerm* R = nullptr;
    TBruch f;
    KMK(t, R, f);
    if (IstStandardFunktion(R, "ln")) {
        TTerm* w = static_cast<TFunktion*>(R)->Argument;
        bool d = true;
        if (!w->IstKonstant || (w->Wert(0, d) > 0 && d)) return BildePotenz(w, f, RadikaleErlaubt);
    }
    return StandardFunktionTerm("exp", T);
}

TTerm* ExakterLogarithmus(TTerm* T) {
    if (!T) return nullptr;
    if (T->IstKonstant) {
        bool d = false;
        const Extended v = T->Wert(0, d);
        if (d && v <= 0) return nullptr;
    }
    if (T->HatWert(BruchEins)) return Null;
    if (T->IstGleich(BenannteKonstante("e"))) return Eins;
    if (IstStandardFunktion(T, "exp")) return static_cast<TFunktion*>(T)->Argument;
    if (auto* p = AlsPotenzTerm(T)) {
        // ln(w^q) = q*ln(w). An even integer q makes w^q positive also where w is negative: q*ln|w|, with
        // the bars left out where the sign of w is known. A fractional power has no value for w < 0, so
        // ln(w) keeps its range there.
        TTerm* w = p->Argument;
        if (p->Exponent.Nenner == 1 && p->Exponent.Zaehler % 2 == 0) w = ExakterBetrag(w);
        return ArOp(RationaleKonstante(p->Exponent), StandardFunktionTerm("ln", w), '*');
    }
    return StandardFunktionTerm("ln", T);
}

TTerm* ExakterBetrag(TTerm* T) {
    if (!T) return nullptr;
    TWahrheitswert U = unklar, N = unklar;
    UntersucheVorzeichen(T, IntervallR, U, N);
    if (N == wahr) return T;
    TTerm* minusT = T->Negation();
    UntersucheVorzeichen(minusT, IntervallR, U, N);
    if (N == wahr) return minusT;
    return StandardFunktionTerm("abs", T);
}

TTerm* VereinfacheStandardfunktion(TTerm* T, bool RadikaleErlaubt) {
    TTerm* ergebnis = nullptr;
    if (auto* p = AlsPotenzTerm(T)) {
        try {
            ergebnis = BildePotenz(p->Argument, p->Exponent, RadikaleErlaubt);
        } catch (const ENichtExistenz&) {
            // No real power: the node stays, without a value.
        }
    } else if (auto* w = AlsWurzel(T)) {
        ergebnis = ZieheWurzel(w->Argument, w->Grad);
    } else if (auto* a = AlsAllgemeineExponentialFunktion(T)) {
        // a^r with a rational r is the exact power; beyond 64 bits the node stays.
        if (auto* r = AlsRationaleKonstante(a->Argument)) {
            try {
                ergebnis = BildePotenz(RationaleKonstante(a->Basis), r->Bruch, RadikaleErlaubt);
            } catch (const ERessourcen&) {
            }
        }
    } else if (auto* f = AlsStandardFunktion(T)) {
        TTerm* u = f->Argument;
        const std::string& n = f->Kennung;
        bool definiert = true;
        if (n == "sin") ergebnis = ExakterSinus(u);
        if (n == "cos") ergebnis = ExakterKosinus(u);
        if (n == "tan") ergebnis = ExakterTangens(u, definiert);
        if (n == "arcsin") ergebnis = ExakterArkussinus(u);
        if (n == "arccos") ergebnis = ExakterArkuskosinus(u);
        if (n == "arctan") ergebnis = ExakterArkustangens(u);
        if (n == "exp") ergebnis = ExakteExponentialfunktion(u, RadikaleErlaubt);
        if (n == "ln") ergebnis = ExakterLogarithmus(u);
        if (n == "abs") ergebnis = ExakterBetrag(u);
        if (n == "sqrt") ergebnis = ZieheWurzel(u, 2);
    }
    // Where the value is undefined (tan(pi/2), ln(0), sqrt(-4)) the node stays, without a value.
    return ergebnis ? ergebnis : T;
}

} // namespace zol
