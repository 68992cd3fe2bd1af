// Dialogs built from the templates of res/dialogs.json: controls with ids and
// rectangles in dialog units, converted to pixels with the dialog font's metrics.
#pragma once

#include <QFont>
#include <QHash>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QVector>
#include <QWidget>
#include <functional>

namespace orbica {

struct ControlTemplate {
  QString kind;  // static, button, checkbox, edit, richedit, listbox, combobox, groupbox, etched, icon, slider, progress, custom
  int id = -1;
  QString text;
  QRect rect;  // dialog units
  QStringList style;
};

struct DialogTemplate {
  int id = 0;
  QString caption;
  QString font;
  int points = 8;
  QSize size;  // dialog units
  QStringList style;
  QVector<ControlTemplate> controls;
};

// The templates of the program, read once from the resources.
const DialogTemplate& FindDialogTemplate(int id);

// The font a template names, mapped to a font of this desktop.
QFont DialogFont(const DialogTemplate& dialogTemplate);

// Dialog base units of a font: average character width and height in pixels.
struct DialogUnits {
  explicit DialogUnits(const QFont& font);
  int X(int units) const;  // horizontal dialog units to pixels
  int Y(int units) const;  // vertical dialog units to pixels
  QRect ToPixels(const QRect& units) const;
  int baseX = 6;
  int baseY = 13;
};

// Creates a template's controls inside `dialog` and keeps them by id. Push
// buttons 1 (OK) and 2 (Cancel) of a QDialog accept and reject it unless the
// dialog connects them itself (call Disconnect first).
class DialogBuilder {
 public:
  // Makes the control with a given id; used for the program's own control classes.
  using ControlFactory = std::function<QWidget*(QWidget* parent)>;
  DialogBuilder(int templateId, QWidget* dialog, const QHash<int, ControlFactory>& custom = {});

  QWidget* Control(int id) const { return controls_.value(id); }
  template <typename T>
  T* Get(int id) const {
    return qobject_cast<T*>(controls_.value(id));
  }
  const DialogTemplate& Template() const { return *template_; }
  const DialogUnits& Units() const { return units_; }
  // Size of the dialog's client area in pixels.
  QSize ClientSize() const;

 private:
  QWidget* Create(const ControlTemplate& control, QWidget* dialog, const QHash<int, ControlFactory>& custom);
  const DialogTemplate* template_;
  DialogUnits units_;
  QHash<int, QWidget*> controls_;
};

}  // namespace orbica
