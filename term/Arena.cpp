#include "term/Arena.h"

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace zol {

namespace {
bool Dauerhaft = false;
}

void TArena::Leeren() {
    LeerenBis(TMarke{0, 0, 0, nullptr});
    std::vector<TArenaObjekt*>().swap(Objekte);
    std::vector<std::unique_ptr<char[]>>().swap(Bloecke);
    Aktuell = 0;
    Oben = Ende = nullptr;
}

void TArena::LeerenBis(const TMarke& m) {
    // Newest first, so that an object is destroyed before what it was built from.
    while (Objekte.size() > m.Anzahl) {
        const uintptr_t o = reinterpret_cast<uintptr_t>(Objekte.back());
        Objekte.pop_back();
        if (o & 1)
            delete reinterpret_cast<TArenaObjekt*>(o & ~uintptr_t(1));
        else
            reinterpret_cast<TArenaObjekt*>(o)->~TArenaObjekt();
    }
    // The blocks are filled in order: what lies behind the mark is free again.
    if (m.Oben) {
        Aktuell = m.Block;
        Oben = m.Oben;
        Ende = Bloecke[Aktuell].get() + Blockgroesse;
    } else if (!Bloecke.empty()) {
        Aktuell = 0;
        Oben = Bloecke[0].get();
        Ende = Oben + Blockgroesse;
    }
    Bytes = m.Bytes;
}

void TArena::NaechsterBlock() {
    if (!Bloecke.empty() && Aktuell + 1 < Bloecke.size()) {
        ++Aktuell;
    } else {
        Bloecke.push_back(std::make_unique_for_overwrite<char[]>(Blockgroesse));
        Aktuell = Bloecke.size() - 1;
    }
    Oben = Bloecke[Aktuell].get();
    Ende = Oben + Blockgroesse;
}

void GibFreienSpeicherZurueck() {
#if defined(__GLIBC__)
    malloc_trim(0);
#endif
}

TArena& AnfrageArena() {
    static TArena arena;
    return arena;
}

TArena& DauerArena() {
    static TArena arena;
    return arena;
}

TArena& AktuelleArena() {
    return Dauerhaft ? DauerArena() : AnfrageArena();
}

bool DauerhaftAktiv() {
    return Dauerhaft;
}

DauerhaftAnlegen::DauerhaftAnlegen() : Vorher(Dauerhaft) {
    Dauerhaft = true;
}
DauerhaftAnlegen::~DauerhaftAnlegen() {
    Dauerhaft = Vorher;
}

} // namespace zol
