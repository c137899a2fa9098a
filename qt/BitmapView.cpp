// SPDX-License-Identifier: GPL-3.0-or-later
#include "BitmapView.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include "Conversions.h"
#include "app/Program.h"
#include "platform/widgets/Image.h"

namespace vantor::qt {

namespace {
QImage wrap(const Bitmap& bmp) {
    if (bmp.format() == PixelFormat::Rgb32) {
        return QImage(reinterpret_cast<const uchar*>(bmp.rgbData()), bmp.width(), bmp.height(), bmp.width() * 4,
                      QImage::Format_RGB32);
    }
    QImage img(bmp.indexData(), bmp.width(), bmp.height(), bmp.width(), QImage::Format_Indexed8);
    QList<QRgb> table(256);
    for (int i = 0; i < 256; ++i) {
        PaletteEntry e = bmp.colorTableEntry(i);
        table[i] = qRgb(e.r, e.g, e.b);
    }
    img.setColorTable(table);
    return img;
}
}  // namespace

BitmapView::BitmapView(Image& image, Program& program, QWidget* parent) : QWidget(parent), m_image(image), m_program(program) {
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    rebind();
}

BitmapView::~BitmapView() { unbind(); }

void BitmapView::unbind() {
    if (m_bound) m_bound->unsubscribe(m_bitmapSub);
    if (m_palette) m_palette->unsubscribe(m_paletteSub);
    m_bound = nullptr;
    m_palette.reset();
}

void BitmapView::rebind() {
    Bitmap* bmp = m_image.picture();
    std::shared_ptr<Palette> pal = bmp ? bmp->palette() : nullptr;
    if (bmp != m_bound || pal != m_palette) {
        unbind();
        if (bmp) {
            m_bitmapSub = bmp->subscribe([this] {
                if (m_image.picture() && m_image.picture()->palette() != m_palette) rebind();
                update();
            });
            if (pal) m_paletteSub = pal->subscribe([this] { repaint(); });
        }
        m_bound = bmp;
        m_palette = pal;
    }
    update();
}

void BitmapView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    // Scaled by a high-density screen, pixels stay blocks, never blurred.
    p.setRenderHint(QPainter::SmoothPixmapTransform, false);
    Bitmap* bmp = m_image.picture();
    if (!bmp || bmp->isEmpty()) {
        p.fillRect(rect(), Qt::black);
        return;
    }
    QImage img = wrap(*bmp);
    if (m_image.stretch()) {
        p.drawImage(rect(), img);
    } else {
        p.fillRect(rect(), palette().window());
        p.drawImage(0, 0, img);
    }
}

void BitmapView::mousePressEvent(QMouseEvent* e) {
    if (!m_image.onMouseDown) return;
    auto pos = e->position().toPoint();
    m_program.dispatch([&] { m_image.onMouseDown(toButton(e->button()), toShift(e->modifiers(), e->buttons()), pos.x(), pos.y()); });
}

void BitmapView::mouseMoveEvent(QMouseEvent* e) {
    if (!m_image.onMouseMove) return;
    auto pos = e->position().toPoint();
    m_program.dispatch([&] { m_image.onMouseMove(toShift(e->modifiers(), e->buttons()), pos.x(), pos.y()); });
}

void BitmapView::mouseDoubleClickEvent(QMouseEvent* e) {
    if (!m_image.onDblClick) {
        mousePressEvent(e);
        return;
    }
    auto pos = e->position().toPoint();
    m_program.dispatch([&] { m_image.onDblClick(toButton(e->button()), toShift(e->modifiers(), e->buttons()), pos.x(), pos.y()); });
}

void BitmapView::mouseReleaseEvent(QMouseEvent* e) {
    auto pos = e->position().toPoint();
    m_program.dispatch([&] {
        if (m_image.onMouseUp) m_image.onMouseUp(toButton(e->button()), toShift(e->modifiers(), e->buttons()), pos.x(), pos.y());
        if (e->button() == Qt::LeftButton && rect().contains(pos) && m_image.onClick) m_image.onClick();
    });
}

void BitmapView::wheelEvent(QWheelEvent* e) {
    if (!m_image.onMouseWheel) {
        e->ignore();
        return;
    }
    const int delta = e->angleDelta().y();
    if (delta == 0) return;
    const QPoint pos = e->position().toPoint();
    m_program.dispatch([&] { m_image.onMouseWheel(delta, toShift(e->modifiers(), e->buttons()), pos.x(), pos.y()); });
}

}  // namespace vantor::qt
