// A histogram window's graph drawn into a picture: an image, or a PNG, SVG or
// PDF file of a given size, through the same QtCanvas drawing as the window.
// Shared by the window's export and the command line's render.
#pragma once

#include <QImage>
#include <QString>
#include <optional>

namespace orbica {

class BaseGraph;

enum class GraphFileKind { kPng, kSvg, kPdf };

// The kind a file name asks for by its extension (any case); none for others.
std::optional<GraphFileKind> GraphFileKindOf(const QString& path);

// What a histogram window with a client area of width x height shows: the
// background gradient and the graph, above `panelHeight` pixels left for the
// navigation panel. The graph must
// hold its data, question and options. A null image when there is no memory.
QImage DrawGraphImage(BaseGraph& graph, int width, int height, int panelHeight = 0);

// The same drawing written to `path` as `kind`; `title` names an SVG picture.
// False when the file cannot be written.
bool WriteGraphFile(BaseGraph& graph, const QString& path, GraphFileKind kind, int width, int height,
                    const QString& title, int panelHeight = 0);

}  // namespace orbica
