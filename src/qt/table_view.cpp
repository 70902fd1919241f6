#include "table_view.h"

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

ControlWidget::ControlWidget(QWidget* parent, PictureCache& pictures)
    : QWidget(parent), pictures_(pictures) {
    setAttribute(Qt::WA_TranslucentBackground);
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

TableView::TableView(const ui::TableWindow& model) : model_(model) {
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    setAttribute(Qt::WA_OpaquePaintEvent);
    tableArea_ = new QWidget(this);
    Add(model_.Pic1, tableArea_);
    for (const auto& line : model_.Sysmsg)
        Add(line, tableArea_);
    Add(model_.Location, tableArea_);
    for (const auto& button : model_.AnNiu)
        Add(button, tableArea_);
    Add(model_.Time_Img, tableArea_);
    Add(model_.Number, tableArea_);
}

void TableView::Add(const ui::Control& control, QWidget* parent) {
    controls_.emplace_back(&control, new ControlWidget(parent, pictures_));
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
