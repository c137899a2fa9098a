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
        {"gedit",
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
