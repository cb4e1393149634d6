// A hash index with open addressing and linear probing: key, value and the key's hash in one slot, so that a
// lookup reads one place of memory where a node-based map reads a bucket, then a node. The term store's
// index of composite terms is asked at nearly every step of work, and in a long request it outgrows the
// caches.
//
// The interface is the part of std::unordered_map that the store uses: find (nil when absent), operator[],
// erase of a found entry. Any insertion may move the entries; erase moves the entries after it in their run
// back, so that every probe still finds them.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace zol {

template <class Schluessel, class Wert, class Hasher> class TOffenerIndex {
public:
    struct alignas(64) TEintrag {
        Schluessel first{};
        Wert second{};
        // 0: the slot is free (a stored hash is never 0).
        uint64_t Hash = 0;
    };
    using iterator = TEintrag*;

    iterator end() { return nullptr; }
    size_t size() const { return Anzahl; }

    iterator find(const Schluessel& s) {
        if (Eintraege.empty()) return nullptr;
        const uint64_t h = Streue(s);
        for (size_t i = h & Maske();; i = (i + 1) & Maske()) {
            TEintrag& e = Eintraege[i];
            if (e.Hash == 0) return nullptr;
            if (e.Hash == h && e.first == s) return &e;
        }
    }

    Wert& operator[](const Schluessel& s) {
        if (TEintrag* e = find(s)) return e->second;
        // At most three quarters of the slots are taken.
        if (4 * (Anzahl + 1) > 3 * Eintraege.size()) Wachse();
        const uint64_t h = Streue(s);
        size_t i = h & Maske();
        while (Eintraege[i].Hash != 0) i = (i + 1) & Maske();
        Eintraege[i] = TEintrag{s, Wert{}, h};
        ++Anzahl;
        return Eintraege[i].second;
    }

    void erase(iterator e) {
        size_t frei = size_t(e - Eintraege.data());
        Eintraege[frei].Hash = 0;
        --Anzahl;
        for (size_t j = (frei + 1) & Maske(); Eintraege[j].Hash != 0; j = (j + 1) & Maske()) {
            // The entry at j moves to the free slot unless its home lies in the cyclic range (frei; j].
            const size_t heim = Eintraege[j].Hash & Maske();
            if (((j - heim) & Maske()) >= ((j - frei) & Maske())) {
                Eintraege[frei] = Eintraege[j];
                Eintraege[j].Hash = 0;
                frei = j;
            }
        }
    }

private:
    std::vector<TEintrag> Eintraege;
    size_t Anzahl = 0;

    size_t Maske() const { return Eintraege.size() - 1; }

    // The key's hash with its bits mixed once more, for the low bits that pick the slot; never 0.
    static uint64_t Streue(const Schluessel& s) {
        uint64_t h = Hasher{}(s);
        h ^= h >> 31;
        h *= 0xbf58476d1ce4e5b9ULL;
        h ^= h >> 29;
        return h | 1;
    }

    void Wachse() {
        std::vector<TEintrag> alt(std::max<size_t>(1024, 2 * Eintraege.size()));
        alt.swap(Eintraege);
        for (const TEintrag& e : alt) {
            if (e.Hash == 0) continue;
            size_t i = e.Hash & Maske();
            while (Eintraege[i].Hash != 0) i = (i + 1) & Maske();
            Eintraege[i] = e;
        }
    }
};

} // namespace zol
