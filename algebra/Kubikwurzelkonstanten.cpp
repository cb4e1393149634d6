#include "algebra/Kubikwurzelkonstanten.h"

#include <algorithm>
#include <unordered_set>

#include "term/TermManager.h"
#include "term/Terme.h"
#include "term/Wurzeln.h"
#include "term/Wurzelzahlen.h"

namespace zol {

namespace {

// Parts deeper in a term than this are not looked at.
constexpr Int32 MaxTiefe = 1000;

// A cube root of a constant that is no rational: a power with the exponent 1/3 or 2/3, or a root of index 3.
bool IstKubikwurzel(TTerm* T) {
    if (auto* p = AlsPotenzTerm(T))
        return p->Exponent.Nenner == 3 && !IstRationaleKonstante(p->Argument) && p->Argument->IstKonstant;
    if (auto* w = AlsWurzel(T))
        return w->Grad == 3 && !IstRationaleKonstante(w->Argument) && w->Argument->IstKonstant;
    return false;
}

// T holds a cube root of a constant that is no rational (Cardano's formula writes its zeros so); each shared
// subterm is looked at once.
bool EnthaeltKubikwurzel(TTerm* T, std::unordered_set<TTerm*>& Gesehen, Int32 Tiefe = 0) {
    if (!T || !T->IstKonstant || Tiefe > MaxTiefe || !Gesehen.insert(T).second) return false;
    if (IstKubikwurzel(T)) return true;
    if (auto* o = AlsOperatorTerm(T))
        return EnthaeltKubikwurzel(o->T1, Gesehen, Tiefe + 1) ||
               EnthaeltKubikwurzel(o->T2, Gesehen, Tiefe + 1);
    if (auto* p = AlsPotenzTerm(T)) return EnthaeltKubikwurzel(p->Argument, Gesehen, Tiefe + 1);
    return false;
}

// An atom of a number that is a cube root, or a cube root divided by a rational.
bool IstKubikwurzelatom(TTerm* A) {
    if (auto* o = AlsOperatorTerm(A); o && o->Operator == '/' && IstRationaleKonstante(o->T2)) A = o->T1;
    return IstKubikwurzel(A);
}

} // namespace

bool MoeglicheKubikwurzelkonstante(TTerm* T) {
    std::unordered_set<TTerm*> gesehen;
    return EnthaeltKubikwurzel(T, gesehen);
}

TTerm* Kubikwurzelform(TTerm* T) {
    using namespace Grossbrueche;
    return GepruefteForm(T, [&]() -> TTerm* {
        TWurzelzahl Z, N;
        if (!AlsWurzelbruch(T, Z, N) || !N.IstRational()) return nullptr;
        // The cube roots cancel (u*v, or Cardano's zero put into its cubic): a rational number.
        if (!Z.HatAtome())
            return Z.IstRational() ? RationaleKonstante(AlsBruch(Durch(Z.Rational(), N.Rational())))
                                   : nullptr;
        for (const auto& [m, a] : Z.Koeff)
            for (const auto& [atom, n] : m.Atome)
                if (!IstKubikwurzelatom(atom)) return nullptr;
        // An atom u/f (a rational factor taken out of the radicand) as u, its factor in the coefficient.
        const TGrossbruch durchN = Durch(TGrossbruch{1, 1}, N.Rational());
        TWurzelzahl F;
        for (const auto& [m, a] : Z.Koeff) {
            TWurzelmonom k = m;
            TGrossbruch c = Mal(a, durchN);
            for (auto& [atom, n] : k.Atome) {
                auto* o = AlsOperatorTerm(atom);
                auto* f = o && o->Operator == '/' ? AlsRationaleKonstante(o->T2) : nullptr;
                if (!f) continue;
                atom = o->T1;
                for (Int32 i = 0; i < n; ++i) c = Durch(c, TGrossbruch::Aus(f->Bruch));
            }
            std::sort(k.Atome.begin(), k.Atome.end());
            F.Koeff.emplace(std::move(k), c);
        }
        return F.AlsTerm();
    });
}

} // namespace zol
