#pragma once
// One check for every combo box kind: a handler may free the combo box that fired it.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

/// Frees a combo from its OnChange and from its OnClick, each after a change of ItemIndex and after a pick
/// from its list, and expects the freeing to be the last thing that happened; ALog is the test's event log.
template <class TCombo>
void ExpectAHandlerThatFreesItsComboEndsTheSelection(const std::function<TCombo*()>& ANewCombo,
                                                     std::vector<std::string>& ALog,
                                                     const std::function<void()>& APumpUntilIdle) {
  struct Case {
    const char* Name;
    bool InOnChange;
    bool FromList;
  };
  const Case Cases[] = {
    { "OnChange of ItemIndex", true, false },
    { "OnClick of ItemIndex", false, false },
    { "OnChange of a pick", true, true },
    { "OnClick of a pick", false, true },
  };
  for (const Case& C : Cases) {
    TCombo* Combo = ANewCombo();
    const auto Free = [&] {
      ALog.push_back("freed");
      delete std::exchange(Combo, nullptr);
    };
    if (C.InOnChange)
      Combo->OnChange = [&](auto*) { Free(); };
    else
      Combo->OnClick = [&](auto*) { Free(); };
    if (C.FromList) {
      Combo->DropDown();
      Combo->ListBox()->SetItemIndex(2);
      Combo->CloseUp(true);
    } else {
      Combo->SetItemIndex(2);
    }
    EXPECT_EQ(Combo, nullptr) << C.Name;
    EXPECT_EQ(std::exchange(ALog, {}).back(), "freed") << C.Name;
    APumpUntilIdle();
  }
}
