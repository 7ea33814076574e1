#pragma once
// Stand-ins for a window's category, format and preset combos with the skinned combos' event rules, wired
// to the catalogue steps the way the main window and the preset dialog wire theirs.
#include <array>
#include <functional>
#include <vector>

#include "app/catalogue/CatalogueSteps.h"
#include "app/catalogue/FormatCatalogue.h"

/// Runs its change handler on every ItemIndex assignment, also to the same index.
class FakeFormatCombo : public IFormatCombo {
public:
  void ClearItems() override { Items.clear(); }
  void AddItem(const String& Caption, int ImageIndex) override { Items.push_back({ Caption, ImageIndex }); }
  void Repaint() override { ++Repaints; }
  int ItemIndex() const override { return Index; }
  void SetItemIndex(int Value) override {
    Index = Value;
    if (OnChange)
      OnChange();
  }
  String ItemCaption(int At) const override {
    return At >= 0 && At < int(Items.size()) ? Items[size_t(At)].first : String();
  }

  std::vector<std::pair<String, int>> Items;
  int Index { -1 };
  int Repaints { 0 };
  std::function<void()> OnChange;
};

/// Shows the selected item's text and runs its change handler only when that text changes; clearing keeps
/// the shown text.
class FakePresetCombo : public IPresetCombo {
public:
  void ClearItems() override { Items.clear(); }
  void AddItem(const String& Item) override { Items.push_back(Item); }
  int ItemIndex() const override { return Index; }
  void SetItemIndex(int Value) override {
    Index = Value;
    if (Value < 0 || Value >= int(Items.size()) || Items[size_t(Value)] == Shown)
      return;
    Shown = Items[size_t(Value)];
    if (OnChange)
      OnChange();
  }
  void SetEnabled(bool Value) override { Enabled = Value; }
  String Text() const override { return Shown; }

  std::vector<String> Items;
  int Index { -1 };
  String Shown;
  bool Enabled { true };
  std::function<void()> OnChange;
};

/// A job row of 24 cells.
class FakeJobRow : public ISelectedJobRow {
public:
  String Cell(int Index) const override { return Cells.at(size_t(Index)); }
  void SetCell(int Index, const String& Text) override { Cells.at(size_t(Index)) = Text; }
  void FocusJobList() override { ++Focused; }

  std::array<String, 24> Cells;
  int Focused { 0 };
};

/// The main window's side that both windows' steps write.
struct FakeMainSide {
  TVideoParams Params;
  FakeJobRow* Selected { nullptr };
  String Folder { "/nonexistent-output" };
  int All_Trant_Number { 0 };
};

/// One window's catalogue controls, wired to the steps. The preset dialog's steps record the format key.
class FakeCatalogueWindow {
public:
  FakeCatalogueWindow(FakeMainSide& Main, bool IsPresetDialog, std::vector<String>* Log = nullptr)
    : FMain(Main), FIsPresetDialog(IsPresetDialog), FLog(Log) {
    Formats.OnChange = [this] {
      Note("format");
      FormatChange(CategoryIndex, Formats, FMain.Selected,
                   { [this] { FillPresets(); }, [this] { FormatStep(); },
                     [this] { ApplyPresets(Combos, FMain.Params); } });
    };
    static constexpr const char* Names[] = { "Resolution",  "VideoBitrate", "AudioBitrate",
                                             "AspectMode", "FrameRate",    "SampleRate" };
    for (size_t Role = 0; Role < Presets.size(); ++Role)
      Presets[Role].OnChange = [this, Role] {
        Note(Names[Role]);
        TCatalogueTarget Target = MakeTarget();
        PresetChange(TPresetRole(Role), Presets[Role], Target);
      };
  }

  /// The category combo's change: every assignment refills the format list.
  void SelectCategory(int Index) {
    CategoryIndex = Index;
    FillFormatList(Index, Formats);
  }
  FakePresetCombo& Preset(TPresetRole Role) { return Presets[size_t(Role)]; }
  int SelectedKey() const { return FormatKey(CategoryIndex, Formats.ItemIndex()); }
  /// The preset lists step: the preset dialog's records the key, then the combos are filled.
  void FillPresets() {
    TCatalogueTarget Target = MakeTarget();
    RecordFormatKey(SelectedKey(), Target);
    FillPresetCombos(SelectedKey(), Combos);
  }
  /// The format step as a format change runs it: the reset, then the format, writing the selected row.
  void FormatStep() {
    FMain.Params.Reset();
    TCatalogueTarget Target = MakeTarget();
    ApplyFormat(SelectedKey(), Target);
  }
  TCatalogueTarget MakeTarget() {
    return { FMain.Params, { FMain.Folder, false, nullptr }, FMain.Selected,
             FIsPresetDialog ? &FMain.All_Trant_Number : nullptr };
  }

  int CategoryIndex { 0 };
  FakeFormatCombo Formats;
  std::array<FakePresetCombo, PresetRoleCount> Presets;
  TPresetCombos Combos { Presets[0], Presets[1], Presets[2], Presets[3], Presets[4], Presets[5] };

private:
  void Note(const char* Event) {
    if (FLog)
      FLog->push_back(Event);
  }

  FakeMainSide& FMain;
  bool FIsPresetDialog;
  std::vector<String>* FLog;
};
