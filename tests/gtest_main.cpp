// Runs the core tests with a QCoreApplication (the SQL plugins need one), but
// not while the test runner only lists the tests.
#include <QCoreApplication>
#include <QLocale>

#include <gtest/gtest.h>

#include <cstring>
#include <memory>

int main(int argc, char** argv) {
    bool lista = false;
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "--gtest_list_tests") == 0) lista = true;
    ::testing::InitGoogleTest(&argc, argv);
    std::unique_ptr<QCoreApplication> app;
    if (!lista) app = std::make_unique<QCoreApplication>(argc, argv);
    QLocale::setDefault(QLocale(QLocale::Swedish, QLocale::Sweden));
    return RUN_ALL_TESTS();
}
