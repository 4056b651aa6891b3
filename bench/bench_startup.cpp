// Start-up time to the first painted frame, resident memory and processor time after start, of
// the program and of a minimal window, measured in alternating runs of the two probe programs.
// Usage: bench_startup PROGRAM YARDSTICK [RUNS]
// Runs them on the platform that QT_QPA_PLATFORM names (offscreen where it names none).
// Prints, for each: "startup NAME <median ms> <median resident kB> <median processor ms>".
#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>
#include <QStringList>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {
struct Sample
{
    double milliseconds;
    double kilobytes;
    double processorMilliseconds;
};

long long steadyNanoseconds()
{
    return std::chrono::nanoseconds(std::chrono::steady_clock::now().time_since_epoch()).count();
}

// One start of a probe program; it ends itself at its first frame.
Sample startOnce(const QString &program)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    if (!environment.contains(QStringLiteral("QT_QPA_PLATFORM")))
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    process.setProcessEnvironment(environment);
    const long long started = steadyNanoseconds();
    process.start(program, {});
    process.waitForFinished(60'000);
    // "first-frame <ns> rss-kb <kB> cpu-us <us>"
    const QStringList words = QString::fromLatin1(process.readAllStandardOutput()).split(' ');
    if (process.exitCode() != 0 || words.size() != 6) {
        std::fprintf(stderr, "%s did not report its first frame\n", qPrintable(program));
        std::exit(1);
    }
    return {(words[1].toLongLong() - started) / 1e6, words[3].toDouble(),
            words[5].toDouble() / 1e3};
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

void print(const QString &program, const std::vector<Sample> &samples)
{
    std::vector<double> times;
    std::vector<double> sizes;
    std::vector<double> processorTimes;
    for (const Sample &sample : samples) {
        times.push_back(sample.milliseconds);
        sizes.push_back(sample.kilobytes);
        processorTimes.push_back(sample.processorMilliseconds);
    }
    std::printf("startup %s %.1f %.0f %.1f\n", qPrintable(QFileInfo(program).fileName()),
                median(times), median(sizes), median(processorTimes));
}
} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    const QStringList arguments = application.arguments();
    if (arguments.size() < 3) {
        std::fprintf(stderr, "usage: bench_startup PROGRAM YARDSTICK [RUNS]\n");
        return 2;
    }
    const int runs = arguments.size() > 3 ? arguments[3].toInt() : 15;
    const QString program = arguments[1];
    const QString yardstick = arguments[2];
    // One unmeasured start each, so that both find their libraries and fonts in the page cache.
    startOnce(program);
    startOnce(yardstick);
    std::vector<Sample> programSamples;
    std::vector<Sample> yardstickSamples;
    for (int run = 0; run < runs; ++run) {
        programSamples.push_back(startOnce(program));
        yardstickSamples.push_back(startOnce(yardstick));
    }
    print(program, programSamples);
    print(yardstick, yardstickSamples);
    return 0;
}
