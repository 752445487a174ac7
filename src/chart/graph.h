#ifndef GRAPH_H
#define GRAPH_H

#include <QPen>
#include <QWidget>

#include <array>

class mainWin;

// The blur chart. It holds no chart settings of its own: every paint reads
// the scales, left border, distance origin and camera switches from the main
// window's form and asks the window's camera records for blur values.
class graph : public QWidget
{
public:
    explicit graph(QWidget *parent = nullptr);
    ~graph() override;

    void setMainWindow(mainWin *window);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    mainWin *mainWindow = nullptr;
    // Camera 1, camera 2, axes and labels, grid.
    std::array<QPen, 4> pens;
};

#endif // GRAPH_H
