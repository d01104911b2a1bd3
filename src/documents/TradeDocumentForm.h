#pragma once

#include "DocumentDraft.h"
#include "DocumentSide.h"
#include "DocumentStore.h"
#include "GoodsFinder.h"
#include "Records.h"
#include "TradeDocumentPrintout.h"

#include <QDialog>
#include <QVector>
#include <functional>
#include <memory>

enum class ReportOutput;
struct AppContext;
class GoodsLineForm;
class QComboBox;
class QDateEdit;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class StringGrid;

// What the sales and purchase document windows share: the header fields, the line grid with its
// totals, the amount paid and owed, the two window states (entering, saved and read-only),
// the document number rules and the keyboard walk. Each window names its controls as documented
// (the members of its own class refer to the ones here) and brings its partner list, its checks,
// its save sequence and its printout.
//
// Keyboard: Enter walks the header fields to "添加商品(F2)", where the focus returns after each
// line, so Enter adds the next one; Enter in the grid does the same. F2 adds a line from anywhere
// in the window, Delete in the grid removes the selected line, Ctrl+Enter confirms.
class TradeDocumentForm : public QDialog {
    Q_OBJECT
public:
    ~TradeDocumentForm() override;

    // Controls shared by both windows (each window gives them their documented names).
    QComboBox* partnerBox = nullptr;     // customer or supplier, editable
    QLabel* partnerLink = nullptr;       // opens the customer or supplier window
    QLineEdit* phoneEdit = nullptr;
    QLineEdit* addressEdit = nullptr;
    QLabel* dateLabel = nullptr;
    QDateEdit* documentDate = nullptr;
    QLineEdit* numberEdit = nullptr;
    QPushButton* AutoDHButton = nullptr;
    QLineEdit* RemarkEdit = nullptr;
    StringGrid* lineGrid = nullptr;
    QPushButton* AddButton = nullptr;
    QPushButton* DelRowButton = nullptr;
    QPushButton* DelAllButton = nullptr;
    QPushButton* NewDButton = nullptr;
    QPushButton* PrintButton = nullptr;
    QPushButton* previewButton = nullptr;
    QPushButton* CloseButton = nullptr;
    QLineEdit* SLEdit = nullptr;
    QLineEdit* JEEdit = nullptr;
    QLabel* paidLabel = nullptr;
    QLineEdit* SSEdit = nullptr;
    QLineEdit* QKEdit = nullptr;

    // What the window is doing: nothing yet (before it is first shown), entering a document, or
    // showing the saved one read-only.
    enum class DanState { Opening, Entering, Saved };

    // Sets the kind (the forward kind or its return) and the captions of that kind.
    void SetDanKind(DanKind kind);
    DanKind danKind() const { return m_kind; }
    // What the printed document shows above and below its lines: the party's texts as given, the
    // number, and the date, remark and totals of the window.
    TradeDocumentHead DocumentHead(const QString& dh, const QString& party, const QString& address,
                                   const QString& phone) const;
    DanState danState() const { return m_state; }

    void SetDanState(DanState state);
    void InitDanGrid();
    void AppendItemRow(const TShangPinItem& item);
    void CalcDanTotals();

    void AddButtonClick();
    void DelRowButtonClick();
    void DelAllButtonClick();
    void NewDButtonClick();
    void CloseButtonClick();
    void PrintButtonClick();
    void previewButtonClick();
    void AutoDHButtonClick();
    void documentDateChange();
    void SSEditChange();

    // The lines of the document as entered (positive figures), from the draft the grid shows.
    QVector<TShangPinItem> GridLines() const;

protected:
    // Captions of one window by kind: index 0 the forward kind, 1 its return.
    struct KindTexts {
        const char* caption[2];
        const char* date[2];
        const char* paid[2];
        const char* confirm[2];     // NewDButton while entering
        const char* newDocument[2]; // NewDButton once saved
        const char* save[2];        // the save as an error names it: "保存销售单"
    };
    // The documented names of the controls that differ between the two windows.
    struct ControlNames {
        const char* form;
        const char* partnerBox;
        const char* partnerCaption;
        const char* partnerLink;
        const char* linkText;
        const char* phoneEdit;
        const char* addressEdit;
        const char* dateLabel;
        const char* numberEdit;
        const char* previewButton;
        const char* paidLabel;
    };
    TradeDocumentForm(AppContext& context, const DocumentSide& side, const KindTexts& texts, QWidget* parent);

    // Builds the window; extraHeader (the salesperson list of the sales window, with its caption)
    // sits before the date; extraButtons come after "打印预览".
    void setupUi(const ControlNames& names, QWidget* extraHeader, const QString& extraCaption,
                 const QList<QPushButton*>& extraButtons);
    // Connects the handlers both windows share (through the guard); called once the window is built.
    void connectHandlers();

    // --- What each window brings ---
    virtual void fillLists() = 0;                               // InitXiaoShouDan / InitCaiGouDan
    virtual std::unique_ptr<GoodsLineForm> makeAddForm() = 0;   // TXSDJAddForm / TCGDJAddForm
    virtual bool saveDocument() = 0;                            // SaveXiaoShouDan / SaveCaiGouDan
    virtual void printDocument(ReportOutput output) = 0;
    virtual void partnerLinkClick() = 0;                        // openCustomerWindow / openSupplierWindow
    virtual void partnerChange() = 0;                           // KHComboBoxChange / GYSComboBoxChange
    virtual bool confirmClearAll() { return true; }
    virtual QList<QWidget*> enteringControls() const;           // enabled while entering only
    virtual QList<QWidget*> savedControls() const;              // enabled once saved only
    virtual void clearHeader();
    // After the customer (supplier) window: fill fills the list again; a name that was added there
    // is chosen, with its phone and address; otherwise the header stays as it was.
    void refillPartners(const std::function<void()>& fill);

    // Checks shared by both save sequences, in the documented order. Each shows its message,
    // focuses its field and returns false when the document cannot be saved.
    // The trimmed number: refused when empty (the day's numbers used up) or when a number typed by
    // hand is already used. A number the window proposed is not refused: the save takes the next
    // free one when another window or copy of the program took it meanwhile.
    bool checkNumber(const std::function<bool(const QString&)>& isNew, const QString& duplicateMessage,
                     QString* number);
    // What the save does with the number when it is taken: the next free one for a proposed
    // number, nothing for one typed by hand.
    TakenNumber takenRule(const QString& number) const;
    // After a save: the number saved under goes into the number box; when it is not the number
    // that was shown, the operator is told which number the document has.
    void showSavedNumber(const QString& saved, const QString& shown);
    // The amount paid into the draft; a text that is no number (a lone ".") is refused.
    bool readPaid();
    // The document being entered: lines, totals, paid and owed (the grid is its view).
    const DocumentDraft& draft() const { return m_draft; }

    // After a refused line or check: the message, then the field focused with its text selected.
    void refuse(QWidget* field, const QString& text);

    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

    AppContext& m_ctx;

private:
    int kindIndex() const { return m_kind == ForwardKind ? 0 : 1; }
    void FormShow();
    // Puts the next free number of the kind and date into the number box.
    void proposeNumber(const QDate& date);

    const DocumentSide& m_side;
    KindTexts m_texts;
    QString m_proposed;  // the number the window last proposed
    DocumentDraft m_draft;
    DanKind m_kind = ForwardKind;
    DanState m_state = DanState::Opening;
    bool m_shown = false;
    GoodsFinder m_finder;
    bool m_finderLoaded = false;
};
