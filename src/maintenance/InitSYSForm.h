#pragma once

#include "InitSYSStore.h"

#include <QDialog>

struct AppContext;
class QCheckBox;
class QPushButton;

// System initialisation: empties the chosen groups of tables (the built-in administrator stays).
class TInitSYSForm : public QDialog {
    Q_OBJECT
public:
    explicit TInitSYSForm(AppContext& context, QWidget* parent = nullptr);

    QCheckBox *XSCheckBox = nullptr, *CGCheckBox = nullptr, *SPCheckBox = nullptr, *GYSCheckBox = nullptr,
              *YGCheckBox = nullptr, *KHCheckBox = nullptr, *SZICheckBox = nullptr, *SZCheckBox = nullptr,
              *JQCheckBox = nullptr, *UserCheckBox = nullptr;
    QPushButton* SetAllButton = nullptr;
    QPushButton* ClearButton = nullptr;
    QPushButton* EscButton = nullptr;

    void SetAllButtonClick();
    void ClearButtonClick();

private:
    void setupUi();
    void SetAll(bool checked);
    // The check box of each group, in the order of AllInitGroups.
    QVector<std::pair<InitGroup, QCheckBox*>> boxes() const;

    AppContext& m_ctx;
};
