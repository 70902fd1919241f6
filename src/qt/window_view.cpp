#include "window_view.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

namespace vantry::qt {

WindowView::WindowView(Kind kind, std::string name, const ui::Window& model,
                       const ui::Control* area, PictureCache& pictures, MouseSink mouse,
                       KeySink keys)
    : kind_(kind),
      name_(std::move(name)),
      model_(model),
      area_(area),
      pictures_(pictures),
      mouse_(std::move(mouse)),
      keys_(std::move(keys)) {
    setWindowFlags(kind == Kind::Main ? Qt::Window | Qt::FramelessWindowHint
                                      : Qt::Tool | Qt::FramelessWindowHint);
    setAttribute(Qt::WA_OpaquePaintEvent);
    // A tool window that opens by itself (the player card on hover, the
    // illegal-play notice) leaves the keyboard with the table.
    if (kind == Kind::Tool)
        setAttribute(Qt::WA_ShowWithoutActivating);
    setFocusPolicy(Qt::StrongFocus);
    surface_ = new QWidget(this);
}

void WindowView::Add(const char* name, int index, const ui::Control& control) {
    auto* widget =
        new ControlWidget(surface_, pictures_, ui::ControlRef{name_, name, index}, mouse_);
    controls_.emplace_back(&control, widget);
}

void WindowView::keyPressEvent(QKeyEvent* e) {
    const int code = KeyCode(e->key());
    if (code == 0)
        return QWidget::keyPressEvent(e);
    const char* focus = kind_ == Kind::Main ? "Pic1" : "";
    keys_(ui::ControlRef{name_, focus, 0}, {code, ShiftState(e->modifiers())});
}

// A press on the window's own background (outside every control).
void WindowView::mousePressEvent(QMouseEvent* e) {
    const int button = e->button() == Qt::LeftButton    ? ui::kLeftButton
                       : e->button() == Qt::RightButton ? ui::kRightButton
                                                        : 4;
    const QPoint at = e->position().toPoint();
    mouse_(ui::ControlRef{name_, "", 0},
           {ui::MouseAction::Down, button, ShiftState(e->modifiers()), at.x(), at.y()});
}

void WindowView::Sync() {
    const ui::Window& w = model_;
    setWindowTitle(ToQString(w.caption));
    if (geometry() != QRect(w.left, w.top, w.width, w.height))
        setGeometry(w.left, w.top, w.width, w.height);
    setWindowOpacity(w.opacity / 255.0);
    setWindowFlag(Qt::WindowStaysOnTopHint, w.topmost);
    if (area_)
        surface_->setGeometry(area_->left, area_->top, area_->width, area_->height);
    else
        surface_->setGeometry(0, 0, w.width, w.height);

    for (auto& [control, widget] : controls_) {
        widget->Sync(*control);
        // The area control fills the surface from its origin.
        if (control == area_)
            widget->setGeometry(0, 0, area_->width, area_->height);
    }
    // Stack by z-order stamp, the area control always at the back.
    std::vector<std::pair<int, ControlWidget*>> order;
    for (auto& [control, widget] : controls_)
        if (control != area_)
            order.emplace_back(control->z, widget);
    std::stable_sort(order.begin(), order.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    for (auto& [z, widget] : order)
        widget->raise();

    if (!w.visible) {
        if (isVisible())
            hide();
    } else if (w.minimized) {
        if (!isMinimized())
            showMinimized();
    } else if (!isVisible() || isMinimized()) {
        showNormal();
        raise();
    }
}

void WindowView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    // The main window's own frame around the table; the background of a tool window.
    p.fillRect(rect(), kind_ == Kind::Main ? QColor(0x1b, 0x2a, 0x3a) : QColor(0x24, 0x3b, 0x55));
}

}  // namespace vantry::qt
