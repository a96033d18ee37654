#pragma once
// The settings classes keep their options in one value struct, FValues, so
// that Assign copies them in one statement and names only what it keeps.
// These declare an option's getter and its setter: a plain store, a store
// that always reports (Changed()), or one that reports only a real change.

// Stores Value; true when that changed the field.
template <class T, class V>
bool StoreChanged(T& Field, const V& Value) {
  if (Field == Value) return false;
  Field = Value;
  return true;
}

#define GX_OPTION(Type, Name)                  \
  Type Name() const { return FValues.Name; }   \
  void Set##Name(Type Value) { FValues.Name = Value; }

#define GX_OPTION_NOTIFY(Type, Name)           \
  Type Name() const { return FValues.Name; }   \
  void Set##Name(Type Value) {                 \
    FValues.Name = Value;                      \
    Changed();                                 \
  }

#define GX_OPTION_NOTIFY_CHANGE(Type, Name)    \
  Type Name() const { return FValues.Name; }   \
  void Set##Name(Type Value) {                 \
    if (StoreChanged(FValues.Name, Value)) Changed(); \
  }
