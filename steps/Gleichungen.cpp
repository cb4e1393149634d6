#include "steps/Gleichungen.h"

#include <cmath>

#include "steps/Nullstel.h"
#include "term/Fehler.h"
#include "term/Mengen.h"
#include "term/Punktlisten.h"
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

void LoesePeriodischeGleichung(TTerm*, TTerm*, TIntervall*, bool, TSListe*&) {
    NochNichtGebaut("LoesePeriodischeGleichung");
}

void BestimmungDerSchnittstellen(bool) {
    NochNichtGebaut("BestimmungDerSchnittstellen");
}

} // namespace zol
