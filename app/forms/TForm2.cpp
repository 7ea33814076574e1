#include "app/forms/TForm2.h"

#include "app/forms/TForm1.h"
#include "app/forms/WebAddresses.h"
#include "platform/gdi/EmbeddedResources.h"
#include "platform/gdi/TFont.h"
#include "platform/gdi/TPngImage.h"
#include "platform/ui/toolkit/TImage.h"
#include "skin/boxctrls/TskSkinLinkLabel.h"
#include "skin/controls/TskSkinButton.h"
#include "skin/controls/TskSkinStdLabel.h"
#include "skin/form/TskSkinForm.h"

TForm2* Form2 = nullptr;

namespace {

/// The maker's notice line under the version.
const String NoticeLine = "Zorvik软件工作室 版权所有";

void PlaceLabel(TskSkinStdLabel* Label, TWinControl* Parent, int Left, int Top, const String& Caption) {
  Label->SetParent(Parent);
  Label->SetLeft(Left);
  Label->SetTop(Top);
  Label->SetCaption(Caption);
}

}  // namespace

TForm2::TForm2(TComponent* AOwner, TForm1& AMainWindow) : TForm(AOwner), FMainWindow(AMainWindow) {}

TForm2::~TForm2() = default;

void TForm2::CreateComponents() {
  skSkinForm1 = new TskSkinForm(this);
  Image1 = new TImage(this);
  skSkinStdLabel3 = new TskSkinStdLabel(this);
  skSkinStdLabel4 = new TskSkinStdLabel(this);
  skSkinStdLabel5 = new TskSkinStdLabel(this);
  skSkinStdLabel1 = new TskSkinStdLabel(this);
  skSkinLinkLabel1 = new TskSkinLinkLabel(this);
  skSkinStdLabel2 = new TskSkinStdLabel(this);
  skSkinLinkLabel2 = new TskSkinLinkLabel(this);
  skSkinButton1 = new TskSkinButton(this);
}

void TForm2::AssignProperties() {
  SetName("Form2");
  SetLeft(420);
  SetTop(260);
  SetBorderIcons({});
  SetBorderStyle(bsSingle);
  SetCaption("关于");
  SetClientWidth(368);
  SetClientHeight(238);
  AssignFrame();

  Image1->SetName("Image1");
  Image1->SetParent(this);
  Image1->SetBounds(30, 18, 87, 83);
  TPngImage Picture;
  LoadFromResourceName(Picture, "ABOUT_PICTURE");
  Image1->Picture()->SetGraphic(&Picture);

  skSkinStdLabel3->SetName("skSkinStdLabel3");
  PlaceLabel(skSkinStdLabel3, this, 144, 14, "ZorvikWMV格式转换器");
  skSkinStdLabel4->SetName("skSkinStdLabel4");
  PlaceLabel(skSkinStdLabel4, this, 160, 50, "Ver:1.00.102");
  skSkinStdLabel5->SetName("skSkinStdLabel5");
  PlaceLabel(skSkinStdLabel5, this, 152, 81, NoticeLine);
  skSkinStdLabel1->SetName("skSkinStdLabel1");
  PlaceLabel(skSkinStdLabel1, this, 30, 126, "了解更多请访问：");
  skSkinLinkLabel1->SetName("skSkinLinkLabel1");
  AssignLinkLabel(skSkinLinkLabel1, 19, WebSiteShownAddress, WebSiteAddress);
  skSkinStdLabel2->SetName("skSkinStdLabel2");
  PlaceLabel(skSkinStdLabel2, this, 202, 124, "联系邮箱：");
  skSkinLinkLabel2->SetName("skSkinLinkLabel2");
  AssignLinkLabel(skSkinLinkLabel2, 186, SupportMailAddress, SupportMailLink);

  skSkinButton1->SetName("skSkinButton1");
  skSkinButton1->SetParent(this);
  skSkinButton1->SetBounds(252, 184, 72, 25);
  skSkinButton1->SetCaption("确定");
  skSkinButton1->SetTabOrder(0);
  // Esc presses the box's only button, so it closes the box as well.
  skSkinButton1->SetCancel(true);
  skSkinButton1->OnClick = [this](TObject* Sender) { skSkinButton1Click(Sender); };
}

// The frame's stored values: it keeps its own client size and centres the box in the desktop on first show.
void TForm2::AssignFrame() {
  skSkinForm1->SetName("skSkinForm1");
  skSkinForm1->SetShowIcon(true);
  skSkinForm1->SetMagnetic(true);
  skSkinForm1->SetMagneticSize(10);
  skSkinForm1->SetPositionInMonitor(skpDesktopCenter);
  skSkinForm1->SetClientWidth(350);
  skSkinForm1->SetClientHeight(230);
  skSkinForm1->SetAlphaBlendValue(0);
  skSkinForm1->SetMenusAlphaBlendValue(0);
  TFont CaptionFont;
  CaptionFont.SetName("Arial");
  CaptionFont.SetHeight(14);
  CaptionFont.SetStyle({ fsBold });
  skSkinForm1->SetDefCaptionFont(&CaptionFont);
  skSkinForm1->SetBorderIcons({});
}

void TForm2::AssignLinkLabel(TskSkinLinkLabel* Label, int Left, const String& Shown, const String& URL) {
  Label->SetParent(this);
  Label->SetCursor(crHandPoint);
  Label->SetGlowEffect(true);
  Label->SetGlowSize(6);
  Label->SetDefaultActiveFontColor(clBlue);
  Label->SetAlignment(taCenter);
  Label->SetAutoSize(false);
  Label->SetBounds(Left, 145, 153, 33);
  Label->SetCaption(Shown);
  Label->SetURL(URL);
}

void TForm2::ResolveReferences() {
  TskSkinData* Skin = FMainWindow.skSkinData1;
  skSkinForm1->SetSkinData(Skin);
  for (TskSkinStdLabel* Label : { skSkinStdLabel3, skSkinStdLabel4, skSkinStdLabel5, skSkinStdLabel1, skSkinStdLabel2 })
    Label->SetSkinData(Skin);
  skSkinLinkLabel1->SetSkinData(Skin);
  skSkinLinkLabel2->SetSkinData(Skin);
  skSkinButton1->SetSkinData(Skin);
}

void TForm2::skSkinButton1Click(TObject*) { Close(); }
