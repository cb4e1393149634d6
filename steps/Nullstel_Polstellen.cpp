// The poles step: each definition gap of f is a pole or a removable gap.
#include <cmath>
#include <string>

#include "algebra/NormalFormen.h"
#include "algebra/Nullentscheidung.h"
#include "algebra/Polynome.h"
#include "algebra/RationaleFunktion.h"
#include "output/Ausgabe.h"
#include "output/Seiten.h"
#include "steps/Allgemeines.h"
#include "steps/Nullstel.h"
#include "steps/Schrittflags.h"
#include "term/Mengen.h"
#include "term/Parameter.h"
#include "term/Termarithmetik.h"
#include "term/Terme.h"

namespace zol {

namespace {

void SchreibeX0() {
    SchreibeMitIndex("x", "0");
}

void SchreibeWert(const TPolynom& P, Extended v) {
    Schreibe(" = " + FormatiereZahl(PWert(P, v)));
}

// Z(x0) = 0 and N(x0) = 0 at a rational x0: N and then Z are divided by x - x0 until one of the quotients is
// not 0 at x0. N first: a pole when Z's zero has the lower order, a removable gap otherwise.
void Divisionsschleife(TPolynom Z, TPolynom N, TTerm* x0, Extended v) {
    TPolynom teiler;
    teiler.Grad = 1;
    teiler.Koeff[1] = Eins;
    teiler.Koeff[0] = x0->Negation();
    TTerm* teilerTerm = PolynomToTerm(teiler);
    TPolynom rest;
    while (N.Grad > 0) {
        PDurch(N, teiler, N, rest, Kommentare);
        SchreibeTextTerm("Polynomdivision des Nenners durch ", teilerTerm);
        SchreibeTextTermZeile(" ergibt: ", PolynomToTerm(N));
        Schreibe("Jetzt ");
        SchreibeX0();
        Schreibe(" in dieses Polynom einsetzen:");
        SchreibeWert(N, v);
        if (!PolynomVerschwindetIn(N, x0)) {
            SchreibeZeile("<>0, also keine Polstelle, sondern hebbare Definitionslücke.");
            return;
        }
        NeueZeile();
        SchreibeZeile("Jetzt muß auch der Zähler geteilt werden:");
        PDurch(Z, teiler, Z, rest, Kommentare);
        SchreibeTextTerm("Polynomdivision des Zählers durch ", teilerTerm);
        SchreibeTextTermZeile(" ergibt: ", PolynomToTerm(Z));
        Schreibe("Jetzt ");
        SchreibeX0();
        Schreibe(" in diese Polynom einsetzen:  ");
        SchreibeWert(Z, v);
        if (!PolynomVerschwindetIn(Z, x0)) {
            SchreibeZeile("<>0, also Polstelle.");
            return;
        }
        NeueZeile();
        SchreibeZeile("Dasselbe nochmal!");
        if (Z.Grad == 0) return;
    }
}

// A gap x0 where x0 or Z holds a parameter: Z(x0) as an exact term decides where it is a number.
void UntersucheLueckeMitParameter(TTerm* x0, const TPolynom& Z, const TPolynom& N) {
    TTerm* w = Eingesetzt(PolynomToTerm(Z), x0);
    SchreibeTextTerm("Z(", x0);
    SchreibeTextTerm(") = ", w);
    TNullheit n = w ? Nullheit(w) : TNullheit::Unklar;
    if (n != TNullheit::Null && (!w || EnthaeltParameter(w))) n = TNullheit::Unklar;
    if (n == TNullheit::NichtNull) {
        SchreibeTextTermZeile("<>0, also Polstelle bei x = ", x0);
    } else if (n == TNullheit::Null) {
        SchreibeZeile("=0, also weitere Untersuchung erforderlich.");
        SchreibeTextTermZeile("Der Zähler ist gleich ", PolynomToTerm(Z));
        SchreibeTextTermZeile("Der Nenner ist gleich ", PolynomToTerm(N));
        SchreibeTextTerm("Ob f in ", x0);
        SchreibeNichtEntschieden(" eine Polstelle hat,", x0, PolynomToTerm(Z));
    } else {
        NeueZeile();
        SchreibeTextTerm("Ob f in ", x0);
        SchreibeNichtEntschieden(" eine Polstelle hat,", x0, PolynomToTerm(Z));
    }
}

// One gap x0 of f with numerator Z and denominator N.
void UntersucheLuecke(TTerm* x0, const TPolynom& Z, const TPolynom& N) {
    if (EnthaeltParameter(x0) || EnthaeltParameter(PolynomToTerm(Z)))
        return UntersucheLueckeMitParameter(x0, Z, N);
    bool definiert = false;
    const Extended v = x0->Wert(0, definiert);
    SchreibeTextTerm("Z(", x0);
    Schreibe(")");
    if (!IstRationaleKonstante(x0)) Schreibe(" = Z(" + FormatiereZahl(definiert ? v : NAN) + ")");
    SchreibeWert(Z, definiert ? v : NAN);
    if (!PolynomVerschwindetIn(Z, x0)) {
        SchreibeTextTermZeile("<>0, also Polstelle bei x = ", x0);
        return;
    }
    SchreibeZeile("=0, also weitere Untersuchung erforderlich.");
    SchreibeTextTermZeile("Der Zähler ist gleich ", PolynomToTerm(Z));
    SchreibeTextTermZeile("Der Nenner ist gleich ", PolynomToTerm(N));
    if (IstRationaleKonstante(x0)) Divisionsschleife(Z, N, x0, v);
}

void Seitenende() {
    NeueZeile();
    Trennlinie();
    ZeichneSeite(0);
}

} // namespace

void BestimmungDerPolstellen() {
    // The kind of f as entered decides, as on the other pages (sqrt(x)^2 has the form x but is no polynomial;
    // x^25-1 has no form but is one).
    const TFunktionsklasse klasse = FTerm ? ArtVonF().Klasse : TFunktionsklasse::Andere;
    if (klasse == TFunktionsklasse::Andere) {
        Schreibe("Da f keine rationale Funktion ist, ist eine Bestimmung der Polstellen ");
        SchreibeZeile("mit elementaren Mitteln nicht möglich");
        Trennlinie();
        ZeichneSeite(0);
        return;
    }
    if (!Schrittflags[SchrittDefinitionsbereich]) BestimmungDesDefinitionsbereichs();

    if (Definitionsluecken->Anzahl == 0) {
        SchreibeZeile(DefinitionslueckenStatus == wahr
                          ? "f hat keine Polstellen. "
                          : "Mit elementaren Mitteln konnten keine Polstellen von f bestimmt werden");
        return Seitenende();
    }
    Einrueckung = 0;
    SchreibeUeberschrift(2, "Bestimmung der Polstellen:");
    if (DefinitionslueckenStatus != wahr)
        SchreibeZeile("Möglicherweise gibt es weitere Polstellen als die nachfolgend genannten.");
    // The quotient as entered vanishes in its denominator at every gap; the cancelled one may not.
    TRationaleFunktion* paar = FQuotientWieEingegeben ? FQuotientWieEingegeben : FRationaleFunktion;
    if (klasse == TFunktionsklasse::Polynom) {
        SchreibeZeile("f ist Polynom, hat also keine Polstellen.");
        return Seitenende();
    }
    if (!paar) {
        SchreibeZeile("Mit elementaren Mitteln konnten keine Polstellen von f bestimmt werden");
        return Seitenende();
    }
    TTerm* N = PolynomToTerm(paar->Nenner);
    TTerm* Z = PolynomToTerm(paar->Zaehler);
    Schreibe("Hinreichend dafür, daß in ");
    SchreibeX0();
    Schreibe(" eine Polstelle vorliegt, ist: ");
    SchreibeX0();
    SchreibeTextTerm(" ist eine Definitionslücke von f, d.h. eine Nullstellen des Nenners N(x)=", N);
    SchreibeTextTerm(" aber nicht des Zählers Z(x)=", Z);
    SchreibeZeile(" Einsetzen der Definitionslücken von f in den Zähler:");
    NeueZeile();
    for (Int32 i = 1; i <= Definitionsluecken->Anzahl; ++i)
        UntersucheLuecke(Definitionsluecken->Stellen[i]->Punkt, paar->Zaehler, paar->Nenner);
    Seitenende();
}

} // namespace zol
