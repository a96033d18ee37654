#include "platform/qt/QtCursors.h"

#include <iterator>

namespace {
struct CursorPair {
  TCursor Cursor;
  Qt::CursorShape Shape;
};

// The first row of a shape is the cursor it maps back to.
constexpr CursorPair Cursors[] = {
    {crArrow, Qt::ArrowCursor},          {crHandPoint, Qt::PointingHandCursor},
    {crIBeam, Qt::IBeamCursor},          {crHourGlass, Qt::WaitCursor},
    {crSQLWait, Qt::WaitCursor},         {crAppStart, Qt::BusyCursor},
    {crCross, Qt::CrossCursor},          {crSizeWE, Qt::SizeHorCursor},
    {crHSplit, Qt::SizeHorCursor},       {crSizeNS, Qt::SizeVerCursor},
    {crVSplit, Qt::SizeVerCursor},       {crSizeNWSE, Qt::SizeFDiagCursor},
    {crSizeNESW, Qt::SizeBDiagCursor},   {crNo, Qt::ForbiddenCursor},
    {crNoDrop, Qt::ForbiddenCursor},     {crSizeAll, Qt::SizeAllCursor},
    {crUpArrow, Qt::UpArrowCursor},      {crHelp, Qt::WhatsThisCursor},
    {crNone, Qt::BlankCursor},
};
}  // namespace

namespace platform::qt {
bool ToQtCursor(TCursor Cursor, Qt::CursorShape& Shape) {
  for (const CursorPair& p : Cursors)
    if (p.Cursor == Cursor) {
      Shape = p.Shape;
      return true;
    }
  return false;
}

TCursor FromQtCursor(Qt::CursorShape Shape) {
  for (const CursorPair& p : Cursors)
    if (p.Shape == Shape) return p.Cursor;
  return crDefault;
}
}  // namespace platform::qt
