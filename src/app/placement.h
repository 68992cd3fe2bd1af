// Window placements kept in the settings: restoring a window to its recorded
// place and recording it again when it closes.
#pragma once

#include <QRect>

#include "survey/settings.h"

class QWidget;

namespace orbica {

// Moves and sizes `window` to the record with `key`; false (window unchanged)
// when there is no usable record. Top-level windows use screen coordinates,
// windows inside a parent their parent's. The place is clamped onto what is
// visible now: a top-level window onto its screen's available area, a child
// into its parent, never larger than either.
bool RestorePlacement(const CSettings& settings, int key, QWidget* window);
// Records the window's current place under `key`. A minimised window, or one
// that lies wholly outside every screen (or its parent), keeps its last record.
void RecordPlacement(CSettings& settings, int key, const QWidget* window, int dock = kDockNone);

// `wanted` moved and shrunk as little as needed to lie inside `bounds`, but
// never smaller than `minimum`; an empty `bounds` leaves it as it is.
QRect ClampedInto(const QRect& wanted, const QRect& bounds, const QSize& minimum);

}  // namespace orbica
