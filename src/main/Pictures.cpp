#include "Pictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace {

// Every picture is drawn on a 32 x 32 grid and scaled to the size asked for.
constexpr qreal Grid = 32.0;

const QColor Outline(60, 60, 70);
const QColor Paper(255, 255, 255);
const QColor PaperShade(225, 232, 242);
const QColor Green(46, 150, 60);
const QColor Red(205, 45, 45);
const QColor Blue(45, 100, 185);
const QColor Yellow(240, 190, 60);

QPen outlinePen(const QColor& color = Outline, qreal width = 1.2) {
    QPen pen(color, width);
    pen.setJoinStyle(Qt::RoundJoin);
    pen.setCapStyle(Qt::RoundCap);
    return pen;
}

// A sheet with a folded corner, the base of the file pictures.
void drawSheet(QPainter& p, const QRectF& r) {
    const qreal fold = r.width() * 0.3;
    QPainterPath sheet;
    sheet.moveTo(r.left(), r.top());
    sheet.lineTo(r.right() - fold, r.top());
    sheet.lineTo(r.right(), r.top() + fold);
    sheet.lineTo(r.right(), r.bottom());
    sheet.lineTo(r.left(), r.bottom());
    sheet.closeSubpath();
    QLinearGradient fill(r.topLeft(), r.bottomRight());
    fill.setColorAt(0, Paper);
    fill.setColorAt(1, PaperShade);
    p.setPen(outlinePen());
    p.setBrush(fill);
    p.drawPath(sheet);
    QPainterPath corner;
    corner.moveTo(r.right() - fold, r.top());
    corner.lineTo(r.right() - fold, r.top() + fold);
    corner.lineTo(r.right(), r.top() + fold);
    p.setBrush(PaperShade);
    p.drawPath(corner);
}

// Text lines on a sheet or a card.
void drawLines(QPainter& p, qreal left, qreal right, qreal top, int count, qreal step) {
    p.setPen(outlinePen(QColor(130, 145, 170), 1.4));
    for (int i = 0; i < count; ++i) {
        p.drawLine(QPointF(left, top + i * step), QPointF(right, top + i * step));
    }
}

// A round badge with a sign, drawn over the corner of another picture.
void drawBadge(QPainter& p, const QPointF& centre, qreal radius, const QColor& color) {
    p.setPen(outlinePen(color.darker(140)));
    p.setBrush(color);
    p.drawEllipse(centre, radius, radius);
}

void drawPlus(QPainter& p, const QPointF& c, qreal arm) {
    p.setPen(outlinePen(Paper, 2.4));
    p.drawLine(QPointF(c.x() - arm, c.y()), QPointF(c.x() + arm, c.y()));
    p.drawLine(QPointF(c.x(), c.y() - arm), QPointF(c.x(), c.y() + arm));
}

void drawCross(QPainter& p, const QPointF& c, qreal arm) {
    p.setPen(outlinePen(Paper, 2.4));
    p.drawLine(QPointF(c.x() - arm, c.y() - arm), QPointF(c.x() + arm, c.y() + arm));
    p.drawLine(QPointF(c.x() - arm, c.y() + arm), QPointF(c.x() + arm, c.y() - arm));
}

// A register card: a small table of rows, the base of the record pictures.
void drawCard(QPainter& p) {
    const QRectF card(3, 5, 22, 20);
    p.setPen(outlinePen());
    p.setBrush(Paper);
    p.drawRoundedRect(card, 1.5, 1.5);
    p.setBrush(QColor(120, 160, 215));
    p.drawRect(QRectF(card.left(), card.top(), card.width(), 4.5));
    drawLines(p, card.left() + 3, card.right() - 3, card.top() + 8.5, 4, 3.5);
}

void drawPencil(QPainter& p, const QPointF& tip, qreal length) {
    p.save();
    p.translate(tip);
    p.rotate(-45);
    const QRectF body(4, -2.6, length - 4, 5.2);
    p.setPen(outlinePen());
    p.setBrush(Yellow);
    p.drawRect(body);
    p.setBrush(QColor(235, 140, 140));
    p.drawRect(QRectF(length - 3, -2.6, 3, 5.2));
    QPainterPath point;
    point.moveTo(0, 0);
    point.lineTo(4, -2.6);
    point.lineTo(4, 2.6);
    point.closeSubpath();
    p.setBrush(QColor(240, 215, 170));
    p.drawPath(point);
    p.restore();
}

void drawMagnifier(QPainter& p, const QPointF& centre, qreal radius) {
    p.setPen(outlinePen(Outline, 3.2));
    const QPointF handleStart(centre.x() + radius * 0.7, centre.y() + radius * 0.7);
    p.drawLine(handleStart, handleStart + QPointF(radius * 0.9, radius * 0.9));
    p.setPen(outlinePen(Outline, 2.0));
    QRadialGradient glass(centre - QPointF(radius / 3, radius / 3), radius * 1.3);
    glass.setColorAt(0, QColor(235, 245, 255));
    glass.setColorAt(1, QColor(150, 190, 235));
    p.setBrush(glass);
    p.drawEllipse(centre, radius, radius);
}

void drawNewFile(QPainter& p) {
    drawSheet(p, QRectF(5, 2, 19, 26));
    drawLines(p, 8.5, 19, 12, 4, 3.5);
    drawBadge(p, QPointF(24, 24), 6.5, Green);
    drawPlus(p, QPointF(24, 24), 3.5);
}

void drawOpenFile(QPainter& p) {
    QPainterPath back;
    back.moveTo(2, 8);
    back.lineTo(11, 8);
    back.lineTo(13.5, 11);
    back.lineTo(27, 11);
    back.lineTo(27, 27);
    back.lineTo(2, 27);
    back.closeSubpath();
    p.setPen(outlinePen(Yellow.darker(160)));
    p.setBrush(Yellow.darker(115));
    p.drawPath(back);
    drawSheet(p, QRectF(8, 4, 15, 18));
    QPainterPath front;
    front.moveTo(2, 27);
    front.lineTo(6.5, 15);
    front.lineTo(31, 15);
    front.lineTo(27, 27);
    front.closeSubpath();
    QLinearGradient fill(QPointF(0, 15), QPointF(0, 27));
    fill.setColorAt(0, Yellow.lighter(125));
    fill.setColorAt(1, Yellow);
    p.setPen(outlinePen(Yellow.darker(160)));
    p.setBrush(fill);
    p.drawPath(front);
}

void drawSaveFile(QPainter& p) {
    QPainterPath disk;
    disk.moveTo(3, 3);
    disk.lineTo(25, 3);
    disk.lineTo(29, 7);
    disk.lineTo(29, 29);
    disk.lineTo(3, 29);
    disk.closeSubpath();
    p.setPen(outlinePen(Blue.darker(160)));
    p.setBrush(Blue);
    p.drawPath(disk);
    p.setBrush(Paper);
    p.drawRect(QRectF(8, 3, 15, 10));
    p.setBrush(Blue.darker(130));
    p.drawRect(QRectF(18, 5, 3, 6));
    p.setBrush(QColor(235, 235, 240));
    p.drawRect(QRectF(7, 18, 18, 11));
    drawLines(p, 10, 22, 21.5, 3, 2.8);
}

void drawCloseFile(QPainter& p) {
    drawSheet(p, QRectF(5, 2, 19, 26));
    drawLines(p, 8.5, 19, 12, 4, 3.5);
    drawBadge(p, QPointF(24, 24), 6.5, Red);
    drawCross(p, QPointF(24, 24), 2.8);
}

void drawAddRecord(QPainter& p) {
    drawCard(p);
    drawBadge(p, QPointF(24, 24), 6.5, Green);
    drawPlus(p, QPointF(24, 24), 3.5);
}

void drawDeleteRecord(QPainter& p) {
    drawCard(p);
    drawBadge(p, QPointF(24, 24), 6.5, Red);
    p.setPen(outlinePen(Paper, 2.6));
    p.drawLine(QPointF(20.5, 24), QPointF(27.5, 24));
}

void drawEditRecord(QPainter& p) {
    drawCard(p);
    drawPencil(p, QPointF(14, 28), 20);
}

void drawMergeFiles(QPainter& p) {
    drawSheet(p, QRectF(2, 2, 13, 17));
    drawSheet(p, QRectF(17, 2, 13, 17));
    p.setPen(outlinePen(Green.darker(130), 2.4));
    p.setBrush(Qt::NoBrush);
    QPainterPath join;
    join.moveTo(8.5, 19);
    join.cubicTo(8.5, 25, 16, 23, 16, 28.5);
    join.moveTo(23.5, 19);
    join.cubicTo(23.5, 25, 16, 23, 16, 28.5);
    p.drawPath(join);
    p.setBrush(Green);
    QPainterPath head;
    head.moveTo(12, 25);
    head.lineTo(20, 25);
    head.lineTo(16, 30.5);
    head.closeSubpath();
    p.drawPath(head);
}

void drawFileStatistic(QPainter& p) {
    p.setPen(outlinePen());
    p.drawLine(QPointF(3, 3), QPointF(3, 29));
    p.drawLine(QPointF(3, 29), QPointF(30, 29));
    const struct {
        qreal left;
        qreal height;
        QColor color;
    } bars[] = {{6, 11, Blue}, {12, 19, Green}, {18, 8, Red}, {24, 23, Yellow}};
    for (const auto& bar : bars) {
        p.setPen(outlinePen(bar.color.darker(150)));
        p.setBrush(bar.color);
        p.drawRect(QRectF(bar.left, 29 - bar.height, 4.5, bar.height));
    }
}

void drawSearch(QPainter& p) {
    drawMagnifier(p, QPointF(13, 13), 9);
}

void drawPreview(QPainter& p) {
    drawSheet(p, QRectF(3, 2, 19, 26));
    drawLines(p, 6.5, 17, 12, 4, 3.5);
    drawMagnifier(p, QPointF(20, 19), 6);
}

void drawPrint(QPainter& p) {
    p.setPen(outlinePen());
    p.setBrush(Paper);
    p.drawRect(QRectF(9, 3, 14, 11));
    QLinearGradient body(QPointF(0, 12), QPointF(0, 25));
    body.setColorAt(0, QColor(200, 200, 210));
    body.setColorAt(1, QColor(140, 140, 155));
    p.setBrush(body);
    p.drawRoundedRect(QRectF(3, 12, 26, 13), 2, 2);
    p.setBrush(Paper);
    p.drawRect(QRectF(9, 20, 14, 9));
    drawLines(p, 11.5, 20.5, 23.5, 2, 2.8);
    p.setPen(Qt::NoPen);
    p.setBrush(Green);
    p.drawEllipse(QPointF(25.5, 15.5), 1.3, 1.3);
}

void drawExit(QPainter& p) {
    p.setPen(outlinePen(QColor(110, 70, 40)));
    p.setBrush(QColor(200, 150, 95));
    p.drawRect(QRectF(4, 3, 15, 26));
    p.setBrush(QColor(90, 60, 35));
    p.drawEllipse(QPointF(15.5, 16.5), 1.4, 1.4);
    p.setPen(outlinePen(Red.darker(130), 3.0));
    p.drawLine(QPointF(14, 16), QPointF(27, 16));
    p.setBrush(Red);
    p.setPen(outlinePen(Red.darker(130), 1.2));
    QPainterPath head;
    head.moveTo(30, 16);
    head.lineTo(24, 10.5);
    head.lineTo(24, 21.5);
    head.closeSubpath();
    p.drawPath(head);
}

using Painter = void (*)(QPainter&);

constexpr Painter ToolbarPainters[ToolbarPictureCount] = {
    drawNewFile,      drawOpenFile,   drawSaveFile,   drawCloseFile,     drawAddRecord,
    drawDeleteRecord, drawEditRecord, drawMergeFiles, drawFileStatistic, drawSearch,
    drawPreview,      drawPrint,      drawExit,
};

QPixmap paint(Painter painter, int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / Grid, size / Grid);
    painter(p);
    return pixmap;
}

QIcon iconOf(Painter painter) {
    QIcon icon;
    icon.addPixmap(paint(painter, 16));
    icon.addPixmap(paint(painter, 32));
    return icon;
}

void drawColumnVisibility(QPainter& p) {
    p.setPen(outlinePen(Outline, 1.6));
    p.setBrush(Paper);
    p.drawRect(QRectF(3, 4, 26, 24));
    p.setBrush(QColor(120, 160, 215));
    p.drawRect(QRectF(3, 4, 26, 6));
    p.drawLine(QPointF(12, 4), QPointF(12, 28));
    p.drawLine(QPointF(20, 4), QPointF(20, 28));
    p.setPen(outlinePen(Green.darker(120), 3.2));
    p.drawLine(QPointF(5.5, 18), QPointF(9, 23));
    p.drawLine(QPointF(9, 23), QPointF(16, 13));
}

} // namespace

QIcon toolbarIcon(ToolbarPicture picture) {
    return iconOf(ToolbarPainters[static_cast<int>(picture)]);
}

QIcon columnVisibilityIcon() {
    return iconOf(drawColumnVisibility);
}

QPixmap aboutBanner(int width, int height) {
    QPixmap pixmap(width, height);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(QPointF(0, 0), QPointF(width, height));
    sky.setColorAt(0, QColor(30, 70, 140));
    sky.setColorAt(1, QColor(80, 140, 210));
    p.fillRect(pixmap.rect(), sky);

    // A diploma with a seal on the left, the program's name on the right.
    const qreal unit = height / Grid;
    p.save();
    p.translate(height * 0.15, 0);
    p.scale(unit, unit);
    drawSheet(p, QRectF(4, 3, 21, 26));
    drawLines(p, 7.5, 18, 9, 4, 3.5);
    p.setPen(outlinePen(Red.darker(140)));
    p.setBrush(Red);
    p.drawEllipse(QPointF(19, 23), 4, 4);
    p.restore();

    QFont font = p.font();
    font.setBold(true);
    font.setPixelSize(height * 2 / 5);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRectF(height * 1.25, 0, width - height * 1.35, height), Qt::AlignVCenter,
               QStringLiteral("Свидарий"));
    return pixmap;
}
