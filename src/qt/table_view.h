#pragma once
// Draws the ui model of the table window: one widget per control, kept in
// step with the model after every event.

#include <QWidget>
#include <functional>
#include <vector>

#include "pictures.h"
#include "ui/table_window.h"

namespace vantry::qt {

class ControlWidget final : public QWidget {
  public:
    ControlWidget(QWidget* parent, PictureCache& pictures);
    void Sync(const ui::Control& control);

  protected:
    void paintEvent(QPaintEvent*) override;

  private:
    PictureCache& pictures_;
    ui::Control shown_;
};

class TableView final : public QWidget {
  public:
    explicit TableView(const ui::TableWindow& model);
    // Brings every widget in line with the model.
    void Sync();

  protected:
    void paintEvent(QPaintEvent*) override;

  private:
    void Add(const ui::Control& control, QWidget* parent);

    const ui::TableWindow& model_;
    PictureCache pictures_;
    QWidget* tableArea_ = nullptr;
    std::vector<std::pair<const ui::Control*, ControlWidget*>> controls_;
};

}  // namespace vantry::qt
