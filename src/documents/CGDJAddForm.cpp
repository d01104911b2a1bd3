#include "CGDJAddForm.h"

TCGDJAddForm::TCGDJAddForm(AppContext& context, QWidget* parent)
    : GoodsLineForm(context,
                    {{"请选择要采购的商品!", "请选择要采购的商品!"},
                     {"请输入采购单价及数量!", "请输入采购单价及数量!"},
                     ReturnKind, std::nullopt},
                    parent)
{
}
