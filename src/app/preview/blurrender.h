#ifndef BLURRENDER_H
#define BLURRENDER_H

#include <QImage>
#include <QSize>

// What a camera records of a background far behind a subject in focus: the
// background blurred with the lens's disc, a uniform disc as a lens's
// aperture makes it, computed in linear light so that highlights bloom as in
// a photograph; the subject sharp in front of it. Free of widgets, so that
// it runs on any thread.
namespace BlurRender {

struct Frame
{
    QSize size{640, 427}; // the picture, pixels
    // The share of the background's width that this camera sees, centred:
    // a longer lens at the same framing sees less of it.
    double crop = 1;
    double disc = 0; // the disc's diameter, share of the picture's width
    // The width that frames the subject's head and shoulders, share of the
    // picture's width; 0: no subject.
    double subject = 0;
};

// The picture from an sRGB background of any size, of which the largest
// centred part of the frame's shape is the widest camera's view.
QImage render(const QImage &background, const Frame &frame);

// An sRGB image blurred with a uniform disc of that diameter in pixels,
// in linear light; the edges repeat outward.
QImage blurred(const QImage &image, double diameter);

} // namespace BlurRender

#endif // BLURRENDER_H
