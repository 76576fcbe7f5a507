#pragma once
// An invisible control that holds a picture: the clean copy of what the picture box shows.

#include <QImage>
#include <QWidget>

class ImageControl : public QWidget {
    Q_OBJECT
public:
    explicit ImageControl(QWidget* parent = nullptr) : QWidget(parent) { hide(); }
    const QImage& picture() const { return m_picture; }
    void setPicture(const QImage& picture) { m_picture = picture; }

private:
    QImage m_picture;
};
