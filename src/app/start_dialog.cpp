#include "app/start_dialog.h"

#include <QDir>
#include <QFileDialog>
#include <QPushButton>

#include "ui_start_dialog.h"

namespace orbica {

StartDialog::StartDialog(const QStringList& recent, QWidget* parent)
    : QDialog(parent), ui_(std::make_unique<Ui::StartDialog>()) {
  ui_->setupUi(this);
  for (const QString& folder : recent) {
    auto* item = new QListWidgetItem(QDir::toNativeSeparators(folder), ui_->recentList);
    item->setData(Qt::UserRole, folder);
    item->setToolTip(folder);
  }
  ui_->recentList->setCurrentRow(recent.isEmpty() ? -1 : 0);
  ui_->recentLabel->setVisible(!recent.isEmpty());
  ui_->recentList->setVisible(!recent.isEmpty());
  QPushButton* open = ui_->buttonBox->button(QDialogButtonBox::Open);
  open->setText(tr("&Open"));
  open->setEnabled(!recent.isEmpty());
  ui_->openFolderButton->setDefault(recent.isEmpty());
  connect(ui_->openFolderButton, &QPushButton::clicked, this, &StartDialog::ChooseFolder);
  connect(ui_->sampleButton, &QPushButton::clicked, this, &StartDialog::OpenSample);
  connect(ui_->recentList, &QListWidget::itemActivated, this,
          [this](QListWidgetItem* item) { OpenRecent(ui_->recentList->row(item)); });
  connect(open, &QPushButton::clicked, this, [this] { OpenRecent(ui_->recentList->currentRow()); });
  connect(ui_->buttonBox, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

StartDialog::~StartDialog() = default;

QAbstractButton* StartDialog::OpenFolderButton() const { return ui_->openFolderButton; }
QAbstractButton* StartDialog::SampleButton() const { return ui_->sampleButton; }
QListWidget* StartDialog::RecentList() const { return ui_->recentList; }

void StartDialog::ChooseFolder() {
  const QString folder = QFileDialog::getExistingDirectory(this, tr("Open census folder"), QDir::homePath());
  if (!folder.isEmpty()) AcceptFolder(folder);
}

void StartDialog::OpenRecent(int row) {
  QListWidgetItem* item = ui_->recentList->item(row);
  if (item) AcceptFolder(item->data(Qt::UserRole).toString());
}

void StartDialog::OpenSample() {
  choice_ = Choice::kSample;
  accept();
}

void StartDialog::AcceptFolder(const QString& folder) {
  choice_ = Choice::kFolder;
  folder_ = folder;
  accept();
}

}  // namespace orbica
