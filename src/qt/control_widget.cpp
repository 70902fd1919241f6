#include "control_widget.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

namespace vantry::qt {

QColor ToQColor(ui::Color c) {
    return QColor((c >> 16) & 0xFF, (c >> 8) & 0xFF, c & 0xFF);
}

QString ToQString(const std::string& s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

ControlWidget::ControlWidget(QWidget* parent, PictureCache& pictures, ui::ControlRef ref,
                             const MouseSink& sink)
    : QWidget(parent), pictures_(pictures), ref_(std::move(ref)), sink_(sink) {
    setAttribute(Qt::WA_TranslucentBackground);
    setMouseTracking(true);
}

QFont ControlWidget::Font() const {
    QFont font(QStringLiteral("Noto Sans CJK SC"));
    font.setPointSizeF(std::max(1, shown_.fontSize));
    font.setBold(shown_.bold);
    return font;
}

// A one-line list box may be lower than the font's full line height; its row
// is then centred in the box so that the glyphs stay inside it.
int ControlWidget::RowHeight() const {
    return std::max(1, std::min(QFontMetrics(Font()).height(), height()));
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
    int row = -1;
    if (shown_.kind == ui::ControlKind::List) {
        const int r = shown_.topRow + at.y() / RowHeight();
        if (at.y() >= 0 && r < static_cast<int>(shown_.rows.size()))
            row = r;
    }
    sink_(ref_, {action, button, ShiftState(e->modifiers()), at.x(), at.y(), row});
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
                         c.bold != shown_.bold || c.foreColor != shown_.foreColor ||
                         c.stretch != shown_.stretch || c.transparent != shown_.transparent ||
                         c.backColor != shown_.backColor || c.selectedRow != shown_.selectedRow ||
                         c.topRow != shown_.topRow;
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
    p.setFont(Font());
    p.setPen(ToQColor(shown_.foreColor));
    if (!shown_.caption.empty()) {
        const int align = shown_.kind == ui::ControlKind::Button ? Qt::AlignCenter
                                                                 : Qt::AlignLeft | Qt::AlignVCenter;
        p.drawText(rect(), align, ToQString(shown_.caption));
    }
    const int rowHeight = RowHeight();
    int y = 0;
    for (std::size_t i = static_cast<std::size_t>(std::max(0, shown_.topRow));
         i < shown_.rows.size() && y < height(); ++i, y += rowHeight) {
        const QRect line(0, y, width(), rowHeight);
        if (static_cast<int>(i) == shown_.selectedRow) {
            p.fillRect(line, QColor(0x33, 0x66, 0xCC));
            p.setPen(Qt::white);
        } else {
            p.setPen(ToQColor(shown_.foreColor));
        }
        p.drawText(line.adjusted(2, 0, -2, 0), Qt::AlignLeft | Qt::AlignVCenter,
                   ToQString(shown_.rows[i]));
    }
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

}  // namespace vantry::qt
