#pragma once
// A skinned combo box that logs its Change next to the events a test records.
#include <string>
#include <vector>

#include "skin/boxctrls/TskSkinComboBox.h"

/// Logs "Change" into Log, which the test points at its own event log.
class LoggingCombo : public TskSkinComboBox {
public:
  using TskSkinComboBox::TskSkinComboBox;
  std::vector<std::string>* Log { nullptr };

protected:
  void Change() override {
    if (Log) Log->push_back("Change");
  }
};
