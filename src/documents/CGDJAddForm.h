#pragma once

#include "GoodsLineForm.h"

// The add-item dialog of the purchase document window: a purchase-return line is checked against
// the stock (with the units already on the document), a purchase line is not; a quantity of 0 is
// accepted.
class TCGDJAddForm : public GoodsLineForm {
    Q_OBJECT
public:
    explicit TCGDJAddForm(AppContext& context, QWidget* parent = nullptr);
};
