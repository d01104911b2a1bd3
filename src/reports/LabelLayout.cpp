// The price label of a goods item: brand and product, model, price, and the barcode filling the
// rest of the label.
#include "FormLayouts.h"
#include "LayoutParts.h"

using namespace LayoutParts;

namespace {

constexpr double LabelLineMm = 4.5;
constexpr double LeastBarcodeMm = 8;

}  // namespace

ReportLayout GoodsLabelLayout()
{
    LayoutLine names = Line({Field(QStringLiteral("PinPai"), 1), Field(QStringLiteral("ChanPin"), 1)});
    LayoutLine model = Line({Field(QStringLiteral("GuiGe"), 1)});
    LayoutCell priceCell = Field(QStringLiteral("priceText"), 1);
    priceCell.bold = true;
    LayoutLine price = Line({priceCell});
    LayoutCell code = Field(QStringLiteral("barcode"), 1);
    code.barcode = true;
    LayoutLine barcode = Line({code});
    for (LayoutLine* line : {&names, &model, &price})
        line->height = LabelLineMm;
    barcode.height = LeastBarcodeMm;  // grows to fill the label (LayOutLabels)
    return ReportLayout{QStringLiteral("GoodsLabel"), {LayoutBand{BandKind::Detail, {names, model, price, barcode}, 0}}};
}
