// The start dialog of `orbica --choose` in a folder without a census: open a
// census folder, one of the recent ones, or the sample census.
#pragma once

#include <QDialog>
#include <QString>
#include <QStringList>
#include <memory>

class QAbstractButton;
class QListWidget;

namespace Ui {
class StartDialog;
}

namespace orbica {

class StartDialog : public QDialog {
  Q_OBJECT

 public:
  enum class Choice { kNone, kFolder, kSample };

  explicit StartDialog(const QStringList& recent, QWidget* parent = nullptr);
  ~StartDialog() override;

  // What the user chose when the dialog was accepted.
  Choice Chosen() const { return choice_; }
  // The folder of Choice::kFolder.
  QString Folder() const { return folder_; }

  // The dialog's parts, for tests.
  QAbstractButton* OpenFolderButton() const;
  QAbstractButton* SampleButton() const;
  QListWidget* RecentList() const;

 public Q_SLOTS:
  // "Open census folder…": a folder dialog; accepts with the chosen folder.
  void ChooseFolder();
  // Accepts with the recent folder in `row`.
  void OpenRecent(int row);
  void OpenSample();

 private:
  void AcceptFolder(const QString& folder);
  std::unique_ptr<Ui::StartDialog> ui_;
  Choice choice_ = Choice::kNone;
  QString folder_;
};

}  // namespace orbica
