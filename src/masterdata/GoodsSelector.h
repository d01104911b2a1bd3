#pragma once

#include <QObject>
#include <QString>

class Database;
class QComboBox;
struct AppContext;

// The four fillers of goods and class lists. Each clears the box, adds the all-entry when asked,
// then one item per row; nothing is selected afterwards. FillChanPinCombo and FillGuiGeCombo
// leave the box empty (all-entry too) and return false when a brand or product text is empty.
bool FillPinPaiCombo(Database& db, QComboBox& box, bool withAll);
bool FillChanPinCombo(Database& db, const QString& PinPai, QComboBox& box, bool withAll);
bool FillGuiGeCombo(Database& db, const QString& PinPai, const QString& ChanPin, QComboBox& box, bool withAll);
bool FillCPTypeCombo(Database& db, QComboBox& box);

// Brand -> product -> spec: three drop-down lists chained so that picking a brand offers its
// products and picking a product offers its specs.
//
// Without all-entries (add-item dialogs): the brands are listed and nothing is picked; products
// and specs stay empty until a brand, then a product, is picked.
// With all-entries (query windows): each list starts with "所有品牌", "所有产品", "所有型号",
// which is shown after every refill, so at first the product and spec lists hold every product
// and spec.
//
// The boxes stay the caller's (members with their documented names); the selector only fills
// them and follows their changes. The spec box may be null where only brand and product are
// picked. Picking in a box, by hand or by setCurrentIndex, refills the
// lists below it and then emits changed(); a refill that fails is shown in the error box of the
// context and leaves the lists as they were.
class GoodsSelector : public QObject {
    Q_OBJECT
public:
    enum Entries { NoAllEntries, WithAllEntries };

    GoodsSelector(AppContext& context, QComboBox* PinPaiBox, QComboBox* ChanPinBox, QComboBox* GuiGeBox, Entries entries,
                  QObject* parent = nullptr);

    // Lists the brands again (after the catalogue changed) and resets the chain.
    void reload();

    // Picks a brand and a product by name (exact text) and refills the lists below; a name not
    // listed leaves its box without a pick.
    void pick(const QString& PinPai, const QString& ChanPin = {}, const QString& GuiGe = {});

    // The texts the boxes show (empty when nothing is picked; the all-entry when it is shown).
    QString PinPai() const;
    QString ChanPin() const;
    QString GuiGe() const;

    // The same as conditions of a query: empty when the box shows its all-entry (or nothing).
    QString PinPaiFilter() const;
    QString ChanPinFilter() const;
    QString GuiGeFilter() const;

signals:
    void changed();

private:
    void PinPaiChange();
    void ChanPinChange();
    void fillChanPin();
    void fillGuiGe();

    Database& m_db;
    QComboBox* m_pinPai;
    QComboBox* m_chanPin;
    QComboBox* m_guiGe;
    bool m_withAll;
};
