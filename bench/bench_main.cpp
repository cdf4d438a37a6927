// Benchmarks run with a QApplication on the offscreen platform, so that the
// windows can be created without a display.
#include <QApplication>
#include <QLocale>

#include <benchmark/benchmark.h>

#include <cstdlib>

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::Swedish, QLocale::Sweden));
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
