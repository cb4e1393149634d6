// The geometric objects of space: vectors, points, lines and the coordinate axes. Each draws itself onto
// the current canvas through the current projection (geometry/Projektionen) and the world-to-pixel
// primitives (output/Weltzeichnung).
//
// An object keeps the values of its coordinates, evaluated once when it is made, never the terms: the
// terms of a request are freed when the next one starts, the objects live until the program ends. A
// point's image is fixed when it is made; a line projects its direction at every drawing.
//
// The unit has its own namespace, as its TPunkt is not the canvas's pixel point.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <utility>

#include "geometry/Projektionen.h"
#include "output/Grafikdaten.h"

namespace zol {

class TTerm;

namespace Vektoren {

// The first six characters of a name (never cut inside a UTF-8 character).
std::string KurzName(const std::string& Name);

class TGeometrischesObjekt {
public:
    explicit TGeometrischesObjekt(const std::string& Name) : Name(KurzName(Name)) {}
    virtual ~TGeometrischesObjekt() = default;
    TGeometrischesObjekt(const TGeometrischesObjekt&) = delete;
    TGeometrischesObjekt& operator=(const TGeometrischesObjekt&) = delete;

    virtual void Zeichne() = 0;

    std::string Name;
    // The low 16 bits of a colour; the drawing does not use it.
    uint16_t Farbe = 0;
};

class TVektor : public TGeometrischesObjekt {
public:
    // Evaluates the terms now; a coordinate without a value leaves the vector undefined.
    TVektor(const std::string& Name, TTerm* X, TTerm* Y, TTerm* Z);
    TVektor(const std::string& Name, const TRaumvektor& Koordinaten, bool Definiert);

    // The coordinates; true only when all three have values.
    bool Werte(TRaumvektor& Punkt) const;
    void Zeichne() override {}

private:
    TRaumvektor Koordinaten{};
    bool Definiert = false;
};

class TPunkt : public TVektor {
public:
    // Projects the point now, when all its coordinates have values.
    TPunkt(const std::string& Name, TTerm* X, TTerm* Y, TTerm* Z);

    // The point on the graph's terms: image coordinates and name.
    void HolePunktDaten(TGrafikPunkt& P) const;
    // Marks the point and its name, when it has an image.
    void Zeichne() override;

    Extended BildX = 0;
    Extended BildY = 0;
    bool HatBild = false;
};

class TGerade : public TGeometrischesObjekt {
public:
    TGerade(const std::string& Name, TPunkt* Punkt, TVektor* Richtung);
    // The line through P whose direction is P - Q, a new vector named Name + ".u".
    static TGerade* CreateZweiPunkte(const std::string& Name, TPunkt* P, TPunkt* Q);

    // The ends of the part of the projected line inside the range of KartenDaten, from the end against the
    // direction to the end along it. Not visible when the direction or the support point has no image,
    // the direction's image is null, or the line misses the range.
    void SichtbarerAbschnitt(Extended& x1, Extended& y1, Extended& x2, Extended& y2, bool& Sichtbar) const;
    // The visible part as a line, then the support point.
    void Zeichne() override;

    TPunkt* Punkt;
    TVektor* Richtung;
};

class TAchse : public TGerade {
public:
    using TGerade::TGerade;
    // The visible part as an arrow towards the positive direction, then the support point.
    void Zeichne() override;
};

// Keeps an object until the program ends and returns it.
TGeometrischesObjekt* Behalte(std::unique_ptr<TGeometrischesObjekt> Objekt);
template <class T, class... A> T* NeuesObjekt(A&&... a) {
    return static_cast<T*>(Behalte(std::make_unique<T>(std::forward<A>(a)...)));
}

// The coordinate system: the base point "0" at (0, 0, 1), the unit vectors "i", the axes "x", "y", "z"
// through the base point. Its image is that under the projection current at the start, (0, 0).
extern TPunkt* Ursprung;
extern TVektor* EinheitsvektorX;
extern TVektor* EinheitsvektorY;
extern TVektor* EinheitsvektorZ;
extern TAchse* AchseX;
extern TAchse* AchseY;
extern TAchse* AchseZ;

// Builds the coordinate system once (the shared constant terms must exist). Idempotent.
void InitialisiereGeometrie();
// Draws the axes x, y, z.
void ZeichneAchsen();

} // namespace Vektoren
} // namespace zol
