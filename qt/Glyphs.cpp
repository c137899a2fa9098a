// SPDX-License-Identifier: GPL-3.0-or-later
#include "Glyphs.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <functional>
#include <map>

namespace vantor::qt {

namespace {
using Painter = std::function<void(QPainter&)>;

void folder(QPainter& p) {
    p.setPen(QColor(120, 90, 0));
    p.setBrush(QColor(250, 210, 90));
    p.drawRect(1, 4, 12, 9);
    p.drawRect(1, 3, 5, 1);
}

void document(QPainter& p) {
    p.setPen(QColor(60, 60, 60));
    p.setBrush(Qt::white);
    p.drawRect(2, 1, 9, 13);
}

void redCross(QPainter& p) {
    p.setPen(QPen(QColor(190, 0, 0), 2));
    p.drawLine(3, 3, 13, 13);
    p.drawLine(13, 3, 3, 13);
}

void shadedBall(QPainter& p) {
    QRadialGradient g(6, 6, 9);
    g.setColorAt(0, QColor(255, 255, 255));
    g.setColorAt(1, QColor(90, 90, 90));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(QRectF(2, 2, 12, 12));
}

// Meridian and equator over a ball outline.
void meridian(QPainter& p) {
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QRectF(5, 2, 6, 12));
    p.drawLine(2, 8, 14, 8);
}

const std::map<std::string, Painter>& painters() {
    static const std::map<std::string, Painter> table = {
        {"load",
         [](QPainter& p) {
             folder(p);
             p.setPen(QPen(QColor(0, 110, 0), 2));
             p.drawLine(10, 1, 10, 7);
             p.drawLine(8, 5, 10, 7);
             p.drawLine(12, 5, 10, 7);
         }},
        {"add",
         [](QPainter& p) {
             document(p);
             p.setPen(QPen(QColor(0, 110, 0), 2));
             p.drawLine(11, 8, 11, 14);
             p.drawLine(8, 11, 14, 11);
         }},
        {"save",
         [](QPainter& p) {
             p.setPen(QColor(20, 20, 90));
             p.setBrush(QColor(60, 80, 170));
             p.drawRect(1, 1, 13, 13);
             p.setBrush(Qt::white);
             p.drawRect(4, 1, 7, 5);
             p.setBrush(QColor(200, 200, 200));
             p.drawRect(4, 9, 7, 5);
         }},
        {"editor",
         [](QPainter& p) {
             p.setPen(QPen(QColor(40, 40, 40), 1));
             p.drawLine(13, 1, 13, 14);  // the axis
             p.setPen(QPen(QColor(200, 60, 0), 2));
             p.drawLine(3, 13, 10, 3);
             p.setPen(QPen(QColor(30, 30, 30), 1));
             p.drawPoint(2, 14);
         }},
        {"rotate",
         [](QPainter& p) {
             QPainterPath vase;
             vase.moveTo(5, 2);
             vase.cubicTo(2, 7, 3, 12, 6, 14);
             vase.lineTo(10, 14);
             vase.cubicTo(13, 12, 14, 7, 11, 2);
             vase.closeSubpath();
             QLinearGradient g(2, 0, 14, 0);
             g.setColorAt(0, QColor(90, 40, 10));
             g.setColorAt(0.4, QColor(240, 190, 120));
             g.setColorAt(1, QColor(110, 50, 15));
             p.setPen(Qt::NoPen);
             p.setBrush(g);
             p.drawPath(vase);
             p.setPen(QPen(QColor(0, 0, 160), 1));
             p.setBrush(Qt::NoBrush);
             p.drawArc(1, 0, 14, 5, 200 * 16, 140 * 16);
         }},
        // Drawing tools of the editor: the shape they draw, in dark green.
        {"freecurve",
         [](QPainter& p) {
             QPainterPath c;
             c.moveTo(2, 12);
             c.cubicTo(4, 2, 9, 16, 14, 4);
             p.setPen(QPen(QColor(0, 100, 0), 1.6));
             p.drawPath(c);
         }},
        {"line", [](QPainter& p) { p.setPen(QPen(QColor(0, 100, 0), 1.6)); p.drawLine(2, 13, 14, 3); }},
        {"vline", [](QPainter& p) { p.setPen(QPen(QColor(0, 100, 0), 1.6)); p.drawLine(8, 2, 8, 14); }},
        {"hline", [](QPainter& p) { p.setPen(QPen(QColor(0, 100, 0), 1.6)); p.drawLine(2, 8, 14, 8); }},
        {"point",
         [](QPainter& p) {
             p.setPen(Qt::NoPen);
             p.setBrush(QColor(0, 100, 0));
             p.drawEllipse(QPointF(8, 8), 2.2, 2.2);
         }},
        {"circle", [](QPainter& p) { p.setPen(QPen(QColor(0, 100, 0), 1.4)); p.drawEllipse(QPointF(8, 8), 5.5, 5.5); }},
        {"ellipse", [](QPainter& p) { p.setPen(QPen(QColor(0, 100, 0), 1.4)); p.drawEllipse(QPointF(8, 8), 6.5, 3.8); }},
        {"rect", [](QPainter& p) { p.setPen(QPen(QColor(0, 100, 0), 1.4)); p.drawRect(QRectF(2.5, 4.5, 11, 7)); }},
        // Operations: what they do to a small figure.
        {"move",
         [](QPainter& p) {
             p.setPen(QPen(QColor(0, 0, 140), 1.4));
             p.drawLine(2, 8, 14, 8);
             p.drawLine(8, 2, 8, 14);
             p.drawLine(12, 6, 14, 8);
             p.drawLine(12, 10, 14, 8);
             p.drawLine(6, 4, 8, 2);
             p.drawLine(10, 4, 8, 2);
         }},
        {"scale",
         [](QPainter& p) {
             p.setPen(QPen(QColor(0, 0, 140), 1.2));
             p.drawRect(QRectF(1.5, 7.5, 5, 5));
             p.drawRect(QRectF(5.5, 2.5, 9, 10));
         }},
        {"turn",
         [](QPainter& p) {
             p.setPen(QPen(QColor(0, 0, 140), 1.4));
             p.drawArc(QRectF(3, 3, 10, 10), 30 * 16, 280 * 16);
             p.drawLine(12, 3, 12, 6);
             p.drawLine(12, 6, 9, 6);
         }},
        {"split",
         [](QPainter& p) {
             p.setPen(QPen(QColor(0, 100, 0), 1.4));
             p.drawLine(2, 12, 6, 8);
             p.drawLine(10, 8, 14, 4);
             p.setPen(QPen(QColor(200, 0, 0), 1.2));
             p.drawLine(8, 3, 8, 13);
         }},
        {"join",
         [](QPainter& p) {
             p.setPen(QPen(QColor(0, 100, 0), 1.4));
             p.drawLine(2, 12, 8, 8);
             p.drawLine(8, 8, 14, 4);
             p.setPen(Qt::NoPen);
             p.setBrush(QColor(200, 0, 0));
             p.drawEllipse(QPointF(8, 8), 2, 2);
         }},
        {"movevertex",
         [](QPainter& p) {
             p.setPen(QPen(QColor(0, 100, 0), 1.2));
             p.drawLine(2, 13, 7, 5);
             p.drawLine(7, 5, 14, 12);
             p.setPen(Qt::NoPen);
             p.setBrush(QColor(200, 0, 0));
             p.drawRect(QRectF(5, 3, 4, 4));
         }},
        {"property",
         [](QPainter& p) {
             p.setPen(Qt::NoPen);
             p.setBrush(QColor(220, 40, 40));
             p.drawEllipse(QPointF(6, 6), 4, 4);
             p.setBrush(QColor(40, 160, 40));
             p.drawEllipse(QPointF(10, 6), 4, 4);
             p.setBrush(QColor(40, 60, 220));
             p.drawEllipse(QPointF(8, 10), 4, 4);
         }},
        {"delete", redCross},
        {"updown",
         [](QPainter& p) {
             p.setPen(QPen(QColor(0, 0, 140), 1.4));
             p.drawLine(8, 1, 8, 15);
             p.drawLine(5, 4, 8, 1);
             p.drawLine(11, 4, 8, 1);
             p.drawLine(5, 12, 8, 15);
             p.drawLine(11, 12, 8, 15);
         }},
        {"clearall",
         [](QPainter& p) {
             document(p);
             redCross(p);
         }},
        // Figure-property dialog: own tint or the display's, and the methods.
        {"setcolor",
         [](QPainter& p) {
             QConicalGradient g(8, 8, 0);
             g.setColorAt(0, Qt::red);
             g.setColorAt(0.33, Qt::green);
             g.setColorAt(0.66, Qt::blue);
             g.setColorAt(1, Qt::red);
             p.setPen(Qt::NoPen);
             p.setBrush(g);
             p.drawEllipse(QPointF(8, 8), 6.5, 6.5);
         }},
        {"stdcolor",
         [](QPainter& p) {
             p.setPen(QPen(QColor(80, 80, 80), 1));
             p.setBrush(QColor(250, 250, 250));
             p.drawEllipse(QPointF(8, 8), 6, 6);
         }},
        {"wire",
         [](QPainter& p) {
             p.setPen(QPen(QColor(0, 0, 0), 1));
             p.drawEllipse(QRectF(2, 2, 12, 12));
             meridian(p);
         }},
        {"surface", shadedBall},
        {"mesh",
         [](QPainter& p) {
             shadedBall(p);
             p.setPen(QPen(QColor(0, 0, 0), 0.8));
             meridian(p);
         }},
        {"stdmethod",
         [](QPainter& p) {
             p.setPen(QPen(QColor(80, 80, 80), 1, Qt::DashLine));
             p.setBrush(Qt::NoBrush);
             p.drawEllipse(QRectF(2, 2, 12, 12));
         }},
    };
    return table;
}
}  // namespace

QIcon glyphIcon(const std::string& name) {
    auto it = painters().find(name);
    if (it == painters().end()) return {};
    QPixmap pm(16, 16);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing, true);
    it->second(p);
    p.end();
    return QIcon(pm);
}

}  // namespace vantor::qt
