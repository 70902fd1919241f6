#pragma once
// One control of the ui model on screen: paints its picture, caption or list
// rows, and reports mouse input on it.

#include <QWidget>
#include <functional>

#include "pictures.h"
#include "ui/control.h"
#include "ui/input.h"

namespace vantry::qt {

using MouseSink = std::function<void(const ui::ControlRef&, const ui::MouseEvent&)>;
using KeySink = std::function<void(const ui::ControlRef&, const ui::KeyEvent&)>;

class ControlWidget final : public QWidget {
  public:
    ControlWidget(QWidget* parent, PictureCache& pictures, ui::ControlRef ref,
                  const MouseSink& sink);
    void Sync(const ui::Control& control);

  protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;

  private:
    void Report(ui::MouseAction action, QMouseEvent* e);
    QFont Font() const;
    int RowHeight() const;

    PictureCache& pictures_;
    ui::ControlRef ref_;
    const MouseSink& sink_;
    ui::Control shown_;
};

// The table's key code of a Qt key (0 when the table has none for it).
int KeyCode(int qtKey);
// The shift state of Qt modifiers: 1 Shift, 2 Ctrl, 4 Alt.
int ShiftState(Qt::KeyboardModifiers modifiers);

QColor ToQColor(ui::Color c);
QString ToQString(const std::string& s);

}  // namespace vantry::qt
