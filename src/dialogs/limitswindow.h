#pragma once

#include "analysis/limitsettings.h"

#include <QWidget>
#include <functional>
#include <memory>
#include <variant>

namespace Ui {
class LimitsWindow;
}

// "ZUNOV - Meze": a lower and an upper limit, a hysteresis and a minimum
// duration per quantity, and what a violation does (a beep, a recording that
// begins some seconds before it). "Použít" hands the settings over; the
// window keeps nothing of its own.
class LimitsWindow : public QWidget
{
public:
    // apply takes settings that passed validate(); false when they could not
    // be kept, and the window then stays as the user left it.
    LimitsWindow(const LimitSettings &initial, std::function<bool(const LimitSettings &)> apply,
                 QWidget *parent = nullptr);
    ~LimitsWindow() override;

    void showSettings(const LimitSettings &settings);
    // The settings as the window shows them; an error text when a field
    // holds no number.
    std::variant<LimitSettings, QString> shownSettings() const;
    void applyShown();

private:
    std::function<bool(const LimitSettings &)> m_apply;
    std::unique_ptr<Ui::LimitsWindow> ui;
};
