#pragma once
// The skin library's own window messages about a skin model. Each carries the model in wParam and 1000
// in lParam and is sent synchronously to every form (see skSkinForms.h).
#include "platform/ui/winsys/UiTypes.h"

/// A load or clear starts: receivers stop using the model's records and pictures.
constexpr UINT WM_BEFORECHANGESKINDATA = 1225;
/// The new skin (or the empty model) is in place: receivers read it again.
constexpr UINT WM_CHANGESKINDATA = 1226;
/// The change is complete.
constexpr UINT WM_AFTERCHANGESKINDATA = 1227;
/// The model was given a string table.
constexpr UINT WM_CHANGERESOURCESTRDATA = 1274;
/// The model's SkinnableForm changed.
constexpr UINT WM_CHANGESKINNABLEFORM = 1294;
/// The model's ShowLayeredBorders changed.
constexpr UINT WM_CHANGESHOWLAYEREDBORDERS = 1427;
/// The model's AeroBlurEnabled changed.
constexpr UINT WM_CHANGEAEROBLURENABLED = 1428;

/// The lParam of every message above.
constexpr LPARAM SkinMessageLParam = 1000;
