#pragma once

#include <QDialog>

struct AppContext;
class QLabel;
class QPushButton;

// The "关于" window: the product title, its edition, the maker's lines and the database file in use.
class TAboutForm : public QDialog {
    Q_OBJECT
public:
    explicit TAboutForm(AppContext& context, QWidget* parent = nullptr);

    QLabel* TitleLabel = nullptr;
    QLabel* EditionLabel = nullptr;   // 5 pixels after the title's end
    QLabel* MakerLabel = nullptr;
    QLabel* PhoneLabel = nullptr;
    QLabel* MailLabel = nullptr;
    QLabel* DataLabel = nullptr;      // the database file, its full path as tooltip when elided
    QPushButton* OKButton = nullptr;

private:
    void setupUi(const QString& databaseFile);

    AppContext& m_ctx;
};
