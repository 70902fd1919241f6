#pragma once
// A window of the ui model on screen: the table window or a tool window. It
// holds one ControlWidget per control and keeps them in step with the model.

#include <QWidget>
#include <string>
#include <vector>

#include "control_widget.h"
#include "ui/control.h"

namespace vantry::qt {

class WindowView final : public QWidget {
  public:
    enum class Kind { Main, Tool };

    // `area`, when given, is the control whose rectangle holds all the others
    // (the table area of the main window).
    WindowView(Kind kind, std::string name, const ui::Window& model, const ui::Control* area,
               PictureCache& pictures, MouseSink mouse, KeySink keys);

    // Adds a control of this window.
    void Add(const char* name, int index, const ui::Control& control);
    // Brings the window and every control in line with the model.
    void Sync();
    const std::string& Name() const { return name_; }

  protected:
    void paintEvent(QPaintEvent*) override;
    void keyPressEvent(QKeyEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;

  private:
    Kind kind_;
    std::string name_;
    const ui::Window& model_;
    const ui::Control* area_;
    PictureCache& pictures_;
    MouseSink mouse_;
    KeySink keys_;
    QWidget* surface_ = nullptr;
    std::vector<std::pair<const ui::Control*, ControlWidget*>> controls_;
};

}  // namespace vantry::qt
