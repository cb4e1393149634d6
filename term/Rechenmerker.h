// Results of exact work that a request asks for again and again (a constant put back into arccos(x) for
// every candidate of a search), kept for the request with the steps of work they took: asked again, the
// result comes from here and its steps are counted again, so that every budget and supply ends where it
// would have ended had the work been done again. The steps kept are those of the second computation: the
// first one fills the term store and the caches, so it takes more; the second must give the same result,
// else the work is done each time. The entries go when the terms go (TTermfreigabeBeobachter).
#pragma once

#include <map>

#include "term/Arbeit.h"
#include "term/Grundtypen.h"
#include "term/TermManager.h"

namespace zol {

class TTerm;

template <class Schluessel> class TRechenmerker {
public:
    TRechenmerker() : Leeren([this] { Eintraege.clear(); }) {}
    TRechenmerker(const TRechenmerker&) = delete;
    TRechenmerker& operator=(const TRechenmerker&) = delete;

    // The result of berechne() for the key, from the entry when one is confirmed.
    template <class F> TTerm* Hole(const Schluessel& k, F&& berechne) {
        auto it = Eintraege.find(k);
        if (it != Eintraege.end() && it->second.Schritte >= 0) {
            for (Int64 i = 0; i < it->second.Schritte; ++i) Arbeitsschritt();
            return it->second.Ergebnis;
        }
        const Int64 anfang = Arbeitsschritte();
        TTerm* ergebnis = berechne();
        const Int64 schritte = Arbeitsschritte() - anfang;
        // Looked up again: the work may have changed the map.
        it = Eintraege.find(k);
        if (it == Eintraege.end())
            Eintraege.emplace(k, TEintrag{ergebnis, -1});
        else if (it->second.Ergebnis == ergebnis)
            it->second.Schritte = schritte;
        else
            it->second.Ergebnis = ergebnis;
        return ergebnis;
    }

private:
    struct TEintrag {
        TTerm* Ergebnis;
        // The steps of the second computation; -1 before it.
        Int64 Schritte;
    };
    std::map<Schluessel, TEintrag> Eintraege;
    TTermfreigabeBeobachter Leeren;
};

} // namespace zol
