#include "reports.h"

#include <QFont>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPicture>
#include <QPrinter>
#include <QWidget>

namespace torvel {

namespace {
constexpr int kPageWidth = 850;
constexpr int kPageHeight = 1000;
constexpr int kTop = 100;
constexpr int kLeft = 100;
constexpr int kBottom = 950;
// 12 points on the 210 mm of an A4 width mapped to 850 units.
constexpr int kFontPixels = 17;
constexpr int kLineStep = 18;  // a 12-point line on a 1000-unit A4 height
}  // namespace

void preparePrinter(QPrinter& printer, bool landscape) {
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
}

bool paintReportLines(QPrinter& printer, const ReportLines& lines) {
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    painter.setWindow(0, 0, kPageWidth, kPageHeight);
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(kFontPixels);
    int y = kTop;
    for (const auto& line : lines) {
        if (y + kLineStep > kBottom) {
            printer.newPage();
            y = kTop;
        }
        font.setBold(line.bold);
        painter.setFont(font);
        if (!line.text.empty())
            painter.drawText(QPoint(kLeft, y + kFontPixels), QString::fromStdString(line.text));
        y += kLineStep;
    }
    return painter.end();
}

void paintWidgetPage(QPainter& painter, QPrinter& printer, QWidget* widget) {
    // The printer works at the screen's resolution here, so the widgets' point
    // sizes come out as on screen and the one scale below fits the page.
    const QRectF page = printer.pageLayout().paintRectPixels(printer.resolution());
    const QSize size = widget->size();
    const double scale = std::min(page.width() / size.width(), page.height() / size.height());
    painter.save();
    painter.resetTransform();
    painter.translate((page.width() - size.width() * scale) / 2, 0);
    painter.scale(scale, scale);
    // Rendering straight onto a printer goes through a bitmap; recording the
    // widgets into a picture first keeps the page as vector drawing and text.
    QPicture picture;
    QPainter recorder(&picture);
    widget->render(&recorder, QPoint(), QRegion(),
                   QWidget::DrawWindowBackground | QWidget::DrawChildren);
    recorder.end();
    painter.drawPicture(0, 0, picture);
    painter.restore();
}

}  // namespace torvel
