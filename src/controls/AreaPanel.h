#pragma once
// The panel that shows an area's figures beside the window: the figures as text, the mean and
// the plain average side by side as swatches, and the commands on the area.

#include "pixels/Color.h"

#include <QWidget>

class QLabel;
class QPushButton;
class QSpinBox;

class AreaPanel : public QWidget {
    Q_OBJECT
public:
    explicit AreaPanel(QWidget* owner);

    // The figures' text, and the two colours to show side by side.
    void setFigures(const QString& text, Color mean, Color average);
    QString figuresText() const;
    // How many colours Extract Palette asks for.
    int paletteColors() const;
    void setPaletteColors(int count);

    // The keyboard comes to the panel: its window active, the first command that can be used
    // focused.
    void takeFocus();

    QPushButton* addButton() const { return m_add; }
    QPushButton* paletteButton() const { return m_palette; }

signals:
    void AddClicked();
    void PaletteClicked();
    void Closed();

protected:
    void closeEvent(QCloseEvent* event) override;
    // Enter presses the focused button, as in a dialog.
    void keyPressEvent(QKeyEvent* event) override;

private:
    QLabel* m_text = nullptr;
    QLabel* m_mean = nullptr;
    QLabel* m_average = nullptr;
    QSpinBox* m_colors = nullptr;
    QPushButton* m_add = nullptr;
    QPushButton* m_palette = nullptr;
};
