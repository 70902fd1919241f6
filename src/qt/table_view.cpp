#include "table_view.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

namespace vantry::qt {
namespace {

QColor ToQColor(ui::Color c) {
    return QColor((c >> 16) & 0xFF, (c >> 8) & 0xFF, c & 0xFF);
}

QString ToQString(const std::string& s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

}  // namespace

ControlWidget::ControlWidget(QWidget* parent, PictureCache& pictures, ui::ControlRef ref,
                             MouseSink& sink)
    : QWidget(parent), pictures_(pictures), ref_(std::move(ref)), sink_(sink) {
    setAttribute(Qt::WA_TranslucentBackground);
    setMouseTracking(true);
}

void ControlWidget::Report(ui::MouseAction action, QMouseEvent* e) {
    int button = 0;
    const Qt::MouseButtons buttons = action == ui::MouseAction::Move ? e->buttons() : e->button();
    if (buttons & Qt::LeftButton)
        button |= ui::kLeftButton;
    if (buttons & Qt::RightButton)
        button |= ui::kRightButton;
    if (buttons & Qt::MiddleButton)
        button |= 4;
    const QPoint at = e->position().toPoint();
    sink_(ref_, {action, button, ShiftState(e->modifiers()), at.x(), at.y()});
}

void ControlWidget::mousePressEvent(QMouseEvent* e) {
    Report(ui::MouseAction::Down, e);
}

void ControlWidget::mouseReleaseEvent(QMouseEvent* e) {
    Report(ui::MouseAction::Up, e);
    // A click is a press and release over the same control.
    if (rect().contains(e->position().toPoint()))
        Report(ui::MouseAction::Click, e);
}

void ControlWidget::mouseMoveEvent(QMouseEvent* e) {
    Report(ui::MouseAction::Move, e);
}

void ControlWidget::mouseDoubleClickEvent(QMouseEvent* e) {
    Report(ui::MouseAction::DoubleClick, e);
}

void ControlWidget::Sync(const ui::Control& c) {
    setGeometry(c.left, c.top, c.width, c.height);
    setVisible(c.visible && c.created);
    setEnabled(c.enabled);
    setToolTip(ToQString(c.toolTip));
    const bool changed = c.picture != shown_.picture || c.caption != shown_.caption ||
                         c.rows != shown_.rows || c.fontSize != shown_.fontSize ||
                         c.foreColor != shown_.foreColor || c.stretch != shown_.stretch ||
                         c.transparent != shown_.transparent || c.backColor != shown_.backColor;
    shown_ = c;
    if (changed)
        update();
}

void ControlWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (!shown_.transparent)
        p.fillRect(rect(), ToQColor(shown_.backColor));
    const QPixmap& pixmap = pictures_.Get(shown_.picture);
    if (!pixmap.isNull()) {
        if (shown_.stretch)
            p.drawPixmap(rect(), pixmap);
        else
            p.drawPixmap(0, 0, pixmap);
    }
    QFont font(QStringLiteral("Noto Sans CJK SC"));
    font.setPointSizeF(std::max(1, shown_.fontSize));
    font.setBold(shown_.bold);
    p.setFont(font);
    p.setPen(ToQColor(shown_.foreColor));
    if (!shown_.caption.empty()) {
        const int align = shown_.kind == ui::ControlKind::Button ? Qt::AlignCenter
                                                                 : Qt::AlignLeft | Qt::AlignVCenter;
        p.drawText(rect(), align, ToQString(shown_.caption));
    }
    // A one-line list box may be lower than the font's full line height; its
    // rows are then centred in the box so that the glyphs stay inside it.
    const int lineHeight = std::max(1, std::min(p.fontMetrics().height(), height()));
    int y = 0;
    for (const std::string& row : shown_.rows) {
        p.drawText(QRect(0, y, width(), lineHeight), Qt::AlignLeft | Qt::AlignVCenter,
                   ToQString(row));
        y += lineHeight;
    }
}

TableView::TableView(const ui::TableWindow& model, MouseSink mouse, KeySink keys)
    : model_(model), mouse_(std::move(mouse)), keys_(std::move(keys)) {
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    tableArea_ = new QWidget(this);
    model_.ForEachControl([this](const char* name, int index, const ui::Control& control) {
        auto* widget = new ControlWidget(tableArea_, pictures_,
                                         ui::ControlRef{"MainForm", name, index}, mouse_);
        controls_.emplace_back(&control, widget);
    });
}

void TableView::keyPressEvent(QKeyEvent* e) {
    const int code = KeyCode(e->key());
    if (code == 0)
        return QWidget::keyPressEvent(e);
    keys_(ui::ControlRef{"MainForm", "Pic1", 0}, {code, ShiftState(e->modifiers())});
}

int KeyCode(int qtKey) {
    if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z)
        return qtKey;  // 65..90 in both
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)
        return qtKey;  // 48..57 in both
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F12)
        return 112 + (qtKey - Qt::Key_F1);
    switch (qtKey) {
        case Qt::Key_Escape:
            return 27;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return 13;
        case Qt::Key_Shift:
            return 16;
        case Qt::Key_Control:
            return 17;
        case Qt::Key_Alt:
            return 18;
        case Qt::Key_Space:
            return 32;
        default:
            return 0;
    }
}

int ShiftState(Qt::KeyboardModifiers modifiers) {
    return (modifiers & Qt::ShiftModifier ? 1 : 0) | (modifiers & Qt::ControlModifier ? 2 : 0) |
           (modifiers & Qt::AltModifier ? 4 : 0);
}

void TableView::Sync() {
    const ui::Window& w = model_.window;
    setWindowTitle(ToQString(w.caption));
    if (geometry() != QRect(w.left, w.top, w.width, w.height))
        setGeometry(w.left, w.top, w.width, w.height);
    setWindowOpacity(w.opacity / 255.0);
    const ui::Control& pic1 = model_.Pic1;
    tableArea_->setGeometry(pic1.left, pic1.top, pic1.width, pic1.height);
    for (auto& [control, widget] : controls_) {
        widget->Sync(*control);
        // Pic1 is the table area itself; its picture fills it from the origin.
        if (control == &pic1)
            widget->setGeometry(0, 0, pic1.width, pic1.height);
    }
    // Stack by z-order stamp: Pic1 stays at the back, then ascending stamps.
    std::vector<std::pair<int, ControlWidget*>> order;
    for (auto& [control, widget] : controls_)
        if (control != &pic1)
            order.emplace_back(control->z, widget);
    std::stable_sort(order.begin(), order.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    for (auto& [z, widget] : order)
        widget->raise();

    if (w.visible && !isVisible()) {
        if (w.minimized)
            showMinimized();
        else
            show();
    } else if (w.visible && w.minimized && !isMinimized()) {
        showMinimized();
    } else if (w.visible && !w.minimized && isMinimized()) {
        showNormal();
    } else if (!w.visible && isVisible()) {
        hide();
    }
}

void TableView::paintEvent(QPaintEvent*) {
    // The window's own frame around the table when the screen is larger.
    QPainter p(this);
    p.fillRect(rect(), QColor(0x1b, 0x2a, 0x3a));
}

}  // namespace vantry::qt
