#include "app/UAbout.h"

#include "app/Maker.h"
#include "app/MakerSite.h"
#include "app/ProgramState.h"

TFAbout::TFAbout(TComponent* AOwner, TProgramState& AState) : TForm(AOwner), State(AState) {
  BeginLoading();
  SetName(u"FAbout");
  Set_Window_Look(*this, bsSingle);
  SetCaption(u"About...");
  Label1 = Fixed_Label(u"Label1", 128, 24, u"Software Corvan ");
  Label2 = Fixed_Label(u"Label2", 128, 39, u"");
  Label6 = Fixed_Label(u"Label6", 128, 62, u"Software Code : ");
  Label9 = Fixed_Label(u"Label9", 240, 62, u"");
  Label3 = Fixed_Label(u"Label3", 128, 77, u"Version :");
  Label10 = Fixed_Label(u"Label10", 240, 77, u"");
  Label8 = Fixed_Label(u"Label8", 128, 93, u"Document Code :");
  Label12 = Fixed_Label(u"Label12", 240, 93, u"");
  Label4 = Fixed_Label(u"Label4", 316, 131, Maker_Web_Address);
  Label4->SetCursor(crHandPoint);
  Label4->OnClick = [](TObject*) { Open_Product_Page(); };
  LbButton1 = Place<TButton>(this, this, u"LbButton1", 32, 115, 81, 22);
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
  Label4->Show();
  Label2->SetCaption(State.SW_Description);
  Label9->SetCaption(u"QX4410");
  Label10->SetCaption(u"1.000");
  Label12->SetCaption(u"DX4410");
  SetClientWidth(425);
  SetClientHeight(148);
}
