#include "app/DeferredIconsStyle.h"

#include <QPointer>

#include "app/DeferredIconEngine.h"

DeferredIconsStyle::DeferredIconsStyle(QStyle* style) : QProxyStyle(style) {}

QIcon DeferredIconsStyle::standardIcon(StandardPixmap icon, const QStyleOption* option,
                                       const QWidget* widget) const {
    if (icon != SP_ToolBarHorizontalExtensionButton)
        return QProxyStyle::standardIcon(icon, option, widget);
    // Made later without the option and the widget, which may be gone by then: Qt's styles read
    // neither for this icon (the direction follows the application's). The style may be gone too.
    const QPointer<const QProxyStyle> style(this);
    return QIcon(new DeferredIconEngine([style, icon] {
        return style ? style->baseStyle()->standardIcon(icon, nullptr, nullptr) : QIcon();
    }));
}
