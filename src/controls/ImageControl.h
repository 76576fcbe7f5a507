#pragma once
// An invisible control that holds a picture: the clean copy of what the picture box shows.

#include "pixels/PendingPixels.h"

#include <QWidget>

class ImageControl : public QWidget {
    Q_OBJECT
public:
    explicit ImageControl(QWidget* parent = nullptr) : QWidget(parent) { hide(); }
    const ArrivingImage& picture() const { return m_picture; }
    void setPicture(const ArrivingImage& picture) { m_picture = picture; }

private:
    ArrivingImage m_picture;
};
