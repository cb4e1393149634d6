#include "term/Arena.h"

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace zol {

namespace {
bool Dauerhaft = false;
}

void TArena::Leeren() {
    LeerenBis(0, 0);
    std::vector<std::unique_ptr<TArenaObjekt>>().swap(Objekte);
}

void TArena::LeerenBis(size_t n, size_t belegt) {
    // Newest first, so that an object is destroyed before what it was built from.
    while (Objekte.size() > n) Objekte.pop_back();
    Bytes = belegt;
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
