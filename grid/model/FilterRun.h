#pragma once
// The grid's conditions read once for a run over many rows. A condition that
// only asks for a fixed text anywhere in the cell ("*ab*", no operators,
// quotes or other wildcards) is tested as a substring search, which answers
// what MatchFilter answers without parsing the condition again per row.
#include <vector>

#include "platform/sys/String.h"

class TAdvStringGrid;
class TFilterData;

class TFilterRun {
 public:
  explicit TFilterRun(TAdvStringGrid& Grid);
  // The conditions on displayed row ARow, before OnCustomFilter.
  bool Matches(int ARow);

 private:
  struct TCondition {
    const TFilterData* Data;
    bool Contains;  // Needle anywhere in the text stands for the condition
    String Needle;  // upper-cased unless case-sensitive
  };
  bool MatchOne(const TCondition& C, int ARow);
  bool MatchText(const TCondition& C, StringView Text) const;
  // The text the condition's Data names, in Scratch unless a view will do.
  StringView SourceText(const TFilterData& D, int ARow);
  String RowText(int ARow);

  TAdvStringGrid& G;
  std::vector<TCondition> FConditions;
  String FScratch;
};
