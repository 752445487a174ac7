#ifndef GRAPH_H
#define GRAPH_H

#include <QWidget>

#include <functional>

struct ChartInput;

// The blur chart on screen. It holds no chart settings of its own: every
// paint asks its source for the form's settings and the camera records.
class graph : public QWidget
{
public:
    using Source = std::function<ChartInput()>;

    explicit graph(QWidget *parent = nullptr);
    ~graph() override;

    void setSource(Source source);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Source source;
};

#endif // GRAPH_H
