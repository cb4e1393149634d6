// The general zero finder, exact zero tests, and the zeros step.
#include "steps/Nullstel.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <optional>
#include <string>
#include <unordered_set>
#include <vector>

#include "algebra/NormalFormen.h"
#include "algebra/Nullentscheidung.h"
#include "algebra/Polynome.h"
#include "algebra/RationaleFunktion.h"
#include "algebra/RationaleNormalform.h"
#include "algebra/Vereinfachung.h"
#include "output/Ausgabe.h"
#include "output/Grafikdaten.h"
#include "output/Seiten.h"
#include "plattform/Oberflaeche.h"
#include "steps/Allgemeines.h"
#include "steps/Fallunterscheidung.h"
#include "steps/Schrittrahmen.h"
#include "term/Arbeit.h"
#include "term/Fehler.h"
#include "term/Mengen.h"
#include "term/Parameter.h"
#include "term/Punktlisten.h"
#include "term/Rundungsschranke.h"
#include "term/TermManager.h"
#include "term/Termarithmetik.h"
#include "term/Terme.h"

namespace zol {

namespace {

// The depth of the substitution searches running now, one inside the other.
Int32 Substitutionstiefe = 0;

// Lets the event loop run; a search the user aborted ends here.
void PruefeAbbruch() {
    Oberflaeche().VerarbeiteNachrichten();
    if (BenutzerAbbruch) throw EBenutzerAbbruch("Abbruch durch Benutzer");
}

} // namespace

bool AbleitungNichtNullIn(TTerm* T, Int32 n, TTerm* P) {
    try {
        TTerm* D = T;
        for (Int32 k = 0; k < n && D; ++k) {
            D = D->Ableitung();
            if (D) VereinfacheTerm(D);
        }
        TTerm* w = Eingesetzt(D, P);
        return w && !EnthaeltParameter(w) && Nullheit(w) == TNullheit::NichtNull;
    } catch (const EBenutzerAbbruch&) {
        throw;
    } catch (const EZolFehler&) {
        return false;
    }
}

namespace {

// Only the points of Liste that have a finite value and lie in Bereich; a list not computed (Anzahl -1)
// stays as it is. Where T or a point holds a parameter, a point counts only where it lies in Bereich and T
// has a value there for every value of the parameter, and its multiplicity n only where the n-th derivative
// there is not 0 for any value (the zero 0 of x^2 - 2ax is double for a = 0). A point left out that may
// count makes a complete list unclear.
void NurImBereich(TTerm* T, TSListe*& Liste, TMenge* Bereich, uint8_t& Status, bool Kommentar) {
    if (Liste->Anzahl <= 0) return;
    const bool parameter = EnthaeltParameter(T);
    TSListe* neu = NeueLeereListe();
    for (Int32 i = 1; i <= Liste->Anzahl; ++i) {
        TStelle* stelle = Liste->Stellen[i];
        TTerm* p = stelle->Punkt;
        if (!parameter && !EnthaeltParameter(p)) {
            bool definiert = false;
            const Extended x = p->Wert(0, definiert);
            if (definiert && std::isfinite(x) && (!Bereich || Bereich->Enthaelt(p)))
                neu->Stellen[++neu->Anzahl] = stelle;
            continue;
        }
        const TWahrheitswert liegt = LiegtIn(p, Bereich), definiert = DefiniertBei(T, p);
        const TWahrheitswert drin = liegt == falsch || definiert == falsch ? falsch
                                    : liegt == wahr && definiert == wahr   ? wahr
                                                                           : unklar;
        if (drin == unklar && Status == wahr) Status = unklar;
        // A zero whose place in the range alone is open is named once, as found.
        if (liegt == unklar && definiert == wahr && TOffeneLoesungen::Merke(p) && Kommentar &&
            TOffeneLoesungen::Nenne(p)) {
            SchreibeTextTerm("Ob ", p);
            SchreibeNichtEntschieden(" im angegebenen Intervall liegt,", p);
        }
        if (drin != wahr) continue;
        // A point such as a^(1/3) that has no value for some values of the parameter leaves a zero unnamed
        // there (the zero of x^3 - a for a < 0).
        if (Status == wahr && HatWertFuerJedenParameter(p) != wahr) Status = unklar;
        if (stelle->Vielfachheit > 0 && !AbleitungNichtNullIn(T, stelle->Vielfachheit, p))
            stelle = Neu<TStelle>(p, 0);
        neu->Stellen[++neu->Anzahl] = stelle;
    }
    Liste = neu;
}

// The multiplicity as written after a point of the search's summary.
std::string Vielfachheitswort(Int32 n) {
    switch (n) {
    case 1:
        return " (einfach)";
    case 2:
        return " (doppelt)";
    case 3:
        return " (dreifach)";
    default:
        return n >= 4 ? "   (" + std::to_string(n) + "-fach);" : std::string();
    }
}

void SchreibeZusammenfassung(TSListe* Liste, uint8_t Status, bool Offen) {
    if (Liste->Anzahl > 0) {
        Schreibe("Nullstellen: ");
        for (Int32 i = 1; i <= Liste->Anzahl; ++i) {
            if (i > 1) Schreibe(", ");
            SchreibeTermMitNaeherung(Liste->Stellen[i]->Punkt);
            Schreibe(Vielfachheitswort(Liste->Stellen[i]->Vielfachheit));
        }
        SchreibeZeile(".");
    }
    // Zeros found for some values of the parameter were named: none found is not the answer then.
    if (Liste->Anzahl != 0 || Offen) {
        if (Status == unklar)
            SchreibeZeile("Unklar, ob weitere Lösungen existieren.");
        else if (Status == falsch)
            SchreibeZeile("Weitere Nullstellen existieren.");
    } else {
        SchreibeZeile(Status == wahr     ? "Es gibt keine Nullstellen im angegebenen Intervall."
                      : Status == falsch ? "Die Gleichung gilt für unendlich viele x."
                                         : "Keine Lösungen gefunden.");
    }
}

// The back-substitution of one zero u_j (multiplicity m) of the substituted term: the solutions of s(x) = u_j
// in Bereich that make T zero go into Liste with their multiplicity times m. Returns the status of the
// equation.
uint8_t Ruecksubstitution(TTerm* T, TTTerm* s, TStelle* u, TMenge* Bereich, TSListe*& Liste, bool Kommentar) {
    TSListe* loesungen = nullptr;
    uint8_t status = unklar;
    s->LoeseGleichung(u->Punkt, Bereich, Kommentar, status, loesungen);
    for (Int32 k = 1; loesungen && k <= loesungen->Anzahl; ++k) {
        TStelle* x = loesungen->Stellen[k];
        TTerm* eingesetzt = T->Ersetze(VariableX, x->Punkt);
        TTerm* wert = eingesetzt;
        if (wert) VereinfacheKonstantenTerm(wert);
        // T(x) = U(u_j) = 0 where the substitution holds; where it does not, T(x) is clearly not 0. A value 0
        // up to its error bound that no simplification shows (a nested root) is such a zero.
        const TNullheit n = wert ? Nullheit(wert) : TNullheit::OhneWert;
        if (n == TNullheit::Null || n == TNullheit::Unklar) {
            StelleEinfuegen(Neu<TStelle>(x->Punkt, x->Vielfachheit * u->Vielfachheit), Liste, false);
        } else if (Kommentar) {
            SchreibeTextTermZeile("f(x) = ", T);
            SchreibeTextTerm("Einsetzen ergibt: ", eingesetzt);
            SchreibeTextTerm(" = ", wert);
            SchreibeZeile(" d.h. keine Nullstelle der ursprünglichen Funktion.");
        }
    }
    return status;
}

// One trial of the substitution search: T with s as the variable (through its inverse Umkehrung),
// simplified; the substituted term when it is a candidate (shorter than T, or a polynomial, whose search is
// complete: x^(1/2) + x - 2 gives x + x^2 - 2), its zeros searched without comments; nil otherwise. Rest is
// the budget left for the trials (-1: none), less the steps this one took; a trial that spends it is none.
TTerm* Substitutionsversuch(TTerm* T, TTerm* s, TTerm* Umkehrung, Int64& Rest, TSListe*& Zweite,
                            uint8_t& Status) {
    std::optional<TArbeitsbudget> budget;
    if (Rest > 0) budget.emplace(Rest);
    const Int64 anfang = Arbeitsschritte();
    TTerm* kandidat = nullptr;
    try {
        TTerm* u = Transformation(T, s, Umkehrung);
        if (u) {
            VereinfacheTermRekursiv(u);
            VereinfacheTerm(u);
            if (u->Knotenzahl < T->Knotenzahl || HatPolynomform(u)) {
                SucheNullstellen(u, IntervallR, Zweite, false, Status);
                kandidat = u;
            }
        }
    } catch (const EBudgetErschoepft&) {
        if (!budget || !budget->SelbstErschoepft()) throw;
        kandidat = nullptr;
    }
    if (Rest > 0) Rest = std::max<Int64>(Rest - (Arbeitsschritte() - anfang), 0);
    return kandidat;
}

// A subterm s with an inverse function taken as the new variable: when the substituted term is shorter than
// T and has zeros, these are substituted back. The first subterm (fewest nodes first) whose substituted term
// has zeros ends the search.
void Substitution(TTerm* T, TMenge* Bereich, TSListe*& Liste, bool Kommentar, uint8_t& Status) {
    if (Substitutionstiefe >= MaxSubstitutionstiefe) {
        Status = unklar;
        return;
    }
    TWechsel<Int32> tiefe(Substitutionstiefe, Substitutionstiefe + 1);
    TTerm* teilterme[MaxTeilterme + 1] = {};
    Int32 anzahl = 0;
    SammleTeilterme(T, teilterme, anzahl, false);
    SortiereTerme(teilterme, anzahl, false);
    // An abort while collecting left the list short: no result.
    PruefeAbbruch();
    // The trials of the outermost substitution search, the nested ones included, take their steps from a
    // budget of their own (the commented repetition of a trial that found zeros, and the substitution back,
    // do not).
    Int64 rest = Substitutionstiefe == 1 ? Substitutionsbudget : -1;
    for (Int32 i = 1; i <= anzahl; ++i) {
        PruefeAbbruch();
        TTerm* s = teilterme[i];
        TTTerm* loesbar = AlsTTTerm(s);
        if (s->IstKonstant || IstVariable(s) || !loesbar) continue;
        TTerm* umkehrung = s->Umkehrfunktion();
        if (!umkehrung) continue;
        if (rest == 0) break;
        TSListe* zweite = nullptr;
        uint8_t status = unklar;
        TTerm* u = Substitutionsversuch(T, s, umkehrung, rest, zweite, status);
        if (!u) continue;
        const bool gefunden = zweite && zweite->Anzahl > 0;
        if (Kommentar && gefunden) {
            SchreibeTextTermTextZeile("Substitution von ", s, " durch x führt auf:");
            SucheNullstellen(u, IntervallR, zweite, true, status);
        }
        Status = status;
        if (!gefunden) continue;
        if (Kommentar) SchreibeUnterstrichenZeile("Rücksubstitution:");
        for (Int32 j = 1; j <= zweite->Anzahl; ++j)
            Status =
                Und(Status, Ruecksubstitution(T, loesbar, zweite->Stellen[j], Bereich, Liste, Kommentar));
        return;
    }
}

// The searches running now, one inside the other: a search never starts again on a term it is already
// searching (splitting off a factor or substituting can lead back to the same term), and no deeper than
// MaxNullstellentiefe.
std::vector<TTerm*> LaufendeSuchen;

// The finished searches of the request (without comments) by term and range: splitting off factors and
// substituting meet the same subterms again and again, and each is searched once. A range is keyed by its
// kind and bounds (a caller may build it on the stack); a range of another kind is not kept.
struct TSuchschluessel {
    TTerm* T;
    std::string Art;
    TTerm *Links, *Rechts;
    bool LinksOffen, RechtsOffen;
    auto operator<=>(const TSuchschluessel&) const = default;
};
struct TErgebnis {
    TSListe* Liste;
    uint8_t Status;
    // The zeros found but left out for some values of the parameter.
    std::vector<TTerm*> Offen;
};
std::map<TSuchschluessel, TErgebnis> Ergebnisse;
TTermfreigabeBeobachter ErgebnisseLeeren([] { Ergebnisse.clear(); });

std::optional<TSuchschluessel> Suchschluessel(TTerm* T, TMenge* Bereich) {
    if (!Bereich) return TSuchschluessel{T, "", nullptr, nullptr, false, false};
    if (auto* i = dynamic_cast<TIntervall*>(Bereich))
        return TSuchschluessel{
            T, "I", i->LinkerRand.Wert, i->RechterRand.Wert, i->LinkerRand.Offen, i->RechterRand.Offen};
    if (dynamic_cast<TStandardMenge*>(Bereich))
        return TSuchschluessel{T, "S" + Bereich->Kennung, nullptr, nullptr, false, false};
    return std::nullopt;
}

// A copy of L (its points copied, so that a caller that changes a multiplicity changes only its own; a list
// not computed stays one).
TSListe* Kopie(TSListe* L) {
    TSListe* k = NeueLeereListe();
    if (L->Anzahl < 0) k->Anzahl = L->Anzahl;
    for (Int32 i = 1; i <= L->Anzahl; ++i)
        k->Stellen[++k->Anzahl] = Neu<TStelle>(L->Stellen[i]->Punkt, L->Stellen[i]->Vielfachheit);
    return k;
}

class TLaufendeSuche {
public:
    explicit TLaufendeSuche(TTerm* T) { LaufendeSuchen.push_back(T); }
    ~TLaufendeSuche() { LaufendeSuchen.pop_back(); }
    TLaufendeSuche(const TLaufendeSuche&) = delete;
    TLaufendeSuche& operator=(const TLaufendeSuche&) = delete;

    static bool Erlaubt(TTerm* T) {
        if (LaufendeSuchen.size() >= size_t(MaxNullstellentiefe)) return false;
        return std::none_of(LaufendeSuchen.begin(), LaufendeSuchen.end(),
                            [T](TTerm* s) { return s == T || s->IstGleich(T); });
    }
};

// The zeros of a constant term that is no constant of its own class (pi-pi, sqrt(8)-2*sqrt(2)): every x when
// it is 0 (Status 0; no point is listed), none when it is not or has no value, undecided otherwise.
void KonstanteNullstellen(TTerm* T, TSListe*& Liste, bool Kommentar, uint8_t& Status) {
    Liste = NeueLeereListe();
    const TNullheit n = Nullheit(T);
    Status = n == TNullheit::Null ? falsch : n == TNullheit::Unklar ? unklar : wahr;
    // A constant with a parameter and no value as a number is 0 for some values of the parameter perhaps.
    if (n == TNullheit::OhneWert && EnthaeltParameter(T)) {
        Status = unklar;
        if (Kommentar) {
            SchreibeTextTerm("Ob ", T);
            SchreibeNichtEntschieden(" gleich 0 ist,", T);
        }
        return;
    }
    if (!Kommentar) return;
    if (n == TNullheit::Unklar)
        SchreibeUnklarObNull(T, "die Konstante");
    else
        SchreibeZeile(n == TNullheit::Null        ? "Konstante ist Null, d.h. Gleichung allgemeingültig."
                      : n == TNullheit::NichtNull ? "Konstante ist ungleich Null"
                                                  : "Konstante ohne Wert, also keine Nullstelle.");
}

std::string Nullstellenwort(Int32 n) {
    switch (n) {
    case 1:
        return "   (einfache Nullstelle);";
    case 2:
        return "   (doppelte Nullstelle);";
    case 3:
        return "   (dreifache Nullstelle);";
    default:
        return n >= 4 ? "   (" + std::to_string(n) + "-fache Nullstelle);" : std::string();
    }
}

// T has a piecewise part; each shared subterm is looked at once.
bool EnthaeltJoin(TTerm* T, std::unordered_set<TTerm*>& Gesehen) {
    if (!T || T->IstKonstant || !Gesehen.insert(T).second) return false;
    if (IstJoin(T)) return true;
    if (TOperatorTerm* o = AlsOperatorTerm(T))
        return EnthaeltJoin(o->T1, Gesehen) || EnthaeltJoin(o->T2, Gesehen);
    if (auto* f = dynamic_cast<TFunktion*>(T)) return EnthaeltJoin(f->Argument, Gesehen);
    return false;
}

bool EnthaeltJoin(TTerm* T) {
    std::unordered_set<TTerm*> gesehen;
    return EnthaeltJoin(T, gesehen);
}

} // namespace

void NichtsGefunden(const EZolFehler& e, TSListe*& Liste, uint8_t& Status, bool Kommentar) {
    Liste = NeueLeereListe();
    Status = unklar;
    if (Kommentar) SchreibeZeile(Fehlertext(e) + " Die Suche findet hier keine Nullstellen.");
}

void SucheNullstellen(TTerm* T, TMenge* Bereich, TSListe*& Liste, bool Kommentar, uint8_t& Status) {
    if (BenutzerAbbruch) throw EBenutzerAbbruch("Abbruch durch Benutzer");
    Status = unklar;
    Liste = nullptr;
    if (!T) {
        Liste = NeueLeereListe();
        return;
    }
    const std::optional<TSuchschluessel> schluessel = Suchschluessel(T, Bereich);
    if (auto it = schluessel ? Ergebnisse.find(*schluessel) : Ergebnisse.end();
        it != Ergebnisse.end() && !Kommentar) {
        Liste = Kopie(it->second.Liste);
        Status = it->second.Status;
        for (TTerm* p : it->second.Offen) TOffeneLoesungen::Merke(p);
        return;
    }
    // A search inside its own search on the same term, or nested too deep, finds nothing it could rely on.
    if (!TLaufendeSuche::Erlaubt(T)) {
        Liste = NeueLeereListe();
        return;
    }
    TLaufendeSuche laufend(T);
    TOffeneLoesungen offen;
    if (Kommentar) {
        SchreibeTextTerm("Suche der Nullstellen von ", T);
        Schreibe(" in ");
        SchreibeMenge(Bereich ? Bereich : IntervallR);
        SchreibeZeile(":");
    }
    try {
        // A constant is decided here; no normal form knows more about it.
        const bool konstant = T->IstKonstant && T->Typrang > RangRadikal;
        if (konstant)
            KonstanteNullstellen(T, Liste, Kommentar, Status);
        else if (TTTerm* t = AlsTTTerm(T))
            t->Nullstellen(Bereich, Liste, Kommentar, Status);
        if (!Liste) Liste = NeueLeereListe();
        // Status 0 with no point (the equation holds for every x) is an answer of its own. A term with abs or
        // a piecewise part goes by the cases of its sign: a substitution would lose the side of 0 that its
        // inverse does not reach.
        if (Liste->Anzahl == 0 && Status == unklar && !konstant && offen.Punkte.empty() &&
            !NullstellenNachFaellen(T, Bereich, Liste, Kommentar, Status)) {
            T->HoleNormalform();
            TWechsel<Int32> einzug(Einrueckung, Einrueckung + Einzug);
            // A sum of monomials with rational exponents has no zero search of its own: the substitution
            // searches its zeros as it does for a term without a form.
            if (T->Normalform && T->Normalform->Kennung != KennungVPT)
                T->Normalform->Nullstellen(Bereich, Liste, Kommentar, Status);
            else
                Substitution(T, Bereich, Liste, Kommentar, Status);
            if (!Liste) Liste = NeueLeereListe();
        }
    } catch (const ERessourcen& e) {
        // The search of a part (a factor, a numerator, a substituted term) whose numbers overflow finds
        // nothing; the search of the whole term ends with the overflow.
        if (LaufendeSuchen.size() == 1) throw;
        NichtsGefunden(e, Liste, Status, Kommentar);
    } catch (const EGradUeberschritten& e) {
        if (LaufendeSuchen.size() == 1) throw;
        NichtsGefunden(e, Liste, Status, Kommentar);
    }
    NurImBereich(T, Liste, Bereich, Status, Kommentar);
    offen.Pruefe(T, Bereich, Liste);
    if (Kommentar) SchreibeZusammenfassung(Liste, Status, !offen.Punkte.empty());
    if (schluessel) Ergebnisse[*schluessel] = {Kopie(Liste), Status, offen.Punkte};
}

void OhneDefinitionsluecken(TSListe*& Liste) {
    if (!Liste || Liste->Anzahl <= 0) return;
    TRationaleFunktion* eingegeben = EingegebenerQuotient();
    TSListe* bleibt = NeueLeereListe();
    for (Int32 i = 1; i <= Liste->Anzahl; ++i) {
        TStelle* stelle = Liste->Stellen[i];
        const bool luecke = (Definitionsluecken && Definitionsluecken->Index(stelle->Punkt) >= 1) ||
                            (eingegeben && PolynomVerschwindetIn(eingegeben->Nenner, stelle->Punkt)) ||
                            !EingegebenesFDefiniertIn(stelle->Punkt);
        if (!luecke) {
            bleibt->Stellen[++bleibt->Anzahl] = stelle;
            continue;
        }
        SchreibeTerm(stelle->Punkt);
        SchreibeZeile(" ist Definitionslücke von f und scheidet aus.");
    }
    Liste = bleibt;
}

TWahrheitswert IstUngleichNullAuf(TTerm* T, TMenge* M) {
    TSListe* nullstellen = nullptr;
    uint8_t status = unklar;
    SucheNullstellen(T, M, nullstellen, false, status);
    if (nullstellen->Anzahl > 0 || status == falsch) return falsch;
    return nullstellen->Anzahl == 0 && status == wahr ? wahr : unklar;
}

bool HatPolynomform(TTerm* T) {
    if (!T) return false;
    T->HoleNormalform();
    TNormalform* N = T->Normalform;
    if (!N) return false;
    if (N->Kennung == KennungPT) return true;
    return N->Kennung == KennungRNF && static_cast<TRationaleNormalform*>(N)->P3.Grad == 0;
}

bool IstNullfunktion(TTerm* T) {
    TTerm* t = T;
    if (!t) return false;
    VereinfacheTerm(t);
    return t->IstKonstant && Nullheit(t) == TNullheit::Null;
}

bool TermVerschwindetIn(TTerm* T, TTerm* x0) {
    if (!T || !x0) return false;
    try {
        TTerm* wert = T->Ersetze(VariableX, x0);
        if (!wert) return false;
        // A value that rounding cannot carry to 0 is not 0: no need to simplify it.
        if (SicherNichtNull(wert)) return false;
        VereinfacheKonstantenTerm(wert);
        return wert->IstNull();
    } catch (const ENichtExistenz&) {
        // T has no value at x0 (rounding may have given it one nearby).
        return false;
    } catch (const ETermGoToStart&) {
        // A divisor that is 0 there or cannot be told from 0: not shown to vanish.
        return false;
    } catch (const ERessourcen&) {
        // Exact numbers beyond 64 bits: not shown to vanish either.
        return false;
    }
}

bool HatWertIn(TTerm* T, TTerm* x0) {
    if (!T || !x0) return false;
    bool definiert = false;
    const Extended x = x0->Wert(0, definiert);
    const Extended w = definiert ? T->Wert(x, definiert) : 0;
    if (!definiert || !std::isfinite(w)) return false;
    // Only a piecewise part can take a rounded x0 to the wrong side of its junction.
    if (!EnthaeltJoin(T)) return true;
    try {
        return T->Einsetzen(x0) != nullptr;
    } catch (const ENichtExistenz&) {
        return false;
    } catch (const ETermGoToStart&) {
        // A divisor too near 0 to decide exactly: the value decides.
        return true;
    }
}

Int32 VielfachheitDurchAbleitungen(TTerm* T, TTerm* x0, Int32 Hoechstens) {
    Extended x = 0, w = 0;
    bool definiert = false;
    if (!T || !x0 || !std::isfinite(x = x0->Wert(0, definiert)) || !definiert) return 0;
    try {
        TTerm* D = T;
        for (Int32 k = 1; k <= Hoechstens; ++k) {
            D = D->Ableitung();
            if (!D || !HatWertIn(D, x0)) return 0;
            if (TermVerschwindetIn(D, x0)) continue;
            w = D->Wert(x, definiert);
            return definiert && !IstRundungsnull(D, x, Rundungsfehler(x), w) ? k : 0;
        }
    } catch (const EBenutzerAbbruch&) {
        throw;
    } catch (const EBudgetErschoepft&) {
        throw;
    } catch (const EZolFehler&) {
        // A derivative too large or without a value: no multiplicity.
    }
    return 0;
}

namespace {

// The order of the zero x0 of T, the k with T = (x - x0)^k * g and g(x0) not 0, from T's structure: 1 for x,
// n times the base's for a power with a positive integer exponent n, the sum of the factors' for a product,
// the numerator's for a quotient whose denominator does not vanish, the smaller for a sum of two parts of
// different orders, the count of the polynomial's derivatives that vanish for a polynomial; by T's own
// derivatives only where none of these applies. 0 where T has a value at x0 clear of 0; nothing where the
// order cannot be told (no value, a derivative without one, more than MaxAbleitungsordnung derivatives
// needed). Of a zero that the caller knows (Null) the value is not looked at again, of a part that is not
// shown to vanish exactly the order cannot be told. Vorrat bounds the subterms looked at.
class TOrdnung {
public:
    TOrdnung(TTerm* x0, Extended x) : X0(x0), X(x) {}

    std::optional<Int32> Von(TTerm* T, bool Null = false) {
        if (!T || --Vorrat < 0 || !HatWertIn(T, X0)) return std::nullopt;
        if (!Null) {
            bool definiert = false;
            const Extended w = T->Wert(X, definiert);
            if (w != 0 && !IstRundungsnull(T, X, Rundungsfehler(X), w)) return 0;
            if (!TermVerschwindetIn(T, X0)) return std::nullopt;
        }
        if (IstVariable(T)) return 1;
        if (std::optional<Int32> k = AusDenTeilen(T)) return k;
        if (std::optional<Int32> k = AlsPolynom(T)) return k;
        const Int32 k = VielfachheitDurchAbleitungen(T, X0, MaxAbleitungsordnung);
        return k > 0 ? std::optional<Int32>(k) : std::nullopt;
    }

private:
    // The derivatives taken at most where the structure says nothing.
    static constexpr Int32 MaxAbleitungsordnung = MaxGrad;

    std::optional<Int32> AusDenTeilen(TTerm* T) {
        if (auto* p = AlsPotenzTerm(T)) {
            if (p->Exponent.Nenner != 1 || p->Exponent.Zaehler <= 0) return std::nullopt;
            const std::optional<Int32> b = Von(p->Argument);
            if (!b || Int64{*b} * p->Exponent.Zaehler > INT32_MAX) return std::nullopt;
            return static_cast<Int32>(*b * p->Exponent.Zaehler);
        }
        auto* o = AlsOperatorTerm(T);
        if (!o) return std::nullopt;
        const std::optional<Int32> a = Von(o->T1);
        if (!a) return std::nullopt;
        const std::optional<Int32> b = Von(o->T2);
        if (!b) return std::nullopt;
        switch (o->Operator) {
        case '*':
            return Int64{*a} + *b > INT32_MAX ? std::nullopt : std::optional<Int32>(*a + *b);
        case '/':
            return *b == 0 ? a : std::nullopt;
        case '+':
        case '-':
            // Equal orders may cancel.
            return *a != *b ? std::optional<Int32>(std::min(*a, *b)) : std::nullopt;
        default:
            return std::nullopt;
        }
    }

    std::optional<Int32> AlsPolynom(TTerm* T) {
        TPolynom P;
        try {
            bool neu = false;
            TPolynomTerm* F = TPolynomTermCreateT(T, neu);
            if (!F) return std::nullopt;
            P = F->P;
        } catch (const EBenutzerAbbruch&) {
            throw;
        } catch (const EBudgetErschoepft&) {
            throw;
        } catch (const EZolFehler&) {
            return std::nullopt;
        }
        Int32 k = 0;
        while (!IstNullPolynom(P) && PolynomVerschwindetIn(P, X0)) {
            TPolynom D;
            PAbleitung(P, D);
            P = D;
            ++k;
        }
        return IstNullPolynom(P) ? std::nullopt : std::optional<Int32>(k);
    }

    TTerm* X0;
    Extended X;
    Int32 Vorrat = 200;
};

} // namespace

Int32 Vielfachheit(TTerm* T, TTerm* x0, Int32 Hoechstens) {
    Extended x = 0;
    bool definiert = false;
    if (!T || !x0 || !std::isfinite(x = x0->Wert(0, definiert)) || !definiert) return 0;
    try {
        TOrdnung ordnung(x0, x);
        if (std::optional<Int32> k = ordnung.Von(T, true)) return *k;
        return 0;
    } catch (const EBenutzerAbbruch&) {
        throw;
    } catch (const EBudgetErschoepft&) {
        throw;
    } catch (const EZolFehler&) {
        // Numbers beyond the limits on the way: the derivatives up to the stated order decide.
    }
    return VielfachheitDurchAbleitungen(T, x0, std::min(Hoechstens, MaxGrad));
}

bool PolynomVerschwindetIn(const TPolynom& P, TTerm* x0) {
    if (auto* r = AlsRationaleKonstante(x0); r && IstRationalesPolynom(P)) {
        try {
            TBruch wert;
            PWertRational(P, r->Bruch, wert);
            return wert.Zaehler == 0;
        } catch (const ERessourcen&) {
            // Beyond 64 bits: the terms decide.
        }
    }
    return TermVerschwindetIn(PolynomToTerm(P), x0);
}

void BestimmungDerNullstellen(bool Zeichnen) {
    Einrueckung = 0;
    SchreibeUeberschrift(2, "Bestimmung der Nullstellen:");
    if (!FTerm) throw ETermGoToStart("Arbeitsschritt nicht ausführbar");
    if (!IntervallOhneX()) {
        Trennlinie();
        if (Zeichnen) ZeichneSeite(0);
        return;
    }
    Kumuliere(FTerm);
    TOffeneLoesungen offen;
    SucheNullstellen(FTerm, ABIntervall, Nullstellenliste, Kommentare, NullstellenlisteStatus);
    const Int32 gesucht = Nullstellenliste->Anzahl;
    OhneDefinitionsluecken(Nullstellenliste);
    // That the search found no zero is its result: it stands with comments off too, and after the gaps of f
    // took every zero the search had named.
    if (Nullstellenliste->Anzahl == 0 && offen.Punkte.empty() && (!Kommentare || gesucht > 0))
        SchreibeZusammenfassung(Nullstellenliste, NullstellenlisteStatus, false);
    // A multiplicity that a procedure stated for a term other than a polynomial or a quotient of polynomials
    // is checked: it must be the order of the zero, from the structure of f or else its derivatives.
    if (!HatPolynomform(FTerm) && !EingegebenerQuotient()) {
        for (Int32 i = 1; i <= Nullstellenliste->Anzahl; ++i) {
            TStelle* s = Nullstellenliste->Stellen[i];
            const Int32 m = s->Vielfachheit > 0 ? Vielfachheit(FTerm, s->Punkt, s->Vielfachheit) : 0;
            if (m != s->Vielfachheit) Nullstellenliste->Stellen[i] = Neu<TStelle>(s->Punkt, m);
        }
    }

    if (Nullstellenliste->Anzahl > 0) {
        SchreibeUnterstrichenZeile("Nullstellen (Zusammenfassung): ");
        for (Int32 i = 1; i <= Nullstellenliste->Anzahl; ++i) {
            TStelle* stelle = Nullstellenliste->Stellen[i];
            SchreibeMitIndex("N", std::to_string(i));
            SchreibeTextTerm("(", stelle->Punkt);
            Schreibe(" | 0)");
            SchreibeZeile(Nullstellenwort(stelle->Vielfachheit));
        }
    }
    // The zeros found whose place in the interval is open, where no comment named them.
    if (!Kommentare) SchreibeOffeneLoesungen("f hat die Nullstelle", offen.Punkte);
    // f is 0 wherever it is defined: no point is listed, as every x is one.
    if (Nullstellenliste->Anzahl == 0 && NullstellenlisteStatus == falsch && IstNullfunktion(FTerm))
        SchreibeZeile("f ist die Nullfunktion: jedes x des Definitionsbereichs ist Nullstelle.");
    else if (NullstellenlisteStatus == falsch)
        SchreibeZeile("Weitere Nullstellen existieren, konnten aber nicht bestimmt werden.");
    else if (NullstellenlisteStatus == wahr)
        SchreibeZeile("Weitere Nullstellen gibt es nicht.");
    else if (NullstellenlisteStatus == unklar)
        SchreibeZeile("Ob weitere Nullstellen existieren, ist unklar.");
    for (Int32 i = 1; i <= Nullstellenliste->Anzahl; ++i) {
        bool definiert = false;
        const Extended x = Nullstellenliste->Stellen[i]->Punkt->Wert(0, definiert);
        if (definiert && std::isfinite(x))
            MerkePunkt("N*i<" + std::to_string(i) + ">", static_cast<Double>(x), 0);
    }
    NeueZeile();
    Trennlinie();
    if (Zeichnen) ZeichneSeite(0);
}

} // namespace zol
