#pragma once
// Row editing shared by the access-table windows: copy and paste a row
// through the program's one row clipboard, insert and delete a row inside
// the fixed row count, and the two table options (Enter jumps to the next
// cell, a header double click sizes its column). Column 0 of every table is
// the row-number column and is never touched.
#include "platform/sys/String.h"

class TAdvColumnGrid;
class TProgramState;

// Row_Clipboard := the texts of the shown columns 1 to ColCount - 1 of Row.
void Copy_Grid_Row(TProgramState& State, TAdvColumnGrid& Grid, int Row);
// Writes Row_Clipboard into the shown columns of Row. Refused with a message
// without a usable copy (Copied false) or for a copy of another width; a row
// with text outside its check-box columns is overwritten only on Yes.
void Paste_Grid_Row(const TProgramState& State, TAdvColumnGrid& Grid, int Row, bool Copied);
// Rows Row .. RowCount - 2 move one down over every storage column, hidden
// ones included (the last row's texts are lost); Row is emptied, with "Y" in
// column 1 when Set_Enable. The row count stays.
void Insert_Grid_Row(int Row, TAdvColumnGrid& Grid, bool Set_Enable);
// The rows below Row move one up over every storage column; the last row is
// emptied. The row count stays.
void Delete_Grid_Row(int Row, TAdvColumnGrid& Grid);
// From the grid's double-click-cell event: with Enable_Auto_Size on, a
// header cell (ARow 0) sizes column ACol to its content.
void Grid_Auto_Size_Column(const TProgramState& State, TAdvColumnGrid& Grid, int ARow, int ACol);
// From the grid's key-press event: with Enable_Jump on, Enter is always
// swallowed and, from a data cell, moves to the next cell (end of a row to
// column 1 of the next, the last row back to row 1).
void Grid_Enter_Next_Cell(const TProgramState& State, TAdvColumnGrid& Grid, Char& Key);
