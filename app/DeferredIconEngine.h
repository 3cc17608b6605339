#pragma once

#include <QIcon>
#include <QIconEngine>
#include <functional>
#include <optional>

// An icon made the first time it is drawn or measured. Until then it costs nothing: in
// particular no image file is read, and Qt's image plug-ins are not loaded to guess a format.
class DeferredIconEngine : public QIconEngine {
public:
    explicit DeferredIconEngine(std::function<QIcon()> make);

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override;
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override;
    // Asked before anything is drawn; the icons deferred are never null.
    bool isNull() override { return false; }
    QIconEngine* clone() const override;
    QString key() const override;

private:
    QIcon& icon();

    std::function<QIcon()> mMake;
    std::optional<QIcon> mIcon;
};
