// Entry of the window tests: one QApplication (offscreen unless told otherwise) around GoogleTest.
#include <QApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv) {
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    // A private runtime folder keeps Qt from complaining about a missing or shared one.
    QTemporaryDir laufzeitordner;
    if (std::getenv("XDG_RUNTIME_DIR") == nullptr && laufzeitordner.isValid())
        setenv("XDG_RUNTIME_DIR", laufzeitordner.path().toLocal8Bit().constData(), 1);
    ::testing::InitGoogleTest(&argc, argv);
    QApplication anwendung(argc, argv);
    return RUN_ALL_TESTS();
}
