// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Shows a Bitmap model without copying its pixels and forwards the mouse to
// the Image model's handlers through the event dispatch.
#include <QWidget>
#include <memory>

namespace vantor {
class Bitmap;
class Image;
class Palette;
class Program;
}

namespace vantor::qt {

class BitmapView : public QWidget {
public:
    BitmapView(vantor::Image& image, vantor::Program& program, QWidget* parent);
    ~BitmapView() override;
    // Re-binds to the image's current picture (it may change).
    void rebind();

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent*) override;
    void mouseMoveEvent(QMouseEvent*) override;
    void mouseReleaseEvent(QMouseEvent*) override;
    void mouseDoubleClickEvent(QMouseEvent*) override;
    void wheelEvent(QWheelEvent*) override;

private:
    void unbind();
    vantor::Image& m_image;
    vantor::Program& m_program;
    // The picture we listen to; the image may later show another.
    vantor::Bitmap* m_bound = nullptr;
    int m_bitmapSub = 0;
    int m_paletteSub = 0;
    // Shared ownership: the window may attach a new palette to the bitmap,
    // and the old one must live until we have unsubscribed from it.
    std::shared_ptr<vantor::Palette> m_palette;
};

}  // namespace vantor::qt
