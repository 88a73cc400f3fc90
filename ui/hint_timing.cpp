#include "ui/hint_timing.h"

#include <QApplication>
#include <QEvent>
#include <QProxyStyle>
#include <QWidget>

namespace nelin {
namespace {

class HintPauseStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;

    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override
    {
        if (hint == SH_ToolTip_WakeUpDelay) return HintPauseMs;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

// Gives every widget the display time as it is polished.
class HintDisplayFilter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Polish && watched->isWidgetType()) {
            auto* widget = static_cast<QWidget*>(watched);
            if (widget->toolTipDuration() < 0) widget->setToolTipDuration(HintDisplayMs);
        }
        return false;
    }
};

} // namespace

void ApplyHintTiming(QApplication& application)
{
    static const char Installed[] = "nelinHintTiming";
    if (application.property(Installed).toBool()) return;
    application.setProperty(Installed, true);
    application.setStyle(new HintPauseStyle(application.style()->name()));
    application.installEventFilter(new HintDisplayFilter(&application));
    for (QWidget* widget : QApplication::allWidgets()) {
        if (widget->toolTipDuration() < 0) widget->setToolTipDuration(HintDisplayMs);
    }
}

} // namespace nelin
