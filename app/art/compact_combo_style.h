#pragma once

#include <QProxyStyle>

namespace vexlor {

// A drop-down list style with a slimmer arrow and less padding, so a short
// list fits the room a fixed layout gives it and still shows its longest item.
class CompactComboStyle : public QProxyStyle {
    Q_OBJECT
public:
    using QProxyStyle::QProxyStyle;

    [[nodiscard]] QRect subControlRect(ComplexControl control, const QStyleOptionComplex *option,
                                       SubControl subControl, const QWidget *widget) const override;
};

} // namespace vexlor
