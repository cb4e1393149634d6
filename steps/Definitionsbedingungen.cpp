#include "steps/Definitionsbedingungen.h"

#include <string>
#include <unordered_set>

#include "algebra/Nullentscheidung.h"
#include "term/Fehler.h"
#include "term/Funktionen.h"
#include "term/Radikale.h"
#include "term/Termarithmetik.h"
#include "term/Terme.h"
#include "term/Wurzeln.h"

namespace zol {

namespace {

// The children of T that the walks descend into.
std::vector<TTerm*> Kinder(TTerm* T) {
    if (auto* o = AlsOperatorTerm(T)) return {o->T1, o->T2};
    if (auto* j = AlsJoin(T)) return {j->T1, j->Bedingung, j->T2};
    if (auto* f = dynamic_cast<TFunktion*>(T)) return {f->Argument};
    return {};
}

// The condition that T itself asks of its argument, if any.
bool EigeneBedingung(TTerm* T, TBedingung& B) {
    B.Knoten = T;
    if (auto* o = AlsOperatorTerm(T)) {
        B = {TBedingungsart::UngleichNull, o->T2, T};
        return o->Operator == '/' && !o->T2->IstKonstant;
    }
    if (IstJoin(T)) {
        B = {TBedingungsart::Unbekannt, T, T};
        return true;
    }
    if (auto* p = AlsPotenzTerm(T)) {
        const TBruch& e = p->Exponent;
        if (e.Nenner == 1)
            B = {TBedingungsart::UngleichNull, p->Argument, T};
        else
            B = {e.Zaehler > 0 ? TBedingungsart::NichtNegativ : TBedingungsart::Positiv, p->Argument, T};
        return e.Nenner != 1 || e.Zaehler < 0;
    }
    if (auto* w = AlsWurzel(T)) {
        B = {w->Grad >= 1 ? TBedingungsart::NichtNegativ : TBedingungsart::Unbekannt, w->Argument, T};
        return true;
    }
    if (auto* s = AlsStandardFunktion(T)) {
        const std::string& n = s->Kennung;
        B.Argument = s->Argument;
        if (n == "sin" || n == "cos" || n == "exp" || n == "arctan" || n == "abs") return false;
        if (n == "ln")
            B.Art = TBedingungsart::Positiv;
        else if (n == "sqrt")
            B.Art = TBedingungsart::NichtNegativ;
        else if (n == "arcsin" || n == "arccos")
            B.Art = TBedingungsart::BetragHoechstensEins;
        else if (n == "tan")
            B.Art = TBedingungsart::KosinusUngleichNull;
        else if (n == "cot")
            B.Art = TBedingungsart::SinusUngleichNull;
        else
            B.Art = TBedingungsart::Unbekannt;
        return true;
    }
    // A general exponential has a positive base: it is defined wherever its exponent is.
    if (AlsAllgemeineExponentialFunktion(T) || IstVariable(T)) return false;
    B = {TBedingungsart::Unbekannt, T, T};
    return true;
}

// d is 0: a constant decided exactly, another divisor when it accumulates to 0.
bool IstNullteiler(TTerm* d) {
    try {
        if (d->IstKonstant) return Nullheit(d) == TNullheit::Null;
        TTerm* t = d;
        Kumuliere(t);
        return t && t->IstNull();
    } catch (const EBenutzerAbbruch&) {
        throw;
    } catch (const EZolFehler&) {
        return false;
    }
}

TTerm* SucheNullteiler(TTerm* T, std::unordered_set<TTerm*>& besucht) {
    if (!T || !besucht.insert(T).second) return nullptr;
    TTerm* d = nullptr;
    if (auto* o = AlsOperatorTerm(T); o && o->Operator == '/') d = o->T2;
    if (auto* p = AlsPotenzTerm(T); p && p->Exponent.Zaehler < 0) d = p->Argument;
    if (d && IstNullteiler(d)) return d;
    for (TTerm* k : Kinder(T))
        if (TTerm* n = SucheNullteiler(k, besucht)) return n;
    return nullptr;
}

} // namespace

std::vector<TBedingung> Definitionsbedingungen(TTerm* T) {
    std::vector<TBedingung> liste;
    std::unordered_set<TTerm*> besucht;
    std::vector<TTerm*> offen{T};
    while (!offen.empty()) {
        TTerm* t = offen.back();
        offen.pop_back();
        if (!t || t->IstKonstant || !besucht.insert(t).second) continue;
        TBedingung b{};
        if (EigeneBedingung(t, b)) liste.push_back(b);
        // Inside a piecewise term the branches count only on their side of the condition: not walked.
        if (b.Art == TBedingungsart::Unbekannt && IstJoin(t)) continue;
        for (TTerm* k : Kinder(t)) offen.push_back(k);
    }
    return liste;
}

bool UeberallDefiniert(TTerm* T) {
    std::unordered_set<TTerm*> besucht;
    std::vector<TTerm*> offen{T};
    while (!offen.empty()) {
        TTerm* t = offen.back();
        offen.pop_back();
        if (!t) return false;
        if (!besucht.insert(t).second || IstVariable(t) || IstRationaleKonstante(t) ||
            t->Typrang == RangBenannt || t->Typrang == RangReell || IstRadikalKonstante(t))
            continue;
        if (auto* o = AlsOperatorTerm(t)) {
            auto* teiler = AlsRationaleKonstante(o->T2);
            if (o->Operator != '+' && o->Operator != '-' && o->Operator != '*' &&
                !(o->Operator == '/' && teiler && teiler->Bruch.Zaehler != 0))
                return false;
        } else if (auto* p = AlsPotenzTerm(t)) {
            if (p->Exponent.Nenner != 1 || p->Exponent.Zaehler < 0) return false;
        } else if (auto* f = AlsStandardFunktion(t)) {
            const std::string& n = f->Kennung;
            if (n != "sin" && n != "cos" && n != "exp" && n != "arctan" && n != "abs") return false;
        } else if (!AlsAllgemeineExponentialFunktion(t)) {
            return false;
        }
        for (TTerm* k : Kinder(t)) offen.push_back(k);
    }
    return true;
}

bool VorzeichenfreieBedingung(TBedingungsart Art) {
    return Art == TBedingungsart::UngleichNull || Art == TBedingungsart::BetragHoechstensEins ||
           Art == TBedingungsart::KosinusUngleichNull || Art == TBedingungsart::SinusUngleichNull;
}

TTerm* NullTeiler(TTerm* T) {
    std::unordered_set<TTerm*> besucht;
    return SucheNullteiler(T, besucht);
}

} // namespace zol
