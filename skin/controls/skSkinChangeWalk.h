#pragma once
// The two passes of a skin change over a form's controls, which the form frame runs on the model's
// WM_BEFORECHANGESKINDATA and WM_CHANGESKINDATA: depth first, each windowed control before its children.
class TWinControl;
class TskSkinData;

/// BeforeChangeSkinData on every windowed skinned control inside Root bound to Model (on all of them when
/// Model is null); windowless controls keep their records.
void BeforeChangeSkinDataWalk(TWinControl* Root, TskSkinData* Model);
/// ChangeSkinData on every control inside Root that keeps a skin binding (IskSkinChangeable: the skinned
/// control bases, edits, labels, page, tree and list views), windowed or not, bound to Model (all when
/// null).
void ChangeSkinDataWalk(TWinControl* Root, TskSkinData* Model);
