#pragma once

#include <QString>

// One goods item of the catalogue: brand, product and spec.
struct GoodsKey {
    QString PinPai;
    QString ChanPin;
    QString GuiGe;

    // "品牌/产品/型号", as messages and the audit log name a goods item.
    QString text() const { return PinPai + u'/' + ChanPin + u'/' + GuiGe; }
};
