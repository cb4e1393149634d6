// The output API: the one channel through which every step writes its worked solution onto the
// current output page, with nested, indented step blocks; and the number formatting used everywhere.
#pragma once

#include <string>

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
extern Int32 Schriftgroesse;
extern Int32 Einrueckung;
extern Int32 Einzug;
extern Int32 Schachtelungstiefe;
extern Int32 Seitenbreite;
extern Int32 Seitenhoehe;
extern Int32 SeitenY;
// The letter in which the variable is written (x unless a substitution step runs).
extern char Variablenbuchstabe;

void NeueZeile();

void Schreibe(const std::string& s);
void Schreibe(const char* s);
void Schreibe(Int64 n);
void Schreibe(int n);
void Schreibe(Extended v);
void Schreibe(double v);
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
void SchreibeIntervall(TTerm* a, TTerm* b);
void SchreibeZuweisung(const std::string& Name, TTerm* x, TTerm*& T, bool Zeigen);
void SchreibeAuswertung(TTerm* F, TTerm* a, TTerm* b);
void SchreibeIntegralzeichen(TTerm* a, TTerm* b);
void Trennlinie();

void Einruecken();
void Ausruecken();
void BeginneSchritt(const std::string& s, TTerm* T);
void BeendeSchritt(const std::string& s, TTerm* T);

// Fixed-point text with 18 significant digits and Stellen decimals, with a decimal comma; trailing zeros
// are dropped only when the text represents x exactly. "nicht def." for a value that is not finite.
std::string FormatiereZahl(Extended x);

// The cycle x, u, v, w, r, s, t of substitution letters.
char NaechsterVariablenname(char c);
char VorigerVariablenname(char c);

} // namespace zol
