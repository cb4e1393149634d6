#include "algebra/PolynomNullstellen.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>
#include <vector>

#include "algebra/NormalFormen.h"
#include "algebra/Nullentscheidung.h"
#include "algebra/PolynomNullstellen_Intern.h"
#include "algebra/Vereinfachung.h"
#include "output/Ausgabe.h"
#include "steps/Nullstel.h"
#include "term/Fehler.h"
#include "term/Mengen.h"
#include "term/Parameter.h"
#include "term/Punktlisten.h"
#include "term/TermManager.h"
#include "term/Termarithmetik.h"
#include "term/Wurzeln.h"
#include "term/Wurzelzahlen.h"

namespace zol {

// ---- Helpers shared by the zero procedures ----

void SenkeGrad(TPolynom& P) {
    for (Int32 i = 0; i <= P.Grad; ++i)
        if (IstSicherNull(P.Koeff[i])) P.Koeff[i] = Null;
    while (P.Grad > 0 && P.Koeff[P.Grad]->IstNull()) P.Koeff[P.Grad--] = Null;
}

namespace {

// The zeros with a parameter that the current search left out because whether they lie in the range is not
// decided for every value of the parameter (-a in [0; 1]); those not named before are to be named.
struct TOffenePunkte {
    bool Offen = false;
    std::vector<TTerm*> Ungenannt;
};
TOffenePunkte OffenePunkte;

} // namespace

bool ImBereich(TTerm* T, TMenge* Bereich) {
    const TWahrheitswert drin = LiegtIn(T, Bereich);
    if (drin == unklar) {
        OffenePunkte.Offen = true;
        auto& ungenannt = OffenePunkte.Ungenannt;
        if (TOffeneLoesungen::Merke(T) &&
            std::none_of(ungenannt.begin(), ungenannt.end(), [T](TTerm* p) { return p->IstGleich(T); }))
            ungenannt.push_back(T);
    }
    return drin == wahr;
}

TTerm* KonstantVereinfacht(TTerm* T) {
    VereinfacheKonstantenTerm(T);
    return T;
}

TVorzeichen VorzeichenVon(TTerm* T) {
    if (T->IstNull()) return TVorzeichen::Null;
    if (auto* r = AlsRationaleKonstante(T))
        return r->Bruch.Zaehler < 0 ? TVorzeichen::Negativ : TVorzeichen::Positiv;
    bool definiert = true;
    const Extended w = T->Wert(0, definiert);
    if (!definiert || !std::isfinite(w)) return TVorzeichen::Unbekannt;
    if (w == 0) return TVorzeichen::Null;
    return w < 0 ? TVorzeichen::Negativ : TVorzeichen::Positiv;
}

TTerm* ReelleWurzel(TTerm* R, Int32 n) {
    if (n % 2 == 1 && VorzeichenVon(R) == TVorzeichen::Negativ)
        return KonstantVereinfacht(ZieheWurzel(KonstantVereinfacht(R->Negation()), n)->Negation());
    return KonstantVereinfacht(ZieheWurzel(R, n));
}

TTerm* Negiert(TTerm* T) {
    return KonstantVereinfacht(T->Negation());
}

void SchreibeAusserhalb() {
    SchreibeZeile(" liegt aber nicht im angegebenen Intervall.");
}

namespace {

// "einfache ", "doppelte ", "dreifache " or n "-fache ".
std::string Vielfachheitswort(Int32 n) {
    switch (n) {
    case 1:
        return "einfache ";
    case 2:
        return "doppelte ";
    case 3:
        return "dreifache ";
    default:
        return std::to_string(n) + "-fache ";
    }
}

// x^k as a term (x itself for k = 1).
TTerm* XHoch(Int32 k) {
    return k == 1 ? VariableX : PotenzTerm(VariableX, Int64(k));
}

// The polynomial a_{k} + a_{k+1}*x + ... : P with x^k divided out.
TPolynom OhneXHoch(const TPolynom& P, Int32 k) {
    TPolynom R;
    R.Grad = P.Grad - k;
    for (Int32 i = 0; i <= R.Grad; ++i) R.Koeff[i] = P.Koeff[i + k];
    return R;
}

// The nested search of Q, indented by one Einzug.
void SucheEingerueckt(const TPolynom& Q, TMenge* Bereich, TSListe*& Liste, uint8_t& Status, bool Kommentar) {
    TWechsel<Int32> einzug(Einrueckung, Einrueckung + Einzug);
    PNullstellen(Q, Bereich, Liste, Status, Kommentar);
}

// The closing line of a search. Zeros found but left out for some values of the parameter were named: the
// search did find zeros.
void SchreibeSchluss(TSListe* Liste, uint8_t Status) {
    if (Liste->Anzahl <= 0 && OffenePunkte.Offen) {
        SchreibeZeile("Möglicherweise gibt es im angegebenen Intervall noch weitere Nullstellen.");
    } else if (Liste->Anzahl <= 0) {
        if (Status == wahr)
            SchreibeZeile("P hat im angegebenen Intervall keine Nullstellen.");
        else
            SchreibeZeile(
                "Mit elementaren Mitteln konnten (im angegebenen Intervall) keine Nullstellen bestimmt "
                "werden.");
    } else if (Status != wahr) {
        SchreibeZeile("Möglicherweise gibt es im angegebenen Intervall noch weitere Nullstellen.");
    }
}

// Keeps only the points of Liste that lie in Bereich.
void NurImBereich(TSListe*& Liste, TMenge* Bereich) {
    TSListe* neu = NeueLeereListe();
    for (Int32 i = 1; i <= Liste->Anzahl; ++i)
        if (ImBereich(Liste->Stellen[i]->Punkt, Bereich)) neu->Stellen[++neu->Anzahl] = Liste->Stellen[i];
    Liste = neu;
}

// The zeros of a P that the procedures above could not solve, through its squarefree part P / gcd(P, P'),
// which has the same zeros ((x^2+x+1)^2 has those of x^2+x+1); each zero's multiplicity is the order of the
// first derivative of P that does not vanish there.
void QuadratfreieNullstellen(const TPolynom& P, TMenge* Bereich, TSListe*& Liste, uint8_t& Status,
                             bool Kommentar) {
    TPolynom d, g, s, rest;
    try {
        PAbleitung(P, d);
        PGGT(P, d, g);
        if (g.Grad < 1) return;
        PDurch(P, g, s, rest, false);
    } catch (const ERessourcen&) {
        return;
    }
    SucheEingerueckt(s, Bereich, Liste, Status, Kommentar);
    for (Int32 i = 1; i <= Liste->Anzahl; ++i) {
        TPolynom A = d;
        Int32 m = 1;
        while (m < P.Grad && PolynomVerschwindetIn(A, Liste->Stellen[i]->Punkt)) {
            ++m;
            PAbleitung(A, A);
        }
        Liste->Stellen[i]->Vielfachheit = m;
    }
}

} // namespace

// ---- The dispatcher ----

void PNullstellen(TPolynom P, TMenge* Bereich, TSListe*& Liste, uint8_t& Status, bool Kommentar) {
    SenkeGrad(P);
    if (Kommentar) {
        Schreibe("Suche der Nullstellen des Polynoms: ");
        SchreibeTerm(PolynomToTerm(P));
        Schreibe(" in ");
        SchreibeMenge(Bereich ? Bereich : IntervallR);
        SchreibeZeile(":");
    }
    Liste = NeueLeereListe();
    Status = unklar;
    TWechsel<TOffenePunkte> offen(OffenePunkte, {});
    const Int32 n = P.Grad;
    if (n >= 1 && Nullheit(P.Koeff[n]) == TNullheit::Unklar) {
        // Dividing by a leading coefficient that may be 0 would give wrong zeros.
        if (Kommentar) {
            SchreibeUnklarObNull(P.Koeff[n], "der Leitkoeffizient");
            SchreibeSchluss(Liste, Status);
        }
        return;
    }
    // A leading coefficient with a parameter may be 0 for some value of it: then P has a lower degree (a·x
    // vanishes everywhere for a = 0), and no list found here is complete for every value.
    const bool leitkoeffizientOffen = VielleichtNull(P.Koeff[n]);
    if (n == 0 && leitkoeffizientOffen) {
        if (Kommentar) {
            SchreibeTextTerm("Ob ", P.Koeff[0]);
            SchreibeNichtEntschieden(" gleich 0 ist,", P.Koeff[0]);
        }
    } else if (n == 0) {
        if (P.Koeff[0]->IstNull()) {
            // The zero polynomial vanishes everywhere.
            Status = falsch;
            if (Kommentar) SchreibeZeile("Konstante ist Null, d.h. Gleichung allgmeingültig.");
            return;
        }
        Status = wahr;
        if (Kommentar) SchreibeZeile("Grad ist Null, keine Nullstellen vorhanden.");
    } else if (n == 1) {
        TTerm* x0 = KonstantVereinfacht(Quotient(P.Koeff[0], P.Koeff[1])->Negation());
        if (ImBereich(x0, Bereich)) Liste->FuegeHinzu(x0, 1);
        Status = wahr;
    } else if (n == 2 && !P.Koeff[0]->IstNull()) {
        if (PQFormel(P.Koeff[2], P.Koeff[1], P.Koeff[0], Bereich, Liste, Kommentar)) Status = wahr;
    } else {
        Int32 k = 0;
        while (P.Koeff[k]->IstNull()) ++k;
        bool mitte = false;
        for (Int32 i = 1; i < n; ++i)
            if (!P.Koeff[i]->IstNull()) mitte = true;
        TPolynom Q;
        Int32 m = 1;
        if (k >= 1) {
            NullstellenAusklammern(P, k, Bereich, Liste, Status, Kommentar);
        } else if (!mitte) {
            NullstellenXhochN(P.Koeff[n], P.Koeff[0], n, Bereich, Liste, Status, Kommentar);
        } else if ((m = PSubstitution(P, Q, Kommentar)) >= 2) {
            SubstitutionNullstellen(Q, m, Bereich, Liste, Status, Kommentar);
        } else if (!(IstRationalesPolynom(P) && NullstellenRational(P, Bereich, Liste, Status, Kommentar))) {
            if (n == 3 && CardanoAnwenden) {
                TPolynom quadFaktor;
                Cardano(P, Liste, quadFaktor, Status, Kommentar, false);
                NurImBereich(Liste, Bereich);
            } else {
                NullstellenUeberPix(P, Bereich, Liste, Status, Kommentar);
            }
        }
    }
    if (Liste->Anzahl == 0 && Status == unklar && n >= 4 && IstRationalesPolynom(P))
        QuadratfreieNullstellen(P, Bereich, Liste, Status, Kommentar);
    // A zero left out for some values of its parameter: the list is not complete for them.
    if (OffenePunkte.Offen && Status == wahr) Status = unklar;
    for (TTerm* p : OffenePunkte.Ungenannt) {
        if (!Kommentar) break;
        if (!TOffeneLoesungen::Nenne(p)) continue;
        SchreibeTextTerm("Ob ", p);
        SchreibeNichtEntschieden(" im angegebenen Intervall liegt,", p);
    }
    if (n >= 1 && leitkoeffizientOffen && Status != unklar) {
        Status = unklar;
        if (Kommentar) {
            SchreibeTextTerm("Ob der Leitkoeffizient ", P.Koeff[n]);
            SchreibeNichtEntschieden(" ungleich 0 ist,", P.Koeff[n]);
        }
    }
    if (Kommentar) SchreibeSchluss(Liste, Status);
}

// ---- The pq formula ----

namespace {

// The square root of n >= 0 when n is the square of an integer.
std::optional<Int128> GanzeWurzel(Int128 n) {
    if (n < 0) return std::nullopt;
    using UInt128 = unsigned __int128;
    const Int128 s = static_cast<Int128>(std::sqrt(static_cast<long double>(n)));
    for (Int128 r = s > 2 ? s - 2 : 0; r <= s + 2; ++r)
        if (static_cast<UInt128>(r) * static_cast<UInt128>(r) == static_cast<UInt128>(n)) return r;
    return std::nullopt;
}

// The discriminant (p/2)^2 - q of rational p and q in 128 bits, for one that leaves 64 bits while the zeros
// may fit (x^2 - 1499999998.6x - 2100000000 has the zeros 1500000000 and -7/5): its sign, and for a positive
// one that is the square of a fraction the two zeros -p/2 ± its root. False for a positive discriminant that
// is no such square (irrational zeros with a radicand beyond 64 bits); an overflow passes.
bool GrosseDiskriminante(const TBruch& p, const TBruch& q, TVorzeichen& Vorzeichen, TBruch& x1, TBruch& x2) {
    const TGrossbruch h = Grossbrueche::Durch(TGrossbruch::Aus(p), TGrossbruch{2, 1});
    const TGrossbruch D = Grossbrueche::Minus(Grossbrueche::Mal(h, h), TGrossbruch::Aus(q));
    Vorzeichen = D.Zaehler < 0    ? TVorzeichen::Negativ
                 : D.Zaehler == 0 ? TVorzeichen::Null
                                  : TVorzeichen::Positiv;
    if (Vorzeichen != TVorzeichen::Positiv) return true;
    const std::optional<Int128> z = GanzeWurzel(D.Zaehler), n = GanzeWurzel(D.Nenner);
    if (!z || !n) return false;
    const TGrossbruch w{*z, *n}, m = Grossbrueche::Negativ(h);
    x1 = Grossbrueche::AlsBruch(Grossbrueche::Plus(m, w));
    x2 = Grossbrueche::AlsBruch(Grossbrueche::Minus(m, w));
    return true;
}

} // namespace

bool PQFormel(TTerm* a, TTerm* b, TTerm* c, TMenge* Bereich, TSListe*& Liste, bool Kommentar) {
    Liste = NeueLeereListe();
    if (Kommentar) SchreibeZeile("Anwendung der pq-Formel:");
    TTerm* p = b;
    TTerm* q = c;
    if (!a->HatWert(BruchEins)) {
        p = KonstantVereinfacht(Quotient(b, a));
        q = KonstantVereinfacht(Quotient(c, a));
        if (Kommentar) {
            TPolynom quadrat;
            PQuadFaktorHoch(p, q, 1, quadrat);
            Schreibe("Nach Division durch ");
            SchreibeTerm(a);
            Schreibe(" erhält man ");
            SchreibeTerm(PolynomToTerm(quadrat));
            SchreibeZeile(" = 0");
        }
    }
    // D, or for a D beyond 64 bits its sign and the rational zeros it gives.
    TTerm* D = nullptr;
    TVorzeichen vz = TVorzeichen::Unbekannt;
    std::optional<std::pair<TBruch, TBruch>> grosseNullstellen;
    auto *rp = AlsRationaleKonstante(p), *rq = AlsRationaleKonstante(q);
    if (rp && rq) {
        // (p/2)^2 - q in 128 bits: for x^2 - 3037000501x + 3037000500 p^2 overflows, the result does not.
        TBruch h, d;
        Brueche::Durch(rp->Bruch, BruchZwei, h);
        try {
            Brueche::MalMinus(h, h, rq->Bruch, d);
            D = RationaleKonstante(d);
        } catch (const EUeberlauf&) {
            TBruch x1, x2;
            if (!GrosseDiskriminante(rp->Bruch, rq->Bruch, vz, x1, x2)) throw;
            if (vz == TVorzeichen::Positiv) grosseNullstellen = {x1, x2};
        }
    } else {
        D = KonstantVereinfacht(Differenz(Quotient(Produkt(p, p), Vier), q));
    }
    if (D) vz = VorzeichenVon(D);
    if (vz == TVorzeichen::Unbekannt) return false;

    // The displayed terms, as written in the formula (without simplification).
    TTerm* mAnzeige = nullptr;
    TTerm* dAnzeige = nullptr;
    if (Kommentar) {
        mAnzeige = OperatorTerm(MinusEins, OperatorTerm(p, Zwei, '/'), '*');
        dAnzeige = OperatorTerm(OperatorTerm(PotenzTerm(p, Int64(2)), Vier, '/'), q, '-');
    }
    if (vz == TVorzeichen::Negativ) {
        if (!Kommentar) return true;
        Schreibe("Diskriminante d=");
        SchreibeTerm(dAnzeige);
        if (D && D->Knotenzahl < dAnzeige->Knotenzahl) {
            Schreibe(" = ");
            SchreibeTerm(D);
        }
        if (D && !IstRationaleKonstante(D)) SchreibeNaeherung(D);
        SchreibeZeile("<0 => keine Nullstellen");
        return true;
    }
    if (Kommentar) {
        SchreibeMitIndex("x", "1,2");
        Schreibe(" = ");
        SchreibeTerm(mAnzeige);
        SchreibeZeichen(1177);
        SchreibeTerm(WurzelTerm(dAnzeige, 2));
        NeueZeile();
    }
    if (vz == TVorzeichen::Null) {
        TTerm* x0 = KonstantVereinfacht(Quotient(p, Bruchkonstante(-2, 1)));
        if (Kommentar) {
            Schreibe("Doppelte Nullstelle bei x =");
            SchreibeTerm(x0);
        }
        if (ImBereich(x0, Bereich)) {
            Liste->FuegeHinzu(x0, 2);
            if (Kommentar) SchreibeZeile(".");
        } else if (Kommentar) {
            NeueZeile();
            SchreibeZeile("x liegt aber nicht im angegebenen Intervall.");
        }
        return true;
    }
    if (Kommentar) SchreibeZeile("Zwei einfache Nullstellen:  ");
    TTerm* x[2] = {};
    if (grosseNullstellen) {
        x[0] = RationaleKonstante(grosseNullstellen->first);
        x[1] = RationaleKonstante(grosseNullstellen->second);
    } else {
        TTerm* m = Produkt(MinusEins, Quotient(p, Zwei));
        TTerm* w = ZieheWurzel(D, 2);
        x[0] = SummeV(m, w);
        x[1] = DifferenzV(m, w);
    }
    for (Int32 i = 0; i < 2; ++i) {
        if (Kommentar) {
            SchreibeMitIndex("x", i == 0 ? "1" : "2");
            Schreibe(" = ");
            SchreibeTermMitNaeherung(x[i]);
        }
        if (ImBereich(x[i], Bereich)) {
            Liste->FuegeHinzu(x[i], 1);
            if (Kommentar) SchreibeZeile(".");
        } else if (Kommentar) {
            SchreibeAusserhalb();
        }
    }
    return true;
}

// ---- a*x^n + b ----

void NullstellenXhochN(TTerm* an, TTerm* a0, Int32 n, TMenge* Bereich, TSListe*& Liste, uint8_t& Status,
                       bool Kommentar) {
    Liste = NeueLeereListe();
    Status = wahr;
    TTerm* R = KonstantVereinfacht(Quotient(a0, an)->Negation());
    if (n == 1 || R->IstNull()) {
        if (Kommentar) {
            Schreibe("Auflösen der ");
            if (n == 1) Schreibe("linearen ");
            Schreibe("Funktion ergibt " + Vielfachheitswort(n) + "Nullstelle bei ");
            SchreibeTermMitNaeherung(R);
        }
        if (ImBereich(R, Bereich)) {
            Liste->FuegeHinzu(R, n);
            if (Kommentar) NeueZeile();
        } else if (Kommentar) {
            SchreibeAusserhalb();
        }
        return;
    }
    if (n % 2 == 1) {
        TTerm* x1 = ReelleWurzel(R, n);
        if (Kommentar) {
            Schreibe("Nullstelle ");
            SchreibeMitIndex("x", "1");
            Schreibe(" = ");
            SchreibeTermMitNaeherung(x1);
        }
        if (ImBereich(x1, Bereich)) {
            Liste->FuegeHinzu(x1, 1);
            if (Kommentar) NeueZeile();
        } else if (Kommentar) {
            SchreibeAusserhalb();
        }
        return;
    }
    if (VorzeichenVon(R) == TVorzeichen::Negativ) {
        if (Kommentar) SchreibeZeile("Radikand negativ; Term hat keine Nullstelle.");
        return;
    }
    TTerm* x1 = ReelleWurzel(R, n);
    if (Kommentar) {
        Schreibe("Nullstellen ");
        SchreibeMitIndex("x", "1,2");
        Schreibe(" = ");
        SchreibeZeichen(1177);
        SchreibeTermZeile(x1);
    }
    for (TTerm* xi : {x1, Negiert(x1)}) {
        if (!ImBereich(xi, Bereich)) continue;
        Liste->FuegeHinzu(xi, 1);
        if (Kommentar) {
            SchreibeMitIndex("x", Liste->Anzahl == 1 ? "1" : "2");
            Schreibe(" = ");
            SchreibeTermMitNaeherung(xi);
            NeueZeile();
        }
    }
}

// ---- Factoring out x^k ----

void NullstellenAusklammern(TPolynom P, Int32 k, TMenge* Bereich, TSListe*& Liste, uint8_t& Status,
                            bool Kommentar) {
    SenkeGrad(P);
    if (Kommentar) {
        SchreibeTerm(XHoch(k));
        SchreibeZeile(" wird ausgeklammert ");
    }
    Liste = NeueLeereListe();
    if (ImBereich(Null, Bereich)) {
        Liste->FuegeHinzu(Null, k);
        if (Kommentar) SchreibeZeile(" " + std::to_string(k) + "-fache Nullstelle bei 0 ");
    }
    if (k >= P.Grad) {
        // A single power a*x^k: 0 is its only zero.
        Status = wahr;
        return;
    }
    TSListe* rest = nullptr;
    SucheEingerueckt(OhneXHoch(P, k), Bereich, rest, Status, Kommentar);
    SListenVereinigen(rest, Liste, false);
}

// ---- The substitution x^k -> z ----

namespace {

// The smallest interval holding M: M itself, the hull of a chain of intervals, else the whole line (every
// point found is still tested against M).
TIntervall* Huelle(TMenge* M) {
    if (auto* I = dynamic_cast<TIntervall*>(M)) return I;
    if (auto* kette = dynamic_cast<TIMenge*>(M)) {
        TIntervall* h = nullptr;
        for (TIMenge* e = kette; e; e = e->Naechste) {
            auto* I = dynamic_cast<TIntervall*>(e->Menge);
            if (!I) return IntervallR;
            h = h ? IntervallHuelle(h, I) : I;
        }
        if (h) return h;
    }
    return IntervallR;
}

Extended WertVon(TTerm* T) {
    bool definiert = true;
    return T->Wert(0, definiert);
}

// The image of the bound B under x^k: an infinite bound stays infinite.
TRand BildRand(const TRand& B, Int32 k) {
    if (!B.Wert) return UnendlichRand;
    return TRand{Potenz(B.Wert, TBruch{k, 1}), B.Offen};
}

// The image of the interval H under x^k.
TIntervall* BildIntervall(TIntervall* H, Int32 k) {
    const TRand a = BildRand(H->LinkerRand, k);
    const TRand b = BildRand(H->RechterRand, k);
    if (k % 2 == 1) return Neu<TIntervall>(a, b);
    if (ImIntervall(Null, H)) {
        // 0 is the least image; the upper bound is the larger image, closed when a closed bound attains it.
        TRand oben = UnendlichRand;
        if (a.Wert && b.Wert) {
            const Extended wa = WertVon(a.Wert), wb = WertVon(b.Wert);
            if (wa == wb)
                oben = TRand{b.Wert, a.Offen && b.Offen};
            else
                oben = wa > wb ? a : b;
        }
        return Neu<TIntervall>(TRand{Null, false}, oben);
    }
    // H lies on one side of 0: left of it the images come in reverse order.
    if (H->RechterRand.Wert && WertVon(H->RechterRand.Wert) <= 0) return Neu<TIntervall>(b, a);
    return Neu<TIntervall>(a, b);
}

void SchreibeRueckSubstitution(bool& geschrieben, TTerm* z, Int32 m, TTerm* x) {
    if (!geschrieben) {
        Schreibe("x = ");
        SchreibeTermMitNaeherung(z);
        Schreibe(" ergibt eine " + std::to_string(m) + "-fache Nullstellen bei ");
    } else {
        Schreibe(" und eine " + std::to_string(m) + "-fache Nullstelle bei ");
    }
    SchreibeTermMitNaeherung(x);
    geschrieben = true;
}

} // namespace

void SubstitutionNullstellen(TPolynom Q, Int32 k, TMenge* Bereich, TSListe*& Liste, uint8_t& Status,
                             bool Kommentar) {
    Liste = NeueLeereListe();
    TSListe* zListe = nullptr;
    SucheEingerueckt(Q, BildIntervall(Huelle(Bereich), k), zListe, Status, Kommentar);
    for (Int32 j = 1; j <= zListe->Anzahl; ++j) {
        TTerm* z = zListe->Stellen[j]->Punkt;
        Int32 m = zListe->Stellen[j]->Vielfachheit;
        const TVorzeichen vz = VorzeichenVon(z);
        TTerm* urbilder[2] = {nullptr, nullptr};
        if (vz == TVorzeichen::Null) {
            // Only when Q(0) = 0: x = 0 is a zero of k times the multiplicity.
            urbilder[0] = Null;
            m *= k;
        } else if (vz == TVorzeichen::Positiv) {
            urbilder[0] = ReelleWurzel(z, k);
            if (k % 2 == 0) urbilder[1] = Negiert(urbilder[0]);
        } else if (k % 2 == 1) {
            urbilder[0] = ReelleWurzel(z, k);
        } else {
            if (Kommentar) {
                Schreibe("x = ");
                SchreibeTerm(z);
                SchreibeZeile(" ergibt keine Nullstelle für das ursprüngliche Polynom");
            }
            continue;
        }
        bool geschrieben = false;
        for (TTerm* x : urbilder) {
            if (!x || !ImBereich(x, Bereich)) continue;
            Liste->FuegeHinzu(x, m);
            if (Kommentar) SchreibeRueckSubstitution(geschrieben, z, m, x);
        }
        if (geschrieben) SchreibeZeile(" für das ursprüngliche Polynom");
    }
}

// ---- Through P(ix) ----

void NullstellenUeberPix(TPolynom P, TMenge* Bereich, TSListe*& Liste, uint8_t& Status, bool Kommentar) {
    SenkeGrad(P);
    if (!Liste) Liste = NeueLeereListe();
    TPolynom R, I;
    PvonIX(P, R, I);
    TSListe* zI = nullptr;
    uint8_t statusI = unklar;
    // A trial: where the fractions of P(ix) or of a candidate overflow, it finds no factor (as in the
    // factorisation).
    try {
        PNullstellen(I, IntervallR, zI, statusI, false);
    } catch (const ERessourcen&) {
        return;
    }
    TTerm* rTerm = PolynomToTerm(R);
    for (Int32 j = 1; j <= zI->Anzahl; ++j) {
        TTerm* z = zI->Stellen[j]->Punkt;
        TPolynom F, quotient, rest;
        try {
            TTerm* r = rTerm->Ersetze(VariableX, z);
            if (!r || !KonstantVereinfacht(r)->IstNull()) continue;
            F.Grad = 2;
            F.Koeff[2] = Eins;
            F.Koeff[0] = z;
            PDurch(P, F, quotient, rest, false);
        } catch (const ERessourcen&) {
            continue;
        }
        if (!IstNullPolynom(rest)) continue;
        const bool reell = VorzeichenVon(z) == TVorzeichen::Negativ;
        TTerm* w = reell ? ReelleWurzel(Negiert(z), 2) : nullptr;
        if (Kommentar) {
            Schreibe("Für P(ix) findet man Nullstellen, so dass sich P(x) in ");
            SchreibeTerm(OperatorTerm(PolynomToTerm(F), PolynomToTerm(quotient), '*'));
            Schreibe(" zerlegen lässt, wobei der erste Faktor ");
            if (reell) {
                Schreibe(" die Nullstellen ");
                SchreibeZeichen(1177);
                SchreibeTerm(w);
                SchreibeZeile(" hat.");
            } else {
                SchreibeZeile(" keine reellen Nullstellen hat.");
            }
            SchreibeZeile("Es müssen noch die Nullstellen des zweiten Faktors bestimmt werden.");
        }
        SucheEingerueckt(quotient, Bereich, Liste, Status, Kommentar);
        if (reell)
            for (TTerm* xi : {w, Negiert(w)})
                if (ImBereich(xi, Bereich)) Liste->FuegeHinzu(xi, 1);
        if (Kommentar) NeueZeile();
        // The quotient's search has taken every further factor into account.
        return;
    }
}

} // namespace zol
