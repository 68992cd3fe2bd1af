#include "app/export.h"

#include <QClipboard>
#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QSaveFile>
#include <memory>

#include "app/app.h"
#include "app/canvas/graph_file.h"
#include "app/dokument.h"
#include "app/histogram_view.h"
#include "app/main_frame.h"
#include "cli/cli_common.h"
#include "cli/report.h"
#include "engine/app_context.h"
#include "histogram/graph.h"
#include "ui_export_dialog.h"

namespace orbica {

namespace {

// A graph of the view's style with the view's options over its document's
// data, drawn without hit regions (the window's own graph keeps its regions).
std::unique_ptr<BaseGraph> GraphLike(CApp& app, CHistogram& view) {
  const BaseGraph& shown = view.Graph();
  std::unique_ptr<BaseGraph> graph = MakeGraph(shown.Style());
  graph->data = &view.Document().Data();
  graph->questionIndex = view.Document().QuestionIndex();
  graph->questions = &app.Context().questions;
  graph->settings = &app.Context().settings;
  graph->respondents = shown.respondents;
  graph->showTitle = shown.showTitle;
  graph->showErrors = shown.showErrors;
  graph->absolute = shown.absolute;
  graph->selectedAnswer = shown.selectedAnswer;
  graph->SetArrangement(shown.arrangement);
  graph->interactive = false;
  return graph;
}

QSize SizeOr(CHistogram& view, QSize size) { return size.isEmpty() ? view.size() : size; }

}  // namespace

QImage HistogramImage(CApp& app, CHistogram& view, QSize size) {
  size = SizeOr(view, size);
  return DrawGraphImage(*GraphLike(app, view), size.width(), size.height());
}

QString HistogramCsv(CApp& app, CHistogram& view) {
  const AppContext& context = app.Context();
  const HistogramData& data = view.Document().Data();
  const int q = view.Document().QuestionIndex();
  const double respondents = context.model.Respondents();
  using cli::CsvField;
  std::string csv = "question,answer,answer_text,subpopulation,share,error,persons\n";
  for (int a = 0; a < data.answerCount; ++a)
    for (int row = 0; row < data.shownCount; ++row) {
      const CPopulace* population = context.displayed.Subpopulation(data.slot[static_cast<std::size_t>(row)]);
      const double share = data.Share(row, a);
      // Persons as the tooltip counts them: trunc(size x share x N).
      const auto persons = static_cast<std::int64_t>(data.size[static_cast<std::size_t>(row)] * share * respondents);
      csv += std::to_string(q + 1) + ',' + std::to_string(a + 1) + ',' +
             CsvField(context.questions.AnswerLongText(q, a)) + ',' + CsvField(population ? population->Name() : "") +
             ',' + cli::Exact(share) + ',' + cli::Exact(data.Error(row, a)) + ',' + std::to_string(persons) + '\n';
    }
  return QString::fromStdString(csv);
}

bool ExportHistogram(CApp& app, CHistogram& view, const QString& path, QSize size, QString* error) {
  const auto fail = [&](const QString& message) {
    if (error) *error = message;
    return false;
  };
  if (QFileInfo(path).suffix().compare(QLatin1String("csv"), Qt::CaseInsensitive) == 0) {
    QSaveFile file(path);
    const QByteArray bytes = HistogramCsv(app, view).toUtf8();
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
      return fail(QCoreApplication::translate("Export", "The file %1 cannot be written.").arg(path));
    return true;
  }
  const std::optional<GraphFileKind> kind = GraphFileKindOf(path);
  if (!kind)
    return fail(QCoreApplication::translate("Export", "The file name must end in .png, .svg, .pdf or .csv."));
  size = SizeOr(view, size);
  if (!WriteGraphFile(*GraphLike(app, view), path, *kind, size.width(), size.height(), view.Document().Title()))
    return fail(QCoreApplication::translate("Export", "The file %1 cannot be written.").arg(path));
  return true;
}

void CopyHistogramImage(CApp& app, CHistogram& view) {
  QGuiApplication::clipboard()->setImage(HistogramImage(app, view));
}

bool ExportActiveHistogram(CApp& app, QWidget* parent) {
  CHistogram* view = app.MainFrame() ? app.MainFrame()->ActiveView() : nullptr;
  if (!view) return false;
  QDialog dialog(parent);
  Ui::ExportDialog ui;
  ui.setupUi(&dialog);
  ui.widthSpin->setValue(view->width());
  ui.heightSpin->setValue(view->height());
  ui.fileEdit->setText(QDir::current().filePath(
      QCoreApplication::translate("Export", "question-%1.png").arg(view->Document().QuestionIndex() + 1)));
  QObject::connect(ui.browseButton, &QPushButton::clicked, &dialog, [&] {
    const QString chosen = QFileDialog::getSaveFileName(
        &dialog, QCoreApplication::translate("Export", "Export"), ui.fileEdit->text(),
        QCoreApplication::translate("Export",
                                    "PNG image (*.png);;SVG drawing (*.svg);;PDF document (*.pdf);;CSV numbers (*.csv)"));
    if (!chosen.isEmpty()) ui.fileEdit->setText(chosen);
  });
  QObject::connect(ui.buttonBox, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  QObject::connect(ui.buttonBox, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  while (dialog.exec() == QDialog::Accepted) {
    QString error;
    if (ExportHistogram(app, *view, ui.fileEdit->text(), QSize(ui.widthSpin->value(), ui.heightSpin->value()),
                        &error))
      return true;
    QMessageBox::warning(&dialog, QCoreApplication::translate("Export", "Export"), error);
  }
  return false;
}

}  // namespace orbica
