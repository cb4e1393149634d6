// Entry of the window tests: one QApplication (offscreen unless told otherwise) around GoogleTest.
#include <QApplication>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    // A private runtime folder keeps Qt from complaining about a missing or shared one.
    std::string vorlage = "/tmp/zol08-laufzeit-XXXXXX";
    std::vector<char> ordner(vorlage.begin(), vorlage.end());
    ordner.push_back('\0');
    if (std::getenv("XDG_RUNTIME_DIR") == nullptr && mkdtemp(ordner.data()) != nullptr)
        setenv("XDG_RUNTIME_DIR", ordner.data(), 1);
    ::testing::InitGoogleTest(&argc, argv);
    QApplication anwendung(argc, argv);
    return RUN_ALL_TESTS();
}
