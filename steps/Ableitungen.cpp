#include "steps/Ableitungen.h"

#include <exception>
#include <string>

#include "algebra/NormalFormen.h"
#include "algebra/Vereinfachung.h"
#include "output/Ausgabe.h"
#include "output/Protokoll.h"
#include "output/Seiten.h"
#include "steps/Allgemeines.h"
#include "steps/Schrittflags.h"
#include "term/Fehler.h"
#include "term/Terme.h"

namespace zol {

namespace {

// Writes " = " and T when T has fewer nodes than the form written last.
void Kuerzer(TTerm*& D, TTerm* T) {
    if (!T || T->Knotenzahl >= D->Knotenzahl) return;
    D = T;
    SchreibeTextTerm(" = ", D);
}

// D simplified; written with " = " when that saved nodes.
void Vereinfache(TTerm*& D) {
    const Int32 vorher = D->Knotenzahl;
    VereinfacheTerm(D);
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
    Vereinfache(D);
    if (D->Normalform) Kuerzer(D, D->Normalform->Term);
    if (Vorher->Normalform) Kuerzer(D, AbgeleiteteForm(Vorher->Normalform));
    if (!D->Normalform) Vereinfache(D);
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
