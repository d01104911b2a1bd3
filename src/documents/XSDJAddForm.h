#pragma once

#include "GoodsLineForm.h"

// The add-item dialog of the sales document window: a sale line is checked against the stock
// (with the units already on the document), a return line is not; a quantity of 0 is refused.
class TXSDJAddForm : public GoodsLineForm {
    Q_OBJECT
public:
    explicit TXSDJAddForm(AppContext& context, QWidget* parent = nullptr);
};
