#include "app/JpegBild.h"

#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <vector>

#include <jpeglib.h>

namespace zol {

namespace {

// libjpeg ends a failed decoding by calling error_exit, which must not return: it jumps back to the
// decoding function with the message.
struct TJpegFehler {
    jpeg_error_mgr Basis;
    std::jmp_buf Sprung;
    char Meldung[JMSG_LENGTH_MAX];
};

void Fehlerausgang(j_common_ptr info) {
    auto* fehler = reinterpret_cast<TJpegFehler*>(info->err);
    (*info->err->format_message)(info, fehler->Meldung);
    std::longjmp(fehler->Sprung, 1);
}

// Warnings (a picture that ends early, say) are not printed; the picture is still shown.
void KeineAusgabe(j_common_ptr) {}

struct TRohbild {
    int Breite = 0;
    int Hoehe = 0;
    std::vector<unsigned char> Pixel; // RGB, rows without padding
};

// Between setjmp and the jump only libjpeg's C frames lie below this function, and its own locals have
// trivial destructors, so the jump skips nothing that needs cleaning up. Bild belongs to the caller.
bool DekodiereRoh(const unsigned char* daten, unsigned long laenge, TRohbild* bild, char* meldung) {
    jpeg_decompress_struct info;
    TJpegFehler fehler;
    std::memset(&info, 0, sizeof info);
    info.err = jpeg_std_error(&fehler.Basis);
    fehler.Basis.error_exit = Fehlerausgang;
    fehler.Basis.output_message = KeineAusgabe;
    fehler.Meldung[0] = '\0';
    if (setjmp(fehler.Sprung) != 0) {
        jpeg_destroy_decompress(&info);
        std::memcpy(meldung, fehler.Meldung, JMSG_LENGTH_MAX);
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, daten, laenge);
    jpeg_read_header(&info, TRUE);
    info.out_color_space = JCS_RGB;
    if (info.image_width > JpegHoechstmass || info.image_height > JpegHoechstmass) {
        jpeg_destroy_decompress(&info);
        std::snprintf(meldung, JMSG_LENGTH_MAX, "Bild zu groß");
        return false;
    }
    jpeg_start_decompress(&info);
    bild->Breite = int(info.output_width);
    bild->Hoehe = int(info.output_height);
    const size_t zeilenlaenge = size_t(info.output_width) * 3;
    bild->Pixel.assign(zeilenlaenge * info.output_height, 0);
    while (info.output_scanline < info.output_height) {
        JSAMPROW zeile = bild->Pixel.data() + size_t(info.output_scanline) * zeilenlaenge;
        jpeg_read_scanlines(&info, &zeile, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return true;
}

} // namespace

QImage JpegDekodieren(const QByteArray& Daten, std::string* Fehler) {
    TRohbild roh;
    char meldung[JMSG_LENGTH_MAX] = {};
    if (Daten.isEmpty() || !DekodiereRoh(reinterpret_cast<const unsigned char*>(Daten.constData()),
                                         static_cast<unsigned long>(Daten.size()), &roh, meldung)) {
        if (Fehler != nullptr) *Fehler = Daten.isEmpty() ? "Keine Daten" : meldung;
        return {};
    }
    QImage bild(roh.Breite, roh.Hoehe, QImage::Format_RGB888);
    const size_t zeilenlaenge = size_t(roh.Breite) * 3;
    for (int y = 0; y < roh.Hoehe; ++y)
        std::memcpy(bild.scanLine(y), roh.Pixel.data() + size_t(y) * zeilenlaenge, zeilenlaenge);
    return bild;
}

} // namespace zol
