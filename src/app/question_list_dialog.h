// The "Question list" dialog: the full texts of all questions in the browsing
// order, the choice of that order, the choice of a question and its printout.
#pragma once

#include <QDialog>
#include <QPointer>
#include <optional>
#include <string>

class QComboBox;
class QLabel;
class QListWidget;
class QPrinter;
class QPushButton;
class QTextBrowser;

namespace orbica {

class CApp;
class Canvas;
class CQuestionList;

// The entries of the "Sort by" box; entry k is ordering kind k of CQuestionList.
inline constexpr const char* kSortKinds[] = {QT_TRANSLATE_NOOP("orbica::ListOtazek", "Question number"),
                                             QT_TRANSLATE_NOOP("orbica::ListOtazek", "Max. difference"),
                                             QT_TRANSLATE_NOOP("orbica::ListOtazek", "Avg. difference"),
                                             QT_TRANSLATE_NOOP("orbica::ListOtazek", "Total difference")};
inline constexpr const char* kQuestionListTitle = QT_TRANSLATE_NOOP("orbica::ListOtazek", "Question list");

// The two printed columns of a question: its label (a leading number such as
// "12." when the text starts with one) and the text after it. A text without
// such a label is printed whole, labelled with the question's number.
struct PrintedQuestionLine {
  std::string label;
  std::string text;
};
PrintedQuestionLine SplitQuestionForPrint(const std::string& questionText, int questionIndex);

// Draws the printed question list: the title, then one line per question in the
// browsing order. `unit` is the number of device units per layout unit (the
// layout is made for a device of 96 units per inch); `right` is the page's right edge.
void DrawQuestionList(Canvas& dc, const CQuestionList& questions, double unit, int right);

class ListOtazek : public QDialog {
  Q_OBJECT

 public:
  // The list with `current` (a question index) chosen; the sort box shows the
  // current ordering kind of the question list.
  ListOtazek(CApp& app, int current, QWidget* parent);
  ~ListOtazek() override;

  // The chosen question index, read by the caller after OK.
  int ChosenQuestion() const { return chosen_; }
  QListWidget* List() const { return list_; }
  QComboBox* SortBox() const { return sortBox_; }

  // Prints the list on `printer` as one page (the Print button, after the print dialog).
  void PrintList(QPrinter& printer);

 private:
  void FillList();
  void SortChanged(int kind);
  void RowChanged(int row);
  void ChooseAndClose();
  void Print();
  void Help();

  CApp& app_;
  int chosen_ = 0;
  bool filling_ = false;
  QListWidget* list_ = nullptr;
  QComboBox* sortBox_ = nullptr;
  QLabel* sortLabel_ = nullptr;
  QPushButton* ok_ = nullptr;
  QPushButton* print_ = nullptr;
  QPushButton* help_ = nullptr;
  QPushButton* cancel_ = nullptr;
  QPointer<QTextBrowser> helpWindow_;
};

// Runs the question list on `current`: the chosen question after OK, none after Cancel.
std::optional<int> RunQuestionList(CApp& app, int current);

}  // namespace orbica
