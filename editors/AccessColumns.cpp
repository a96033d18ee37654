#include "editors/AccessColumns.h"

#include "app/ProgramState.h"
#include "app/WindowLook.h"
#include "grid/model/AdvColumnGrid.h"
#include "platform/sys/Exceptions.h"
#include "platform/sys/SysUtils.h"

namespace {
constexpr int Header_Height = 22;
}  // namespace

void Set_Access_Grid_Look(TAdvColumnGrid& Grid, int Cols, int Rows, bool Editing) {
  Grid.SetColCount(Cols);
  Grid.SetRowCount(Rows);
  Grid.SetFixedCols(1);
  Grid.SetFixedRows(1);
  Grid.SetRowHeights(0, Header_Height);
  TGridOptions Options{goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goRangeSelect, goColSizing};
  if (Editing) Options.Include(goEditing);
  Grid.SetOptions(Options);
  Grid.SetScrollBars(ssBoth);
  Grid.SetShowHint(true);
  Set_Table_Fonts(Grid, u"Verdana");
}

void Set_Access_Columns(TAdvColumnGrid& Grid, int Number_Width, std::span<const TAccessColumn> Columns) {
  TGridColumnItem& Number = *Grid.Columns()->Items(0);
  Number.SetWidth(Number_Width);
  Number.SetFixed(true);
  for (std::size_t k = 0; k < Columns.size(); ++k) {
    const TAccessColumn& Look = Columns[k];
    TGridColumnItem& Item = *Grid.Columns()->Items(static_cast<int>(k) + 1);
    Item.SetFont(*Grid.Font());
    Item.SetHeaderFont(*Grid.FixedFont());
    Item.SetWidth(Look.Width);
    Item.SetEditor(Look.Editor);
    Item.SetColor(Look.Color);
    Item.SetEditLength(Look.Edit_Length);
    Item.SetAlignment(Look.Editor == edDataCheckBox ? taCenter : taLeftJustify);
    if (Look.Items) Look.Items(*Item.ComboItems());
  }
}

void Set_Access_Headers(const TProgramState& State, TAdvColumnGrid& Grid, int Number_Text,
                        std::span<const TAccessColumn> Columns, TStringList* Hints) {
  Grid.Columns()->Items(0)->SetHeader(State.Text(Number_Text));
  if (Hints) Hints->Clear();
  for (std::size_t k = 0; k < Columns.size(); ++k) {
    Grid.Columns()->Items(static_cast<int>(k) + 1)->SetHeader(State.Text(Columns[k].Header_Text));
    if (Hints) Hints->Add(State.Text(Columns[k].Hint_Text));
  }
}

void Clear_Access_Rows(TAdvColumnGrid& Grid, StringView Enable) {
  for (int Row = 1; Row < Grid.RowCount(); ++Row) {
    for (int Col = 0; Col < Grid.AllColCount(); ++Col) Grid.SetCellEx(Col, Row, String());
    Grid.SetCellEx(1, Row, String(Enable));
  }
}

namespace {
// Calls Each(Node, Row) for the element children of Section that reach a
// grid of Rows rows, from row 1.
template <class F>
void For_Section_Rows(const TXmlNode& Section, int Rows, F Each) {
  int Row = 1;
  for (TXmlNode Node = Section ? Section.FirstChild() : TXmlNode(); Node && Row < Rows; Node = Node.NextSibling()) {
    if (Node.NodeType() != ntElement) continue;
    Each(Node, Row++);
  }
}
}  // namespace

void Require_Access_Attributes(const TXmlNode& Section, const TAdvColumnGrid& Grid,
                               std::span<const TAccessColumn> Columns, const String& File_Name) {
  For_Section_Rows(Section, Grid.RowCount(), [&](const TXmlNode& Node, int Row) {
    for (const TAccessColumn& Column : Columns)
      if (Column.Required && !Node.HasAttribute(Column.Attribute))
        throw Exception(File_Name + u": row " + IntToStr(Row) + u" of " + Section.NodeName() +
                        u" lacks the attribute \"" + String(Column.Attribute) + u"\"");
  });
}

void Number_Access_Rows(TAdvColumnGrid& Grid) {
  Clear_Access_Rows(Grid, u"Y");
  for (int Row = 1; Row < Grid.RowCount(); ++Row) Grid.SetCellEx(0, Row, IntToStr(Row));
}

void Fill_Access_Positions(TAdvColumnGrid& Grid, int Col, int Count) {
  TStrings& Items = *Grid.Columns()->Items(Col)->ComboItems();
  Items.Clear();
  for (int Position = 0; Position < Count; ++Position) Items.Add(IntToStr(Position));
}

void Load_Access_Section(const TXmlNode& Section, TAdvColumnGrid& Grid, std::span<const TAccessColumn> Columns,
                         TLoadedText Loaded) {
  For_Section_Rows(Section, Grid.RowCount(), [&](const TXmlNode& Node, int Row) {
    for (std::size_t k = 0; k < Columns.size(); ++k) {
      const TAccessColumn& Column = Columns[k];
      const String Text = Node.HasAttribute(Column.Attribute) ? Node.Attribute(Column.Attribute) : String(Column.Missing);
      Grid.SetCellEx(static_cast<int>(k) + 1, Row, Loaded(Column, Text));
    }
  });
}

bool Has_Access_Key(TAdvColumnGrid& Grid, int Row, int Key_Col) { return !Trim(Grid.GetCellEx(Key_Col, Row)).empty(); }

void Save_Access_Section(const TXmlNode& Root, StringView Name, TAdvColumnGrid& Grid,
                         std::span<const TAccessColumn> Columns, int Key_Col, TSavedText Saved) {
  const TXmlNode Section = Root.AddChild(Name);
  for (int Row = 1; Row < Grid.RowCount(); ++Row) {
    if (!Has_Access_Key(Grid, Row, Key_Col)) continue;
    const TXmlNode Node = Section.AddChild(u"row");
    for (std::size_t k = 0; k < Columns.size(); ++k) {
      const String Text = Grid.GetCellEx(static_cast<int>(k) + 1, Row);
      Node.SetAttribute(Columns[k].Attribute, Saved ? Saved(Columns[k], Text) : Text);
    }
  }
}
