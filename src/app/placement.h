// Window placements kept in the settings: restoring a window to its recorded
// place and recording it again when it closes.
#pragma once

#include "survey/settings.h"

class QWidget;

namespace orbica {

// Moves and sizes `window` to the record with `key`; false (window unchanged)
// when there is no usable record. Top-level windows use screen coordinates,
// windows inside a parent their parent's.
bool RestorePlacement(const CSettings& settings, int key, QWidget* window);
// Records the window's current place under `key`.
void RecordPlacement(CSettings& settings, int key, const QWidget* window, int dock = kDockNone);

}  // namespace orbica
