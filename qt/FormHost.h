#pragma once
// One generic Qt window per Form model: builds the menu bar and the widgets
// from the models, mirrors every model change into its widget and forwards
// the user's events to the handlers through the program's event dispatch.
// Captions and hints are shown in the interface's language.
#include <QMainWindow>
#include <functional>
#include <tuple>
#include <vector>

#include "app/English.h"

namespace vantor {
class Form;
class Control;
class MenuItem;
class Program;
class Label;
class SpeedButton;
class Button;
class RadioButton;
class ScrollBar;
class ProgressBar;
class ListBox;
class Edit;
class Image;
class Shape;
class Bevel;
class Panel;
}  // namespace vantor

class QMenu;
class QActionGroup;

namespace vantor::qt {

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
    void keyPressEvent(QKeyEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    void syncForm();
    void buildMenu(vantor::MenuItem& item, QMenu* into);
    QActionGroup* radioGroup(QMenu* menu, int groupIndex);
    QWidget* buildControl(vantor::Control& control, QWidget* parent);
    // One builder per control kind (FormControls.cpp): each makes the widget,
    // mirrors the model into it and forwards the widget's events.
    QWidget* buildLabel(vantor::Label& model, QWidget* parent);
    QWidget* buildSpeedButton(vantor::SpeedButton& model, QWidget* parent);
    QWidget* buildButton(vantor::Button& model, QWidget* parent);
    QWidget* buildRadioButton(vantor::RadioButton& model, QWidget* parent);
    QWidget* buildScrollBar(vantor::ScrollBar& model, QWidget* parent);
    QWidget* buildProgressBar(vantor::ProgressBar& model, QWidget* parent);
    QWidget* buildListBox(vantor::ListBox& model, QWidget* parent);
    QWidget* buildEdit(vantor::Edit& model, QWidget* parent);
    QWidget* buildImage(vantor::Image& model, QWidget* parent);
    QWidget* buildBevel(vantor::Bevel& model, QWidget* parent);
    QWidget* buildShape(vantor::Shape& model, QWidget* parent);
    QWidget* buildPanel(vantor::Panel& model, QWidget* parent);
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
    bool m_positioned = false;
};

}  // namespace vantor::qt
