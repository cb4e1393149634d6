// Projections of space onto the image plane: a parallel projection along a direction or a central
// projection from a centre, onto the plane through Stuetzpunkt spanned by xAchse and yAchse; the vector
// operations they need; and drawing of space points through the current projection.
//
// All computation is in Extended; every test against zero is an exact comparison with 0.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "term/Grundtypen.h"

namespace zol {

// A vector (or point) of space: x, y, z.
using TRaumvektor = std::array<Extended, 3>;

constexpr uint8_t Parallelprojektion = 0;
constexpr uint8_t Zentralprojektion = 1;

// Richtung is the direction of a parallel projection and the centre of a central one.
struct TProjektion {
    uint8_t Typ = Parallelprojektion;
    TRaumvektor Richtung{};
    TRaumvektor Stuetzpunkt{};
    TRaumvektor xAchse{};
    TRaumvektor yAchse{};
    bool operator==(const TProjektion&) const = default;
};

// The projection every drawing uses; the xy plane (item 1 of the presets) at the start.
extern TProjektion AktuelleProjektion;
// The projection that was current when the projection dialog was opened.
extern TProjektion SicherungsProjektion;
// The six presets: item k of the dialog's list is VordefinierteProjektionen[k - 1].
extern const std::array<TProjektion, 6> VordefinierteProjektionen;

bool IstNullvektor(const TRaumvektor& v);
Extended Betrag(const TRaumvektor& v);
// The cross product is the null vector (exactly).
bool IstKollinear(const TRaumvektor& a, const TRaumvektor& b);
// (a x b) . c
Extended Determinante(const TRaumvektor& a, const TRaumvektor& b, const TRaumvektor& c);
bool IstKomplanar(const TRaumvektor& a, const TRaumvektor& b, const TRaumvektor& c);
// Divides v by its length; for the null vector the warning "Versuch,Nullvektor zu normieren!" and v stays.
void Normiere(TRaumvektor& v);

// The image (x, y) of P under AktuelleProjektion; false, with x and y unchanged, when P has none: when the
// projecting line through P is parallel to the image plane (counted for the warning below) or the image is
// not finite.
bool Projiziere(const TRaumvektor& P, Extended& x, Extended& y);

// One drawing (or creation of points): a point in it that cannot be projected because its projecting
// line is parallel to the image plane gives the warning "Projektionsgerade parallel zur Bildebene!" once,
// at Abschliessen, and only when Melden is set. A scope opened inside another passes what it found on to
// the outer one. Without an open scope Projiziere warns at once.
class TProjektionsmeldung {
public:
    explicit TProjektionsmeldung(bool Melden);
    ~TProjektionsmeldung();
    TProjektionsmeldung(const TProjektionsmeldung&) = delete;
    TProjektionsmeldung& operator=(const TProjektionsmeldung&) = delete;

    void Abschliessen();
    bool Gescheitert = false;

private:
    bool Melden;
    TProjektionsmeldung* Aussen;
};

// An arrow from the image of A to the image of B; nothing when either has no image.
void ZeichneStrecke(const TRaumvektor& A, const TRaumvektor& B);
// Text (with markup) at the image of P; nothing when P has no image.
void ZeichneBeschriftung(const TRaumvektor& P, const std::string& Text);

} // namespace zol
