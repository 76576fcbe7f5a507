#pragma once
// The window's own client area. It reports pointer moves over the bare window, outside every
// child control.

#include <QWidget>

class FormClient : public QWidget {
    Q_OBJECT
public:
    explicit FormClient(QWidget* parent = nullptr);

signals:
    void MouseMove(int button, int shift, float x, float y);

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
};
