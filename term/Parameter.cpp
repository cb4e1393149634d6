#include "term/Parameter.h"

#include <algorithm>
#include <cmath>
#include <unordered_set>
#include <vector>

#include "algebra/Nullentscheidung.h"
#include "algebra/Vereinfachung.h"
#include "output/Ausgabe.h"
#include "steps/Definitionsbedingungen.h"
#include "term/Fehler.h"
#include "term/Mengen.h"
#include "term/Termarithmetik.h"
#include "term/Terme.h"

namespace zol {

namespace {

// Visits T and its subterms (each shared subterm once, without recursion) until Besuch returns false;
// returns false when it did.
template <class F> bool Durchlaufe(TTerm* T, F Besuch) {
    std::vector<TTerm*> offen{T};
    std::unordered_set<TTerm*> gesehen;
    while (!offen.empty()) {
        TTerm* t = offen.back();
        offen.pop_back();
        if (!t || !gesehen.insert(t).second) continue;
        if (!Besuch(t)) return false;
        if (TOperatorTerm* o = AlsOperatorTerm(t)) {
            offen.push_back(o->T2);
            offen.push_back(o->T1);
        } else if (TJoin* j = AlsJoin(t)) {
            offen.push_back(j->T2);
            offen.push_back(j->Bedingung);
            offen.push_back(j->T1);
        } else if (auto* f = dynamic_cast<TFunktion*>(t)) {
            offen.push_back(f->Argument);
        }
    }
    return true;
}

bool HatZahlwert(TTerm* C) {
    bool definiert = false;
    const Extended w = C->Wert(0, definiert);
    return definiert && std::isfinite(w);
}

// The first parameter in T, or nil.
TTerm* ErsterParameter(TTerm* T) {
    TTerm* p = nullptr;
    Durchlaufe(T, [&](TTerm* t) {
        if (IstParameter(t)) p = t;
        return !p;
    });
    return p;
}

} // namespace

bool IstParameter(const TTerm* T) {
    return T && T->Typrang == RangBenannt && T->Kennung != "pi" && T->Kennung != "e";
}

bool EnthaeltParameter(TTerm* T) {
    if (!T) return false;
    // A term's parts do not change: asked again (the constant coefficients of every polynomial are), the
    // answer is the one found before.
    if (T->MitParameter < 0) T->MitParameter = !Durchlaufe(T, [](TTerm* t) { return !IstParameter(t); });
    return T->MitParameter == 1;
}

std::string Parameternamen(TTerm* T, TTerm* U) {
    std::vector<std::string> namen;
    for (TTerm* W : {T, U})
        Durchlaufe(W, [&](TTerm* t) {
            if (IstParameter(t) && std::find(namen.begin(), namen.end(), t->Kennung) == namen.end())
                namen.push_back(t->Kennung);
            return true;
        });
    std::string text;
    for (size_t i = 0; i < namen.size(); ++i)
        text += (i == 0 ? "" : i + 1 == namen.size() ? " und " : ", ") + namen[i];
    return text;
}

std::string ParameterImAkkusativ(TTerm* T) {
    const std::string namen = Parameternamen(T);
    return (namen.find(' ') != std::string::npos ? "die Parameter " : "den Parameter ") + namen;
}

std::string OhneZahlwerteText(TTerm* T, const std::string& Name) {
    return Name + " enthält " + ParameterImAkkusativ(T) + " und hat daher keine Zahlen als Werte.";
}

bool VielleichtNull(TTerm* C) {
    return C && EnthaeltParameter(C) && Nullheit(C) != TNullheit::NichtNull;
}

TWahrheitswert HatWertFuerJedenParameter(TTerm* C) {
    if (!C) return falsch;
    if (!EnthaeltParameter(C)) return HatZahlwert(C) ? wahr : falsch;
    // A divisor that is 0 for every value: (0 + a·0)/0.
    if (NullTeiler(C)) return falsch;
    return UeberallDefiniert(C) ? wahr : unklar;
}

TWahrheitswert DefiniertBei(TTerm* T, TTerm* P) {
    if (!T || !P) return falsch;
    if (!EnthaeltParameter(T) && !EnthaeltParameter(P)) {
        bool definiert = false;
        const Extended x = P->Wert(0, definiert);
        if (!definiert || !std::isfinite(x)) return falsch;
        const Extended w = T->Wert(x, definiert);
        return definiert && std::isfinite(w) ? wahr : falsch;
    }
    // A T with a value at every x has one at every point that exists.
    if (UeberallDefiniert(T)) return wahr;
    try {
        return HatWertFuerJedenParameter(T->Ersetze(VariableX, P));
    } catch (const EBenutzerAbbruch&) {
        throw;
    } catch (const EZolFehler&) {
        return unklar;
    }
}

TWahrheitswert LiegtIn(TTerm* P, TMenge* M) {
    if (!P) return falsch;
    if (!EnthaeltParameter(P)) return !M || M->Enthaelt(P) ? wahr : falsch;
    if (!M || M == MengeR) return wahr;
    auto* I = dynamic_cast<TIntervall*>(M);
    return I && !I->LinkerRand.Wert && !I->RechterRand.Wert ? wahr : unklar;
}

TTerm* Eingesetzt(TTerm* T, TTerm* P) {
    try {
        TTerm* W = T ? T->Ersetze(VariableX, P) : nullptr;
        if (!W) return nullptr;
        Kumuliere(W);
        VereinfacheKonstantenTerm(W);
        // A parameter is no number: the term is simplified as a function of it (a - a = 0, a·2·a = 2·a²).
        TTerm* p = ErsterParameter(W);
        if (!p) return W;
        TTerm* F = W->Ersetze(p, VariableX);
        VereinfacheTerm(F);
        TTerm* R = F ? F->Ersetze(VariableX, p) : nullptr;
        if (R) Kumuliere(R);
        return R && R->Knotenzahl <= W->Knotenzahl ? R : W;
    } catch (const EBenutzerAbbruch&) {
        throw;
    } catch (const EZolFehler&) {
        return nullptr;
    }
}

void SchreibeNichtEntschieden(const std::string& Text, TTerm* T, TTerm* U) {
    SchreibeZeile(Text + " wird hier nicht für jeden Wert von " + Parameternamen(T, U) + " entschieden.");
}

namespace {

TOffeneLoesungen* InnersteOffene = nullptr;

} // namespace

TOffeneLoesungen::TOffeneLoesungen() : Aussen(InnersteOffene) {
    InnersteOffene = this;
}

TOffeneLoesungen::~TOffeneLoesungen() {
    InnersteOffene = Aussen;
}

namespace {

// Adds P to Punkte; false where it is there already.
bool FuegeEinmalHinzu(std::vector<TTerm*>& Punkte, TTerm* P) {
    if (std::any_of(Punkte.begin(), Punkte.end(), [P](TTerm* p) { return p == P || p->IstGleich(P); }))
        return false;
    Punkte.push_back(P);
    return true;
}

} // namespace

bool TOffeneLoesungen::Merke(TTerm* P) {
    if (!P) return false;
    return !InnersteOffene || FuegeEinmalHinzu(InnersteOffene->Punkte, P);
}

bool TOffeneLoesungen::Nenne(TTerm* P) {
    if (!P) return false;
    TOffeneLoesungen* aussen = InnersteOffene;
    while (aussen && aussen->Aussen) aussen = aussen->Aussen;
    return !aussen || FuegeEinmalHinzu(aussen->Genannt, P);
}

void TOffeneLoesungen::Pruefe(TTerm* T, TMenge* M, TSListe* Liste) {
    std::erase_if(Punkte, [&](TTerm* p) {
        if ((Liste && Liste->Enthaelt(p)) || LiegtIn(p, M) == falsch || DefiniertBei(T, p) != wahr)
            return true;
        // T there is 0, or a term of the parameter that the simplification does not bring to 0 (a² - a²
        // where a is √(a²)); a number other than 0 says that p came from a part of T only.
        TTerm* w = Eingesetzt(T, p);
        return !w || (!w->IstNull() && (!EnthaeltParameter(w) || HatWertFuerJedenParameter(w) != wahr));
    });
    ReicheWeiter();
}

void TOffeneLoesungen::ReicheWeiter() const {
    if (!Aussen) return;
    TOffeneLoesungen* innen = InnersteOffene;
    InnersteOffene = Aussen;
    for (TTerm* p : Punkte) Merke(p);
    InnersteOffene = innen;
}

void SchreibeOffeneLoesungen(const std::string& Vorsatz, const std::vector<TTerm*>& Punkte) {
    for (TTerm* P : Punkte) {
        SchreibeTextTerm(Vorsatz + " x = ", P);
        SchreibeTextTerm("; ob ", P);
        SchreibeNichtEntschieden(" im angegebenen Intervall liegt,", P);
    }
}

} // namespace zol
