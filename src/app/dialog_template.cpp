#include "app/dialog_template.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QDialog>
#include <QFile>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QFrame>
#include <QGroupBox>
#include <QIcon>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMap>
#include <QProgressBar>
#include <QPushButton>
#include <QSlider>
#include <QTextEdit>

namespace orbica {

namespace {

void AddTemplates(const QJsonObject& root, QMap<int, DialogTemplate>& templates);

QRect RectOf(const QJsonValue& value) {
  const QJsonArray a = value.toArray();
  return QRect(a.at(0).toInt(), a.at(1).toInt(), a.at(2).toInt(), a.at(3).toInt());
}

QStringList StringsOf(const QJsonValue& value) {
  QStringList list;
  for (const QJsonValue& v : value.toArray()) list << v.toString();
  return list;
}

// Every file of the resource folder res/dialogs holds some of the templates.
QMap<int, DialogTemplate> LoadTemplates() {
  QMap<int, DialogTemplate> templates;
  const QDir folder(QStringLiteral(":/res/dialogs"));
  for (const QString& name : folder.entryList({QStringLiteral("*.json")}, QDir::Files, QDir::Name)) {
    QFile file(folder.filePath(name));
    if (!file.open(QIODevice::ReadOnly)) qFatal("cannot read the dialog templates %s", qPrintable(name));
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &error);
    if (error.error != QJsonParseError::NoError)
      qFatal("dialog templates %s: %s", qPrintable(name), qPrintable(error.errorString()));
    AddTemplates(document.object(), templates);
  }
  return templates;
}

void AddTemplates(const QJsonObject& root, QMap<int, DialogTemplate>& templates) {
  for (const QJsonValue& t : root.value(QStringLiteral("templates")).toArray()) {
    const QJsonObject o = t.toObject();
    DialogTemplate d;
    d.id = o.value(QStringLiteral("id")).toInt();
    d.caption = o.value(QStringLiteral("caption")).toString();
    d.font = o.value(QStringLiteral("font")).toString();
    d.points = o.value(QStringLiteral("points")).toInt(8);
    const QJsonArray size = o.value(QStringLiteral("size")).toArray();
    d.size = QSize(size.at(0).toInt(), size.at(1).toInt());
    d.style = StringsOf(o.value(QStringLiteral("style")));
    for (const QJsonValue& c : o.value(QStringLiteral("controls")).toArray()) {
      const QJsonObject co = c.toObject();
      ControlTemplate control;
      control.kind = co.value(QStringLiteral("kind")).toString();
      control.id = co.value(QStringLiteral("id")).toInt(-1);
      control.text = co.value(QStringLiteral("text")).toString();
      control.rect = RectOf(co.value(QStringLiteral("rect")));
      control.style = StringsOf(co.value(QStringLiteral("style")));
      d.controls << control;
    }
    templates.insert(d.id, d);
  }
}

}  // namespace

const DialogTemplate& FindDialogTemplate(int id) {
  static const QMap<int, DialogTemplate> templates = LoadTemplates();
  const auto it = templates.find(id);
  if (it == templates.end()) qFatal("dialog template %d is missing", id);
  return *it;
}

QFont DialogFont(const DialogTemplate& dialogTemplate) {
  if (dialogTemplate.font.contains(QStringLiteral("Courier"), Qt::CaseInsensitive))
    return QFontDatabase::systemFont(QFontDatabase::FixedFont);
  return QApplication::font();
}

DialogUnits::DialogUnits(const QFont& font) {
  const QFontMetrics metrics(font);
  const QString alphabet = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
  baseX = (metrics.horizontalAdvance(alphabet) / 26 + 1) / 2;
  baseY = metrics.height();
  if (baseX < 1) baseX = 1;
  if (baseY < 1) baseY = 1;
}

int DialogUnits::X(int units) const { return units * baseX / 4; }
int DialogUnits::Y(int units) const { return units * baseY / 8; }
QRect DialogUnits::ToPixels(const QRect& r) const { return QRect(X(r.x()), Y(r.y()), X(r.width()), Y(r.height())); }

DialogBuilder::DialogBuilder(int templateId, QWidget* dialog, const QHash<int, ControlFactory>& custom)
    : template_(&FindDialogTemplate(templateId)), units_(DialogFont(*template_)) {
  dialog->setFont(DialogFont(*template_));
  if (!template_->caption.isEmpty()) dialog->setWindowTitle(template_->caption);
  for (const ControlTemplate& control : template_->controls) {
    QWidget* widget = Create(control, dialog, custom);
    if (!widget) continue;
    QRect geometry = units_.ToPixels(control.rect);
    // A drop-down list's template height includes its list; the box itself is one line high.
    if (control.kind == QLatin1String("combobox")) geometry.setHeight(widget->sizeHint().height());
    widget->setGeometry(geometry);
    if (control.style.contains(QStringLiteral("disabled"))) widget->setEnabled(false);
    if (control.id != -1) {
      widget->setObjectName(QStringLiteral("control%1").arg(control.id));
      controls_.insert(control.id, widget);
    }
  }
  const QSize client = ClientSize();
  if (template_->style.contains(QStringLiteral("sizing")))
    dialog->resize(client);
  else
    dialog->setFixedSize(client);
}

QSize DialogBuilder::ClientSize() const {
  return QSize(units_.X(template_->size.width()), units_.Y(template_->size.height()));
}

QWidget* DialogBuilder::Create(const ControlTemplate& c, QWidget* dialog, const QHash<int, ControlFactory>& custom) {
  if (custom.contains(c.id)) return custom.value(c.id)(dialog);
  const QString& kind = c.kind;
  if (kind == QLatin1String("static")) {
    auto* label = new QLabel(c.text, dialog);
    label->setWordWrap(!c.style.contains(QStringLiteral("nowrap")));
    label->setAlignment(c.style.contains(QStringLiteral("right")) ? Qt::AlignRight | Qt::AlignTop
                                                                 : Qt::AlignLeft | Qt::AlignTop);
    return label;
  }
  if (kind == QLatin1String("button")) {
    auto* button = new QPushButton(c.text, dialog);
    const bool isDefault = c.style.contains(QStringLiteral("default"));
    button->setDefault(isDefault);
    button->setAutoDefault(isDefault);
    if (auto* d = qobject_cast<QDialog*>(dialog)) {
      if (c.id == 1) QObject::connect(button, &QPushButton::clicked, d, &QDialog::accept);
      if (c.id == 2) QObject::connect(button, &QPushButton::clicked, d, &QDialog::reject);
    }
    return button;
  }
  if (kind == QLatin1String("checkbox")) return new QCheckBox(c.text, dialog);
  if (kind == QLatin1String("edit")) {
    if (c.style.contains(QStringLiteral("multiline"))) {
      auto* edit = new QTextEdit(dialog);
      edit->setAcceptRichText(false);
      edit->setReadOnly(c.style.contains(QStringLiteral("readonly")));
      return edit;
    }
    auto* line = new QLineEdit(c.text, dialog);
    line->setReadOnly(c.style.contains(QStringLiteral("readonly")));
    return line;
  }
  if (kind == QLatin1String("richedit")) {
    auto* edit = new QTextEdit(dialog);
    edit->setReadOnly(c.style.contains(QStringLiteral("readonly")));
    return edit;
  }
  if (kind == QLatin1String("listbox")) {
    auto* list = new QListWidget(dialog);
    list->setSelectionMode(c.style.contains(QStringLiteral("multiple")) ? QAbstractItemView::ExtendedSelection
                                                                      : QAbstractItemView::SingleSelection);
    list->setSortingEnabled(c.style.contains(QStringLiteral("sort")));
    return list;
  }
  if (kind == QLatin1String("combobox")) {
    return new QComboBox(dialog);
  }
  if (kind == QLatin1String("groupbox")) return new QGroupBox(c.text, dialog);
  if (kind == QLatin1String("etched")) {
    auto* frame = new QFrame(dialog);
    frame->setFrameShape(QFrame::Box);
    frame->setFrameShadow(QFrame::Sunken);
    return frame;
  }
  if (kind == QLatin1String("icon")) {
    auto* label = new QLabel(dialog);
    const QRect px = units_.ToPixels(c.rect);
    label->setPixmap(QIcon(QStringLiteral(":/res/icons/%1.svg").arg(c.text)).pixmap(px.size()));
    return label;
  }
  if (kind == QLatin1String("slider")) return new QSlider(Qt::Horizontal, dialog);
  if (kind == QLatin1String("progress")) return new QProgressBar(dialog);
  return nullptr;  // "custom" controls are created by their dialogs
}

}  // namespace orbica
