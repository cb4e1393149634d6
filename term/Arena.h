// Ownership of everything a request creates.
//
// Terms, piecewise terms, sets, point lists and normal forms are allocated through Neu<T>(...) into the
// current arena. The request arena is emptied as a whole at the start of the next request; objects built
// while a DauerhaftAnlegen guard is active (the shared constants) go into the permanent arena instead and
// live for the whole run. Nothing is freed singly.
#pragma once

#include <cstddef>
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
    template <class T> T* Aufnehmen(std::unique_ptr<T> objekt) {
        T* roh = objekt.get();
        Objekte.push_back(std::move(objekt));
        Bytes += sizeof(T) + sizeof(std::unique_ptr<T>);
        return roh;
    }
    // Counts n further bytes that the arena's objects hold (their texts).
    void Zaehle(size_t n) { Bytes += n; }
    // Frees every object, newest first, and the list that held them.
    void Leeren();
    // Frees the objects beyond the first n, newest first; Belegt() was belegt when there were n.
    void LeerenBis(size_t n, size_t belegt);
    size_t Anzahl() const { return Objekte.size(); }
    // The bytes the arena's objects hold, as counted since it was last emptied.
    size_t Belegt() const { return Bytes; }
    ~TArena() { Leeren(); }

private:
    std::vector<std::unique_ptr<TArenaObjekt>> Objekte;
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
    return AktuelleArena().Aufnehmen(std::make_unique<T>(std::forward<A>(argumente)...));
}

} // namespace zol
