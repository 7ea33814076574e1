#pragma once
// The demo's window: a header with a label above a bevel line, and below it a side panel and a picture
// that paints itself, with a splitter between them.
#include "platform/ui/toolkit/TForm.h"

class TBevel;
class TCustomPanel;
class TDemoPicture;
class TLabel;
class TSplitter;

/// The demo form, built in code like every form of the program.
class TDemoForm : public TForm {
public:
  using TForm::TForm;

  TCustomPanel* Header { nullptr };
  TLabel* Title { nullptr };
  TBevel* Rule { nullptr };
  TCustomPanel* Side { nullptr };
  TSplitter* Divider { nullptr };
  TDemoPicture* Picture { nullptr };

protected:
  void CreateComponents() override;
  void AssignProperties() override;
};
