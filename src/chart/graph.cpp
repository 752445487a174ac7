#include "graph.h"

#include "chartinput.h"
#include "chartpainter.h"

#include <QPainter>

graph::graph(QWidget *parent)
    : QWidget(parent)
{}

graph::~graph() = default;

void graph::setSource(Source newSource)
{
    source = std::move(newSource);
}

void graph::paintEvent(QPaintEvent *)
{
    if (!source)
        return;
    QPainter painter(this);
    ChartPainter::paint(painter, size(), source());
}
