#pragma once

#include <QProxyStyle>

namespace vexlor {

// Menus whose item pictures are 24 x 24 pixels, the tool bar's size, instead
// of the style's small icon size.
class MenuIconStyle : public QProxyStyle {
    Q_OBJECT
public:
    using QProxyStyle::QProxyStyle;

    [[nodiscard]] int pixelMetric(PixelMetric metric, const QStyleOption *option = nullptr,
                                  const QWidget *widget = nullptr) const override;
};

} // namespace vexlor
