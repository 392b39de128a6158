// The main window's client area: the background and banner pictures, drawn as calm dark
// decoration, and the group boxes' two-coloured edges with their titles.
#pragma once

#include <QWidget>
#include <vector>

namespace vantrel::ui {

class Backdrop : public QWidget {
    Q_OBJECT
  public:
    explicit Backdrop(QWidget* parent = nullptr);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    struct Edge {
        QRect box;             // pixels
        std::vector<int> gaps; // pairs of x ranges where the top edge stops
    };
    std::vector<Edge> edges_;
};

} // namespace vantrel::ui
