#include "app/canvas/graph_file.h"

#include <QFileInfo>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>

#include "app/canvas/qt_canvas.h"
#include "histogram/graph.h"

namespace orbica {

namespace {

// Draws on `device` with a fresh painter; false when painting cannot start.
bool DrawOn(QPaintDevice& device, BaseGraph& graph, int width, int height, int panelHeight) {
  QPainter painter;
  if (!painter.begin(&device)) return false;
  QtCanvas canvas(painter);
  DrawHistogramWindow(canvas, graph, width, height, panelHeight);
  return painter.end();
}

}  // namespace

std::optional<GraphFileKind> GraphFileKindOf(const QString& path) {
  const QString suffix = QFileInfo(path).suffix().toLower();
  if (suffix == QLatin1String("png")) return GraphFileKind::kPng;
  if (suffix == QLatin1String("svg")) return GraphFileKind::kSvg;
  if (suffix == QLatin1String("pdf")) return GraphFileKind::kPdf;
  return std::nullopt;
}

QImage DrawGraphImage(BaseGraph& graph, int width, int height, int panelHeight) {
  QImage image(width, height, QImage::Format_RGB32);
  if (image.isNull()) return image;
  image.fill(Qt::white);
  if (!DrawOn(image, graph, width, height, panelHeight)) return QImage();
  return image;
}

bool WriteGraphFile(BaseGraph& graph, const QString& path, GraphFileKind kind, int width, int height,
                    const QString& title, int panelHeight) {
  switch (kind) {
    case GraphFileKind::kPng: {
      const QImage image = DrawGraphImage(graph, width, height, panelHeight);
      return !image.isNull() && image.save(path, "PNG");
    }
    case GraphFileKind::kSvg: {
      QSvgGenerator generator;
      generator.setFileName(path);
      generator.setSize(QSize(width, height));
      generator.setViewBox(QRect(0, 0, width, height));
      generator.setResolution(96);
      generator.setTitle(title);
      return DrawOn(generator, graph, width, height, panelHeight);
    }
    case GraphFileKind::kPdf: {
      // One page of exactly the picture's size at 96 dots per inch.
      QPdfWriter writer(path);
      writer.setResolution(96);
      writer.setPageLayout(QPageLayout(
          QPageSize(QSizeF(width / 96.0, height / 96.0), QPageSize::Inch, QString(), QPageSize::ExactMatch),
          QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
      return DrawOn(writer, graph, width, height, panelHeight);
    }
  }
  return false;
}

}  // namespace orbica
