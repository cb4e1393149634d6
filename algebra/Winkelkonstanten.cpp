#include "algebra/Winkelkonstanten.h"

#include <algorithm>
#include <string>
#include <vector>

#include "term/Fehler.h"
#include "term/Funktionen.h"
#include "term/Radikale.h"
#include "term/TermManager.h"
#include "term/Termarithmetik.h"
#include "term/Terme.h"

namespace zol {

namespace {

using namespace Grossbrueche;

// A polynomial in c with coefficients without atoms, lowest degree first.
using TKosinuspolynom = std::vector<TWurzelzahl>;

TWurzelzahl Zahl(const TGrossbruch& q) {
    return TWurzelzahl(q);
}

// The angle as q*pi + e*g(r)/3 with e = +-1 (or without g): the summands of phi.
struct TWinkel {
    TBruch q{0, 1};
    TStandardFunktion* g = nullptr;
    Int64 e = 0;
};

// T as q * Kern: rational factors and rational divisors peeled off.
void Abspalten(TTerm* T, TBruch& q, TTerm*& Kern) {
    auto* o = AlsOperatorTerm(T);
    if (o && (o->Operator == '*' || o->Operator == '/')) {
        if (auto* r = AlsRationaleKonstante(o->T2); r && r->Bruch.Zaehler != 0) {
            Abspalten(o->T1, q, Kern);
            if (o->Operator == '/')
                Brueche::Durch(q, r->Bruch, q);
            else
                Brueche::Mal(q, r->Bruch, q);
            return;
        }
        if (auto* r = AlsRationaleKonstante(o->T1); r && o->Operator == '*') {
            Abspalten(o->T2, q, Kern);
            Brueche::Mal(q, r->Bruch, q);
            return;
        }
    }
    Kern = T;
}

bool Zerlege(TTerm* T, Int64 Vorzeichen, TWinkel& W) {
    if (auto* o = AlsOperatorTerm(T); o && (o->Operator == '+' || o->Operator == '-'))
        return Zerlege(o->T1, Vorzeichen, W) &&
               Zerlege(o->T2, o->Operator == '-' ? -Vorzeichen : Vorzeichen, W);
    TBruch q = BruchEins;
    TTerm* kern = nullptr;
    Abspalten(T, q, kern);
    if (Vorzeichen < 0) q.Zaehler = -q.Zaehler;
    if (kern->Typrang == RangBenannt && kern->Kennung == "pi") {
        Brueche::Plus(W.q, q, W.q);
        return true;
    }
    auto* g = AlsStandardFunktion(kern);
    if (!g || W.g || q.Nenner != 3 || (q.Zaehler != 1 && q.Zaehler != -1)) return false;
    if (g->Kennung != "arctan" && g->Kennung != "arccos" && g->Kennung != "arcsin") return false;
    W.g = g;
    W.e = q.Zaehler;
    return true;
}

// x^(Zaehler/2) for a rational x >= 0, as a number.
bool WurzelHoch(const TGrossbruch& x, Int64 Zaehler, TWurzelzahl& r) {
    if (x.Zaehler < 0 || (x.Zaehler == 0 && Zaehler < 0)) return false;
    return AlsWurzelzahl(PotenzTerm(RationaleKonstante(AlsBruch(x)), TBruch{Zaehler, 2}), r);
}

// cos and sin of a rational multiple of pi, as numbers.
bool KosinusSinusVonPi(const TBruch& q, TWurzelzahl& c, TWurzelzahl& s) {
    TTerm* winkel = Produkt(RationaleKonstante(q), KonstantePi());
    return AlsWurzelzahl(VereinfacheStandardfunktion(StandardFunktionTerm("cos", winkel), true), c) &&
           AlsWurzelzahl(VereinfacheStandardfunktion(StandardFunktionTerm("sin", winkel), true), s);
}

// cos and sin of g(r) for a number r whose square is rational.
bool KosinusSinusVon(TStandardFunktion* g, TWurzelzahl& c, TWurzelzahl& s) {
    TWurzelzahl r;
    if (!AlsWurzelzahl(g->Argument, r)) return false;
    const TWurzelzahl quadrat = r * r;
    if (!quadrat.IstRational()) return false;
    const TGrossbruch t = quadrat.Rational();
    if (g->Kennung == "arctan") {
        // cos(arctan r) = 1/sqrt(1 + r^2), sin(arctan r) = r/sqrt(1 + r^2).
        if (!WurzelHoch(Plus(TGrossbruch{1, 1}, t), -1, c)) return false;
        s = r * c;
        return true;
    }
    // cos(arccos r) = r, sin(arccos r) = sqrt(1 - r^2); arcsin the other way round.
    TWurzelzahl w;
    if (!WurzelHoch(Minus(TGrossbruch{1, 1}, t), 1, w)) return false;
    c = g->Kennung == "arccos" ? r : w;
    s = g->Kennung == "arccos" ? w : r;
    return true;
}

// The angle of the sine or cosine atom A, or nil.
TTerm* WinkelVon(TTerm* A, bool& Sinus) {
    auto* f = AlsStandardFunktion(A);
    if (!f || (f->Kennung != "sin" && f->Kennung != "cos")) return nullptr;
    Sinus = f->Kennung == "sin";
    return f->Argument;
}

void Addiere(TKosinuspolynom& P, size_t i, const TWurzelzahl& a) {
    if (P.size() <= i) P.resize(i + 1);
    P[i] = P[i] + a;
}

TKosinuspolynom Mal(const TKosinuspolynom& A, const TKosinuspolynom& B) {
    TKosinuspolynom r;
    for (size_t i = 0; i < A.size(); ++i)
        for (size_t j = 0; j < B.size(); ++j) Addiere(r, i + j, A[i] * B[j]);
    return r;
}

// P modulo 4c^3 - 3c - k: c^n = c^(n-3) * (3c + k)/4 from the top down.
void Reduziere(TKosinuspolynom& P, const TWurzelzahl& k) {
    const TGrossbruch viertel{1, 4};
    for (size_t n = P.size(); n-- > 3;) {
        const TWurzelzahl a = P[n].Mal(viertel);
        Addiere(P, n - 2, a.Mal(TGrossbruch{3, 1}));
        Addiere(P, n - 3, a * k);
        P[n] = TWurzelzahl();
    }
    while (!P.empty() && P.back().IstNull()) P.pop_back();
}

bool Negativ(const TWurzelzahl& a) {
    for (const auto& [m, c] : a.Koeff)
        if (c.Zaehler > 0) return false;
    return !a.IstNull();
}

bool IstEins(const TWurzelzahl& a) {
    return a.IstRational() && a.Rational().Zaehler == a.Rational().Nenner;
}

// a * Rest, a factor 1 left out; Rest nil for a constant summand.
TTerm* Glied(const TWurzelzahl& a, TTerm* Rest) {
    if (!Rest) return KonstanteMoeglichstArithmetisch(a.AlsTerm());
    return IstEins(a) ? Rest : Produkt(KonstanteMoeglichstArithmetisch(a.AlsTerm()), Rest);
}

using TSummanden = std::vector<std::pair<TWurzelzahl, TTerm*>>;

// The sum of the summands a * Rest: the positive ones first in their order, the negative ones subtracted.
// Without a positive one the sum starts with a negative one whose coefficient takes the sign (not -1).
TTerm* Summenterm(const TSummanden& S) {
    std::vector<size_t> plus, minus;
    for (size_t i = 0; i < S.size(); ++i) (Negativ(S[i].first) ? minus : plus).push_back(i);
    TTerm* summe = nullptr;
    if (plus.empty() && !minus.empty()) {
        auto erster = std::find_if(minus.begin(), minus.end(),
                                   [&](size_t i) { return !IstEins(S[i].first.Negation()) || !S[i].second; });
        if (erster == minus.end()) erster = minus.begin();
        summe = Glied(S[*erster].first, S[*erster].second);
        minus.erase(erster);
    }
    for (size_t i : plus)
        summe = summe ? Summe(summe, Glied(S[i].first, S[i].second)) : Glied(S[i].first, S[i].second);
    for (size_t i : minus) summe = Differenz(summe, Glied(S[i].first.Negation(), S[i].second));
    return summe;
}

// The summands a_i * c^i of P, lowest power first.
TSummanden Summanden(const TKosinuspolynom& P, TTerm* c) {
    TSummanden r;
    for (size_t i = 0; i < P.size(); ++i)
        if (!P[i].IstNull()) r.emplace_back(P[i], i == 0 ? nullptr : i == 1 ? c : PotenzTerm(c, Int64(i)));
    return r;
}

// P(c) + Q(c)*s; Q(c)*s one summand, its sign taken out when every coefficient of Q is negative.
TTerm* Form(const TKosinuspolynom& P, const TKosinuspolynom& Q, TTerm* c, TTerm* s) {
    TSummanden S = Summanden(P, c), q = Summanden(Q, c);
    if (q.size() == 1) {
        S.emplace_back(q[0].first, q[0].second ? Produkt(q[0].second, s) : s);
    } else if (!q.empty()) {
        const bool negativ = std::all_of(q.begin(), q.end(), [](const auto& g) { return Negativ(g.first); });
        if (negativ)
            for (auto& g : q) g.first = g.first.Negation();
        S.emplace_back(TWurzelzahl(TGrossbruch{negativ ? -1 : 1, 1}), Produkt(Summenterm(q), s));
    }
    return S.empty() ? Null : Summenterm(S);
}

} // namespace

namespace {

// The text names the function (not arcsin or arccos for sin or cos).
bool NenntFunktion(const std::string& Text, const char* Name) {
    for (size_t i = Text.find(Name); i != std::string::npos; i = Text.find(Name, i + 1))
        if (i < 3 || Text.compare(i - 3, 3, "arc") != 0) return true;
    return false;
}

} // namespace

bool MoeglicheWinkelkonstante(TTerm* T) {
    return T && T->IstKonstant && (NenntFunktion(T->Text, "sin(") || NenntFunktion(T->Text, "cos("));
}

bool KosinusDesDreifachen(TTerm* phi, TWurzelzahl& k) {
    TWinkel W;
    if (!phi || !phi->IstKonstant || !Zerlege(phi, 1, W)) return false;
    // 3*phi = 3q*pi + e*g(r): cos = cos(3q*pi) cos(g) - e sin(3q*pi) sin(g).
    TWurzelzahl cA, sA, cB{TGrossbruch{1, 1}}, sB;
    if (!KosinusSinusVonPi(TBruch{W.q.Zaehler * 3, W.q.Nenner}, cA, sA)) return false;
    if (W.g && !KosinusSinusVon(W.g, cB, sB)) return false;
    k = cA * cB - (sA * sB).Mal(TGrossbruch{W.e, 1});
    return true;
}

TTerm* Winkelnormalform(TTerm* T) {
    if (!MoeglicheWinkelkonstante(T)) return nullptr;
    return GepruefteForm(T, [&]() -> TTerm* {
        TWurzelzahl Z, N;
        if (!AlsWurzelbruch(T, Z, N) || !N.IstRational() || !Z.HatAtome()) return nullptr;
        // One angle for every atom.
        TTerm *phi = nullptr, *sinus = nullptr, *kosinus = nullptr;
        for (const auto& [m, a] : Z.Koeff)
            for (const auto& [atom, n] : m.Atome) {
                bool istSinus = false;
                TTerm* w = WinkelVon(atom, istSinus);
                if (!w || (phi && !phi->IstGleich(w))) return nullptr;
                phi = phi ? phi : w;
                (istSinus ? sinus : kosinus) = atom;
            }
        TWurzelzahl k;
        if (!KosinusDesDreifachen(phi, k)) return nullptr;
        // Z = sum of a * roots * s^i * c^j: s^i = s^(i mod 2) * (1 - c^2)^(i div 2).
        const TKosinuspolynom einsMinusQuadrat{Zahl({1, 1}), TWurzelzahl(), Zahl({-1, 1})};
        TKosinuspolynom P, Q;
        const TGrossbruch nenner = N.Rational();
        for (const auto& [m, a] : Z.Koeff) {
            Int32 i = 0, j = 0;
            for (const auto& [atom, n] : m.Atome) (atom == sinus ? i : j) = n;
            TWurzelzahl faktor;
            faktor.Koeff.emplace(TWurzelmonom{m.Wurzeln, {}}, Durch(a, nenner));
            TKosinuspolynom glied(size_t(j) + 1);
            glied[size_t(j)] = faktor;
            for (Int32 h = 0; h < i / 2; ++h) glied = Mal(glied, einsMinusQuadrat);
            TKosinuspolynom& ziel = i % 2 ? Q : P;
            for (size_t h = 0; h < glied.size(); ++h) Addiere(ziel, h, glied[h]);
            Reduziere(ziel, k);
        }
        TTerm* c = kosinus ? kosinus : StandardFunktionTerm("cos", phi);
        TTerm* s = sinus ? sinus : StandardFunktionTerm("sin", phi);
        return Form(P, Q, c, s);
    });
}

} // namespace zol
