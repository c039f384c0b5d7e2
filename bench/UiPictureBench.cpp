// Loading a large photograph into the puzzle and original areas, against a plain full-size decode
// of the same file, with the memory each needs.
//
// Memory: before each case the kernel's peak resident size (VmHWM) is reset through
// /proc/self/clear_refs; peak_MB is the peak reached during the case minus the resident size at
// its start, so it is what the case itself needed at most.

#include "core/Picture.h"
#include "core/PuzzleBoard.h"
#include "ui/MyControls.h"
#include "ui/Picture.h"

#include <QApplication>
#include <QImageReader>
#include <QImageWriter>
#include <QTemporaryDir>
#include <QWidget>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <map>
#include <string>

namespace {

// The main window on a 1920 x 1080 screen whose panel leaves a 1920 x 1040 work area: the window
// takes 95% of it, less a menu bar of about 22 pixels; the left column is 35% of the width.
struct TAreas
{
    QSize Puzzle;
    QSize Original;
    int PieceWidth = 0;
    int PieceHeight = 0;
};

TAreas AreasOfFullHdScreen()
{
    const int clientWidth = int(1920 * 0.95);
    const int clientHeight = int(1040 * 0.95) - 22;
    const int leftWidth = std::max(320, int(0.35 * clientWidth) - 5);
    const int imageTop = 20;
    TAreas areas;
    areas.Original = QSize(leftWidth - 10, clientHeight - 185 - 5 - imageTop - 5);
    areas.Puzzle = QSize(clientWidth - leftWidth - 2 * 5 - 5 - 10, clientHeight - 5 - imageTop - 5);
    areas.PieceWidth = areas.Puzzle.width() / DefaultGridSize;
    areas.PieceHeight = areas.Puzzle.height() / DefaultGridSize;
    return areas;
}

// Smooth colour fields with grain, so that both encoders meet something like a photograph.
QImage PhotographLike(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    uint32_t seed = 12345;
    for (int y = 0; y < height; ++y) {
        QRgb *row = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            seed = seed * 1664525u + 1013904223u;
            const int grain = int(seed >> 28) - 8;
            const int red = x * 255 / width + grain;
            const int green = y * 255 / height + grain;
            const int blue = ((x / 40 + y / 40) % 2 ? 180 : 60) + grain;
            row[x] = qRgb(
                std::clamp(red, 0, 255), std::clamp(green, 0, 255), std::clamp(blue, 0, 255));
        }
    }
    return image;
}

struct TPictures
{
    QTemporaryDir Folder;
    std::string Jpeg;
    std::string Png;
};

TPictures *Pictures = nullptr;

enum TKind { Jpeg, Png };

const std::string &PicturePath(TKind kind)
{
    return kind == Jpeg ? Pictures->Jpeg : Pictures->Png;
}

int64_t StatusKb(const char *field)
{
    std::ifstream status("/proc/self/status");
    const std::string prefix = std::string(field) + ":";
    for (std::string line; std::getline(status, line);)
        if (line.rfind(prefix, 0) == 0)
            return std::stoll(line.substr(prefix.size()));
    return -1;
}

// Resets the peak and returns the resident size it starts from.
int64_t StartMemoryMeasure()
{
    std::ofstream("/proc/self/clear_refs") << "5";
    return StatusKb("VmRSS");
}

void ReportPeak(benchmark::State &state, int64_t startKb)
{
    state.counters["peak_MB"] = double(StatusKb("VmHWM") - startKb) / 1024.0;
}

void Load(benchmark::State &state, TKind kind)
{
    const std::string &path = PicturePath(kind);
    const TAreas areas = AreasOfFullHdScreen();
    QWidget puzzleBox, originalBox;
    TImage *puzzle = nullptr, *original = nullptr;
    int columns = 0, rows = 0;
    const int64_t startKb = StartMemoryMeasure();
    for (auto _ : state) {
        const TDecodedPicture picture
            = DecodePicture(path, areas.Puzzle.expandedTo(areas.Original));
        LoadPuzzlePicture(&puzzleBox, 5, 20, areas.PieceWidth, areas.PieceHeight,
            areas.Puzzle.width(), areas.Puzzle.height(), MaxGridSize, MaxGridSize, true, picture,
            puzzle, columns, rows);
        LoadOriginalPicture(&originalBox, 5, 20, columns, rows, areas.Original.width(),
            areas.Original.height(), true, picture, original);
        benchmark::DoNotOptimize(original->Picture().constBits());
    }
    ReportPeak(state, startKb);
    state.SetLabel(QString("puzzle %1x%2, original %3x%4")
                       .arg(puzzle->width())
                       .arg(puzzle->height())
                       .arg(original->width())
                       .arg(original->height())
                       .toStdString());
}

void PlainDecode(benchmark::State &state, TKind kind)
{
    const QString path = QString::fromStdString(PicturePath(kind));
    const int64_t startKb = StartMemoryMeasure();
    QSize size;
    for (auto _ : state) {
        const QImage image = QImageReader(path).read();
        benchmark::DoNotOptimize(image.constBits());
        size = image.size();
    }
    ReportPeak(state, startKb);
    state.SetLabel(QString("%1x%2").arg(size.width()).arg(size.height()).toStdString());
}

BENCHMARK_CAPTURE(Load, jpeg, Jpeg)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(PlainDecode, jpeg, Jpeg)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Load, png, Png)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(PlainDecode, png, Png)->Unit(benchmark::kMillisecond);

// Prints, after the usual table, each load's time as a share of the plain decode of its file, in
// wall-clock and in CPU time: on a shared machine the CPU figure is the steadier one.
class TRatioReporter : public benchmark::ConsoleReporter
{
public:
    TRatioReporter() : ConsoleReporter(OO_Tabular) { }

    void ReportRuns(const std::vector<Run> &reports) override
    {
        ConsoleReporter::ReportRuns(reports);
        for (const Run &run : reports)
            if (run.run_type == Run::RT_Iteration && !run.error_occurred)
                Times[run.benchmark_name()] = {run.GetAdjustedRealTime(), run.GetAdjustedCPUTime()};
    }

    void Finalize() override
    {
        ConsoleReporter::Finalize();
        Ratio("JPEG", "Load/jpeg", "PlainDecode/jpeg", 0.5);
        Ratio("PNG", "Load/png", "PlainDecode/png", 1.3);
    }

private:
    struct TTimes
    {
        double Real = 0;
        double Cpu = 0;
    };
    std::map<std::string, TTimes> Times;

    void Ratio(const char *kind, const std::string &load, const std::string &plain, double goal)
    {
        if (!Times.count(load) || !Times.count(plain))
            return;
        const TTimes loaded = Times[load], decoded = Times[plain];
        const double real = loaded.Real / decoded.Real, cpu = loaded.Cpu / decoded.Cpu;
        std::printf("%s load / plain decode: wall %.1f / %.1f ms = %.2f, CPU %.1f / %.1f ms = %.2f"
                    " (goal at most %.2f: %s)\n",
            kind, loaded.Real, decoded.Real, real, loaded.Cpu, decoded.Cpu, cpu, goal,
            std::max(real, cpu) <= goal ? "met" : "MISSED");
    }
};

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;

    TPictures pictures;
    {
        const QImage photograph = PhotographLike(6000, 4000);
        pictures.Jpeg = pictures.Folder.filePath("photograph.jpg").toStdString();
        pictures.Png = pictures.Folder.filePath("photograph.png").toStdString();
        if (!photograph.save(QString::fromStdString(pictures.Jpeg), "jpeg", 90)
            || !photograph.save(QString::fromStdString(pictures.Png), "png")) {
            std::fprintf(stderr, "cannot write the test pictures\n");
            return 1;
        }
    }
    Pictures = &pictures;

    TRatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
