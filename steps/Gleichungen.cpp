#include "steps/Gleichungen.h"

#include <cmath>
#include <limits>
#include <numbers>

#include "algebra/Vereinfachung.h"
#include "output/Ausgabe.h"
#include "plattform/Oberflaeche.h"
#include "steps/Nullstel.h"
#include "term/Fehler.h"
#include "term/Mengen.h"
#include "term/Parameter.h"
#include "term/Punktlisten.h"
#include "term/TermManager.h"
#include "term/Termarithmetik.h"
#include "term/Terme.h"

namespace zol {

namespace {

// T is negative at the probe point p (nil: no probe); the value is taken whether or not it is defined.
bool NegativBei(TTerm* T, TTerm* p) {
    if (!p) return false;
    bool definiert = false;
    const Extended x = p->Wert(0, definiert);
    return T->Wert(x, definiert) < 0;
}

} // namespace

void UntersucheVorzeichen(TTerm* T, TIntervall* M, TWahrheitswert& UngleichNull,
                          TWahrheitswert& NichtNegativ) {
    UngleichNull = unklar;
    NichtNegativ = unklar;
    if (!T || !M) return;
    if (T->Typrang == RangBenannt) {
        if (T->Kennung == "pi" || T->Kennung == "e") UngleichNull = NichtNegativ = wahr;
        return;
    }
    if (T->IstNull()) {
        UngleichNull = falsch;
        NichtNegativ = wahr;
        return;
    }
    // A parameter has no number as its value: no probe decides a sign that may depend on it (x - a).
    if (EnthaeltParameter(T)) return;
    if (T->IstKonstant) {
        bool definiert = false;
        const Extended v = T->Wert(0, definiert);
        if (!definiert || std::isnan(v)) return;
        UngleichNull = v == 0 ? falsch : wahr;
        NichtNegativ = v < 0 ? falsch : wahr;
        return;
    }
    TTTerm* t = AlsTTTerm(T);
    if (!t || t->IstDefiniertAuf(M) != wahr) return;
    TSListe* nullstellen = nullptr;
    uint8_t status = unklar;
    SucheNullstellen(T, M, nullstellen, false, status);
    if (status != wahr) return;
    SortiereSListe(nullstellen, true);
    UngleichNull = wahr;
    NichtNegativ = wahr;
    // Only the zeros in M cut M into the open intervals that are probed.
    TRand links = M->LinkerRand;
    links.Offen = true;
    for (Int32 i = 1; nullstellen && i <= nullstellen->Anzahl; ++i) {
        TTerm* z = nullstellen->Stellen[i]->Punkt;
        if (!ImIntervall(z, M)) continue;
        UngleichNull = falsch;
        auto* teil = Neu<TIntervall>(links, TRand{z, true});
        if (NichtNegativ == wahr && !IstLeeresIntervall(teil) && NegativBei(T, PunktImIntervall(teil)))
            NichtNegativ = falsch;
        links = TRand{z, true};
    }
    auto* letztes = Neu<TIntervall>(links, TRand{M->RechterRand.Wert, true});
    if (UngleichNull == wahr) letztes = M;
    if (NichtNegativ == wahr && !IstLeeresIntervall(letztes) && NegativBei(T, PunktImIntervall(letztes)))
        NichtNegativ = falsch;
}

namespace {

// The value of a constant term; false when it has none.
bool EndlicherWert(TTerm* T, Extended& w) {
    bool definiert = false;
    w = T ? T->Wert(0, definiert) : 0;
    return T && definiert && std::isfinite(w);
}

// Lets the event loop run; a user abort ends the solving.
void PruefeAbbruch() {
    Oberflaeche().VerarbeiteNachrichten();
    if (BenutzerAbbruch) throw EBenutzerAbbruch("Abbruch durch Benutzer");
}

// A bound shifted by d, closed.
TRand Verschobener(TTerm* Rand, Int64 d) {
    TTerm* t = ArOp(Rand, RationaleKonstante(TBruch{d, 1}), '+');
    VereinfacheKonstantenTerm(t);
    return TRand{t, false};
}

// I with each missing bound replaced: [-4; 4] when both are missing, [a; a+8] or [b-8; b] when one is. The
// result is a new interval; nil stands for the whole line.
TIntervall* Suchfenster(TIntervall* I) {
    TRand links = I ? I->LinkerRand : UnendlichRand, rechts = I ? I->RechterRand : UnendlichRand;
    if (!links.Wert && !rechts.Wert) {
        links = TRand{RationaleKonstante(TBruch{-4, 1}), false};
        rechts = TRand{Vier, false};
    } else if (!rechts.Wert) {
        rechts = Verschobener(links.Wert, 8);
    } else if (!links.Wert) {
        links = Verschobener(rechts.Wert, -8);
    }
    return Neu<TIntervall>(links, rechts);
}

constexpr Extended GroessterStartindex = 1e9L;

} // namespace

void LoesePeriodischeGleichung(TTerm* u, TTerm* c, TIntervall* I, bool Kommentar, TSListe*& Liste) {
    Liste = NeueLeereListe();
    TTTerm* loesbar = AlsTTTerm(u);
    if (!loesbar || !c) return;
    if (!c->IstKonstant) {
        if (Kommentar) SchreibeZeile("Rechte Seite nicht konstant.");
        return;
    }
    TIntervall* fenster = Suchfenster(I);
    if (Kommentar && (!I || !I->LinkerRand.Wert || !I->RechterRand.Wert)) {
        Schreibe("Beschränkung auf das Intervall ");
        SchreibeMengeZeile(fenster);
    }
    // The start index comes from u at the lower bound, or at the upper one where u has no value below.
    Extended cw = 0, a = 0, b = 0;
    bool definiert = false;
    Extended ua = 0;
    if (EndlicherWert(c, cw) && EndlicherWert(fenster->LinkerRand.Wert, a) &&
        EndlicherWert(fenster->RechterRand.Wert, b)) {
        ua = u->Wert(a, definiert);
        if (!definiert || !std::isfinite(ua)) ua = u->Wert(b, definiert);
    }
    if (!definiert || !std::isfinite(ua)) {
        if (Kommentar) SchreibeZeile("Funktion oder Konstante nicht definiert.");
        return;
    }
    const Extended zweiPi = 2 * std::numbers::pi_v<Extended>;
    const Extended start = std::trunc((ua - cw) / zweiPi);
    if (!std::isfinite(start) || std::fabs(start) > GroessterStartindex) return;
    const auto k0 = static_cast<Int64>(start);

    TWechsel<Int32> einzug(Einrueckung, Einrueckung + Einzug);
    // One pass: the solutions of u(x) = c + 2k*pi in the window; true when it added a point.
    auto durchlauf = [&](Int64 k) {
        PruefeAbbruch();
        TTerm* t = ArOp(c, ArOp(RationaleKonstante(TBruch{2 * k, 1}), KonstantePi(), '*'), '+');
        VereinfacheKonstantenTerm(t);
        TSListe* teil = nullptr;
        uint8_t status = unklar;
        loesbar->LoeseGleichung(t, fenster, Kommentar, status, teil);
        const Int32 vorher = Liste->Anzahl;
        for (Int32 i = 1; teil && i <= teil->Anzahl && Liste->Anzahl < MaxStellen; ++i) {
            Extended x = 0;
            if (EndlicherWert(teil->Stellen[i]->Punkt, x) && ImIntervall(teil->Stellen[i]->Punkt, fenster))
                StelleEinfuegen(teil->Stellen[i], Liste, false);
        }
        return Liste->Anzahl > vorher;
    };
    // k0 is rounded towards zero, so the solutions of a monotonic u may begin one index further: the first
    // two passes of each direction are made, then it stops at the first pass that adds no point.
    auto richtung = [&](Int64 k, Int64 schritt) {
        for (Int32 leer = 0; leer < 2 && Liste->Anzahl < MaxStellen; k += schritt)
            leer = durchlauf(k) ? 1 : leer + 1;
    };
    richtung(k0, 1);
    richtung(k0 - 1, -1);
}

bool VergleicheGanzteil(Int32& n, Double x, Double y) {
    n = 0;
    if (!(x * y > 0)) return true;
    const Double ganz = std::trunc(std::fabs(y));
    n = ganz >= Double(std::numeric_limits<Int32>::max()) ? std::numeric_limits<Int32>::max() : Int32(ganz);
    return n >= std::fabs(x);
}

} // namespace zol
