#include "app/placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace orbica {

namespace {

// The available area of the screen a top-level rectangle belongs to: the screen
// under its centre, else the window's own screen, else the primary one.
QRect ScreenAreaFor(const QRect& rect, const QWidget* window) {
  QScreen* screen = QGuiApplication::screenAt(rect.center());
  if (!screen) screen = window->screen();
  if (!screen) screen = QGuiApplication::primaryScreen();
  return screen ? screen->availableGeometry() : QRect();
}

// What a window's place may cover: its screen's area, or its parent's inside.
QRect BoundsFor(const QRect& rect, const QWidget* window) {
  if (window->isWindow() || !window->parentWidget()) return ScreenAreaFor(rect, window);
  return window->parentWidget()->rect();
}

}  // namespace

QRect ClampedInto(const QRect& wanted, const QRect& bounds, const QSize& minimum) {
  if (bounds.isEmpty()) return wanted;
  const QSize size = wanted.size().boundedTo(bounds.size()).expandedTo(minimum);
  const int x = std::max(bounds.left(), std::min(wanted.left(), bounds.left() + bounds.width() - size.width()));
  const int y = std::max(bounds.top(), std::min(wanted.top(), bounds.top() + bounds.height() - size.height()));
  return QRect(QPoint(x, y), size);
}

bool RestorePlacement(const CSettings& settings, int key, QWidget* window) {
  const std::optional<PlacementRecord> record = settings.Placement(key);
  if (!record) return false;
  const QRect wanted(record->x, record->y, record->width, record->height);
  // A top-level window's frame (title bar and borders) has to fit as well.
  const QSize frame = window->isWindow() && window->isVisible()
                          ? window->frameGeometry().size() - window->geometry().size()
                          : QSize(0, 0);
  QRect bounds = BoundsFor(wanted, window);
  if (!bounds.isEmpty()) bounds.setSize((bounds.size() - frame).expandedTo(QSize(1, 1)));
  const QRect placed = ClampedInto(wanted, bounds, window->minimumSize());
  window->move(placed.topLeft());
  window->resize(placed.size());
  return true;
}

void RecordPlacement(CSettings& settings, int key, const QWidget* window, int dock) {
  if (window->isMinimized()) return;
  // Top-level windows are placed by their frame's corner, as move() does.
  const QRect rect(window->pos(), window->size());
  if (!rect.intersects(BoundsFor(rect, window))) return;
  PlacementRecord record;
  record.x = rect.x();
  record.y = rect.y();
  record.width = rect.width();
  record.height = rect.height();
  record.dock = dock;
  record.key = key;
  settings.RecordPlacement(record);
}

}  // namespace orbica
