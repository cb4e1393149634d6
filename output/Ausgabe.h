// The output API: the one channel through which every step writes its worked solution onto the
// current output page, with nested, indented step blocks; and the number formatting used everywhere.
//
// The current page is a list of closed lines (Zeilenliste) and the open line (AktuelleZeile) that all
// writing appends to. A line is closed by NeueZeile, which indents it and adds it to the page. Lines wrap
// only between whole typeset elements, at the page width less 20 pixels.
#pragma once

#include <memory>
#include <string>
#include <type_traits>
#include <vector>

#include "output/folienT.h"
#include "term/Grundtypen.h"

namespace zol {

class TTerm;
class TMenge;

// Options and run state.
extern bool Kommentare;
extern bool CardanoAnwenden;
extern uint8_t Stellen;
extern bool DruckModus;
extern bool BenutzerAbbruch;
extern Int32 Schriftgroesse; // base type size in points
extern Int32 Einrueckung;    // current indent in points, applied to a line when it is closed
extern Int32 Einzug;         // indent step of one nesting level in points
extern Int32 Schachtelungstiefe;
extern Int32 Seitenbreite; // size of the current output target in pixels
extern Int32 Seitenhoehe;
extern Int32 SeitenY; // drawing position
// The letter in which the variable is written (x unless a substitution step runs).
extern char Variablenbuchstabe;
// The variable letter as a text.
inline std::string VariablenText() {
    return std::string(1, Variablenbuchstabe);
}

// The closed lines of one output page, in order: each a TListenFolie, or a TLinie for a rule. The list
// owns its lines.
class TZeilenliste {
public:
    std::vector<std::unique_ptr<TFolie>> Zeilen;
    // How many of the lines are on paper already: while printing, a page that several steps draw in turn
    // prints only the lines added since it was last drawn.
    size_t Gedruckt = 0;

    Int32 Anzahl() const { return static_cast<Int32>(Zeilen.size()); }
    void FuegeAn(std::unique_ptr<TFolie> Zeile);
    // The plain text of every line (the characters of its texts and codes in drawing order).
    std::vector<std::string> Klartext() const;
};

// The line list of the current page; never null. Until a page is made current it is the unit's own list.
extern TZeilenliste* Zeilenliste;
// The open line.
extern std::unique_ptr<TListenFolie> AktuelleZeile;

// Makes L the current page's line list (null: the unit's own list); the caller keeps L alive while it is
// current. An open line that holds something is first closed onto the list being left, so nothing written
// for one page stands on another.
void SetzeZeilenliste(TZeilenliste* L);
// The plain text of the current page's closed lines.
std::vector<std::string> Seitentext();

// The unit's initial state: an empty own line list made current, an empty open line of size 10,
// Schriftgroesse 10, no indent, nesting depth 0 and every trace switch off. The options are left as they
// are.
void InitialisiereAusgabe();

// Switches a global for the lifetime of the guard and then restores it, also when an exception passes.
template <class T> class TWechsel {
public:
    TWechsel(T& global, std::type_identity_t<T> neu) : Global(global), Alt(global) { Global = neu; }
    ~TWechsel() { Global = Alt; }
    TWechsel(const TWechsel&) = delete;
    TWechsel& operator=(const TWechsel&) = delete;

private:
    T& Global;
    T Alt;
};

// Makes a line list of its own the current page for the lifetime of the guard, so that what is written
// meanwhile is not shown; then the page that was current before is current again. Zeigen ends the guard
// early and appends what was written to that page: work whose steps are worth showing only when it
// succeeds writes them here, and where it fails a short account of why takes their place.
class TStilleSeite {
public:
    TStilleSeite() : Vorher(Zeilenliste) { SetzeZeilenliste(&Liste); }
    ~TStilleSeite() { SetzeZeilenliste(Vorher); }
    TStilleSeite(const TStilleSeite&) = delete;
    TStilleSeite& operator=(const TStilleSeite&) = delete;

    void Zeigen() {
        SetzeZeilenliste(Vorher);
        for (auto& zeile : Liste.Zeilen) Vorher->FuegeAn(std::move(zeile));
        Liste.Zeilen.clear();
    }

private:
    TZeilenliste Liste;
    TZeilenliste* Vorher;
};

// Line handling.
void NeueZeile();
// Ends the open line when anything stands on it.
void BeendeOffeneZeile();
// Appends F to the open line, or to a new line when it would reach the page width less 20 pixels. A
// missing folie writes nothing.
void FuegeFolieAn(std::unique_ptr<TFolie> F);
// A term or set is a formula: where it does not fit on the open line it goes on in a continuation line, which
// stands this many points further in than the formula's first line and takes along an "=" that ended the
// line before. A term or set too wide for a line of its own is broken into pieces (Zeilenstuecke,
// output/Termsatz.h) at its sums, products and brackets.
Int32 Fortsetzungseinzug();
// The width that a folie may take on a line of its own at the current indent without reaching past where
// lines wrap.
Int32 EigeneZeilenbreite();

// A text with markup; a line break in it ("\n\r" in a message) starts a new line.
void Schreibe(const std::string& s);
void Schreibe(const char* s);
void Schreibe(Int64 n);
void Schreibe(int n);
void Schreibe(Extended v);
void Schreibe(double v);
// Writes s as it is, without reading markup (a message may quote an input), word by word so that a long
// text wraps; each line break in it starts a new line.
void SchreibeMeldung(const std::string& s);
void SchreibeZeile(const std::string& s);
void SchreibeZeile(const char* s);
void SchreibeZeile(Int64 n);
void SchreibeZeile(int n);
void SchreibeZeile(Extended v);
void SchreibeZeile(double v);

void SchreibeTerm(TTerm* T);
void SchreibeTermZeile(TTerm* T);
void SchreibeTextTerm(const std::string& s, TTerm* T);
void SchreibeTextTermZeile(const std::string& s, TTerm* T);
void SchreibeTextTermText(const std::string& s1, TTerm* T, const std::string& s2);
void SchreibeTextTermTextZeile(const std::string& s1, TTerm* T, const std::string& s2);
void SchreibeNaeherung(TTerm* T);
void SchreibeNaeherungZeile(TTerm* T);
void SchreibeTermMitNaeherung(TTerm* T);
void SchreibeTermMitNaeherungPunkt(TTerm* T);
void SchreibeUndVereinfache(TTerm*& T);
void SchreibeUndVereinfachePunkt(TTerm*& T);
void SchreibeUnterstrichen(const std::string& s);
void SchreibeUnterstrichenZeile(const std::string& s);
void SchreibeMitIndex(const std::string& s, const std::string& Index);
void SchreibeZeichen(uint16_t Code);
void SchreibeUeberschrift(Int32 Stufe, const std::string& s);
void SchreibeMenge(TMenge* M);
void SchreibeMengeZeile(TMenge* M);
// The interval [a;b] as a set is written (IntervallFolie, output/Termsatz.h); a missing bound is infinite and
// open.
void SchreibeIntervall(TTerm* a, TTerm* b, bool LinksOffen = false, bool RechtsOffen = false);
void SchreibeZuweisung(const std::string& Name, TTerm* x, TTerm*& T, bool Zeigen);
void SchreibeAuswertung(TTerm* F, TTerm* a, TTerm* b);
void SchreibeIntegralzeichen(TTerm* a, TTerm* b);
void Trennlinie();

// Step blocks.
void Einruecken();
void Ausruecken();
void BeginneSchritt(const std::string& s, TTerm* T);
void BeendeSchritt(const std::string& s, TTerm* T);

// The debug line channel (output/Protokoll.h). Balken(n): the first n characters of 56 bars and "!", the
// depth mark of a debug line. SendeDebugNachricht: sends s as one line to DebugHost:DebugPort through the
// host; a connection that fails sends nothing and raises nothing.
std::string Balken(Int32 n);
void SendeDebugNachricht(const std::string& s);

// Fixed-point text with Stellen decimals but at most 18 significant digits (nothing is padded past them),
// with a decimal comma; trailing zeros are dropped only when the text is x to 18 significant digits. From
// 1e18 on the scientific form. "nicht def." for a value that is not finite.
std::string FormatiereZahl(Extended x);
// A number of a table column: every number of the column in one format, with exactly Stellen decimals, or
// in E notation with Stellen decimals of the mantissa ("1,2345000E+21", at most 17) when Exponential.
// "nicht def." for a value that is not finite.
std::string FormatiereTabellenzahl(Extended x, bool Exponential);
// A column holding x is written in E notation: with Stellen decimals x would need more than 18 significant
// digits, or x is not 0 but would be written as 0.
bool BrauchtExponent(Extended x);

// The cycle x, u, v, w, r, s, t of substitution letters.
char NaechsterVariablenname(char c);
char VorigerVariablenname(char c);

} // namespace zol
