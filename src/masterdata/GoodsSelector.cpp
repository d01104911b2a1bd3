#include "GoodsSelector.h"

#include "AppContext.h"
#include "CPTypeStore.h"
#include "GoodsLists.h"
#include "GoodsStore.h"
#include "GuardedConnect.h"
#include "ScreenHelpers.h"

#include <QComboBox>
#include <QSignalBlocker>

namespace {

void Fill(QComboBox& box, const char* allEntry, const QStringList& names)
{
    const QSignalBlocker quiet(box);
    box.clear();
    if (allEntry)
        box.addItem(QString::fromUtf8(allEntry));
    box.addItems(names);
    box.setCurrentIndex(-1);
}

void Empty(QComboBox& box)
{
    const QSignalBlocker quiet(box);
    box.clear();
}

QString Filter(const QComboBox* box, const char* allEntry)
{
    const QString text = box->currentText();
    return text == QString::fromUtf8(allEntry) ? QString() : text;
}

}  // namespace

bool FillPinPaiCombo(Database& db, QComboBox& box, bool withAll)
{
    Fill(box, withAll ? AllPinPai : nullptr, PinPaiNames(db));
    return true;
}

bool FillChanPinCombo(Database& db, const QString& PinPai, QComboBox& box, bool withAll)
{
    if (PinPai.isEmpty()) {
        Empty(box);
        return false;
    }
    Fill(box, withAll ? AllChanPin : nullptr, ChanPinNames(db, PinPai));
    return true;
}

bool FillGuiGeCombo(Database& db, const QString& PinPai, const QString& ChanPin, QComboBox& box, bool withAll)
{
    if (PinPai.isEmpty() || ChanPin.isEmpty()) {
        Empty(box);
        return false;
    }
    Fill(box, withAll ? AllGuiGe : nullptr, GuiGeNames(db, PinPai, ChanPin));
    return true;
}

bool FillCPTypeCombo(Database& db, QComboBox& box)
{
    Fill(box, nullptr, CPTypeNames(db));
    return true;
}

GoodsSelector::GoodsSelector(AppContext& context, QComboBox* PinPaiBox, QComboBox* ChanPinBox, QComboBox* GuiGeBox,
                             Entries entries, QObject* parent)
    : QObject(parent), m_db(context.db()), m_pinPai(PinPaiBox), m_chanPin(ChanPinBox), m_guiGe(GuiGeBox),
      m_withAll(entries == WithAllEntries)
{
    GuardedConnect(m_pinPai, &QComboBox::currentIndexChanged, this, context, &GoodsSelector::PinPaiChange);
    GuardedConnect(m_chanPin, &QComboBox::currentIndexChanged, this, context, &GoodsSelector::ChanPinChange);
    if (m_guiGe)
        GuardedConnect(m_guiGe, &QComboBox::currentIndexChanged, this, context, &GoodsSelector::changed);
    reload();
}

void GoodsSelector::reload()
{
    FillPinPaiCombo(m_db, *m_pinPai, m_withAll);
    if (m_withAll) {
        const QSignalBlocker quiet(m_pinPai);
        m_pinPai->setCurrentIndex(0);
    }
    fillChanPin();
    fillGuiGe();
}

void GoodsSelector::fillChanPin()
{
    FillChanPinCombo(m_db, PinPai(), *m_chanPin, m_withAll);
    if (m_withAll && m_chanPin->count() > 0) {
        const QSignalBlocker quiet(m_chanPin);
        m_chanPin->setCurrentIndex(0);
    }
}

void GoodsSelector::fillGuiGe()
{
    if (!m_guiGe)
        return;
    FillGuiGeCombo(m_db, PinPai(), ChanPin(), *m_guiGe, m_withAll);
    if (m_withAll && m_guiGe->count() > 0) {
        const QSignalBlocker quiet(m_guiGe);
        m_guiGe->setCurrentIndex(0);
    }
}

void GoodsSelector::PinPaiChange()
{
    fillChanPin();
    fillGuiGe();
    emit changed();
}

void GoodsSelector::ChanPinChange()
{
    fillGuiGe();
    emit changed();
}

void GoodsSelector::pick(const QString& PinPai, const QString& ChanPin, const QString& GuiGe)
{
    {
        const QSignalBlocker quiet(m_pinPai);
        m_pinPai->setCurrentIndex(ComboIndexOf(*m_pinPai, PinPai));
    }
    fillChanPin();
    if (!ChanPin.isEmpty()) {
        const QSignalBlocker quiet(m_chanPin);
        m_chanPin->setCurrentIndex(ComboIndexOf(*m_chanPin, ChanPin));
    }
    fillGuiGe();
    if (m_guiGe && !GuiGe.isEmpty()) {
        const QSignalBlocker quiet(m_guiGe);
        m_guiGe->setCurrentIndex(ComboIndexOf(*m_guiGe, GuiGe));
    }
    emit changed();
}

QString GoodsSelector::PinPai() const { return m_pinPai->currentText(); }
QString GoodsSelector::ChanPin() const { return m_chanPin->currentText(); }
QString GoodsSelector::GuiGe() const { return m_guiGe ? m_guiGe->currentText() : QString(); }
QString GoodsSelector::PinPaiFilter() const { return Filter(m_pinPai, AllPinPai); }
QString GoodsSelector::ChanPinFilter() const { return Filter(m_chanPin, AllChanPin); }
QString GoodsSelector::GuiGeFilter() const { return m_guiGe ? Filter(m_guiGe, AllGuiGe) : QString(); }
