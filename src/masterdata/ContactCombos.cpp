#include "ContactCombos.h"

#include "GongYingShangStore.h"
#include "KeHuStore.h"
#include "YuanGongStore.h"

#include <QComboBox>

namespace {

void Fill(QComboBox& box, const QStringList& names)
{
    box.clear();
    box.clearEditText();
    box.addItems(names);
    box.setCurrentIndex(-1);
}

}  // namespace

void FillKeHuCombo(Database& db, QComboBox& box)
{
    Fill(box, KeHuNames(db));
}

void FillGYSCombo(Database& db, QComboBox& box)
{
    Fill(box, GYSNames(db));
}

void FillYuanGongCombo(Database& db, QComboBox& box)
{
    Fill(box, YuanGongNames(db));
}
