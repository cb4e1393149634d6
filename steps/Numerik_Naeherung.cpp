// The iteration of one zero by bisection, regula falsi or Newton's method, written as a ruled table.
#include <algorithm>
#include <cmath>
#include <memory>
#include <numeric>
#include <optional>
#include <vector>

#include "algebra/Vereinfachung.h"
#include "output/Ausgabe.h"
#include "output/Seiten.h"
#include "output/folienT.h"
#include "plattform/Oberflaeche.h"
#include "steps/Allgemeines.h"
#include "steps/Numerik.h"
#include "term/Fehler.h"
#include "term/Mengen.h"
#include "term/Rundungsschranke.h"
#include "term/TermManager.h"
#include "term/Termarithmetik.h"
#include "term/Terme.h"
#include "term/Wertprogramm.h"

namespace zol {

namespace {

const char* const Abgebrochen = "Näherungsverfahren abgebrochen.";
const char* const Automatisch = "automatisch suchen";

// The value of T at x; false where it has none or it is not finite.
bool Wert(TTerm* T, Extended x, Extended& y) {
    if (!T) return false;
    bool definiert = false;
    try {
        y = T->Wert(x, definiert);
    } catch (const ENichtExistenz&) {
        return false;
    } catch (const ERessourcen&) {
        return false;
    }
    return definiert && std::isfinite(y);
}

// The same through the term's value program.
bool Wert(TWertprogramm& T, Extended x, Extended& y) {
    try {
        return T.EndlicherWert(x, y);
    } catch (const ENichtExistenz&) {
        return false;
    } catch (const ERessourcen&) {
        return false;
    }
}

// The values of f where f as entered has one: f (simplified) gives them, f as entered says where they exist
// (sqrt(x)^2 = x has none below 0).
class TFWerte {
public:
    TFWerte(TTerm* f, TTerm* Eingabe)
        : F(f), E(Eingabe != f ? Eingabe : nullptr), MitEingabe(Eingabe && Eingabe != f) {}
    bool EndlicherWert(Extended x, Extended& y) {
        Extended e = 0;
        return Wert(F, x, y) && (!MitEingabe || Wert(E, x, e));
    }

private:
    TWertprogramm F, E;
    bool MitEingabe;
};

bool Wert(TFWerte& T, Extended x, Extended& y) {
    return T.EndlicherWert(x, y);
}

// The value of a bound; false for a missing bound and one without a finite value.
bool Randwert(const TRand& R, Extended& v) {
    return R.Wert && Wert(R.Wert, 0, v);
}

int Vorzeichen(Extended v) {
    return (v > 0) - (v < 0);
}

// u and v have opposite signs (the product is negative, without forming it).
bool Vorzeichenwechsel(Extended u, Extended v) {
    return Vorzeichen(u) * Vorzeichen(v) < 0;
}

std::string Getrimmt(const std::string& s) {
    const size_t a = s.find_first_not_of(" \t");
    if (a == std::string::npos) return {};
    return s.substr(a, s.find_last_not_of(" \t") + 1 - a);
}

Single Groesse() {
    return static_cast<Single>(Schriftgroesse);
}

// A table cell holding the given folien in a row.
template <class... F> std::unique_ptr<TListenFolie> Zelle(std::unique_ptr<F>... teile) {
    auto zelle = std::make_unique<TListenFolie>(Groesse());
    (zelle->FuegeAn(std::move(teile)), ...);
    return zelle;
}

std::unique_ptr<TListenFolie> Textzelle(const std::string& text) {
    return Zelle(TextFolie(text, Groesse()));
}

// A number of the table; a cell without one says "nicht def.".
struct TZahl {
    bool Definiert;
    Extended Wert;
};

// One step of the iteration: its number and the numbers of its row.
struct TSchrittzeile {
    Int32 n;
    std::vector<TZahl> Werte;
};

// The format of each number column: E notation where a number of it needs it.
std::vector<bool> Spaltenformate(const std::vector<TSchrittzeile>& zeilen) {
    std::vector<bool> exponential;
    for (const TSchrittzeile& z : zeilen) {
        exponential.resize(std::max(exponential.size(), z.Werte.size()), false);
        for (size_t j = 0; j < z.Werte.size(); ++j)
            if (z.Werte[j].Definiert && BrauchtExponent(z.Werte[j].Wert)) exponential[j] = true;
    }
    return exponential;
}

std::unique_ptr<TFolie> Bruch(const std::string& z, const std::string& n) {
    return BruchFolie(TextFolie(z, Groesse()), TextFolie(n, Groesse()));
}

using TZeile = std::vector<std::unique_ptr<TListenFolie>>;

// A step's row of cells: its number, then each number in the format of its column.
TZeile Zellen(const TSchrittzeile& z, const std::vector<bool>& exponential) {
    TZeile zellen;
    zellen.push_back(Textzelle(std::to_string(z.n)));
    for (size_t j = 0; j < z.Werte.size(); ++j)
        zellen.push_back(Textzelle(
            z.Werte[j].Definiert ? FormatiereTabellenzahl(z.Werte[j].Wert, exponential[j]) : "nicht def."));
    return zellen;
}

// The header "f(x_n ± ε)" of the probe column.
std::unique_ptr<TListenFolie> Probenkopf() {
    return Zelle(TextFolie("f(x*i<n>", Groesse()), std::make_unique<TZeichen>(1177, Groesse()),
                 std::make_unique<TZeichen>(1101, Groesse()), TextFolie(")", Groesse()));
}

TZeile Kopfzeile(Int32 Methode) {
    TZeile z;
    z.push_back(Textzelle("n"));
    if (Methode == NewtonVerfahren) {
        z.push_back(Zelle(TextFolie("x*i<n> = ", Groesse()), TextFolie("x*i<n-1> - ", Groesse()),
                          Bruch("f(x*i<n-1>)", "f'(x*i<n-1>)")));
    } else {
        for (const char* s : {"a*i<n>", "b*i<n>", "f(a*i<n>)", "f(b*i<n>)"}) z.push_back(Textzelle(s));
        if (Methode == Halbierungsverfahren)
            z.push_back(Zelle(TextFolie("x*i<n> = ", Groesse()), Bruch("a*i<n>+b*i<n>", "2")));
        else
            z.push_back(Zelle(TextFolie("x*i<n> = ", Groesse()), TextFolie("a*i<n>-f(a*i<n>)", Groesse()),
                              Bruch("b*i<n>-a*i<n>", "f(b*i<n>)-f(a*i<n>)")));
    }
    z.push_back(Textzelle("f(x*i<n>)"));
    if (Methode != Halbierungsverfahren) z.push_back(Probenkopf());
    return z;
}

// The steps a table shows in full; of a longer iteration (one that fails, mostly) the rows after them give
// way to a line that names them, all but the last.
constexpr Int32 GezeigteSchritte = 20;

// Lays the header and the steps' rows out as a ruled table: each column as wide as its widest cell, every
// number of a column in one format (Spaltenformate). The last row is step n; when rows before it were left
// out, a line between names them.
void SchreibeTabelle(TZeile kopf, const std::vector<TSchrittzeile>& schritte,
                     const std::vector<bool>& formate, Int32 n) {
    BeendeOffeneZeile();
    std::vector<TZeile> zeilen;
    zeilen.push_back(std::move(kopf));
    for (const TSchrittzeile& z : schritte) zeilen.push_back(Zellen(z, formate));
    std::vector<Int32> breiten(zeilen[0].size(), 0);
    for (const TZeile& z : zeilen)
        for (size_t i = 0; i < z.size(); ++i) breiten[i] = std::max(breiten[i], Zellenbreite(*z[i]));
    const bool luecke = n > GezeigteSchritte + 1;
    for (size_t k = 0; k < zeilen.size(); ++k) {
        const bool letzte = k + 1 == zeilen.size();
        if (luecke && letzte)
            SchreibeZeile("(Schritte " + std::to_string(GezeigteSchritte + 1) + " bis " +
                          std::to_string(n - 1) + " ausgelassen)");
        SchreibeTabellenzeile(std::move(zeilen[k]), breiten, letzte || (luecke && k + 2 == zeilen.size()),
                              true);
    }
}

// Writes a text without reading markup in it (a text the user typed).
void SchreibeWoertlich(const std::string& s) {
    FuegeFolieAn(std::make_unique<TAFolie>(s, Groesse()));
}

// f has no value somewhere in [a, b] (I): a gap of f lies there, or f's range says so.
bool LueckeImIntervall(TTerm* f, TIntervall* I, Extended a, Extended b) {
    for (Int32 i = 1; Definitionsluecken && i <= Definitionsluecken->Anzahl; ++i) {
        Extended p = 0;
        if (Wert(Definitionsluecken->Stellen[i]->Punkt, 0, p) && a <= p && p <= b) return true;
    }
    TTTerm* t = AlsTTTerm(f);
    try {
        return t && t->IstDefiniertAuf(I) == falsch;
    } catch (const EBenutzerAbbruch&) {
        throw;
    } catch (const EZolFehler&) {
        return false;
    }
}

// The checks of the start interval; false after writing why the iteration cannot start. Name is f as
// entered, which the lines name and whose gaps count too.
bool IntervallTauglich(TTerm* f, TTerm* Name, TFWerte& F, TIntervall* I, Extended& a, Extended& b,
                       Extended& fa, Extended& fb) {
    if (!I || !Randwert(I->LinkerRand, a) || !Randwert(I->RechterRand, b)) {
        SchreibeZeile("Startintervall nicht endlich. Näherungsverfahren abgebrochen.");
        return false;
    }
    if (I->LinkerRand.Offen || I->RechterRand.Offen) {
        SchreibeZeile("Startintervall nicht abgeschlossen. Näherungsverfahren abgebrochen.");
        return false;
    }
    // A negative width would end bisection at once with a false answer.
    if (a > b) {
        SchreibeZeile("Startintervall leer. Näherungsverfahren abgebrochen.");
        return false;
    }
    if (!Wert(F, a, fa) || !Wert(F, b, fb)) {
        SchreibeTextTermTextZeile(
            "Die Funktion ", Name,
            " ist an einer Intervallgrenze nicht definiert. Näherungsverfahren abgebrochen.");
        return false;
    }
    // A sign change across a pole or a gap is no zero.
    if (LueckeImIntervall(f, I, a, b) || (Name != f && LueckeImIntervall(Name, I, a, b))) {
        SchreibeTextTerm("Die Funktion ", Name);
        Schreibe(" ist im Intervall ");
        SchreibeIntervall(I->LinkerRand.Wert, I->RechterRand.Wert);
        SchreibeZeile(" nicht überall definiert. Näherungsverfahren abgebrochen.");
        return false;
    }
    if (Vorzeichen(fa) * Vorzeichen(fb) > 0) {
        SchreibeTextTerm("Die Funktion ", Name);
        Schreibe(" hat an den Grenzen des Intervalls ");
        SchreibeIntervall(I->LinkerRand.Wert, I->RechterRand.Wert);
        SchreibeZeile(" dasselbe Vorzeichen. Näherungsverfahren abgebrochen.");
        return false;
    }
    if (fa == 0 || fb == 0) {
        SchreibeZeile(fa == 0 ? "f ist an der linken Intervallgrenze Null."
                              : "f ist an der rechten Intervallgrenze Null.");
        Schreibe("Exakte Lösung : x = ");
        SchreibeZeile(fa == 0 ? a : b);
        return false;
    }
    return true;
}

// What lies where f changes its sign between two points.
enum class TBefund { Nullstelle, Unbeschraenkt, Sprung, OhneWert, Unklar };

// Whether f has a zero between l and r, where its values have opposite signs. The interval is halved on, at
// most 64 times and no finer than the numbers go: towards a zero the larger of |f| at its ends shrinks,
// towards a pole it grows, at a jump it keeps its size. After too few halvings the rounding bound of f at the
// ends decides, the place of the zero being uncertain by the width. Stelle is the last midpoint.
TBefund PruefeVorzeichenwechsel(TTerm* f, TFWerte& F, Extended l, Extended r, Extended& Stelle) {
    if (l > r) std::swap(l, r);
    Extended fl = 0, fr = 0;
    Stelle = std::midpoint(l, r);
    if (!Wert(F, l, fl) || !Wert(F, r, fr)) return TBefund::OhneWert;
    if (fl == 0 || fr == 0) return TBefund::Nullstelle;
    const Extended anfang = std::max(std::fabs(fl), std::fabs(fr));
    int n = 0;
    for (; n < 64; ++n) {
        const Extended m = std::midpoint(l, r);
        if (!(l < m && m < r)) break;
        Stelle = m;
        Extended fm = 0;
        if (!Wert(F, m, fm)) return TBefund::OhneWert;
        if (fm == 0) return TBefund::Nullstelle;
        if (Vorzeichenwechsel(fl, fm)) {
            r = m;
            fr = fm;
        } else {
            l = m;
            fl = fm;
        }
    }
    const Extended ende = std::max(std::fabs(fl), std::fabs(fr));
    if (n >= 16 ? ende <= anfang / 4 : IstRundungsnull(f, l, r - l, fl) || IstRundungsnull(f, r, r - l, fr))
        return TBefund::Nullstelle;
    return ende > 2 * anfang ? TBefund::Unbeschraenkt : TBefund::Sprung;
}

// The line after an iteration that ended at x without a zero.
void KeineNullstelle(TBefund Befund, Extended x) {
    const std::string stelle = FormatiereZahl(x);
    if (Befund == TBefund::OhneWert)
        SchreibeZeile("f ist bei " + stelle + " nicht definiert: dort wurde keine Nullstelle gefunden.");
    else if (Befund == TBefund::Unbeschraenkt)
        SchreibeZeile("Bei " + stelle +
                      " wurde keine Nullstelle gefunden: |f(x)| wächst dort über alle Grenzen.");
    else if (Befund == TBefund::Sprung)
        SchreibeZeile("Bei " + stelle +
                      " wurde keine Nullstelle gefunden: f wechselt dort das Vorzeichen, ohne 0 zu werden.");
    else
        SchreibeZeile("Bei " + stelle + " wurde keine Nullstelle gefunden.");
}

// Newton's start value found in a value table of f over [a, b] with step (b - a)/5: the left end of the
// first cell where f changes sign at a zero (not at a pole or a jump). A table point where f is 0 ends the
// search there, so the cell named holds that zero.
Extended SucheStartwert(TTerm* f, TTerm* Eingabe, TFWerte& F, TIntervall* I, Extended a, Extended b,
                        Extended fa) {
    if (Kommentare) {
        SchreibeZeile("Erstellen einer Wertetabelle, um einen Startwert zu finden:");
        TTerm* h = Quotient(Differenz(I->RechterRand.Wert, I->LinkerRand.Wert), Bruchkonstante(5, 1));
        VereinfacheKonstantenTerm(h);
        SchreibeWertetabelle(f, I, h, Eingabe);
    }
    const Extended d = (b - a) / 5;
    Extended links = a, flinks = fa;
    bool linksDefiniert = true;
    for (int k = 1; k <= 5; ++k) {
        const Extended x = k == 5 ? b : a + k * d;
        Extended fx = 0;
        const bool definiert = Wert(F, x, fx);
        Extended stelle = 0;
        if (definiert && linksDefiniert &&
            (fx == 0 || (Vorzeichenwechsel(flinks, fx) &&
                         PruefeVorzeichenwechsel(f, F, links, x, stelle) == TBefund::Nullstelle))) {
            if (Kommentare) {
                Schreibe("Man sieht, dass zwischen " + FormatiereZahl(links) + " und " + FormatiereZahl(x));
                SchreibeZeile(" eine Nullstelle liegt.");
            }
            return links;
        }
        if (k == 5) break;
        links = x;
        flinks = fx;
        linksDefiniert = definiert;
    }
    return links;
}

// The state of the iteration between two steps.
struct TIteration {
    Extended a = 0, b = 0, fa = 0, fb = 0; // bisection and regula falsi
    Extended x = 0;                        // x_n, defined from the start on
    Extended y = 0;                        // f(x_n)
    bool HatVorigen = false;               // x_(n-1) exists (Newton: x_0)
};

// x_n from the state of step n - 1; false after writing why there is none. A point that is not finite has no
// value either.
bool NeuerPunkt(TFWerte& f, TWertprogramm& f1, Int32 Methode, Int32 n, TIteration& it) {
    if (Methode == Halbierungsverfahren) {
        it.x = std::midpoint(it.a, it.b);
    } else if (Methode == RegulaFalsi) {
        const Extended d = it.fb - it.fa;
        if (d == 0 || !std::isfinite(d)) {
            SchreibeZeile("Nach dem " + std::to_string(n) + ". Schritt " +
                          "f hat an beiden Intervallgrenzen denselben Wert.");
            return false;
        }
        it.x = it.a - it.fa * (it.b - it.a) / d;
    } else {
        Extended d = 0, fx = 0;
        if (!Wert(f1, it.x, d) || d == 0 || !Wert(f, it.x, fx)) {
            SchreibeZeile("Nach dem " + std::to_string(n) + ". Schritt ist " + "f' in x*i<n> gleich Null.");
            return false;
        }
        it.x -= fx / d;
    }
    return std::isfinite(it.x);
}

} // namespace

void Naeherungsverfahren(TTerm* f, TIntervall* I, Int32 Methode, Extended eps, TTerm* Eingabe) {
    NeueZeile();
    if (!f) return;
    if (!Eingabe) Eingabe = f;
    const bool newton = Methode == NewtonVerfahren;
    TIteration it;
    TFWerte F(f, Eingabe);
    const std::string starttext = newton ? Oberflaeche().Eingabe(TEingabefeld::Startwert) : std::string();
    const bool automatisch = Getrimmt(starttext) == Automatisch;
    if (!newton || automatisch) {
        if (!IntervallTauglich(f, Eingabe, F, I, it.a, it.b, it.fa, it.fb)) return;
    }

    TTerm* f1 = nullptr;
    if (newton) {
        if (automatisch) {
            it.x = SucheStartwert(f, Eingabe, F, I, it.a, it.b, it.fa);
        } else if (!ZahlAusText(starttext, it.x)) {
            SchreibeWoertlich("Der Startwert " + starttext +
                              " ist keine Zahl. Näherungsverfahren abgebrochen.");
            NeueZeile();
            return;
        }
        it.HatVorigen = true;
        SchreibeZeile("Startwert ist x*i<0> = " + FormatiereZahl(it.x) + ".");
        f1 = f->Ableitung();
        if (Kommentare) SchreibeTextTerm("f'(x) = ", f1);
        const Int32 knoten = f1 ? f1->Knotenzahl : 0;
        if (f1) VereinfacheTerm(f1);
        if (Kommentare && f1 && f1->Knotenzahl < knoten) SchreibeTextTerm(" = ", f1);
        NeueZeile();
    }
    TWertprogramm F1(f1);

    std::vector<TSchrittzeile> zeilen;
    bool weiter = true, regulaer = false, abbruch = false;
    // Where f has no value at the last point; the interval [von, bis] where f changed its sign at the end.
    std::optional<Extended> ohneWert;
    Extended von = 0, bis = 0;
    bool klammer = false;
    Int32 n = 1;
    for (;; ++n) {
        TSchrittzeile z{n, {}};
        if (!newton) {
            for (Extended v : {it.a, it.b, it.fa, it.fb}) z.Werte.push_back({true, v});
        }
        const Extended vorige = it.x;
        bool ok = NeuerPunkt(F, F1, Methode, n, it);
        if (!ok) it.x = vorige;
        z.Werte.push_back({ok, it.x});
        if (ok && !Wert(F, it.x, it.y)) ohneWert = it.x;
        ok = ok && !ohneWert;
        z.Werte.push_back({ok, it.y});
        Extended probe = 0, probeX = it.x;
        if (Methode != Halbierungsverfahren) {
            const bool rechts =
                Methode == RegulaFalsi ? Vorzeichen(it.fa) * Vorzeichen(it.y) > 0 : it.x > vorige;
            probeX = rechts ? it.x + eps : it.x - eps;
            if (ok && !Wert(F, probeX, probe)) ohneWert = probeX;
            ok = ok && !ohneWert;
            z.Werte.push_back({ok, probe});
        }
        // Past the steps shown in full only the latest row is kept.
        if (n > GezeigteSchritte + 1 && !zeilen.empty()) zeilen.pop_back();
        zeilen.push_back(std::move(z));
        if (!ok) {
            SchreibeZeile(Abgebrochen);
            break;
        }

        if (it.y == 0) {
            weiter = false;
        } else if (Methode == Halbierungsverfahren) {
            // The width before this step's halving; a midpoint that is one of the bounds is as close as the
            // arithmetic gets.
            weiter = it.b - it.a >= 2 * eps && it.a < it.x && it.x < it.b;
        } else {
            // A sign change within eps, or a point that no longer moves, ends the iteration.
            weiter = !Vorzeichenwechsel(it.y, probe) && !(it.HatVorigen && it.x == vorige);
        }
        regulaer = !weiter;
        if (regulaer && it.y != 0) {
            // The sign change that ended the iteration: at the probe, else between x_n and the end of
            // [a_n, b_n] whose value has the other sign; a Newton step that no longer moves has none.
            von = bis = it.x;
            if (Methode != Halbierungsverfahren && Vorzeichenwechsel(it.y, probe))
                bis = probeX;
            else if (!newton)
                bis = Vorzeichenwechsel(it.fa, it.y) ? it.a : it.b;
            klammer = bis != von;
        }
        if (weiter) {
            if (!newton) {
                if (Vorzeichen(it.fa) * Vorzeichen(it.y) > 0) {
                    it.a = it.x;
                    it.fa = it.y;
                } else {
                    it.b = it.x;
                    it.fb = it.y;
                }
            }
            it.HatVorigen = true;
            if (n >= MaxNaeherungsschritte) {
                SchreibeZeile("Nach " + std::to_string(n) +
                              " Schritten ist die Genauigkeit nicht erreicht. " + Abgebrochen);
                weiter = false;
            } else if ((n + 1) % 100 == 0) {
                Oberflaeche().VerarbeiteNachrichten();
                abbruch = BenutzerAbbruch;
                weiter = !abbruch;
            }
        }
        if (!weiter) break;
    }

    const std::vector<bool> formate = Spaltenformate(zeilen);
    SchreibeTabelle(Kopfzeile(Methode), zeilen, formate, n);
    if (abbruch) {
        SchreibeZeile("Abbruch durch Benutzer");
    } else if (regulaer) {
        // A sign change across a pole or a jump, or a Newton step that stalled away from 0, is no zero.
        Extended stelle = it.x;
        TBefund befund = TBefund::Nullstelle;
        if (klammer)
            befund = PruefeVorzeichenwechsel(f, F, von, bis, stelle);
        else if (it.y != 0 && !IstRundungsnull(f, it.x, Rundungsfehler(it.x), it.y))
            befund = TBefund::Unklar;
        if (befund != TBefund::Nullstelle) {
            KeineNullstelle(befund, stelle);
        } else {
            if (it.y == 0) {
                Schreibe("Exakte Lösung: x = ");
                SchreibeZeile(it.x);
            } else {
                Schreibe("Näherungslösung: x  ");
                SchreibeZeichen(1187);
                Schreibe(" ");
                // The value as the table's column of x shows it.
                const size_t spalte = newton ? 0 : 4;
                SchreibeZeile(FormatiereTabellenzahl(it.x, spalte < formate.size() && formate[spalte]));
            }
        }
    } else if (ohneWert) {
        KeineNullstelle(TBefund::OhneWert, *ohneWert);
    }
    NeueZeile();
}

} // namespace zol
