// Printing the whole shipped collection, one puzzle with its solution per page, into a PDF
// file: the time it takes and the size of a page.
#include <benchmark/benchmark.h>

#include <QFileInfo>
#include <QGuiApplication>
#include <filesystem>

#include "board/board_layout.h"
#include "board/puzzle_state.h"
#include "output/current_printer.h"
#include "output/print_system.h"
#include "output/print_target.h"
#include "output/range_pages.h"
#include "puzzlefiles/puzzle_loader.h"

namespace {

void BM_PrintCollectionToPdf(benchmark::State& state) {
    lumeta::BoardLayout layout;
    lumeta::PuzzleState puzzle;
    lumeta::BuildBoard(layout, puzzle);
    lumeta::CurrentPuzzle current;
    current.PuzzleFile = LUMETA_DATA_DIR "/puzzles.txt";
    current.PuzzleCount = lumeta::CountPuzzles(current.PuzzleFile);
    const lumeta::BoardAppearance appearance;
    const std::string title = "Lumeta";
    lumeta::PrintedGame game{layout, puzzle, current, appearance, title};

    const auto pdf = std::filesystem::temp_directory_path() / "lumeta-bench-collection.pdf";
    lumeta::CurrentPrinter printer(lumeta::SystemPrintService());
    printer.UsePdfFile(QString::fromStdString(pdf.string()));
    lumeta::PrintedPages pages;
    for (auto _ : state) {
        const auto target = printer.Open(QStringLiteral("bench"));
        pages = lumeta::PrintRangePages(*target, game, 1, current.PuzzleCount);
        if (!pages.ok) state.SkipWithError("the PDF file was not written");
    }
    const double bytes = static_cast<double>(std::filesystem::file_size(pdf));
    state.counters["pages"] = static_cast<double>(pages.printed);
    state.counters["pdf_kb"] = bytes / 1024;
    state.counters["kb_per_page"] = bytes / 1024 / static_cast<double>(pages.printed);
    std::filesystem::remove(pdf);
}
BENCHMARK(BM_PrintCollectionToPdf)->Unit(benchmark::kSecond)->Iterations(3);

}  // namespace

int main(int argc, char** argv) {
    // Fonts are needed, a screen is not.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
