#pragma once

#include <QProxyStyle>

// The style the user chose (Qt's own choice, or -style), with one change that shows nowhere:
// the menu bar's extension button icon, which Qt reads when the menu bar is built, is read only
// if the button is ever drawn. It appears only when the menus do not fit in the menu bar, which
// the main window's fixed width never lets happen. Reading it would load every image plug-in Qt
// has (GIF, ICO, JPEG, SVG and the libraries under them) to ask each whether it reads PNG.
class DeferredIconsStyle : public QProxyStyle {
public:
    // Takes ownership of the style.
    explicit DeferredIconsStyle(QStyle* style);

    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option,
                       const QWidget* widget) const override;
};
