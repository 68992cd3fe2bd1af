#include "app/question_list_dialog.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QResizeEvent>
#include <QTextBrowser>
#include <QUrl>
#include <algorithm>
#include <cctype>

#include "app/app.h"
#include "app/canvas/qt_canvas.h"
#include "app/widget_support.h"
#include "app/main_frame.h"
#include "app/placement.h"
#include "histogram/canvas.h"
#include "survey/question_list.h"
#include "ui_question_list_dialog.h"

namespace orbica {

namespace {

// Height of the open "Sort by" list.
constexpr int kDropDownHeight = 300;


}  // namespace

PrintedQuestionLine SplitQuestionForPrint(const std::string& questionText, int questionIndex) {
  // A leading label of at most three characters that starts with a digit ("7.", "12.").
  const std::size_t blank = questionText.find(' ');
  if (blank != std::string::npos && blank >= 1 && blank <= 3 &&
      std::isdigit(static_cast<unsigned char>(questionText[0])))
    return {questionText.substr(0, blank), questionText.substr(blank + 1)};
  return {std::to_string(questionIndex + 1) + ".", questionText};
}

void DrawQuestionList(Canvas& dc, const CQuestionList& questions, double unit, int right) {
  auto units = [unit](int layoutUnits) { return static_cast<int>(layoutUnits * unit); };
  dc.SetBackgroundMode(BackgroundMode::kTransparent);
  const CanvasFont previous = dc.SelectFont(CanvasFont::kDeviceDefault);
  int h = dc.TextExtent("A").cy;
  dc.TextInRect(QCoreApplication::translate("orbica::ListOtazek", kQuestionListTitle).toStdString(), CanvasRect{units(50), 0, units(1000), h * 3 / 2 + units(5)},
                kTextLeft | kTextSingleLine | kTextNoClip);

  dc.SelectFont(CanvasFont::kVariablePitch);
  h = dc.TextExtent("A").cy;
  const int d = h * 3 / 2;
  const int labelLeft = units(50), textLeft = units(150);
  const int textRight = std::max(right, textLeft + 1);
  const std::vector<int>& order = questions.QuestionOrder();
  for (std::size_t i = 1; i <= order.size(); ++i) {
    const int q = order[i - 1];
    const PrintedQuestionLine line = SplitQuestionForPrint(questions.QuestionText(q), q);
    const int top = static_cast<int>(i + 1) * d, bottom = static_cast<int>(i + 2) * d;
    dc.TextInRect(line.label, CanvasRect{labelLeft, top, textLeft, bottom}, kTextLeft | kTextSingleLine | kTextNoClip);
    dc.TextInRect(line.text, CanvasRect{textLeft, top, textRight, bottom}, kTextLeft | kTextSingleLine);
  }
  dc.SelectFont(previous);
}

ListOtazek::ListOtazek(CApp& app, int current, QWidget* parent) : QDialog(parent), app_(app), chosen_(current) {
  Ui::QuestionListDialog ui;
  ui.setupUi(this);
  setObjectName(QStringLiteral("questionList"));
  const QSize initialSize = size();
  list_ = ui.questionList;
  sortLabel_ = ui.sortLabel;
  sortBox_ = ui.sortBox;
  ok_ = ui.okButton;
  print_ = ui.printButton;
  help_ = ui.helpButton;
  cancel_ = ui.cancelButton;
  NameBuddies(this);

  for (const char* kind : kSortKinds) sortBox_->addItem(tr(kind));
  LimitDropDown(sortBox_, kDropDownHeight);
  sortBox_->setCurrentIndex(app_.Context().questions.OrderingKind());
  FillList();

  connect(ok_, &QPushButton::clicked, this, &ListOtazek::ChooseAndClose);
  connect(list_, &QListWidget::itemDoubleClicked, this, &ListOtazek::ChooseAndClose);
  connect(list_, &QListWidget::currentRowChanged, this, &ListOtazek::RowChanged);
  connect(sortBox_, &QComboBox::currentIndexChanged, this, &ListOtazek::SortChanged);
  connect(print_, &QPushButton::clicked, this, &ListOtazek::Print);
  connect(help_, &QPushButton::clicked, this, &ListOtazek::Help);

  if (!RestorePlacement(app_.Context().settings, kPlacementQuestionList, this)) resize(initialSize);
}

ListOtazek::~ListOtazek() { RecordPlacement(app_.Context().settings, kPlacementQuestionList, this); }

void ListOtazek::FillList() {
  const CQuestionList& questions = app_.Context().questions;
  filling_ = true;
  list_->clear();
  const std::vector<int>& order = questions.QuestionOrder();
  for (const int q : order) list_->addItem(QString::fromStdString(questions.QuestionText(q)));
  const auto found = std::find(order.begin(), order.end(), chosen_);
  if (found != order.end()) {
    list_->setCurrentRow(static_cast<int>(found - order.begin()));
    list_->scrollToItem(list_->currentItem());
  }
  filling_ = false;
}

void ListOtazek::SortChanged(int kind) {
  if (kind < 0) return;
  AppContext& context = app_.Context();
  context.questions.Order(kind, context.model, context.displayed.ShownConditionSets());
  FillList();
}

void ListOtazek::RowChanged(int row) {
  if (filling_) return;
  const std::vector<int>& order = app_.Context().questions.QuestionOrder();
  if (row >= 0 && row < static_cast<int>(order.size())) chosen_ = order[static_cast<std::size_t>(row)];
}

void ListOtazek::ChooseAndClose() {
  RowChanged(list_->currentRow());
  accept();
}

void ListOtazek::PrintList(QPrinter& printer) {
  printer.setDocName(tr(kQuestionListTitle));
  QPainter painter;
  if (!painter.begin(&printer)) return;  // errors of the print job are not reported
  QtCanvas canvas(painter);
  const QRect page = printer.pageLayout().paintRectPixels(printer.resolution());
  DrawQuestionList(canvas, app_.Context().questions, printer.resolution() / 96.0, page.width());
}

void ListOtazek::Print() {
  QPrinter& printer = app_.Printer();
  QPrintDialog dialog(&printer, this);
  if (dialog.exec() != QDialog::Accepted) return;
  PrintList(printer);
}

void ListOtazek::Help() {
  // A window of the dialog's own, so that it can be used while the dialog runs.
  if (!helpWindow_) {
    helpWindow_ = new QTextBrowser(this);
    helpWindow_->setWindowFlag(Qt::Window);
    helpWindow_->setAttribute(Qt::WA_DeleteOnClose);
    helpWindow_->setObjectName(QStringLiteral("questionListHelp"));
    helpWindow_->setWindowTitle(tr("Orbica Help"));
    helpWindow_->setSearchPaths({QStringLiteral(":/res/help")});
    helpWindow_->setOpenExternalLinks(true);
    helpWindow_->resize(640, 560);
  }
  helpWindow_->setSource(QUrl(QStringLiteral("qrc:/res/help/questions.html")));
  helpWindow_->show();
  helpWindow_->raise();
  helpWindow_->activateWindow();
}

std::optional<int> RunQuestionList(CApp& app, int current) {
  ListOtazek dialog(app, current, app.MainFrame());
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.ChosenQuestion();
}

}  // namespace orbica
