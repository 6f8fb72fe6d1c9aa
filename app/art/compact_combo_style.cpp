#include "compact_combo_style.h"

#include <QStyleOptionComplex>

namespace vexlor {
namespace {

constexpr int kArrowWidth = 15;
constexpr int kFrame = 2;

} // namespace

QRect CompactComboStyle::subControlRect(ComplexControl control, const QStyleOptionComplex *option,
                                        SubControl subControl, const QWidget *widget) const
{
    if (control == CC_ComboBox && option) {
        const QRect r = option->rect;
        if (subControl == SC_ComboBoxArrow)
            return QRect(r.right() - kFrame - kArrowWidth + 1, r.top() + kFrame, kArrowWidth,
                         r.height() - 2 * kFrame);
        if (subControl == SC_ComboBoxEditField)
            return QRect(r.left() + kFrame, r.top() + kFrame, r.width() - 2 * kFrame - kArrowWidth,
                         r.height() - 2 * kFrame);
    }
    return QProxyStyle::subControlRect(control, option, subControl, widget);
}

} // namespace vexlor
