#include "app/command_table.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace orbica {

const CommandTable& CommandTable::Get() {
  static const CommandTable table;
  return table;
}

CommandTable::CommandTable() {
  QFile file(QStringLiteral(":/res/commands.json"));
  if (!file.open(QIODevice::ReadOnly)) qFatal("the command table is missing from the program's resources");
  const QJsonObject root = QJsonDocument::fromJson(file.readAll()).object();
  for (const QJsonValue& m : root.value(QStringLiteral("menus")).toArray()) {
    Menu menu;
    menu.title = m.toObject().value(QStringLiteral("title")).toString();
    for (const QJsonValue& i : m.toObject().value(QStringLiteral("items")).toArray()) {
      const QJsonObject o = i.toObject();
      MenuItem item;
      if (!o.value(QStringLiteral("separator")).toBool()) {
        item.id = o.value(QStringLiteral("id")).toInt();
        item.text = o.value(QStringLiteral("text")).toString();
        item.disabled = o.value(QStringLiteral("disabled")).toBool();
      }
      menu.items << item;
    }
    menus_ << menu;
  }
  for (const QJsonValue& v : root.value(QStringLiteral("toolbar")).toArray()) toolbar_ << v.toInt();
  for (const QJsonValue& v : root.value(QStringLiteral("checkButtons")).toArray()) checkButtons_ << v.toInt();
  const QJsonObject icons = root.value(QStringLiteral("icons")).toObject();
  for (auto it = icons.begin(); it != icons.end(); ++it) icons_.insert(it.key().toInt(), it.value().toString());
  for (const QJsonValue& v : root.value(QStringLiteral("accelerators")).toArray()) {
    const QJsonArray pair = v.toArray();
    accelerators_[pair.at(1).toInt()] << QKeySequence(pair.at(0).toString(), QKeySequence::PortableText);
  }
  const QJsonObject strings = root.value(QStringLiteral("strings")).toObject();
  for (auto it = strings.begin(); it != strings.end(); ++it) strings_.insert(it.key().toInt(), it.value().toString());
}

QString CommandTable::Prompt(int id) const { return strings_.value(id).section(QLatin1Char('\n'), 0, 0); }

QString CommandTable::ToolTip(int id) const {
  const QString text = strings_.value(id);
  const int lineBreak = text.indexOf(QLatin1Char('\n'));
  return lineBreak < 0 ? QString() : text.mid(lineBreak + 1);
}

QVector<int> CommandTable::AllIds() const {
  QVector<int> ids;
  auto add = [&ids](int id) {
    if (id != 0 && !ids.contains(id)) ids << id;
  };
  for (const Menu& menu : menus_)
    for (const MenuItem& item : menu.items) add(item.id);
  for (const int id : toolbar_) add(id);
  for (auto it = accelerators_.begin(); it != accelerators_.end(); ++it) add(it.key());
  return ids;
}

}  // namespace orbica
