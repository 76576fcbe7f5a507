#pragma once
// An invisible control that holds a picture: the clean copy of what the picture box shows, the
// picture as shown without the drawings on it.

#include "picture/ShownPicture.h"

#include <QWidget>

class ImageControl : public QWidget {
    Q_OBJECT
public:
    explicit ImageControl(QWidget* parent = nullptr) : QWidget(parent) { hide(); }
    const ShownPicture& picture() const { return m_picture; }
    void setPicture(const ShownPicture& picture) { m_picture = picture; }
    // An image as it is, with no profile to apply, transparent parts over the background a
    // picture control shows.
    void setPicture(const QImage& image) {
        ShowOptions options;
        options.background = palette().color(QPalette::Button);
        m_picture = ShownPicture::OfImage(image, options);
    }

private:
    ShownPicture m_picture;
};
