#include "steps/Ableitungen.h"

#include <exception>
#include <string>

#include "algebra/NormalFormen.h"
#include "algebra/Vereinfachung.h"
#include "output/Ausgabe.h"
#include "output/Protokoll.h"
#include "output/Seiten.h"
#include "steps/Allgemeines.h"
#include "steps/Definitionsbedingungen.h"
#include "steps/Nullstel.h"
#include "steps/Schrittflags.h"
#include "term/Arbeit.h"
#include "term/Fehler.h"
#include "term/Mengen.h"
#include "term/Termarithmetik.h"
#include "term/Terme.h"

namespace zol {

namespace {

// A zero of a polynomial divisor of T where Alt has a value, put in exactly and evaluated.
bool NeueLuecke(TTerm* Alt, TTerm* T) {
    for (const TBedingung& b : Definitionsbedingungen(T)) {
        if (b.Art != TBedingungsart::UngleichNull || !HatPolynomform(b.Argument)) continue;
        TSListe* nullstellen = nullptr;
        uint8_t status = unklar;
        SucheNullstellen(b.Argument, IntervallR, nullstellen, false, status);
        for (Int32 i = 1; nullstellen && i <= nullstellen->Anzahl; ++i) {
            TTerm* x0 = nullstellen->Stellen[i]->Punkt;
            bool definiert = false;
            Alt->Wert(x0->Wert(0, definiert), definiert);
            try {
                if (definiert && Alt->Einsetzen(x0)) return true;
            } catch (const ENichtExistenz&) {
                // Alt has no value there either.
            }
        }
    }
    return false;
}

// T has a value wherever Alt has one, as far as T's polynomial divisors show it. A simplification may make
// a root in a denominator rational (1/(1+sqrt(x)) = (1-sqrt(x))/(1-x)), bringing in zeros of the denominator
// where the derivative has a value; its term would state gaps that the derivative does not have.
bool OhneNeueLuecken(TTerm* Alt, TTerm* T) {
    if (!T || T == Alt) return true;
    bool wurzel = false;
    for (const TBedingung& b : Definitionsbedingungen(Alt))
        wurzel = wurzel || b.Art == TBedingungsart::NichtNegativ || b.Art == TBedingungsart::Positiv;
    if (!wurzel) return true;
    // Silent, and without closing the open line; a check beyond a search's budget keeps T.
    TWechsel<bool> ohne(Kommentare, false);
    try {
        TArbeitsbudget budget(Suchbudget);
        return !NeueLuecke(Alt, T);
    } catch (const EBudgetErschoepft&) {
        return true;
    }
}

// Writes " = " and T when T has fewer nodes than the form written last and no gap that the derivative Roh
// has not.
void Kuerzer(TTerm*& D, TTerm* T, TTerm* Roh) {
    if (!T || T->Knotenzahl >= D->Knotenzahl || !OhneNeueLuecken(Roh, T)) return;
    D = T;
    SchreibeTextTerm(" = ", D);
}

// D simplified, or only folded where simplifying brings in gaps; written with " = " when that saved nodes.
void Vereinfache(TTerm*& D, TTerm* Roh) {
    TTerm* T = D;
    VereinfacheTerm(T);
    if (!OhneNeueLuecken(Roh, T)) {
        T = D;
        Kumuliere(T);
        if (!OhneNeueLuecken(Roh, T)) return;
    }
    const Int32 vorher = D->Knotenzahl;
    D = T;
    if (D->Knotenzahl < vorher) SchreibeTextTerm(" = ", D);
}

// The derivative of the normal form N as a term; nil when the form has none or it would exceed the degree
// limit (the term's own derivative stands then).
TTerm* AbgeleiteteForm(TNormalform* N) {
    try {
        TNormalform* A = N->Ableitung();
        return A ? A->Term : nullptr;
    } catch (const EGradUeberschritten&) {
        return nullptr;
    } catch (const ERessourcen&) {
        return nullptr;
    }
}

// The derivative of Vorher written with the chain of ever shorter equal forms; the shortest is returned.
TTerm* Ableiten(TTerm* Vorher, const char* Bezeichnung) {
    TTerm* D = Vorher->Ableitung();
    if (!D) throw ENichtExistenz("Ableitung nicht vorhanden.");
    SchreibeTextTerm(Bezeichnung, D);
    TTerm* const roh = D;
    // A simplification that fails (an overflow, a divisor whose zero cannot be decided) leaves the form
    // reached so far: it is the derivative all the same, and the steps after it need it.
    try {
        Vereinfache(D, roh);
        if (D->Normalform) Kuerzer(D, D->Normalform->Term, roh);
        if (Vorher->Normalform) Kuerzer(D, AbgeleiteteForm(Vorher->Normalform), roh);
        if (!D->Normalform) Vereinfache(D, roh);
    } catch (const EBenutzerAbbruch&) {
        throw;
    } catch (const EBudgetErschoepft&) {
        throw;
    } catch (const EZolFehler&) {
    }
    NeueZeile();
    NeueZeile();
    return D;
}

} // namespace

void BestimmungDerAbleitungen(bool Zeichnen) {
    Ableitung1 = nullptr;
    Ableitung2 = nullptr;
    Ableitung3 = nullptr;
    try {
        SchreibeUeberschrift(2, "Ableitungen");
        SchreibeUnterstrichenZeile("Die ersten Ableitungen lauten:");
        if (!FTerm) throw ENichtExistenz("Ableitung nicht vorhanden.");
        // f' and f'' are needed by the extrema, f'' and f''' by the inflection points.
        const bool extrema = Schrittflags[SchrittExtremstellen];
        const bool wende = Schrittflags[SchrittWendestellen];
        Ableitung1 = Ableiten(FTerm, "f '(x) = ");
        if (AbleitungsGrad >= 2 || extrema || wende) {
            Ableitung2 = Ableiten(Ableitung1, "f ''(x) = ");
            if (AbleitungsGrad >= 3 || wende) Ableitung3 = Ableiten(Ableitung2, "f '''(x) = ");
        }
        SchreibeZeitmessung();
        NeueZeile();
        Trennlinie();
        if (Zeichnen) ZeichneSeite(0);
    } catch (const std::exception& e) {
        SchreibeZeile(std::string("Schritt: Ableiten nicht OK! ") + e.what());
        if (Zeichnen) ZeichneSeite(0);
    }
}

} // namespace zol
