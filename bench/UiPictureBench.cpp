// Loading a picture into the puzzle and original areas of a 1920 x 1080 screen.
//
//   UiPictureBench [--benchmark_...]        generated 6000 x 4000 JPEG and PNG pictures: the load
//                                           against a plain full-size decode, with the memory
//                                           each needs
//   UiPictureBench [--rounds=N] PHOTO...    for each file: the load, its limit and the plain
//                                           decode, as medians of N interleaved rounds (7 unless
//                                           told), and their ratios
//
// The limit of a load is the decode at the reduced size it needs, and no more: libjpeg's 1/2,
// 1/4 or 1/8 scale, the smallest that still covers the picture's fitted size in the puzzle area
// (the larger one), then one smooth scale to that size. Where no reduced scale covers it, and for
// formats without one (PNG), it is the plain decode plus one smooth scale. Times are wall clock
// and the process's CPU time (Qt scales large pictures on several threads).
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
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <map>
#include <string>
#include <vector>

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
            areas.Original.height(), true, picture, original, puzzle->Picture());
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

// ---- Photographs given on the command line --------------------------------------------------

// How the limit decodes a picture: at 1/Denominator of its size, then one smooth scale to Fitted.
struct TLimitPlan
{
    QSize Picture;
    QSize Fitted;
    int Denominator = 1;
    QSize Decoded;
};

int ScaledLength(int length, int denominator)
{
    return (length + denominator - 1) / denominator; // libjpeg rounds its scaled sizes up
}

TLimitPlan LimitPlan(const QSize &picture, const QByteArray &format, const QSize &box)
{
    TLimitPlan plan;
    plan.Picture = picture;
    plan.Fitted = ToQSize(
        FitPictureSize(picture.width(), picture.height(), box.width(), box.height(), true));
    plan.Decoded = picture;
    if (format != "jpeg")
        return plan;
    for (const int denominator : {8, 4, 2}) {
        const QSize scaled(ScaledLength(picture.width(), denominator),
            ScaledLength(picture.height(), denominator));
        if (scaled.width() >= plan.Fitted.width() && scaled.height() >= plan.Fitted.height()) {
            plan.Denominator = denominator;
            // Where the scale does not divide the picture, the part that it divides.
            plan.Decoded = QSize(picture.width() / denominator, picture.height() / denominator);
            return plan;
        }
    }
    return plan;
}

// Qt's JPEG reader decodes at exactly 1/Denominator, without scaling again, only where that
// divides the size: the whole picture's, or that of a clip from its top left.
bool ExactScale(const TLimitPlan &plan)
{
    return plan.Decoded * plan.Denominator == plan.Picture;
}

QImage DecodeAtLimit(const QString &path, const TLimitPlan &plan)
{
    QImageReader reader(path);
    if (plan.Denominator > 1) {
        if (!ExactScale(plan))
            reader.setClipRect(QRect(QPoint(0, 0), plan.Decoded * plan.Denominator));
        reader.setScaledSize(plan.Decoded);
    }
    const QImage decoded = reader.read();
    return decoded.scaled(plan.Fitted, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

struct TTimes
{
    std::vector<double> WallMs;
    std::vector<double> CpuMs;
};

double NowMs(clockid_t clock)
{
    timespec time {};
    clock_gettime(clock, &time);
    return double(time.tv_sec) * 1e3 + double(time.tv_nsec) / 1e6;
}

template<typename TWork>
void TimeOnce(TTimes &times, TWork &&work)
{
    const double wall = NowMs(CLOCK_MONOTONIC), cpu = NowMs(CLOCK_PROCESS_CPUTIME_ID);
    work();
    times.WallMs.push_back(NowMs(CLOCK_MONOTONIC) - wall);
    times.CpuMs.push_back(NowMs(CLOCK_PROCESS_CPUTIME_ID) - cpu);
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t middle = values.size() / 2;
    return values.size() % 2 != 0 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

QString PlanText(const TLimitPlan &plan)
{
    const QString fitted = QString("%1x%2").arg(plan.Fitted.width()).arg(plan.Fitted.height());
    if (plan.Denominator == 1)
        return "plain decode + one smooth scale to " + fitted;
    return QString("decode at 1/%1 (%2x%3) + one smooth scale to %4")
        .arg(plan.Denominator)
        .arg(plan.Decoded.width())
        .arg(plan.Decoded.height())
        .arg(fitted);
}

// Times the game's load, the limit and the plain decode of one file in turn, `rounds` times, and
// prints their medians and ratios. False when the file cannot be decoded.
bool MeasurePhotograph(const std::string &path, int rounds)
{
    const QString file = QString::fromStdString(path);
    QImageReader probe(file);
    const QSize size = probe.size();
    const QByteArray format = probe.format();
    if (!size.isValid() || QImageReader(file).read().isNull()) {
        std::printf("%s: cannot be decoded\n", path.c_str());
        return false;
    }
    const TAreas areas = AreasOfFullHdScreen();
    const TLimitPlan plan = LimitPlan(size, format, areas.Puzzle);
    QWidget puzzleBox, originalBox;
    TImage *puzzle = nullptr, *original = nullptr;
    int columns = 0, rows = 0;
    TTimes load, limit, plain;
    for (int round = 0; round < rounds; ++round) {
        TimeOnce(load, [&] {
            const TDecodedPicture picture
                = DecodePicture(path, areas.Puzzle.expandedTo(areas.Original));
            LoadPuzzlePicture(&puzzleBox, 5, 20, areas.PieceWidth, areas.PieceHeight,
                areas.Puzzle.width(), areas.Puzzle.height(), MaxGridSize, MaxGridSize, true,
                picture, puzzle, columns, rows);
            LoadOriginalPicture(&originalBox, 5, 20, columns, rows, areas.Original.width(),
                areas.Original.height(), true, picture, original, puzzle->Picture());
        });
        TimeOnce(limit, [&] {
            const QImage image = DecodeAtLimit(file, plan);
            benchmark::DoNotOptimize(image.constBits());
        });
        TimeOnce(plain, [&] {
            const QImage image = QImageReader(file).read();
            benchmark::DoNotOptimize(image.constBits());
        });
    }
    const double loadWall = Median(load.WallMs), limitWall = Median(limit.WallMs),
                 plainWall = Median(plain.WallMs);
    const double loadCpu = Median(load.CpuMs), limitCpu = Median(limit.CpuMs),
                 plainCpu = Median(plain.CpuMs);
    std::printf("%s: %dx%d %s; puzzle area %dx%d, original area %dx%d; limit: %s%s\n", path.c_str(),
        size.width(), size.height(), format.constData(), areas.Puzzle.width(),
        areas.Puzzle.height(), areas.Original.width(), areas.Original.height(),
        qPrintable(PlanText(plan)),
        ExactScale(plan) ? "" : " (on the part of the picture that the scale divides)");
    std::printf("  medians of %d interleaved rounds, wall (CPU) ms: load %.1f (%.1f), limit %.1f"
                " (%.1f), plain decode %.1f (%.1f)\n",
        rounds, loadWall, loadCpu, limitWall, limitCpu, plainWall, plainCpu);
    std::printf("  load / limit %.2f (CPU %.2f, goal at most 1.15: %s); load / plain decode %.2f"
                " (CPU %.2f); limit / plain decode %.2f\n",
        loadWall / limitWall, loadCpu / limitCpu,
        std::max(loadWall / limitWall, loadCpu / limitCpu) <= 1.15 ? "met" : "MISSED",
        loadWall / plainWall, loadCpu / plainCpu, limitWall / plainWall);
    std::fflush(stdout);
    return true;
}

struct TPhotoArguments
{
    int Rounds = 7;
    std::vector<std::string> Paths;
    std::string Error;
};

TPhotoArguments ParsePhotoArguments(int argc, char **argv)
{
    TPhotoArguments arguments;
    const std::string roundsOption = "--rounds=";
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument.rfind(roundsOption, 0) == 0) {
            arguments.Rounds = std::atoi(argument.c_str() + roundsOption.size());
            if (arguments.Rounds < 1)
                arguments.Error = "--rounds needs a number from 1 up";
        } else if (argument.rfind("--", 0) == 0) {
            arguments.Error = "unknown option " + argument;
        } else {
            arguments.Paths.push_back(argument);
        }
    }
    return arguments;
}

int MeasurePhotographs(const TPhotoArguments &arguments)
{
    bool allDecoded = true;
    for (const std::string &path : arguments.Paths)
        allDecoded = MeasurePhotograph(path, arguments.Rounds) && allDecoded;
    return allDecoded ? 0 : 1;
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    const TPhotoArguments photoArguments = ParsePhotoArguments(argc, argv);
    if (!photoArguments.Error.empty()) {
        std::fprintf(stderr, "UiPictureBench: %s\n", photoArguments.Error.c_str());
        return 2;
    }
    if (!photoArguments.Paths.empty())
        return MeasurePhotographs(photoArguments);

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
