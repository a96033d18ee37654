// The editing cycle's entries that cell changes call, and the grid timer's state.
#include "grid/model/AdvStringGridPrivate.h"

bool TAdvStringGrid::GridBlink() const { return FPaint.GridBlink; }
String TAdvStringGrid::SearchInc() const { return FState->Timer.SearchInc; }
void TAdvStringGrid::SetSearchInc(const String& Value) { FState->Timer.SearchInc = Value; }
int TAdvStringGrid::SearchTics() const { return FState->Timer.SearchTics; }
void TAdvStringGrid::SetSearchTics(int Value) { FState->Timer.SearchTics = Value; }
void TAdvStringGrid::Select() { SelectCell(Col(), Row()); }
