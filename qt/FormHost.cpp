// SPDX-License-Identifier: GPL-3.0-or-later
#include "FormHost.h"

#include <QAction>
#include <QActionGroup>
#include <QCloseEvent>
#include <QEventLoop>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLayout>
#include <QMenuBar>
#include <QMouseEvent>
#include <QScreen>
#include <QTimer>
#include <QWindow>

#include "Conversions.h"
#include "Placement.h"
#include "UiFont.h"
#include "windows/control/HelpTopics.h"
#include "app/Program.h"
#include "platform/widgets/Form.h"

namespace vantor::qt {

FormHost::FormHost(Form& form, Program& program, Language language)
    : m_form(form), m_program(program), m_language(language) {
    setObjectName(q(form.name()));
    m_client = new QWidget(this);
    m_client->setAutoFillBackground(true);
    setCentralWidget(m_client);
    if (form.resizable()) m_client->installEventFilter(this);

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
    syncClientSize();
    if (m_form.visible() && !isVisible()) {
        if (m_form.centered()) {
            if (QScreen* scr = QGuiApplication::primaryScreen()) {
                QRect g = scr->availableGeometry();
                QSize s = sizeHint().expandedTo(minimumSizeHint());
                m_form.setPosition(g.x() + (g.width() - s.width()) / 2, g.y() + (g.height() - s.height()) / 2);
            }
        }
        move(m_form.left(), m_form.top());
        placeOnceFramed();
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

void FormHost::syncClientSize() {
    const QSize wanted(std::max(1, m_form.clientWidth()), std::max(1, m_form.clientHeight()));
    if (!m_form.resizable()) {
        m_client->setFixedSize(wanted);
        layout()->setSizeConstraint(QLayout::SetFixedSize);
        return;
    }
    // The user may resize the window down to the form's smallest client
    // size; a size the program sets is taken by the whole window, menu bar
    // included.
    m_client->setMinimumSize(std::max(1, m_form.minClientWidth()), std::max(1, m_form.minClientHeight()));
    if (m_client->size() == wanted && m_clientSized) return;
    m_clientSized = true;
    const int menu = m_form.hasMenu() ? menuBar()->heightForWidth(wanted.width()) : 0;
    resize(wanted.width(), wanted.height() + std::max(menu, m_form.hasMenu() ? menuBar()->sizeHint().height() : 0));
}

// Resizes arrive in bursts while the user drags the frame: the form hears
// the last size once the burst has been handled.
void FormHost::clientResized() {
    if (m_syncing || !m_form.resizable() || !isVisible()) return;
    if (m_resizePending) return;
    m_resizePending = true;
    QTimer::singleShot(0, this, [this] {
        m_resizePending = false;
        const QSize now = m_client->size();
        dispatch([this, now] { m_form.resizeClient(now.width(), now.height()); });
    });
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
        // After a tab the keys show right-aligned, for the look only: the
        // window handles them itself.
        action->setText(shown(item.caption()) + (item.shortcutText().empty() ? QString() : "\t" + q(item.shortcutText())));
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
    if (e->type() == QEvent::Move && !m_placing.hasExpired()) placeFrameOnScreen();
    if (e->type() == QEvent::Move && !m_syncing && isVisible()) {
        // Keep the model's position where the user moved the window.
        m_syncing = true;
        m_form.setPosition(x(), y());
        m_syncing = false;
    }
    return QMainWindow::event(e);
}

// The window manager adds the frame when it maps the window, and tells Qt
// its size and place some moments later: until then the frame is put back
// where it belongs at every exposure, move and tick of a short timer.
void FormHost::placeOnceFramed() {
    m_intended = QPoint(m_form.left(), m_form.top());
    m_placing.setRemainingTime(PlacingTimeMs);
    // The position names the frame's corner before the window is mapped, so
    // that the window manager puts the title bar there.
    create();
    if (QWindow* window = windowHandle()) {
        const QScreen* scr = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
        const QSize size = sizeHint().expandedTo(minimumSizeHint());
        window->setFramePosition(scr ? framePositionOnScreen(QRect(m_intended, size), scr->availableGeometry()) : m_intended);
        window->installEventFilter(this);
    }
    show();
    if (!m_placer) {
        m_placer = new QTimer(this);
        m_placer->setInterval(100);
        connect(m_placer, &QTimer::timeout, this, [this] { placeFrameOnScreen(); });
    }
    m_placer->start();
}

bool FormHost::eventFilter(QObject* watched, QEvent* e) {
    if (e->type() == QEvent::Expose && watched == windowHandle()) placeFrameOnScreen();
    if (e->type() == QEvent::Resize && watched == m_client) clientResized();
    return QMainWindow::eventFilter(watched, e);
}

void FormHost::placeFrameOnScreen() {
    if (m_placing.hasExpired()) {
        if (m_placer) m_placer->stop();
        return;
    }
    QWindow* window = windowHandle();
    QScreen* scr = window && window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!isVisible() || !window || !scr) return;
    // The window's own view of its frame: the widget's may lag behind.
    const QMargins frame = window->frameMargins();
    const QRect inside = window->geometry();
    const QRect framed = inside.marginsAdded(frame);
    // The model's position is the frame's top left corner, title bar
    // included, kept inside the area that panels leave free.
    const QPoint place = framePositionOnScreen(QRect(m_intended, framed.size()), scr->availableGeometry());
    if (place != framed.topLeft()) window->setPosition(place + QPoint(frame.left(), frame.top()));
}

void FormHost::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_F1) {
        dispatch([this] { m_program.desktop.showHelp(helpTopicFor(m_form)); });
        return;
    }
    // The windows see platform virtual-key codes; keys without one are not theirs.
    if (const int key = virtualKeyOf(e->key())) {
        const unsigned shift = toShift(e->modifiers());
        dispatch([this, key, shift] {
            if (!m_form.dialogKey(key)) m_form.FormKeyDown(key, shift);
        });
    }
    QMainWindow::keyPressEvent(e);
}

void FormHost::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton) dispatch([this] { m_form.FormClick(); });
    QMainWindow::mouseReleaseEvent(e);
}

}  // namespace vantor::qt
