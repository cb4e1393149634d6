// Ownership of everything a request creates.
//
// Terms, piecewise terms, sets, point lists and normal forms are allocated through Neu<T>(...) into the
// current arena. The request arena is emptied as a whole at the start of the next request; objects built
// while a DauerhaftAnlegen guard is active (the shared constants) go into the permanent arena instead and
// live for the whole run. Nothing is freed singly.
#pragma once

#include <cstddef>
#include <cstdint>
#include <new>
#include <memory>
#include <utility>
#include <vector>

namespace zol {

// Base of every object that an arena can own.
class TArenaObjekt {
public:
    virtual ~TArenaObjekt() = default;
};

class TArena {
public:
    // Builds a T in the arena. Small objects lie one after the other in blocks of memory that go back as a
    // whole, so that a request of a million terms does not pay the allocator twice for each of them; a
    // large object (and every object under AddressSanitizer, which then sees each one) gets memory of its
    // own.
    template <class T, class... A> T* Baue(A&&... argumente) {
        static_assert(alignof(T) <= Ausrichtung);
        T* objekt = nullptr;
        if (Einzeln(sizeof(T))) {
            objekt = new T(std::forward<A>(argumente)...);
            Objekte.push_back(Markiert(objekt));
        } else {
            // A constructor that throws leaves its place unused until the arena is emptied: the objects it
            // built meanwhile lie behind it.
            objekt = new (Platz(sizeof(T))) T(std::forward<A>(argumente)...);
            Objekte.push_back(objekt);
        }
        Bytes += sizeof(T) + sizeof(void*);
        return objekt;
    }
    // Counts n further bytes that the arena's objects hold (their texts).
    void Zaehle(size_t n) { Bytes += n; }
    // Frees every object, newest first, and the memory that held them.
    void Leeren();
    // The arena's state at a moment, to go back to with LeerenBis.
    struct TMarke {
        size_t Anzahl, Bytes, Block;
        char* Oben;
    };
    TMarke Marke() const { return {Objekte.size(), Bytes, Aktuell, Oben}; }
    // Frees the objects built since the mark was taken, newest first, and their memory.
    void LeerenBis(const TMarke& m);
    size_t Anzahl() const { return Objekte.size(); }
    // The bytes the arena's objects hold, as counted since it was last emptied.
    size_t Belegt() const { return Bytes; }
    TArena() = default;
    TArena(const TArena&) = delete;
    TArena& operator=(const TArena&) = delete;
    ~TArena() { Leeren(); }

private:
    static constexpr size_t Ausrichtung = alignof(std::max_align_t);
    static constexpr size_t Blockgroesse = size_t(1) << 18;

    // An object with memory of its own is kept with its lowest address bit set.
    static TArenaObjekt* Markiert(TArenaObjekt* o) {
        return reinterpret_cast<TArenaObjekt*>(reinterpret_cast<uintptr_t>(o) | 1);
    }
    static bool Einzeln(size_t groesse) {
#if defined(__SANITIZE_ADDRESS__)
        return (void)groesse, true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
        return (void)groesse, true;
#else
        return groesse > Blockgroesse / 16;
#endif
#else
        return groesse > Blockgroesse / 16;
#endif
    }
    // The next Groesse bytes of the current block, a new block when it is full.
    void* Platz(size_t groesse) {
        groesse = (groesse + Ausrichtung - 1) & ~(Ausrichtung - 1);
        if (Bloecke.empty() || size_t(Ende - Oben) < groesse) NaechsterBlock();
        void* p = Oben;
        Oben += groesse;
        return p;
    }
    void NaechsterBlock();

    std::vector<TArenaObjekt*> Objekte;
    // The blocks, the current one being Bloecke[Aktuell]; those after it are empty and used next.
    std::vector<std::unique_ptr<char[]>> Bloecke;
    size_t Aktuell = 0;
    char* Oben = nullptr;
    char* Ende = nullptr;
    size_t Bytes = 0;
};

// Gives the memory the allocator holds free back to the system (glibc's malloc_trim), so that the process
// does not keep the peak of a large request: called when a request has ended.
void GibFreienSpeicherZurueck();

TArena& AnfrageArena();
TArena& DauerArena();
// The arena that Neu allocates into.
TArena& AktuelleArena();
// True while objects are built permanently.
bool DauerhaftAktiv();

// While it lives, Neu allocates into the permanent arena.
class DauerhaftAnlegen {
public:
    DauerhaftAnlegen();
    ~DauerhaftAnlegen();
    DauerhaftAnlegen(const DauerhaftAnlegen&) = delete;
    DauerhaftAnlegen& operator=(const DauerhaftAnlegen&) = delete;

private:
    bool Vorher;
};

template <class T, class... A> T* Neu(A&&... argumente) {
    return AktuelleArena().template Baue<T>(std::forward<A>(argumente)...);
}

} // namespace zol
