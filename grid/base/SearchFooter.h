#pragma once
// The find bar under the grid: what it shows, its texts and how it searches.
#include "grid/base/GridTypes.h"
#include "grid/base/OptionProperty.h"
#include "platform/gui/Graphics.h"
#include "platform/sys/Component.h"

class TSearchFooter : public TPersistent {
 public:
  // The captions and hints get their English texts only with InitDesign
  // (the grid passes its design-time flag); otherwise they start empty.
  TSearchFooter(TComponent* AOwner, bool InitDesign);
  String ClassName() const override { return u"TSearchFooter"; }
  // Copies from another footer only; other sources are ignored.
  void Assign(const TPersistent& Source) override;
  TComponent* Owner() const { return FOwner; }

  GX_OPTION(bool, AlwaysHighLight)
  GX_OPTION(bool, AutoSearch)
  GX_OPTION(bool, SearchActiveColumnOnly)
  GX_OPTION(int, SearchColumn)
  GX_OPTION(bool, SearchMatchStart)
  GX_OPTION(bool, SearchFixedCells)
  GX_OPTION(bool, SearchHiddenRows)
  GX_OPTION(TSearchDirection, SearchDirection)
  GX_OPTION(const String&, LastSearch)

  GX_OPTION_NOTIFY(TColor, Color)
  GX_OPTION_NOTIFY(TColor, ColorTo)
  GX_OPTION_NOTIFY(bool, AutoThemeAdapt)
  GX_OPTION_NOTIFY(const String&, FindNextCaption)
  GX_OPTION_NOTIFY(const String&, FindPrevCaption)
  GX_OPTION_NOTIFY(const String&, HighLightCaption)
  GX_OPTION_NOTIFY(const String&, MatchCaseCaption)
  GX_OPTION_NOTIFY(const String&, HintClose)
  GX_OPTION_NOTIFY(const String&, HintFindNext)
  GX_OPTION_NOTIFY(const String&, HintFindPrev)
  GX_OPTION_NOTIFY(const String&, HintHighlight)
  GX_OPTION_NOTIFY(bool, ShowClose)

  GX_OPTION_NOTIFY_CHANGE(bool, ShowFindNext)
  GX_OPTION_NOTIFY_CHANGE(bool, ShowFindPrev)
  GX_OPTION_NOTIFY_CHANGE(bool, ShowHighLight)
  GX_OPTION_NOTIFY_CHANGE(bool, ShowMatchCase)
  GX_OPTION_NOTIFY_CHANGE(bool, Visible)

  TFont* Font() { return &FFont; }
  const TFont* Font() const { return &FFont; }
  void SetFont(const TFont& Value);  // copied into the footer's own font

  TNotifyEvent OnChange;

 private:
  void Changed();

  struct TValues {
    bool AlwaysHighLight = false;
    bool AutoSearch = true;
    TColor Color = 0xFFFFFF;
    TColor ColorTo = clBtnFace;
    String FindNextCaption, FindPrevCaption, HighLightCaption, MatchCaseCaption;
    String HintClose, HintFindNext, HintFindPrev, HintHighlight;
    bool SearchActiveColumnOnly = false;
    int SearchColumn = -1;
    bool SearchMatchStart = false;
    bool SearchFixedCells = false;
    bool SearchHiddenRows = false;
    TSearchDirection SearchDirection = sdTopBottom;
    bool ShowClose = true, ShowFindNext = true, ShowFindPrev = true, ShowHighLight = true,
         ShowMatchCase = true;
    bool Visible = false;
    bool AutoThemeAdapt = false;
    String LastSearch;
  };
  TComponent* FOwner;
  TValues FValues;
  TFont FFont;
};
