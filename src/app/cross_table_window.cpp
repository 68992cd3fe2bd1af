#include "app/cross_table_window.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QEvent>
#include <QFontDatabase>
#include <QFontInfo>
#include <QLabel>
#include <QPlainTextEdit>
#include <QResizeEvent>
#include <QScrollBar>
#include <algorithm>
#include <optional>
#include <string>

#include "app/app.h"
#include "app/widget_support.h"
#include "app/main_frame.h"
#include "crosstable/cross_table.h"
#include "survey/populace.h"
#include "ui_cross_table_window.h"

namespace orbica {

namespace {

constexpr int kDropDownHeight = 300;
constexpr int kTableFontPixels = 13;

// A fixed-pitch face for the table, so that its columns line up: the desktop's
// fixed font, or else the first face the font database knows to be fixed-pitch.
QFont TableFont() {
  QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  if (!QFontInfo(font).fixedPitch()) {
    for (const QString& family : QFontDatabase::families()) {
      if (QFontDatabase::isFixedPitch(family) && !QFontDatabase::isPrivateFamily(family)) {
        font.setFamily(family);
        break;
      }
    }
  }
  font.setStyleHint(QFont::Monospace);
  font.setFixedPitch(true);
  font.setPixelSize(kTableFontPixels);
  font.setWeight(QFont::Normal);
  font.setItalic(false);
  font.setUnderline(false);
  font.setStrikeOut(false);
  return font;
}

}  // namespace

C2DTable::C2DTable(CApp& app, QWidget* parent) : QDialog(parent), app_(app) {
  // A tool window of the main window: it stays above it while the user works there.
  setWindowFlags(Qt::Tool | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMaximizeButtonHint |
                 Qt::WindowCloseButtonHint);
  setModal(false);
  Ui::CrossTableWindow ui;
  ui.setupUi(this);
  setObjectName(QStringLiteral("crossTable"));
  topList_ = ui.topList;
  leftList_ = ui.leftList;
  table_ = ui.tableText;
  NameBuddies(this);
  table_->setFont(TableFont());

  // Item i is question index i, so the selected position is the question.
  const CQuestionList& questions = app_.Context().questions;
  for (QComboBox* list : {topList_, leftList_}) {
    for (int q = 0; q < questions.QuestionCount(); ++q)
      list->addItem(QString::fromStdString(questions.QuestionText(q)));
    LimitDropDown(list, kDropDownHeight);
  }
  topList_->setCurrentIndex(top_);
  leftList_->setCurrentIndex(left_);
  connect(topList_, &QComboBox::currentIndexChanged, this, &C2DTable::SelectionChanged);
  connect(leftList_, &QComboBox::currentIndexChanged, this, &C2DTable::SelectionChanged);
  // A closed table is gone for good.
  connect(this, &QDialog::finished, this, &QObject::deleteLater);
  Rebuild();
}

void C2DTable::SelectionChanged() {
  top_ = topList_->currentIndex();
  left_ = leftList_->currentIndex();
  Rebuild();
}

void C2DTable::Rebuild() {
  AppContext& context = app_.Context();
  // The first shown slot; with none shown, the whole population.
  ConditionSet conditions{};
  std::string name = kWholePopulationName;
  if (const CPopulace* population = CrossTableSubpopulation(context.displayed)) {
    conditions = population->Masks();
    name = population->Name();
  }
  const std::optional<std::string> text =
      CrossTableText(top_, left_, context.model, context.questions, conditions, name, "\r\n");
  if (!text) return;  // a question outside the questionnaire: text and caption stay
  ++rebuilds_;
  setWindowTitle(QString::fromStdString(CrossTableCaption(top_, left_)));
  text_ = QString::fromStdString(*text);
  // The new text replaces any edits; the view stays where the user scrolled it.
  const int x = table_->horizontalScrollBar()->value(), y = table_->verticalScrollBar()->value();
  table_->setPlainText(text_);
  table_->horizontalScrollBar()->setValue(x);
  table_->verticalScrollBar()->setValue(y);
}

void C2DTable::changeEvent(QEvent* event) {
  QDialog::changeEvent(event);
  // Gaining or losing activation: follow what changed elsewhere in the slots.
  if (event->type() == QEvent::ActivationChange) Rebuild();
}

C2DTable* OpenCrossTable(CApp& app) {
  auto* table = new C2DTable(app, app.MainFrame());
  table->show();
  return table;
}

}  // namespace orbica
