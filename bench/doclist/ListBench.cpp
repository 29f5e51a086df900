// The list's commands on a folder of many documents: scanning, adding, sorting by each
// column, removing half the rows, and the copy a run takes. Medians of wall time.
#include "doclist/DocumentListView.h"
#include "doclist/FolderScan.h"
#include "platform/dialogs/DialogRecorder.h"
#include "platform/files/TemporaryFolder.h"
#include "platform/regional/RegionalSettings.h"
#include "platform/shell/ShellRecorder.h"

#include <QApplication>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

using namespace paginox;

namespace {

using Clock = std::chrono::steady_clock;

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Runs prepare untimed, then step timed, repetitions times.
void Measure(const char* name, int repetitions, const std::function<void()>& prepare,
             const std::function<void()>& step)
{
    std::vector<double> times;
    for (int i = 0; i < repetitions; ++i) {
        prepare();
        const auto start = Clock::now();
        step();
        times.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    }
    std::printf("%-28s %9.2f ms\n", name, Median(times));
}

// A folder of that many documents of assorted sizes and one other file.
void FillFolder(const TemporaryFolder& folder, int files)
{
    for (int i = 0; i < files; ++i) {
        const std::string name = folder.Entry("Document " + std::to_string(i * 7919 % files) + (i % 3 ? ".docx" : ".DOC"));
        std::ofstream(name) << std::string(static_cast<size_t>(i % 5000), 'x');
    }
    std::ofstream(folder.Entry("notes.txt")) << "not a document";
}

} // namespace

int main(int argc, char** argv)
{
    const int rows = argc > 1 ? std::atoi(argv[1]) : 5000;
    const int repetitions = argc > 2 ? std::atoi(argv[2]) : 5;
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    int qtArgc = 1;
    QApplication app(qtArgc, argv);

    const TemporaryFolder folder("paginox-bench-");
    FillFolder(folder, rows);
    DialogRecorder dialogs;
    ShellRecorder shell;
    const ProcessRegionalSettings regional;
    DocumentListView list(dialogs, shell, regional);
    std::printf("%d rows, median of %d\n", rows, repetitions);

    std::vector<DocumentEntry> entries;
    Measure("scan folder", repetitions, [] {}, [&] { entries = ScanFolder(folder.Path(), regional); });
    Measure("add folder", repetitions, [&] { list.RemoveAll(); shell.QueueFolder(folder.Path()); },
            [&] { list.AddFolder(); });
    for (int column = 0; column < 5; ++column) {
        const std::string name = "sort by column " + std::to_string(column);
        Measure(name.c_str(), repetitions, [&] { list.ListView1ColumnClick((column + 1) % 5); },
                [&] { list.ListView1ColumnClick(column); });
    }
    Measure("remove every other row", repetitions,
            [&] {
                list.RemoveAll();
                for (const DocumentEntry& entry : entries)
                    list.AppendEntry(entry);
                for (int position = 0; position < list.Count(); position += 2)
                    list.SetSelected(position, true);
            },
            [&] { list.RemoveSelected(); });
    Measure("invert check marks", repetitions, [] {}, [&] { list.InvertChecks(); });
    Measure("rows for a run", repetitions, [] {}, [&] { (void)list.Rows(); });
    return 0;
}
