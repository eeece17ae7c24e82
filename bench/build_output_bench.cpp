#include "gen/file_list.h"
#include "gen/line_builder.h"
#include "gen/output_writer.h"
#include "settings/settings.h"

#include <benchmark/benchmark.h>

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

} // namespace

BENCHMARK_MAIN();
