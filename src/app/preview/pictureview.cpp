#include "pictureview.h"

#include <QPainter>

void PictureView::setImage(const QImage &image)
{
    picture = image;
    update();
}

QSize PictureView::sizeHint() const
{
    return {160, heightForWidth(160)};
}

int PictureView::heightForWidth(int width) const
{
    // 3:2 until there is a picture.
    return picture.isNull() ? width * 2 / 3 : width * picture.height() / picture.width();
}

void PictureView::paintEvent(QPaintEvent *)
{
    if (picture.isNull())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const QSize fitted = picture.size().scaled(size(), Qt::KeepAspectRatio);
    painter.drawImage(QRect(QPoint((width() - fitted.width()) / 2, 0), fitted), picture);
}
