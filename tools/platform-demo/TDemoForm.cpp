#include "tools/platform-demo/TDemoForm.h"

#include "platform/ui/toolkit/TBevel.h"
#include "platform/ui/toolkit/TLabel.h"
#include "platform/ui/toolkit/TPanel.h"
#include "platform/ui/toolkit/TSplitter.h"
#include "tools/platform-demo/TDemoPicture.h"

void TDemoForm::CreateComponents() {
  Header = new TPanel(this);
  Title = new TLabel(this);
  Rule = new TBevel(this);
  Side = new TPanel(this);
  Divider = new TSplitter(this);
  Picture = new TDemoPicture(this);
}

void TDemoForm::AssignProperties() {
  SetName("DemoForm");
  SetCaption("Platform demo");
  SetPosition(poScreenCenter);
  SetClientWidth(480);
  SetClientHeight(320);

  Header->SetParent(this);
  Header->SetBevelOuter(bvNone);
  Header->SetBounds(0, 0, 480, 36);
  Header->SetAlign(alTop);

  Title->SetParent(Header);
  Title->SetBounds(12, 10, 200, 20);
  Title->SetCaption("Zorvik platform demo: drag the splitter");

  Rule->SetParent(Header);
  Rule->SetShape(bsBottomLine);
  Rule->SetBounds(0, 34, 480, 2);
  Rule->SetAlign(alBottom);

  Side->SetParent(this);
  Side->SetBounds(0, 36, 140, 284);
  Side->SetAlign(alLeft);
  Side->SetCaption("Side panel");

  Divider->SetParent(this);
  Divider->SetBounds(140, 36, 5, 284);
  Divider->SetAlign(alLeft);
  Divider->SetBeveled(true);

  Picture->SetParent(this);
  Picture->SetBounds(145, 36, 335, 284);
  Picture->SetAlign(alClient);
}
