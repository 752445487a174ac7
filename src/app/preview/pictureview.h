#ifndef PICTUREVIEW_H
#define PICTUREVIEW_H

#include <QImage>
#include <QWidget>

// A picture shown whole at the widget's width, in its own proportions.
class PictureView : public QWidget
{
    Q_OBJECT

public:
    using QWidget::QWidget;

    void setImage(const QImage &image);
    const QImage &image() const { return picture; }

    QSize sizeHint() const override;
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QImage picture;
};

#endif // PICTUREVIEW_H
