#pragma once
// Draws the ui model of the table window: one widget per control, kept in
// step with the model after every event, and reports mouse and key input.

#include <QWidget>
#include <functional>
#include <vector>

#include "pictures.h"
#include "ui/input.h"
#include "ui/table_window.h"

namespace vantry::qt {

using MouseSink = std::function<void(const ui::ControlRef&, const ui::MouseEvent&)>;
using KeySink = std::function<void(const ui::ControlRef&, const ui::KeyEvent&)>;

class ControlWidget final : public QWidget {
  public:
    ControlWidget(QWidget* parent, PictureCache& pictures, ui::ControlRef ref, MouseSink& sink);
    void Sync(const ui::Control& control);

  protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;

  private:
    void Report(ui::MouseAction action, QMouseEvent* e);

    PictureCache& pictures_;
    ui::ControlRef ref_;
    MouseSink& sink_;
    ui::Control shown_;
};

class TableView final : public QWidget {
  public:
    TableView(const ui::TableWindow& model, MouseSink mouse, KeySink keys);
    // Brings every widget in line with the model.
    void Sync();

  protected:
    void paintEvent(QPaintEvent*) override;
    void keyPressEvent(QKeyEvent* e) override;

  private:
    const ui::TableWindow& model_;
    MouseSink mouse_;
    KeySink keys_;
    PictureCache pictures_;
    QWidget* tableArea_ = nullptr;
    std::vector<std::pair<const ui::Control*, ControlWidget*>> controls_;
};

// The table's key code of a Qt key (0 when the table has none for it).
int KeyCode(int qtKey);
// The shift state of Qt modifiers: 1 Shift, 2 Ctrl, 4 Alt.
int ShiftState(Qt::KeyboardModifiers modifiers);

}  // namespace vantry::qt
