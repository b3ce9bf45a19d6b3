#include "deferredicons.h"

#include <QApplication>
#include <QIconEngine>
#include <QPointer>
#include <QProxyStyle>
#include <QWidget>
#include <functional>
#include <memory>

namespace {

// An icon made by `make` the first time anything looks at it.
class DeferredIconEngine : public QIconEngine {
public:
    explicit DeferredIconEngine(std::function<QIcon()> make)
        : made(std::make_shared<Made>(Made{std::move(make), {}}))
    {
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().actualSize(size, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().pixmap(size, mode, state);
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override
    {
        return icon().pixmap(size, scale, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        return icon().availableSizes(mode, state);
    }
    bool isNull() override { return icon().isNull(); }
    QString key() const override { return QStringLiteral("DeferredIconEngine"); }
    // Copies share the one icon, made once for all of them.
    QIconEngine* clone() const override { return new DeferredIconEngine(*this); }

private:
    struct Made {
        std::function<QIcon()> make;
        QIcon icon;
    };
    std::shared_ptr<Made> made;

    const QIcon& icon()
    {
        if (made->make)
            made->icon = std::exchange(made->make, nullptr)();
        return made->icon;
    }
};

class DeferredIconStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;

    QIcon standardIcon(StandardPixmap which, const QStyleOption* option,
                       const QWidget* widget) const override
    {
        if (which != SP_ToolBarHorizontalExtensionButton || option)
            return QProxyStyle::standardIcon(which, option, widget);
        return QIcon(
            new DeferredIconEngine([base = QPointer<QStyle>(baseStyle()), which,
                                    widget = QPointer<QWidget>(const_cast<QWidget*>(widget))] {
                return base ? base->standardIcon(which, nullptr, widget) : QIcon();
            }));
    }
};

} // namespace

QStyle* styleWithDeferredIcons()
{
    return new DeferredIconStyle(QApplication::style()->name());
}
