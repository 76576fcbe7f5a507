#include "controls/AreaPanel.h"

#include "pixels/WebCode.h"

#include <QCloseEvent>
#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QSpinBox>
#include <QVBoxLayout>
#include <optional>

namespace {
constexpr int kSwatch = 40;

QLabel* Swatch(QWidget* parent, const QString& name) {
    auto* swatch = new QLabel(parent);
    swatch->setObjectName(name);
    swatch->setMinimumSize(kSwatch * 2, kSwatch);
    swatch->setAlignment(Qt::AlignCenter);
    swatch->setAutoFillBackground(true);
    return swatch;
}

void Paint(QLabel* swatch, std::optional<Color> color, const QString& caption) {
    if (!color) {
        // No area yet: the caption alone, on the panel's own background.
        swatch->setPalette(QPalette());
        swatch->setText(caption);
        swatch->setAccessibleName(caption);
        return;
    }
    const Color c = *color;
    QPalette palette = swatch->palette();
    palette.setColor(QPalette::Window, c.toQColor());
    // The caption in black or white, whichever stands out more.
    const double light = 0.2126 * LinearChannel(c.red()) + 0.7152 * LinearChannel(c.green()) +
                         0.0722 * LinearChannel(c.blue());
    palette.setColor(QPalette::WindowText, light > 0.18 ? Qt::black : Qt::white);
    swatch->setPalette(palette);
    swatch->setText(caption + QLatin1Char('\n') + WebCode(c));
    swatch->setAccessibleName(caption + QLatin1Char(' ') + WebCode(c));
}
} // namespace

AreaPanel::AreaPanel(QWidget* owner) : QWidget(owner, Qt::Tool) {
    setObjectName(QStringLiteral("AreaPanel"));
    setWindowTitle(tr("Measure Area"));
    m_text = new QLabel(this);
    m_text->setObjectName(QStringLiteral("lblFigures"));
    m_text->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    m_text->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_text->setAccessibleName(tr("Figures of the area"));
    m_text->setAccessibleDescription(
        tr("The area's place and size, its mean, median, deviation, extremes and spread"));
    m_mean = Swatch(this, QStringLiteral("lblMean"));
    m_average = Swatch(this, QStringLiteral("lblAverage"));
    m_colors = new QSpinBox(this);
    m_colors->setObjectName(QStringLiteral("spnColors"));
    m_colors->setRange(2, 16);
    m_colors->setValue(6);
    m_colors->setAccessibleName(tr("Colours in the palette"));
    m_colors->setToolTip(tr("How many dominant colours Extract Palette adds to the list"));
    m_add = new QPushButton(tr("&Add to List"), this);
    m_add->setObjectName(QStringLiteral("cmdAddArea"));
    m_add->setToolTip(tr("Add the area's mean to the list"));
    m_palette = new QPushButton(tr("Extract &Palette"), this);
    m_palette->setObjectName(QStringLiteral("cmdExtractPalette"));
    m_palette->setToolTip(tr("Add the area's dominant colours to the list"));
    //: The label of the number of colours Extract Palette takes.
    auto* colorsLabel = new QLabel(tr("&Colours:"), this);
    colorsLabel->setBuddy(m_colors);

    auto* swatches = new QHBoxLayout;
    swatches->addWidget(m_mean);
    swatches->addWidget(m_average);
    auto* commands = new QHBoxLayout;
    commands->addWidget(m_add);
    commands->addStretch();
    commands->addWidget(colorsLabel);
    commands->addWidget(m_colors);
    commands->addWidget(m_palette);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(swatches);
    layout->addWidget(m_text);
    layout->addLayout(commands);
    // Tab goes as the eye reads: the figures, then the commands from left to right.
    setTabOrder(m_text, m_add);
    setTabOrder(m_add, m_colors);
    setTabOrder(m_colors, m_palette);
    // Escape closes the panel, which ends the mode, as Escape on the picture does.
    connect(new QShortcut(Qt::Key_Escape, this), &QShortcut::activated, this, [this, owner] {
        close();
        owner->window()->activateWindow();
    });
    connect(m_add, &QPushButton::clicked, this, &AreaPanel::AddClicked);
    connect(m_palette, &QPushButton::clicked, this, &AreaPanel::PaletteClicked);
    setFigures(QString(), Color(), Color());
}

void AreaPanel::setFigures(const QString& text, Color mean, Color average) {
    //: Two lines; the arrow keys with Shift start an area at the pointer and stretch it, F6
    //: moves the keyboard between the window and the panel.
    const QString hint = tr("Drag over the picture, or Shift with the arrow keys,\n"
                            "to choose an area. F6 goes to this panel and back.");
    m_text->setText(text.isEmpty() ? hint : text.trimmed());
    const bool shown = !text.isEmpty();
    //: A swatch's caption over its web code: the area's mean in linear light.
    Paint(m_mean, shown ? std::optional(mean) : std::nullopt, tr("mean of the light"));
    //: A swatch's caption over its web code: the plain average of the area's codes.
    Paint(m_average, shown ? std::optional(average) : std::nullopt, tr("average of the codes"));
    m_add->setEnabled(!text.isEmpty());
    adjustSize();
}

void AreaPanel::takeFocus() {
    raise();
    activateWindow();
    if (m_add->isEnabled()) {
        m_add->setFocus(Qt::ShortcutFocusReason);
    } else {
        m_colors->setFocus(Qt::ShortcutFocusReason);
    }
}

QString AreaPanel::figuresText() const {
    return m_text->text();
}

int AreaPanel::paletteColors() const {
    return m_colors->value();
}

void AreaPanel::setPaletteColors(int count) {
    m_colors->setValue(count);
}

void AreaPanel::keyPressEvent(QKeyEvent* event) {
    auto* button = qobject_cast<QPushButton*>(focusWidget());
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && button != nullptr &&
        button->isEnabled()) {
        button->animateClick();
        return;
    }
    QWidget::keyPressEvent(event);
}

void AreaPanel::closeEvent(QCloseEvent* event) {
    event->accept();
    emit Closed();
}
