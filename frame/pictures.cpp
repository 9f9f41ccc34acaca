#include "pictures.h"

#include <QPainter>
#include <QSvgRenderer>

static void initIconResources() { Q_INIT_RESOURCE(icons); }

namespace torvel {

void initPictures() {
    static const bool done = (initIconResources(), true);
    (void)done;
}

QIcon applicationIcon() {
    initPictures();
    return QIcon(QStringLiteral(":/icons/torvel.svg"));
}

QIcon toolbarIcon(const char* name) {
    initPictures();
    return QIcon(QStringLiteral(":/icons/") + QString::fromLatin1(name));
}

QPixmap splashPicture(const QSize& size, qreal devicePixelRatio) {
    initPictures();
    QPixmap pixmap(size * devicePixelRatio);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    pixmap.fill(Qt::transparent);
    QSvgRenderer renderer(QStringLiteral(":/icons/splash.svg"));
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    return pixmap;
}

QPixmap svgPicture(const QString& resource, const QSize& size) {
    QPixmap pixmap(size);
    pixmap.fill(Qt::white);
    QSvgRenderer renderer(resource);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter);
    return pixmap;
}

}  // namespace torvel
