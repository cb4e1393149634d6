// A request without windows: the general step of one request run onto page 0 on a test canvas, followed by
// the chosen steps of the later pages it knows, with the inputs served by a recording host, and the pages
// read back as plain text. For tests and benchmarks.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "algebra/LineareGleichungssysteme.h"
#include "output/Ausgabe.h"
#include "steps/Schrittflags.h"
#include "plattform/Leinwand.h"
#include "tests/hilfe/TestLeinwand.h"
#include "tests/hilfe/TestOberflaeche.h"

namespace zol {

// The inputs of one request: the texts of the f, g, a, b and step-width fields, the chosen steps and the
// comment option; in the linear-systems mode (LGS) the texts of the two grids instead.
struct TAnfrage {
    std::string F = "";
    std::string G = "";
    std::string A = "";
    std::string B = "";
    std::string H = "1/2";
    // The accuracy, the method (1 to 3) and Newton's start value of the numerical zero.
    std::string Epsilon = "0,0001";
    int Methode = 1;
    std::string Startwert = "automatisch suchen";
    std::vector<TSchritt> Schritte = {};
    // The highest derivative shown (the step window's choice).
    Int32 AbleitungsGrad = 0;
    bool Kommentare = false;
    bool LGS = false;
    TGittertexte Matrix = {};
    TGittertexte Rechts = {};
};

// The page image of a run: the fixed metrics of the test canvas, the size of a sheet's page image, no
// surface (nothing to clear, nothing recorded between runs).
class TSeitenleinwand : public TFreieLeinwand {
public:
    TGroesse Seitengroesse() const override { return {977, 665}; }
};

// Runs one request as the main window does: starts the request's clock, empties the term store, resets the
// analysis globals and the marked points, prepares page 0 on its own canvas, and runs SchrittAllgemeines with
// the text of f (in the linear-systems mode SchrittLGS with the grids, and nothing more; with a > b only the
// message that refuses the interval); then, when chosen,
// the zeros step, the numerical zero, the intersection and the factorisation onto page 1, the poles step onto
// page 2, the partial fractions onto page 3, the derivatives, extrema and inflection steps onto pages 4, 5
// and 6, and the integral, antiderivative or area step onto page 7, and the graph onto page 8, drawn on a
// test canvas of the graph sheet's size (Graphbild). A later step runs in FuehreSchrittAus: an error inside
// it ends that step with its message on its page. An abort and the errors of the general step reach the
// caller; the lines written until then stay on their page. The options and the current canvas, host and line
// list are restored afterwards.
class TKopfloseAnfrage {
public:
    explicit TKopfloseAnfrage(TAnfrage anfrage);

    // Runs the request; may be called again (each run starts with an empty store and page).
    void Starte();

    // The page's lines as plain text, and all of them joined by line feeds.
    std::vector<std::string> Zeilen() const { return Seite.Klartext(); }
    std::string Text() const;
    // The same for page k (0 is Seite).
    std::string Text(Int32 k) const;

    TAnfrage Anfrage;
    // Messages shown and step-list items ticked during the run; its clock and abort settings (AbbruchNach,
    // UhrTakt, EchteUhr, AbbruchUm) are kept from one run to the next.
    TTestOberflaeche Host;
    TSeitenleinwand Bild;
    // The graph sheet's image: its pixels are kept, its calls not recorded.
    TTestLeinwand Graphbild{981, 710};
    TZeilenliste Seite;
    // The later pages by number (index 0 unused: page 0 is Seite).
    std::array<TZeilenliste, 9> Seiten;
    // The seconds each step of the last run took (the general step of page 0 under SchrittVereinfachen),
    // for the benchmarks.
    std::array<double, SchrittAnzahl> Dauer{};
};

// Runs the request and returns the page's text; exceptions reach the caller.
std::string AllgemeinesAlsText(const TAnfrage& anfrage);

} // namespace zol
