#include "output/Ausgabe.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "term/Fehler.h"

namespace zol {

bool Kommentare = true;
bool CardanoAnwenden = false;
uint8_t Stellen = 4;
bool DruckModus = false;
bool BenutzerAbbruch = false;
Int32 Schriftgroesse = 10;
Int32 Einrueckung = 0;
Int32 Einzug = 10;
Int32 Schachtelungstiefe = 0;
Int32 Seitenbreite = 977;
Int32 Seitenhoehe = 665;
Int32 SeitenY = 0;
char Variablenbuchstabe = 'x';

void NeueZeile() { NochNichtGebaut("NeueZeile"); }

void Schreibe(const std::string&) { NochNichtGebaut("Schreibe"); }
void Schreibe(const char* s) { Schreibe(std::string(s)); }
void Schreibe(Int64 n) { Schreibe(std::to_string(n)); }
void Schreibe(int n) { Schreibe(static_cast<Int64>(n)); }
void Schreibe(Extended v) { Schreibe(FormatiereZahl(v)); }
void Schreibe(double v) { Schreibe(static_cast<Extended>(v)); }
void SchreibeZeile(const std::string& s) {
    Schreibe(s);
    NeueZeile();
}
void SchreibeZeile(const char* s) { SchreibeZeile(std::string(s)); }
void SchreibeZeile(Int64 n) { SchreibeZeile(std::to_string(n)); }
void SchreibeZeile(int n) { SchreibeZeile(static_cast<Int64>(n)); }
void SchreibeZeile(Extended v) { SchreibeZeile(FormatiereZahl(v)); }
void SchreibeZeile(double v) { SchreibeZeile(static_cast<Extended>(v)); }

void SchreibeTerm(TTerm*) { NochNichtGebaut("SchreibeTerm"); }
void SchreibeTermZeile(TTerm* T) {
    SchreibeTerm(T);
    NeueZeile();
}
void SchreibeTextTerm(const std::string& s, TTerm* T) {
    Schreibe(s);
    if (T) SchreibeTerm(T);
}
void SchreibeTextTermZeile(const std::string& s, TTerm* T) {
    SchreibeTextTerm(s, T);
    NeueZeile();
}
void SchreibeTextTermText(const std::string& s1, TTerm* T, const std::string& s2) {
    SchreibeTextTerm(s1, T);
    Schreibe(s2);
}
void SchreibeTextTermTextZeile(const std::string& s1, TTerm* T, const std::string& s2) {
    SchreibeTextTermText(s1, T, s2);
    NeueZeile();
}
void SchreibeNaeherung(TTerm*) { NochNichtGebaut("SchreibeNaeherung"); }
void SchreibeNaeherungZeile(TTerm* T) {
    SchreibeNaeherung(T);
    NeueZeile();
}
void SchreibeTermMitNaeherung(TTerm* T) {
    SchreibeTerm(T);
    SchreibeNaeherung(T);
}
void SchreibeTermMitNaeherungPunkt(TTerm* T) {
    SchreibeTermMitNaeherung(T);
    SchreibeZeile(".");
}
void SchreibeUndVereinfache(TTerm*&) { NochNichtGebaut("SchreibeUndVereinfache"); }
void SchreibeUndVereinfachePunkt(TTerm*& T) {
    SchreibeUndVereinfache(T);
    SchreibeZeile(".");
}
void SchreibeUnterstrichen(const std::string& s) { Schreibe("*u<" + s + ">"); }
void SchreibeUnterstrichenZeile(const std::string& s) {
    SchreibeUnterstrichen(s);
    NeueZeile();
}
void SchreibeMitIndex(const std::string& s, const std::string& Index) { Schreibe(s + "*i<" + Index + ">"); }
void SchreibeZeichen(uint16_t) { NochNichtGebaut("SchreibeZeichen"); }
void SchreibeUeberschrift(Int32, const std::string&) { NochNichtGebaut("SchreibeUeberschrift"); }
void SchreibeMenge(TMenge*) { NochNichtGebaut("SchreibeMenge"); }
void SchreibeMengeZeile(TMenge* M) {
    SchreibeMenge(M);
    NeueZeile();
}
void SchreibeIntervall(TTerm*, TTerm*) { NochNichtGebaut("SchreibeIntervall"); }
void SchreibeZuweisung(const std::string&, TTerm*, TTerm*&, bool) { NochNichtGebaut("SchreibeZuweisung"); }
void SchreibeAuswertung(TTerm*, TTerm*, TTerm*) { NochNichtGebaut("SchreibeAuswertung"); }
void SchreibeIntegralzeichen(TTerm*, TTerm*) { NochNichtGebaut("SchreibeIntegralzeichen"); }
void Trennlinie() { NochNichtGebaut("Trennlinie"); }

void Einruecken() { NochNichtGebaut("Einruecken"); }
void Ausruecken() { NochNichtGebaut("Ausruecken"); }
void BeginneSchritt(const std::string&, TTerm*) { NochNichtGebaut("BeginneSchritt"); }
void BeendeSchritt(const std::string&, TTerm*) { NochNichtGebaut("BeendeSchritt"); }

std::string FormatiereZahl(Extended x) {
    if (!std::isfinite(x)) return "nicht def.";
    int stellen = Stellen > 18 ? 18 : Stellen;
    // Digits before the decimal point of |x|; at most 18 significant digits in all.
    Extended betrag = std::fabs(x);
    int vorKomma = betrag < 1 ? 1 : static_cast<int>(std::floor(std::log10(betrag))) + 1;
    char puffer[128];
    if (vorKomma > 18) {
        std::snprintf(puffer, sizeof puffer, "%.17LE", x);
    } else {
        int nachKomma = std::min(stellen, 18 - (betrag < 1 ? 0 : vorKomma));
        std::snprintf(puffer, sizeof puffer, "%.*Lf", nachKomma, x);
    }
    std::string s = puffer;
    if (s.find('E') == std::string::npos) {
        size_t punkt = s.find('.');
        int vorhanden = punkt == std::string::npos ? 0 : static_cast<int>(s.size() - punkt - 1);
        if (vorhanden < stellen) {
            if (punkt == std::string::npos) s += '.';
            s.append(static_cast<size_t>(stellen - vorhanden), '0');
        }
        if (std::strtold(s.c_str(), nullptr) == x && s.find('.') != std::string::npos) {
            while (s.back() == '0') s.pop_back();
            if (s.back() == '.') s.pop_back();
        }
    }
    if (s[0] == '-' && s.find_first_not_of("-0.") == std::string::npos) s.erase(0, 1);
    for (char& c : s)
        if (c == '.') c = ',';
    return s;
}

char NaechsterVariablenname(char c) {
    switch (c) {
    case 'x': return 'u';
    case 'u': return 'v';
    case 'v': return 'w';
    case 'w': return 'r';
    case 'r': return 's';
    case 's': return 't';
    default: return 'x';
    }
}

char VorigerVariablenname(char c) {
    switch (c) {
    case 'x': return 't';
    case 'u': return 'x';
    case 'v': return 'u';
    case 'w': return 'v';
    case 'r': return 'w';
    case 's': return 'r';
    default: return 't';
    }
}

} // namespace zol
