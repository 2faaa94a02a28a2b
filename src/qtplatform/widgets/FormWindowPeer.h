#pragma once

#include "platform/Peers.h"

#include <QPointer>
#include <QWidget>
#include <QWindow>

namespace platform {
class Form;
}

namespace qtplatform {

// The top-level widget: passes close requests, resizes and keys to the form.
class FormWidget : public QWidget {
    Q_OBJECT
public:
    explicit FormWidget(platform::Form& form);
    void detachForm() { form_ = nullptr; }
    platform::Form* form() const { return form_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    platform::Form* form_;
    QPointer<QWindow> keyWindow_; // the native window whose keys go to the form
};

// The native window of a loaded form, with a widget for each of its controls.
// Destroying the peer closes the window.
class FormWindowPeer : public platform::WindowPeer {
public:
    explicit FormWindowPeer(platform::Form& form);
    ~FormWindowPeer() override;

    void show() override;
    void captionChanged() override;
    float clientWidth() const override;
    float clientHeight() const override;

    QWidget* widget() const { return widget_.data(); }

private:
    platform::Form& form_;
    QPointer<FormWidget> widget_;
    bool shownOnce_ = false;
};

} // namespace qtplatform
