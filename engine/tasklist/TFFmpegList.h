#pragma once
// The tasks of the task-list component, in order.
#include <memory>
#include <utility>
#include <vector>

#include "engine/tasklist/TFFmpeg.h"

/// Owns the tasks of the list; a task's index is its position. Removing hands the tasks to the caller, who
/// frees them (freeing a task waits for its run, which the caller may have to do outside its locks).
class TFFmpegList {
public:
  /// Appends ATask and returns its index.
  int Add(std::unique_ptr<TFFmpeg> ATask);
  /// Takes task AIndex out of the list.
  std::unique_ptr<TFFmpeg> Extract(int AIndex);
  /// Takes every task out of the list.
  std::vector<std::unique_ptr<TFFmpeg>> ExtractAll() { return std::exchange(FList, {}); }
  void Exchange(int AIndex1, int AIndex2);
  /// The task at AIndex; a bad index raises EListError "List index out of bounds (%d)".
  TFFmpeg* Items(int AIndex) const;
  /// The index of ATask, -1 when it is not in the list.
  int IndexOf(const TFFmpeg* ATask) const;
  int Count() const { return int(FList.size()); }

  /// Whole-list actions, applied to the tasks in list order.
  void PauseAll();
  void ResumeAll();
  void StopAll(bool AWaitFor);
  /// Switches one preview outlet of every task on or off, also while the tasks run.
  void SetPreview(bool AValue) { SetPostHook(phPreview, AValue); }
  void SetPreviewBitmap(bool AValue) { SetPostHook(phBitmap, AValue); }

private:
  void CheckIndex(int AIndex) const;
  void SetPostHook(TPostHook AHook, bool AOn);

  std::vector<std::unique_ptr<TFFmpeg>> FList;
};
