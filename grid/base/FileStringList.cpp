#include "grid/base/FileStringList.h"

void TFileStringList::Reset() {
  fp = 0;
  cache.clear();
}

void TFileStringList::ReadLn(String& S) {
  S = Strings(fp);
  ++fp;
}

void TFileStringList::WriteLn(const String& S) {
  Add(cache + S);
  cache.clear();
}
