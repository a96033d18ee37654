#include "app/UAbout.h"

#include <algorithm>

#include "app/Maker.h"
#include "app/MakerSite.h"
#include "app/Pictures.h"
#include "app/ProgramState.h"

namespace {
constexpr int Address_Left = 316;
constexpr int Address_Margin = 4;
}  // namespace

TFAbout::TFAbout(TComponent* AOwner, TProgramState& AState) : TForm(AOwner), State(AState) {
  BeginLoading();
  SetName(u"FAbout");
  Set_Window_Look(*this, bsSingle);
  SetCaption(u"About...");
  Image2 = Place<TImage>(this, this, u"Image2", 32, 24, 81, 81);
  Image2->SetStretch(true);
  Load_Png(*Image2->Picture(), Logo_Png());
  I_Brellis = Place<TImage>(this, this, u"I_Brellis", 32, 24, 81, 81);
  I_Brellis->SetStretch(true);
  Label1 = Fixed_Label(u"Label1", 128, 24, u"Software Corvan ");
  Label2 = Fixed_Label(u"Label2", 128, 39, u"");
  Label6 = Fixed_Label(u"Label6", 128, 62, u"Software Code : ");
  Label9 = Fixed_Label(u"Label9", 240, 62, u"");
  Label3 = Fixed_Label(u"Label3", 128, 77, u"Version :");
  Label10 = Fixed_Label(u"Label10", 240, 77, u"");
  Label8 = Fixed_Label(u"Label8", 128, 93, u"Document Code :");
  Label12 = Fixed_Label(u"Label12", 240, 93, u"");
  Label4 = Fixed_Label(u"Label4", Address_Left, 131, Maker_Web_Address);
  for (TControl* Link : std::initializer_list<TControl*>{Image2, I_Brellis, Label4}) {
    Link->SetCursor(crHandPoint);
    Link->OnClick = [](TObject*) { Open_Product_Page(); };
  }
  LbButton1 = Place<TLbButton>(this, this, u"LbButton1", 32, 115, 81, 22);
  LbButton1->SetStyle(bsEncarta);
  LbButton1->SetColor(Window_Color);
  LbButton1->SetColorWhenDown(Hot_Yellow);
  LbButton1->SetCaption(u"OK");
  LbButton1->SetModalResult(mrOk);
  SetClientWidth(425);
  SetClientHeight(148);
  OnShow = [this](TObject*) { FormShow(); };
  EndLoading();
}

TLabel* TFAbout::Fixed_Label(StringView Name, int Left, int Top, StringView Caption) {
  TLabel* Label = Place_Label(this, this, Name, Left, Top);
  Label->SetCaption(String(Caption));
  return Label;
}

void TFAbout::FormShow() {
  I_Brellis->Hide();
  Image2->Show();
  Label4->Show();
  Label2->SetCaption(State.SW_Description);
  Label9->SetCaption(u"QX4410");
  Label10->SetCaption(u"1.000");
  Label12->SetCaption(u"DX4410");
  SetClientWidth(425);
  SetClientHeight(148);
  // The address ends inside the window even where the font draws it wider
  // than the one the places were chosen for.
  Label4->SetLeft(std::min(Address_Left, ClientWidth() - Address_Margin - Label4->Width()));
}
