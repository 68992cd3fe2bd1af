// The subpopulation editor "Subpopulation properties": the conditions, the name
// and the note of one display slot's working copy, with its size shown live.
#pragma once

#include <QDialog>
#include <QHash>
#include <QString>

#include "survey/populace.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;

namespace orbica {

class CApp;

class PopDialog : public QDialog {
  Q_OBJECT

 public:
  // Edits `subpopulation` (a slot's working copy), which changes only through OK, Save and Add.
  PopDialog(CApp& app, CPopulace& subpopulation, QWidget* parent = nullptr);

  // Identity of the list entry that Save or Add stored the subpopulation into; 0 when nothing was stored.
  int StoredIdentity() const { return storedIdentity_; }
  // Whether OK, Save or Add changed the subpopulation's conditions, name or note.
  bool Changed() const { return changed_; }

  const ConditionSet& WorkingMasks() const { return working_.Masks(); }
  QString NoteField() const { return note_; }
  QListWidget* QuestionList() const { return questions_; }
  QListWidget* AnswerList() const { return answers_; }
  QLineEdit* NameBox() const { return name_; }
  QLabel* SizeText() const { return size_; }
  // Button by control id (1 OK, 2 Cancel, 3012 Save, 3010 Add, 3020 Clear, 1045 Notes).
  QPushButton* Button(int id) const;

  void done(int result) override;

 private:
  int SelectedQuestion() const;
  // Shows the answers of the selected question, dropping its conditions when its tick is off.
  void ShowAnswers();
  void TickQuestions();
  void RefreshSizeAndName();
  void QuestionTicked(QListWidgetItem* item);
  void AnswerTicked(QListWidgetItem* item);
  // OK's part of OK, Save and Add: the Name box, the conditions and the note go into the subpopulation.
  void Apply();
  void Ok();
  void Save();
  void Add();
  void Clear();
  void Notes();

  CApp& app_;
  CPopulace& subpopulation_;
  CBasePopulace working_;
  QString note_;
  QString originalNote_;
  int storedIdentity_ = 0;
  bool changed_ = false;
  bool filling_ = false;
  QLineEdit* name_ = nullptr;
  QListWidget* questions_ = nullptr;
  QListWidget* answers_ = nullptr;
  QLabel* answersLabel_ = nullptr;
  QLabel* sizeLabel_ = nullptr;
  QLabel* size_ = nullptr;
  QHash<int, QPushButton*> buttons_;
};

}  // namespace orbica
