#include "steps/Symmetrien.h"

#include <cmath>
#include <utility>

#include "algebra/NormalFormen.h"
#include "algebra/Vereinfachung.h"
#include "output/Ausgabe.h"
#include "plattform/Oberflaeche.h"
#include "steps/Allgemeines.h"
#include "steps/Definitionsbedingungen.h"
#include "steps/Schrittflags.h"
#include "term/Arbeit.h"
#include "term/Fehler.h"
#include "term/Mengen.h"
#include "term/TermManager.h"
#include "term/Termarithmetik.h"
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

// f as entered has a value at x0: put in exactly and evaluated, both agreeing; unklar where they disagree or
// the exact numbers overflow.
TWahrheitswert DefiniertIn(TTerm* E, TTerm* x0) {
    bool wert = false, exakt = false;
    E->Wert(x0->Wert(0, wert), wert);
    try {
        exakt = E->Einsetzen(x0) != nullptr;
    } catch (const ENichtExistenz&) {
        exakt = false;
    } catch (const ERessourcen&) {
        return unklar;
    }
    return wert == exakt ? (wert ? wahr : falsch) : unklar;
}

// The gap -g is in the complete list L of gaps: exactly, falsch when every gap is apart from -g by value.
TWahrheitswert LueckeGespiegelt(TSListe* L, TTerm* g) {
    bool d = false;
    const Extended w = g->Wert(0, d);
    TWahrheitswert ergebnis = falsch;
    for (Int32 i = 1; i <= L->Anzahl; ++i) {
        TTerm* h = L->Stellen[i]->Punkt;
        TTerm* summe = Summe(g, h);
        VereinfacheKonstantenTerm(summe);
        if (summe && summe->IstNull()) return wahr;
        bool e = false;
        const Extended v = h->Wert(0, e);
        if (!d || !e || std::fabs(v + w) <= 1e-9L * (1 + std::fabs(w))) ergebnis = unklar;
    }
    return ergebnis;
}

// Whether the range of definition of f as entered is symmetric to 0. From the gaps when the definition range
// stated them; else wahr when each condition of f (a divisor, a radicand, the argument of ln, ...) is on an
// even term, or on an odd one where the condition does not depend on the sign; falsch when a point is found
// where f as entered has a value and at its negative none.
TWahrheitswert BereichSymmetrisch() {
    TTerm* E = EingegebenesF();
    if (!E) return unklar;
    TStilleSeite still;
    TWechsel<bool> ohne(Kommentare, false);
    if (Definitionsluecken && Definitionsluecken->Anzahl >= 0 && DefinitionslueckenStatus == wahr) {
        TWahrheitswert ergebnis = wahr;
        for (Int32 i = 1; i <= Definitionsluecken->Anzahl; ++i) {
            const TWahrheitswert s =
                LueckeGespiegelt(Definitionsluecken, Definitionsluecken->Stellen[i]->Punkt);
            if (s == falsch) return falsch;
            if (s == unklar) ergebnis = unklar;
        }
        return ergebnis;
    }
    bool symmetrisch = true;
    try {
        TArbeitsbudget budget(Suchbudget);
        for (const TBedingung& b : Definitionsbedingungen(E)) {
            TWahrheitswert achse = unklar, punkt = unklar;
            if (b.Art != TBedingungsart::Unbekannt) UntersucheSymmetrie(b.Argument, achse, punkt, false);
            if (achse != wahr && !(punkt == wahr && VorzeichenfreieBedingung(b.Art))) symmetrisch = false;
        }
    } catch (const EBudgetErschoepft&) {
        symmetrisch = false;
    }
    if (symmetrisch) return wahr;
    for (const auto& [z, n] : {std::pair{1, 1}, {2, 1}, {3, 1}, {1, 2}, {1, 3}, {5, 2}, {10, 1}, {1, 10}}) {
        TTerm* p = Bruchkonstante(z, n);
        const TWahrheitswert plus = DefiniertIn(E, p), minus = DefiniertIn(E, p->Negation());
        if (plus != unklar && minus != unklar && plus != minus) return falsch;
    }
    return unklar;
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
    // A graph is symmetric only over a symmetric range of definition, that of f as entered (sqrt(x)^2 = x
    // is defined for x >= 0 only). Where that range decides against the verdict of f's term, the verdict
    // is the range's, and is stated for f as entered.
    const TWahrheitswert bereich = BereichSymmetrisch();
    if (bereich != wahr) {
        TStilleSeite still;
        UntersucheSymmetrie(FTerm, achse, punkt, Kommentare);
    }
    const bool widerlegt = bereich == falsch && (achse != falsch || punkt != falsch);
    const bool offen = bereich == unklar && (achse == wahr || punkt == wahr);
    if (widerlegt || offen) {
        achse = bereich == falsch || achse == falsch ? falsch : unklar;
        punkt = bereich == falsch || punkt == falsch ? falsch : unklar;
        if (Kommentare) {
            SchreibeZeile(widerlegt ? "Der Definitionsbereich von f ist nicht symmetrisch zu 0."
                                    : "Ob der Definitionsbereich von f symmetrisch zu 0 ist, ist unklar.");
            SchreibeUrteil(EingegebenesF(), achse, punkt);
        }
    } else {
        UntersucheSymmetrie(FTerm, achse, punkt, Kommentare);
    }
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
