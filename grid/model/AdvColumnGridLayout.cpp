// The column layout kept outside the grid: the column stream and the
// column order in an INI file.
#include "grid/base/ColumnSize.h"
#include "grid/model/AdvColumnGrid.h"
#include "grid/model/AdvColumnGridIO.h"
#include "platform/sys/IniFiles.h"
#include "platform/sys/SysUtils.h"

void TAdvColumnGrid::SaveColumnsToStream(TStream& st) {
  TAdvColumnGridIO io(nullptr, this);
  io.Items()->Assign(*FColumnCollection);
  io.WriteTo(st);
}

void TAdvColumnGrid::LoadColumnsFromStream(TStream& st) {
  WithoutRecursiveUpdate([&] {
    TAdvColumnGridIO io(nullptr, this);
    io.ReadFrom(st);
    FColumnCollection->Assign(*io.Items());
  });
  Invalidate();
}

namespace {

String PositionName(int Index) { return u"CP" + IntToStr(Index); }

// The rank of each value among all: a list with gaps (columns removed since
// the positions were numbered) becomes a permutation in the same order.
std::vector<int> Ranks(const std::vector<int>& Values) {
  std::vector<int> ranks(Values.size(), 0);
  for (size_t i = 0; i < Values.size(); ++i) {
    for (size_t j = 0; j < Values.size(); ++j) {
      if (Values[j] < Values[i] || (Values[j] == Values[i] && j < i)) ++ranks[i];
    }
  }
  return ranks;
}

bool IsPermutation(const std::vector<int>& Values) {
  std::vector<bool> seen(Values.size(), false);
  for (int v : Values) {
    if (v < 0 || v >= static_cast<int>(Values.size()) || seen[static_cast<size_t>(v)]) {
      return false;
    }
    seen[static_cast<size_t>(v)] = true;
  }
  return true;
}

}  // namespace

void TAdvColumnGrid::SaveColumnPositions(const String& Key, const String& Section) {
  std::vector<int> defIdx;
  for (int i = 0; i < FColumnCollection->Count(); ++i) {
    defIdx.push_back(FColumnCollection->Items(i)->DefIdx());
  }
  const std::vector<int> positions = Ranks(defIdx);
  TMemIniFile ini(Key);
  for (size_t i = 0; i < positions.size(); ++i) {
    ini.WriteInteger(Section, PositionName(static_cast<int>(i)), positions[i]);
  }
  ini.UpdateFile();
}

bool TAdvColumnGrid::LoadColumnPositions(const String& Key, const String& Section) {
  TMemIniFile ini(Key);
  const int count = FColumnCollection->Count();
  std::vector<int> stored;
  for (int i = 0; i < count; ++i) {
    stored.push_back(ini.ReadInteger(Section, PositionName(i), -1));
  }
  // A repeated or out-of-range value would send the moves round in circles.
  if (!IsPermutation(stored)) return false;
  ResetColumnOrder();
  FColumnCollection->ResetOrganization();  // back to the original order, whatever moved it
  for (int j = 0; j < count; ++j) FColumnCollection->Items(stored[static_cast<size_t>(j)])->SetDefIdx(j);
  FColumnCollection->ResetOrganization();
  for (int j = 0; j < count; ++j) FColumnCollection->Items(j)->SetDefIdx(stored[static_cast<size_t>(j)]);
  return true;
}

void TAdvColumnGrid::SaveColPositions() {
  if (ColumnSize()->Location() != clIniFile) return TAdvStringGrid::SaveColPositions();
  SaveColumnPositions(ColumnSize()->Key(), ColumnSize()->Section());
}

void TAdvColumnGrid::LoadColPositions() {
  if (ColumnSize()->Location() != clIniFile) return TAdvStringGrid::LoadColPositions();
  LoadColumnPositions(ColumnSize()->Key(), ColumnSize()->Section());
}
