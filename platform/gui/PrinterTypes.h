#pragma once
// Printer values that settings refer to before any printer is opened.
enum TPrinterOrientation { poPortrait, poLandscape };
