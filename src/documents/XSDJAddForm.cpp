#include "XSDJAddForm.h"

TXSDJAddForm::TXSDJAddForm(AppContext& context, QWidget* parent)
    : GoodsLineForm(context,
                    {{"请选择要售出的商品!", "请选择要退货的商品!"},
                     {"请输入销售单价及数量!", "请输入退货单价及数量!"},
                     ForwardKind, ForwardKind},
                    parent)
{
}
