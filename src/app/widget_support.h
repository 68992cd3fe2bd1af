// Small helpers the dialogs share: the drop-down part of combo boxes and the
// names screen readers give to controls.
#pragma once

class QComboBox;
class QWidget;

namespace orbica {

// The open list shows as many items as fit into `maxHeight` pixels and is wide
// enough for its longest item (up to the screen's width, which Qt keeps it within).
// Call it again after the items change.
void LimitDropDown(QComboBox* box, int maxHeight);

// Every control below `window` that a label is the buddy of, and that has no
// accessible name of its own, is named after the label's text ("Questions:"
// names its list "Questions").
void NameBuddies(QWidget* window);

}  // namespace orbica
