// SPDX-License-Identifier: GPL-3.0-or-later
// The widgets of a window's controls: one builder per control kind.
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QToolButton>

#include "BitmapView.h"
#include "Conversions.h"
#include "FormHost.h"
#include "Glyphs.h"
#include "app/Program.h"
#include "platform/widgets/Image.h"
#include "platform/widgets/Label.h"
#include "platform/widgets/ListBox.h"
#include "platform/widgets/ProgressBar.h"
#include "platform/widgets/ScrollBar.h"
#include "platform/widgets/SpeedButton.h"

namespace vantor::qt {

namespace {
// Hands a list view's mouse presses and releases to a function; true
// swallows the event.
class ListMouseFilter : public QObject {
public:
    ListMouseFilter(QObject* parent, std::function<bool(QMouseEvent*)> handle) : QObject(parent), m_handle(std::move(handle)) {}

protected:
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() != QEvent::MouseButtonPress && e->type() != QEvent::MouseButtonRelease &&
            e->type() != QEvent::MouseButtonDblClick)
            return false;
        return m_handle(static_cast<QMouseEvent*>(e));
    }

private:
    std::function<bool(QMouseEvent*)> m_handle;
};

// Acts on the release of any mouse button, as the program's speed buttons do.
class SpeedButtonWidget : public QToolButton {
public:
    SpeedButtonWidget(SpeedButton& model, Program& program, QWidget* parent)
        : QToolButton(parent), m_model(model), m_program(program) {}

protected:
    void mousePressEvent(QMouseEvent* e) override {
        if (e->button() == Qt::LeftButton) QToolButton::mousePressEvent(e);
        else setDown(true);
    }
    void mouseReleaseEvent(QMouseEvent* e) override {
        bool inside = rect().contains(e->position().toPoint());
        setDown(false);
        if (e->button() == Qt::LeftButton) QToolButton::mouseReleaseEvent(e);
        if (!inside) return;
        int x = static_cast<int>(e->position().x()), y = static_cast<int>(e->position().y());
        m_program.dispatch([&] { m_model.mouseUp(toButton(e->button()), x, y); });
        setChecked(m_model.down());
    }

private:
    SpeedButton& m_model;
    Program& m_program;
};

// A shape control: rectangle or ellipse inscribed in the bounds, brush
// fill unless clear, one-pixel pen outline.
class ShapeWidget : public QWidget {
public:
    ShapeWidget(Shape& model, QWidget* parent) : QWidget(parent), m_model(model) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setPen(QPen(qColor(m_model.penColor()), 1));
        if (m_model.brush() == ShapeBrush::Clear) p.setBrush(Qt::NoBrush);
        else p.setBrush(qColor(m_model.color()));
        const int right = std::max(0, width() - 1), bottom = std::max(0, height() - 1);
        if (m_model.shape() == ShapeType::Ellipse) {
            p.setRenderHint(QPainter::Antialiasing);
            p.drawEllipse(QRectF(0.5, 0.5, right, bottom));
        } else if (right == 0 || bottom == 0) {
            p.drawLine(0, 0, right, bottom);
        } else {
            // A one-pixel outline of a w x h rectangle covers w x h pixels.
            p.drawRect(0, 0, right, bottom);
        }
    }

private:
    Shape& m_model;
};
}  // namespace

// One builder per control kind: each makes the widget, mirrors the model
// into it and forwards the widget's events to the model.
struct ControlBuilders {
    static QWidget* label(FormHost& host, Label& model, QWidget* parent) {
        auto* w = new QLabel(parent);
        w->setObjectName(q(model.name()));
        host.track(model, w, [&host, w, &model] {
            w->setText(host.shown(model.caption()));
            QPalette p = w->palette();
            p.setColor(QPalette::WindowText, qColor(model.font().color));
            if (!model.transparent()) p.setColor(QPalette::Window, qColor(model.color()));
            w->setAutoFillBackground(!model.transparent());
            w->setPalette(p);
            if (model.width() <= 0 || model.height() <= 0) w->adjustSize();
            else w->resize(std::max(model.width(), w->sizeHint().width()), model.height());
        });
        return w;
    }

    static QWidget* speedButton(FormHost& host, SpeedButton& model, QWidget* parent) {
        auto* w = new SpeedButtonWidget(model, host.m_program, parent);
        w->setObjectName(q(model.name()));
        w->setAutoRaise(model.flat());
        w->setCheckable(model.groupIndex() != 0);
        w->setIconSize(QSize(16, 16));
        host.track(model, w, [&host, w, &model] {
            QIcon icon = glyphIcon(model.glyph());
            w->setIcon(icon);
            w->setText(host.shown(model.caption()));
            w->setToolButtonStyle(icon.isNull() ? Qt::ToolButtonTextOnly
                                  : model.caption().empty() ? Qt::ToolButtonIconOnly
                                                            : Qt::ToolButtonTextBesideIcon);
            w->setChecked(model.down());
        });
        return w;
    }

    static QWidget* radioButton(FormHost& host, RadioButton& model, QWidget* parent) {
        auto* w = new QRadioButton(parent);
        w->setAutoExclusive(false);
        w->setObjectName(q(model.name()));
        host.track(model, w, [&host, w, &model] {
            w->setText(host.shown(model.caption()));
            // An opaque radio button shows its colour around the mark.
            QPalette p = w->palette();
            if (!model.transparent()) {
                p.setColor(QPalette::Window, qColor(model.color()));
                p.setColor(QPalette::Button, qColor(model.color()));
            }
            w->setAutoFillBackground(!model.transparent());
            w->setPalette(p);
            QSignalBlocker b(w);
            w->setChecked(model.checked());
        });
        QObject::connect(w, &QRadioButton::clicked, &host, [&host, &model, w] {
            host.dispatch([&model] { model.click(); });
            QSignalBlocker b(w);
            w->setChecked(model.checked());
        });
        return w;
    }

    static QWidget* button(FormHost& host, Button& model, QWidget* parent) {
        auto* w = new QPushButton(parent);
        w->setObjectName(q(model.name()));
        w->setDefault(model.isDefault);
        host.track(model, w, [&host, w, &model] { w->setText(host.shown(model.caption())); });
        QObject::connect(w, &QPushButton::clicked, &host, [&host, &model] { host.dispatch([&model] { model.click(); }); });
        return w;
    }

    static QWidget* scrollBar(FormHost& host, ScrollBar& model, QWidget* parent) {
        auto* w = new QScrollBar(model.orientation() == Orientation::Horizontal ? Qt::Horizontal : Qt::Vertical, parent);
        w->setObjectName(q(model.name()));
        host.track(model, w, [w, &model] {
            QSignalBlocker b(w);
            w->setRange(model.min(), model.max());
            w->setSingleStep(model.smallChange());
            w->setPageStep(model.largeChange());
            w->setValue(model.position());
        });
        QObject::connect(w, &QScrollBar::valueChanged, &host, [&host, &model](int v) { host.dispatch([&model, v] { model.setPosition(v); }); });
        return w;
    }

    static QWidget* progressBar(FormHost& host, ProgressBar& model, QWidget* parent) {
        auto* w = new QProgressBar(parent);
        w->setTextVisible(false);
        host.track(model, w, [w, &model] {
            w->setRange(model.min(), model.max());
            w->setValue(model.position());
        });
        return w;
    }

    static QWidget* listBox(FormHost& host, ListBox& model, QWidget* parent) {
        auto* w = new QListWidget(parent);
        w->setObjectName(q(model.name()));
        auto showSelection = [w, &model] {
            QSignalBlocker b(w);
            w->setCurrentRow(model.itemIndex());
            if (model.itemIndex() < 0) w->clearSelection();
        };
        host.track(model, w, [w, &model, showSelection] {
            QSignalBlocker b(w);
            w->clear();
            for (const auto& s : model.items()) w->addItem(q(s));
            showSelection();
        });
        // Releases go to the model with the row under the mouse; only the
        // left button selects, so other presses never reach the view.
        w->viewport()->installEventFilter(new ListMouseFilter(w, [&host, w, &model, showSelection](QMouseEvent* e) {
            if (e->type() != QEvent::MouseButtonRelease) return e->button() != Qt::LeftButton;
            const int row = w->indexAt(e->position().toPoint()).row();
            host.dispatch([&] { model.mouseUp(toButton(e->button()), row); });
            showSelection();
            return false;
        }));
        QObject::connect(w, &QListWidget::itemClicked, &host,
                         [&host, w, &model](QListWidgetItem*) { host.dispatch([&] { model.clickRow(w->currentRow()); }); });
        QObject::connect(w, &QListWidget::itemDoubleClicked, &host, [&host, &model](QListWidgetItem*) {
            host.dispatch([&] {
                if (model.onDblClick) model.onDblClick();
            });
        });
        return w;
    }

    static QWidget* edit(FormHost& host, Edit& model, QWidget* parent) {
        auto* w = new QLineEdit(parent);
        w->setObjectName(q(model.name()));
        host.track(model, w, [w, &model] {
            if (w->text() != q(model.text())) {
                QSignalBlocker b(w);
                w->setText(q(model.text()));
            }
        });
        QObject::connect(w, &QLineEdit::textEdited, &host,
                         [&host, &model](const QString& t) { host.dispatch([&] { model.setText(t.toStdString()); }); });
        return w;
    }

    static QWidget* image(FormHost& host, Image& model, QWidget* parent) {
        auto* w = new BitmapView(model, host.m_program, parent);
        w->setObjectName(q(model.name()));
        host.track(model, w, [w] { w->rebind(); });
        return w;
    }

    static QWidget* bevel(FormHost& host, Bevel& model, QWidget* parent) {
        auto* w = new QFrame(parent);
        w->setFrameShape(model.height() <= 4 ? QFrame::HLine : QFrame::Box);
        w->setFrameShadow(QFrame::Sunken);
        host.track(model, w, nullptr);
        return w;
    }

    static QWidget* shape(FormHost& host, Shape& model, QWidget* parent) {
        auto* w = new ShapeWidget(model, parent);
        w->setObjectName(q(model.name()));
        host.track(model, w, [w] { w->update(); });
        return w;
    }

    static QWidget* panel(FormHost& host, Panel& model, QWidget* parent) {
        auto* w = new QFrame(parent);
        w->setFrameShape(QFrame::Panel);
        w->setFrameShadow(QFrame::Raised);
        host.track(model, w, [w, &model] {
            QPalette p = w->palette();
            p.setColor(QPalette::Window, qColor(model.color()));
            w->setAutoFillBackground(!model.transparent());
            w->setPalette(p);
        });
        // Behind the controls placed on it.
        w->lower();
        return w;
    }
};

QWidget* FormHost::buildControl(Control& control, QWidget* parent) {
    switch (control.kind()) {
        case ControlKind::Label: return ControlBuilders::label(*this, static_cast<Label&>(control), parent);
        case ControlKind::SpeedButton: return ControlBuilders::speedButton(*this, static_cast<SpeedButton&>(control), parent);
        case ControlKind::Button:
            // Radio buttons are buttons of their own class.
            if (auto* radio = dynamic_cast<RadioButton*>(&control)) return ControlBuilders::radioButton(*this, *radio, parent);
            return ControlBuilders::button(*this, static_cast<Button&>(control), parent);
        case ControlKind::ScrollBar: return ControlBuilders::scrollBar(*this, static_cast<ScrollBar&>(control), parent);
        case ControlKind::ProgressBar: return ControlBuilders::progressBar(*this, static_cast<ProgressBar&>(control), parent);
        case ControlKind::ListBox: return ControlBuilders::listBox(*this, static_cast<ListBox&>(control), parent);
        case ControlKind::Edit: return ControlBuilders::edit(*this, static_cast<Edit&>(control), parent);
        case ControlKind::Image: return ControlBuilders::image(*this, static_cast<Image&>(control), parent);
        case ControlKind::Bevel: return ControlBuilders::bevel(*this, static_cast<Bevel&>(control), parent);
        case ControlKind::Shape: return ControlBuilders::shape(*this, static_cast<Shape&>(control), parent);
        case ControlKind::Panel: return ControlBuilders::panel(*this, static_cast<Panel&>(control), parent);
    }
    return nullptr;
}

}  // namespace vantor::qt
