#include "FormHost.h"

#include <QAction>
#include <QActionGroup>
#include <QCloseEvent>
#include <QEventLoop>
#include <QFrame>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QGuiApplication>
#include <QScreen>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QToolButton>

#include "BitmapView.h"
#include "Glyphs.h"
#include "UiFont.h"
#include "app/HelpTopics.h"
#include "app/Program.h"
#include "platform/widgets/Form.h"
#include "platform/widgets/Image.h"
#include "platform/widgets/Label.h"
#include "platform/widgets/ListBox.h"
#include "platform/widgets/ProgressBar.h"
#include "platform/widgets/ScrollBar.h"
#include "platform/widgets/SpeedButton.h"

namespace vantor::qt {

namespace {
QString q(const std::string& s) { return QString::fromStdString(s); }

// "\r" separates lines in the program's texts.
QString qText(const std::string& s) { return q(s).replace(QLatin1Char('\r'), QLatin1Char('\n')); }

QColor qColor(TColor c) { return QColor(colorR(c), colorG(c), colorB(c)); }

MouseButton toButton(Qt::MouseButton b) {
    if (b == Qt::RightButton) return MouseButton::Right;
    if (b == Qt::MiddleButton) return MouseButton::Middle;
    return MouseButton::Left;
}

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

FormHost::FormHost(Form& form, Program& program, Language language)
    : m_form(form), m_program(program), m_language(language) {
    setObjectName(q(form.name()));
    m_client = new QWidget(this);
    m_client->setAutoFillBackground(true);
    setCentralWidget(m_client);

    if (form.hasMenu()) {
        for (MenuItem* top : form.mainMenu.items()) buildMenu(*top, nullptr);
    }
    for (Control* c : form.controls()) {
        QWidget* w = buildControl(*c, m_client);
        if (w) m_widgets.emplace_back(c, w);
    }
    int id = form.subscribe([this] { syncForm(); });
    m_unsubscribe.push_back([this, id] { m_form.unsubscribe(id); });
    syncForm();
}

FormHost::~FormHost() {
    for (auto& u : m_unsubscribe) u();
}

void FormHost::dispatch(const std::function<void()>& handler) { m_program.dispatch(handler); }

QString FormHost::shown(const std::string& text) const { return qText(shownText(text, m_language)); }

QWidget* FormHost::widgetFor(const Control& control) const {
    for (auto& [c, w] : m_widgets)
        if (c == &control) return w;
    return nullptr;
}

void FormHost::syncForm() {
    if (m_syncing) return;
    m_syncing = true;
    setWindowTitle(shown(m_form.caption()));
    QPalette pal = m_client->palette();
    pal.setColor(QPalette::Window, qColor(m_form.color()));
    m_client->setPalette(pal);
    setFont(toQFont(m_form.font()));
    m_client->setFixedSize(std::max(1, m_form.clientWidth()), std::max(1, m_form.clientHeight()));
    if (m_form.borderStyle() != BorderStyle::Sizeable) layout()->setSizeConstraint(QLayout::SetFixedSize);
    if (m_form.visible() && !isVisible()) {
        if (m_form.centered()) {
            if (QScreen* scr = QGuiApplication::primaryScreen()) {
                QRect g = scr->availableGeometry();
                QSize s = sizeHint().expandedTo(minimumSizeHint());
                m_form.setPosition(g.x() + (g.width() - s.width()) / 2, g.y() + (g.height() - s.height()) / 2);
            }
        }
        move(m_form.left(), m_form.top());
        show();
        raise();
    } else if (m_form.visible()) {
        move(m_form.left(), m_form.top());
        raise();
        activateWindow();
    } else if (!m_form.visible() && isVisible()) {
        hide();
    } else {
        move(m_form.left(), m_form.top());
    }
    m_syncing = false;
}

void FormHost::buildMenu(MenuItem& item, QMenu* into) {
    if (!item.items().empty()) {
        QMenu* menu = into ? into->addMenu(shown(item.caption())) : menuBar()->addMenu(shown(item.caption()));
        for (MenuItem* child : item.items()) buildMenu(*child, menu);
        // A sub-menu may itself be a radio item of its parent's list: its
        // entry then carries the mark that stands for the whole sub-menu.
        if (item.radioItem()) {
            menu->menuAction()->setCheckable(true);
            menu->menuAction()->setData(QVariant::fromValue(static_cast<void*>(&item)));
            radioGroup(into, item.groupIndex())->addAction(menu->menuAction());
        }
        auto sync = [this, menu, &item] {
            menu->setTitle(shown(item.caption()));
            menu->menuAction()->setEnabled(item.enabled());
            menu->menuAction()->setVisible(item.visible());
            if (item.radioItem()) menu->menuAction()->setChecked(item.checked());
        };
        sync();
        int id = item.subscribe(sync);
        m_unsubscribe.push_back([&item, id] { item.unsubscribe(id); });
        return;
    }
    if (item.isSeparator()) {
        QAction* sep = into ? into->addSeparator() : menuBar()->addSeparator();
        sep->setVisible(item.visible());
        return;
    }
    QAction* action = into ? into->addAction(shown(item.caption())) : menuBar()->addAction(shown(item.caption()));
    action->setObjectName(q(item.name()));
    // Radio items show radio marks; plain commands show no check box unless
    // the program puts a check mark on them.
    if (item.radioItem()) radioGroup(into, item.groupIndex())->addAction(action);
    auto sync = [this, action, &item] {
        action->setText(shown(item.caption()));
        action->setCheckable(item.radioItem() || item.checked());
        action->setChecked(item.checked());
        action->setEnabled(item.enabled());
        action->setVisible(item.visible());
    };
    sync();
    // The model decides the mark: a click never toggles it by itself.
    action->setData(QVariant::fromValue(static_cast<void*>(&item)));
    QObject::connect(action, &QAction::triggered, this, [this, action, &item, sync] {
        action->setChecked(item.checked());
        dispatch([&item] { item.click(); });
        sync();
        // The group's exclusivity may have moved the mark in the widgets
        // where the model did not: every sibling shows its model again.
        if (QActionGroup* group = action->actionGroup())
            for (QAction* a : group->actions())
                if (auto* model = static_cast<MenuItem*>(a->data().value<void*>())) a->setChecked(model->checked());
    });
    int id = item.subscribe(sync);
    m_unsubscribe.push_back([&item, id] { item.unsubscribe(id); });
}

QActionGroup* FormHost::radioGroup(QMenu* menu, int groupIndex) {
    for (auto& [m, g, group] : m_radioGroups)
        if (m == menu && g == groupIndex) return group;
    // Exclusive only for the look (radio marks); the model decides which
    // item carries the mark, and every change is mirrored from it.
    auto* group = new QActionGroup(this);
    group->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    m_radioGroups.emplace_back(menu, groupIndex, group);
    return group;
}

void FormHost::track(Control& control, QWidget* widget, std::function<void()> sync) {
    auto full = [this, &control, widget, sync] {
        const IntRect& b = control.bounds();
        widget->setGeometry(b.left, b.top, std::max(0, b.width()), std::max(0, b.height()));
        widget->setVisible(control.visible());
        widget->setEnabled(control.enabled());
        widget->setToolTip(shown(control.hint()));
        widget->setFont(toQFont(control.font()));
        switch (control.cursor()) {
            case Cursor::Default: widget->unsetCursor(); break;
            case Cursor::Arrow: widget->setCursor(Qt::ArrowCursor); break;
            case Cursor::Cross: widget->setCursor(Qt::CrossCursor); break;
            case Cursor::Wait: widget->setCursor(Qt::WaitCursor); break;
            case Cursor::SizeAll: widget->setCursor(Qt::SizeAllCursor); break;
            case Cursor::HandPoint: widget->setCursor(Qt::PointingHandCursor); break;
        }
        if (sync) sync();
    };
    full();
    int id = control.subscribe(full);
    m_unsubscribe.push_back([&control, id] { control.unsubscribe(id); });
}

QWidget* FormHost::buildControl(Control& control, QWidget* parent) {
    switch (control.kind()) {
        case ControlKind::Label: {
            auto& model = static_cast<Label&>(control);
            auto* w = new QLabel(parent);
            w->setObjectName(q(model.name()));
            track(control, w, [this, w, &model] {
                w->setText(shown(model.caption()));
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
        case ControlKind::SpeedButton: {
            auto& model = static_cast<SpeedButton&>(control);
            auto* w = new SpeedButtonWidget(model, m_program, parent);
            w->setObjectName(q(model.name()));
            w->setAutoRaise(model.flat());
            w->setCheckable(model.groupIndex() != 0);
            w->setIconSize(QSize(16, 16));
            track(control, w, [this, w, &model] {
                QIcon icon = glyphIcon(model.glyph());
                w->setIcon(icon);
                w->setText(shown(model.caption()));
                w->setToolButtonStyle(icon.isNull() ? Qt::ToolButtonTextOnly
                                      : model.caption().empty() ? Qt::ToolButtonIconOnly
                                                                : Qt::ToolButtonTextBesideIcon);
                w->setChecked(model.down());
            });
            return w;
        }
        case ControlKind::Button: {
            if (auto* radio = dynamic_cast<RadioButton*>(&control)) {
                auto* w = new QRadioButton(parent);
                w->setAutoExclusive(false);
                w->setObjectName(q(radio->name()));
                track(control, w, [this, w, radio] {
                    w->setText(shown(radio->caption()));
                    // An opaque radio button shows its colour around the mark.
                    QPalette p = w->palette();
                    if (!radio->transparent()) {
                        p.setColor(QPalette::Window, qColor(radio->color()));
                        p.setColor(QPalette::Button, qColor(radio->color()));
                    }
                    w->setAutoFillBackground(!radio->transparent());
                    w->setPalette(p);
                    QSignalBlocker b(w);
                    w->setChecked(radio->checked());
                });
                QObject::connect(w, &QRadioButton::clicked, this, [this, radio, w] {
                    dispatch([radio] { radio->click(); });
                    QSignalBlocker b(w);
                    w->setChecked(radio->checked());
                });
                return w;
            }
            auto& model = static_cast<Button&>(control);
            auto* w = new QPushButton(parent);
            w->setObjectName(q(model.name()));
            w->setDefault(model.isDefault);
            track(control, w, [this, w, &model] { w->setText(shown(model.caption())); });
            QObject::connect(w, &QPushButton::clicked, this, [this, &model] { dispatch([&model] { model.click(); }); });
            return w;
        }
        case ControlKind::ScrollBar: {
            auto& model = static_cast<ScrollBar&>(control);
            auto* w = new QScrollBar(model.orientation() == Orientation::Horizontal ? Qt::Horizontal : Qt::Vertical, parent);
            w->setObjectName(q(model.name()));
            track(control, w, [w, &model] {
                QSignalBlocker b(w);
                w->setRange(model.min(), model.max());
                w->setSingleStep(model.smallChange());
                w->setPageStep(model.largeChange());
                w->setValue(model.position());
            });
            QObject::connect(w, &QScrollBar::valueChanged, this, [this, &model](int v) { dispatch([&model, v] { model.setPosition(v); }); });
            return w;
        }
        case ControlKind::ProgressBar: {
            auto& model = static_cast<ProgressBar&>(control);
            auto* w = new QProgressBar(parent);
            w->setTextVisible(false);
            track(control, w, [w, &model] {
                w->setRange(model.min(), model.max());
                w->setValue(model.position());
            });
            return w;
        }
        case ControlKind::ListBox: {
            auto& model = static_cast<ListBox&>(control);
            auto* w = new QListWidget(parent);
            w->setObjectName(q(model.name()));
            auto showSelection = [w, &model] {
                QSignalBlocker b(w);
                w->setCurrentRow(model.itemIndex());
                if (model.itemIndex() < 0) w->clearSelection();
            };
            track(control, w, [w, &model, showSelection] {
                QSignalBlocker b(w);
                w->clear();
                for (const auto& s : model.items()) w->addItem(q(s));
                showSelection();
            });
            // Releases go to the model with the row under the mouse; only the
            // left button selects, so other presses never reach the view.
            w->viewport()->installEventFilter(new ListMouseFilter(w, [this, w, &model, showSelection](QMouseEvent* e) {
                if (e->type() != QEvent::MouseButtonRelease) return e->button() != Qt::LeftButton;
                const int row = w->indexAt(e->position().toPoint()).row();
                dispatch([&] { model.mouseUp(toButton(e->button()), row); });
                showSelection();
                return false;
            }));
            QObject::connect(w, &QListWidget::itemClicked, this,
                             [this, w, &model](QListWidgetItem*) { dispatch([&] { model.clickRow(w->currentRow()); }); });
            QObject::connect(w, &QListWidget::itemDoubleClicked, this, [this, &model](QListWidgetItem*) {
                dispatch([&] {
                    if (model.onDblClick) model.onDblClick();
                });
            });
            return w;
        }
        case ControlKind::Edit: {
            auto& model = static_cast<Edit&>(control);
            auto* w = new QLineEdit(parent);
            w->setObjectName(q(model.name()));
            track(control, w, [w, &model] {
                if (w->text() != q(model.text())) {
                    QSignalBlocker b(w);
                    w->setText(q(model.text()));
                }
            });
            QObject::connect(w, &QLineEdit::textEdited, this,
                             [this, &model](const QString& t) { dispatch([&] { model.setText(t.toStdString()); }); });
            return w;
        }
        case ControlKind::Image: {
            auto& model = static_cast<Image&>(control);
            auto* w = new BitmapView(model, m_program, parent);
            w->setObjectName(q(model.name()));
            track(control, w, [w] { w->rebind(); });
            return w;
        }
        case ControlKind::Bevel: {
            auto* w = new QFrame(parent);
            w->setFrameShape(control.height() <= 4 ? QFrame::HLine : QFrame::Box);
            w->setFrameShadow(QFrame::Sunken);
            track(control, w, nullptr);
            return w;
        }
        case ControlKind::Shape: {
            auto& model = static_cast<Shape&>(control);
            auto* w = new ShapeWidget(model, parent);
            w->setObjectName(q(model.name()));
            track(control, w, [w] { w->update(); });
            return w;
        }
        case ControlKind::Panel: {
            auto* w = new QFrame(parent);
            bool panel = control.kind() == ControlKind::Panel;
            w->setFrameShape(panel ? QFrame::Panel : QFrame::Box);
            w->setFrameShadow(panel ? QFrame::Raised : QFrame::Plain);
            track(control, w, [w, &control] {
                QPalette p = w->palette();
                p.setColor(QPalette::Window, qColor(control.color()));
                w->setAutoFillBackground(!control.transparent());
                w->setPalette(p);
            });
            w->lower();
            return w;
        }
    }
    return nullptr;
}

int FormHost::execModal() {
    m_form.modalResult = mrNone;
    setWindowModality(Qt::ApplicationModal);
    m_form.show();
    show();
    raise();
    activateWindow();
    QEventLoop loop;
    int id = m_form.subscribe([&] {
        if (!m_form.visible() || m_form.modalResult != mrNone) loop.quit();
    });
    // A button may already have set the result while the form was shown.
    if (m_form.visible() && m_form.modalResult == mrNone) loop.exec();
    m_form.unsubscribe(id);
    int result = m_form.modalResult == mrNone ? mrCancel : m_form.modalResult;
    m_form.hide();
    hide();
    setWindowModality(Qt::NonModal);
    return result;
}

void FormHost::closeEvent(QCloseEvent* e) {
    // The model decides: its close query may keep the window open.
    e->ignore();
    dispatch([this] { m_form.close(); });
}

bool FormHost::event(QEvent* e) {
    if (e->type() == QEvent::WindowActivate) dispatch([this] { m_form.activate(); });
    if (e->type() == QEvent::Move && !m_syncing && isVisible()) {
        // Keep the model's position where the user moved the window.
        m_syncing = true;
        m_form.setPosition(x(), y());
        m_syncing = false;
    }
    return QMainWindow::event(e);
}

void FormHost::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_F1) {
        dispatch([this] { m_program.desktop.showHelp(helpTopicFor(m_form)); });
        return;
    }
    // Letters and digits share their codes with the virtual keys; Escape does not.
    const int key = e->key() == Qt::Key_Escape ? 0x1B : e->key();
    unsigned shift = 0;
    if (e->modifiers() & Qt::ShiftModifier) shift |= ShiftShift;
    if (e->modifiers() & Qt::ControlModifier) shift |= ShiftCtrl;
    if (e->modifiers() & Qt::AltModifier) shift |= ShiftAlt;
    dispatch([this, key, shift] { m_form.FormKeyDown(key, shift); });
    QMainWindow::keyPressEvent(e);
}

void FormHost::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton) dispatch([this] { m_form.FormClick(); });
    QMainWindow::mouseReleaseEvent(e);
}

}  // namespace vantor::qt
