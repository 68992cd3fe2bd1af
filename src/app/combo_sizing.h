// Sizing of the drop-down part of a combo box.
#pragma once

class QComboBox;

namespace orbica {

// The open list shows as many items as fit into `maxHeight` pixels and is wide
// enough for its longest item (up to the screen's width, which Qt keeps it within).
// Call it again after the items change.
void LimitDropDown(QComboBox* box, int maxHeight);

}  // namespace orbica
