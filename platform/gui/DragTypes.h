#pragma once
// The framework's own drag (inside the program, not the system's drag and
// drop): states, modes and the events of TControl.
#include <functional>

#include "platform/sys/Component.h"

enum TDragMode { dmManual, dmAutomatic };
enum TDragState { dsDragEnter, dsDragLeave, dsDragMove };

// What a start-drag handler may hand out instead of the source control.
class TDragObject : public TObject {};

using TDragOverEvent = std::function<void(TObject* Sender, TObject* Source, int X, int Y, TDragState State, bool& Accept)>;
using TDragDropEvent = std::function<void(TObject* Sender, TObject* Source, int X, int Y)>;
// Target: the control that took the drop, null when none did (X, Y: its client point).
using TEndDragEvent = std::function<void(TObject* Sender, TObject* Target, int X, int Y)>;
using TStartDragEvent = std::function<void(TObject* Sender, TDragObject*& DragObject)>;
