// JPEG pictures decoded through libjpeg.
#pragma once

#include <QByteArray>
#include <QImage>

#include <string>

namespace zol {

// Pictures larger than this on a side are not decoded.
constexpr int JpegHoechstmass = 8192;

// The picture in the JPEG data as an RGB image; a null image when the data is no JPEG picture libjpeg
// can read (Fehler, when given, then gets libjpeg's message).
QImage JpegDekodieren(const QByteArray& Daten, std::string* Fehler = nullptr);

} // namespace zol
