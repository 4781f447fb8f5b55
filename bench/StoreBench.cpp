// How long the store takes with a 50 MB list: reading it into lines (against Qt's own file
// read and split of the same bytes, and against a bare read() and memchr split), writing it, and Execute on the main window with two such
// lists, which is what the user waits for. Also listing a folder of 2,000 list files.
#include "app/DataStore.h"
#include "app/DrillLink.h"
#include "app/SelectorBox.h"
#include "app/main.h"
#include "app/Program.h"
#include "platform/Application.h"
#include "platform/Win1252.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <memory>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>

namespace {
constexpr size_t TargetBytes = 50u * 1024u * 1024u;

struct NullDrill : IDrillWindow {
    std::vector<std::string> Q, A;
    int Sessions = 0;
    void StartDrill(TDrillStart start) override
    {
        Q = std::move(start.Questions);
        A = std::move(start.Answers);
        ++Sessions;
    }
};

struct Data {
    QTemporaryDir Base;
    size_t Lines = 0;
    size_t Bytes = 0;
    size_t Utf8Bytes = 0;
    Data()
    {
        QDir(Base.path()).mkpath("Lists");
        QDir(Base.path()).mkpath("Projects");
        Services().BaseFolder = Base.path().toStdString();
        std::string text;
        text.reserve(TargetBytes + 64);
        while (text.size() < TargetBytes) {
            text += "Fr\xe5ga nummer " + std::to_string(Lines) + " i den stora listan med \xe4 och \xf6\r\n";
            ++Lines;
        }
        Bytes = text.size();
        for (const char* name : {"Big questions.txt", "Big answers.txt"}) {
            std::ofstream out(Base.path().toStdString() + "/Lists/" + name, std::ios::binary);
            out.write(text.data(), std::streamsize(text.size()));
        }
        // The same list as a Linux editor writes it: UTF-8 (a little longer, each å, ä, ö two bytes).
        const std::string utf8 = Win1252ToUtf8(text);
        Utf8Bytes = utf8.size();
        std::ofstream(Base.path().toStdString() + "/Lists/Big questions UTF-8.txt", std::ios::binary)
            .write(utf8.data(), std::streamsize(utf8.size()));
        QDir(Base.path()).mkpath("Many/Lists");
        for (int i = 0; i < 2000; ++i)
            std::ofstream(Base.path().toStdString() + "/Many/Lists/List " + std::to_string(i) + ".txt");
    }
};

Data& TheData()
{
    static Data d;
    return d;
}

// The same list in Windows-1252 and in UTF-8, side by side: telling UTF-8 from its bytes and
// decoding it must not make loading much slower.
void LoadLines50MB(benchmark::State& state, const char* name, bool utf8)
{
    Data& d = TheData();
    Services().BaseFolder = d.Base.path().toStdString();
    const std::string path = ListFilePath(name);
    for (auto _ : state) {
        auto lines = LoadLines(path);
        if (lines.size() != d.Lines) state.SkipWithError("wrong line count");
        benchmark::DoNotOptimize(lines);
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(utf8 ? d.Utf8Bytes : d.Bytes));
}
BENCHMARK_CAPTURE(LoadLines50MB, Windows1252, "Big questions", false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(LoadLines50MB, Utf8, "Big questions UTF-8", true)->Unit(benchmark::kMillisecond);

// Reference: Qt reading the same file and splitting it at LF.
void QtReadAndSplit50MB(benchmark::State& state)
{
    Data& d = TheData();
    const QString path = d.Base.path() + "/Lists/Big questions.txt";
    for (auto _ : state) {
        QFile f(path);
        f.open(QIODevice::ReadOnly);
        const QList<QByteArray> lines = f.readAll().split('\n');
        benchmark::DoNotOptimize(lines);
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(d.Bytes));
}
BENCHMARK(QtReadAndSplit50MB)->Unit(benchmark::kMillisecond);

// Reference: the least a reader can do. read() the file into one buffer and find its line
// ends with memchr: as string views into the buffer (no line copied), and as one std::string
// per line, which is what a line list holds. Both split at LF only, without the store's rules.
struct RawFile {
    std::unique_ptr<char[]> Data;
    size_t Size = 0;
};

RawFile ReadWithRead(const std::string& path)
{
    RawFile f;
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    struct stat st {};
    fstat(fd, &st);
    f.Data.reset(new char[size_t(st.st_size)]);
    while (f.Size < size_t(st.st_size)) {
        const ssize_t n = read(fd, f.Data.get() + f.Size, size_t(st.st_size) - f.Size);
        if (n <= 0) break;
        f.Size += size_t(n);
    }
    close(fd);
    return f;
}

template <class Line>
std::vector<Line> MemchrSplit(const RawFile& f)
{
    std::vector<Line> lines;
    const char* p = f.Data.get();
    const char* const end = p + f.Size;
    while (p < end) {
        const char* lf = static_cast<const char*>(std::memchr(p, '\n', size_t(end - p)));
        if (!lf) lf = end;
        lines.emplace_back(p, size_t(lf - p));
        p = lf + 1;
    }
    return lines;
}

template <class Line>
void ReadAndMemchrSplit(benchmark::State& state)
{
    Data& d = TheData();
    const std::string path = d.Base.path().toStdString() + "/Lists/Big questions.txt";
    for (auto _ : state) {
        const RawFile f = ReadWithRead(path);
        auto lines = MemchrSplit<Line>(f);
        if (lines.size() != d.Lines) state.SkipWithError("wrong line count");
        benchmark::DoNotOptimize(lines);
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(d.Bytes));
}
void ReadAndMemchrSplitToViews50MB(benchmark::State& state) { ReadAndMemchrSplit<std::string_view>(state); }
void ReadAndMemchrSplitToStrings50MB(benchmark::State& state) { ReadAndMemchrSplit<std::string>(state); }
BENCHMARK(ReadAndMemchrSplitToViews50MB)->Unit(benchmark::kMillisecond);
BENCHMARK(ReadAndMemchrSplitToStrings50MB)->Unit(benchmark::kMillisecond);

void SaveLines50MB(benchmark::State& state)
{
    Data& d = TheData();
    Services().BaseFolder = d.Base.path().toStdString();
    const auto lines = LoadLines(ListFilePath("Big questions"));
    const std::string path = ListFilePath("Saved copy");
    for (auto _ : state) SaveLines(path, lines);
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(d.Bytes));
}
BENCHMARK(SaveLines50MB)->Unit(benchmark::kMillisecond);

// Execute pressed with two 50 MB lists chosen: both loaded and compared, the drill started.
void ExecuteWithTwo50MBLists(benchmark::State& state)
{
    Data& d = TheData();
    Services().BaseFolder = d.Base.path().toStdString();
    NullDrill drill;
    TmainFrm main;
    main.SetDrillWindow(&drill);
    for (auto _ : state) {
        main.list1selector->SetText("Big questions");
        main.list2selector->SetText("Big answers");
        main.btnExecute->click();
        // The drill window frees its lists when it closes, before the next Execute.
        state.PauseTiming();
        drill.Q = {};
        drill.A = {};
        state.ResumeTiming();
    }
    if (drill.Sessions != int(state.iterations())) state.SkipWithError("no drill started");
}
BENCHMARK(ExecuteWithTwo50MBLists)->Unit(benchmark::kMillisecond);

void DisplayNamesOf2000Lists(benchmark::State& state)
{
    Data& d = TheData();
    Services().BaseFolder = d.Base.path().toStdString() + "/Many";
    for (auto _ : state) {
        auto names = GetDisplayNames(TFolderKind::Lists);
        if (names.size() != 2000) state.SkipWithError("wrong count");
        benchmark::DoNotOptimize(names);
    }
}
BENCHMARK(DisplayNamesOf2000Lists)->Unit(benchmark::kMillisecond);
} // namespace

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    setenv("LEXIDRILL_SILENT", "1", 0);
    TProgramServices services;
    TApplication app(argc, argv, services);
    InstallProgramFonts();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
