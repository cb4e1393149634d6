#include "plattform/Oberflaeche.h"

#include <chrono>
#include <cstdio>
#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <netdb.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace zol {

namespace {
TKonsolenOberflaeche KonsolenHost;
TOberflaeche* AktuellerHost = &KonsolenHost;

// Waits until fd is ready for `ereignis` or the deadline passes.
bool Warte(int fd, short ereignis, std::chrono::steady_clock::time_point frist) {
    for (;;) {
        auto rest = std::chrono::duration_cast<std::chrono::milliseconds>(frist - std::chrono::steady_clock::now());
        if (rest.count() <= 0) return false;
        pollfd p{fd, ereignis, 0};
        int r = poll(&p, 1, static_cast<int>(rest.count()));
        if (r > 0) return (p.revents & ereignis) != 0 && (p.revents & (POLLERR | POLLHUP | POLLNVAL)) == 0;
        if (r == 0) return false;
        if (errno != EINTR) return false;
    }
}

bool VerbindeUndSende(const addrinfo* a, const std::string& zeile, std::chrono::steady_clock::time_point frist) {
    int fd = socket(a->ai_family, a->ai_socktype | SOCK_NONBLOCK | SOCK_CLOEXEC, a->ai_protocol);
    if (fd < 0) return false;
    bool ok = false;
    if (connect(fd, a->ai_addr, a->ai_addrlen) == 0 || errno == EINPROGRESS) {
        if (Warte(fd, POLLOUT, frist)) {
            int fehler = 0;
            socklen_t laenge = sizeof fehler;
            if (getsockopt(fd, SOL_SOCKET, SO_ERROR, &fehler, &laenge) == 0 && fehler == 0) {
                size_t gesendet = 0;
                ok = true;
                while (gesendet < zeile.size()) {
                    ssize_t n = send(fd, zeile.data() + gesendet, zeile.size() - gesendet, MSG_NOSIGNAL);
                    if (n > 0) {
                        gesendet += static_cast<size_t>(n);
                    } else if (n < 0 && (errno == EAGAIN || errno == EINTR) && Warte(fd, POLLOUT, frist)) {
                        continue;
                    } else {
                        ok = false;
                        break;
                    }
                }
            }
        }
    }
    close(fd);
    return ok;
}
} // namespace

void TKonsolenOberflaeche::Meldung(TMeldungsart art, const std::string& text) {
    std::fprintf(stderr, "%s: %s\n", art == TMeldungsart::Warnung ? "Warnung" : "Information", text.c_str());
}

void TKonsolenOberflaeche::DebugAusgabe(const std::string& text) { std::fprintf(stderr, "%s\n", text.c_str()); }

int64_t TKonsolenOberflaeche::Millisekunden() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

bool TKonsolenOberflaeche::SendeZeile(const std::string& host, uint16_t port, const std::string& text) {
    return SendeTcpZeile(host, port, text, 1000);
}

bool SendeTcpZeile(const std::string& host, uint16_t port, const std::string& text, int timeoutMs) {
    auto frist = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    addrinfo hinweis{};
    hinweis.ai_family = AF_UNSPEC;
    hinweis.ai_socktype = SOCK_STREAM;
    addrinfo* liste = nullptr;
    std::string dienst = std::to_string(port);
    if (getaddrinfo(host.c_str(), dienst.c_str(), &hinweis, &liste) != 0) return false;
    std::string zeile = text + "\r\n";
    bool ok = false;
    for (const addrinfo* a = liste; a && !ok; a = a->ai_next) ok = VerbindeUndSende(a, zeile, frist);
    freeaddrinfo(liste);
    return ok;
}

TOberflaeche& Oberflaeche() { return *AktuellerHost; }

TOberflaeche* SetzeOberflaeche(TOberflaeche* neu) {
    TOberflaeche* alt = AktuellerHost;
    AktuellerHost = neu ? neu : &KonsolenHost;
    return alt;
}

} // namespace zol
