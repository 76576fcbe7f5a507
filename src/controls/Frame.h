#pragma once
// A frame: a caption on a line along the top edge, and nothing else drawn. The caption may start
// some way in, leaving room for a control laid over the frame's top-left corner, and it is drawn
// centred on a given height, so it reads on one line with such a control.

#include <QGroupBox>

class Frame : public QGroupBox {
    Q_OBJECT
public:
    Frame(const QString& caption, QWidget* parent = nullptr);
    // Where the caption starts and the height its middle stands at, in pixels.
    void setCaptionPlace(int indent, int middle);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int m_indent = 0;
    int m_middle = 0;
};
