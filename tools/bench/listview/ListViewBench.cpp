// 10,000 rows of a caption and 24 sub-items added to a shown report view and one full repaint, beside
// the same 250,000 strings built into a plain vector of rows.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/display/HeadlessPresenter.h"
#include "platform/ui/toolkit/TListView.h"
#include "platform/ui/winsys/Ui.h"

namespace {

constexpr int Rows = 10000;
constexpr int SubItems = 24;

/// The text of a cell; the same for both sides.
std::string CellText(int Row, int Column) {
  return "Row " + std::to_string(Row) + " cell " + std::to_string(Column);
}

// The rows are built into reserved vectors, and the table is freed outside the timing, as the list
// view's own clearing is.
void BM_PlainVector(benchmark::State& State) {
  for (auto _ : State) {
    std::vector<std::vector<std::string>> Table;
    Table.reserve(Rows);
    for (int R = 0; R < Rows; ++R) {
      std::vector<std::string> Row;
      Row.reserve(SubItems + 1);
      for (int C = 0; C <= SubItems; ++C) Row.push_back(CellText(R, C));
      Table.push_back(std::move(Row));
    }
    benchmark::DoNotOptimize(Table.data());
    State.PauseTiming();
    Table = {};
    State.ResumeTiming();
  }
  State.SetItemsProcessed(int64_t(State.iterations()) * Rows);
}

/// A shown 1000 x 600 report view with a column per cell; rows are added one at a time (Updates false)
/// or inside Items.BeginUpdate / EndUpdate, then the whole list is painted once.
void FillAndPaint(benchmark::State& State, bool Updates) {
  HeadlessPresenter Screen({ 1280, 800 });
  auto List = std::make_unique<TListView>(nullptr);
  List->SetViewStyle(vsReport);
  List->SetRowSelect(true);
  List->SetGridLines(true);
  for (int C = 0; C <= SubItems; ++C) List->Columns()->Add()->SetWidth(80);
  List->SetBounds(10, 10, 1000, 600);
  List->SetParentWindow(GetDesktopWindow());
  List->Show();
  Screen.PumpUntilIdle();
  for (auto _ : State) {
    State.PauseTiming();
    List->Items()->Clear();
    Screen.PumpUntilIdle();
    State.ResumeTiming();
    if (Updates) List->Items()->BeginUpdate();
    for (int R = 0; R < Rows; ++R) {
      TListItem* Item = List->Items()->Add();
      Item->SetCaption(CellText(R, 0));
      for (int C = 1; C <= SubItems; ++C) Item->SubItems()->Add(CellText(R, C));
    }
    if (Updates) List->Items()->EndUpdate();
    List->Invalidate();
    UpdateWindow(List->Handle());
  }
  State.SetItemsProcessed(int64_t(State.iterations()) * Rows);
}

void BM_ListViewAddOneByOneAndRepaint(benchmark::State& State) { FillAndPaint(State, false); }
void BM_ListViewAddInUpdateAndRepaint(benchmark::State& State) { FillAndPaint(State, true); }

BENCHMARK(BM_PlainVector)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ListViewAddOneByOneAndRepaint)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ListViewAddInUpdateAndRepaint)->Unit(benchmark::kMillisecond);

}  // namespace
