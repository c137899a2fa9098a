// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One generic Qt window per Form model: builds the menu bar and the widgets
// from the models, mirrors every model change into its widget and forwards
// the user's events to the handlers through the program's event dispatch.
// Captions and hints are shown in the interface's language.
#include <QDeadlineTimer>
#include <QMainWindow>
#include <functional>
#include <tuple>
#include <vector>

#include "language/English.h"

namespace vantor {
class Form;
class Control;
class MenuItem;
class Program;
}  // namespace vantor

class QMenu;
class QActionGroup;
class QTimer;

namespace vantor::qt {

struct ControlBuilders;

class FormHost : public QMainWindow {
public:
    FormHost(vantor::Form& form, vantor::Program& program, vantor::Language language = vantor::Language::Japanese);
    ~FormHost() override;

    vantor::Form& form() { return m_form; }
    // Shows the form modally; returns its modal result.
    int execModal();
    QWidget* widgetFor(const vantor::Control& control) const;

protected:
    void closeEvent(QCloseEvent* e) override;
    bool event(QEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    // Builds the widget of each control kind (FormControls.cpp).
    friend struct ControlBuilders;

    void syncForm();
    // The client area at the form's size: fixed, or within its limits when
    // the user may resize the window.
    void syncClientSize();
    void clientResized();
    void placeOnceFramed();
    void placeFrameOnScreen();
    void buildMenu(vantor::MenuItem& item, QMenu* into);
    QActionGroup* radioGroup(QMenu* menu, int groupIndex);
    QWidget* buildControl(vantor::Control& control, QWidget* parent);
    void track(vantor::Control& control, QWidget* widget, std::function<void()> sync);
    void dispatch(const std::function<void()>& handler);
    // A text of the program as this interface shows it.
    QString shown(const std::string& text) const;

    vantor::Form& m_form;
    vantor::Program& m_program;
    vantor::Language m_language;
    QWidget* m_client = nullptr;
    std::vector<std::function<void()>> m_unsubscribe;
    std::vector<std::pair<const vantor::Control*, QWidget*>> m_widgets;
    std::vector<std::tuple<QMenu*, int, QActionGroup*>> m_radioGroups;
    bool m_syncing = false;
    bool m_clientSized = false;
    bool m_resizePending = false;
    // Where the frame's top left corner goes when the window is shown, and
    // how long after that it is put back there.
    static constexpr int PlacingTimeMs = 1500;
    QPoint m_intended;
    QDeadlineTimer m_placing{0};
    QTimer* m_placer = nullptr;
};

}  // namespace vantor::qt
