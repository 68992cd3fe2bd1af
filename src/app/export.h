// Export of a histogram window: its graph as a PNG, SVG or PDF file of a given
// size (drawn as the window draws it), its numbers as CSV, and its graph as an
// image on the clipboard.
#pragma once

#include <QImage>
#include <QSize>
#include <QString>

class QWidget;

namespace orbica {

class CApp;
class CHistogram;

// The graph of `view` as the window shows it, at `size` (the window's own
// size when empty), without the navigation panel.
QImage HistogramImage(CApp& app, CHistogram& view, QSize size = QSize());

// The numbers of `view`: a header row, then one row per answer and shown
// subpopulation: question number, answer number, answer text, subpopulation
// name, share, error and persons. Shares and errors read back exactly.
QString HistogramCsv(CApp& app, CHistogram& view);

// Writes `path` by its extension: .png, .svg or .pdf (the graph at `size`, the
// window's size when empty) or .csv (the numbers). False with `error` set when
// the kind is unknown or the file cannot be written.
bool ExportHistogram(CApp& app, CHistogram& view, const QString& path, QSize size, QString* error);

// Puts the graph, at the window's size, on the clipboard as an image.
void CopyHistogramImage(CApp& app, CHistogram& view);

// "&Export…": the export dialog for the active histogram window, then the
// export; failures are told in a message box. False when nothing was written.
bool ExportActiveHistogram(CApp& app, QWidget* parent);

}  // namespace orbica
