#include "platform/grids/GridScrollBar.h"

#include <algorithm>

namespace {
constexpr int kMinThumb = 8;  // a proportional thumb never gets thinner
}  // namespace

int TGridScrollBar::SetInfo(const TScrollInfo& Info) {
  if (Info.fMask & SIF_RANGE) {
    FInfo.nMin = Info.nMin;
    FInfo.nMax = std::max(Info.nMin, Info.nMax);
  }
  if (Info.fMask & SIF_PAGE) FInfo.nPage = Info.nPage;
  FInfo.nPage = std::min<UINT>(FInfo.nPage, static_cast<UINT>(FInfo.nMax - FInfo.nMin + 1));
  FInfo.nPos = Clamped(Info.fMask & SIF_POS ? Info.nPos : FInfo.nPos);
  FInfo.nTrackPos = Clamped(Info.fMask & SIF_TRACKPOS ? Info.nTrackPos : FInfo.nTrackPos);
  return FInfo.nPos;
}

int TGridScrollBar::MaxPos() const {
  return std::max(FInfo.nMin, FInfo.nMax - std::max(static_cast<int>(FInfo.nPage) - 1, 0));
}

int TGridScrollBar::Clamped(int Pos) const { return std::clamp(Pos, FInfo.nMin, MaxPos()); }

bool TGridScrollBar::SetNeeded(bool Value) {
  if (FNeeded == Value) return false;
  FNeeded = Value;
  return true;
}

int TGridScrollBar::TrackLength(int Length) const { return std::max(Length - 2 * Thickness, 0); }

int TGridScrollBar::ThumbSize(int Length) const {
  const int track = TrackLength(Length);
  if (FInfo.nPage == 0) return std::min(Thickness, track);
  const long long range = static_cast<long long>(FInfo.nMax) - FInfo.nMin + 1;
  const int size = static_cast<int>(track * static_cast<long long>(FInfo.nPage) / range);
  return std::min(std::max(size, kMinThumb), track);
}

int TGridScrollBar::ThumbStart(int Length, bool Tracking) const {
  const int room = TrackLength(Length) - ThumbSize(Length);
  const int span = MaxPos() - FInfo.nMin;
  if (span <= 0) return Thickness;
  const int pos = Tracking ? FInfo.nTrackPos : FInfo.nPos;
  return Thickness + static_cast<int>(static_cast<long long>(room) * (pos - FInfo.nMin) / span);
}

int TGridScrollBar::PosAt(int Length, int Pixel) const {
  const int room = TrackLength(Length) - ThumbSize(Length);
  if (room <= 0) return FInfo.nMin;
  const long long offset = std::clamp(Pixel - Thickness, 0, room);
  return FInfo.nMin + static_cast<int>((offset * (MaxPos() - FInfo.nMin) + room / 2) / room);
}

bool TGridScrollBar::OnThumb(int Length, int Pixel) const {
  const int thumb = ThumbStart(Length);
  return Active() && Pixel >= thumb && Pixel < thumb + ThumbSize(Length) && Pixel >= Thickness &&
         Pixel < Length - Thickness;
}

int TGridScrollBar::HitCode(int Length, int Pixel) const {
  if (!Active()) return -1;
  if (Pixel < Thickness) return FDisabled & ESB_DISABLE_LTUP ? -1 : SB_LINEUP;
  if (Pixel >= Length - Thickness) return FDisabled & ESB_DISABLE_RTDN ? -1 : SB_LINEDOWN;
  const int thumb = ThumbStart(Length);
  if (Pixel < thumb) return SB_PAGEUP;
  if (Pixel >= thumb + ThumbSize(Length)) return SB_PAGEDOWN;
  return -1;
}
