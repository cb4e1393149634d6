// Entry of the window tests: one QApplication (offscreen unless told otherwise) around GoogleTest.
#include <QApplication>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    // A private runtime folder keeps Qt from complaining about a missing or shared one.
    std::string laufzeitordner;
    if (std::getenv("XDG_RUNTIME_DIR") == nullptr) {
        std::string vorlage = (std::filesystem::temp_directory_path() / "zol08-laufzeit-XXXXXX").string();
        std::vector<char> name(vorlage.begin(), vorlage.end());
        name.push_back('\0');
        if (mkdtemp(name.data()) != nullptr) {
            laufzeitordner = name.data();
            setenv("XDG_RUNTIME_DIR", laufzeitordner.c_str(), 1);
        }
    }
    ::testing::InitGoogleTest(&argc, argv);
    int ergebnis;
    {
        QApplication anwendung(argc, argv);
        ergebnis = RUN_ALL_TESTS();
    }
    if (!laufzeitordner.empty()) {
        std::error_code ec;
        std::filesystem::remove_all(laufzeitordner, ec);
    }
    return ergebnis;
}
