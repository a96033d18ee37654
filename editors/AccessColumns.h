#pragma once
// The column tables of the access-table windows: each data column's look,
// its editor and items, and the file attribute it holds; a table section
// loaded from and saved to its project file by these columns.
#include <span>

#include "grid/model/AdvGridEvents.h"
#include "platform/sys/Strings.h"
#include "platform/xml/XmlDocument.h"

class TAdvColumnGrid;
class TProgramState;

// One data column (1 onwards) of a table.
struct TAccessColumn {
  StringView Attribute;
  int Header_Text;
  int Hint_Text;  // 0: none
  int Width;
  TEditorType Editor;
  void (*Items)(TStrings& Items);  // null: none (or filled on showing)
  TColor Color;
  int Edit_Length;
  StringView Missing;  // the text of a row without the attribute
  bool Required = false;  // a row without the attribute is refused
};

// Rows, fixed column and header row, options and fonts of a table grid.
void Set_Access_Grid_Look(TAdvColumnGrid& Grid, int Cols, int Rows, bool Editing);
// Column 0 (the row number, Number_Width wide) and the data columns.
void Set_Access_Columns(TAdvColumnGrid& Grid, int Number_Width, std::span<const TAccessColumn> Columns);
// The headers from Texts; each column's hint text joins Hints when given.
void Set_Access_Headers(const TProgramState& State, TAdvColumnGrid& Grid, int Number_Text,
                        std::span<const TAccessColumn> Columns, TStringList* Hints = nullptr);
// Column 0 := the row number, column 1 := Enable, every other storage
// column (hidden ones too) emptied.
void Clear_Access_Rows(TAdvColumnGrid& Grid, StringView Enable);
// The same with Enable "Y", column 0 := the row number.
void Number_Access_Rows(TAdvColumnGrid& Grid);
// The list items of column Col := "0" to Count - 1.
void Fill_Access_Positions(TAdvColumnGrid& Grid, int Col, int Count);

// How a loaded attribute text is shown in its column.
using TLoadedText = String (*)(const TAccessColumn& Column, const String& Text);
// Each element child of Section fills the next row from 1; a null section
// leaves the grid alone, children past the last row are not read.
void Load_Access_Section(const TXmlNode& Section, TAdvColumnGrid& Grid, std::span<const TAccessColumn> Columns,
                         TLoadedText Loaded);
// Raises, naming File_Name, the row and the attribute, when an element
// child of Section that would reach the grid lacks a Required attribute.
void Require_Access_Attributes(const TXmlNode& Section, const TAdvColumnGrid& Grid,
                               std::span<const TAccessColumn> Columns, const String& File_Name);

// How a cell text is written to its attribute.
using TSavedText = String (*)(const TAccessColumn& Column, const String& Text);
// Section Name under Root with one "row" element per row whose Key_Col is
// not empty after trimming; rows without a key are no table rows and are
// passed over, the rows below them still count.
void Save_Access_Section(const TXmlNode& Root, StringView Name, TAdvColumnGrid& Grid,
                         std::span<const TAccessColumn> Columns, int Key_Col, TSavedText Saved = nullptr);
// True when Key_Col of Row holds text after trimming.
bool Has_Access_Key(TAdvColumnGrid& Grid, int Row, int Key_Col);
