// Replays inputs through a fuzz target without libFuzzer, deterministically: every file named on the
// command line, and every file below a named folder (in sorted order). An input that takes longer than the
// limit (--grenze=SECONDS, 5 by default) ends the program with a failure and names the input; so does a
// crash. The slowest input is reported at the end.
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <unistd.h>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse);

namespace {

char Aktuell[4096] = "";

void Zeitlimit(int) {
    const char text[] = "Zeitlimit überschritten: ";
    (void)!write(2, text, sizeof text - 1);
    (void)!write(2, Aktuell, strlen(Aktuell));
    (void)!write(2, "\n", 1);
    _exit(1);
}

std::vector<std::filesystem::path> Eingaben(const std::vector<std::string>& namen) {
    std::vector<std::filesystem::path> dateien;
    for (const std::string& name : namen) {
        if (std::filesystem::is_directory(name)) {
            std::vector<std::filesystem::path> ordner;
            for (const auto& e : std::filesystem::recursive_directory_iterator(name))
                if (e.is_regular_file()) ordner.push_back(e.path());
            std::sort(ordner.begin(), ordner.end());
            dateien.insert(dateien.end(), ordner.begin(), ordner.end());
        } else {
            dateien.emplace_back(name);
        }
    }
    return dateien;
}

} // namespace

int main(int argc, char** argv) {
    unsigned grenze = 5;
    std::vector<std::string> namen;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a.rfind("--grenze=", 0) == 0)
            grenze = static_cast<unsigned>(std::stoul(a.substr(9)));
        else
            namen.push_back(a);
    }
    std::signal(SIGALRM, Zeitlimit);
    double langsamste = 0;
    std::string langsamsteDatei;
    size_t anzahl = 0;
    for (const auto& datei : Eingaben(namen)) {
        std::ifstream ein(datei, std::ios::binary);
        if (!ein) {
            std::fprintf(stderr, "Nicht lesbar: %s\n", datei.c_str());
            return 1;
        }
        const std::vector<uint8_t> daten((std::istreambuf_iterator<char>(ein)),
                                         std::istreambuf_iterator<char>());
        std::snprintf(Aktuell, sizeof Aktuell, "%s", datei.c_str());
        const auto anfang = std::chrono::steady_clock::now();
        alarm(grenze);
        LLVMFuzzerTestOneInput(daten.data(), daten.size());
        alarm(0);
        const double s = std::chrono::duration<double>(std::chrono::steady_clock::now() - anfang).count();
        if (s > langsamste) {
            langsamste = s;
            langsamsteDatei = datei.string();
        }
        ++anzahl;
    }
    std::printf("%zu Eingaben, die langsamste %.3f s: %s\n", anzahl, langsamste, langsamsteDatei.c_str());
    return 0;
}
