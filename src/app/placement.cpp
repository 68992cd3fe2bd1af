#include "app/placement.h"

#include <QWidget>

namespace orbica {

bool RestorePlacement(const CSettings& settings, int key, QWidget* window) {
  const std::optional<PlacementRecord> record = settings.Placement(key);
  if (!record) return false;
  window->move(record->x, record->y);
  window->resize(record->width, record->height);
  return true;
}

void RecordPlacement(CSettings& settings, int key, const QWidget* window, int dock) {
  PlacementRecord record;
  record.x = window->x();
  record.y = window->y();
  record.width = window->width();
  record.height = window->height();
  record.dock = dock;
  record.key = key;
  settings.RecordPlacement(record);
}

}  // namespace orbica
