#include "steps/Symmetrien.h"

#include "algebra/NormalFormen.h"
#include "algebra/Vereinfachung.h"
#include "output/Ausgabe.h"
#include "plattform/Oberflaeche.h"
#include "steps/Allgemeines.h"
#include "steps/Schrittflags.h"
#include "term/Fehler.h"
#include "term/Terme.h"

namespace zol {

namespace {

// The forms whose symmetry is decided completely by their polynomials.
bool EntscheidetSelbst(TNormalform* N) {
    return N->Kennung == KennungPT || N->Kennung == KennungRF || N->Kennung == KennungRNF;
}

// T(-x), simplified.
TTerm* Gespiegelt(TTerm* T) {
    TTerm* u = T->Ersetze(VariableX, VariableX->Negation());
    if (u) VereinfacheTerm(u);
    return u;
}

void SchreibeUrteil(TTerm* T, TWahrheitswert Achse, TWahrheitswert Punkt) {
    if (Achse == wahr) {
        SchreibeTextTermTextZeile("Der Graph von ", T, " ist symmetrisch zur y-Achse.");
    } else if (Punkt == wahr) {
        SchreibeTextTermTextZeile("Der Graph von ", T, " ist symmetrisch zum Ursprung.");
    } else if (Achse == falsch && Punkt == falsch) {
        SchreibeTextTermTextZeile("Der Graph von ", T,
                                  " ist weder zur y-Achse, noch zum Ursprung symmetrisch.");
    } else if (Achse == unklar && Punkt == unklar) {
        SchreibeTextTermTextZeile("Die Symmetrie des Graphen von ", T,
                                  " sowohl zur y-Achse, als auch zum Ursprung, ist unklar.");
    } else {
        if (Achse == falsch)
            SchreibeTextTermTextZeile("Der Graph von ", T, " ist nicht zur y-Achse symmetrisch.");
        else
            SchreibeTextTermTextZeile("Der Graph von ", T, " ist nicht zum Ursprung symmetrisch.");
        if (Achse == unklar)
            SchreibeTextTermTextZeile("Die Symmetrie des Graphen  von ", T, " zur y-Achse ist unklar.");
        else
            SchreibeTextTermTextZeile("Der Graph von ", T, " zum Ursprung ist unklar.");
    }
}

} // namespace

void UntersucheSymmetrie(TTerm* T, TWahrheitswert& Achse, TWahrheitswert& Punkt, bool Kommentar) {
    Achse = unklar;
    Punkt = unklar;
    if (!T) return;
    T->HoleNormalform();
    if (TNormalform* N = T->Normalform) {
        N->Symmetrie(Achse, Punkt, Kommentare);
        if (EntscheidetSelbst(N)) return;
    }
    if (Achse == unklar || Punkt == unklar) {
        TWahrheitswert achse = unklar, punkt = unklar;
        T->Symmetrie(achse, punkt, Kommentare);
        if (Achse == unklar) Achse = achse;
        if (Punkt == unklar) Punkt = punkt;
    }
    // Only the function 0 is both even and odd.
    if (!T->IstNull()) {
        if (Achse == wahr)
            Punkt = falsch;
        else if (Punkt == wahr)
            Achse = falsch;
    }
    if (Achse == unklar || Punkt == unklar) {
        TTerm* u = Gespiegelt(T);
        if (u && Achse == unklar && T->IstGleich(u)) Achse = wahr;
        if (u) {
            u = u->Negation();
            VereinfacheTerm(u);
        }
        if (u && Punkt == unklar && T->IstGleich(u)) Punkt = wahr;
    }
    if (Kommentar) SchreibeUrteil(T, Achse, Punkt);
}

void BestimmungVonSymmetrien() {
    Einrueckung = 0;
    SchreibeUeberschrift(2, "Bestimmung von Symmetrien:");
    if (!FTerm) throw ETermGoToStart("Arbeitsschritt nicht ausführbar");
    TWahrheitswert achse = unklar, punkt = unklar;
    UntersucheSymmetrie(FTerm, achse, punkt, Kommentare);
    if (!Kommentare) {
        if (achse == wahr)
            SchreibeZeile("Der Graph des gegebenen Terms ist symmetrisch zur y-Achse.");
        else if (achse == falsch)
            SchreibeZeile("Der Graph des gegebenen Terms ist nicht symmetrisch zur y-Achse.");
        else
            SchreibeZeile("Also ist die Symmetrie des Graphen zur y-Achse unklar.");
        if (punkt == wahr)
            SchreibeZeile("Der Graph des gegebenen Terms ist symmetrisch zum Ursprung.");
        else if (punkt == falsch)
            SchreibeZeile("Der Graph des gegebenen Terms ist nicht symmetrisch zum Ursprung");
        else
            SchreibeZeile("Die Symmetrie des Graphen zum Ursprung ist unklar.");
    }
    NeueZeile();
    Trennlinie();
    if (Schrittflags[SchrittSymmetrien]) Oberflaeche().SchrittAbhaken(SchrittSymmetrien);
}

} // namespace zol
