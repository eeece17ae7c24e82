#include "gen/file_list.h"
#include "gen/line_builder.h"
#include "gen/output_writer.h"
#include "settings/settings.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>

namespace {

// Counts the bytes instead of keeping them, so the figure is the builder's own.
class TCountingSink : public TOutputSink {
public:
    void Append(std::string_view text) override { Bytes += text.size(); }
    std::size_t Bytes = 0;
};

// The HTML list of the worked example, over a list that cycles through its three kinds of
// name: below the base folder, in a sibling folder, on another drive.
void BuildOutputHtmlList(benchmark::State& state)
{
    const int entries = static_cast<int>(state.range(0));
    TSettings settings = FirstStartSettings();
    settings.SetFileOutput("C:\\Web\\index.htm");
    settings.CheckIndex = Relative;
    settings.InvertSlash = true;
    settings.MainHead = "<UL>\r\n";
    settings.MainQueue = "</UL>\r\nQZ_GETCOUNT files";

    TPackedFileList list;
    for (int i = 0; i < entries; ++i) {
        std::string n = std::to_string(i);
        switch (i % 3) {
        case 0: AppendEntry(list, "C:\\Web\\img\\cat" + n + ".gif"); break;
        case 1: AppendEntry(list, "C:\\Docs\\a" + n + ".txt"); break;
        default: AppendEntry(list, "D:\\x\\b" + n + ".txt"); break;
        }
    }

    std::size_t bytes = 0;
    for (auto _ : state) {
        TLineBuilder builder(settings, list, "<LI><A HREF=\"", "\">QZ_NAMEQZ_EXT</A>\r\n");
        TCountingSink sink;
        builder.BuildOutput(sink);
        bytes = sink.Bytes;
        benchmark::DoNotOptimize(bytes);
    }
    state.SetItemsProcessed(state.iterations() * entries);
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes));
}
BENCHMARK(BuildOutputHtmlList)->Arg(100000)->Unit(benchmark::kMillisecond);

// A file inventory: name, size in bytes and for people, date and time of the last change, over
// 1,000 real files named again and again, so every entry asks the file system once.
void BuildOutputInventory(benchmark::State& state)
{
    const int entries = static_cast<int>(state.range(0));
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / "strandel-inventory-bench";
    std::filesystem::create_directories(folder);
    std::vector<std::string> files;
    for (int i = 0; i < 1000; ++i) {
        files.push_back((folder / ("file " + std::to_string(i) + ".txt")).string());
        if (std::FILE* file = std::fopen(files.back().c_str(), "wb")) {
            std::fwrite(files.back().data(), 1, files.back().size() * (i % 7), file);
            std::fclose(file);
        }
    }
    TSettings settings = FirstStartSettings();
    settings.CheckIndex = None;
    settings.MoreVariables = true;
    settings.MainHead = "Name;Bytes;Size;Date;Time\r\n";
    TPackedFileList list;
    for (int i = 0; i < entries; ++i)
        AppendEntry(list, files[static_cast<std::size_t>(i) % files.size()]);

    std::size_t bytes = 0;
    for (auto _ : state) {
        TLineBuilder builder(settings, list, "\"QZ_NAME_CSVQZ_EXT_CSV\";QZ_SIZE;QZ_SIZETEXT;QZ_DATE;QZ_TIME\r\n", "");
        TCountingSink sink;
        builder.BuildOutput(sink);
        bytes = sink.Bytes;
        benchmark::DoNotOptimize(bytes);
    }
    state.SetItemsProcessed(state.iterations() * entries);
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes));
    std::filesystem::remove_all(folder);
}
BENCHMARK(BuildOutputInventory)->Arg(100000)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
