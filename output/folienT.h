// Layout objects (folien): every piece of output (a word, a term, a fraction bar, a bracket, a root or an
// integral sign) knows its box and draws itself at the pen of the current canvas Leinwand().
//
// Folien are measured when they are built, placed relative to each other by the placement operations,
// combined into rows (TListenFolie) and overlays (TSammelFolie), and drawn later. A list owns its
// children; appending a child discards the child's box, so a child is never moved or measured again.
// Sizes of type and spacing are points, turned into pixels by PunktZuPixel.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "output/BoxesT.h"

namespace zol {

// Kind tags of the layout classes.
constexpr uint8_t ArtFolie = 1;
constexpr uint8_t ArtListenFolie = 2;
constexpr uint8_t ArtSammelFolie = 3;
constexpr uint8_t ArtZeichen = 5;
constexpr uint8_t ArtAFolie = 17;
constexpr uint8_t ArtKlammer = 165;
constexpr uint8_t ArtZeichenfigur = 167;
constexpr uint8_t ArtLinie = 170;

// Points to pixels by the pixels per inch of Leinwand().
Int32 PunktZuPixel(Double pt);
// Moves the pen of Leinwand() by (dx, dy).
void BewegeStift(Int32 dx, Int32 dy);

class TFolie0 {
public:
    explicit TFolie0(uint8_t art) : Art(art) {}
    virtual ~TFolie0() = default;
    TFolie0(const TFolie0&) = delete;
    TFolie0& operator=(const TFolie0&) = delete;

    const uint8_t Art;

    virtual void Zeichne() = 0;
    // The characters of the folie's texts and character codes in drawing order (strokes give nothing).
    virtual std::string Klartext() const { return ""; }
};

class TFolie : public TFolie0 {
public:
    explicit TFolie(Single groesse) : TFolie(ArtFolie, groesse) {}

    Int32 dx = 0; // drawing offset from the pen
    Int32 dy = 0;
    std::unique_ptr<TBox> Box; // null once the folie has been appended to a list
    Single Groesse;            // type size in points

    // Draws at pen + (dx, dy) and leaves the pen on the baseline it started on; the horizontal advance
    // that the drawing caused stays.
    void Zeichne() final;
    void GeheZuStart();
    void GeheZurueck();

    virtual void Verschiebe(Int32 dx, Int32 dy);

    // Placement. Edges are those of this folie's box (left at LinksAbstand, right at LinksAbstand +
    // Breite, top at -Oben, bottom at Unten), or of F's box where F is named. Nothing moves when F is
    // missing or has no box any more.
    void ZentriereHorizontal(Int32 x);
    void ZentriereVertikal(Int32 y);
    void RechtsAn(Int32 x, Int32 Abstand);
    void LinksAn(Int32 x, Int32 Abstand);
    void ObenAn(Int32 y, Int32 Abstand);
    void UntenAn(Int32 y, Int32 Abstand);
    void ZentriereHorizontalZu(const TFolie* F);
    void ZentriereVertikalZu(const TFolie* F);
    void RechtsNeben(const TFolie* F, Int32 Abstand);
    void LinksNeben(const TFolie* F, Int32 Abstand);
    void Unter(const TFolie* F, Int32 Abstand);
    void Ueber(const TFolie* F, Int32 Abstand);
    void StartpunktNach(Int32 x, Int32 y);
    void EndpunktNach(Int32 x, Int32 y);
    void StartpunktWie(const TFolie* F);

protected:
    TFolie(uint8_t art, Single groesse);
    // The drawing itself, with the pen at the folie's drawing origin.
    virtual void ZeichneHier() {}
};

// One character; codes of 1000 and above are glyphs of the old Symbol font (ZeichenText).
class TZeichen : public TFolie {
public:
    TZeichen(uint16_t code, Single groesse);
    uint16_t Code;
    std::string Klartext() const override { return ZeichenText(Code); }

protected:
    void ZeichneHier() override;
};

// A plain text (UTF-8) without markup.
class TAFolie : public TFolie {
public:
    TAFolie(const std::string& text, Single groesse);
    std::string Text;
    std::string Klartext() const override { return Text; }

protected:
    void ZeichneHier() override;
};

// A row: the children are drawn one after another, each from where the previous one left the pen.
class TListenFolie : public TFolie {
public:
    explicit TListenFolie(Single groesse) : TListenFolie(ArtListenFolie, groesse) {}

    std::vector<std::unique_ptr<TFolie>> Liste;

    // Takes the child, extends this box by the child's box, places the child relative to this folie's
    // offset and discards the child's box. A missing child is ignored.
    void FuegeAn(std::unique_ptr<TFolie> Kind);
    virtual void ErweitereBox(const TBox& b);
    std::string Klartext() const override;

protected:
    TListenFolie(uint8_t art, Single groesse);
    void ZeichneHier() override;
};

// An overlay: every child is drawn from the same origin; afterwards the pen moves right by Vorschub.
class TSammelFolie : public TListenFolie {
public:
    explicit TSammelFolie(Single groesse) : TListenFolie(ArtSammelFolie, groesse) {}

    Int32 Vorschub = 0;
    void ErweitereBox(const TBox& b) override;

protected:
    void ZeichneHier() override;
};

// A straight stroke from the pen by (StrichX, StrichY).
class TLinie : public TFolie {
public:
    TLinie(Int32 strichX, Int32 strichY, Single groesse);
    Int32 StrichX;
    Int32 StrichY;
    Single Dicke;

protected:
    void ZeichneHier() override;
};

// A round or square bracket of the given height above the pen; the pen does not move.
class TKlammer : public TFolie {
public:
    TKlammer(Int32 hoehe, bool oeffnend, bool eckig, Single groesse);
    Int32 Hoehe;
    bool Oeffnend;
    bool Eckig;

protected:
    void ZeichneHier() override;
};

// A curly brace; the closing one mirrors the opening one.
class TGeschweifteKlammer : public TKlammer {
public:
    using TKlammer::TKlammer;

protected:
    void ZeichneHier() override;
};

// A root sign whose bar spans Breite; the index is written by WurzelFolie, not here.
class TWurzelZeichen : public TFolie {
public:
    TWurzelZeichen(Int32 hoehe, Int32 breite, Int32 index, Single groesse);
    Int32 Hoehe;
    Int32 Breite;
    Int32 Index;

protected:
    void ZeichneHier() override;
};

// An integral sign; its start point (lower left) takes the lower bound, its end point (upper right) the
// upper bound.
class TIntegralZeichen : public TFolie {
public:
    explicit TIntegralZeichen(Single groesse);
    Int32 Hoehe;
    Int32 Bogenbreite;
    Int32 Bogenhoehe;

protected:
    void ZeichneHier() override;
};

// Formula builders. Each takes ownership of the folien passed to it.

// A text with markup: "*i<...>" is an index, "*u<...>" is underlined, each closed by the matching ">".
// Without markup a plain TAFolie; null when the markup is not closed.
std::unique_ptr<TFolie> TextFolie(const std::string& Text, Single G);
// F in round or square brackets.
std::unique_ptr<TSammelFolie> KlammerFolie(std::unique_ptr<TFolie> F, bool Eckig, Single G);
// F between two vertical bars.
std::unique_ptr<TSammelFolie> BetragFolie(std::unique_ptr<TFolie> F, bool Unbenutzt, Single G);
// Z over N with a fraction bar; the size is Z's.
std::unique_ptr<TSammelFolie> BruchFolie(std::unique_ptr<TFolie> Z, std::unique_ptr<TFolie> N);
// The root of index n over F (the index is shown when n is not 2); the size is F's.
std::unique_ptr<TSammelFolie> WurzelFolie(std::unique_ptr<TFolie> F, Int32 n);
// Two or three rows (B may be missing) with an opening curly brace on the left; the size is A's.
std::unique_ptr<TSammelFolie> GeschweifteKlammerFolie(std::unique_ptr<TFolie> A, std::unique_ptr<TFolie> B,
                                                      std::unique_ptr<TFolie> C);

} // namespace zol
