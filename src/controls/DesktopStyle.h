#pragma once
// The desktop's own style, with the menu bar's overflow arrows drawn in code. The style's arrows
// are picture files, and decoding the first picture loads every image format the toolkit knows:
// a dozen libraries before the window shows, though a picture may never come. With these, image
// formats are loaded when a picture of theirs arrives.

#include <QProxyStyle>

class DesktopStyle : public QProxyStyle {
public:
    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
};
